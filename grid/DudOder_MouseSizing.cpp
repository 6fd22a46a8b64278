#include "grid/DudOder.h"

#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/base/VidEri_Options.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>

// The drags that size: the borders of the fixed columns and rows (the
// platform grid sizes only scrolling ones), the grip that stretches the
// selection, the pressed look of fixed cells and the hint that shows the
// size while a border moves.

namespace {

// The grip is a square this big at the selection's bottom-right corner.
constexpr int32_t GripSize = 6;
// A fixed border is within reach closer than this.
constexpr int32_t BorderReach = 3;
// The sizing hint wraps at this width.
constexpr int32_t SizingHintWidth = 200;

} // namespace

TRect TDudStringGrid::SelectionGripRect()
{
    const TGridRect selection = Selection();
    const TRect cell = CellRect(selection.Right, selection.Bottom);
    if (UseRightToLeftAlignment())
        return { cell.Left, cell.Bottom - GripSize, cell.Left + GripSize, cell.Bottom };
    return { cell.Right - GripSize, cell.Bottom - GripSize, cell.Right, cell.Bottom };
}

// The borders are counted as the grid lays them out: each width (height)
// plus its line.
int32_t TDudStringGrid::FixedColBorderAt(int32_t x)
{
    int32_t border = 0;
    for (int32_t col = 0; col < FixedCols(); ++col) {
        border += ColWidths(col) + 1;
        if (std::abs(x - border) < BorderReach)
            return col;
    }
    return -1;
}

int32_t TDudStringGrid::FixedRowBorderAt(int32_t y)
{
    int32_t border = 0;
    for (int32_t row = 0; row < FixedRows(); ++row) {
        border += RowHeights(row) + 1;
        if (std::abs(y - border) < BorderReach)
            return row;
    }
    return -1;
}

// A press on the grip (or anywhere while the pointer said it would be)
// stretches a copy of the selection: the cells it had go to the clipboard
// and the release fills the new area from there.
bool TDudStringGrid::SelectionGripDown(TMessage& message, TPoint point)
{
    const bool onGrip = FSelectionResizer && FSelectionRectangle && SelectionGripRect().Contains(point);
    if (!onGrip && FMouseSelectMode != msResize)
        return false;
    FGridState = gsSelecting;
    FDropSelection = Selection();
    CopySelectionToClipboard();
    FMouseResize = true;
    const TGridRect selection = Selection();
    const int32_t col = Col();
    const int32_t row = Row();
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit())
        TBaseGrid::MouseMessage(message);
    FForceSel = true;
    SetCol(col);
    SetRow(row);
    FForceSel = false;
    SetSelection(selection);
    FGridState = gsSelecting;
    MouseMove(TShiftState {}, point.X, point.Y);
    if (onGrip)
        message.Result = 1;
    return true;
}

void TDudStringGrid::SelectionGripUp()
{
    if (!FMouseResize)
        return;
    const TGridRect stretched = Selection();
    if (OnSelectionResize)
        OnSelectionResize(this, FDropSelection, stretched);
    if (FEditDisable)
        PasteSelectionFromClipboard();
    FMouseResize = false;
    if (OnSelectionResized)
        OnSelectionResized(this, FDropSelection, stretched);
}

bool TDudStringGrid::FixedBorderDown(TPoint point)
{
    if (FSizeFixed) {
        FSizingFixed = true;
        FSizeFixedX = point.X;
        DrawColSizingLine(point.X);
        FSizingFixedCol = IsDesigning() ? -1 : FixedColBorderAt(point.X);
        return true;
    }
    if (FSizeFixedR) {
        FSizingFixedR = true;
        FSizeFixedY = point.Y;
        DrawRowSizingLine(point.Y);
        FSizingFixedRow = IsDesigning() ? -1 : FixedRowBorderAt(point.Y);
        return true;
    }
    return false;
}

// The pointer over a fixed border offers it for sizing; during the drag
// the line follows the pointer.
void TDudStringGrid::FixedBorderMove(int32_t x, int32_t y, bool onCell)
{
    if (FSizingFixed) {
        DrawColSizingLine(FSizeFixedX);
        FSizeFixedX = x;
        DrawColSizingLine(x);
    } else {
        FSizeFixed = FMouseActions->SizeFixedCol() && onCell && !IsDesigning() && FixedColBorderAt(x) >= 0;
    }
    if (FSizingFixedR) {
        DrawRowSizingLine(FSizeFixedY);
        FSizeFixedY = y;
        DrawRowSizingLine(y);
    } else {
        FSizeFixedR = FMouseActions->SizeFixedRow() && onCell && !IsDesigning() && FixedRowBorderAt(y) >= 0;
    }
}

