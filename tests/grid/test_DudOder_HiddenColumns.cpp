#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Reaches the editor's text exchange as the in-place editor does.
class TEditingGrid : public TDudStringGrid {
public:
    using TDudStringGrid::TDudStringGrid;
    using TDudStringGrid::GetEditText;
    using TDudStringGrid::SetEditText;
};

TEST(DudOderHiddenColumns, WithoutHiddenColumnsEveryMappingIsTheIdentity)
{
    TDudStringGrid grid(nullptr);
    for (int32_t column = 0; column < 600; column += 37) {
        SCOPED_TRACE(column);
        EXPECT_EQ(grid.RealColIndex(column), column);
        EXPECT_EQ(grid.DisplColIndex(column), column);
    }
}

TEST(DudOderHiddenColumns, HidingAColumnKeepsItsCellsAndWidth)
{
    TDudStringGrid grid(nullptr);
    grid.SetColWidths(2, 91);
    grid.SetCells(2, 3, QStringLiteral("kept"));
    grid.SetCells(3, 3, QStringLiteral("next"));
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.AllColCount(), 5);
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.DisplColIndex(3), 2);
    EXPECT_EQ(grid.DisplColIndex(2), 2);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("kept"));
    EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("next"));
    grid.UnHideColumn(2);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.ColWidths(2), 91);
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("kept"));
}

TEST(DudOderHiddenColumns, MappingsInvertEachOtherForEveryShownColumn)
{
    const std::vector<std::vector<int32_t>> hiddenSets = { { 0 }, { 1, 3 }, { 2, 3, 4 }, { 5, 7, 8 } };
    for (const auto& hidden : hiddenSets) {
        TDudStringGrid grid(nullptr);
        grid.SetColCount(10);
        for (int32_t column : hidden)
            grid.HideColumn(column);
        for (int32_t column = 0; column < grid.AllColCount(); ++column) {
            SCOPED_TRACE(column);
            if (!grid.IsHiddenColumn(column)) {
                EXPECT_EQ(grid.RealColIndex(grid.DisplColIndex(column)), column);
            }
        }
    }
}

TEST(DudOderHiddenColumns, RequestsOutsideTheTableChangeNothing)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.HideColumn(1);
    grid.HideColumn(0);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    grid.HideColumn(600);
    grid.UnHideColumn(0);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    EXPECT_FALSE(grid.IsHiddenColumn(600));
}

TEST(DudOderHiddenColumns, HidingTheCurrentLastColumnMovesTheCurrentColumnLeft)
{
    TDudStringGrid grid(nullptr);
    grid.SetCol(4);
    grid.HideColumn(4);
    EXPECT_EQ(grid.Col(), 3);
}

TEST(DudOderHiddenColumns, AColumnPastTheShownOnesMapsPastTheRealOnes)
{
    TDudStringGrid grid(nullptr);
    grid.HideColumn(1);
    EXPECT_EQ(grid.RealColIndex(grid.ColCount()), grid.AllColCount());
    grid.SetAllCells(grid.RealColIndex(grid.ColCount()), 2, QStringLiteral("outside"));
    EXPECT_TRUE(grid.Cells(0, 2).isEmpty());
}

TEST(DudOderHiddenColumns, EditsLandInTheRealColumn)
{
    TEditingGrid grid(nullptr);
    grid.SetCells(1, 2, QStringLiteral("hidden"));
    grid.SetCells(3, 2, QStringLiteral("three"));
    grid.HideColumn(1);
    // Display column 2 is real column 3.
    EXPECT_EQ(grid.GetEditText(2, 2), QStringLiteral("three"));
    grid.SetEditText(2, 2, QStringLiteral("edited"));
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("edited"));
    EXPECT_EQ(grid.Cells(2, 2), QString());
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("hidden"));
}

TEST(DudOderHiddenColumns, UnhidingAllRestoresTheOriginalOrder)
{
    TDudStringGrid grid(nullptr);
    for (int32_t column = 0; column < 5; ++column)
        grid.SetColWidths(column, 40 + column);
    grid.HideColumns(1, 3);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.ColWidths(1), 44);
    grid.UnHideColumnsAll();
    for (int32_t column = 0; column < 5; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(grid.ColWidths(column), 40 + column);
    }
}

} // namespace
