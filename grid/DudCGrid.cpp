#include "grid/DudCGrid.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_EditLink.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_GridSpin.h"
#include "grid/base/RovIvir.h"
#include "platform/core/Math.h"
#include "platform/core/Format.h"
#include "platform/ui/Menus.h"

// ---- TGridColumnItem -------------------------------------------------------

TGridColumnItem::TGridColumnItem(TCollection* collection) : TCollectionItem(collection)
{
    FBorderPen.SetColor(clSilver);
    FPrintBorderPen.SetColor(clBlack);
    TDudColumnGrid* grid = Grid();
    if (!grid)
        return;
    FFont.Assign(grid->Font());
    FHeaderFont.Assign(grid->Font());
    FPrintFont.Assign(grid->Font());
    FColor = grid->Color();
    FFont.OnChange = [this](TFont*) { ObjectChanged(); };
    FHeaderFont.OnChange = [this](TFont*) { ObjectChanged(); };
    FBorderPen.OnChange = [this](TPen*) { ObjectChanged(); };
    FFilter.OnChange = [this](TStringList*) {
        if (!FCopying)
            RepaintGrid();
    };
}

TGridColumnItem::~TGridColumnItem()
{
    FFont.OnChange = nullptr;
    FHeaderFont.OnChange = nullptr;
    FBorderPen.OnChange = nullptr;
    FFilter.OnChange = nullptr;
}

TDudColumnGrid* TGridColumnItem::Grid() const
{
    const auto* columns = dynamic_cast<const TGridColumnCollection*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

void TGridColumnItem::ObjectChanged()
{
    if (!FCopying)
        Changed(false);
}

void TGridColumnItem::RepaintGrid() const
{
    if (TDudColumnGrid* grid = Grid())
        grid->Invalidate();
}

int32_t TGridColumnItem::Width() const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetAllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int32_t value)
{
    FWidth = value;
    if (TDudColumnGrid* grid = Grid())
        grid->SetAllColWidths(Index(), value);
}

void TGridColumnItem::SetHeader(const String& value)
{
    FColumnHeader = value;
    TDudColumnGrid* grid = Grid();
    if (!grid)
        return;
    if (grid->FixedRows() > 0 && !grid->ColMoving()) {
        grid->SetCellEx(Index(), 0, value);
        Changed(false);
    }
    TStringList& headers = grid->ColumnHeaders();
    headers.BeginUpdate();
    headers.Clear();
    // The own collection: a stream carrier's items stand for the grid's.
    const TCollection& columns = *Collection();
    for (int32_t i = 0; i < columns.Count(); ++i)
        headers.Add(static_cast<const TGridColumnItem*>(columns.Items(i))->Header());
    headers.EndUpdate();
}

void TGridColumnItem::SetEditLink(TEditLink* value)
{
    FEditLink = value;
    if (TDudColumnGrid* grid = Grid(); grid && value)
        value->FreeNotification(grid);
}

void TGridColumnItem::SetFont(const TFont& value)
{
    FFont.Assign(value);
    Changed(false);
}

void TGridColumnItem::SetHeaderFont(const TFont& value)
{
    FHeaderFont.Assign(value);
    RepaintGrid();
}

void TGridColumnItem::SetBorderPen(const TPen& value)
{
    FBorderPen.Assign(value);
    Changed(false);
}

void TGridColumnItem::SetEditor(TEditorType value)
{
    if (FEditorType == value)
        return;
    const bool checkBoxInvolved = FEditorType == edDataCheckBox || value == edDataCheckBox;
    FEditorType = value;
    if (checkBoxInvolved)
        RepaintGrid();
}

String TGridColumnItem::DisplayName() const
{
    if (!FName.isEmpty())
        return QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
    return QStringLiteral("Column %1").arg(Index());
}

