#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"

#include <algorithm>

// Hidden rows leave the grid: their texts, heights and cell properties move
// into the hidden-row store and come back from it. The store owns a stored
// row's cell properties (kept in the item's object slots) until the row is
// shown again or the store discards it; each properties object has exactly
// one owner at any time.

namespace {

TGridItem& ItemAt(const TCollection& items, int32_t index)
{
    return *static_cast<TGridItem*>(items.Items(index));
}

} // namespace

TGridItem& TDudStringGrid::StoreRow(int32_t storeIndex, int32_t displayRow)
{
    auto& item = *static_cast<TGridItem*>(FGridItems->Insert(storeIndex));
    item.Items().SetCapacity(AllColCount());
    for (int32_t column = 0; column < AllColCount(); ++column)
        item.Items().AddObject(GetGridCell(column, displayRow), ExtractGridObject(column, displayRow).release());
    item.SetHeight(RowHeights(displayRow));
    return item;
}

void TDudStringGrid::RestoreRow(int32_t storeIndex, int32_t displayRow)
{
    TGridItem& item = ItemAt(*FGridItems, storeIndex);
    TStringList& cells = item.Items();
    for (int32_t column = 0; column < cells.Count(); ++column) {
        SetGridCell(column, displayRow, cells.Strings(column));
        SetGridObject(column, displayRow, std::unique_ptr<TCellProperties>(static_cast<TCellProperties*>(cells.Objects(column))));
        cells.SetObjects(column, nullptr);
    }
    // A row stored without its height comes back at the default height.
    SetRowHeights(displayRow, item.Height() > 0 ? item.Height() : DefaultRowHeight());
    FGridItems->Delete(storeIndex);
}

void TDudStringGrid::DiscardStoredRow(int32_t storeIndex)
{
    TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
    for (int32_t column = 0; column < cells.Count(); ++column) {
        std::unique_ptr<TCellProperties>(static_cast<TCellProperties*>(cells.Objects(column)));
        cells.SetObjects(column, nullptr);
    }
    FGridItems->Delete(storeIndex);
}

void TDudStringGrid::DiscardStoredRows()
{
    while (FGridItems->Count() > 0)
        DiscardStoredRow(FGridItems->Count() - 1);
}

int32_t TDudStringGrid::StoredRowsBelow(int32_t realRow) const
{
    int32_t count = 0;
    for (int32_t index = 0; index < FGridItems->Count(); ++index)
        if (ItemAt(*FGridItems, index).Idx() < realRow)
            ++count;
    return count;
}

int32_t TDudStringGrid::StoredRowIndex(int32_t realRow) const
{
    for (int32_t index = FGridItems->Count() - 1; index >= 0; --index)
        if (ItemAt(*FGridItems, index).Idx() == realRow)
            return index;
    return -1;
}

void TDudStringGrid::HideRows(int32_t fromRow, int32_t toRow)
{
    if (fromRow > toRow)
        return;
    int32_t storeIndex = StoredRowsBelow(fromRow);
    std::vector<int32_t> hiddenInRange;
    for (int32_t index = 0; index < FGridItems->Count(); ++index) {
        const int32_t idx = ItemAt(*FGridItems, index).Idx();
        if (idx >= fromRow && idx <= toRow)
            hiddenInRange.push_back(idx);
    }
    const auto alreadyHidden = static_cast<int32_t>(hiddenInRange.size());
    if (alreadyHidden == toRow - fromRow + 1)
        return;
    const int32_t fromDisplay = fromRow - storeIndex;
    int32_t hiddenBefore = 0;
    for (int32_t row = fromRow; row <= toRow; ++row) {
        if (std::find(hiddenInRange.begin(), hiddenInRange.end(), row) != hiddenInRange.end()) {
            ++hiddenBefore;
            continue;
        }
        StoreRow(storeIndex++, fromDisplay + (row - fromRow) - hiddenBefore).SetIdx(row);
    }
    DeleteRowRange(fromDisplay, toRow - fromRow + 1 - alreadyHidden, false);
    CellControlsUpdate(false);
}

