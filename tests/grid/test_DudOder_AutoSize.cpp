#include "grid/DudCGrid.h"
#include "grid/DudOder.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/DudOder_SortSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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
    // A footer row is measured in the font it shows in.
    footerOnly.SetFixedFooters(1);

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

namespace {

TEST(DudOderAutoSizeRows, RowsTakeTheirMostLinesAndWrappedRowsTheirTallestCell)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetMultilinecells(true);
    grid.SetCells(1, 1, "one");
    grid.SetCells(1, 2, "one\r\ntwo\r\nthree");
    grid.SetCells(2, 3, "a\r\nb");
    grid.SetWordWrap(false);
    grid.AutoSizeRows(false, 4);
    const int32_t line = grid.RowHeights(1) - 4;
    EXPECT_GT(line, 0);
    EXPECT_EQ(grid.RowHeights(2) - 4, 3 * line);
    EXPECT_EQ(grid.RowHeights(3) - 4, 2 * line);
    // The fixed row is left alone unless asked for.
    EXPECT_EQ(grid.RowHeights(0), grid.DefaultRowHeight());

    // Wrapped: the tallest cell plus the margins and grid lines; a text of
    // one word never breaks however narrow its column.
    grid.SetWordWrap(true);
    grid.SetXYOffset({ 2, 2 });
    grid.SetXYOffsetTopLeftOnly(false);
    grid.SetColWidths(1, 10);
    grid.AutoSizeRows(false, 0);
    const int32_t oneLine = grid.RowHeights(1) - 4 - 2 * grid.GridLineWidth();
    EXPECT_GT(oneLine, 0);
    EXPECT_EQ(grid.RowHeights(2), 3 * oneLine + 4 + 2 * grid.GridLineWidth());
    // Words break in a narrow column.
    grid.SetCells(1, 1, "one two three four");
    grid.AutoSizeRow(1, 0);
    EXPECT_GT(grid.RowHeights(1), oneLine + 4 + 2 * grid.GridLineWidth());
    // Grow-only never lowers a row.
    grid.SetSizeGrowOnly(true);
    grid.SetRowHeights(3, 200);
    grid.AutoSizeRow(3, 0);
    EXPECT_EQ(grid.RowHeights(3), 200);
}

TEST(DudOderAutoSizeRows, SwappedColumnsAndRowsTakeTheirTextsSizesPropertiesAndSortColumn)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    for (int32_t col = 0; col < 4; ++col)
        for (int32_t row = 0; row < 4; ++row)
            grid.SetCells(col, row, QString("%1%2").arg(col).arg(row));
    grid.SetColWidths(1, 40);
    grid.SetColWidths(3, 90);
    grid.SetColors(1, 2, clRed);
    grid.SortSettings().SetColumn(3);
    grid.SwapColumns(1, 3);
    EXPECT_EQ(grid.Cells(1, 2), "32");
    EXPECT_EQ(grid.Cells(3, 2), "12");
    EXPECT_EQ(grid.ColWidths(1), 90);
    EXPECT_EQ(grid.ColWidths(3), 40);
    EXPECT_EQ(grid.GetColors(3, 2), clRed);
    EXPECT_EQ(grid.GetColors(1, 2), clNone);
    EXPECT_EQ(grid.SortSettings().Column(), 1);
    EXPECT_EQ(grid.ColCount(), 4);

    grid.SetRowHeights(1, 33);
    grid.SwapRows(1, 2);
    EXPECT_EQ(grid.Cells(0, 1), "02");
    EXPECT_EQ(grid.Cells(3, 1), "12");
    EXPECT_EQ(grid.GetColors(3, 1), clRed);
    EXPECT_EQ(grid.RowHeights(2), 33);
    EXPECT_EQ(grid.RowHeights(1), grid.DefaultRowHeight());
    grid.SwapRows(2, 2);
    EXPECT_EQ(grid.Cells(0, 2), "01");
    EXPECT_EQ(grid.RowCount(), 4);
}

