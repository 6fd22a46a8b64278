#include "grid/base/BaseGrid.h"

#include "grid/base/RovIvir.h"

#include <algorithm>
#include <utility>

namespace {

void CheckInRows(int32_t aCol, int32_t aRow, int32_t rowCount)
{
    if (aCol < 0 || aRow < 0 || aRow >= rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

TRect UnionRect(const TRect& a, const TRect& b)
{
    return Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
        std::max(a.Bottom, b.Bottom));
}

} // namespace

TBaseGrid::TBaseGrid(TComponent* owner) : TObjStringGrid(owner)
{
    TCustomGrid::SetDefaultDrawing(false);
    TCustomGrid::SetGridLineWidth(0);
}

TBaseGrid::~TBaseGrid()
{
    Destroying();
    FreeAllCellProps();
}

void TBaseGrid::Notification(TComponent* component, TOperation operation)
{
    TObjStringGrid::Notification(component, operation);
    if (operation == opRemove && component == FUndoRedo)
        FUndoRedo = nullptr;
}

// ---- looks

void TBaseGrid::SetGridLineWidth(int32_t width)
{
    FGridLineWidth = width;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor color)
{
    FGridLineColor = color;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor color)
{
    FGridFixedLineColor = color;
    Invalidate();
}

namespace {

template <typename TValue>
bool Change(TValue& field, TValue value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TBaseGrid::SetActiveRowShow(bool show)
{
    if (Change(FActiveRowShow, show))
        Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor color)
{
    if (Change(FActiveRowColor, color))
        Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor color)
{
    if (Change(FActiveRowColorTo, color))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor color)
{
    if (Change(FActiveRowMirrorColor, color))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor color)
{
    if (Change(FActiveRowMirrorColorTo, color))
        Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle style)
{
    if (Change(FSelectionStyle, style))
        Invalidate();
}

void TBaseGrid::SetUndoRedo(TDudOderUndoRedo* undoRedo)
{
    if (undoRedo == FUndoRedo)
        return;
    TDudOderUndoRedo* previous = std::exchange(FUndoRedo, undoRedo);
    // The link between the two is shared: it goes only when neither still names the other.
    if (previous) {
        if (previous->Grid() == this)
            previous->SetGrid(nullptr);
        else
            previous->RemoveFreeNotification(this);
    }
    if (FUndoRedo) {
        FUndoRedo->FreeNotification(this);
        FUndoRedo->SetGrid(this);
    }
}

// ---- the store

String TBaseGrid::GetGridCell(int32_t aCol, int32_t aRow) const
{
    if (aRow < RowCount())
        return TObjStringGrid::Cells(aCol, aRow);
    const auto row = FRowsBeyond.find(aRow);
    if (row == FRowsBeyond.end() || aCol < 0 || static_cast<size_t>(aCol) >= row->second.size())
        return {};
    return row->second[static_cast<size_t>(aCol)];
}

void TBaseGrid::SetGridCell(int32_t aCol, int32_t aRow, const String& value)
{
    if (aRow < RowCount()) {
        TObjStringGrid::SetCells(aCol, aRow, value);
        return;
    }
    if (aCol < 0)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    auto row = FRowsBeyond.find(aRow);
    if (row == FRowsBeyond.end()) {
        // Editors clear more rows than the grid shows: nothing to keep.
        if (value.isEmpty())
            return;
        row = FRowsBeyond.emplace(aRow, std::vector<String>()).first;
    }
    std::vector<String>& texts = row->second;
    if (static_cast<size_t>(aCol) >= texts.size()) {
        if (value.isEmpty())
            return;
        texts.resize(static_cast<size_t>(aCol) + 1);
    }
    texts[static_cast<size_t>(aCol)] = value;
}

TCellProperties* TBaseGrid::GetGridObject(int32_t aCol, int32_t aRow) const
{
    return static_cast<TCellProperties*>(TObjStringGrid::Objects(aCol, aRow));
}

void TBaseGrid::SetGridObject(int32_t aCol, int32_t aRow, std::unique_ptr<TCellProperties> props)
{
    if (!props) {
        FreeCellProps(aCol, aRow);
        return;
    }
    CheckInRows(aCol, aRow, RowCount());
    std::unique_ptr<TCellProperties> previous(GetGridObject(aCol, aRow));
    TObjStringGrid::SetObjects(aCol, aRow, props.release());
    FPropsColEnd = std::max(FPropsColEnd, aCol + 1);
}

std::unique_ptr<TCellProperties> TBaseGrid::ExtractGridObject(int32_t aCol, int32_t aRow)
{
    std::unique_ptr<TCellProperties> props(GetGridObject(aCol, aRow));
    if (props)
        TObjStringGrid::SetObjects(aCol, aRow, nullptr);
    return props;
}

bool TBaseGrid::HasCellProps(int32_t aCol, int32_t aRow) const { return PropsOf(aCol, aRow) != nullptr; }

TCellProperties* TBaseGrid::PropsOf(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aCol >= TotalColCount() || aRow < 0 || aRow >= RowCount())
        return nullptr;
    return GetGridObject(aCol, aRow);
}

void TBaseGrid::SizeChanged(int32_t oldColCount, int32_t oldRowCount)
{
    // A decrease empties the rows cut off, properties included, so that
    // growing the grid again shows empty rows; the platform grid drops their
    // texts and slots next.
    if (RowCount() < oldRowCount)
        FreePropsOfRows(RowCount(), oldRowCount);
    TObjStringGrid::SizeChanged(oldColCount, oldRowCount);
    if (RowCount() < oldRowCount) {
        FRowsBeyond.erase(FRowsBeyond.lower_bound(RowCount()), FRowsBeyond.end());
        return;
    }
    const auto end = FRowsBeyond.lower_bound(RowCount());
    for (auto row = FRowsBeyond.begin(); row != end; ++row) {
        for (size_t col = 0; col < row->second.size(); ++col) {
            if (!row->second[col].isEmpty())
                TObjStringGrid::SetCells(static_cast<int32_t>(col), row->first, row->second[col]);
        }
    }
    FRowsBeyond.erase(FRowsBeyond.begin(), end);
}

void TBaseGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    const auto last = static_cast<size_t>(std::max(fromIndex, toIndex));
    for (auto& [row, texts] : FRowsBeyond) {
        if (static_cast<size_t>(std::min(fromIndex, toIndex)) >= texts.size())
            continue;
        if (texts.size() <= last)
            texts.resize(last + 1);
        const auto first = texts.begin();
        if (fromIndex < toIndex)
            std::rotate(first + fromIndex, first + fromIndex + 1, first + toIndex + 1);
        else
            std::rotate(first + toIndex, first + fromIndex, first + fromIndex + 1);
    }
    TObjStringGrid::ColumnMoved(fromIndex, toIndex);
}

void TBaseGrid::FreePropsOfRows(int32_t fromRow, int32_t toRow)
{
    if (!FHasCellProps)
        return;
    // The rows are already outside RowCount, so their slots cannot be
    // written; the platform grid drops them right after.
    const int32_t colEnd = std::max(FPropsColEnd, TotalColCount());
    for (int32_t row = fromRow; row < toRow; ++row) {
        for (int32_t col = 0; col < colEnd; ++col)
            std::unique_ptr<TCellProperties>(GetGridObject(col, row)).reset();
    }
}

// ---- texts

String TBaseGrid::GetCellEx(int32_t aCol, int32_t aRow) const
{
    int32_t col = aCol;
    int32_t row = aRow;
    if (const TCellProperties* props = PropsOf(aCol, aRow)) {
        const TPoint base = props->GetBaseCell(aCol, aRow);
        col = base.X;
        row = base.Y;
    }
    String value = GetGridCell(col, row);
    if (row < FNormalRowCount) {
        GetDisplText(col, row, value);
        if (OnGetDisplWideText) {
            String wide = DecodeWideCellText(value);
            GetDisplWideText(col, row, wide);
            value = EncodeWideCellText(wide);
        }
    }
    return value;
}

void TBaseGrid::SetCellEx(int32_t aCol, int32_t aRow, const String& value)
{
    if (const TCellProperties* props = PropsOf(aCol, aRow)) {
        const TPoint base = props->GetBaseCell(aCol, aRow);
        SetGridCell(base.X, base.Y, value);
        CellTextChanged(base.X, base.Y);
        if (Parent())
            RepaintCell(aCol, aRow);
    } else {
        SetGridCell(aCol, aRow, value);
    }
    if (FHideLastRow && aRow == RowCount() - 1)
        LastRowChanged();
}

void TBaseGrid::GetDisplText(int32_t aCol, int32_t aRow, String& value) const
{
    if (OnGetDisplText)
        OnGetDisplText(const_cast<TBaseGrid*>(this), aCol, aRow, value);
}

void TBaseGrid::GetDisplWideText(int32_t aCol, int32_t aRow, String& value) const
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(const_cast<TBaseGrid*>(this), aCol, aRow, value);
}

