#include "grid/base/BaseGrid.h"

void TBaseGrid::MoveToBaseCell()
{
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col())
        SetCol(base.X);
    if (base.Y != Row())
        SetRow(base.Y);
}

// Arrow keys step over merged areas: the current cell is first moved to the
// edge of its area, the platform grid then moves one cell further, and every
// key ends on a base cell.
void TBaseGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    const int32_t col = Col();
    const int32_t row = Row();
    if (const TCellProperties* props = PropsOf(col, row)) {
        const TPoint base = props->GetBaseCell(col, row);
        const TCellProperties* baseProps = GetGridObject(base.X, base.Y);
        const int32_t spanX = baseProps ? baseProps->CellSpanX() : -1;
        const int32_t spanY = baseProps ? baseProps->CellSpanY() : -1;
        switch (key) {
        // Left and Up start from the base cell, so that the platform's step
        // lands on the cell just before the area.
        case VK_LEFT:
            if (base.X < col && col > FixedCols() && base.X > 0)
                SetCol(base.X);
            break;
        case VK_UP:
            if (base.Y < row && row > FixedRows() && base.Y > 0)
                SetRow(base.Y);
            break;
        case VK_RIGHT:
            if (base.X + spanX >= col && col < ColCount() - 1 && base.X < ColCount() - 1
                && base.X + spanX < ColCount())
                SetCol(base.X + spanX);
            break;
        case VK_DOWN:
            if (base.Y + spanY >= row && row < RowCount() - 1 && base.Y < RowCount() - 1)
                SetRow(base.Y + spanY);
            break;
        default:
            break;
        }
    }
    const uint16_t pressed = key;
    TObjStringGrid::KeyDown(key, shift);
    // Page Down never ends on the hidden last row.
    if (pressed == VK_NEXT && FHideLastRow && RowCount() > 1 && Row() == RowCount() - 1)
        SetRow(RowCount() - 2);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelDown(shift, mousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow)
        SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelUp(shift, mousePos);
    MoveToBaseCell();
    return result;
}
