#include "grid/DudOder.h"

#include "grid/DudOder_Settings.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 3 block of data cells below one fixed row and beside one fixed column:
//   abc  ABC  x
//   bcd  ""   ab
//   abcd X1   ax
void FillCells(TDudStringGrid& grid)
{
    grid.SetColCount(4);
    grid.SetRowCount(4);
    const char* cells[3][3] = { { "abc", "ABC", "x" }, { "bcd", "", "ab" }, { "abcd", "X1", "ax" } };
    for (int32_t row = 0; row < 3; ++row)
        for (int32_t col = 0; col < 3; ++col)
            grid.SetCells(col + 1, row + 1, QString::fromLatin1(cells[row][col]));
    grid.SetCells(1, 0, QStringLiteral("abc header"));
}

TEST(DudOderSearch, FindParametersPickTheFirstMatchingCell)
{
    const struct {
        const char* Name;
        const char* Text;
        TFindParams Params;
        TPoint Start;
        TPoint Found;
    } cases[] = {
        { "case ignored, column by column", "ABC", {}, { -1, -1 }, { 1, 1 } },
        { "the case kept", "ABC", { fnMatchCase }, { -1, -1 }, { 2, 1 } },
        { "after a start cell", "abc", {}, { 1, 1 }, { 1, 3 } },
        { "row by row", "ab", { fnDirectionLeftRight }, { 1, 1 }, { 2, 1 } },
        { "the whole text", "ab", { fnMatchFull }, { -1, -1 }, { 3, 2 } },
        { "the start of the text", "bc", { fnMatchStart }, { -1, -1 }, { 1, 2 } },
        { "anywhere", "bc", {}, { -1, -1 }, { 1, 1 } },
        { "two quotes find the empty cell", "\"\"", {}, { -1, -1 }, { 2, 2 } },
        { "backward starts at the bottom right", "a", { fnBackward }, { -1, -1 }, { 3, 3 } },
        { "fixed cells included", "header", { fnIncludeFixed }, { -1, -1 }, { 1, 0 } },
        { "fixed cells left out", "header", {}, { -1, -1 }, { -1, -1 } },
        { "an expression", "x?", { fnMatchRegular }, { -1, -1 }, { 2, 3 } },
        { "nothing found", "zzz", {}, { -1, -1 }, { -1, -1 } },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillCells(grid);
        const TPoint found = grid.Find(testCase.Start, QString::fromLatin1(testCase.Text), testCase.Params);
        EXPECT_EQ(found.X, testCase.Found.X);
        EXPECT_EQ(found.Y, testCase.Found.Y);
    }
}

TEST(DudOderSearch, FindNextWalksOnAndStopsAtTheEnd)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    const TPoint first = grid.FindFirst(QStringLiteral("ab"), TFindParams { fnAutoGoto });
    EXPECT_EQ(first.X, 1);
    EXPECT_EQ(first.Y, 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    const TPoint expected[] = { { 1, 3 }, { 2, 1 }, { 3, 2 }, { -1, -1 }, };
    for (const TPoint& cell : expected) {
        const TPoint next = grid.FindNext();
        EXPECT_EQ(next.X, cell.X);
        EXPECT_EQ(next.Y, cell.Y);
    }
    EXPECT_FALSE(grid.FindBusy());
    EXPECT_EQ(grid.Col(), 3) << "a search that finds nothing leaves the current cell";
    EXPECT_EQ(grid.Row(), 2);
}

TEST(DudOderSearch, RowWiseSearchesSkipIgnoredColumns)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    grid.IgnoreColumns().Add(1);
    TPoint found = grid.Find(TPoint { -1, -1 }, QStringLiteral("abc"), TFindParams { fnDirectionLeftRight });
    EXPECT_EQ(found.X, 2);
    EXPECT_EQ(found.Y, 1);
    found = grid.Find(TPoint { -1, -1 }, QStringLiteral("abc"), {});
    EXPECT_EQ(found.X, 1);
}

TEST(DudOderSearch, AMatchInAContractedNodeOpensIt)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    grid.AddNode(1, 3);
    grid.ContractNode(1);
    ASSERT_EQ(grid.RowCount(), 2);
    const TPoint found = grid.FindFirst(QStringLiteral("X1"), TFindParams { fnIncludeHiddenRows, fnAutoGoto });
    EXPECT_EQ(found.X, 2);
    EXPECT_EQ(found.Y, 3);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Row(), 3);
}

TEST(DudOderSearch, ReplaceChangesEveryMatchingCellOnceIgnoringCase)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    grid.ShowModified().SetEnabled(true);
    EXPECT_EQ(grid.Replace(QStringLiteral("x"), QStringLiteral("xx"), {}), 3);
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("xx"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("xx1"));
    EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("axx"));
    EXPECT_TRUE(grid.GetRowModified(1));
    EXPECT_FALSE(grid.GetRowModified(2));
    EXPECT_TRUE(grid.GetRowModified(3));
}

TEST(DudOderSearch, TheLookupFindsTheFirstRowStartingWithTheText)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    const struct {
        const char* Text;
        int32_t Row;
    } cases[] = { { "ABC", 1 }, { "BC", 2 }, { "ABCD", 3 }, { "Q", -1 } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        EXPECT_EQ(grid.Search(QString::fromLatin1(testCase.Text)), testCase.Row);
    }
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Search(QStringLiteral("A")), -1);
}

TEST(DudOderSearch, TheFooterSearchesOnlyWhenAutoSearchIsOn)
{
    TDudStringGrid grid(nullptr);
    FillCells(grid);
    int32_t changes = 0;
    std::vector<TSearchAction> actions;
    grid.OnSearchEditChange = [&](TDudStringGrid*, const String&, bool&) { ++changes; };
    grid.OnSearchFooterAction = [&](TDudStringGrid*, const String&, int32_t, int32_t, TSearchAction action) {
        actions.push_back(action);
    };
    grid.SearchFooter().SetAutoSearch(false);
    grid.SearchFooterEditChange(QStringLiteral("bcd"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(actions.empty());
    grid.SearchFooterFindNext(QStringLiteral("bcd"));
    EXPECT_EQ(grid.LastSearchCell().Y, 2);
    grid.SearchFooterFindNext(QStringLiteral("bcd"));
    EXPECT_EQ(grid.LastSearchCell().Y, 3);
    // Another text starts again from the first cell.
    grid.SearchFooterFindNext(QStringLiteral("abc"));
    EXPECT_EQ(grid.LastSearchCell().Y, 1);
    ASSERT_EQ(actions.size(), 3U);
    EXPECT_EQ(actions[0], saFindNext);
}

} // namespace
