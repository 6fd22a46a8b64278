#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Column 1 holds the values to group on, column 2 a number, one fixed row
// with captions; groups get summary rows.
void FillTable(TDudStringGrid& grid, const QStringList& values)
{
    grid.Grouping().SetSummary(true);
    grid.SetColCount(3);
    grid.SetRowCount(static_cast<int32_t>(values.size()) + 1);
    grid.SetCells(1, 0, QStringLiteral("Kind"));
    grid.SetCells(2, 0, QStringLiteral("Count"));
    for (int32_t index = 0; index < values.size(); ++index) {
        grid.SetCells(1, index + 1, values[index]);
        grid.SetCells(2, index + 1, QString::number(index + 1));
    }
}

// Headers as "H:<text>/<span>", summaries as "S:<column 1>", data rows as
// their column-1 text.
std::string Layout(TDudStringGrid& grid)
{
    QStringList rows;
    for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        if (grid.IsNode(row))
            rows.append(QStringLiteral("H:%1/%2").arg(grid.GridCells(1, row)).arg(grid.GetNodeSpan(row)));
        else if (grid.IsSummary(row))
            rows.append(QStringLiteral("S:") + grid.GridCells(1, row));
        else
            rows.append(grid.GridCells(1, row));
    }
    return rows.join(QLatin1Char(' ')).toStdString();
}

const QStringList Values { QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") };

TEST(DudOderGrouping, OperationsLayTheGroupsOut)
{
    const struct {
        const char* Name;
        std::function<void(TDudStringGrid&)> Operations;
        const char* Layout;
    } cases[] = {
        { "with summaries", [](TDudStringGrid& g) { g.Group(1); }, "H:A/3 1 2 S: H:B/2 3 S: H:C/2 4 S:" },
        { "without summaries", [](TDudStringGrid& g) { g.Grouping().SetSummary(false); g.Group(1); },
            "H:A/3 1 2 H:B/2 3 H:C/2 4" },
        { "sum into the summaries", [](TDudStringGrid& g) { g.Group(1); g.GroupSum(1); },
            "H:A/3 1 2 S:3.00 H:B/2 3 S:3.00 H:C/2 4 S:4.00" },
        { "sum into the headers without summaries",
            [](TDudStringGrid& g) { g.Grouping().SetSummary(false); g.Group(1); g.GroupSum(1); },
            "H:3.00/3 1 2 H:3.00/2 3 H:4.00/2 4" },
        { "count", [](TDudStringGrid& g) { g.Group(1); g.GroupCount(1); }, "H:A/3 1 2 S:2 H:B/2 3 S:1 H:C/2 4 S:1" },
        { "a contracted group is not summed",
            [](TDudStringGrid& g) { g.Group(1); g.ContractNode(1); g.GroupMax(1); },
            "H:A/3 S: H:B/2 3 S:3.00 H:C/2 4 S:4.00" },
        { "an unknown method writes nothing", [](TDudStringGrid& g) { g.Group(1); g.GroupCalc(1, 9); },
            "H:A/3 1 2 S: H:B/2 3 S: H:C/2 4 S:" },
        { "expand one keeps the first group open",
            [](TDudStringGrid& g) { g.CellNode().SetExpandOne(true); g.Group(1); }, "H:A/3 1 2 S: H:B/2 S: H:C/2 S:" },
        { "unsorted values are sorted first",
            [](TDudStringGrid& g) {
                g.SetCells(1, 2, QStringLiteral("D"));
                g.Grouping().SetSummary(false);
                g.Group(1);
            },
            "H:A/2 1 H:B/2 3 H:C/2 4 H:D/2 2" },
        { "group column 0 does nothing", [](TDudStringGrid& g) { g.SetGroupColumn(0); }, "A A B C" },
        { "group column -1 ungroups", [](TDudStringGrid& g) { g.SetGroupColumn(1); g.SetGroupColumn(-1); }, "A A B C" },
        { "a fixed column is not grouped", [](TDudStringGrid& g) { g.Group(0); }, "A A B C" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillTable(grid, Values);
        testCase.Operations(grid);
        EXPECT_EQ(Layout(grid), std::string(testCase.Layout));
    }
}

TEST(DudOderGrouping, UnGroupRestoresTheColumnWithItsCaptionWidthAndValues)
{
    TDudStringGrid grid(nullptr);
    FillTable(grid, Values);
    grid.SetColWidths(1, 77);
    grid.Group(1);
    EXPECT_EQ(grid.GroupColumn(), 1);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Count"));
    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    ASSERT_EQ(grid.ColCount(), 3);
    ASSERT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Kind"));
    EXPECT_EQ(grid.ColWidths(1), 77);
    for (int32_t row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), Values[row - 1]);
        EXPECT_EQ(grid.Cells(2, row), QString::number(row));
        EXPECT_FALSE(grid.IsNode(row));
    }
    EXPECT_FALSE(grid.HasNodes());
}

