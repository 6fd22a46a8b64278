#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_SearchPanel.h"
#include "grid/DudOder_Settings.h"

#include <algorithm>
#include <vector>

// Rows and columns removed, inserted, cleared and trimmed. What belongs to a
// row or a column goes with it: cell properties, heights and widths, hidden
// columns and stored hidden rows, the modified, enabled and selected marks,
// the controls placed in cells, and the floating footer, which stays the
// last row.

namespace {

TGridItem& StoredRow(const TCollection& items, int32_t index)
{
    return *static_cast<TGridItem*>(items.Items(index));
}

// Entries at the given indexes (ascending) leave the list.
template <class List>
void DeleteEntries(List& list, const std::vector<int32_t>& indexes, int32_t count)
{
    for (auto index = indexes.rbegin(); index != indexes.rend(); ++index)
        if (*index < count)
            list.Delete(*index);
}

void DeleteFlags(std::vector<uint8_t>& flags, const std::vector<int32_t>& indexes)
{
    for (auto index = indexes.rbegin(); index != indexes.rend(); ++index)
        if (*index < static_cast<int32_t>(flags.size()))
            flags.erase(flags.begin() + *index);
}

} // namespace

// The floating footer is out of the way while rows move under it, so that
// the row count setter does not carry it; it comes back as it was.
class TDudStringGrid::TFooterHold {
public:
    explicit TFooterHold(TDudStringGrid& grid)
        : FGrid(grid), FVisible(grid.FloatingFooterVisible()), FFixedFooters(grid.FFixedFooters)
    {
        if (FVisible)
            FGrid.FFloatingFooter->SetVisible(false);
    }
    ~TFooterHold()
    {
        if (FVisible)
            FGrid.FFloatingFooter->SetVisible(true);
        FGrid.FFixedFooters = FFixedFooters;
    }
    TFooterHold(const TFooterHold&) = delete;
    TFooterHold& operator=(const TFooterHold&) = delete;

    int32_t FixedFooters() const { return FFixedFooters; }

private:
    TDudStringGrid& FGrid;
    bool FVisible;
    int32_t FFixedFooters;
};

void TDudStringGrid::EmptyRowCells(int32_t aRow)
{
    for (int32_t column = 0; column < AllColCount(); ++column) {
        FreeCellProps(column, aRow);
        if (!GetGridCell(column, aRow).isEmpty())
            SetGridCell(column, aRow, String());
    }
}

// The store's rows move as a whole (texts, objects and height), so an edit
// at the top of a long grid costs one move of the row list.
void TDudStringGrid::MoveStoreRow(int32_t fromIndex, int32_t toIndex)
{
    if (fromIndex == toIndex)
        return;
    // No event, and no move of a synchronised grid: the row only makes room.
    const TMovedEvent moved = OnRowMoved;
    const bool synced = FSyncedMove;
    OnRowMoved = nullptr;
    FSyncedMove = true;
    try {
        TBaseGrid::MoveRow(fromIndex, toIndex);
    } catch (...) {
        OnRowMoved = moved;
        FSyncedMove = synced;
        throw;
    }
    OnRowMoved = moved;
    FSyncedMove = synced;
}

void TDudStringGrid::ShiftCellControls(int32_t fromRealRow, int32_t delta)
{
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        TControlItem* item = FControlList->Control(index);
        if (item->Y() >= fromRealRow)
            item->SetY(item->Y() + delta);
    }
}

void TDudStringGrid::DropCellControls(int32_t fromRealRow, int32_t toRealRow)
{
    for (int32_t index = FControlList->Count() - 1; index >= 0; --index) {
        TControlItem* item = FControlList->Control(index);
        if (item->Y() < fromRealRow || item->Y() > toRealRow)
            continue;
        if (item->Control())
            item->Control()->SetVisible(false);
        FControlList->RemoveControl(index);
    }
}

