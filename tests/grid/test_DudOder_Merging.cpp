#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A grid of one fixed row and column; the rows below hold the given texts
// in the columns from 1 on.
struct TFixture {
    std::unique_ptr<TDudStringGrid> Grid = std::make_unique<TDudStringGrid>(nullptr);

    explicit TFixture(const std::vector<QStringList>& rows)
    {
        Grid->SetColCount(static_cast<int32_t>(rows.front().size()) + 1);
        Grid->SetRowCount(static_cast<int32_t>(rows.size()) + 1);
        for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row)
            for (int32_t col = 0; col < rows[static_cast<size_t>(row)].size(); ++col)
                Grid->SetCells(col + 1, row + 1, rows[static_cast<size_t>(row)][col]);
    }
};

std::vector<QStringList> Column(const QStringList& texts)
{
    std::vector<QStringList> rows;
    for (const QString& text : texts)
        rows.push_back({ text });
    return rows;
}

// The merges met walking from (col, row) by step, one mark per cell: the
// span of a base cell of a merge in digits, "-" inside one, "o" for a cell
// given spans of its own that counts as no merge, "." for a plain cell.
String Marks(TDudStringGrid& grid, int32_t col, int32_t row, int32_t count, bool across)
{
    String marks;
    for (int32_t step = 0; step < count; ++step) {
        const int32_t c = across ? col + step : col;
        const int32_t r = across ? row : row + step;
        if (grid.IsMergedCell(c, r)) {
            const TPoint span = grid.CellSpan(c, r);
            marks += grid.IsBaseCell(c, r) ? QString::number((across ? span.X : span.Y) + 1) : QStringLiteral("-");
        } else {
            marks += grid.HasCellProps(c, r) && grid.GetCellProperties(c, r)->CellSpanX() == 0
                    && grid.GetCellProperties(c, r)->CellSpanY() == 0
                ? QStringLiteral("o")
                : QStringLiteral(".");
        }
    }
    return marks;
}

TEST(DudOderMerging, RunsOfEqualTextsMerge)
{
    struct Case {
        const char* name;
        std::vector<QStringList> rows;
        std::function<void(TDudStringGrid&)> act;
        int32_t col, row, count;
        bool across;
        const char* expected;
    };
    const Case cases[] = {
        { "column runs of two and three", Column({ "A", "A", "B", "B", "B" }),
            [](TDudStringGrid& g) { g.MergeColumnCells(1, true); }, 1, 1, 5, false, "2-3--" },
        { "letter case makes texts differ", Column({ "a", "A", "A", "x" }),
            [](TDudStringGrid& g) { g.MergeColumnCells(1, true); }, 1, 1, 4, false, ".2-." },
        { "a column merges only inside the blocks merged before",
            { { "X", "a" }, { "X", "a" }, { "X", "a" }, { "Y", "a" }, { "Y", "b" } },
            [](TDudStringGrid& g) {
                g.MergeColumnCells(1, true);
                g.MergeColumnCells(2, false);
            },
            2, 1, 5, false, "3--.." },
        { "the first column of a hierarchy", { { "X", "a" }, { "X", "a" }, { "Y", "a" } },
            [](TDudStringGrid& g) {
                g.MergeColumnCells(1, true);
                g.MergeColumnCells(2, false);
            },
            1, 1, 3, false, "2-." },
        { "footer rows stay out", Column({ "A", "A", "A" }),
            [](TDudStringGrid& g) {
                g.SetFixedFooters(1);
                g.MergeColumnCells(1, true);
            },
            1, 1, 3, false, "2-." },
        { "listed merged columns merge, the first alone, the next inside it",
            { { "X", "a" }, { "X", "a" }, { "X", "a" }, { "Y", "a" }, { "Y", "b" } },
            [](TDudStringGrid& g) {
                g.MergedColumns().Add(1);
                g.MergedColumns().Add(2);
            },
            2, 1, 5, false, "3--.." },
        { "a changed list splits the old merges first",
            { { "X", "a" }, { "X", "a" }, { "Y", "a" } },
            [](TDudStringGrid& g) {
                g.MergedColumns().Add(1);
                g.MergedColumns().Delete(0);
                g.MergedColumns().Add(2);
            },
            1, 1, 3, false, "..." },
        { "the second listed column after the change",
            { { "X", "a" }, { "X", "a" }, { "Y", "a" } },
            [](TDudStringGrid& g) {
                g.MergedColumns().Add(1);
                g.MergedColumns().Delete(0);
                g.MergedColumns().Add(2);
            },
            2, 1, 3, false, "3--" },
        { "row runs; lone cells get spans of their own", { { "A", "A", "B", "C", "C" } },
            [](TDudStringGrid& g) { g.MergeRowCells(1, true); }, 1, 1, 5, true, "2-o2-" },
        { "a row merges only inside the blocks merged before",
            { { "P", "P", "Q" }, { "k", "k", "k" } },
            [](TDudStringGrid& g) {
                g.MergeRowCells(1, true);
                g.MergeRowCells(2, false);
            },
            1, 2, 3, true, "2-." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFixture fixture(c.rows);
        c.act(*fixture.Grid);
        EXPECT_EQ(Marks(*fixture.Grid, c.col, c.row, c.count, c.across), QString::fromLatin1(c.expected));
    }
}

TEST(DudOderMerging, SplittingGivesEveryCellItsOwnTextBack)
{
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> split;
        // Marks of row 2 and of column 3 afterwards.
        const char* rowMarks;
        const char* columnMarks;
    };
    const Case cases[] = {
        { "a column", [](TDudStringGrid& g) { g.SplitColumnCells(1); }, "..-", "2-." },
        { "a row, down through its last column as well", [](TDudStringGrid& g) { g.SplitRowCells(2); }, "...", "..." },
        { "a row leaves other rows' merges", [](TDudStringGrid& g) { g.SplitRowCells(3); }, "-.-", "2-." },
        { "everything", [](TDudStringGrid& g) { g.SplitAllCells(); }, "...", "..." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFixture fixture({ { "a", "d", "g" }, { "b", "e", "h" }, { "c", "f", "i" } });
        TDudStringGrid& grid = *fixture.Grid;
        grid.MergeCells(1, 1, 1, 2);
        grid.MergeCells(3, 1, 1, 2);
        ASSERT_EQ(grid.Cells(1, 2), "a");
        c.split(grid);
        EXPECT_EQ(Marks(grid, 1, 2, 3, true), QString::fromLatin1(c.rowMarks));
        EXPECT_EQ(Marks(grid, 3, 1, 3, false), QString::fromLatin1(c.columnMarks));
        if (!grid.IsMergedCell(1, 2)) {
            EXPECT_EQ(grid.Cells(1, 2), "b");
        }
    }
}

TEST(DudOderMerging, MergeColsJoinsTrimmedTextsAndRemovesTheSecondColumn)
{
    TFixture fixture({ { "a", "", "x" }, { "b", "c", "y" }, { " ", " d ", "z" } });
    TDudStringGrid& grid = *fixture.Grid;
    grid.SetCells(2, 0, "Title");

    grid.MergeCols(1, 2, " ");

    EXPECT_EQ(grid.ColCount(), 3);
    const char* expected[][2] = { { "", "" }, { "a", "x" }, { "b c", "y" }, { "d", "z" } };
    for (int32_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), expected[row][0]);
        EXPECT_EQ(grid.Cells(2, row), expected[row][1]);
    }
}

} // namespace