TEST(DudOderGrouping, RowMarksStayWithTheirRowsThroughGroupAndUnGroup)
{
    TDudStringGrid grid(nullptr);
    FillTable(grid, Values);
    grid.SetRowModified(3, true);
    grid.SetColors(2, 3, static_cast<TColor>(0x123456));
    grid.Group(1);
    // B's data row sits under B's header, after A's group and summary.
    ASSERT_EQ(grid.Cells(1, 6), QStringLiteral("3"));
    EXPECT_TRUE(grid.GetRowModified(6));
    EXPECT_EQ(grid.ModifiedRowCount(), 1);
    EXPECT_EQ(grid.GetColors(1, 6), static_cast<TColor>(0x123456));
    grid.UnGroup();
    EXPECT_TRUE(grid.GetRowModified(3));
    EXPECT_EQ(grid.ModifiedRowCount(), 1);
    EXPECT_EQ(grid.GetColors(2, 3), static_cast<TColor>(0x123456));
}

TEST(DudOderGrouping, HeadersShowTheirDataRowCount)
{
    TDudStringGrid grid(nullptr);
    FillTable(grid, Values);
    grid.Grouping().SetShowGroupCount(true);
    grid.Group(1);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("A (2)"));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("1"));
    grid.Grouping().SetGroupCountFormat(QStringLiteral(" [%d]"));
    EXPECT_EQ(grid.Cells(1, 5), QStringLiteral("B [1]"));
}

TEST(DudOderGrouping, SubGroupsNestInsideTheGroupsAndComeOutAgain)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    const char* rows[][2] = { { "A", "x" }, { "A", "y" }, { "A", "y" }, { "B", "z" } };
    for (int32_t row = 1; row <= 4; ++row) {
        grid.SetCells(1, row, QString::fromLatin1(rows[row - 1][0]));
        grid.SetCells(2, row, QString::fromLatin1(rows[row - 1][1]));
        grid.SetCells(3, row, QString::number(row));
    }
    grid.Grouping().SetSummary(false);
    grid.Group(1);
    // Columns now: 0, value x/y/z, number.
    grid.SubGroup(1);
    QStringList layout;
    for (int32_t row = 1; row < grid.RowCount(); ++row)
        layout.append((grid.IsNode(row) ? QStringLiteral("N%1:").arg(grid.GetNodeLevel(row)) : String())
            + grid.Cells(1, row) + QLatin1Char('|') + grid.Cells(2, row));
    EXPECT_EQ(layout.join(QLatin1Char(' ')), QStringLiteral("N1:A| N2:|x |1 N2:|y |2 |3 N1:B| N2:|z |4"));
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    grid.UnGroup();
    ASSERT_EQ(grid.RowCount(), 5);
    for (int32_t row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), QString::fromLatin1(rows[row - 1][0]));
        EXPECT_EQ(grid.Cells(2, row), QString::fromLatin1(rows[row - 1][1]));
        EXPECT_EQ(grid.Cells(3, row), QString::number(row));
    }
}

TEST(DudOderGrouping, TheFooterTakesOverTheGroupsCalculation)
{
    TDudStringGrid grid(nullptr);
    FillTable(grid, Values);
    grid.Group(1);
    grid.FloatingFooter().SetVisible(true);
    grid.GroupSum(1);
    EXPECT_EQ(grid.FloatingFooter().GetColumnCalc(1), acSUM);
    grid.GroupStdDev(1);
    EXPECT_EQ(grid.FloatingFooter().GetColumnCalc(1), acSUM);
}

} // namespace

namespace {

TEST(DudOderGrouping, TheFloatingFooterRowStaysOutOfTheGroups)
{
    TDudStringGrid grid(nullptr);
    FillTable(grid, Values);
    grid.AddRow();
    grid.FloatingFooter().SetVisible(true);
    grid.SetCells(2, grid.RowCount() - 1, QStringLiteral("Total"));
    grid.Group(1);
    EXPECT_EQ(Layout(grid), std::string("H:A/3 1 2 S: H:B/2 3 S: H:C/2 4 S: Total"));
    grid.UnGroup();
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(2, 5), QStringLiteral("Total"));
    EXPECT_EQ(grid.Cells(1, 5), String());
}

} // namespace
