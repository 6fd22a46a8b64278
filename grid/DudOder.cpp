#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_FocusFrame.h"
#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/DudOder_SearchPanel.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/DudStyleIF.h"
#include "grid/base/VidEri.h"
#include "platform/graphics/Color.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"

TDudStringGrid::TDudStringGrid(TComponent* owner)
    : TBaseGrid(owner),
      FPrintSettings(std::make_unique<TPrintSettings>(this)),
      FHTMLSettings(std::make_unique<THTMLSettings>()),
      FColumnSize(std::make_unique<TColumnSize>(this)),
      FCellNode(std::make_unique<TCellNode>(this)),
      FSizeWhileTyping(std::make_unique<TSizeWhileTyping>()),
      FNavigation(std::make_unique<TNavigation>()),
      FMouseActions(std::make_unique<TMouseActions>()),
      FBands(std::make_unique<TBands>()),
      FSearchFooter(std::make_unique<TSearchFooter>(false)),
      FSyncGrid(std::make_unique<TSyncGrid>(this)),
      FFocusHelper(std::make_unique<TFocusHelper>()),
      FFilter(std::make_unique<TFilter>(this)),
      FSortSettings(std::make_unique<TSortSettings>(this)),
      FControlLook(std::make_unique<TControlLook>(this)),
      FFloatingFooter(std::make_unique<TFloatingFooter>(this)),
      FGrouping(std::make_unique<TGrouping>()),
      FBalloonSettings(std::make_unique<TBalloonSettings>()),
      FShowModified(std::make_unique<TShowModified>()),
      FBackGround(std::make_unique<TBackGround>(this)),
      FFilterDropDown(std::make_unique<TFilterDropDown>()),
      FDragDropSettings(std::make_unique<TDragDropSettings>(this)),
      FDragScrollOptions(std::make_unique<TDragScrollOptions>()),
      FProgressAppearance(std::make_unique<TGridProgressAppearance>()),
      FGridItems(std::make_unique<TCollection>(TCollection::ItemClass<TGridItem>())),
      FSortIndexes(std::make_unique<TSortIndexList>(-1, -1)),
      FSortRowXRef(std::make_unique<TIntList>(-1, -1)),
      FUnSortRowXRef(std::make_unique<TIntList>(-1, -1)),
      FMergedColumns(std::make_unique<TIntList>(-1, -1)),
      FSelectedCells(std::make_unique<TIntList>(-1, -1)),
      FSelectedRows(std::make_unique<TIntList>(-1, -1)),
      FModifiedRows(std::make_unique<TIntList>(-1, -1)),
      FEnabledRows(std::make_unique<TIntList>(-1, -1)),
      FOrigColSizes(std::make_unique<TIntList>(-1, -1)),
      FColumnOrder(std::make_unique<TIntList>(-1, -1)),
      FIgnoreColumns(std::make_unique<TIntList>(-1, -1)),
      FControlList(std::make_unique<TControlList>()),
      FColumnHeaders(std::make_unique<TStringList>()),
      FRowHeaders(std::make_unique<TStringList>()),
      FLookupItems(std::make_unique<TStringList>()),
      Sortlist(std::make_unique<TStringList>()),
      FFilterList(std::make_unique<TStringList>()),
      FFixedFont(std::make_unique<TFont>()),
      FActiveCellFont(std::make_unique<TFont>()),
      cf(std::make_unique<TFont>()),
      FRowIndicator(std::make_unique<TBitmap>()),
      FCellGraphic(std::make_unique<TCellGraphic>())
{
    FVisibleCol.fill(true);
    FVUVGradTo = ColorToRGB(clBtnFace);

    FNavigation->OnChange = [this](TNavigation*) { NavigationChanged(); };
    FMouseActions->OnChange = [this](TMouseActions*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TMouseActions*) { return IsDesigning(); };
    FMouseActions->OnInvalidate = [this](TMouseActions*) { InvalidateGrid(); };
    FMouseActions->OnDisableEdit = [this](TMouseActions*) { DisableEditing(); };
    FBands->OnChange = [this](TBands*) { Invalidate(); };
    FSearchFooter->OnChange = [this](TSearchFooter*) { UpdateSearchPanel(); };
    FColumnHeaders->OnChange = [this](TStringList*) { ColumnHeadersChanged(); };
    FRowHeaders->OnChange = [this](TStringList*) { RowHeadersChanged(); };
    FMergedColumns->OnChange = [this](TIntList*, int32_t, int32_t) { MergedColumnsChanged(); };
    FShowModified->OnChange = [this](TShowModified*) { RepaintCol(0); };
    FFilterDropDown->OnChange = [this](TFilterDropDown*) { Invalidate(); };
    FProgressAppearance->OnChange = [this](TGridProgressAppearance*) { Invalidate(); };
    FFooterPanel = new TFooterPanel(this);
    FFloatingFooter->SetFooterPanel(FFooterPanel);
    FSearchPanel = new TSearchPanel(this);
    ConnectSearchPanel();
    for (TControl* panel : { static_cast<TControl*>(FFooterPanel), static_cast<TControl*>(FSearchPanel) }) {
        panel->SetAlign(alBottom);
        panel->SetHeight(0);
    }
    EditCombo = new TGridCombo(this);
    EditCombo->SetParent(this);
    EditCombo->SetVisible(false);
    EditCombo->SetEnabled(false);
    CreateCellControls();
    FFilterList->SetDuplicates(dupIgnore);
    FFilterList->SetSorted(true);

    FFixedFont->SetName(QStringLiteral("Tahoma"));
    FFixedFont->SetStyle({ fsBold });
    FFixedFont->OnChange = [this](TFont*) { Invalidate(); };
    FActiveCellFont->SetStyle({ fsBold });
    FActiveCellFont->OnChange = [this](TFont*) { Invalidate(); };
    FSyncGrid->OnGridChange = [this](TDudStringGrid* old, TDudStringGrid* value) { SyncGridChanged(old, value); };

    SetScrollBars(ssBoth);
    // Drags held at the edges scroll the grid (DragScrollOptions).
    SetHearsDrags(true);
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();

    if (auto* form = dynamic_cast<TForm*>(owner); form && !IsDesigning()) {
        FOnResize = form->OnResize;
        ResizeAssigned = static_cast<bool>(FOnResize);
        form->OnResize = [this](TComponent* sender) { FormResize(sender); };
        PrevSizeX = form->Width();
        PrevSizeY = form->Height();
    }
}

