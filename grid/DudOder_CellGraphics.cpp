#include "grid/DudOder.h"

// Cell graphics (pictures, check boxes, progress bars, nodes) attach to the
// cell properties; until a cell holds one, every cell answers as plain text.

TCellType TDudStringGrid::GetCellType(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return ctEmpty;
}

TCellGraphic* TDudStringGrid::GetCellGraphic(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return nullptr;
}

TPoint TDudStringGrid::GetCellGraphicSize(int32_t aCol, int32_t aRow)
{
    return CalcCellGraphicSize(aCol, aRow);
}

TPoint TDudStringGrid::CalcCellGraphicSize(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return TPoint {};
}

TPoint TDudStringGrid::CalcPrintGraphicSize(TCanvas& canvas, int32_t aCol, int32_t aRow)
{
    (void)canvas;
    return CalcCellGraphicSize(aCol, aRow);
}

bool TDudStringGrid::GetCheckBoxState(int32_t aCol, int32_t aRow, bool& value)
{
    (void)aCol;
    (void)aRow;
    value = false;
    return false;
}
