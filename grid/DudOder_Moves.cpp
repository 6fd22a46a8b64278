#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_SortSettings.h"

#include <algorithm>

// A moved column takes along what belongs to it: its place in the recorded
// order, its visibility and kept width, the cells of hidden rows and the
// sort settings that name it.

namespace {

template <class Range>
void Rotate(Range& range, int32_t from, int32_t to)
{
    const auto first = std::begin(range);
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace

void TDudStringGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    const int32_t realFrom = RemapColToReal(fromIndex);
    const int32_t realTo = RemapColToReal(toIndex);
    if (realFrom < FColumnOrder->Count() && realTo < FColumnOrder->Count()) {
        const int32_t entry = FColumnOrder->Items(realFrom);
        FColumnOrder->Delete(realFrom);
        FColumnOrder->Insert(realTo, entry);
    }
    if (FEnhRowColMove) {
        if (FNumHidden > 0 && std::max(realFrom, realTo) <= MaxHideableColumns) {
            Rotate(FVisibleCol, realFrom, realTo);
            Rotate(FAllColWidths, realFrom, realTo);
        }
        ColMoveFlg = true;
    }
    TBaseGrid::ColumnMoved(realFrom, realTo);
    for (int32_t index = 0; index < FGridItems->Count(); ++index) {
        TStringList& cells = static_cast<TGridItem*>(FGridItems->Items(index))->Items();
        while (cells.Count() <= std::max(realFrom, realTo))
            cells.Add(String());
        cells.Move(realFrom, realTo);
    }
    FSortSettings->SetColumn(MovedIndex(FSortSettings->Column(), realFrom, realTo));
    if (FSortSettings->IndexShow()) {
        for (int32_t index = 0; index < FSortIndexes->Count(); ++index) {
            const int32_t entry = FSortIndexes->Items(index);
            const int32_t column = MovedIndex(entry & 0xFFFF, realFrom, realTo);
            FSortIndexes->SetItems(index, static_cast<int32_t>((static_cast<uint32_t>(entry) & 0xFFFF0000u) | static_cast<uint32_t>(column)));
        }
    }
    if (FloatingFooterVisible() && FFooterPanel)
        FFooterPanel->Invalidate();
    TDudStringGrid* synced = FSyncGrid->Grid();
    if (synced && FSyncGrid->MoveColumn() && !FSyncedMove) {
        synced->FSyncedMove = true;
        synced->MoveColumn(fromIndex, toIndex);
        synced->FSyncedMove = false;
    }
}

void TDudStringGrid::RowMoved(int32_t fromIndex, int32_t toIndex)
{
    // The platform has moved the row with its height; the event fires once.
    TBaseGrid::RowMoved(fromIndex, toIndex);
    if (FEnhRowColMove)
        ColMoveFlg = true;
    TDudStringGrid* synced = FSyncGrid->Grid();
    if (synced && FSyncGrid->MoveRow() && !FSyncedMove) {
        synced->FSyncedMove = true;
        synced->MoveRow(fromIndex, toIndex);
        synced->FSyncedMove = false;
    }
}