TDudStringGrid::~TDudStringGrid()
{
    FreeScrollControls();
    // A form going away takes its handlers along; one that stays gets its own back.
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && (form->ComponentState() & csDestroying) == 0 && !IsDesigning())
        form->OnResize = FOnResize;
    if (FColumnSize->Save())
        Guarded([this] { SaveColSizes(); });
    if (FocusFrameGrid == this)
        FocusFrameGrid = nullptr;
    FClearTextOnly = false;
    FSaveHiddenCells = false;
    UnHideColumnsAll();
    DiscardStoredRows();
}

void TDudStringGrid::SetFilter(const TFilter& value) { FFilter->Assign(value); }
void TDudStringGrid::SetSortSettings(const TSortSettings& value) { FSortSettings->Assign(value); }
void TDudStringGrid::SetControlLook(const TControlLook& value) { FControlLook->Assign(value); }
void TDudStringGrid::SetFloatingFooter(const TFloatingFooter& value) { FFloatingFooter->Assign(value); }
void TDudStringGrid::SetGrouping(const TGrouping& value) { FGrouping->Assign(value); }
void TDudStringGrid::SetBalloon(const TBalloonSettings& value) { FBalloonSettings->Assign(value); }
void TDudStringGrid::SetShowModified(const TShowModified& value) { FShowModified->Assign(value); }
void TDudStringGrid::SetBackGround(const TBackGround& value) { FBackGround->Assign(value); }

String TDudStringGrid::GetEditMask(int32_t aCol, int32_t aRow)
{
    String mask = FEditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, aCol, aRow, mask);
    return mask;
}

void TDudStringGrid::SetXYOffset(TPoint value)
{
    FXYOffset = value;
    Invalidate();
}

void TDudStringGrid::SetArrowColor(TColor value)
{
    FArrowColor = value;
    for (TArrowWindow* arrow : { ArwU, ArwD, ArwL, ArwR })
        if (arrow)
            arrow->SetColor(value);
}
void TDudStringGrid::SetFilterDropDown(const TFilterDropDown& value) { FFilterDropDown->Assign(value); }
void TDudStringGrid::SetDragDropSettings(const TDragDropSettings& value) { FDragDropSettings->Assign(value); }
void TDudStringGrid::SetDragScrollOptions(const TDragScrollOptions& value) { FDragScrollOptions->Assign(value); }
void TDudStringGrid::SetProgressAppearance(const TGridProgressAppearance& value) { FProgressAppearance->Assign(value); }

