#include "grid/DudOder.h"

#include <algorithm>

// Calculations across a row, and numbering a column or a row.

double TDudStringGrid::RowSum(int32_t aRow, int32_t fromCol, int32_t toCol)
{
    double sum = 0;
    for (int32_t col = fromCol; col <= toCol; ++col) {
        if (IsMergedNonBaseCell(col, aRow))
            continue;
        try {
            sum += GetFloats(col, aRow);
        } catch (const EDudOderError&) {
        }
    }
    return sum;
}

double TDudStringGrid::RowAvg(int32_t aRow, int32_t fromCol, int32_t toCol)
{
    // An empty range has no average; zero, as for a column.
    const int32_t cols = toCol - fromCol + 1;
    return cols <= 0 ? 0 : RowSum(aRow, fromCol, toCol) / cols;
}

double TDudStringGrid::RowMin(int32_t aRow, int32_t fromCol, int32_t toCol)
{
    double result = GetFloats(fromCol, aRow);
    for (int32_t col = fromCol; col <= toCol; ++col) {
        if (IsMergedNonBaseCell(col, aRow))
            continue;
        try {
            result = std::min(result, GetFloats(col, aRow));
        } catch (const EDudOderError&) {
        }
    }
    return result;
}

double TDudStringGrid::RowMax(int32_t aRow, int32_t fromCol, int32_t toCol)
{
    double result = GetFloats(fromCol, aRow);
    for (int32_t col = fromCol; col <= toCol; ++col) {
        if (IsMergedNonBaseCell(col, aRow))
            continue;
        try {
            result = std::max(result, GetFloats(col, aRow));
        } catch (const EDudOderError&) {
        }
    }
    return result;
}

void TDudStringGrid::AutoNumberCol(int32_t aCol)
{
    if (RowCount() <= 0)
        return;
    const int32_t first = FixedRows() + FAutoNumberStart;
    const int32_t last = RowCount() - FFixedFooters - 1;
    for (int32_t row = first; row <= last; ++row) {
        const int32_t number = row - FixedRows() + 1 + FAutoNumberOffset;
        SetInts(aCol, FAutoNumberDirection == sdAscending ? row : FixedRows() + last - row, number);
    }
}

void TDudStringGrid::AutoNumberRow(int32_t aRow)
{
    const int32_t first = FixedCols() + FAutoNumberStart;
    const int32_t last = ColCount() - FFixedRightCols - 1;
    for (int32_t col = first; col <= last; ++col) {
        const int32_t number = col - FixedCols() + 1 + FAutoNumberOffset;
        SetInts(FAutoNumberDirection == sdAscending ? col : FixedCols() + last - col, aRow, number);
    }
}

bool TDudStringGrid::IsCell(const String& text, int32_t& aCol, int32_t& aRow) const
{
    for (int32_t row = 0; row < RowCount(); ++row) {
        for (int32_t col = 0; col < ColCount(); ++col) {
            if (GetGridCell(RemapColToReal(col), row) == text) {
                aCol = col;
                aRow = row;
                return true;
            }
        }
    }
    return false;
}

bool TDudStringGrid::IsWideCell(int32_t aCol, int32_t aRow) const
{
    return GetCellEx(aCol, aRow).startsWith(QLatin1String("|\\"));
}
