#include "grid/DudOder.h"

#include "grid/DudOder_SortSettings.h"
#include "grid/base/RovIvir.h"

#include <algorithm>

void TDudStringGrid::FitColumnWidth(int32_t aCol, bool growOnly)
{
    const int32_t realCol = RemapColToReal(aCol);
    int32_t firstRow = 0;
    int32_t lastRow = RowCount() - 1;
    if (ColumnSize().Rows() == arNormal) {
        firstRow = FixedRows();
        lastRow = RowCount() - FixedFooters() - 1;
    } else if (ColumnSize().Rows() == arFixed) {
        lastRow = FixedRows() - 1;
    }
    const bool dropDownRoom = ControlLookDropDownAlwaysVisible();
    int32_t widest = 0;
    for (int32_t row = firstRow; row <= lastRow; ++row) {
        if (IsXMergedCell(aCol, row))
            continue;
        int32_t width = GetCellGraphicSize(realCol, row).X + MeasureCellText(realCol, aCol, row);
        if (dropDownRoom && HasComboBox(aCol, row))
            width += 16;
        if (FilterDropDownAuto() && row == FilterDropDownRow() && GetColumnFilter(aCol))
            width += 12;
        if (aCol == SortSettings().Column() && IsSortIndicatorRow(aCol, row))
            width += 10;
        // A graphic that fills the cell sets the width on its own.
        if (const TCellGraphic* graphic = GetCellGraphic(realCol, row); graphic && graphic->CellHAlign() == haFull)
            width = GetCellGraphicSize(realCol, row).X - (2 * GridLineWidth() + 2 + XYOffset().X);
        widest = std::max(widest, width);
    }
    int32_t width = widest + TotalXOffset() + 2 * GridLineWidth() + 2;
    if (growOnly && ColWidths(aCol) >= width)
        return;
    DoUpdateAutoColumnSize(aCol, width);
    SetColWidths(aCol, ClampToLimits(width, MinColWidth(), MaxColWidth()));
}

void TDudStringGrid::DoUpdateColumnSize(int32_t aCol, int32_t& width)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, aCol, width);
}

void TDudStringGrid::DoUpdateAutoColumnSize(int32_t aCol, int32_t& width)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, aCol, width);
}

void TDudStringGrid::AutoSizeCol(int32_t aCol, int32_t padding)
{
    FitColumnWidth(aCol, SizeGrowOnly());
    if (padding != 0)
        SetColWidths(aCol, ClampToLimits(ColWidths(aCol) + padding, MinColWidth(), MaxColWidth()));
}

void TDudStringGrid::AutoSizeColumns(bool doFixedCols, int32_t padding)
{
    const int32_t first = doFixedCols ? 0 : FixedCols();
    const int32_t last = doFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int32_t column = first; column <= last; ++column)
        AutoSizeCol(column, padding);
}

int32_t TDudStringGrid::GetAllColWidths(int32_t realCol) const
{
    if (realCol >= 0 && realCol < MaxHideableColumns && IsHiddenColumn(realCol))
        return FAllColWidths[static_cast<size_t>(realCol)];
    return ColWidths(RemapColToDispl(realCol));
}

void TDudStringGrid::SetAllColWidths(int32_t realCol, int32_t width)
{
    if (realCol >= 0 && realCol < MaxHideableColumns && IsHiddenColumn(realCol))
        FAllColWidths[static_cast<size_t>(realCol)] = static_cast<int16_t>(width);
    else
        SetColWidths(RemapColToDispl(realCol), width);
}
