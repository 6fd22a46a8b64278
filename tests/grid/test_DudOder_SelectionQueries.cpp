#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<TDudStringGrid> MakeGrid(int32_t cols = 6, int32_t rows = 10)
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    return grid;
}

TEST(DudOderSelectionQueries, TheRectangleAnswersWhateverWayItWasDrawn)
{
    struct Case {
        const char* what;
        TGridRect selection;
    };
    const Case cases[] = {
        { "corners in order", TGridRect { 1, 2, 3, 5 } },
        { "corners reversed", TGridRect { 3, 5, 1, 2 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        auto grid = MakeGrid();
        grid->SetSelection(entry.selection);
        EXPECT_TRUE(grid->SelectedCells(2, 4));
        EXPECT_FALSE(grid->SelectedCells(4, 4));
        EXPECT_FALSE(grid->SelectedCells(2, 6));
        EXPECT_EQ(grid->SelectedColCount(), 3);
        EXPECT_EQ(grid->SelectedRowCount(), 4);
        EXPECT_EQ(grid->SelectedRow(0), 2);
        EXPECT_EQ(grid->SelectedRow(3), 5);
        EXPECT_EQ(grid->SelectedRow(4), -1);
        EXPECT_EQ(grid->SelectedCellsCount(), 12);
        // Column by column, each column top to bottom.
        EXPECT_EQ(grid->SelectedCell(0), (TGridCoord { 1, 2 }));
        EXPECT_EQ(grid->SelectedCell(4), (TGridCoord { 2, 2 }));
        EXPECT_EQ(grid->SelectedCell(11), (TGridCoord { 3, 5 }));
    }
}

TEST(DudOderSelectionQueries, ASingleCellCountsAsTheCurrentCell)
{
    auto grid = MakeGrid();
    grid->FocusCell(2, 3);
    grid->SetSelection(TGridRect { 2, 3, 2, 3 });
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord { 2, 3 }));
}

TEST(DudOderSelectionQueries, CountsReachAcrossMergedCellsAtTheEdges)
{
    struct Case {
        const char* what;
        TGridRect selection;
        int32_t mergeCol;
        int32_t mergeRow;
        int32_t spanX;
        int32_t spanY;
        int32_t cols;
        int32_t rows;
    };
    const Case cases[] = {
        { "merge starting at the right edge", TGridRect { 1, 2, 2, 2 }, 2, 2, 3, 1, 4, 1 },
        { "merge wider than the selection", TGridRect { 1, 2, 2, 2 }, 1, 2, 4, 1, 4, 1 },
        { "merge starting at the bottom edge", TGridRect { 1, 2, 1, 3 }, 1, 3, 1, 3, 1, 4 },
        { "no merge", TGridRect { 1, 2, 2, 3 }, -1, -1, 0, 0, 2, 2 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        auto grid = MakeGrid();
        if (entry.mergeCol >= 0)
            grid->MergeCells(entry.mergeCol, entry.mergeRow, entry.spanX, entry.spanY);
        grid->SetSelection(entry.selection);
        EXPECT_EQ(grid->SelectedColCount(), entry.cols);
        EXPECT_EQ(grid->SelectedRowCount(), entry.rows);
    }
}

TEST(DudOderSelectionQueries, FooterRowsStayOutOfTheRowCount)
{
    auto grid = MakeGrid();
    grid->SetFixedFooters(2);
    grid->SetSelection(TGridRect { 1, 5, 1, 9 });
    EXPECT_EQ(grid->SelectedRowCount(), 3);
}

TEST(DudOderSelectionQueries, PickedCellsAreTheirOwnList)
{
    auto grid = MakeGrid();
    grid->MouseActions().SetDisjunctCellSelect(true);
    grid->SetSelection(TGridRect { 1, 1, 3, 3 });
    grid->SetSelectedCells(4, 7, true);
    grid->SetSelectedCells(2, 2, true);
    grid->SetSelectedCells(4, 7, true);
    EXPECT_TRUE(grid->SelectedCells(4, 7));
    EXPECT_FALSE(grid->SelectedCells(1, 1));
    EXPECT_EQ(grid->SelectedCellsCount(), 2);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord { 4, 7 }));
    grid->SetSelectedCells(4, 7, false);
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
    grid->ClearSelectedCells();
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
    EXPECT_EQ(grid->Selection(), (TGridRect { 1, 1, 1, 1 }));
}

TEST(DudOderSelectionQueries, DisjunctRowsAreCountedFromTheirList)
{
    auto grid = MakeGrid();
    grid->MouseActions().SetDisjunctRowSelect(true);
    for (int32_t row : { 6, 2 })
        grid->SetRowSelect(row, true);
    EXPECT_EQ(grid->SelectedRowCount(), 2);
    EXPECT_EQ(grid->SelectedRow(0), 6);
    EXPECT_EQ(grid->SelectedRow(1), 2);
    EXPECT_EQ(grid->SelectedRow(2), -1);
}

TEST(DudOderUpdateLock, ResetEndsEveryLevelAtOnce)
{
    auto grid = MakeGrid();
    grid->BeginUpdate();
    grid->StartUpdate();
    EXPECT_TRUE(grid->LockUpdate());
    grid->ResetUpdate();
    EXPECT_FALSE(grid->LockUpdate());
    grid->EndUpdate();
    EXPECT_EQ(grid->UpdateCount(), 0);
}

std::vector<String> Titles(TDudStringGrid& grid)
{
    std::vector<String> titles;
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        titles.push_back(grid.Cells(column, 0));
    return titles;
}

std::unique_ptr<TDudStringGrid> TitledGrid()
{
    auto grid = MakeGrid(4, 5);
    grid->SetFixedCols(0);
    for (int32_t column = 0; column < 4; ++column)
        grid->SetCells(column, 0, QStringLiteral("T%1").arg(column));
    return grid;
}

TEST(DudOderColumnOrder, PositionsFollowTheMovedColumns)
{
    auto grid = TitledGrid();
    EXPECT_EQ(grid->ColumnPosition(2), 2);
    grid->MoveColumn(0, 3);
    EXPECT_EQ(grid->ColumnPosition(0), 3);
    EXPECT_EQ(grid->ColumnPosition(1), 0);
    EXPECT_EQ(grid->ColumnAtPosition(3), 0);
    EXPECT_EQ(grid->ColumnAtPosition(0), 1);
    EXPECT_EQ(grid->ColumnByHeader("T0"), 3);
    EXPECT_EQ(grid->ColumnByHeader("t0"), -1);
}

TEST(DudOderColumnOrder, ResetBringsBackTheRecordedOrder)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int32_t, int32_t>> moves;
        int32_t hidden;
    };
    const Case cases[] = {
        { "one move", { { 0, 3 } }, -1 },
        { "several moves", { { 0, 3 }, { 2, 0 }, { 1, 2 } }, -1 },
        { "with a hidden column", { { 3, 0 }, { 1, 3 } }, 2 },
        { "nothing moved", {}, -1 },
    };
    const std::vector<String> recorded { "T0", "T1", "T2", "T3" };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        auto grid = TitledGrid();
        grid->SetColumnOrder();
        for (const auto& [from, to] : entry.moves)
            grid->MoveColumn(from, to);
        if (entry.hidden >= 0)
            grid->HideColumn(entry.hidden);
        grid->ResetColumnOrder();
        EXPECT_EQ(grid->NumHiddenColumns(), 0);
        EXPECT_EQ(Titles(*grid), recorded);
        for (int32_t column = 0; column < 4; ++column)
            EXPECT_EQ(grid->ColumnPosition(column), column);
    }
}

} // namespace
