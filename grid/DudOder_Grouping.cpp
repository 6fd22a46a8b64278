#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"

#include <algorithm>
#include <set>

// Grouping turns a flat table into an outline on the values of one column:
// a header row (a node) opens every run of equal values, an optional
// summary row closes it, and the grouped column leaves the grid while its
// values live on in the headers. Rows are inserted and removed through the
// grid's row services, so the marks kept per row (modified, enabled,
// selected, stored hidden rows) stay with their rows both ways.

namespace {

// Equal to no cell text, so the first row always opens a group.
const String NoGroupValue = QStringLiteral("\u00FF\u00FE");

class TGroupingScope {
public:
    explicit TGroupingScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TGroupingScope() { FFlag = false; }
    TGroupingScope(const TGroupingScope&) = delete;
    TGroupingScope& operator=(const TGroupingScope&) = delete;

private:
    bool& FFlag;
};

// The last row a walk over the groups visits: the footer rows, the
// floating footer's among them, stay out of the groups.
int32_t LastGroupRow(const TDudStringGrid& grid)
{
    return grid.RowCount() - 1 - grid.FixedFooters();
}

} // namespace

void TDudStringGrid::ColorGroupRow(int32_t aRow, bool header)
{
    const TGrouping& grouping = *FGrouping;
    const TColor color = header ? grouping.HeaderColor() : grouping.SummaryColor();
    const TColor colorTo = header ? grouping.HeaderColorTo() : grouping.SummaryColorTo();
    const TColor textColor = header ? grouping.HeaderTextColor() : grouping.SummaryTextColor();
    if (color != clNone)
        SetRowColor(aRow, color);
    if (colorTo != clNone)
        SetRowColorTo(aRow, colorTo);
    if (textColor != clNone)
        SetRowFontColor(aRow, textColor);
}

void TDudStringGrid::ColorGroupCell(int32_t aCol, int32_t aRow, bool header)
{
    const TGrouping& grouping = *FGrouping;
    const TColor color = header ? grouping.HeaderColor() : grouping.SummaryColor();
    const TColor colorTo = header ? grouping.HeaderColorTo() : grouping.SummaryColorTo();
    const TColor textColor = header ? grouping.HeaderTextColor() : grouping.SummaryTextColor();
    if (color != clNone)
        SetColors(aCol, aRow, color);
    if (colorTo != clNone)
        SetColorsTo(aCol, aRow, colorTo);
    if (textColor != clNone)
        SetFontColors(aCol, aRow, textColor);
}

void TDudStringGrid::AddSummaryRow(int32_t aRow)
{
    InsertRows(aRow, 1, true);
    MarkSummaryRow(RealRowIndex(aRow));
    if (!FGrouping->MergeSummary())
        ColorGroupRow(aRow, false);
}

void TDudStringGrid::MergeGroupRows()
{
    const bool mergeHeader = FGrouping->MergeHeader();
    const bool mergeSummary = FGrouping->MergeSummary() && FGrouping->Summary();
    if (!mergeHeader && !mergeSummary)
        return;
    for (int32_t row = FixedRows(); row < RowCount(); ++row) {
        if (mergeHeader && IsNode(row)) {
            MergeCells(1, row, ColCount() - 1, 1);
            ColorGroupCell(1, row, true);
        } else if (mergeSummary && (row == RowCount() - 1 || IsNode(row + 1))) {
            MergeCells(1, row, ColCount() - 1, 1);
            ColorGroupCell(1, row, false);
        }
    }
}

