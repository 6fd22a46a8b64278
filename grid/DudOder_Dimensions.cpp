#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"

#include <algorithm>

namespace {

// Text drawing flags of the vertical alignments.
constexpr uint32_t DrawTextTop = 0;
constexpr uint32_t DrawTextVCenter = 4;
constexpr uint32_t DrawTextBottom = 8;

} // namespace

int32_t TDudStringGrid::FixedRows() const
{
    const int32_t fixedRows = TBaseGrid::FixedRows();
    return fixedRows == 0 && FFixedRowAlways ? 1 : fixedRows;
}

int32_t TDudStringGrid::FixedCols() const
{
    const int32_t fixedCols = TBaseGrid::FixedCols();
    return fixedCols == 0 && FFixedColAlways ? 1 : fixedCols;
}

void TDudStringGrid::SetRowCount(int32_t value)
{
    const int32_t oldCount = RowCount();
    if (oldCount == TBaseGrid::FixedRows() && FFixedRowAlways && FSelHidden)
        UnHideSelection();

    // The floating footer row is the last one: take its texts and cell
    // properties (its calculations) before the count changes, since a lower
    // count empties the rows it cuts off.
    const bool moveFooter = FloatingFooterVisible() && value != oldCount && oldCount > 0;
    std::vector<String> footerTexts;
    std::vector<std::unique_ptr<TCellProperties>> footerProps;
    if (moveFooter) {
        for (int32_t column = 0; column < AllColCount(); ++column) {
            footerTexts.push_back(GetGridCell(column, oldCount - 1));
            footerProps.push_back(ExtractGridObject(column, oldCount - 1));
            if (!footerTexts.back().isEmpty())
                SetGridCell(column, oldCount - 1, String());
        }
    }

    TBaseGrid::SetRowCount(value);
    if (FFixedRowAlways && FFixedRowsMin < RowCount())
        SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, value);
    FNormalRowCount = value;
    UpdateFooter();
    UpdateProportionalScrollBars();
    ApplyScrollBarAlways(false);
    if (FScrollType != ssNormal) {
        UpdateFlatVertScroll();
        UpdateFlatHorzScroll();
    }

    if (moveFooter) {
        for (int32_t column = 0; column < static_cast<int32_t>(footerTexts.size()); ++column) {
            SetGridCell(column, RowCount() - 1, footerTexts[static_cast<size_t>(column)]);
            if (footerProps[static_cast<size_t>(column)])
                SetGridObject(column, RowCount() - 1, std::move(footerProps[static_cast<size_t>(column)]));
        }
        CalcFooter(-1);
    }
}

void TDudStringGrid::SetColCount(int32_t value)
{
    TBaseGrid::SetColCount(value);
    if (FFixedColAlways && FFixedColsMin < value)
        SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, value);
    UpdateFooter();
    SetBounds(Left(), Top(), Width(), Height());
    UpdateProportionalScrollBars();
    ApplyScrollBarAlways(false);
}

void TDudStringGrid::SetCol(int32_t value)
{
    TBaseGrid::SetCol(value);
    if (FSyncGrid->Grid() && FSyncGrid->SelectionColumn())
        FSyncGrid->Grid()->SetCol(value);
}

void TDudStringGrid::SetFixedRows(int32_t value)
{
    int32_t fixedRows = value;
    if (fixedRows >= RowCount() && FFixedRowAlways)
        fixedRows = RowCount() - 1;
    TBaseGrid::SetFixedRows(fixedRows);
    if (!IsLoading())
        FFixedRowsMin = value;
}

void TDudStringGrid::SetFixedCols(int32_t value)
{
    int32_t fixedCols = value;
    if (fixedCols >= ColCount() && FFixedColAlways)
        fixedCols = ColCount() - 1;
    TBaseGrid::SetFixedCols(fixedCols);
    if (!IsLoading())
        FFixedColsMin = value;
}

void TDudStringGrid::SetFixedRightCols(int32_t value)
{
    FFixedRightCols = value;
    Invalidate();
}

void TDudStringGrid::SetFixedFooters(int32_t value)
{
    FFixedFooters = value;
    Invalidate();
}

void TDudStringGrid::SetDefaultRowHeight(int32_t value)
{
    TBaseGrid::SetDefaultRowHeight(value);
    if (IsDesigning())
        FFixedRowHeight = value;
    FFloatingFooter->SetHeight(value);
}

void TDudStringGrid::SetFixedRowHeight(int32_t value)
{
    FFixedRowHeight = value;
    if (IsLoading())
        return;
    if (value == DefaultRowHeight()) {
        SetDefaultRowHeight(value);
        return;
    }
    for (int32_t row = 0; row < TBaseGrid::FixedRows(); ++row)
        SetRowHeights(row, value);
}

void TDudStringGrid::SetFixedColWidth(int32_t value)
{
    if (IsLoading() || value == DefaultColWidth())
        return;
    for (int32_t column = 0; column < TBaseGrid::FixedCols(); ++column)
        SetColWidths(column, value);
}

void TDudStringGrid::SetWordWrap(bool value)
{
    TBaseGrid::SetWordWrap(value);
    FWordWrapEx = value;
    if (InplaceEditor())
        InplaceEditor()->SetWordWrap(value);
    if (FUpdateCount == 0)
        Invalidate();
}

void TDudStringGrid::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    switch (value) {
    case vtaTop:
        FVAlign = DrawTextTop;
        break;
    case vtaCenter:
        FVAlign = DrawTextVCenter;
        break;
    case vtaBottom:
        FVAlign = DrawTextBottom;
        break;
    }
    if (FUpdateCount == 0)
        Invalidate();
}

void TDudStringGrid::SetSelectionColorMixerFactor(int32_t value)
{
    SetRepainted(FSelectionColorMixerFactor, std::clamp(value, 0, 100));
}

void TDudStringGrid::SetShowSelection(bool value)
{
    if (FShowSelection == value)
        return;
    FShowSelection = value;
    FShowSel = value;
    Invalidate();
}

void TDudStringGrid::SetMaxEditLength(int32_t value)
{
    FMaxEditLength = value;
    if (InplaceEditor())
        InplaceEditor()->SetMaxLength(value);
}

void TDudStringGrid::SetSpreadSheet(bool value)
{
    FSpreadSheet = value;
    FSelectionRectangle = true;
    FSelectionResizer = true;
    FNavigation->SetAllowSmartClipboard(true);
    SetOptions(Options() + TGridOptions { goRangeSelect, goEditing });
    FMouseActions->SetRangeSelectAndEdit(true);
}

void TDudStringGrid::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (value && !IsLoading())
        AutoSizeColumns(false, 10);
}

void TDudStringGrid::SetFlat(bool value)
{
    FFlat = value;
    if (!IsLoading())
        Invalidate();
}
