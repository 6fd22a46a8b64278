#include "grid/DudOder.h"
#include "grid/DudOder_Footer.h"

#include <gtest/gtest.h>

namespace {

TEST(DudOderDimensions, FixedRowAlwaysKeepsAFixedRowThroughCountChanges)
{
    TDudStringGrid grid(nullptr);
    grid.SetFixedRowAlways(true);
    grid.SetFixedRows(1);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.FixedRows(), 1);
}

TEST(DudOderDimensions, FixedRowsAtTheRowCountStayBelowItAndRecordTheRequest)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(3);
    grid.SetFixedRowAlways(true);
    grid.SetFixedRows(3);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_EQ(grid.FixedRowsMin(), 3);
}

TEST(DudOderDimensions, TheLargestRowAndColumnCountsAreRemembered)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetRowCount(6);
    grid.SetColCount(8);
    grid.SetColCount(3);
    EXPECT_EQ(grid.MaxRowCount(), 10);
    EXPECT_EQ(grid.MaxColCount(), 8);
}

TEST(DudOderDimensions, SettersClampOrTranslateTheirValues)
{
    TDudStringGrid grid(nullptr);
    const struct {
        int32_t Factor;
        int32_t Stored;
    } factors[] = { { 150, 100 }, { -5, 0 }, { 30, 30 } };
    for (const auto& factor : factors) {
        SCOPED_TRACE(factor.Factor);
        grid.SetSelectionColorMixerFactor(factor.Factor);
        EXPECT_EQ(grid.SelectionColorMixerFactor(), factor.Stored);
    }
    const struct {
        TVAlignment Alignment;
        uint32_t Flag;
    } alignments[] = { { vtaCenter, 4 }, { vtaBottom, 8 }, { vtaTop, 0 } };
    for (const auto& alignment : alignments) {
        SCOPED_TRACE(static_cast<int>(alignment.Alignment));
        grid.SetVAlignment(alignment.Alignment);
        EXPECT_EQ(grid.VAlignFlag(), alignment.Flag);
    }
}

TEST(DudOderDimensions, SpreadSheetSwitchesRangeSelectionAndEditingOnWhateverTheValue)
{
    TDudStringGrid grid(nullptr);
    grid.SetOptions(TGridOptions {});
    grid.SetSpreadSheet(false);
    EXPECT_TRUE(grid.Options().Contains(goRangeSelect));
    EXPECT_TRUE(grid.Options().Contains(goEditing));
    EXPECT_TRUE(grid.MouseActions().RangeSelectAndEdit());
    EXPECT_TRUE(grid.SelectionRectangle());
}

TEST(DudOderDimensions, CellsPastTheRowCountReadBackWhatWasWritten)
{
    TDudStringGrid grid(nullptr);
    const struct {
        int32_t Col;
        int32_t Row;
        const char* Text;
    } cases[] = { { 1, 10, "at RowCount" }, { 2, 14, "beyond" }, { 4, 11, "last column" } };
    for (const auto& cell : cases)
        grid.SetCells(cell.Col, cell.Row, QString::fromUtf8(cell.Text));
    for (const auto& cell : cases) {
        SCOPED_TRACE(cell.Text);
        EXPECT_EQ(grid.Cells(cell.Col, cell.Row), QString::fromUtf8(cell.Text));
    }
    grid.SetRowCount(15);
    EXPECT_EQ(grid.Cells(2, 14), QStringLiteral("beyond"));
}

TEST(DudOderDimensions, ShrinkingThenGrowingBringsBackNoStaleTextOrColour)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 8, QStringLiteral("old"));
    grid.SetColors(2, 8, clRed);
    grid.SetRowColor(9, clBlue);
    grid.SetRowCount(5);
    grid.SetRowCount(10);
    for (int32_t row : { 8, 9 }) {
        SCOPED_TRACE(row);
        for (int32_t column = 0; column < grid.ColCount(); ++column) {
            EXPECT_TRUE(grid.Cells(column, row).isEmpty());
            EXPECT_EQ(grid.GetColors(column, row), clNone);
        }
    }
}

TEST(DudOderDimensions, TheFloatingFooterRowStaysLastWhenTheCountChanges)
{
    TDudStringGrid grid(nullptr);
    grid.FloatingFooter().SetVisible(true);
    grid.SetCells(1, 9, QStringLiteral("sum"));
    grid.SetCells(1, 8, QStringLiteral("data"));
    grid.SetRowCount(12);
    EXPECT_EQ(grid.Cells(1, 11), QStringLiteral("sum"));
    EXPECT_TRUE(grid.Cells(1, 9).isEmpty());
    // Shrinking takes the footer texts before the rows are cut off.
    grid.SetRowCount(6);
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("sum"));
    grid.SetRowCount(12);
    EXPECT_TRUE(grid.Cells(1, 8).isEmpty());
    EXPECT_TRUE(grid.Cells(1, 9).isEmpty());
    EXPECT_EQ(grid.Cells(1, 11), QStringLiteral("sum"));
}

} // namespace
