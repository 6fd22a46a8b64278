#include "grid/DudOder.h"

// The recorded column order: entry p is the index, at recording time, of
// the column now shown at position p.

void TDudStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int32_t column = 0; column < ColCount(); ++column)
        FColumnOrder->Add(column);
}

int32_t TDudStringGrid::ColumnPosition(int32_t aCol) const
{
    if (FColumnOrder->Count() == 0)
        return aCol;
    int32_t position = aCol;
    const int32_t entries = std::min(FColumnOrder->Count(), ColCount() + FNumHidden);
    for (int32_t index = 0; index < entries; ++index) {
        if (FColumnOrder->Items(index) == aCol) {
            position = index;
            break;
        }
    }
    if (FGroupColumn != -1 && FGroupColumn <= aCol)
        --position;
    return position;
}

int32_t TDudStringGrid::ColumnAtPosition(int32_t aPos)
{
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    if (aPos < 0 || aPos >= FColumnOrder->Count())
        return aPos;
    int32_t column = FColumnOrder->Items(aPos);
    if (FGroupColumn != -1 && FGroupColumn <= column)
        ++column;
    return column;
}

void TDudStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    for (bool moved = true; moved;) {
        moved = false;
        for (int32_t position = 0; position < ColCount() && position < FColumnOrder->Count(); ++position) {
            const int32_t home = FColumnOrder->Items(position);
            if (home < position && home >= 0) {
                MoveColumn(position, home);
                moved = true;
            }
        }
    }
}

int32_t TDudStringGrid::ColumnByHeader(const String& value) const
{
    for (int32_t column = 0; column < TotalColCount(); ++column)
        if (GetCellsEx(column, 0) == value)
            return column;
    return -1;
}