// The release sets the size where the line was let go; a border pulled
// past the start of its column or row leaves it empty, not negative.
bool TDudStringGrid::FixedBorderUp(TPoint point)
{
    if (FSizingFixed) {
        FSizingFixed = false;
        FSizeFixed = false;
        DrawColSizingLine(FSizeFixedX);
        const int32_t col = FSizingFixedCol;
        FSizingFixedCol = -1;
        if (col >= 0 && col < ColCount()) {
            int32_t left = 0;
            for (int32_t before = 0; before < col; ++before)
                left += ColWidths(before);
            SetColWidths(col, std::max(0, point.X - left));
            if (OnEndColumnSize)
                OnEndColumnSize(this, col);
            int32_t width = ColWidths(col);
            if (OnUpdateColumnSize) {
                OnUpdateColumnSize(this, col, width);
                if (width != ColWidths(col))
                    SetColWidths(col, width);
            }
        }
        return true;
    }
    if (FSizingFixedR) {
        FSizingFixedR = false;
        FSizeFixedR = false;
        DrawRowSizingLine(FSizeFixedY);
        const int32_t row = FSizingFixedRow;
        FSizingFixedRow = -1;
        if (row >= 0 && row < RowCount()) {
            int32_t top = 0;
            for (int32_t before = 0; before < row; ++before)
                top += RowHeights(before);
            SetRowHeights(row, std::max(0, point.Y - top));
            if (OnEndRowSize)
                OnEndRowSize(this, row);
        }
        return true;
    }
    return false;
}

// Fixed cells drawn as buttons go in under the press and come out at the
// release; a press on a node glyph is no button press.
void TDudStringGrid::PushFixedCell(int32_t aCol, int32_t aRow, TPoint point)
{
    if (!FFixedAsButtons || !Options().Contains(goFixedVertLine) || !Options().Contains(goFixedHorzLine))
        return;
    if (IsNode(aRow) && IsOnNodeGlyph(aRow, point.X))
        return;
    FPushedFixedCell = CellRect(aCol, aRow);
    FPushedCellButton = { aCol, aRow };
    FFixedCellPushed = true;
    Invalidate();
}

void TDudStringGrid::ReleaseFixedCell()
{
    if (!FFixedCellPushed)
        return;
    FFixedCellPushed = false;
    Invalidate();
}

void TDudStringGrid::PaintPushedFixedCell()
{
    if (!FFixedCellPushed)
        return;
    TRect rect = FPushedFixedCell;
    DrawEdge(Canvas(), rect, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
    rect = FPushedFixedCell;
    DrawEdge(Canvas(), rect, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
}

// While a border moves, the hint names the size it would give: "cw=" for
// a width, "rh=" for a height, at the top-left corner of the measured cell.
void TDudStringGrid::ShowSizingHint(int32_t x, int32_t y)
{
    if (!FHintShowSizing && !IsDesigning())
        return;
    String text;
    TGridCoord measured { -1, -1 };
    if (FGridState == gsColSizing) {
        measured = Colclicked >= 0 ? TGridCoord { Colclicked, std::max(Rowclicked, 0) } : TGridCoord { ColCount() - 1, 0 };
        const int32_t width = x - CellRect(measured.X, measured.Y).Left - (Colclicked >= 0 ? Clickposdx : 0);
        text = QStringLiteral("cw=<b>%1</b>").arg(width);
    } else if (FGridState == gsRowSizing) {
        measured = Rowclicked >= 0 ? TGridCoord { std::max(Colclicked, 0), Rowclicked } : TGridCoord { 0, RowCount() - 1 };
        const int32_t height = y - CellRect(measured.X, measured.Y).Top - (Rowclicked >= 0 ? Clickposdy : 0);
        text = QStringLiteral("rh=<b>%1</b>").arg(height);
    } else if (FSizingFixed) {
        measured = { std::max(FSizingFixedCol, 0), 0 };
        text = QStringLiteral("cw=<b>%1</b>").arg(FSizeFixedX);
    } else if (FSizingFixedR) {
        measured = { 0, std::max(FSizingFixedRow, 0) };
        text = QStringLiteral("rh=<b>%1</b>").arg(FSizeFixedY);
    } else {
        return;
    }
    if (!FScrollHintWnd)
        FScrollHintWnd = new THTMLHintWindow(this);
    TRect rect = FScrollHintWnd->CalcHintRect(SizingHintWidth, text, nullptr);
    FScrollHintWnd->SetColor(FHintColor);
    const TRect cell = CellRect(measured.X, measured.Y);
    const TPoint at = ClientToScreen({ cell.Left, cell.Top });
    rect = Bounds(at.X, at.Y, rect.Width(), rect.Height());
    FScrollHintWnd->ActivateHint(rect, text);
    FScrollHintShow = true;
}

void TDudStringGrid::HideSizingHint()
{
    if (FScrollHintShow && FScrollHintWnd)
        FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}