void TDudStringGrid::HideRowsEx(int32_t fromRow, int32_t toRow)
{
    if (fromRow > toRow || StoredRowIndex(fromRow) >= 0)
        return;
    const int32_t fromDisplay = fromRow - StoredRowsBelow(fromRow);
    for (int32_t row = fromRow; row <= toRow; ++row) {
        TGridItem& item = StoreRow(FGridItems->Count(), fromDisplay + (row - fromRow));
        item.SetIdx(row);
        item.SetHeight(0);
    }
    RemoveRowsEx(fromDisplay, toRow - fromRow + 1);
    CellControlsUpdate(false);
}

// The real rows of ascending display rows, in one walk over the store.
std::vector<int32_t> TDudStringGrid::RealRowsOf(const TIntList& displayRows) const
{
    std::vector<int32_t> stored;
    for (int32_t index = 0; index < FGridItems->Count(); ++index)
        stored.push_back(ItemAt(*FGridItems, index).Idx());
    std::sort(stored.begin(), stored.end());
    stored.erase(std::unique(stored.begin(), stored.end()), stored.end());
    std::vector<int32_t> reals;
    size_t below = 0;
    for (int32_t index = 0; index < displayRows.Count(); ++index) {
        const int32_t display = displayRows.Items(index);
        while (below < stored.size() && stored[below] <= display + static_cast<int32_t>(below))
            ++below;
        reals.push_back(display + static_cast<int32_t>(below));
    }
    return reals;
}

void TDudStringGrid::HideRowList(const TIntList& rowList)
{
    // Stored under their real index, so that rows hidden by other means
    // (contracted nodes, earlier levels) and these rows come back in order.
    const std::vector<int32_t> reals = RealRowsOf(rowList);
    for (int32_t index = 0; index < rowList.Count(); ++index) {
        TGridItem& item = StoreRow(FGridItems->Count(), rowList.Items(index));
        item.SetIdx(reals[static_cast<size_t>(index)]);
        item.SetLevel(FFilterLevel);
    }
    ++FFilterLevel;
    // The rows that stay close up in one reordering of the row store (texts,
    // objects and heights together); the stored rows, emptied of their
    // objects, end up last and are cut off.
    const auto rowCount = static_cast<size_t>(RowCount());
    std::vector<bool> stored(rowCount, false);
    for (int32_t index = 0; index < rowList.Count(); ++index)
        if (const int32_t row = rowList.Items(index); row >= 0 && static_cast<size_t>(row) < rowCount)
            stored[static_cast<size_t>(row)] = true;
    std::vector<int32_t> order;
    order.reserve(rowCount);
    for (size_t row = 0; row < rowCount; ++row)
        if (!stored[row])
            order.push_back(static_cast<int32_t>(row));
    const auto kept = static_cast<int32_t>(order.size());
    for (size_t row = 0; row < rowCount; ++row)
        if (stored[row])
            order.push_back(static_cast<int32_t>(row));
    TBaseGrid::PermuteRows(0, order);
    SetRowCount(kept);
    CellControlsUpdate(false);
}

void TDudStringGrid::UnHideRow(int32_t rowIndex)
{
    const int32_t storeIndex = StoredRowIndex(rowIndex);
    if (storeIndex < 0)
        return;
    const int32_t displayRow = rowIndex - StoredRowsBelow(rowIndex);
    InsertRowRange(displayRow, 1, false);
    RestoreRow(storeIndex, displayRow);
    CellControlsUpdate(false);
}

void TDudStringGrid::UnHideRows(int32_t fromRow, int32_t toRow)
{
    if (StoredRowIndex(fromRow) < 0)
        return;
    const int32_t fromDisplay = fromRow - StoredRowsBelow(fromRow);
    for (int32_t row = fromRow; row <= toRow; ++row) {
        const int32_t storeIndex = StoredRowIndex(row);
        if (storeIndex < 0)
            continue;
        const int32_t displayRow = fromDisplay + (row - fromRow);
        InsertRowRange(displayRow, 1, false);
        RestoreRow(storeIndex, displayRow);
    }
    CellControlsUpdate(false);
}

void TDudStringGrid::UnHideRowsAll()
{
    while (FGridItems->Count() > 0) {
        const int32_t count = FGridItems->Count();
        const int32_t first = ItemAt(*FGridItems, 0).Idx();
        int32_t last = first;
        for (int32_t index = 1; index < count && ItemAt(*FGridItems, index).Idx() == last + 1; ++index)
            ++last;
        UnHideRows(first, last);
        // Rows stored under the same index more than once come back one by one.
        if (FGridItems->Count() == count)
            UnHideRow(first);
        if (FGridItems->Count() == count)
            break;
    }
}

