#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DudOder, ANewGridHasTheDocumentedValues)
{
    TDudStringGrid grid(nullptr);
    struct TCase {
        const char* Name;
        int64_t Actual;
        int64_t Expected;
    };
    const TCase cases[] = {
        { "ColCount", grid.ColCount(), 5 },
        { "RowCount", grid.RowCount(), 10 },
        { "FixedCols", grid.FixedCols(), 1 },
        { "FixedRows", grid.FixedRows(), 1 },
        { "DefaultRowHeight", grid.DefaultRowHeight(), 22 },
        { "FixedRowHeight", grid.FixedRowHeight(), 22 },
        { "Width", grid.Width(), 400 },
        { "Height", grid.Height(), 250 },
        { "Look", grid.Look(), glXP },
        { "SelectionColor", grid.SelectionColor(), 0xEACAB6 },
        { "SelectionColorMixerFactor", grid.SelectionColorMixerFactor(), 50 },
        { "BorderColor", grid.BorderColor(), 0xB99D7F },
        { "ActiveCellColor", grid.ActiveCellColor(), clGray },
        { "XYOffset.X", grid.XYOffset().X, 2 },
        { "XYOffset.Y", grid.XYOffset().Y, 2 },
        { "WordWrap", grid.WordWrap(), true },
        { "MaxRowCount", grid.MaxRowCount(), 10 },
        { "NumHiddenColumns", grid.NumHiddenColumns(), 0 },
        { "FixedFontBold", grid.FixedFont().Style().Contains(fsBold), true },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        EXPECT_EQ(testCase.Actual, testCase.Expected);
    }
    EXPECT_EQ(grid.CheckTrue(), QStringLiteral("Y"));
    EXPECT_EQ(grid.CheckFalse(), QStringLiteral("N"));
    EXPECT_EQ(grid.FloatFormat(), QStringLiteral("%.2f"));
    EXPECT_EQ(grid.FilterDropDownClear(), QStringLiteral("(All)"));
    EXPECT_EQ(grid.XMLEncoding(), QStringLiteral("ISO-8859-1"));
    EXPECT_EQ(grid.FixedFont().Name(), QStringLiteral("Tahoma"));
}

TEST(DudOder, VersionReadsItsFourBytesAndIgnoresWrites)
{
    TDudStringGrid grid(nullptr);
    EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
    grid.SetVersion(QStringLiteral("1.0"));
    EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
    EXPECT_EQ(grid.VersionNr(), 0x06020103);
}

TEST(DudOder, AssignCopiesSettingsDimensionsAndCellsFromAGridOnly)
{
    TDudStringGrid source(nullptr);
    source.SetColCount(3);
    source.SetRowCount(4);
    source.SetCells(2, 3, QStringLiteral("last"));
    source.Navigation().SetAdvanceOnEnter(true);
    TDudStringGrid target(nullptr);
    target.Assign(source);
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.Cells(2, 3), QStringLiteral("last"));
    EXPECT_TRUE(target.Navigation().AdvanceOnEnter());

    TDudStringGrid cellsOnly(nullptr);
    cellsOnly.AssignCells(source);
    EXPECT_EQ(cellsOnly.Cells(2, 3), QStringLiteral("last"));
    EXPECT_FALSE(cellsOnly.Navigation().AdvanceOnEnter());

    THTMLSettings other;
    TDudStringGrid untouched(nullptr);
    untouched.Assign(other);
    untouched.AssignCells(other);
    EXPECT_EQ(untouched.RowCount(), 10);
}

} // namespace
