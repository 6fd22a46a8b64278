#include "platform/ui/Grids.h"

#include "platform/ui/Forms.h"

#include <QWidget>

#include <algorithm>

namespace {

// Pixel span [start, end) of the cells lo..hi of one axis as shown: fixed
// items at their place, scrolling items from first on after the fixed ones.
bool AxisSpan(const TGridAxis& axis, int32_t fixed, int32_t first, int32_t lo, int32_t hi, int32_t clientExtent,
    int32_t& start, int32_t& end)
{
    const int64_t fixedExtent = axis.Offset(fixed);
    const auto place = [&](int32_t index) -> int64_t {
        return index < fixed ? axis.Offset(index) : fixedExtent + axis.Offset(index) - axis.Offset(first);
    };
    if (lo >= fixed && hi < first)
        return false;
    if (lo >= fixed)
        lo = std::max(lo, first);
    const int64_t from = place(lo);
    const int64_t to = hi < fixed || hi >= first ? place(hi + 1) : fixedExtent;
    start = static_cast<int32_t>(std::clamp<int64_t>(from, 0, clientExtent));
    end = static_cast<int32_t>(std::clamp<int64_t>(to, 0, clientExtent));
    return end > start;
}

// The smallest first item such that the items first..last fit in avail
// pixels after the fixed ones (at least fixed, at most last).
int32_t FirstToShow(const TGridAxis& axis, int32_t fixed, int32_t last, int32_t avail)
{
    const int64_t target = axis.Offset(last + 1) - axis.LineWidth() - avail;
    if (target <= axis.Offset(fixed))
        return fixed;
    int32_t first = axis.IndexAt(target);
    if (axis.Offset(first) < target)
        ++first;
    return std::clamp(first, fixed, std::max(fixed, last));
}

int32_t VisibleCount(const TGridAxis& axis, int32_t first, int32_t avail)
{
    const int32_t remaining = axis.Count() - first;
    if (remaining <= 0)
        return 0;
    const int32_t end = axis.IndexAt(axis.Offset(first) + avail + axis.LineWidth());
    return std::clamp(end - first, 1, remaining);
}

} // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner)
{
    // The grid raises Click itself: when the current cell is set and at the
    // end of a press, not for presses on fixed cells or sizing borders.
    SetControlStyle(ControlStyle() << csOpaque >> csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
    FCols.SetDefaultSize(64);
    FRows.SetDefaultSize(24);
    FCols.SetCount(5);
    FRows.SetCount(5);
    CreateScrollBars();
    SetBounds(Left(), Top(), 320, 120);
}

TCustomGrid::~TCustomGrid() { Destroying(); }

// ---- dimensions

void TCustomGrid::SetColCount(int32_t count)
{
    count = std::max(count, 1);
    const int32_t oldCount = ColCount();
    if (count == oldCount)
        return;
    // The edit ends in its own cell before that cell leaves the grid.
    if (FCurrent.X >= count)
        HideEditor();
    FCols.SetCount(count);
    // At least one scrolling column stays, so the current cell is always a
    // cell of the grid.
    FFixedCols = std::min(FFixedCols, count - 1);
    CountsChanged(oldCount, RowCount());
}

void TCustomGrid::SetRowCount(int32_t count)
{
    count = std::max(count, 1);
    const int32_t oldCount = RowCount();
    if (count == oldCount)
        return;
    if (FCurrent.Y >= count)
        HideEditor();
    FRows.SetCount(count);
    FFixedRows = std::min(FFixedRows, count - 1);
    CountsChanged(ColCount(), oldCount);
}

void TCustomGrid::SetFixedCols(int32_t count)
{
    if (count < 0 || count >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
    if (count == FFixedCols)
        return;
    FFixedCols = count;
    FixedCountsChanged();
}

void TCustomGrid::SetFixedRows(int32_t count)
{
    if (count < 0 || count >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
    if (count == FFixedRows)
        return;
    FFixedRows = count;
    FixedCountsChanged();
}

// The old current cell may now be a fixed one, so the grid starts over at
// its first scrolling cell.
void TCustomGrid::FixedCountsChanged()
{
    HideEditor();
    FCurrent = FAnchor = { FFixedCols, FFixedRows };
    const TGridCoord oldTopLeft = FTopLeft;
    FTopLeft = FCurrent;
    UpdateScrollRange();
    UpdateScrollPos();
    UpdateEdit();
    Invalidate();
    if (!(oldTopLeft == FTopLeft))
        TopLeftChanged();
}

void TCustomGrid::CountsChanged(int32_t oldColCount, int32_t oldRowCount)
{
    const TGridCoord oldTopLeft = FTopLeft;
    const bool hidden = SelectionHidden(oldColCount, oldRowCount);
    ClampCurrent();
    // A hidden selection stays hidden: it moves along to just past the new
    // last cell, where callers look for it.
    if (hidden)
        FCurrent = FAnchor = { ColCount(), RowCount() };
    UpdateScrollRange();
    SizeChanged(oldColCount, oldRowCount);
    UpdateEdit();
    Invalidate();
    if (!(oldTopLeft == FTopLeft))
        TopLeftChanged();
}

void TCustomGrid::ClampCurrent()
{
    const auto clampCell = [this](TGridCoord cell) {
        return TGridCoord { std::clamp(cell.X, FFixedCols, ColCount() - 1), std::clamp(cell.Y, FFixedRows, RowCount() - 1) };
    };
    FCurrent = clampCell(FCurrent);
    FAnchor = clampCell(FAnchor);
    FTopLeft = { std::clamp(FTopLeft.X, FFixedCols, MaxLeftCol()), std::clamp(FTopLeft.Y, FFixedRows, MaxTopRow()) };
}

void TCustomGrid::SizeChanged(int32_t oldColCount, int32_t oldRowCount)
{
    (void)oldColCount;
    (void)oldRowCount;
}

void TCustomGrid::SetDefaultColWidth(int32_t width)
{
    FCols.SetDefaultSize(width);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int32_t height)
{
    FRows.SetDefaultSize(height);
    RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int32_t index, int32_t width)
{
    if (index < 0 || index >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (FCols.Size(index) == std::max(width, 0))
        return;
    FCols.SetSize(index, width);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int32_t index, int32_t height)
{
    if (index < 0 || index >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (FRows.Size(index) == std::max(height, 0))
        return;
    FRows.SetSize(index, height);
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int32_t width)
{
    if (width == GridLineWidth())
        return;
    FCols.SetLineWidth(width);
    FRows.SetLineWidth(width);
    SizesChanged();
}

void TCustomGrid::ColWidthsChanged() { SizesChanged(); }
void TCustomGrid::RowHeightsChanged() { SizesChanged(); }

void TCustomGrid::SizesChanged()
{
    const TGridCoord oldTopLeft = FTopLeft;
    UpdateScrollRange();
    UpdateScrollPos();
    UpdateEdit();
    Invalidate();
    if (!(oldTopLeft == FTopLeft))
        TopLeftChanged();
}

void TCustomGrid::SetFixedColor(TColor color)
{
    if (color == FFixedColor)
        return;
    FFixedColor = color;
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    if (options == FOptions)
        return;
    // A row-select grid edits no cell, so it never shows the editor.
    if (options.Contains(goRowSelect))
        options >> goAlwaysShowEditor;
    const TGridOptions oldOptions = FOptions;
    FOptions = options;
    if (!options.Contains(goEditing) || options.Contains(goRowSelect))
        HideEditor();
    else if (options.Contains(goAlwaysShowEditor) && !oldOptions.Contains(goAlwaysShowEditor))
        ShowEditor();
    // The current cell of a row-select grid sits in the first scrolling column.
    if (options.Contains(goRowSelect) && !oldOptions.Contains(goRowSelect) && !SelectionHidden(ColCount(), RowCount()))
        MoveCurrent(FCurrent, true, false);
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool defaultDrawing)
{
    if (defaultDrawing == FDefaultDrawing)
        return;
    FDefaultDrawing = defaultDrawing;
    Invalidate();
}

void TCustomGrid::Resize()
{
    LayoutScrollBars();
    SizesChanged();
    TCustomControl::Resize();
}

void TCustomGrid::CMFontChanged(TMessage& message)
{
    TCustomControl::CMFontChanged(message);
    UpdateEdit();
}

// ---- geometry

int32_t TCustomGrid::MaxLeftCol() const
{
    return FirstToShow(FCols, FFixedCols, ColCount() - 1, ClientWidth() - FixedWidth());
}

int32_t TCustomGrid::MaxTopRow() const
{
    return FirstToShow(FRows, FFixedRows, RowCount() - 1, ClientHeight() - FixedHeight());
}

int32_t TCustomGrid::VisibleColCount() const { return VisibleCount(FCols, FTopLeft.X, ClientWidth() - FixedWidth()); }
int32_t TCustomGrid::VisibleRowCount() const { return VisibleCount(FRows, FTopLeft.Y, ClientHeight() - FixedHeight()); }

TRect TCustomGrid::BoxRect(int32_t aCol, int32_t aRow) const
{
    const auto place = [](const TGridAxis& axis, int32_t fixed, int32_t first, int32_t index) -> int64_t {
        return index < fixed ? axis.Offset(index) : axis.Offset(fixed) + axis.Offset(index) - axis.Offset(first);
    };
    const auto x = static_cast<int32_t>(place(FCols, FFixedCols, FTopLeft.X, aCol));
    const auto y = static_cast<int32_t>(place(FRows, FFixedRows, FTopLeft.Y, aRow));
    return Bounds(x, y, FCols.Size(aCol), FRows.Size(aRow));
}

TRect TCustomGrid::CellRect(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aCol >= ColCount() || aRow < 0 || aRow >= RowCount())
        return {};
    if ((aCol >= FFixedCols && aCol < FTopLeft.X) || (aRow >= FFixedRows && aRow < FTopLeft.Y))
        return {};
    const TRect box = BoxRect(aCol, aRow);
    if (box.Left >= ClientWidth() || box.Top >= ClientHeight())
        return {};
    return box;
}

void TCustomGrid::MouseToCell(int32_t x, int32_t y, int32_t& aCol, int32_t& aRow) const
{
    const TGridCoord cell = MouseCoord(x, y);
    aCol = cell.X;
    aRow = cell.Y;
}

TGridCoord TCustomGrid::MouseCoord(int32_t x, int32_t y) const
{
    const auto hit = [](const TGridAxis& axis, int32_t fixed, int32_t first, int32_t pos, int32_t clientExtent) {
        if (pos < 0 || pos >= clientExtent)
            return -1;
        const int64_t fixedExtent = axis.Offset(fixed);
        const int32_t index = pos < fixedExtent ? axis.IndexAt(pos) : axis.IndexAt(pos - fixedExtent + axis.Offset(first));
        return index < axis.Count() ? index : -1;
    };
    return { hit(FCols, FFixedCols, FTopLeft.X, x, ClientWidth()), hit(FRows, FFixedRows, FTopLeft.Y, y, ClientHeight()) };
}

// ---- current cell and selection

TGridRect TCustomGrid::Selection() const
{
    TGridRect selection { std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
        std::max(FAnchor.Y, FCurrent.Y) };
    if (FOptions.Contains(goRowSelect) && !SelectionHidden(ColCount(), RowCount())) {
        selection.Left = FFixedCols;
        selection.Right = ColCount() - 1;
    }
    return selection;
}

bool TCustomGrid::SelectionHidden(int32_t colCount, int32_t rowCount) const
{
    return std::min(FAnchor.X, FCurrent.X) >= colCount || std::min(FAnchor.Y, FCurrent.Y) >= rowCount;
}

TGridRect TCustomGrid::ClampedSelection(const TGridRect& selection) const
{
    const auto col = [this](int32_t value) { return std::clamp(value, FFixedCols, std::max(FFixedCols, ColCount() - 1)); };
    const auto row = [this](int32_t value) { return std::clamp(value, FFixedRows, std::max(FFixedRows, RowCount() - 1)); };
    return { col(selection.Left), row(selection.Top), col(selection.Right), row(selection.Bottom) };
}

void TCustomGrid::SetSelection(const TGridRect& selection)
{
    const TGridRect oldSelection = Selection();
    // A selection starting past the last cell hides it: callers park it
    // there and read Col and Row against the counts to see that.
    if (selection.Left >= ColCount() || selection.Top >= RowCount()) {
        HideEditor();
        FAnchor = { selection.Left, selection.Top };
        FCurrent = { std::max(selection.Left, selection.Right), std::max(selection.Top, selection.Bottom) };
        SelectionMoved(oldSelection);
        return;
    }
    const TGridRect wanted = ClampedSelection(selection);
    FAnchor = { wanted.Left, wanted.Top };
    FCurrent = { FOptions.Contains(goRowSelect) ? FFixedCols : wanted.Right, wanted.Bottom };
    SelectionMoved(oldSelection);
}

// Any cell of the grid may be made current, a fixed one too; outside the
// grid MoveCurrent raises.
void TCustomGrid::SetCol(int32_t col)
{
    if (col != FCurrent.X)
        FocusCell(col, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int32_t row)
{
    if (row != FCurrent.Y)
        FocusCell(FCurrent.X, row, true);
}

void TCustomGrid::SetLeftCol(int32_t col) { MoveTopLeft({ col, FTopLeft.Y }); }
void TCustomGrid::SetTopRow(int32_t row) { MoveTopLeft({ FTopLeft.X, row }); }

void TCustomGrid::MoveColRow(int32_t aCol, int32_t aRow, bool moveAnchor, bool show)
{
    MoveCurrent({ aCol, aRow }, moveAnchor, show);
    Click();
}

void TCustomGrid::FocusCell(int32_t aCol, int32_t aRow, bool moveAnchor) { MoveColRow(aCol, aRow, moveAnchor, true); }

bool TCustomGrid::MoveCurrent(TGridCoord cell, bool moveAnchor, bool show)
{
    if (cell.X < 0 || cell.X >= ColCount() || cell.Y < 0 || cell.Y >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (!SelectCell(cell.X, cell.Y))
        return false;
    if (FOptions.Contains(goRowSelect))
        cell.X = FFixedCols;
    const bool cellChanges = !(cell == FCurrent);
    if (cellChanges && FEditorMode)
        HideEditor();
    const TGridRect oldSelection = Selection();
    FCurrent = cell;
    if (moveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = cell;
    SelectionMoved(oldSelection);
    if (show)
        ScrollIntoView(cell);
    if (FOptions.Contains(goAlwaysShowEditor))
        ShowEditor();
    return true;
}

void TCustomGrid::ScrollIntoView(TGridCoord cell)
{
    TGridCoord topLeft = FTopLeft;
    if (cell.X >= FFixedCols) {
        if (cell.X < topLeft.X)
            topLeft.X = cell.X;
        else
            topLeft.X = std::max(topLeft.X, FirstToShow(FCols, FFixedCols, cell.X, ClientWidth() - FixedWidth()));
    }
    if (cell.Y >= FFixedRows) {
        if (cell.Y < topLeft.Y)
            topLeft.Y = cell.Y;
        else
            topLeft.Y = std::max(topLeft.Y, FirstToShow(FRows, FFixedRows, cell.Y, ClientHeight() - FixedHeight()));
    }
    MoveTopLeft(topLeft);
}

void TCustomGrid::MoveTopLeft(TGridCoord topLeft)
{
    topLeft.X = std::clamp(topLeft.X, FFixedCols, MaxLeftCol());
    topLeft.Y = std::clamp(topLeft.Y, FFixedRows, MaxTopRow());
    if (topLeft == FTopLeft)
        return;
    FTopLeft = topLeft;
    UpdateScrollPos();
    Invalidate();
    UpdateEdit();
    TopLeftChanged();
}

void TCustomGrid::MoveAnchor(TGridCoord cell)
{
    if (cell == FAnchor)
        return;
    const TGridRect oldSelection = Selection();
    FAnchor = cell;
    SelectionMoved(oldSelection);
    ScrollIntoView(cell);
}

void TCustomGrid::SelectionMoved(const TGridRect& oldSelection)
{
    const TGridRect newSelection = Selection();
    if (newSelection == oldSelection)
        return;
    InvalidateRect(oldSelection);
    InvalidateRect(newSelection);
}

bool TCustomGrid::SelectCell(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return true;
}

// ---- repainting

void TCustomGrid::InvalidateRect(TGridRect cells)
{
    // Nothing to repaint on a grid not shown or under the redraw lock: filling
    // a hidden grid cell by cell must not measure every cell.
    if (!Showing() || !Widget()->updatesEnabled())
        return;
    // A hidden selection lies past the last cell.
    cells.Right = std::min(cells.Right, ColCount() - 1);
    cells.Bottom = std::min(cells.Bottom, RowCount() - 1);
    if (cells.Left > cells.Right || cells.Top > cells.Bottom)
        return;
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
    if (!AxisSpan(FCols, FFixedCols, FTopLeft.X, cells.Left, cells.Right, ClientWidth(), left, right)
        || !AxisSpan(FRows, FFixedRows, FTopLeft.Y, cells.Top, cells.Bottom, ClientHeight(), top, bottom))
        return;
    const TRect& frame = NonClientFrame();
    Widget()->update(frame.Left + left, frame.Top + top, right - left, bottom - top);
}

void TCustomGrid::InvalidateCell(int32_t aCol, int32_t aRow) { InvalidateRect({ aCol, aRow, aCol, aRow }); }
void TCustomGrid::InvalidateCol(int32_t aCol) { InvalidateRect({ aCol, 0, aCol, RowCount() - 1 }); }
void TCustomGrid::InvalidateRow(int32_t aRow) { InvalidateRect({ 0, aRow, ColCount() - 1, aRow }); }

// ---- moving columns and rows

int32_t MovedIndex(int32_t index, int32_t from, int32_t to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

void TCustomGrid::MoveColumn(int32_t fromIndex, int32_t toIndex)
{
    if (fromIndex < 0 || fromIndex >= ColCount() || toIndex < 0 || toIndex >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (fromIndex == toIndex)
        return;
    FCols.Move(fromIndex, toIndex);
    FCurrent.X = MovedIndex(FCurrent.X, fromIndex, toIndex);
    FAnchor.X = MovedIndex(FAnchor.X, fromIndex, toIndex);
    ColumnMoved(fromIndex, toIndex);
    SizesChanged();
}

void TCustomGrid::MoveRow(int32_t fromIndex, int32_t toIndex)
{
    if (fromIndex < 0 || fromIndex >= RowCount() || toIndex < 0 || toIndex >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (fromIndex == toIndex)
        return;
    FRows.Move(fromIndex, toIndex);
    FCurrent.Y = MovedIndex(FCurrent.Y, fromIndex, toIndex);
    FAnchor.Y = MovedIndex(FAnchor.Y, fromIndex, toIndex);
    RowMoved(fromIndex, toIndex);
    SizesChanged();
}

void TCustomGrid::PermuteRows(int32_t first, const std::vector<int32_t>& order)
{
    if (order.empty())
        return;
    if (first < 0 || first + static_cast<int32_t>(order.size()) > RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FRows.Permute(first, order);
    RowsPermuted(first, order);
    SizesChanged();
}

void TCustomGrid::DeleteColumn(int32_t aCol) { DeleteItem(true, aCol); }
void TCustomGrid::DeleteRow(int32_t aRow) { DeleteItem(false, aRow); }

// Moving the item to the end first keeps the other items' texts, objects
// and sizes in order; the count change then drops it. A current cell or
// anchor on the deleted item stays at its index, on the item that closes up.
void TCustomGrid::DeleteItem(bool cols, int32_t index)
{
    int32_t TGridCoord::*const axis = cols ? &TGridCoord::X : &TGridCoord::Y;
    const bool current = index == FCurrent.*axis;
    const bool anchor = index == FAnchor.*axis;
    if (current)
        HideEditor();
    const int32_t last = (cols ? ColCount() : RowCount()) - 1;
    if (cols) {
        MoveColumn(index, last);
        SetColCount(last);
    } else {
        MoveRow(index, last);
        SetRowCount(last);
    }
    const int32_t stay = std::clamp(index, cols ? FFixedCols : FFixedRows, std::max(0, last - 1));
    if (current)
        FCurrent.*axis = stay;
    if (anchor)
        FAnchor.*axis = stay;
    Invalidate();
}

void TCustomGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    (void)fromIndex;
    (void)toIndex;
}

void TCustomGrid::RowMoved(int32_t fromIndex, int32_t toIndex)
{
    (void)fromIndex;
    (void)toIndex;
}

void TCustomGrid::RowsPermuted(int32_t first, const std::vector<int32_t>& order)
{
    (void)first;
    (void)order;
}

// ---- messages and focus

void TCustomGrid::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, message.WParam & 0xFFFF,
            static_cast<int16_t>((message.WParam >> 16) & 0xFFFF));
        break;
    case WM_TIMER:
        if (static_cast<uintptr_t>(message.WParam) != AutoScrollTimer) {
            TCustomControl::WndProc(message);
        } else if (FGridState == gsSelecting) {
            SelectTowards(FSelectPoint.X, FSelectPoint.Y);
        } else {
            StopAutoScroll();
        }
        break;
    case CM_EXIT:
        // Focus passing to the grid's own editor does not leave the grid.
        if (FInplaceEdit && ParentForm() && ParentForm()->ActiveControl() == FInplaceEdit)
            break;
        TCustomControl::WndProc(message);
        break;
    case WM_SETFOCUS:
        TCustomControl::WndProc(message);
        // The keys belong to the editor while it shows.
        if (FEditorShown)
            FInplaceEdit->SetFocus();
        break;
    case CM_ENTER:
        if (FEnteringFromEditor) {
            FEnteringFromEditor = false;
            break;
        }
        TCustomControl::WndProc(message);
        break;
    default:
        TCustomControl::WndProc(message);
        break;
    }
}

void TCustomGrid::DefaultHandler(TMessage& message)
{
    // An editable grid opens its editor with Enter, before a default button
    // of the form can take the key.
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_RETURN && FOptions.Contains(goEditing)) {
        message.Result = 1;
        return;
    }
    // Every change in the editor goes into the cell at once, so the cell
    // reads what the editor shows.
    if (message.Msg == WM_COMMAND && CommandCode(message.WParam) == EN_CHANGE && FInplaceEdit
        && message.LParam == reinterpret_cast<intptr_t>(static_cast<TWinControl*>(FInplaceEdit))) {
        UpdateText();
        return;
    }
    if (message.Msg == WM_GETDLGCODE) {
        message.Result = DLGC_WANTARROWS;
        // A row-select grid has no cells to walk, so Tab goes on to the next control.
        if (FOptions.Contains(goTabs) && !FOptions.Contains(goRowSelect))
            message.Result |= DLGC_WANTTAB;
        if (FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect))
            message.Result |= DLGC_WANTCHARS;
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomGrid::DoExit()
{
    TCustomControl::DoExit();
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
}

// ---- the draw grid's events

TCustomDrawGrid::TCustomDrawGrid(TComponent* owner) : TCustomGrid(owner) { }

void TCustomDrawGrid::DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    if (OnDrawCell)
        OnDrawCell(this, aCol, aRow, rect, state);
}

bool TCustomDrawGrid::SelectCell(int32_t aCol, int32_t aRow)
{
    bool canSelect = TCustomGrid::SelectCell(aCol, aRow);
    if (OnSelectCell)
        OnSelectCell(this, aCol, aRow, canSelect);
    return canSelect;
}

String TCustomDrawGrid::GetEditMask(int32_t aCol, int32_t aRow)
{
    String mask = TCustomGrid::GetEditMask(aCol, aRow);
    if (OnGetEditMask)
        OnGetEditMask(this, aCol, aRow, mask);
    return mask;
}

String TCustomDrawGrid::GetEditText(int32_t aCol, int32_t aRow)
{
    String value = TCustomGrid::GetEditText(aCol, aRow);
    if (OnGetEditText)
        OnGetEditText(this, aCol, aRow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int32_t aCol, int32_t aRow, const String& value)
{
    TCustomGrid::SetEditText(aCol, aRow, value);
    if (OnSetEditText)
        OnSetEditText(this, aCol, aRow, value);
}

void TCustomDrawGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    TCustomGrid::ColumnMoved(fromIndex, toIndex);
    if (OnColumnMoved)
        OnColumnMoved(this, fromIndex, toIndex);
}

void TCustomDrawGrid::RowMoved(int32_t fromIndex, int32_t toIndex)
{
    TCustomGrid::RowMoved(fromIndex, toIndex);
    if (OnRowMoved)
        OnRowMoved(this, fromIndex, toIndex);
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}
