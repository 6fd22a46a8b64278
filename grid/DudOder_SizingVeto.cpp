#include "grid/DudOder.h"

namespace {

// How far left of (above) the mouse the sized column (row) is looked for:
// on a border the mouse may stand on the next one's first pixels.
constexpr int32_t SizingProbe = 6;

} // namespace

void TDudStringGrid::CalcSizingState(
    int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& sizingPos, int32_t& sizingOfs)
{
    TBaseGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs);
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x - SizingProbe, y, aCol, aRow);
    if (aRow >= 0 && aRow < FixedRows() && aCol >= 0) {
        bool allow = true;
        if (OnColumnSize)
            OnColumnSize(this, aCol, allow);
        if (!allow)
            state = gsNormal;
    }
    MouseToCell(x, y - SizingProbe, aCol, aRow);
    if (aCol >= 0 && aCol < FixedCols() && aRow >= 0) {
        bool allow = true;
        if (OnRowSize)
            OnRowSize(this, aRow, allow);
        if (!allow)
            state = gsNormal;
    }
}
