#include "grid/DudOder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Rows 1..9 below one fixed row hold "r<row>" in column 1, a colour in
// column 2 and a height of 20 + row.
void FillRows(TDudStringGrid& grid)
{
    grid.SetColCount(3);
    grid.SetRowCount(10);
    for (int32_t row = 1; row < 10; ++row) {
        grid.SetCells(1, row, QStringLiteral("r%1").arg(row));
        grid.SetColors(2, row, static_cast<TColor>(0x100 + row));
        grid.SetRowHeights(row, 20 + row);
    }
}

// The data rows as the user sees them, by their column-1 text.
std::string VisibleRows(const TDudStringGrid& grid)
{
    QStringList rows;
    for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row)
        rows.append(grid.Cells(1, row));
    return rows.join(QLatin1Char(' ')).toStdString();
}

void ExpectEveryRowWithItsLook(const TDudStringGrid& grid)
{
    ASSERT_EQ(grid.RowCount(), 10);
    for (int32_t row = 1; row < 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), QStringLiteral("r%1").arg(row));
        EXPECT_EQ(grid.GetColors(2, row), static_cast<TColor>(0x100 + row));
        EXPECT_EQ(grid.RowHeights(row), 20 + row);
    }
}

const String AllRows = QStringLiteral("r1 r2 r3 r4 r5 r6 r7 r8 r9");

TEST(DudOderNodes, OperationsShowTheRowsOfExpandedNodesOnly)
{
    const struct {
        const char* Name;
        std::function<void(TDudStringGrid&)> Operations;
        const char* Visible;
    } cases[] = {
        { "a new node is expanded", [](TDudStringGrid& g) { g.AddNode(2, 4); }, "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
        { "contracting hides the span", [](TDudStringGrid& g) { g.AddNode(2, 4); g.ContractNode(2); },
            "r1 r2 r6 r7 r8 r9" },
        { "expanding shows it again",
            [](TDudStringGrid& g) { g.AddNode(2, 4); g.ContractNode(2); g.ExpandNode(2); }, "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
        { "contracting twice changes nothing",
            [](TDudStringGrid& g) { g.AddNode(2, 4); g.ContractNode(2); g.ContractNode(2); }, "r1 r2 r6 r7 r8 r9" },
        { "span 0 runs to the next node",
            [](TDudStringGrid& g) { g.AddNode(2, 0); g.AddNode(6, 3); g.ContractNode(2); }, "r1 r2 r6 r7 r8 r9" },
        { "a contracted sub-node inside",
            [](TDudStringGrid& g) { g.AddNode(2, 6); g.AddNode(4, 3); g.ContractNode(4); }, "r1 r2 r3 r4 r7 r8 r9" },
        { "the outer node hides the sub-tree",
            [](TDudStringGrid& g) { g.AddNode(2, 6); g.AddNode(4, 3); g.ContractNode(4); g.ContractNode(2); },
            "r1 r2 r8 r9" },
        { "and shows all of it again",
            [](TDudStringGrid& g) {
                g.AddNode(2, 6);
                g.AddNode(4, 3);
                g.ContractNode(4);
                g.ContractNode(2);
                g.ExpandNode(2);
            },
            "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
        { "expand one contracts the others",
            [](TDudStringGrid& g) {
                g.AddNode(2, 2);
                g.AddNode(5, 2);
                g.CellNode().SetExpandOne(true);
                g.ExpandNode(5);
            },
            "r1 r2 r4 r5 r6 r7 r8 r9" },
        { "contract all", [](TDudStringGrid& g) { g.AddNode(2, 3); g.AddNode(6, 2); g.ContractAll(); },
            "r1 r2 r5 r6 r8 r9" },
        { "expand all after contract all",
            [](TDudStringGrid& g) { g.AddNode(2, 3); g.AddNode(6, 2); g.ContractAll(); g.ExpandAll(); },
            "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
        { "node state by display row",
            [](TDudStringGrid& g) { g.AddNode(2, 3); g.AddNode(6, 2); g.SetNodeState(2, true); g.SetNodeState(4, true); },
            "r1 r2 r5 r6 r8 r9" },
        { "a removed node shows its rows",
            [](TDudStringGrid& g) { g.AddNode(2, 4); g.ContractNode(2); g.RemoveNode(2); g.ContractNode(2); },
            "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
        { "remove all nodes", [](TDudStringGrid& g) { g.AddNode(2, 3); g.AddNode(6, 2); g.ContractAll(); g.RemoveAllNodes(); },
            "r1 r2 r3 r4 r5 r6 r7 r8 r9" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillRows(grid);
        testCase.Operations(grid);
        EXPECT_EQ(VisibleRows(grid), std::string(testCase.Visible));
        EXPECT_EQ(grid.TotalRowCount(), 10);
    }
}

TEST(DudOderNodes, ContractedRowsComeBackWithTheirTextsColoursAndHeights)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.AddNode(2, 6);
    grid.AddNode(4, 3);
    grid.ContractNode(4);
    grid.ContractNode(2);
    EXPECT_EQ(grid.NumHiddenRows(), 5);
    EXPECT_FALSE(grid.GetNodeState(3)) << "the sub-node is marked expanded while its parent hides it";
    grid.ExpandNode(2);
    ExpectEveryRowWithItsLook(grid);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    grid.ContractAll();
    grid.ExpandAll();
    ExpectEveryRowWithItsLook(grid);
}

TEST(DudOderNodes, QueriesAnswerForNodeRowsAndDefaultsElsewhere)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.SetCol(0);
    grid.AddNode(2, 4);
    EXPECT_EQ(grid.Col(), 1) << "the current cell leaves the glyph column";
    const struct {
        int32_t Row;
        bool Node;
        int32_t Level;
        int32_t Span;
        int32_t Parent;
        int32_t SpanType;
    } cases[] = {
        { 1, false, -1, -1, -1, 2 },
        { 2, true, 1, 4, 2, 0 },
        { 3, false, -1, -1, 2, 2 },
        { 4, false, -1, -1, 2, 2 },
        { 5, false, -1, -1, 2, 1 },
        { 6, false, -1, -1, -1, 1 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Row);
        EXPECT_EQ(grid.IsNode(testCase.Row), testCase.Node);
        EXPECT_EQ(grid.GetNodeLevel(testCase.Row), testCase.Level);
        EXPECT_EQ(grid.GetNodeSpan(testCase.Row), testCase.Span);
        EXPECT_EQ(grid.GetParentRow(testCase.Row), testCase.Parent);
        EXPECT_EQ(grid.GetNodeSpanType(testCase.Row), testCase.SpanType);
        EXPECT_FALSE(grid.GetNodeState(testCase.Row));
    }
    // Contracted, the rows after the node have no parent any more.
    grid.ContractNode(2);
    EXPECT_EQ(grid.GetParentRow(3), -1);
    EXPECT_EQ(grid.GetRowIndent(2), 12);
}

TEST(DudOderNodes, APreciseClickHitsTheGlyphOnly)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.AddNode(2, 4);
    grid.CellNode().SetNodeType(cnFlat);
    const struct {
        int32_t X;
        bool Hit;
    } cases[] = { { 3, false }, { 4, false }, { 5, true }, { 10, true }, { 15, true }, { 16, false } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.X);
        EXPECT_EQ(grid.IsOnNodeGlyph(2, testCase.X), testCase.Hit);
    }
    grid.MouseActions().SetPreciseNodeClick(false);
    EXPECT_TRUE(grid.IsOnNodeGlyph(2, 100));
}

TEST(DudOderNodes, RightToLeftTheGlyphIsHitAtTheRightEdge)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.SetBounds(0, 0, 400, 600);
    grid.AddNode(2, 4);
    grid.CellNode().SetNodeType(cnFlat);
    grid.SetBiDiMode(bdRightToLeft);
    ASSERT_GE(grid.VisibleRowCount() + grid.FixedRows(), grid.RowCount()) << "no vertical bar takes room";
    // Level 1, indent 12, half-width 4: from 400 - 12 - 4 - 2 up to the edge.
    const struct {
        int32_t X;
        bool Hit;
    } cases[] = { { 10, false }, { 381, false }, { 382, true }, { 399, true }, { 400, false } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.X);
        EXPECT_EQ(grid.IsOnNodeGlyph(2, testCase.X), testCase.Hit);
    }
}