void TGridColumnItem::CopySettings(const TGridColumnItem& source)
{
    FAlignment = source.FAlignment;
    FSortStyle = source.FSortStyle;
    FSortPrefix = source.FSortPrefix;
    FSortSuffix = source.FSortSuffix;
    FEditMask = source.FEditMask;
    FEditLength = source.FEditLength;
    FEditLink = source.FEditLink;
    FEditorType = source.FEditorType;
    FFixed = source.FFixed;
    FReadOnly = source.FReadOnly;
    FSpinMin = source.FSpinMin;
    FSpinMax = source.FSpinMax;
    FSpinStep = source.FSpinStep;
    FPassword = source.FPassword;
    FPrintFont.Assign(source.FPrintFont);
    FPrintColor = source.FPrintColor;
    FBorders = source.FBorders;
    FBorderPen.Assign(source.FBorderPen);
    FPrintBorders = source.FPrintBorders;
    FPrintBorderPen.Assign(source.FPrintBorderPen);
    FDefIdx = source.FDefIdx;
    FCheckFalse = source.FCheckFalse;
    FCheckTrue = source.FCheckTrue;
    FShowBands = source.FShowBands;
    FFilter.Assign(source.FFilter);
    FMaxSize = source.FMaxSize;
    FMinSize = source.FMinSize;
    FAutoMinSize = source.FAutoMinSize;
    FAutoMaxSize = source.FAutoMaxSize;
    FColumnPopup = source.FColumnPopup;
    FFilterCaseSensitive = source.FFilterCaseSensitive;
    FFloatFormat = source.FFloatFormat;
    FHeaderAlignment = source.FHeaderAlignment;
    FWidth = source.Width();
}

void TGridColumnItem::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TGridColumnItem*>(&source);
    if (!other)
        return;
    // A copy runs no setter: the owned fonts, pens and lists keep quiet.
    FCopying = true;
    CopySettings(*other);
    FColumnHeader = other->FColumnHeader;
    FName = other->FName;
    FTag = other->FTag;
    FComboItems.Assign(other->FComboItems);
    FDropDownCount = other->FDropDownCount;
    FHeaderFont.Assign(other->FHeaderFont);
    FFont.Assign(other->FFont);
    FColor = other->FColor;
    FCopying = false;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& source)
{
    FCopying = true;
    CopySettings(source);
    if (const TDudColumnGrid* grid = Grid()) {
        FFont.Assign(grid->Font());
        FColor = grid->Color();
    }
    FCopying = false;
}

String TGridColumnItem::GetRows(int32_t row) const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetCellEx(Index(), row) : String();
}

void TGridColumnItem::SetRows(int32_t row, const String& value)
{
    if (TDudColumnGrid* grid = Grid())
        grid->SetCellEx(Index(), row, value);
}

int32_t TGridColumnItem::GetInts(int32_t row) const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetInts(Index(), row) : 0;
}

void TGridColumnItem::SetInts(int32_t row, int32_t value)
{
    if (TDudColumnGrid* grid = Grid())
        grid->SetInts(Index(), row, value);
}

double TGridColumnItem::GetFloats(int32_t row) const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetFloats(Index(), row) : 0;
}

void TGridColumnItem::SetFloats(int32_t row, double value)
{
    if (TDudColumnGrid* grid = Grid())
        grid->SetFloats(Index(), row, value);
}

double TGridColumnItem::GetDates(int32_t row) const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetDates(Index(), row) : 0;
}

void TGridColumnItem::SetDates(int32_t row, double value)
{
    if (TDudColumnGrid* grid = Grid())
        grid->SetDates(Index(), row, value);
}

double TGridColumnItem::GetTimes(int32_t row) const
{
    const TDudColumnGrid* grid = Grid();
    return grid ? grid->GetTimes(Index(), row) : 0;
}

void TGridColumnItem::SetTimes(int32_t row, double value)
{
    if (TDudColumnGrid* grid = Grid())
        grid->SetTimes(Index(), row, value);
}

// ---- TGridColumnCollection -------------------------------------------------

// The collection hears of a new item only once the item is whole, so its
// update never reads an item still being built.
TGridColumnCollection::TGridColumnCollection(TDudColumnGrid* owner)
    : TCollection(
          [](TCollection* collection) -> TCollectionItem* {
              collection->BeginUpdate();
              auto* item = new TGridColumnItem(collection);
              collection->EndUpdate();
              return item;
          },
          owner),
      FOwner(owner)
{
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (Count() > 1)
        item->AssignVisuals(*Items(Count() - 2));
    return item;
}

