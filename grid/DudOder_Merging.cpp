#include "grid/DudOder.h"

#include "platform/core/SysUtils.h"

// Runs of equal neighbouring texts become merged cells; splitting gives
// every cell of a merged area back its own text.

void TDudStringGrid::MergeColumnCells(int32_t colIndex, bool mainMerge)
{
    int32_t start = FixedRows();
    int32_t run = 1;
    const int32_t last = RowCount() - FFixedFooters - 1;
    for (int32_t row = FixedRows() + 1; row <= last; ++row) {
        if (GetCellEx(colIndex, row) == GetCellEx(colIndex, row - 1) && (mainMerge || RowSpanIdentical(row, row - 1))) {
            ++run;
            continue;
        }
        if (run > 1)
            MergeCells(colIndex, start, 1, run);
        start = row;
        run = 1;
    }
    if (run > 1)
        MergeCells(colIndex, start, 1, run);
}

void TDudStringGrid::MergeRowCells(int32_t rowIndex, bool mainMerge)
{
    int32_t start = FixedCols();
    int32_t extra = 0;
    const int32_t last = ColCount() - FFixedRightCols - 1;
    for (int32_t col = FixedCols() + 1; col <= last; ++col) {
        if (GetCellEx(col, rowIndex) == GetCellEx(col - 1, rowIndex) && (mainMerge || ColSpanIdentical(col, col - 1))) {
            ++extra;
            continue;
        }
        // A lone cell gets its spans too, as a merge of one.
        MergeCells(start, rowIndex, extra + 1, 1);
        start = col;
        extra = 0;
    }
    if (extra >= 1)
        MergeCells(start, rowIndex, extra + 1, 1);
}

void TDudStringGrid::SplitColumnCells(int32_t colIndex)
{
    const int32_t end = RowCount() - FFixedFooters;
    for (int32_t row = 0; row < end;) {
        if (!IsYMergedCell(colIndex, row)) {
            ++row;
            continue;
        }
        const int32_t span = CellSpan(colIndex, row).Y;
        SplitCells(colIndex, row);
        row += span + 1;
    }
}

void TDudStringGrid::SplitRowCells(int32_t rowIndex)
{
    // The last column is walked as well: an area merged only down through
    // it is still one the row passes through.
    const int32_t end = ColCount() - FFixedRightCols;
    for (int32_t col = 0; col < end;) {
        if (!IsMergedCell(col, rowIndex)) {
            ++col;
            continue;
        }
        const int32_t span = CellSpan(col, rowIndex).X;
        SplitCells(col, rowIndex);
        col += span + 1;
    }
}

void TDudStringGrid::SplitAllCells()
{
    for (int32_t row = 0; row < RowCount(); ++row)
        for (int32_t col = 0; col < ColCount(); ++col)
            if (IsMergedCell(col, row))
                SplitCells(col, row);
}

void TDudStringGrid::MergeCols(int32_t colIndex1, int32_t colIndex2, const String& separator)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        SetCellEx(colIndex1, row, Trim(GetCellEx(colIndex1, row) + separator + GetCellEx(colIndex2, row)));
    RemoveCols(colIndex2, 1);
}