// The one removal under every variant: rows leave the store and the side
// lists; trueRemoval also closes the gap in the real row indexes (the marks
// kept by real row, the stored hidden rows, the cell controls), which a row
// that is only hidden or moved keeps.
void TDudStringGrid::RemoveRowRange(int32_t rowIndex, int32_t count, bool trueRemoval, bool freeCells)
{
    count = std::min(count, RowCount() - rowIndex);
    if (rowIndex < 0 || count <= 0)
        return;
    std::vector<int32_t> realRows;
    for (int32_t row = rowIndex; row < rowIndex + count; ++row)
        realRows.push_back(RemapRowToReal(row));
    if (freeCells)
        FreeCellPropsInRect(0, rowIndex, AllColCount() - 1, rowIndex + count - 1);

    const bool entered = FEntered;
    FEntered = false;
    BeginUpdate();
    const int32_t topRow = TopRow();
    const int32_t currentRow = Row();
    try {
        TFooterHold footer(*this);
        if (trueRemoval) {
            DropCellControls(realRows.front(), realRows.back());
            ShiftCellControls(realRows.back() + 1, -count);
            for (int32_t index = 0; index < FGridItems->Count(); ++index) {
                TGridItem& item = StoredRow(*FGridItems, index);
                const auto below = std::count_if(realRows.begin(), realRows.end(), [&](int32_t real) { return real < item.Idx(); });
                item.SetIdx(item.Idx() - static_cast<int32_t>(below));
            }
            DeleteEntries(*FModifiedRows, realRows, FModifiedRows->Count());
            DeleteEntries(*FEnabledRows, realRows, FEnabledRows->Count());
        }
        if (FMouseActions->RowSelectPersistent()) {
            if (trueRemoval)
                DeleteFlags(FRowSelect, realRows);
        } else {
            std::vector<int32_t> displayRows(static_cast<size_t>(count));
            for (int32_t offset = 0; offset < count; ++offset)
                displayRows[static_cast<size_t>(offset)] = rowIndex + offset;
            DeleteFlags(FRowSelect, displayRows);
        }
        for (int32_t offset = 0; offset < count; ++offset) {
            if (freeCells)
                EmptyRowCells(rowIndex);
            MoveStoreRow(rowIndex, RowCount() - 1);
        }
        // The rows now past the end are gone with the count; nothing of
        // them comes back when the grid grows again.
        for (int32_t row = RowCount() - count; row < RowCount(); ++row)
            for (int32_t column = 0; column < AllColCount(); ++column)
                if (!GetGridCell(column, row).isEmpty())
                    SetGridCell(column, row, String());
        SetRowCount(std::max(RowCount() - count, 1));
        FMaxRowCount = std::max(FMaxRowCount - count, RowCount());
        const int32_t footers = footer.FixedFooters();
        if (currentRow < RowCount() - footers) {
            if (!FMouseActions->DisjunctRowSelect() && currentRow >= FixedRows())
                SetRowEx(currentRow);
            SetTopRowEx(std::min(topRow, RowCount() - 1));
        } else if (FixedRows() < RowCount() - footers) {
            SetRowEx(RowCount() - footers - 1);
            FSelHidden = false;
        } else {
            HideSelection();
        }
    } catch (...) {
        EndUpdate();
        FEntered = entered;
        throw;
    }
    EndUpdate();
    FEntered = entered;
    DoCellsChanged(TRect { 0, rowIndex, ColCount() - 1, rowIndex + count });
    if (TopRow() >= RowCount() + FixedRows() - VisibleRowCount() - 2 && RowCount() - VisibleRowCount() - 1 > 0)
        SetTopRowEx(RowCount() + FixedRows() - VisibleRowCount() - 2);
    CellControlsUpdate(false);
    if (FSearchFooter->Visible() && FSearchPanel)
        FSearchPanel->Invalidate();
}

void TDudStringGrid::RemoveRows(int32_t rowIndex, int32_t count)
{
    if (rowIndex > RowCount() || count <= 0)
        return;
    RemoveRowRange(rowIndex, count, true, true);
}

// Rows whose cells were taken elsewhere (hidden or moved): nothing of them
// is freed.
void TDudStringGrid::RemoveRowsEx(int32_t rowIndex, int32_t count)
{
    const int32_t currentRow = Row();
    const int32_t topRow = TopRow();
    RemoveRowRange(rowIndex, count, false, false);
    // The cursor stays on its row number; when that row is gone it starts
    // again at the first normal row.
    if (currentRow < RowCount()) {
        if (currentRow >= FixedRows())
            SetRowEx(currentRow);
        SetTopRowEx(std::min(topRow, RowCount() - 1));
    } else if (FixedRows() < RowCount()) {
        SetRowEx(FixedRows());
        SetTopRowEx(FixedRows());
        FSelHidden = false;
    }
}

void TDudStringGrid::RemoveRowsPlain(int32_t aRow, int32_t count)
{
    if (aRow >= RowCount() || count <= 0)
        return;
    RemoveRowRange(aRow, count, true, true);
}