void TGridColumnCollection::Update(TCollectionItem* item)
{
    TCollection::Update(item);
    if (UpdateCount() > 0 || FNoRecursiveUpdate || !FOwner || (FOwner->ComponentState() & csLoading) != 0)
        return;
    const int32_t columns = Count() - FOwner->NumHiddenColumns();
    if (columns != FOwner->ColCount() && columns > FOwner->FixedCols())
        FOwner->SetColCount(columns);
    FOwner->UpdateColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    if (FNoRecursiveUpdate && FOwner) {
        FOwner->SyncColumns();
        FNoRecursiveUpdate = false;
    }
    for (int32_t i = 0; i < Count(); ++i)
        Items(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization()
{
    if (!FOwner)
        return;
    for (bool moved = true; moved;) {
        moved = false;
        const int32_t count = Count();
        for (int32_t i = 0; i < count; ++i) {
            if (Items(i)->DefIdx() < i) {
                FOwner->MoveColumn(i, Items(i)->DefIdx());
                moved = true;
            }
        }
    }
}

// ---- TDudColumnGrid ---------------------------------------------------------

TDudColumnGrid::TDudColumnGrid(TComponent* owner)
    : TDudStringGrid(owner), FColumnCollection(CreateColumnCollection()),
      FSaveCol(std::make_unique<TGridColumnItem>(nullptr)),
      FVirtCheckGraphic(std::make_unique<TCellGraphic>())
{
    SyncColumnsQuietly();
}

TDudColumnGrid::~TDudColumnGrid()
{
    // The items reach back into the grid while they go.
    FColumnCollection->SetNoRecursiveUpdate(true);
    FColumnCollection.reset();
}

std::unique_ptr<TGridColumnCollection> TDudColumnGrid::CreateColumnCollection()
{
    return std::make_unique<TGridColumnCollection>(this);
}

void TDudColumnGrid::Loaded()
{
    TDudStringGrid::Loaded();
    SyncColumns();
    FColumnCollection->SetOrganization();
}

void TDudColumnGrid::SetColCount(int32_t value)
{
    TDudStringGrid::SetColCount(value);
    SyncColumnsQuietly();
}

void TDudColumnGrid::SyncColumnsQuietly()
{
    FColumnCollection->SetNoRecursiveUpdate(true);
    SyncColumns();
    FColumnCollection->SetNoRecursiveUpdate(false);
}

void TDudColumnGrid::SyncColumns()
{
    const int32_t wanted = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < wanted)
        FColumnCollection->Add();
    while (FColumnCollection->Count() > wanted)
        FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TDudColumnGrid::UpdateColumnHeaders()
{
    if (FixedRows() == 0)
        return;
    TStringList& headers = ColumnHeaders();
    headers.BeginUpdate();
    headers.Clear();
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->Header().isEmpty() && !GetCellEx(i, 0).isEmpty())
            item->FColumnHeader = GetCellEx(i, 0);
        headers.Add(item->Header());
    }
    headers.EndUpdate();
}

void TDudColumnGrid::SyncColumnHeaders()
{
    const TStringList& headers = ColumnHeaders();
    for (int32_t i = 0; i < headers.Count() && i < FColumnCollection->Count(); ++i)
        FColumnCollection->Items(i)->FColumnHeader = headers.Strings(i);
}

void TDudColumnGrid::RecalcAllFooters()
{
    TDudStringGrid::RecalcAllFooters();
    SyncColumnsQuietly();
}

TGridColumnItem* TDudColumnGrid::GetColumnByName(const String& value) const
{
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name() == value)
            return FColumnCollection->Items(i);
    return nullptr;
}

TGridColumnItem* TDudColumnGrid::ItemOf(int32_t realCol) const
{
    return realCol >= 0 && realCol < FColumnCollection->Count() ? FColumnCollection->Items(realCol) : nullptr;
}

bool TDudColumnGrid::IsDataCell(int32_t aCol, int32_t aRow) const
{
    return aCol < FColumnCollection->Count() && aCol >= FixedCols() && aRow >= FixedRows()
        && aCol < ColCount() + NumHiddenColumns() - FixedRightCols() && aRow < RowCount() - FixedFooters();
}

bool TDudColumnGrid::InEditableArea(int32_t aCol, int32_t aRow) const
{
    return aCol < FColumnCollection->Count() && aCol >= FixedCols() && aRow >= FixedRows();
}

String TDudColumnGrid::GetVersionString() const
{
    const int32_t version = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012")
        .arg((version >> 24) & 0xFF)
        .arg((version >> 16) & 0xFF)
        .arg((version >> 8) & 0xFF)
        .arg(version & 0xFF);
}

