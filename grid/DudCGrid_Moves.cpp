#include "grid/DudCGrid.h"

// Column moves and grouping carry the column settings along.

void TDudColumnGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    FColumnCollection->SetNoRecursiveUpdate(true);
    const int32_t topRow = GetTopRowEx();
    const int32_t from = RealColIndex(fromIndex);
    const int32_t to = RealColIndex(toIndex);
    TDudStringGrid::ColumnMoved(fromIndex, toIndex);
    BeginUpdate();
    FColMoving = true;
    if (from < FColumnCollection->Count() && to < FColumnCollection->Count()) {
        FColumnCollection->Add()->Assign(*FColumnCollection->Items(from));
        FColumnCollection->Delete(from);
        FColumnCollection->Insert(to)->Assign(*FColumnCollection->Items(FColumnCollection->Count() - 1));
        FColumnCollection->Delete(FColumnCollection->Count() - 1);
    }
    SetTopRowEx(topRow);
    FColMoving = false;
    EndUpdate();
    FColumnCollection->SetNoRecursiveUpdate(false);
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, from, to);
}

void TDudColumnGrid::Group(int32_t colIndex)
{
    if (TGridColumnItem* item = ItemOf(colIndex))
        FSaveCol->Assign(*item);
    TDudStringGrid::Group(colIndex);
}

void TDudColumnGrid::UnGroup()
{
    const int32_t grouped = GroupColumn();
    TDudStringGrid::UnGroup();
    if (grouped != -1)
        if (TGridColumnItem* item = ItemOf(grouped))
            item->Assign(*FSaveCol);
}