bool TDudStringGrid::FloatingFooterVisible() const
{
    return FFloatingFooter->Visible();
}

bool TDudStringGrid::ControlLookDropDownAlwaysVisible() const
{
    return FControlLook->DropDownAlwaysVisible();
}

bool TDudStringGrid::ControlLookSpinButtonsAlwaysVisible() const
{
    return FControlLook->SpinButtonsAlwaysVisible();
}

bool TDudStringGrid::BackGroundIsGradient() const
{
    return FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert;
}

String TDudStringGrid::GetVersionString() const
{
    const auto version = static_cast<uint32_t>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version >> 24)
        .arg((version >> 16) & 0xFF)
        .arg((version >> 8) & 0xFF)
        .arg(version & 0xFF);
}

void TDudStringGrid::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TDudStringGrid*>(&source);
    if (!other)
        return;
    SetFont(other->Font());
    FActiveCellColor = other->FActiveCellColor;
    FActiveCellColorTo = other->FActiveCellColorTo;
    FActiveCellFont->Assign(*other->FActiveCellFont);
    FActiveCellShow = other->FActiveCellShow;
    SetActiveRowShow(other->ActiveRowShow());
    SetAlign(other->Align());
    FFilterDropDown->Assign(*other->FFilterDropDown);
    FAnchorHint = other->FAnchorHint;
    FAutoNumAlign = other->FAutoNumAlign;
    FAutoSize = other->FAutoSize;
    FAutoThemeAdapt = other->FAutoThemeAdapt;
    FAutoFilterUpdate = other->FAutoFilterUpdate;
    FMouseActions->Assign(*other->FMouseActions);
    FNavigation->Assign(*other->FNavigation);
    FGrouping->Assign(*other->FGrouping);
    FSearchFooter->Assign(*other->FSearchFooter);
    FPrintSettings->Assign(*other->FPrintSettings);
    FFilter->Assign(*other->FFilter);
    FHTMLSettings->Assign(*other->FHTMLSettings);
    FBands->Assign(*other->FBands);
    FCellNode->Assign(*other->FCellNode);
    FSortSettings->Assign(*other->FSortSettings);
    FDragScrollOptions->Assign(*other->FDragScrollOptions);
    FDragDropSettings->Assign(*other->FDragDropSettings);
    FProgressAppearance->Assign(*other->FProgressAppearance);
    FColumnSize->Assign(*other->FColumnSize);
    FSyncGrid->Assign(*other->FSyncGrid);
    FFocusHelper->Assign(*other->FFocusHelper);
    FFixedRowAlways = other->FFixedRowAlways;
    SetColCount(other->ColCount());
    SetRowCount(other->RowCount());
    SetFixedRows(other->FixedRows());
    SetFixedCols(other->FixedCols());
    SetDefaultColWidth(other->DefaultColWidth());
    SetDefaultRowHeight(other->DefaultRowHeight());
    SetFixedRowHeight(other->FixedRowHeight());
    SetFixedColWidth(other->FixedColWidth());
    FInvalidEntryTitle = other->FInvalidEntryTitle;
    FInvalidEntryIcon = other->FInvalidEntryIcon;
    FInvalidEntryText = other->FInvalidEntryText;
    SetOptions(other->Options());
    for (int32_t column = 0; column < ColCount(); ++column)
        SetColWidths(column, other->ColWidths(column));
    FColumnHeaders->Assign(*other->FColumnHeaders);
    for (int32_t row = 0; row < RowCount(); ++row)
        SetRowHeights(row, other->RowHeights(row));
    FScrollProportional = other->FScrollProportional;
    FScrollSynch = other->FScrollSynch;
    FScrollHints = other->FScrollHints;
    FScrollBarAlways = other->FScrollBarAlways;
    SetScrollBars(other->ScrollBars());
    SetScrollColor(other->FScrollColor);
    SetScrollType(other->FScrollType);
    SetScrollWidth(other->FScrollWidth);
    AssignCells(source);
}

