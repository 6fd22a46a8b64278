#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// The floating footer's totals: each column's calculation, kept in the cell
// properties of its cell in the last row, is worked out again whenever cells
// or the row count change, so the totals always describe the rows above.
// The calculations themselves are the grid's column calculations
// (DudOder_ColumnCalc.cpp), which the group summaries use as well. Also the
// position queries of the mouse code.

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
    const int32_t hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
    // With hidden rows the range is read in real rows, where the footer row
    // comes last, so the footer never counts itself.
    const bool realRows = hidden > 0;
    const int32_t fromRow = FixedRows();
    const int32_t toRow = footerRow - 1 + hidden;
    const int32_t first = aCol < 0 ? 0 : aCol;
    const int32_t last = aCol < 0 ? AllColCount() - 1 : std::min(aCol, AllColCount() - 1);
    for (int32_t col = first; col <= last; ++col) {
        const TColumnCalcType type = FFloatingFooter->GetColumnCalc(col);
        try {
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
                    OnFooterCalc(this, col, footerRow + hidden, value);
                else if (FFloatingFooter->OnCalcFooter)
                    FFloatingFooter->OnCalcFooter(this, col, footerRow + hidden, value);
                SetCellEx(col, footerRow, value);
                break;
            }
            case acSUM:
            case acAVG:
            case acMIN:
            case acMAX:
            case acDISTINCT:
            case acSTDDEV:
                SetFloats(col, footerRow, CalcColumn(type, col, fromRow, toRow, realRows));
                break;
            }
        } catch (const EDudOderError&) {
            // A column whose first row or any row of a deviation holds no
            // number keeps the total it had; painting goes on.
        }
    }
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

void TDudStringGrid::UpdateFooter()
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

void TDudStringGrid::LastRowChanged()
{
    TBaseGrid::LastRowChanged();
    UpdateFooter();
}

void TDudStringGrid::ScreenToCell(TPoint point, int32_t& aCol, int32_t& aRow)
{
    const TPoint client = ScreenToClient(point);
    MouseToCell(client.X, client.Y, aCol, aRow);
}

bool TDudStringGrid::IsOnSizingBorder(int32_t x, int32_t y)
{
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    if (aCol < 0 || aRow < 0)
        return false;
    const TRect cell = CellRect(aCol, aRow);
    if (aCol <= FixedCols() && Options().Contains(goRowSizing))
        return std::abs(y - cell.Top) < 4 || std::abs(y - cell.Bottom) < 4;
    return aRow <= FixedRows() && Options().Contains(goColSizing)
        && (std::abs(x - cell.Left) < 4 || std::abs(x - cell.Right) < 4);
}