void TDudStringGrid::UnHideRowList()
{
    const int32_t level = FFilterLevel - 1;
    // The rows of the level, visited from the highest index down whatever
    // order the store holds them in.
    std::vector<std::pair<int32_t, TGridItem*>> rows;
    std::vector<int32_t> staying;
    for (int32_t index = 0; index < FGridItems->Count(); ++index) {
        TGridItem& item = ItemAt(*FGridItems, index);
        if (item.Level() >= level)
            rows.emplace_back(item.Idx(), &item);
        else
            staying.push_back(item.Idx());
    }
    // A row comes back at its real index less the rows that stay hidden
    // above it.
    std::sort(staying.begin(), staying.end());
    for (auto& row : rows)
        row.first -= static_cast<int32_t>(std::lower_bound(staying.begin(), staying.end(), row.first) - staying.begin());
    std::stable_sort(rows.begin(), rows.end(), [](const auto& left, const auto& right) { return left.first > right.first; });
    if (Row() >= RowCount())
        MoveColRow(FixedCols(), FixedRows(), true, true);
    const int32_t footer = FloatingFooterVisible() ? 1 : 0;
    const int32_t oldCount = RowCount();
    SetRowCount(oldCount + static_cast<int32_t>(rows.size()));
    int32_t source = oldCount - 1 - footer;
    size_t next = 0;
    for (int32_t target = RowCount() - 1 - footer; target >= 0; --target) {
        if (next < rows.size() && rows[next].first == target) {
            RestoreRow(rows[next].second->Index(), target);
            ++next;
        } else if (source < target) {
            MoveRowCells(source, target);
            --source;
        }
    }
    if (FFilterLevel < 2) {
        DiscardStoredRows();
    } else {
        for (int32_t index = FGridItems->Count() - 1; index >= 0; --index)
            if (ItemAt(*FGridItems, index).Level() == level)
                DiscardStoredRow(index);
    }
    CellControlsUpdate(false);
}

bool TDudStringGrid::IsHiddenRow(int32_t rowIndex) const
{
    return StoredRowIndex(rowIndex) >= 0;
}

int32_t TDudStringGrid::NumHiddenRows() const
{
    return FGridItems->Count();
}

int32_t TDudStringGrid::RemapRowToReal(int32_t displayRow) const
{
    if (displayRow < 0)
        return -1;
    std::vector<int32_t> stored;
    for (int32_t index = 0; index < FGridItems->Count(); ++index)
        stored.push_back(ItemAt(*FGridItems, index).Idx());
    std::sort(stored.begin(), stored.end());
    stored.erase(std::unique(stored.begin(), stored.end()), stored.end());
    int32_t realRow = displayRow;
    for (int32_t idx : stored)
        if (idx <= realRow)
            ++realRow;
    return realRow;
}

int32_t TDudStringGrid::RemapRowToDispl(int32_t realRow) const
{
    return realRow - StoredRowsBelow(realRow);
}

String TDudStringGrid::GetCellsEx(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aRow < 0)
        return String();
    if (const int32_t storeIndex = StoredRowIndex(aRow); storeIndex >= 0) {
        const TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
        String text = aCol < cells.Count() ? cells.Strings(aCol) : String();
        GetDisplText(aCol, aRow, text);
        return text;
    }
    return GetCellEx(aCol, RemapRowToDispl(aRow));
}

void TDudStringGrid::SetCellsEx(int32_t aCol, int32_t aRow, const String& value)
{
    if (const int32_t storeIndex = StoredRowIndex(aRow); storeIndex >= 0) {
        TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
        while (cells.Count() <= aCol)
            cells.Add(String());
        cells.SetStrings(aCol, value);
        return;
    }
    const int32_t displayRow = RemapRowToDispl(aRow);
    SetCellEx(aCol, displayRow, value);
    const int32_t displayCol = RemapColToDispl(aCol);
    if (displayCol != aCol)
        RepaintCell(displayCol, displayRow);
}
