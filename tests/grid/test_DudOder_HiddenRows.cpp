#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Rows 0..count-1 hold "r<row>" in column 1, a colour in column 2 and a
// height of 20 + row.
void FillRows(TDudStringGrid& grid, int32_t count)
{
    grid.SetRowCount(count);
    for (int32_t row = 0; row < count; ++row) {
        grid.SetCells(1, row, QStringLiteral("r%1").arg(row));
        grid.SetColors(2, row, static_cast<TColor>(0x100 + row));
        grid.SetRowHeights(row, 20 + row);
    }
}

void ExpectRowsInOrder(const TDudStringGrid& grid, int32_t count)
{
    ASSERT_EQ(grid.RowCount(), count);
    for (int32_t row = 0; row < count; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), QStringLiteral("r%1").arg(row));
        EXPECT_EQ(grid.GetColors(2, row), static_cast<TColor>(0x100 + row));
        EXPECT_EQ(grid.RowHeights(row), 20 + row);
    }
}

TEST(DudOderHiddenRows, HidingARangeWithARowHiddenAlreadyStoresTheOthers)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 10);
    grid.HideRow(6);
    grid.HideRows(5, 7);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.NumHiddenRows(), 3);
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("r8"));
    for (int32_t row : { 5, 6, 7 })
        EXPECT_TRUE(grid.IsHiddenRow(row));
    grid.UnHideRows(5, 7);
    ExpectRowsInOrder(grid, 10);
}

TEST(DudOderHiddenRows, ShowingARangeKeepsTheShownRowsBetween)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 6);
    grid.HideRow(3);
    grid.HideRow(1);
    grid.UnHideRows(2, 3);
    EXPECT_EQ(grid.NumHiddenRows(), 2);
    grid.UnHideRows(1, 3);
    ExpectRowsInOrder(grid, 6);
}

TEST(DudOderHiddenRows, RowMappingsSkipTheHiddenRows)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 10);
    EXPECT_EQ(grid.RealRowIndex(-1), -1);
    EXPECT_EQ(grid.RealRowIndex(4), 4);
    grid.HideRow(2);
    grid.HideRow(5);
    const struct {
        int32_t Display;
        int32_t Real;
    } cases[] = { { 0, 0 }, { 1, 1 }, { 2, 3 }, { 3, 4 }, { 4, 6 }, { 7, 9 } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Display);
        EXPECT_EQ(grid.RealRowIndex(testCase.Display), testCase.Real);
        EXPECT_EQ(grid.DisplRowIndex(testCase.Real), testCase.Display);
        EXPECT_EQ(grid.Cells(1, testCase.Display), QStringLiteral("r%1").arg(testCase.Real));
    }
    EXPECT_EQ(grid.TotalRowCount(), 10);
}

TEST(DudOderHiddenRows, AllCellsReachTheStoredCopyOfAHiddenRow)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 6);
    grid.HideRow(2);
    EXPECT_EQ(grid.AllCells(1, 2), QStringLiteral("r2"));
    EXPECT_EQ(grid.AllCells(1, 3), QStringLiteral("r3"));
    grid.SetAllCells(1, 2, QStringLiteral("changed"));
    grid.SetAllCells(3, 2, QStringLiteral("new"));
    grid.UnHideRow(2);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("changed"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("new"));
}

TEST(DudOderHiddenRows, ShowingFromAShownRowDoesNothing)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 6);
    grid.HideRow(3);
    grid.UnHideRows(2, 4);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_TRUE(grid.IsHiddenRow(3));
}

TEST(DudOderHiddenRows, RandomHideAndShowSequencesRestoreEveryRow)
{
    std::mt19937 generator(20261210);
    for (int32_t round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        TDudStringGrid grid(nullptr);
        FillRows(grid, 16);
        for (int32_t step = 0; step < 6; ++step) {
            const int32_t from = std::uniform_int_distribution<int32_t>(1, 14)(generator);
            const int32_t to = std::min(from + std::uniform_int_distribution<int32_t>(0, 3)(generator), 15);
            if (grid.RowCount() - (to - from + 1) > 2)
                grid.HideRows(from, to);
            if (step % 3 == 2)
                grid.UnHideRow(from);
        }
        grid.UnHideRowsAll();
        ExpectRowsInOrder(grid, 16);
        EXPECT_EQ(grid.NumHiddenRows(), 0);
    }
}

TEST(DudOderHiddenRows, UndoingTheOnlyFilterLevelBringsBackEveryStoredRow)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 10);
    grid.HideRow(8);
    TIntList filtered(-1, -1);
    for (int32_t row : { 2, 3, 6 })
        filtered.Add(row);
    grid.HideRowList(filtered);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("r4"));
    grid.UnHideRowList();
    ExpectRowsInOrder(grid, 10);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
}

TEST(DudOderHiddenRows, AGridDestroyedWithHiddenRowsFreesTheirCells)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid, 8);
    grid.HideRows(2, 4);
    EXPECT_EQ(grid.NumHiddenRows(), 3);
}

TEST(DudOderHiddenRows, UnHideSelectionRestoresWhatStillFitsElseTheFirstDataCell)
{
    const struct {
        const char* Name;
        int32_t RowsMeanwhile;
        TGridRect Expected;
    } cases[] = {
        { "still fits", 10, TGridRect { 2, 3, 3, 5 } },
        { "rows gone", 2, TGridRect { 1, 1, 1, 1 } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TDudStringGrid grid(nullptr);
        grid.SetOptions(grid.Options() + TGridOptions { goRangeSelect });
        grid.SetSelection(TGridRect { 2, 3, 3, 5 });
        grid.HideSelection();
        EXPECT_EQ(grid.Selection().Left, grid.ColCount());
        EXPECT_EQ(grid.Selection().Top, grid.RowCount());
        grid.SetRowCount(entry.RowsMeanwhile);
        grid.UnHideSelection();
        const TGridRect selection = grid.Selection();
        EXPECT_EQ(selection.Left, entry.Expected.Left);
        EXPECT_EQ(selection.Top, entry.Expected.Top);
        EXPECT_EQ(selection.Right, entry.Expected.Right);
        EXPECT_EQ(selection.Bottom, entry.Expected.Bottom);
    }
}

} // namespace
