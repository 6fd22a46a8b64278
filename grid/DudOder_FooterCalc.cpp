#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

// The floating footer's totals: each column's calculation, kept in the cell
// properties of its cell in the last row, is worked out again whenever cells
// or the row count change, so the totals always describe the rows above.

void TDudStringGrid::DoCellsChanged(const TRect& cells)
{
    if (OnCellsChanged)
        OnCellsChanged(this, cells);
    // A notifier may unregister itself while it is told.
    const std::vector<TGridChangeNotifier*> notifiers = FNotifierList;
    for (TGridChangeNotifier* notifier : notifiers)
        if (std::find(FNotifierList.begin(), FNotifierList.end(), notifier) != FNotifierList.end())
            notifier->CellsChanged(cells);
    CalcFooter(-1);
}

void TDudStringGrid::RegisterNotifier(TGridChangeNotifier* notifier)
{
    if (notifier && std::find(FNotifierList.begin(), FNotifierList.end(), notifier) == FNotifierList.end())
        FNotifierList.push_back(notifier);
}

void TDudStringGrid::UnRegisterNotifier(TGridChangeNotifier* notifier)
{
    FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), notifier), FNotifierList.end());
}

void TDudStringGrid::CalcFooter(int32_t aCol)
{
    CalcFloatingFooter(aCol);
}

void TDudStringGrid::RecalcFooterColumn(int32_t aCol)
{
    CalcFooter(aCol);
}

void TDudStringGrid::CalcFloatingFooter(int32_t aCol)
{
    if (!FloatingFooterVisible() || FFloatingFooter->FooterStyle() != fsFixedLastRow
        || !FFloatingFooter->EnableCalculation())
        return;
    const int32_t footerRow = RowCount() - 1;
    const int32_t fromRow = FixedRows();
    int32_t toRow = RowCount() - 2;
    if (FFloatingFooter->CalculateHiddenRows())
        toRow += NumHiddenRows();
    const int32_t first = aCol < 0 ? 0 : aCol;
    const int32_t last = aCol < 0 ? AllColCount() - 1 : std::min(aCol, AllColCount() - 1);
    for (int32_t col = first; col <= last; ++col) {
        const TColumnCalcType type = FFloatingFooter->GetColumnCalc(col);
        switch (type) {
        case acNONE:
        case acSPREAD:
            break;
        case acCOUNT:
            SetInts(col, footerRow, std::max(0, toRow - fromRow + 1));
            break;
        case acCUSTOM: {
            String value;
            if (OnFooterCalc)
                OnFooterCalc(this, col, footerRow, value);
            else if (FFloatingFooter->OnCalcFooter)
                FFloatingFooter->OnCalcFooter(this, col, footerRow, value);
            SetCellEx(col, footerRow, value);
            break;
        }
        default:
            SetFloats(col, footerRow, FooterColumnValue(type, col, fromRow, toRow));
            break;
        }
    }
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

// Rows past the displayed ones are counted as real rows, hidden ones
// included; a cell that is not a number does not count, and an empty range
// gives 0 for every calculation.
double TDudStringGrid::FooterColumnValue(TColumnCalcType type, int32_t aCol, int32_t fromRow, int32_t toRow)
{
    const bool realRows = toRow > RowCount() - 2;
    if (type == acDISTINCT) {
        std::set<String> texts;
        for (int32_t row = fromRow; row <= toRow; ++row)
            texts.insert((realRows ? GetCellsEx(aCol, row) : GetCellEx(aCol, row)).toUpper());
        return static_cast<double>(texts.size());
    }
    std::vector<double> values;
    for (int32_t row = fromRow; row <= toRow; ++row) {
        const int32_t displayRow = realRows ? DisplRowIndex(row) : row;
        if (displayRow >= 0 && IsMergedCell(aCol, displayRow) && !IsBaseCell(aCol, displayRow))
            continue;
        try {
            values.push_back(realRows ? GetAllFloats(aCol, row) : GetFloats(aCol, row));
        } catch (const EDudOderError&) {
        }
    }
    double sum = 0;
    for (const double value : values)
        sum += value;
    const int32_t rows = toRow - fromRow + 1;
    switch (type) {
    case acSUM:
        return sum;
    case acAVG:
        return rows > 0 ? sum / rows : 0;
    case acMIN:
        return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
    case acMAX:
        return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    case acSTDDEV: {
        if (rows <= 0)
            return 0;
        const double average = sum / rows;
        double squares = 0;
        for (const double value : values)
            squares += (value - average) * (value - average);
        return std::sqrt(squares / rows);
    }
    default:
        return 0;
    }
}