void TDudColumnGrid::RemoveCols(int32_t colIndex, int32_t count)
{
    TDudStringGrid::RemoveCols(colIndex, count);
    for (int32_t i = 0; i < count && colIndex < FColumnCollection->Count(); ++i)
        FColumnCollection->Delete(colIndex);
}

void TDudColumnGrid::InsertCols(int32_t colIndex, int32_t count)
{
    TDudStringGrid::InsertCols(colIndex, count);
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int32_t i = 0; i < count; ++i)
        FColumnCollection->Insert(std::min(colIndex, FColumnCollection->Count()));
    FColumnCollection->SetNoRecursiveUpdate(false);
}

void TDudColumnGrid::GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font)
{
    if (const TGridColumnItem* item = ItemOf(aCol); item && (IsDataCell(aCol, aRow) || aRow < FixedRows())) {
        if (item->Fixed())
            brush.SetColor(FixedColor());
        else if (aRow >= FixedRows() && !(item->ShowBands() && Bands().Active()))
            brush.SetColor(item->Color());
        font.Assign(aRow < FixedRows() ? item->HeaderFont() : item->Font());
    }
    TDudStringGrid::GetCellColor(aCol, aRow, state, brush, font);
}

void TDudColumnGrid::GetCellBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders)
{
    if (InEditableArea(aCol, aRow)) {
        borders = ItemOf(aCol)->Borders();
        pen.Assign(ItemOf(aCol)->BorderPen());
    }
    TDudStringGrid::GetCellBorder(aCol, aRow, pen, borders);
}

void TDudColumnGrid::GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders)
{
    if (InEditableArea(aCol, aRow) && ItemOf(aCol)->PrintBorderCustom()) {
        borders = ItemOf(aCol)->PrintBorders();
        pen.Assign(ItemOf(aCol)->PrintBorderPen());
    }
    TDudStringGrid::GetCellPrintBorder(aCol, aRow, pen, borders);
}

void TDudColumnGrid::GetCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign)
{
    if (const TGridColumnItem* item = ItemOf(aCol)) {
        const TCellProperties* props = GetGridObject(aCol, aRow);
        hAlign = props ? props->Alignment() : aRow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    }
    TDudStringGrid::GetCellAlignment(aCol, aRow, hAlign, vAlign);
}

void TDudColumnGrid::GetSortFormat(int32_t aCol, TSortStyle& style, String& prefix, String& suffix)
{
    if (const TGridColumnItem* item = ItemOf(aCol)) {
        style = item->SortStyle();
        prefix = item->SortPrefix();
        suffix = item->SortSuffix();
    }
    TDudStringGrid::GetSortFormat(aCol, style, prefix, suffix);
}

void TDudColumnGrid::GetCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor)
{
    if (InEditableArea(aCol, aRow)) {
        const TGridColumnItem* item = ItemOf(aCol);
        editor = item->Editor();
        // One combo serves every combo column, so each column hands it its
        // own choices before it opens.
        EditCombo->Items().Assign(item->ComboItems());
        EditCombo->SetDropDownCount(item->DropDownCount());
        TGridSpin* spin = SpinEdit();
        spin->SetMinValue(item->SpinMin());
        spin->SetMaxValue(item->SpinMax());
        spin->SetIncrement(item->SpinStep());
        SetEditLink(item->EditLink());
        ControlLook().SetDropDownCount(item->DropDownCount());
    }
    TDudStringGrid::GetCellEditorType(aCol, aRow, editor);
}

void TDudColumnGrid::IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed)
{
    const int32_t realCol = RealColIndex(aCol);
    if (realCol < FColumnCollection->Count() && aCol >= FixedCols() && aRow >= FixedRows())
        isFixed = ItemOf(realCol)->Fixed();
    TDudStringGrid::IsFixedCell(aCol, aRow, isFixed);
}

void TDudColumnGrid::CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit)
{
    if ((ComponentState() & csLoading) != 0)
        return;
    canEdit = InEditableArea(aCol, aRow) && !ItemOf(aCol)->ReadOnly() && !ItemOf(aCol)->Fixed();
    const TPoint base = BaseCell(aCol, aRow);
    if (canEdit)
        if (const TCellProperties* props = GetGridObject(base.X, base.Y))
            canEdit = !props->ReadOnly();
    if (OnCanEditCell)
        OnCanEditCell(this, base.Y, base.X, canEdit);
}