void TBaseGrid::CellTextChanged(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
}

// ---- objects and properties

void* TBaseGrid::GetObjectEx(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int32_t aCol, int32_t aRow, void* object)
{
    if (!object && !GetGridObject(aCol, aRow))
        return;
    GetCellProperties(aCol, aRow)->SetCellObject(object);
}

TCellProperties* TBaseGrid::GetCellProperties(int32_t aCol, int32_t aRow)
{
    if (TCellProperties* props = GetGridObject(aCol, aRow))
        return props;
    CheckInRows(aCol, aRow, RowCount());
    auto created = std::make_unique<TCellProperties>(this, aCol, aRow);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment alignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection gradientDirection = GradientVertical;
    GetDefaultCellProps(aCol, aRow, font, brush, colorTo, mirrorColor, mirrorColorTo, alignment, vAlignment, wordWrap,
        gradientDirection);
    TCellProperties& props = *created;
    props.SetCalcType(acNONE);
    props.SetAlignment(alignment);
    props.SetVAlignment(vAlignment);
    props.SetWordWrap(wordWrap);
    props.SetFontName(font.Name());
    props.SetFontSize(font.Size());
    props.SetFontStyle(font.Style());
    props.SetFontColor(font.Color());
    props.SetBrushColor(brush.Color());
    props.SetBrushColorTo(colorTo);
    props.SetGradientDirection(gradientDirection);
    SetGridObject(aCol, aRow, std::move(created));
    return &props;
}

