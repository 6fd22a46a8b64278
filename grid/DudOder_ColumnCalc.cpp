#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"

#include <cmath>
#include <set>

// The column calculations shared by the floating footer, the group summaries
// and the application: sum, average, minimum, maximum, distinct count,
// standard deviation and the custom calculation.
//
// A range past the displayed rows is read in real rows, hidden rows
// included; the footer asks for real rows whenever it counts hidden rows,
// so its own row never enters its sum.

void TDudStringGrid::NormalizeCalcRange(int32_t& fromRow, int32_t& toRow) const
{
    if (fromRow == -1)
        fromRow = FixedRows();
    if (toRow == -1)
        toRow = RowCount() - FFixedFooters - 1;
}

bool TDudStringGrid::CalcRowsAreReal(int32_t toRow) const
{
    return FloatingFooterVisible() ? toRow >= RowCount() : toRow > RowCount();
}

bool TDudStringGrid::CalcCountsRow(int32_t aCol, int32_t displayRow, bool hidden)
{
    if (FGroupColumn != -1 && !hidden && (IsNode(displayRow) || IsSummary(displayRow)))
        return false;
    return hidden || !IsMergedNonBaseCell(aCol, displayRow);
}

double TDudStringGrid::CalcFloat(int32_t aCol, int32_t aRow, bool realRows) const
{
    return realRows ? GetAllFloats(aCol, aRow) : GetFloats(aCol, aRow);
}

void TDudStringGrid::VisitCalcValues(int32_t aCol, int32_t fromRow, int32_t toRow, bool realRows,
    const std::function<void(double)>& visit)
{
    ExportNotification(esExportStart, fromRow);
    for (int32_t row = fromRow; row <= toRow; ++row) {
        const bool hidden = realRows && IsHiddenRow(row);
        const int32_t displayRow = realRows ? DisplRowIndex(row) : row;
        if (!CalcCountsRow(aCol, displayRow, hidden))
            continue;
        double value = 0;
        try {
            value = CalcFloat(aCol, row, realRows);
        } catch (const EDudOderError&) {
            continue;
        }
        ExportNotification(esExportNextRow, row);
        visit(value);
    }
    ExportNotification(esExportDone, -1);
}

double TDudStringGrid::CalcColumn(TColumnCalcType type, int32_t aCol, int32_t fromRow, int32_t toRow, bool realRows)
{
    NormalizeCalcRange(fromRow, toRow);
    const int32_t rows = toRow - fromRow + 1;
    switch (type) {
    case acSUM: {
        double sum = 0;
        VisitCalcValues(aCol, fromRow, toRow, realRows, [&](double value) { sum += value; });
        return sum;
    }
    case acAVG:
        return rows <= 0 ? 0 : CalcColumn(acSUM, aCol, fromRow, toRow, realRows) / rows;
    case acMIN:
    case acMAX: {
        // The first row sets out the value whatever it holds.
        double result = CalcFloat(aCol, fromRow, realRows);
        VisitCalcValues(aCol, fromRow, toRow, realRows, [&](double value) {
            if (type == acMIN ? value < result : value > result)
                result = value;
        });
        return result;
    }
    case acDISTINCT: {
        std::set<String> texts;
        for (int32_t row = fromRow; row <= toRow; ++row)
            texts.insert((realRows ? GetCellsEx(aCol, row) : GetCellEx(aCol, row)).toUpper());
        return static_cast<double>(texts.size());
    }
    case acSTDDEV: {
        if (rows <= 0)
            return 0;
        const double average = CalcColumn(acAVG, aCol, fromRow, toRow, realRows);
        double squares = 0;
        for (int32_t row = fromRow; row <= toRow; ++row) {
            const double deviation = CalcFloat(aCol, row, realRows) - average;
            squares += deviation * deviation;
        }
        return std::sqrt(squares / rows);
    }
    case acCUSTOM:
        return ColumnCustomCalc(aCol, fromRow, toRow);
    case acNONE:
    case acCOUNT:
    case acSPREAD:
        break;
    }
    return 0;
}

double TDudStringGrid::ColumnSum(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acSUM, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnAvg(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acAVG, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnMin(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acMIN, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnMax(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acMAX, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnDistinct(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acDISTINCT, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnStdDev(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    NormalizeCalcRange(fromRow, toRow);
    return CalcColumn(acSTDDEV, aCol, fromRow, toRow, CalcRowsAreReal(toRow));
}

double TDudStringGrid::ColumnCustomCalc(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    double result = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, aCol, fromRow, toRow, result);
    return result;
}

double TDudStringGrid::DoGroupCalc(int32_t aCol, int32_t fromRow, int32_t toRow)
{
    double result = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, aCol, fromRow, toRow, result);
    return result;
}