void TDudColumnGrid::IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword)
{
    if (const TGridColumnItem* item = ItemOf(aCol))
        isPassword = item->Password();
    TDudStringGrid::IsPasswordCell(aCol, aRow, isPassword);
}

bool TDudColumnGrid::HasComboBox(int32_t aCol, int32_t aRow)
{
    bool has = InEditableArea(aCol, aRow)
        && (ItemOf(aCol)->Editor() == edComboEdit || ItemOf(aCol)->Editor() == edComboList);
    if (OnHasComboBox)
        OnHasComboBox(this, aCol, aRow, has);
    return has;
}

void TDudColumnGrid::GetCheckTrue(int32_t aCol, int32_t aRow, String& value)
{
    TDudStringGrid::GetCheckTrue(aCol, aRow, value);
    if (IsDataCell(aCol, aRow))
        value = ItemOf(aCol)->CheckTrue();
}

void TDudColumnGrid::GetCheckFalse(int32_t aCol, int32_t aRow, String& value)
{
    TDudStringGrid::GetCheckFalse(aCol, aRow, value);
    if (IsDataCell(aCol, aRow))
        value = ItemOf(aCol)->CheckFalse();
}

String TDudColumnGrid::GetFloatFormat(int32_t aCol, int32_t aRow)
{
    if (const TGridColumnItem* item = ItemOf(aCol); item && !item->FloatFormat().isEmpty())
        return item->FloatFormat();
    return TDudStringGrid::GetFloatFormat(aCol, aRow);
}

bool TDudColumnGrid::ShowsVirtualCheck(int32_t aCol, int32_t aRow, const TCellGraphic* ownGraphic)
{
    return !ownGraphic && !GetGraphicObjectEx(aCol, aRow) && IsDataCell(aCol, aRow)
        && ItemOf(aCol)->Editor() == edDataCheckBox;
}

// A check-box column's cell without a graphic of its own is a data check
// box, although it is drawn through the shared virtual one.
TCellType TDudColumnGrid::GetCellType(int32_t aCol, int32_t aRow)
{
    if (ShowsVirtualCheck(aCol, aRow, TDudStringGrid::GetCellGraphic(aCol, aRow)))
        return ctDataCheckBox;
    return TDudStringGrid::GetCellType(aCol, aRow);
}

TCellGraphic* TDudColumnGrid::GetCellGraphic(int32_t aCol, int32_t aRow)
{
    TCellGraphic* graphic = TDudStringGrid::GetCellGraphic(aCol, aRow);
    if (!ShowsVirtualCheck(aCol, aRow, graphic))
        return graphic;
    FVirtCheckGraphic->SetCellType(ctVirtCheckBox);
    FVirtCheckGraphic->SetCellTransparent(ControlLook().ControlStyle() == TControlLook::csFlat);
    return FVirtCheckGraphic.get();
}

namespace {

void ClampToColumnSize(int32_t& width, int32_t minSize, int32_t maxSize)
{
    if (minSize > 0 && width < minSize)
        width = minSize;
    if (maxSize > 0 && width > maxSize)
        width = maxSize;
}

} // namespace

void TDudColumnGrid::DoUpdateColumnSize(int32_t aCol, int32_t& width)
{
    if (const TGridColumnItem* item = ItemOf(aCol))
        ClampToColumnSize(width, item->MinSize(), item->MaxSize());
    TDudStringGrid::DoUpdateColumnSize(aCol, width);
}

void TDudColumnGrid::DoUpdateAutoColumnSize(int32_t aCol, int32_t& width)
{
    if (const TGridColumnItem* item = ItemOf(aCol))
        ClampToColumnSize(width, item->AutoMinSize(), item->AutoMaxSize());
    TDudStringGrid::DoUpdateAutoColumnSize(aCol, width);
}

void TDudColumnGrid::Notification(TComponent* component, TOperation operation)
{
    TDudStringGrid::Notification(component, operation);
    if (operation != opRemove || !FColumnCollection)
        return;
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->FColumnPopup && item->FColumnPopup == dynamic_cast<TPopupMenu*>(component))
            item->FColumnPopup = nullptr;
        if (item->FEditLink && item->FEditLink == component)
            item->FEditLink = nullptr;
    }
}