void TBaseGrid::GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
    TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
    TCellGradientDirection& gradientDirection)
{
    (void)aCol;
    (void)aRow;
    font.Assign(Font());
    brush.SetColor(Color());
    colorTo = clNone;
    mirrorColor = clNone;
    mirrorColorTo = clNone;
    alignment = taLeftJustify;
    vAlignment = vtaTop;
    wordWrap = FWordWrap;
    gradientDirection = GradientVertical;
}

void TBaseGrid::SetCellProperties(int32_t aCol, int32_t aRow, std::unique_ptr<TCellProperties> value)
{
    SetGridObject(aCol, aRow, std::move(value));
}

TPersistent* TBaseGrid::GetGraphicObjectEx(int32_t aCol, int32_t aRow) const
{
    return GraphicOfProps(GetGridObject(aCol, aRow));
}

void TBaseGrid::SetGraphicObjectEx(int32_t aCol, int32_t aRow, TPersistent* graphic)
{
    if (ComponentState() & csDestroying)
        return;
    GetCellProperties(aCol, aRow)->SetGraphicObject(graphic);
}

void TBaseGrid::SetGraphicObjectEx(int32_t aCol, int32_t aRow, std::unique_ptr<TPersistent> graphic)
{
    if (ComponentState() & csDestroying)
        return;
    GetCellProperties(aCol, aRow)->SetOwnedGraphicObject(std::move(graphic));
}

// A slot is never just emptied: whatever properties it still holds are the
// grid's and go with it. Callers that move properties elsewhere extract them
// first.
void TBaseGrid::ClearCell(int32_t aCol, int32_t aRow)
{
    SetCellEx(aCol, aRow, String());
    FreeCellProps(aCol, aRow);
}

void TBaseGrid::ClearColumnCells(int32_t aCol)
{
    for (int32_t row = 0; row < RowCount(); ++row) {
        FreeCellProps(aCol, row);
        SetCellEx(aCol, row, String());
    }
}

// Only the columns shown: cells kept past ColCount (hidden columns) stay,
// since callers clear rows while those columns are hidden.
void TBaseGrid::ClearRowCells(int32_t aRow)
{
    for (int32_t col = 0; col < ColCount(); ++col) {
        FreeCellProps(col, aRow);
        SetCellEx(col, aRow, String());
    }
}

void TBaseGrid::FreeCellProps(int32_t aCol, int32_t aRow) { ExtractGridObject(aCol, aRow).reset(); }

