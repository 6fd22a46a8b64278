#include "grid/DudCGrid.h"
#include "grid/DudOder.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/DudOder_SortSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An empty cell still needs its margins (2 x 2), two grid lines and 2.
constexpr int32_t EmptyColumnWidth = 8;

int32_t Fitted(TDudStringGrid& grid, int32_t col)
{
    grid.AutoSizeCol(col, 0);
    return grid.ColWidths(col);
}

TEST(DudOderAutoSize, AnEmptyColumnGetsItsMarginsAndTheSizeEventHasTheLastWord)
{
    TDudStringGrid grid(nullptr);
    std::vector<int32_t> offered;
    EXPECT_EQ(Fitted(grid, 2), EmptyColumnWidth);
    grid.OnUpdateColumnSize = [&](TDudStringGrid*, int32_t col, int32_t& width) {
        offered.push_back(col * 1000 + width);
        width = 40;
    };
    EXPECT_EQ(Fitted(grid, 2), 40);
    EXPECT_EQ(offered, std::vector<int32_t> { 2000 + EmptyColumnWidth });
}

TEST(DudOderAutoSize, GrowOnlyNeverNarrowsButStillPads)
{
    TDudStringGrid grid(nullptr);
    grid.SetSizeGrowOnly(true);
    grid.SetColWidths(1, 100);
    int32_t events = 0;
    grid.OnUpdateColumnSize = [&](TDudStringGrid*, int32_t, int32_t&) { ++events; };
    grid.AutoSizeCol(1, 0);
    EXPECT_EQ(grid.ColWidths(1), 100);
    EXPECT_EQ(events, 0);
    grid.AutoSizeCol(1, 5);
    EXPECT_EQ(grid.ColWidths(1), 105);
    grid.SetSizeGrowOnly(false);
    EXPECT_EQ(Fitted(grid, 1), EmptyColumnWidth);
    EXPECT_EQ(events, 1);
}

TEST(DudOderAutoSize, ATextMergedAcrossColumnsIsNotMeasured)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 3, QStringLiteral("a rather long text for one column"));
    const int32_t alone = Fitted(grid, 1);
    EXPECT_GT(alone, 100);
    grid.MergeCells(1, 3, 2, 1);
    EXPECT_EQ(Fitted(grid, 1), EmptyColumnWidth);
}

TEST(DudOderAutoSize, TheMeasuredRowsFollowColumnSizeRows)
{
    // A wide title in the fixed row, a narrow data cell, a wide footer row.
    const auto fill = [](TDudStringGrid& grid) {
        grid.SetCells(1, 0, QStringLiteral("a wide column title"));
        grid.SetCells(1, 3, QStringLiteral("x"));
        grid.SetCells(1, 9, QStringLiteral("a wide footer total value"));
        grid.SetFixedFooters(1);
    };
    TDudStringGrid titleOnly(nullptr);
    titleOnly.SetCells(1, 0, QStringLiteral("a wide column title"));
    TDudStringGrid dataOnly(nullptr);
    dataOnly.SetCells(1, 3, QStringLiteral("x"));
    TDudStringGrid footerOnly(nullptr);
    footerOnly.SetCells(1, 9, QStringLiteral("a wide footer total value"));

    const struct {
        TAutoSizeRows Rows;
        int32_t Expected;
    } cases[] = {
        { arFixed, Fitted(titleOnly, 1) },
        { arNormal, Fitted(dataOnly, 1) },
        { arAll, std::max(Fitted(titleOnly, 1), Fitted(footerOnly, 1)) },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Rows);
        TDudStringGrid grid(nullptr);
        fill(grid);
        grid.ColumnSize().SetRows(entry.Rows);
        EXPECT_EQ(Fitted(grid, 1), entry.Expected);
    }
}

TEST(DudOderAutoSize, RoomForTheSortGlyphAndTheDropDownButtonOnlyWhereTheyShow)
{
    TDudStringGrid grid(nullptr);
    grid.SortSettings().SetColumn(1);
    grid.SortSettings().SetRow(0);
    EXPECT_EQ(Fitted(grid, 1), EmptyColumnWidth);
    grid.SortSettings().SetShow(true);
    EXPECT_EQ(Fitted(grid, 1), EmptyColumnWidth + 10);
    EXPECT_EQ(Fitted(grid, 2), EmptyColumnWidth);

    TDudColumnGrid columns(nullptr);
    columns.Columns().Items(1)->SetEditor(edComboList);
    EXPECT_EQ(Fitted(columns, 1), EmptyColumnWidth);
    columns.ControlLook().SetDropDownAlwaysVisible(true);
    EXPECT_EQ(Fitted(columns, 1), EmptyColumnWidth + 16);
    EXPECT_EQ(Fitted(columns, 2), EmptyColumnWidth);
}

TEST(DudOderAutoSize, AutoSizeColumnsLeavesTheFixedColumnsUnlessAsked)
{
    TDudStringGrid grid(nullptr);
    grid.SetFixedRightCols(1);
    for (bool doFixed : { false, true }) {
        SCOPED_TRACE(doFixed);
        for (int32_t column = 0; column < grid.ColCount(); ++column)
            grid.SetColWidths(column, 60);
        grid.AutoSizeColumns(doFixed, 3);
        const int32_t fixedWidth = doFixed ? EmptyColumnWidth + 3 : 60;
        EXPECT_EQ(grid.ColWidths(0), fixedWidth);
        EXPECT_EQ(grid.ColWidths(grid.ColCount() - 1), fixedWidth);
        for (int32_t column = 1; column < grid.ColCount() - 1; ++column)
            EXPECT_EQ(grid.ColWidths(column), EmptyColumnWidth + 3) << column;
    }
}

TEST(DudOderAutoSize, TheColumnGridKeepsAFittedWidthWithinTheColumnsLimits)
{
    TDudColumnGrid grid(nullptr);
    grid.SetCells(1, 2, QStringLiteral("a rather long text for one column"));
    grid.Columns().Items(1)->SetAutoMaxSize(50);
    grid.Columns().Items(2)->SetAutoMinSize(30);
    int32_t offered = 0;
    grid.OnUpdateColumnSize = [&](TDudStringGrid*, int32_t, int32_t& width) { offered = width; };
    EXPECT_EQ(Fitted(grid, 1), 50);
    EXPECT_EQ(offered, 50);
    EXPECT_EQ(Fitted(grid, 2), 30);
}

} // namespace
