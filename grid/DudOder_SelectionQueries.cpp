#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/RovIvir.h"

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

bool TDudStringGrid::IsSelected(int32_t aCol, int32_t aRow) const
{
    if (aRow < FixedRows() || aCol < FixedCols())
        return false;
    if (FMouseActions->DisjunctCellSelect())
        return FSelectedCells->HasValue(CellKey(aCol, aRow));
    const auto flagged = [](const std::vector<uint8_t>& flags, int32_t index) {
        return index >= 0 && static_cast<size_t>(index) < flags.size() && flags[static_cast<size_t>(index)] == 1;
    };
    if (FMouseActions->DisjunctRowSelect())
        return flagged(FRowSelect, FMouseActions->RowSelectPersistent() ? RemapRowToReal(aRow) : aRow);
    if (FMouseActions->DisjunctColSelect())
        return flagged(FColSelect, aCol);
    return Ordered(Selection()).Contains(aCol, aRow);
}

void TDudStringGrid::SelectCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow)
{
    SetSelection(TGridRect { fromCol, fromRow, toCol, toRow });
}

String TDudStringGrid::SelectedText()
{
    TGridRect rect = Ordered(Selection());
    if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows()) {
        rect.Left = 0;
        rect.Right = ColCount() - 1;
    }
    std::vector<int32_t> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int32_t row = FixedRows(); row < RowCount(); ++row)
            if (GetRowSelect(FMouseActions->RowSelectPersistent() ? RemapRowToReal(row) : row))
                rows.push_back(row);
    } else {
        for (int32_t row = rect.Top; row <= rect.Bottom; ++row)
            rows.push_back(row);
    }
    String text;
    for (size_t index = 0; index < rows.size(); ++index) {
        const int32_t row = rows[index];
        if (index > 0)
            text += QLatin1String("\r\n");
        for (int32_t col = rect.Left; col <= rect.Right; ++col) {
            const int32_t realCol = RemapColToReal(col);
            String value = GetCellEx(realCol, row);
            if (value.contains(QLatin1String("{\\"))) {
                CellToRich(realCol, row, RichEdit());
                value = RichEdit()->Text();
            }
            if (FExcelClipboardFormat && CountLines(value, Multilinecells()) > 1)
                QuoteMultiLine(value);
            if (col > rect.Left)
                text += QLatin1Char('\t');
            text += value;
        }
    }
    return text;
}