TEST(DudOderNodes, ChildRowsGrowAndShrinkEveryEnclosingNode)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.AddNode(1, 6);
    grid.AddNode(3, 3);
    grid.InsertChildRow(4, 1);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.GetNodeSpan(3), 4);
    EXPECT_EQ(grid.GetSubNodeCount(3), 1);
    EXPECT_EQ(grid.GetNodeSpan(1), 7);
    EXPECT_EQ(grid.GetSubNodeCount(1), 1);
    EXPECT_EQ(grid.Cells(1, 5), String());
    EXPECT_EQ(grid.Cells(1, 6), QStringLiteral("r5"));
    EXPECT_EQ(grid.GetParentRow(5), 3) << "the new row belongs to the sub-node";
    EXPECT_EQ(grid.GetCellProperties(0, 5)->NodeLevel(), 2);
    grid.RemoveChildRow(5);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.GetNodeSpan(3), 3);
    EXPECT_EQ(grid.GetSubNodeCount(3), 0);
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(VisibleRows(grid), AllRows.toStdString());
}

TEST(DudOderNodes, AChildRowAtANodeTakesOverTheNodeRowsContent)
{
    TDudStringGrid grid(nullptr);
    FillRows(grid);
    grid.AddNode(2, 3);
    grid.InsertChildRow(2, 0);
    EXPECT_TRUE(grid.IsNode(2));
    EXPECT_EQ(grid.Cells(1, 2), String());
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("r2"));
    EXPECT_EQ(grid.GetColors(2, 3), static_cast<TColor>(0x102));
    EXPECT_EQ(grid.GetNodeSpan(2), 4);
}

} // namespace