void TDudStringGrid::AssignCells(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TDudStringGrid*>(&source);
    if (!other)
        return;
    const int32_t columns = other->AllColCount();
    if (AllColCount() < columns)
        SetColCount(columns - FNumHidden);
    SetRowCount(other->RowCount());
    for (int32_t row = 0; row < other->RowCount(); ++row)
        for (int32_t column = 0; column < columns; ++column)
            SetGridCell(column, row, other->GetGridCell(column, row));
}

void TDudStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    ShowColumnHeaders();
    // A stored VUV look is applied for real, with its colours.
    if (FLook == glVUV) {
        FLook = glCustom;
        SetLook(glVUV);
    }
    ShowRowHeaders();
    if (FAutoSize)
        AutoSizeColumns(false, 4);
    if (FColumnSize->Save())
        Guarded([this] { LoadColSizes(); });
    FFixedRowsMin = TBaseGrid::FixedRows();
    FFixedColsMin = TBaseGrid::FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() - TGridOptions { goAlwaysShowEditor });
    }
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    // Settings read while loading reach the search panel only now.
    UpdateSearchPanel();
    ApplyScrollBarAlways(false);
    if (FAutoThemeAdapt && !IsDesigning()) {
        AdaptToOfficeTheme();
        GetThemeNotifier(this)->RegisterWindow(this);
    }
    InitOrigColSizes();
    SetColumnOrder();
    OleDropTargetLoaded();
}

void TDudStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!IsLoading() && FloatingFooterVisible())
        FFloatingFooter->Invalidate();
}

void TDudStringGrid::Resize()
{
    if (SizeColumnsWithGrid())
        return;
    TBaseGrid::Resize();
    if (OnResize)
        OnResize(this);
    if (BackGroundIsGradient() && FBackGround->ColorTo() != clNone)
        Invalidate();
    // Proportional thumbs follow the new size.
    UpdateProportionalScrollBars();
    SizeFlatScrollBars();
    ApplyScrollBarAlways(false);
    CellControlsUpdate(false);
}

void TDudStringGrid::FormResize(TComponent* sender)
{
    if (IsDesigning() || (ComponentState() & csDestroying) != 0)
        return;
    if (const auto* form = dynamic_cast<const TForm*>(sender); form && FSizeWithForm) {
        const int32_t width = form->Width() + Width() - PrevSizeX;
        const int32_t height = form->Height() + Height() - PrevSizeY;
        if (width > 0 && height > 0) {
            SetWidth(width);
            SetHeight(height);
            PrevSizeX = form->Width();
            PrevSizeY = form->Height();
        }
    }
    // The form's own handler reports its own failures.
    if (FOnResize)
        FOnResize(sender);
    ApplyColumnStretch(FColumnSize->StretchColumn());
}

void TDudStringGrid::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int32_t scrollBar = ColCount() > VisibleColCount() + FixedCols() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int32_t border = BorderStyle() == bsSingle ? 2 : 0;
        height = height - ((height - scrollBar - border) % DefaultRowHeight()) + border;
    }
    TBaseGrid::SetBounds(left, top, width, height);
}

void TDudStringGrid::ApplyScrollBarAlways(bool hideUnneeded)
{
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (FScrollBarAlways != saNone) {
        if (rowsFit)
            ShowScrollBar(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
        if (colsFit)
            ShowScrollBar(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
        // A bar kept only because it is always wanted has nothing to scroll.
        if (ScrollBarVisible(SB_VERT))
            EnableScrollBar(SB_VERT, rowsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        if (ScrollBarVisible(SB_HORZ))
            EnableScrollBar(SB_HORZ, colsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        return;
    }
    if (!hideUnneeded)
        return;
    if (rowsFit)
        ShowScrollBar(SB_VERT, false);
    if (colsFit)
        ShowScrollBar(SB_HORZ, false);
}

void TDudStringGrid::DisableEditing()
{
    SetOptions(Options() - TGridOptions { goEditing });
}

TRect TDudStringGrid::UsedCells() const
{
    TRect used { ColCount(), RowCount(), 0, 0 };
    for (int32_t row = 0; row < RowCount(); ++row) {
        for (int32_t column = 0; column < ColCount(); ++column) {
            if (GetCellEx(column, row).isEmpty())
                continue;
            used.Left = std::min(used.Left, column);
            used.Top = std::min(used.Top, row);
            used.Right = std::max(used.Right, column);
            used.Bottom = std::max(used.Bottom, row);
        }
    }
    if (used.Left > used.Right)
        return TRect { 0, 0, 0, 0 };
    return used;
}
