#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> SelectedRowList(const TDudStringGrid& grid)
{
    std::vector<int32_t> rows;
    for (int32_t index = 0; index < grid.SelectedRows().Count(); ++index)
        rows.push_back(grid.SelectedRows().Items(index));
    return rows;
}

TEST(DudOderSelection, SelectRowsIsClippedToTheGrid)
{
    TDudStringGrid grid(nullptr);
    grid.SelectRows(8, 5);
    const TGridRect expected { 1, 8, 4, 9 };
    EXPECT_EQ(grid.Selection(), expected);
}

TEST(DudOderSelection, WithoutDisjunctRowsTheRowFlagsFollowTheRectangle)
{
    TDudStringGrid grid(nullptr);
    grid.SelectRows(3, 1);
    const TGridRect expected { 1, 3, 4, 3 };
    EXPECT_EQ(grid.Selection(), expected);
    EXPECT_TRUE(grid.GetRowSelect(3));
    EXPECT_FALSE(grid.GetRowSelect(4));
    EXPECT_THROW(grid.GetRowSelect(10), EDudOderError);
}

TEST(DudOderSelection, DisjunctRowsKeepTheirSelectionOrder)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetDisjunctRowSelect(true);
    for (int32_t row : { 2, 5, 3 })
        grid.SelectRows(row, 1);
    EXPECT_EQ(SelectedRowList(grid), (std::vector<int32_t> { 2, 5, 3 }));
    grid.UnSelectRows(5, 1);
    EXPECT_EQ(SelectedRowList(grid), (std::vector<int32_t> { 2, 3 }));
    EXPECT_EQ(grid.RowSelectCount(), 2);
    grid.SetRowSelect(0, true);
    EXPECT_TRUE(grid.GetRowSelect(0));
    EXPECT_EQ(SelectedRowList(grid), (std::vector<int32_t> { 2, 3 }));
    grid.ClearRowSelect();
    EXPECT_EQ(grid.RowSelectCount(), 0);
    EXPECT_TRUE(SelectedRowList(grid).empty());
}

TEST(DudOderSelection, TheVetoIsAskedForEveryRowWhoseFlagWouldChange)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(2, true);
    std::vector<int32_t> asked;
    int32_t selected = 0;
    grid.OnRowDisjunctSelect = [&asked](TDudStringGrid*, int32_t aRow, bool, bool& allow) {
        asked.push_back(aRow);
        allow = false;
    };
    grid.OnRowDisjunctSelected = [&selected](TDudStringGrid*, int32_t) { ++selected; };
    // Row 3 lies just past the flags kept so far, row 7 well past them.
    for (int32_t row : { 3, 7, 2 }) {
        SCOPED_TRACE(row);
        const bool before = grid.GetRowSelect(row);
        grid.SetRowSelect(row, !before);
        EXPECT_EQ(grid.GetRowSelect(row), before);
    }
    EXPECT_EQ(asked, (std::vector<int32_t> { 3, 7, 2 }));
    EXPECT_EQ(selected, 0);
    asked.clear();
    grid.SetRowSelect(2, true);
    EXPECT_TRUE(asked.empty());
}

TEST(DudOderSelection, ColumnFlagsRangeChecked)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetDisjunctColSelect(true);
    grid.SelectCols(2, 5);
    EXPECT_EQ(grid.ColSelectCount(), 3);
    EXPECT_TRUE(grid.GetColSelect(4));
    EXPECT_THROW(grid.GetColSelect(5), EDudOderError);
    EXPECT_THROW(grid.SetColSelect(-1, true), EDudOderError);
}

TEST(DudOderSelection, ModifiedAndEnabledRows)
{
    TDudStringGrid grid(nullptr);
    EXPECT_FALSE(grid.GetRowModified(4));
    EXPECT_TRUE(grid.GetRowEnabled(4));
    grid.SetRowModified(4, true);
    grid.SetRowModified(6, true);
    grid.SetRowModified(6, false);
    EXPECT_TRUE(grid.GetRowModified(4));
    EXPECT_EQ(grid.ModifiedRowCount(), 1);

    grid.SetRow(1);
    grid.SetRowEnabled(1, false);
    EXPECT_FALSE(grid.GetRowEnabled(1));
    EXPECT_EQ(grid.Row(), 2);
}

TEST(DudOderSelection, DisablingTheOnlyEnabledRowLeavesTheCurrentRow)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(3);
    grid.SetRowEnabled(1, false);
    grid.SetRow(2);
    grid.SetRowEnabled(2, false);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(DudOderSelection, MoveRowsCarriesTextsAndCellProperties)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(8);
    grid.SetFixedRows(0);
    const String letters = QStringLiteral("ABCDEFGH");
    for (int32_t row = 0; row < 8; ++row)
        grid.SetCells(1, row, letters.mid(row, 1));
    grid.SetColors(2, 2, clRed);
    grid.MoveRows(2, 6, 2);
    String order;
    for (int32_t row = 0; row < 8; ++row)
        order += grid.Cells(1, row);
    EXPECT_EQ(order, QStringLiteral("ABEFCDGH"));
    EXPECT_EQ(grid.GetColors(2, 4), clRed);
    EXPECT_EQ(grid.GetColors(2, 2), clNone);
}

TEST(DudOderSelection, ScrollInViewStopsWhenTheTopRowCannotMove)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(30);
    grid.SetHeight(60);
    grid.SearchFooter().SetVisible(true);
    grid.ScrollInView(1, 29);
    EXPECT_EQ(grid.Row(), 29);
    EXPECT_LE(grid.TopRow(), 29);
}

TEST(DudOderSelection, FillsWriteTheDataCells)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(3);
    grid.SetColCount(3);
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("2:2"));
    EXPECT_TRUE(grid.Cells(0, 0).isEmpty());
    grid.FormatFill(true, QStringLiteral("%d-%d"));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("0-0"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("2-1"));
    grid.TextFill(false, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x"));
    grid.RandomFill(false, 3);
    EXPECT_LT(grid.Ints(1, 2), 3);
}

} // namespace
