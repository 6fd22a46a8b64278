#include "grid/DudOder.h"

#include <algorithm>

// Two index spaces per axis: display columns are those on screen, real
// columns are the cell store's; hiding never moves a column's cells.

bool TDudStringGrid::IsHiddenColumn(int32_t colIndex) const
{
    if (colIndex < 0 || colIndex >= MaxHideableColumns)
        return false;
    return !FVisibleCol[static_cast<size_t>(colIndex)];
}

int32_t TDudStringGrid::RemapColToDispl(int32_t realCol) const
{
    if (realCol >= MaxHideableColumns || FNumHidden == 0)
        return realCol;
    int32_t hiddenBefore = 0;
    for (int32_t column = 0; column < realCol; ++column)
        if (!FVisibleCol[static_cast<size_t>(column)])
            ++hiddenBefore;
    return realCol - hiddenBefore;
}

int32_t TDudStringGrid::RemapColToReal(int32_t displayCol) const
{
    if (displayCol >= MaxHideableColumns || FNumHidden == 0)
        return displayCol;
    int32_t shown = 0;
    for (int32_t column = 0; column < MaxHideableColumns; ++column) {
        if (!FVisibleCol[static_cast<size_t>(column)])
            continue;
        if (shown == displayCol)
            return column;
        ++shown;
    }
    // Past the shown columns: stay past them in the real space too, rather
    // than answering column 0 and writing into it.
    return displayCol + FNumHidden;
}

void TDudStringGrid::HideColumns(int32_t fromCol, int32_t toCol)
{
    HideInplaceEdit();
    for (int32_t column = fromCol; column <= toCol; ++column) {
        if (column < 0 || column >= MaxHideableColumns || IsHiddenColumn(column)
            || column >= ColCount() + FNumHidden || ColCount() <= 1)
            continue;
        const int32_t display = RemapColToDispl(column);
        FAllColWidths[static_cast<size_t>(column)] = static_cast<int16_t>(ColWidths(display));
        for (int32_t later = display + 1; later < ColCount(); ++later)
            SetColWidths(later - 1, ColWidths(later));
        ++FNumHidden;
        FVisibleCol[static_cast<size_t>(column)] = false;
        if (Col() == ColCount() - 1)
            TBaseGrid::SetCol(Col() - 1);
        // The store keeps the cells of real columns beyond the display count.
        TBaseGrid::SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TDudStringGrid::UnHideColumns(int32_t fromCol, int32_t toCol)
{
    HideInplaceEdit();
    for (int32_t column = std::max(fromCol, 0); column <= toCol && column < MaxHideableColumns; ++column) {
        if (!IsHiddenColumn(column))
            continue;
        --FNumHidden;
        FVisibleCol[static_cast<size_t>(column)] = true;
        TBaseGrid::SetColCount(ColCount() + 1);
        for (int32_t later = ColCount() - 1; later >= RemapColToDispl(column + 1); --later)
            SetColWidths(later, ColWidths(later - 1));
        SetColWidths(RemapColToDispl(column), FAllColWidths[static_cast<size_t>(column)]);
    }
    Invalidate();
}

void TDudStringGrid::SetRowEx(int32_t value)
{
    if (Col() < 0 || Col() >= ColCount())
        MoveColRow(FixedCols(), value, true, true);
    TBaseGrid::SetRow(value);
    if (Row() != FOldRowSel && OnRowChanged) {
        OnRowChanged(this, FOldRowSel, Row());
        FOldRowSel = Row();
    }
    if (FMouseActions->DisjunctRowSelect())
        SyncRowSelectFromSelection(false);
    if (FSyncGrid->Grid() && FSyncGrid->SelectionRow())
        FSyncGrid->Grid()->SetRow(Row());
    if (value == RowCount() - 1 && FSearchFooter->Visible())
        AdjustTopRowForSearchFooter();
}

void TDudStringGrid::SetTopRowEx(int32_t value)
{
    if (value < FixedRows() || value > RowCount() - 1)
        return;
    TBaseGrid::SetTopRow(value);
}

void TDudStringGrid::HideSelection()
{
    FOldSelection = Selection();
    TBaseGrid::SetSelection(TGridRect { ColCount(), RowCount(), ColCount(), RowCount() });
    FSelHidden = true;
}

void TDudStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        TBaseGrid::SetSelection(FOldSelection);
        return;
    }
    const int32_t top = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    const int32_t left = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    TBaseGrid::SetSelection(TGridRect { left, top, left, top });
}
