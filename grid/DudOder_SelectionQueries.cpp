#include "grid/DudOder.h"

#include <algorithm>
#include <cstdlib>

// Questions about what is selected: single cells picked one by one, or the
// rectangular selection, rows and columns counted through merged cells.

namespace {

// A picked cell as one integer: the column in the low 16 bits, the row above.
int32_t CellKey(int32_t aCol, int32_t aRow)
{
    return static_cast<int32_t>((static_cast<uint32_t>(aRow) << 16) | (static_cast<uint32_t>(aCol) & 0xFFFFu));
}

TGridRect Ordered(const TGridRect& rect)
{
    return TGridRect { std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
        std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom) };
}

} // namespace

bool TDudStringGrid::GetSelectedCells(int32_t aCol, int32_t aRow) const
{
    if (FMouseActions->DisjunctCellSelect())
        return FSelectedCells->HasValue(CellKey(aCol, aRow));
    return Ordered(Selection()).Contains(aCol, aRow);
}

void TDudStringGrid::SetSelectedCells(int32_t aCol, int32_t aRow, bool value)
{
    const int32_t key = CellKey(aCol, aRow);
    const int32_t index = FSelectedCells->IndexOf(key);
    if (value && index < 0)
        FSelectedCells->Add(key);
    else if (!value && index >= 0)
        FSelectedCells->Delete(index);
    RepaintCell(aCol, aRow);
}

int32_t TDudStringGrid::SelectedCellsCount()
{
    if (FMouseActions->DisjunctCellSelect())
        return FSelectedCells->Count();
    FSelectedCells->Clear();
    const TGridRect selection = Ordered(Selection());
    if (selection.Left == selection.Right && selection.Top == selection.Bottom) {
        FSelectedCells->Add(CellKey(Col(), Row()));
        return FSelectedCells->Count();
    }
    for (int32_t column = selection.Left; column <= selection.Right; ++column)
        for (int32_t row = selection.Top; row <= selection.Bottom; ++row)
            if (!FSelectedCells->HasValue(CellKey(column, row)))
                FSelectedCells->Add(CellKey(column, row));
    return FSelectedCells->Count();
}

TGridCoord TDudStringGrid::SelectedCell(int32_t index) const
{
    const auto key = static_cast<uint32_t>(FSelectedCells->Items(index));
    return TGridCoord { static_cast<int32_t>(key & 0xFFFFu), static_cast<int32_t>(key >> 16) };
}

int32_t TDudStringGrid::SelectedColCount() const
{
    if (FMouseActions->DisjunctColSelect())
        return ColSelectCount();
    const TGridRect selection = Selection();
    const int32_t left = selection.Left;
    const int32_t top = selection.Top;
    const int32_t right = selection.Right;
    if (IsMergedCell(left, top) && left + CellSpan(left, top).X > right)
        return CellSpan(left, top).X + 1;
    if (IsMergedCell(right, top))
        return std::abs(left - right) + 1 + CellSpan(right, top).X;
    return std::abs(left - right) + 1;
}

int32_t TDudStringGrid::SelectedRowCount() const
{
    if (FMouseActions->DisjunctRowSelect())
        return FSelectedRows->Count();
    const TGridRect selection = Selection();
    const int32_t left = selection.Left;
    const int32_t top = selection.Top;
    // Footer rows are never part of a row selection.
    const int32_t bottom = std::min(selection.Bottom, RowCount() - FFixedFooters - 1);
    if (IsMergedCell(left, top) && top + CellSpan(left, top).Y > bottom)
        return CellSpan(left, top).Y + 1;
    if (IsMergedCell(left, bottom))
        return std::abs(top - bottom) + 1 + CellSpan(left, bottom).Y;
    return std::abs(top - bottom) + 1;
}

int32_t TDudStringGrid::SelectedRow(int32_t index) const
{
    if (FMouseActions->DisjunctRowSelect())
        return index >= 0 && index < FSelectedRows->Count() ? FSelectedRows->Items(index) : -1;
    const TGridRect selection = Ordered(Selection());
    return selection.Top + index <= selection.Bottom ? selection.Top + index : -1;
}

void TDudStringGrid::ClearSelectedCells()
{
    SetSelection(TGridRect { FixedCols(), FixedRows(), FixedCols(), FixedRows() });
    FSelectedCells->Clear();
    Invalidate();
}

void TDudStringGrid::ClearModifiedRows()
{
    FModifiedRows->Clear();
    Invalidate();
}

void TDudStringGrid::InvalidateCellRange(const TGridRect& range)
{
    InvalidateRect(range);
}