TEST(DudOderAutoSizeRows, FittedColumnsFillTheRoomExactly)
{
    const struct {
        const char* name;
        std::vector<int32_t> widths;
        bool fixedToo;
    } cases[] = {
        { "grow", { 30, 40, 50, 60 }, false },
        { "shrink", { 300, 200, 100, 50 }, false },
        { "fixed columns too", { 30, 40, 50, 60 }, true },
        { "columns of no width", { 30, 0, 0, 0 }, false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        TDudStringGrid grid(nullptr);
        grid.SetScrollBars(ssNone);
        grid.SetColCount(4);
        grid.SetRowCount(2);
        grid.SetWidth(400);
        for (int32_t col = 0; col < 4; ++col)
            grid.SetColWidths(col, entry.widths[static_cast<size_t>(col)]);
        grid.AutoFitColumns(entry.fixedToo);
        const int32_t border = grid.BorderStyle() == bsSingle ? (grid.Ctl3D() ? 4 : 2) : 0;
        int32_t sum = 0;
        for (int32_t col = entry.fixedToo ? 0 : grid.FixedCols(); col < 4; ++col)
            sum += grid.ColWidths(col);
        const int32_t fixed = entry.fixedToo ? 0 : grid.ColWidths(0);
        EXPECT_EQ(sum, 400 - fixed - border);
    }
}

// Each cell measured against the same words as plain text in cell (2, 1).
TEST(DudOderAutoSize, MarkupRichAndRotatedTextsAreMeasuredAsTheyShow)
{
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> fill;
        const char* plain;
        // The expected size from the plain size (x, y).
        std::function<TSize(TSize)> expected;
    };
    const auto rotated = [](int32_t angle) {
        return [angle](TDudStringGrid& grid) { grid.AddRotated(1, 1, angle, QStringLiteral("word")); };
    };
    const Case cases[] = {
        { "markup: tags take no room", [](TDudStringGrid& grid) { grid.SetCells(1, 1, "<u>two words</u>"); },
            "two words", [](TSize plain) { return TSize { plain.cx + 2, plain.cy + 2 }; } },
        { "rotated by 0 degrees", rotated(0), "word",
            [](TSize plain) { return TSize { plain.cx + 12, plain.cy + 12 }; } },
        { "rotated by 90 degrees", rotated(90), "word",
            [](TSize plain) { return TSize { plain.cy + 12, plain.cx + 12 }; } },
        { "rotated by 180 degrees", rotated(180), "word",
            [](TSize plain) { return TSize { plain.cx + 12, plain.cy + 12 }; } },
        // A rotated box covers both sides' shares, not their difference.
        { "rotated by 45 degrees", rotated(45), "word",
            [](TSize plain) {
                const auto part = [](double value) { return static_cast<int32_t>(std::lround(value * std::sqrt(0.5))); };
                return TSize { part(plain.cx) + part(plain.cy) + 12, part(plain.cx) + part(plain.cy) + 12 };
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDudStringGrid grid(nullptr);
        c.fill(grid);
        grid.SetCells(2, 1, QString::fromLatin1(c.plain));
        const TSize plain = grid.GetCellTextSize(2, 1, false, false);
        ASSERT_GT(plain.cx, 0);
        EXPECT_EQ(grid.GetCellTextSize(1, 1, false, false), c.expected(plain));
    }
}

TEST(DudOderAutoSize, AMarkedUpColumnFitsItsShownTextNotItsTags)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 2, "<b>ab</b>");
    grid.SetCells(2, 2, "<B>ab</B>");
    grid.SetEnableHTML(false);
    const int32_t raw = Fitted(grid, 1);
    grid.SetEnableHTML(true);
    const int32_t shown = Fitted(grid, 1);
    EXPECT_LT(shown, raw / 2);
    EXPECT_GT(shown, EmptyColumnWidth);
    // The fixed columns autosize the same way.
    grid.SetCells(1, 3, "<font size=\"20\">ab</font>");
    EXPECT_GT(Fitted(grid, 1), shown);
}

TEST(DudOderAutoSize, ARichTextColumnFitsTheTextTheRichEditorShows)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral(R"({\rtf1{\fonttbl{\f0 Arial;}}\f0\fs20 short})"));
    const int32_t shown = Fitted(grid, 1);
    grid.SetCells(2, 1, QStringLiteral("short"));
    const int32_t plain = Fitted(grid, 2);
    EXPECT_GT(shown, EmptyColumnWidth);
    EXPECT_LT(std::abs(shown - plain), 12);
    // Its row takes the editor's lines plus their margin of 4.
    const TSize size = grid.GetCellTextSize(1, 1, false, false);
    EXPECT_GE(size.cy, grid.GetCellTextSize(2, 1, false, false).cy);
}

} // namespace
