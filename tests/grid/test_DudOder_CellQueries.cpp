#include "grid/DudOder.h"

#include "grid/base/VidEri_Options.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One fixed row and column; data rows 1..n hold the given texts from
// column 1 on.
std::unique_ptr<TDudStringGrid> GridOf(const std::vector<QStringList>& rows)
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(static_cast<int32_t>(rows.front().size()) + 1);
    grid->SetRowCount(static_cast<int32_t>(rows.size()) + 1);
    for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row)
        for (int32_t col = 0; col < rows[static_cast<size_t>(row)].size(); ++col)
            grid->SetCells(col + 1, row + 1, rows[static_cast<size_t>(row)][col]);
    return grid;
}

TEST(DudOderCellQueries, RowCalculations)
{
    struct Case {
        const char* name;
        QStringList texts;
        std::function<double(TDudStringGrid&)> calc;
        double expected;
    };
    const Case cases[] = {
        { "sum skips what is no number", { "1", "2", "x", "4" }, [](TDudStringGrid& g) { return g.RowSum(1, 1, 4); }, 7 },
        { "the average divides by every column", { "1", "2", "x", "4" },
            [](TDudStringGrid& g) { return g.RowAvg(1, 1, 4); }, 1.75 },
        { "an empty range sums to 0", { "1" }, [](TDudStringGrid& g) { return g.RowSum(1, 2, 1); }, 0 },
        { "an empty range averages to 0", { "1" }, [](TDudStringGrid& g) { return g.RowAvg(1, 2, 1); }, 0 },
        { "minimum", { "5", "-2", "x", "3" }, [](TDudStringGrid& g) { return g.RowMin(1, 1, 4); }, -2 },
        { "maximum", { "5", "-2", "x", "8.5" }, [](TDudStringGrid& g) { return g.RowMax(1, 1, 4); }, 8.5 },
        { "an empty range gives the first cell", { "5", "9" }, [](TDudStringGrid& g) { return g.RowMax(1, 1, 0); }, 5 },
        { "a merged cell counts once", { "3", "3", "1" },
            [](TDudStringGrid& g) {
                g.MergeCells(1, 1, 2, 1);
                return g.RowSum(1, 1, 3);
            },
            4 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto grid = GridOf({ c.texts });
        EXPECT_DOUBLE_EQ(c.calc(*grid), c.expected);
    }
}

TEST(DudOderCellQueries, AutoNumberingRunsEitherWay)
{
    struct Case {
        const char* name;
        bool rows;
        TSortDirection direction;
        int32_t start, offset;
        const char* expected;
    };
    const Case cases[] = {
        { "a column top-down", false, sdAscending, 0, 0, "1,2,3,4" },
        { "a column from the bottom", false, sdDescending, 0, 0, "4,3,2,1" },
        { "a column from its second row, offset", false, sdAscending, 1, 10, ",12,13,14" },
        { "a row left to right", true, sdAscending, 0, 0, "1,2,3,4" },
        { "a row from the right", true, sdDescending, 0, 0, "4,3,2,1" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto grid = GridOf({ { "", "", "", "" }, { "", "", "", "" }, { "", "", "", "" }, { "", "", "", "" } });
        grid->SetAutoNumberDirection(c.direction);
        grid->SetAutoNumberStart(c.start);
        grid->SetAutoNumberOffset(c.offset);
        c.rows ? grid->AutoNumberRow(2) : grid->AutoNumberCol(2);
        QStringList written;
        for (int32_t index = 1; index <= 4; ++index)
            written.append(c.rows ? grid->Cells(index, 2) : grid->Cells(2, index));
        EXPECT_EQ(written.join(u','), QString::fromLatin1(c.expected));
    }
}

TEST(DudOderCellQueries, SelectedTextAndIsSelected)
{
    auto grid = GridOf({ { "a", "b", "c" }, { "d", "e\r\nf", "g" }, { "h", "i", "j" } });
    grid->SetMultilinecells(true);
    grid->SelectCells(1, 1, 2, 2);
    EXPECT_EQ(grid->SelectedText(), "a\tb\r\nd\te\r\nf");
    grid->SetExcelClipboardFormat(true);
    EXPECT_EQ(grid->SelectedText(), "a\tb\r\nd\t\"e\vf\"");
    grid->SelectCells(3, 3, 3, 3);
    EXPECT_EQ(grid->SelectedText(), "j");

    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> pick;
        const char* selected;
    };
    const Case cases[] = {
        { "the selection rectangle, fixed cells never", [](TDudStringGrid& g) { g.SelectCells(0, 0, 1, 2); }, "1,1 1,2" },
        { "cells picked one by one",
            [](TDudStringGrid& g) {
                g.MouseActions().SetDisjunctCellSelect(true);
                g.SetSelectedCells(3, 1, true);
                g.SetSelectedCells(1, 3, true);
                g.SetSelectedCells(0, 2, true);
            },
            "3,1 1,3" },
        { "rows picked one by one",
            [](TDudStringGrid& g) {
                g.MouseActions().SetDisjunctRowSelect(true);
                g.SetRowSelect(2, true);
            },
            "1,2 2,2 3,2" },
        { "columns picked one by one",
            [](TDudStringGrid& g) {
                g.MouseActions().SetDisjunctColSelect(true);
                g.SetColSelect(3, true);
            },
            "3,1 3,2 3,3" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto picked = GridOf({ { "", "", "" }, { "", "", "" }, { "", "", "" } });
        c.pick(*picked);
        QStringList selected;
        for (int32_t row = 0; row < 4; ++row)
            for (int32_t col = 0; col < 4; ++col)
                if (picked->IsSelected(col, row))
                    selected.append(QStringLiteral("%1,%2").arg(col).arg(row));
        EXPECT_EQ(selected.join(u' '), QString::fromLatin1(c.selected));
    }
}

TEST(DudOderCellQueries, FindingAndWideCells)
{
    auto grid = GridOf({ { "a", "Key" }, { "key", "|\\wide" } });
    int32_t col = -5;
    int32_t row = -5;
    EXPECT_FALSE(grid->IsCell("KEY", col, row));
    EXPECT_EQ(col, -5);
    EXPECT_TRUE(grid->IsCell("key", col, row));
    EXPECT_EQ((TPoint { col, row }), (TPoint { 1, 2 }));
    EXPECT_TRUE(grid->IsCell("Key", col, row));
    EXPECT_EQ((TPoint { col, row }), (TPoint { 2, 1 }));
    EXPECT_TRUE(grid->IsWideCell(2, 2));
    EXPECT_FALSE(grid->IsWideCell(1, 2));
}

TEST(DudOderCellQueries, FindingComparesTheStoredTextNotWhatTheCellShows)
{
    auto grid = GridOf({ { "a", "www.example.org" } });
    grid->SetURLShowInText(true);
    ASSERT_NE(grid->Cells(2, 1), "www.example.org");
    int32_t col = -1;
    int32_t row = -1;
    EXPECT_TRUE(grid->IsCell("www.example.org", col, row));
    EXPECT_EQ((TPoint { col, row }), (TPoint { 2, 1 }));
}

} // namespace