void TBaseGrid::FreeCellPropsInRect(int32_t col1, int32_t row1, int32_t col2, int32_t row2)
{
    if (!FHasCellProps)
        return;
    for (int32_t col = std::max(col1, 0); col <= col2; ++col) {
        for (int32_t row = std::max(row1, 0); row <= row2; ++row)
            FreeCellProps(col, row);
    }
}

void TBaseGrid::FreeAllCellProps()
{
    FreeCellPropsInRect(0, 0, std::max(FPropsColEnd, TotalColCount()) - 1, RowCount() - 1);
}

// ---- merges

void TBaseGrid::MergeCells(int32_t aCol, int32_t aRow, int32_t spanX, int32_t spanY)
{
    // Compared as remaining room: the end column or row of a huge span would
    // leave the integer range.
    if (spanX >= 1 && spanY >= 1
        && (aCol < 0 || aRow < 0 || spanX > TotalColCount() - aCol || spanY > RowCount() - aRow))
        throw EInvalidGridOperation(QStringLiteral("Merged cells out of grid range"));
    ++FMergeCount;
    for (int32_t col = aCol; col < aCol + spanX; ++col) {
        for (int32_t row = aRow; row < aRow + spanY; ++row) {
            TCellProperties* props = GetCellProperties(col, row);
            const bool isBase = col == aCol && row == aRow;
            props->SetIsBaseCell(isBase);
            props->SetCellSpanX(isBase ? spanX - 1 : col - aCol);
            props->SetCellSpanY(isBase ? spanY - 1 : row - aRow);
        }
    }
    for (int32_t col = aCol; col < aCol + spanX; ++col) {
        for (int32_t row = aRow; row < aRow + spanY; ++row)
            RepaintCell(col, row);
    }
}

void TBaseGrid::SplitCells(int32_t aCol, int32_t aRow)
{
    const TPoint base = GetCellProperties(aCol, aRow)->GetBaseCell(aCol, aRow);
    const TCellProperties* baseProps = GetGridObject(base.X, base.Y);
    const int32_t spanX = baseProps ? baseProps->CellSpanX() : -1;
    const int32_t spanY = baseProps ? baseProps->CellSpanY() : -1;
    // A merge cut off by a smaller grid is split as far as it still lies in it.
    const int32_t lastCol = std::min(base.X + spanX, TotalColCount() - 1);
    const int32_t lastRow = std::min(base.Y + spanY, RowCount() - 1);
    for (int32_t col = std::max(base.X, 0); col <= lastCol; ++col) {
        for (int32_t row = std::max(base.Y, 0); row <= lastRow; ++row) {
            TCellProperties* props = GetCellProperties(col, row);
            props->SetIsBaseCell(true);
            props->SetCellSpanX(-1);
            props->SetCellSpanY(-1);
        }
    }
    for (int32_t col = std::max(base.X, 0); col <= lastCol; ++col) {
        for (int32_t row = std::max(base.Y, 0); row <= lastRow; ++row)
            RepaintCell(col, row);
    }
    --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = PropsOf(aCol, aRow);
    return props ? props->GetBaseCell(aCol, aRow) : TPoint { aCol, aRow };
}

bool TBaseGrid::ResolveBaseCell(int32_t aCol, int32_t aRow, int32_t& baseCol, int32_t& baseRow) const
{
    const TPoint base = BaseCell(aCol, aRow);
    baseCol = base.X;
    baseRow = base.Y;
    return IsBaseCell(aCol, aRow);
}

bool TBaseGrid::IsBaseCell(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = PropsOf(aCol, aRow);
    return !props || props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = PropsOf(aCol, aRow);
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int32_t aCol, int32_t aRow) const
{
    return IsMergedCell(aCol, aRow) && !IsBaseCell(aCol, aRow);
}