// Whole-row selection is off while the rows go, so that the moves of the
// current row select no range; with nodes the cursor leaves the node column.
void TDudStringGrid::DeleteRowRange(int32_t fromRow, int32_t count, bool withControls)
{
    if (fromRow >= RowCount() || count <= 0)
        return;
    const bool rowSelect = Options().Contains(goRowSelect) && FixedRows() < RowCount() - 1;
    if (rowSelect)
        SetOptions(Options() - TGridOptions { goRowSelect });
    if (HasNodes() && Row() < RowCount())
        SetCol(FixedCols());
    try {
        RemoveRowRange(fromRow, count, withControls, withControls);
    } catch (...) {
        if (rowSelect)
            SetOptions(Options() + TGridOptions { goRowSelect });
        throw;
    }
    const bool noRowLeft = Row() >= RowCount() && FixedRows() < RowCount();
    if (noRowLeft)
        FocusCell(FixedCols(), FixedRows());
    if (rowSelect)
        SetOptions(Options() + TGridOptions { goRowSelect });
    if (noRowLeft) {
        // Nothing left to stand on: the cursor waits at the first normal
        // cell, out of sight, for the next row to come.
        HideSelection();
        FSelHidden = false;
    }
}

// Empty rows open at fromRow; the rows from there on move down with all
// they hold, the floating footer staying last.
void TDudStringGrid::InsertRowRange(int32_t fromRow, int32_t count, bool withControls)
{
    (void)withControls;
    if (count <= 0)
        return;
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    const bool footer = FloatingFooterVisible();
    fromRow = std::clamp(fromRow, 0, RowCount());
    BeginUpdate();
    try {
        SetRowCount(RowCount() + count);
        // The new rows are the last ones, before the footer when it shows.
        const int32_t lastNew = footer ? RowCount() - 2 : RowCount() - 1;
        for (int32_t offset = 0; offset < count; ++offset) {
            MoveStoreRow(lastNew, fromRow);
            EmptyRowCells(fromRow);
            SetRowHeights(fromRow, DefaultRowHeight());
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if ((ComponentState() & csDestroying) == 0)
        DoCellsChanged(TRect { 0, fromRow, ColCount() - 1, fromRow + count });
}

// A new row shifts the real indexes after it: the marks kept by real row,
// the stored hidden rows and the cell controls below move along.
void TDudStringGrid::InsertRows(int32_t rowIndex, int32_t count, bool updateCellControls)
{
    if (count <= 0)
        return;
    const int32_t realRow = rowIndex < RowCount() ? RemapRowToReal(rowIndex) : RemapRowToReal(RowCount() - 1) + 1;
    InsertRowRange(rowIndex, count, updateCellControls);
    for (int32_t offset = 0; offset < count; ++offset) {
        if (realRow <= FModifiedRows->Count())
            FModifiedRows->Insert(realRow, 0);
        if (realRow <= FEnabledRows->Count())
            FEnabledRows->Insert(realRow, 0);
    }
    if (FMouseActions->RowSelectPersistent() && realRow <= static_cast<int32_t>(FRowSelect.size()))
        FRowSelect.insert(FRowSelect.begin() + realRow, static_cast<size_t>(count), 0);
    else if (!FMouseActions->RowSelectPersistent() && rowIndex <= static_cast<int32_t>(FRowSelect.size()))
        FRowSelect.insert(FRowSelect.begin() + rowIndex, static_cast<size_t>(count), 0);
    for (int32_t index = 0; index < FGridItems->Count(); ++index) {
        TGridItem& item = StoredRow(*FGridItems, index);
        if (item.Idx() >= realRow)
            item.SetIdx(item.Idx() + count);
    }
    if (updateCellControls && FControlList->Count() > 0) {
        ShiftCellControls(realRow, count);
        CellControlsUpdate(false);
    }
}

void TDudStringGrid::AddRow()
{
    if (FloatingFooterVisible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (FFloatingFooter->FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
    } else {
        InsertRows(RowCount(), 1, true);
        ClearRows(RowCount() - 1, 1);
    }
}

void TDudStringGrid::AddColumn()
{
    InsertCols(ColCount(), 1);
}

// ---- columns

void TDudStringGrid::SetColumnLayout(const std::vector<uint8_t>& visible, const std::vector<int32_t>& widths)
{
    int32_t hidden = 0;
    for (size_t column = 0; column < visible.size(); ++column) {
        if (column < FVisibleCol.size())
            FVisibleCol[column] = visible[column] != 0;
        if (visible[column] == 0)
            ++hidden;
    }
    for (size_t column = visible.size(); column < FVisibleCol.size(); ++column)
        FVisibleCol[column] = true;
    FNumHidden = hidden;
    SetColCount(std::max(static_cast<int32_t>(visible.size()) - hidden, 1));
    for (size_t column = 0; column < widths.size(); ++column)
        SetAllColWidths(static_cast<int32_t>(column), widths[column]);
}

void TDudStringGrid::ColumnLayout(std::vector<uint8_t>& visible, std::vector<int32_t>& widths) const
{
    const int32_t all = AllColCount();
    visible.resize(static_cast<size_t>(all));
    widths.resize(static_cast<size_t>(all));
    for (int32_t column = 0; column < all; ++column) {
        visible[static_cast<size_t>(column)] = IsHiddenColumn(column) ? 0 : 1;
        widths[static_cast<size_t>(column)] = GetAllColWidths(column);
    }
}

void TDudStringGrid::RemoveCols(int32_t colIndex, int32_t count)
{
    count = std::min(count, AllColCount() - colIndex);
    if (colIndex < 0 || count <= 0)
        return;
    std::vector<uint8_t> visible;
    std::vector<int32_t> widths;
    ColumnLayout(visible, widths);
    const int32_t all = AllColCount();
    BeginUpdate();
    try {
        const bool saveHidden = FSaveHiddenCells;
        FSaveHiddenCells = false;
        ClearRect(colIndex, 0, colIndex + count - 1, RowCount() - 1);
        FSaveHiddenCells = saveHidden;
        // Properties a text-only clear kept go with their column.
        FreeCellPropsInRect(colIndex, 0, colIndex + count - 1, RowCount() - 1);
        // The cells after the removed ones move left with their objects in
        // one pass over the rows; the whole grid is repainted below.
        RemoveRowCells(colIndex, count, all);
        // The stored hidden rows keep their cells by real column too.
        for (int32_t index = 0; index < FGridItems->Count(); ++index) {
            TStringList& cells = StoredRow(*FGridItems, index).Items();
            for (int32_t column = std::min(colIndex + count, cells.Count()) - 1; column >= colIndex; --column) {
                std::unique_ptr<TCellProperties>(static_cast<TCellProperties*>(cells.Objects(column)));
                cells.Delete(column);
            }
        }
        visible.erase(visible.begin() + colIndex, visible.begin() + colIndex + count);
        widths.erase(widths.begin() + colIndex, widths.begin() + colIndex + count);
        SetColumnLayout(visible, widths);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    DoCellsChanged(TRect { colIndex, 0, colIndex + count, RowCount() - 1 });
}

void TDudStringGrid::InsertCols(int32_t colIndex, int32_t count)
{
    if (count <= 0)
        return;
    std::vector<uint8_t> visible;
    std::vector<int32_t> widths;
    ColumnLayout(visible, widths);
    const int32_t all = AllColCount();
    colIndex = std::clamp(colIndex, 0, all);
    BeginUpdate();
    try {
        SetColCount(ColCount() + count);
        for (int32_t row = 0; row < RowCount(); ++row) {
            for (int32_t column = all - 1; column >= colIndex; --column) {
                SetGridCell(column + count, row, GetGridCell(column, row));
                SetGridCell(column, row, String());
                if (TCellProperties* props = GetGridObject(column, row)) {
                    TObjStringGrid::SetObjects(column, row, nullptr);
                    TObjStringGrid::SetObjects(column + count, row, props);
                }
            }
        }
        for (int32_t index = 0; index < FGridItems->Count(); ++index) {
            TStringList& cells = StoredRow(*FGridItems, index).Items();
            for (int32_t offset = 0; offset < count && colIndex <= cells.Count(); ++offset)
                cells.Insert(colIndex, String());
        }
        visible.insert(visible.begin() + colIndex, static_cast<size_t>(count), 1);
        widths.insert(widths.begin() + colIndex, static_cast<size_t>(count), DefaultColWidth());
        SetColumnLayout(visible, widths);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- clearing, trimming, colouring

void TDudStringGrid::ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2)
{
    const bool destroying = (ComponentState() & csDestroying) != 0;
    for (int32_t row = aRow1; row <= aRow2; ++row) {
        for (int32_t displayCol = aCol1; displayCol <= aCol2; ++displayCol) {
            const int32_t column = FSaveHiddenCells ? RemapColToReal(displayCol) : displayCol;
            if (!FClearTextOnly && HasCellProps(column, row)) {
                if (FNilObjects) {
                    TObjStringGrid::SetObjects(column, row, nullptr);
                } else {
                    RemoveCellGraphic(column, row);
                    FreeCellProps(column, row);
                }
            }
            if (!destroying && !GetGridCell(column, row).isEmpty()) {
                SetCellEx(column, row, String());
                if (column != displayCol)
                    RepaintCell(displayCol, row);
            }
        }
    }
    if (destroying || FBlockCellChange)
        return;
    DoCellsChanged(TRect { RemapColToReal(aCol1), aRow1, RemapColToReal(aCol2), aRow2 });
}

void TDudStringGrid::ClearRows(int32_t rowIndex, int32_t count)
{
    if (RowCount() > 0 && ColCount() > 0 && count > 0)
        ClearRect(0, rowIndex, AllColCount() - 1, rowIndex + count - 1);
}

void TDudStringGrid::ClearCols(int32_t colIndex, int32_t count)
{
    if (RowCount() > 0 && ColCount() > 0 && count > 0)
        ClearRect(colIndex, 0, colIndex + count - 1, RowCount() - 1);
}

void TDudStringGrid::ClearNormalRows(int32_t rowIndex, int32_t count)
{
    if (RowCount() > 0 && ColCount() > 0 && count > 0)
        ClearRect(FixedCols(), rowIndex, AllColCount() - FFixedRightCols - 1, rowIndex + count - 1);
}

void TDudStringGrid::ClearNormalCols(int32_t colIndex, int32_t count)
{
    if (RowCount() > 0 && ColCount() > 0 && count > 0)
        ClearRect(colIndex, FixedRows(), colIndex + count - 1, RowCount() - FFixedFooters - 1);
}

// A cleared grid keeps no node: rows hidden inside a contracted node would
// stay stored with nothing left to open them.
void TDudStringGrid::ClearNormalCells()
{
    if (RowCount() <= 0 || ColCount() <= 0)
        return;
    if (FixedCols() == 0 && HasNodes())
        RemoveAllNodes();
    ClearRect(FixedCols(), FixedRows(), AllColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TDudStringGrid::Clear()
{
    if (HasNodes() && (ComponentState() & csDestroying) == 0)
        RemoveAllNodes();
    if (RowCount() > 0 && ColCount() > 0)
        ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
    SearchInc.clear();
    if (FNumHidden > 0)
        Invalidate();
}

void TDudStringGrid::ClearAll()
{
    Clear();
    for (int32_t index = 0; index < FGridItems->Count(); ++index)
        StoredRow(*FGridItems, index).Items().Clear();
}

void TDudStringGrid::ClearSelection()
{
    if (FMouseActions->DisjunctRowSelect()) {
        for (int32_t row = FixedRows(); row < RowCount(); ++row)
            if (GetRowSelect(FMouseActions->RowSelectPersistent() ? RemapRowToReal(row) : row))
                ClearRows(row, 1);
        return;
    }
    if (FMouseActions->DisjunctColSelect()) {
        for (int32_t col = FixedCols(); col < ColCount(); ++col)
            if (GetColSelect(col))
                ClearCols(col, 1);
        return;
    }
    const TGridRect selection = Selection();
    ClearRect(std::min(selection.Left, selection.Right), std::min(selection.Top, selection.Bottom),
        std::max(selection.Left, selection.Right), std::max(selection.Top, selection.Bottom));
}

void TDudStringGrid::TrimRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2)
{
    for (int32_t row = aRow1; row <= aRow2; ++row) {
        for (int32_t displayCol = aCol1; displayCol <= aCol2; ++displayCol) {
            const int32_t column = FSaveHiddenCells ? RemapColToReal(displayCol) : displayCol;
            const String text = GetCellEx(column, row);
            const String trimmed = Trim(text);
            if (trimmed != text)
                SetCellEx(column, row, trimmed);
        }
    }
}

void TDudStringGrid::TrimColumn(int32_t aCol)
{
    TrimRect(aCol, 0, aCol, RowCount() - 1);
}

void TDudStringGrid::TrimRow(int32_t aRow)
{
    TrimRect(0, aRow, ColCount() - 1, aRow);
}

void TDudStringGrid::TrimAll()
{
    TrimRect(0, 0, ColCount() - 1, RowCount() - 1);
}

void TDudStringGrid::ColorRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2, TColor color)
{
    for (int32_t row = aRow1; row <= aRow2; ++row)
        for (int32_t col = aCol1; col <= aCol2; ++col)
            SetColors(col, row, color);
}

// ---- removing and hiding by check box, duplicates and selection

void TDudStringGrid::RemoveCheckedRows(int32_t checkBoxColumn, bool removeChecked)
{
    BeginUpdate();
    try {
        for (int32_t row = RowCount() - 1; row >= FixedRows(); --row)
            if (IsChecked(checkBoxColumn, row) == removeChecked)
                RemoveRows(row, 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDudStringGrid::RemoveDuplicates(int32_t aCol, bool doCase)
{
    (void)doCase;
    const int32_t column = RemapColToReal(aCol);
    std::vector<String> seen;
    BeginUpdate();
    try {
        int32_t row = FixedRows();
        while (row < RowCount() - FFixedFooters) {
            const String key = GetGridCell(column, row).toUpper();
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
                RemoveRowsPlain(row, 1);
            } else {
                seen.push_back(key);
                ++row;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TDudStringGrid::IsRowSelectedForRemoval(int32_t aRow)
{
    return GetRowSelect(FMouseActions->RowSelectPersistent() ? RemapRowToReal(aRow) : aRow);
}

void TDudStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    try {
        if (FMouseActions->DisjunctRowSelect()) {
            std::vector<int32_t> rows;
            for (int32_t row = RowCount() - FFixedFooters - 1; row >= FixedRows(); --row)
                if (IsRowSelectedForRemoval(row))
                    rows.push_back(row);
            for (int32_t row : rows)
                RemoveRowsPlain(row, 1);
            ClearRowSelect();
        } else {
            const TGridRect selection = Selection();
            for (int32_t row = std::max(selection.Top, selection.Bottom); row >= std::min(selection.Top, selection.Bottom); --row)
                RemoveRowsPlain(row, 1);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDudStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    try {
        for (int32_t row = RowCount() - FFixedFooters - 1; row >= FixedRows(); --row)
            if (!GetRowSelect(row))
                RemoveRowsPlain(row, 1);
        if (FMouseActions->RowSelectPersistent())
            SelectRows(FixedRows(), RowCount() - FixedRows());
        else
            ClearRowSelect();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// Columns are removed by their real index, one at a time from the right,
// so that a hidden column is never taken for the displayed one beside it.
void TDudStringGrid::RemoveDisplayedCols(int32_t fromCol, int32_t toCol)
{
    for (int32_t col = toCol; col >= fromCol; --col)
        RemoveCols(RemapColToReal(col), 1);
}

void TDudStringGrid::RemoveSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int32_t col = ColCount() - 1; col >= FixedCols(); --col) {
            if (!GetColSelect(col))
                continue;
            RemoveDisplayedCols(col, col);
            if (col < static_cast<int32_t>(FColSelect.size()))
                FColSelect.erase(FColSelect.begin() + col);
        }
        return;
    }
    const TGridRect selection = Selection();
    RemoveDisplayedCols(std::min(selection.Left, selection.Right), std::max(selection.Left, selection.Right));
}

void TDudStringGrid::RemoveUnSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int32_t col = ColCount() - 1; col >= FixedCols(); --col) {
            if (GetColSelect(col))
                continue;
            RemoveDisplayedCols(col, col);
            if (col < static_cast<int32_t>(FColSelect.size()))
                FColSelect.erase(FColSelect.begin() + col);
        }
    } else {
        const TGridRect selection = Selection();
        RemoveDisplayedCols(std::max(selection.Left, selection.Right) + 1, ColCount() - 1);
        RemoveDisplayedCols(FixedCols(), std::min(selection.Left, selection.Right) - 1);
    }
    ClearColSelect();
}

void TDudStringGrid::HideSelectedRows()
{
    BeginUpdate();
    try {
        for (int32_t row = RowCount() - 1; row >= FixedRows(); --row) {
            if (IsRowSelectedForRemoval(row)) {
                const int32_t real = RealRowIndex(row);
                HideRows(real, real);
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDudStringGrid::HideUnSelectedRows()
{
    BeginUpdate();
    try {
        int32_t row = FixedRows();
        while (row < RowCount()) {
            if (GetRowSelect(row)) {
                ++row;
                continue;
            }
            const int32_t real = RealRowIndex(row);
            const int32_t before = RowCount();
            HideRows(real, real);
            if (RowCount() == before)
                ++row;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