void TDudStringGrid::Group(int32_t colIndex)
{
    if (colIndex < FixedCols())
        return;
    if (FGroupColumn != -1)
        UnGroup();
    if (RowCount() <= FixedRows())
        return;
    BeginUpdate();
    try {
        TGroupingScope grouping(FIsGrouping);
        FGroupColumn = colIndex;
        FGroupWidth = GetAllColWidths(colIndex);
        if (FixedRows() > 0)
            FGroupCaption = GetGridCell(colIndex, 0);
        if (FFixedFooters > 0)
            FGroupFooter = GetGridCell(colIndex, RowCount() - 1);
        if (FSortSettings->AutoSortForGrouping()) {
            FSortSettings->SetColumn(colIndex);
            QSort();
        }
        const bool summary = FGrouping->Summary();
        const int32_t textColumn = GroupTextColumn();
        String previous = NoGroupValue;
        int32_t header = -1;
        int32_t row = FixedRows();
        while (row <= LastGroupRow(*this)) {
            const String value = GetGridCell(colIndex, row);
            if (value != previous) {
                if (header != -1) {
                    // The summary of the group before the open one goes
                    // right above the open group's header.
                    if (header > FixedRows() && summary) {
                        AddSummaryRow(header);
                        ++header;
                        ++row;
                    }
                    AddNode(RealRowIndex(header), row - header);
                }
                InsertRows(row, 1, true);
                SetGridCell(textColumn, row, value);
                if (!FGrouping->MergeHeader())
                    ColorGroupRow(row, true);
                header = row;
                ++row;
            }
            previous = value;
            ++row;
        }
        if (header != -1) {
            int32_t end = row;
            if (header > FixedRows() && summary) {
                AddSummaryRow(header);
                ++header;
                ++end;
            }
            AddNode(RealRowIndex(header), end - header);
            if (!FGrouping->MergeHeader())
                ColorGroupRow(header, true);
            if (summary)
                AddSummaryRow(end);
        }
        RemoveCols(colIndex, 1);
        MergeGroupRows();
        if (FCellNode->ExpandOne()) {
            for (int32_t first = FixedRows(); first < RowCount(); ++first) {
                if (IsNode(first)) {
                    ExpandNode(RealRowIndex(first));
                    break;
                }
            }
        }
        if (Col() >= ColCount() || Row() >= RowCount())
            FocusCell(FixedCols(), FixedRows());
        SetRowEx(std::min(FixedRows(), RowCount() - 1));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (FSearchFooter->Visible())
        UpdateSearchPanel();
}

void TDudStringGrid::UnGroup()
{
    if (FGroupColumn <= 0)
        return;
    // Sub-groups come out first, so that only the groups' own headers and
    // summaries are left to remove.
    std::set<int32_t, std::greater<>> subColumns;
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        if (const TCellGraphic* node = NodeGraphic(row))
            if (const auto* column = std::get_if<int32_t>(&node->CellVar()); column && *column >= 0)
                subColumns.insert(*column);
    for (int32_t column : subColumns)
        SubUnGroup(column);

    const bool expandOne = FCellNode->ExpandOne();
    FCellNode->SetExpandOne(false);
    try {
        ExpandAll();
        InsertCols(FGroupColumn, 1);
        SetAllColWidths(FGroupColumn, FGroupWidth);
        if (FixedRows() > 0)
            SetGridCell(FGroupColumn, 0, FGroupCaption);
        if (FFixedFooters > 0)
            SetGridCell(FGroupColumn, RowCount() - 1, FGroupFooter);
        TGroupingScope grouping(FIsGrouping);
        const int32_t textColumn = GroupTextColumn();
        String value;
        int32_t row = FixedRows();
        while (row <= LastGroupRow(*this)) {
            if (!IsNode(row)) {
                SetCellEx(FGroupColumn, row, value);
                ++row;
                continue;
            }
            if (FGrouping->Summary()) {
                const int32_t summaryRow = row + GetNodeSpan(row);
                if (summaryRow < RowCount()) {
                    if (FGrouping->MergeSummary() && IsMergedCell(1, summaryRow))
                        SplitCells(1, summaryRow);
                    ClearRect(0, summaryRow, ColCount() - 1, summaryRow);
                    DeleteRowRange(summaryRow, 1, true);
                }
            }
            value = GetGridCell(textColumn, row);
            RemoveNode(RealRowIndex(row));
            FreeCellProps(0, row);
            if (FGrouping->MergeHeader() && IsMergedCell(1, row))
                SplitCells(1, row);
            ClearRect(0, row, ColCount() - 1, row);
            DeleteRowRange(row, 1, true);
        }
    } catch (...) {
        FCellNode->SetExpandOne(expandOne);
        throw;
    }
    FGroupColumn = -1;
    FCellNode->SetExpandOne(expandOne);
    Invalidate();
}

void TDudStringGrid::SetGroupColumn(int32_t value)
{
    if (value == -1)
        UnGroup();
    else if (value > 0)
        Group(value);
}

void TDudStringGrid::CloseSubGroup(int32_t header, int32_t aRow, int32_t colIndex)
{
    AddNode(RealRowIndex(header), aRow - header);
    NodeGraphic(header)->SetCellVar(colIndex);
}

// Sub-grouping works inside the groups and keeps the top-level group's
// column, width and texts, so a later UnGroup restores the right column.
void TDudStringGrid::SubGroup(int32_t colIndex)
{
    if (colIndex < FixedCols())
        return;
    BeginUpdate();
    try {
        const auto isData = [this](int32_t row) { return !IsNode(row) && !IsSummary(row); };
        String previous = NoGroupValue;
        int32_t header = -1;
        int32_t row = FixedRows() + 1;
        while (row <= LastGroupRow(*this)) {
            const String value = Cells(colIndex, row);
            if (value != previous || !isData(row)) {
                if (header != -1 && isData(header))
                    CloseSubGroup(header, row, colIndex);
                if (isData(row)) {
                    InsertChildRow(RealRowIndex(row), 0);
                    SetCells(colIndex + 1, row, value);
                    if (FGrouping->MergeHeader()) {
                        MergeCells(colIndex + 1, row, ColCount() - colIndex - 1, 1);
                        ColorGroupCell(colIndex + 1, row, true);
                    } else {
                        ColorGroupRow(row, true);
                    }
                }
                header = row;
                ++row;
            }
            if (row < RowCount() && isData(row - 1)) {
                previous = Cells(colIndex, row);
                SetCells(colIndex, row, String());
                ++row;
            } else {
                previous = NoGroupValue;
            }
        }
        if (header != -1 && isData(header))
            CloseSubGroup(header, row, colIndex);
        SetRowEx(std::min(FixedRows(), RowCount() - 1));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDudStringGrid::SubUnGroup(int32_t colIndex)
{
    ExpandAll();
    String value;
    int32_t row = FixedRows();
    while (row <= LastGroupRow(*this)) {
        const TCellGraphic* node = NodeGraphic(row);
        const auto* column = node ? std::get_if<int32_t>(&node->CellVar()) : nullptr;
        if (column && *column == colIndex) {
            value = Cells(colIndex + 1, row);
            if (IsMergedCell(colIndex + 1, row))
                SplitCells(colIndex + 1, row);
            RemoveNode(RealRowIndex(row));
            RemoveChildRow(RealRowIndex(row));
            continue;
        }
        // Summary rows keep their results; only data rows take the value.
        if (!node && !IsSummary(row))
            SetCells(colIndex, row, value);
        ++row;
    }
}

void TDudStringGrid::GroupCalc(int32_t colIndex, int32_t method)
{
    int32_t row = FixedRows();
    while (row < RowCount()) {
        const TCellGraphic* node = NodeGraphic(row);
        if (!node || node->CellBoolean()) {
            ++row;
            continue;
        }
        const int32_t span = node->CellIndex();
        const int32_t target = FGrouping->Summary() ? row + span : row;
        const int32_t fromRow = row + 1;
        const int32_t toRow = row + span - 1;
        double value = 0;
        bool isFloat = true;
        switch (method) {
        case 1:
            value = ColumnSum(colIndex, fromRow, toRow);
            break;
        case 2:
            value = ColumnAvg(colIndex, fromRow, toRow);
            break;
        case 3:
            value = ColumnMin(colIndex, fromRow, toRow);
            break;
        case 4:
            value = ColumnMax(colIndex, fromRow, toRow);
            break;
        case 5:
            isFloat = false;
            break;
        case 6:
            value = DoGroupCalc(colIndex, fromRow, toRow);
            break;
        case 7:
            value = ColumnDistinct(colIndex, fromRow, toRow);
            break;
        case 8:
            value = ColumnStdDev(colIndex, fromRow, toRow);
            break;
        default:
            return;
        }
        if (target < RowCount()) {
            if (isFloat)
                SetFloats(colIndex, target, value);
            else
                SetInts(colIndex, target, span - 1);
        }
        row += std::max(span, 1);
    }
}

namespace {

// The footer takes over the calculation when it is shown.
void CalcGroups(TDudStringGrid& grid, int32_t colIndex, int32_t method, TColumnCalcType footerCalc)
{
    grid.GroupCalc(colIndex, method);
    if (footerCalc != acNONE && grid.FloatingFooter().Visible())
        grid.FloatingFooter().SetColumnCalc(colIndex, footerCalc);
}

} // namespace

void TDudStringGrid::GroupSum(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 1, acSUM);
}

void TDudStringGrid::GroupAvg(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 2, acAVG);
}

void TDudStringGrid::GroupMin(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 3, acMIN);
}

void TDudStringGrid::GroupMax(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 4, acMAX);
}

void TDudStringGrid::GroupCount(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 5, acCOUNT);
}

void TDudStringGrid::GroupCustomCalc(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 6, acNONE);
}

void TDudStringGrid::GroupDistinct(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 7, acNONE);
}

void TDudStringGrid::GroupStdDev(int32_t colIndex)
{
    CalcGroups(*this, colIndex, 8, acNONE);
}