bool TBaseGrid::IsXMergedCell(int32_t aCol, int32_t aRow) const
{
    return HasCellProps(aCol, aRow) && CellSpan(aCol, aRow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int32_t aCol, int32_t aRow) const
{
    return HasCellProps(aCol, aRow) && CellSpan(aCol, aRow).Y > 0;
}

TPoint TBaseGrid::CellSpan(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = PropsOf(aCol, aRow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return { 0, 0 };
    const TPoint base = props->GetBaseCell(aCol, aRow);
    const TCellProperties* baseProps = GetGridObject(base.X, base.Y);
    if (!baseProps)
        return { 0, 0 };
    return { baseProps->CellSpanX(), baseProps->CellSpanY() };
}

TPoint TBaseGrid::CellExt(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = PropsOf(aCol, aRow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return { 0, 0 };
    const TPoint base = props->GetBaseCell(aCol, aRow);
    const TPoint span = CellSpan(aCol, aRow);
    return { base.X + span.X - aCol, base.Y + span.Y - aRow };
}

TRect TBaseGrid::FullCell(int32_t aCol, int32_t aRow) const
{
    const TPoint base = BaseCell(aCol, aRow);
    const TPoint span = CellSpan(aCol, aRow);
    return Rect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
}

int32_t TBaseGrid::MinRowSpan(int32_t aRow) const
{
    int32_t result = RowCount();
    for (int32_t col = 0; col < ColCount(); ++col) {
        const int32_t span = CellSpan(col, aRow).Y;
        if (span > 0 && span < result)
            result = span;
    }
    return result;
}

int32_t TBaseGrid::MaxRowSpan(int32_t aRow) const
{
    int32_t result = 0;
    for (int32_t col = 0; col < ColCount(); ++col)
        result = std::max(result, CellSpan(col, aRow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int32_t row1, int32_t row2) const
{
    bool found = false;
    for (int32_t col = 0; col < ColCount(); ++col) {
        if (CellSpan(col, row1).Y > 0 && CellSpan(col, row2).Y > 0) {
            found = true;
            if (BaseCell(col, row1).Y != BaseCell(col, row2).Y)
                return false;
        }
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int32_t col1, int32_t col2) const
{
    bool found = false;
    for (int32_t row = 0; row < RowCount(); ++row) {
        const int32_t span1 = CellSpan(col1, row).X;
        const int32_t span2 = CellSpan(col2, row).X;
        if (span1 > 0 && span2 > 0) {
            found = true;
            if (BaseCell(col1, row).X != BaseCell(col2, row).X)
                return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return found;
}

// ---- geometry

TRect TBaseGrid::CalcCellRect(int32_t aCol, int32_t aRow) const { return BoxRect(aCol, aRow); }

TRect TBaseGrid::CellRect(int32_t aCol, int32_t aRow) const
{
    if (const TCellProperties* props = PropsOf(aCol, aRow)) {
        if (props->CellSpanX() != -1 || props->CellSpanY() != -1) {
            const TPoint base = props->GetBaseCell(aCol, aRow);
            const TPoint span = CellSpan(aCol, aRow);
            TRect baseRect = CalcCellRect(base.X, base.Y);
            TRect endRect = CalcCellRect(base.X + span.X, base.Y + span.Y);
            // Zero-width (hidden) columns must not drop out of the union.
            if (baseRect.Right == baseRect.Left)
                ++baseRect.Right;
            if (endRect.Right == endRect.Left)
                --endRect.Left;
            return UnionRect(baseRect, endRect);
        }
        if (props->Control())
            return CalcCellRect(aCol, aRow);
    }
    // The platform's rectangle is cut to the view; the cell keeps its size.
    const TRect shown = TObjStringGrid::CellRect(aCol, aRow);
    return Bounds(shown.Left, shown.Top, ColWidths(aCol), RowHeights(aRow));
}

TPoint TBaseGrid::CellSize(int32_t aCol, int32_t aRow) const
{
    TRect rect = CalcCellRect(aCol, aRow);
    if (IsMergedCell(aCol, aRow)) {
        const TPoint base = BaseCell(aCol, aRow);
        const TPoint span = CellSpan(aCol, aRow);
        rect = UnionRect(CalcCellRect(base.X, base.Y), CalcCellRect(base.X + span.X, base.Y + span.Y));
    }
    return { rect.Right - rect.Left, rect.Bottom - rect.Top };
}

void TBaseGrid::RepaintCell(int32_t aCol, int32_t aRow)
{
    // A grid not shown has nothing to repaint: building a grid's cells before
    // it shows must not measure the merged area of each.
    if (!Showing() || aCol < 0 || aCol >= ColCount() || aRow < 0 || aRow >= RowCount())
        return;
    const TRect cells = FullCell(aCol, aRow);
    InvalidateRect({ std::max(cells.Left, 0), std::max(cells.Top, 0), std::min(cells.Right, ColCount() - 1),
        std::min(cells.Bottom, RowCount() - 1) });
}