// Hidden columns' items scale too: they show again at the grid's new scale.
void TDudColumnGrid::ChangeScale(int32_t m, int32_t d)
{
    TDudStringGrid::ChangeScale(m, d);
    if (m == d || d == 0)
        return;
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        item->Font().SetSize(MulDiv(item->Font().Size(), m, d));
        item->HeaderFont().SetSize(MulDiv(item->HeaderFont().Size(), m, d));
    }
    Invalidate();
}

void TDudColumnGrid::GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
    TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
    TCellGradientDirection& gradientDirection)
{
    const TGridColumnItem* item = ItemOf(aCol);
    if (!item) {
        TDudStringGrid::GetDefaultCellProps(aCol, aRow, font, brush, colorTo, mirrorColor, mirrorColorTo, alignment,
            vAlignment, wordWrap, gradientDirection);
        return;
    }
    font.Assign(item->Font());
    brush.SetColor(item->Color());
    colorTo = clNone;
    mirrorColor = clNone;
    mirrorColorTo = clNone;
    alignment = aRow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    vAlignment = VAlignment();
    wordWrap = WordWrap();
    gradientDirection = GradientVertical;
    // Stored colours would hide the fixed and band looks painted under them.
    if (IsFixed(aCol, aRow) || (Bands().Active() && item->ShowBands())) {
        brush.SetColor(clNone);
        colorTo = clNone;
    }
}

String TDudColumnGrid::GetFormattedCell(int32_t aCol, int32_t aRow)
{
    const TGridColumnItem* item = ItemOf(aCol);
    if (!item)
        return TDudStringGrid::GetFormattedCell(aCol, aRow);
    String floatFormat = item->FloatFormat();
    const String text = Cells(aCol, aRow);
    const int32_t kind = ClassifyNumberText(text);
    bool isFloat = kind == ntInteger || kind == ntDecimal;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, aCol, aRow, isFloat, floatFormat);
    if (floatFormat.isEmpty() || !isFloat)
        return text;
    // A format the value cannot fill shows the text as it is.
    try {
        return Format(floatFormat, { GetFloats(aCol, aRow) });
    } catch (const Exception&) {
        return text;
    }
}

void TDudColumnGrid::GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font)
{
    if (const TGridColumnItem* item = ItemOf(aCol)) {
        if (!IsDataCell(aCol, aRow)) {
            font.Assign(PrintSettings().FixedFont());
        } else {
            if (item->Fixed())
                brush.SetColor(FixedColor());
            else if (!(item->ShowBands() && Bands().Active() && Bands().Print()))
                brush.SetColor(item->PrintColor());
            const TCellProperties* props = GetGridObject(aCol, aRow);
            if (props && props->BrushColor() != clNone)
                brush.SetColor(props->BrushColor());
            if (!item->PrintFontCustom()) {
                font.Assign(PrintSettings().Font());
            } else {
                font.Assign(item->PrintFont());
                if (props)
                    ApplyCellFont(*props, font);
            }
        }
    }
    TDudStringGrid::GetCellPrintColor(aCol, aRow, state, brush, font);
}

void TDudColumnGrid::ColWidthsChanged()
{
    TDudStringGrid::ColWidthsChanged();
    if ((ComponentState() & (csLoading | csDestroying)) != 0 || !FColumnCollection)
        return;
    for (int32_t column = 0; column < ColCount(); ++column)
        if (TGridColumnItem* item = ItemOf(RealColIndex(column)))
            item->FWidth = ColWidths(column);
}

int32_t TDudColumnGrid::GetEditLimit()
{
    if (Col() < FColumnCollection->Count() && Col() >= FixedCols())
        if (const TGridColumnItem* item = ItemOf(RealColIndex(Col())))
            return item->EditLength();
    return TDudStringGrid::GetEditLimit();
}

String TDudColumnGrid::GetEditMask(int32_t aCol, int32_t aRow)
{
    String mask;
    if (aCol < FColumnCollection->Count() && aCol >= FixedCols())
        if (const TGridColumnItem* item = ItemOf(RealColIndex(aCol)))
            mask = item->EditMask();
    const String own = TDudStringGrid::GetEditMask(aCol, aRow);
    return own.isEmpty() ? mask : own;
}
