#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Column 1 of the data rows below one fixed row holds the given texts.
void FillColumn(TDudStringGrid& grid, const QStringList& values, int32_t extraRows = 0)
{
    grid.SetRowCount(static_cast<int32_t>(values.size()) + 1 + extraRows);
    for (int32_t index = 0; index < values.size(); ++index)
        grid.SetCells(1, index + 1, values[index]);
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

TEST(DudOderColumnCalc, CalculationsOverTheDataRows)
{
    const struct {
        const char* Name;
        QStringList Values;
        std::function<double(TDudStringGrid&)> Calc;
        double Expected;
    } cases[] = {
        { "sum skips what is no number", Texts({ "1", "2", "x", "4" }),
            [](TDudStringGrid& g) { return g.ColumnSum(1, -1, -1); }, 7 },
        { "the average divides by every row", Texts({ "1", "2", "x", "4" }),
            [](TDudStringGrid& g) { return g.ColumnAvg(1, -1, -1); }, 1.75 },
        { "an empty range sums to 0", Texts({ "1" }), [](TDudStringGrid& g) { return g.ColumnSum(1, 2, 1); }, 0 },
        { "minimum", Texts({ "5", "-2", "x", "3" }), [](TDudStringGrid& g) { return g.ColumnMin(1, -1, -1); }, -2 },
        { "maximum", Texts({ "5", "-2", "x", "8.5" }), [](TDudStringGrid& g) { return g.ColumnMax(1, -1, -1); }, 8.5 },
        { "distinct texts ignore case", Texts({ "A", "a", "B" }),
            [](TDudStringGrid& g) { return g.ColumnDistinct(1, -1, -1); }, 2 },
        { "standard deviation", Texts({ "2", "4", "4", "4", "5", "5", "7", "9" }),
            [](TDudStringGrid& g) { return g.ColumnStdDev(1, -1, -1); }, 2 },
        { "the custom calculation asks the event", Texts({ "1" }),
            [](TDudStringGrid& g) {
                g.OnColumnCalc = [](TDudStringGrid*, int32_t, int32_t from, int32_t to, double& result) {
                    result = from * 100 + to;
                };
                return g.ColumnCustomCalc(1, 2, 3);
            },
            203 },
        { "a merged cell counts once", Texts({ "1", "2", "4" }),
            [](TDudStringGrid& g) { g.MergeCells(1, 1, 1, 2); return g.ColumnSum(1, -1, -1); }, 5 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillColumn(grid, testCase.Values);
        EXPECT_DOUBLE_EQ(testCase.Calc(grid), testCase.Expected);
    }
}

// Rows 2 and 6 are hidden; displayed rows 1 and 2 (real 1 and 3) are
// merged. A hidden row's value counts whatever merge the displayed row after
// it belongs to.
TEST(DudOderColumnCalc, AHiddenRowCountsInARealRangeWhateverMergeFollowsIt)
{
    TDudStringGrid grid(nullptr);
    FillColumn(grid, Texts({ "1", "2", "4", "8", "16" }), 1);
    grid.HideRow(2);
    grid.HideRow(6);
    grid.MergeCells(1, 1, 1, 2);
    ASSERT_GT(6, grid.RowCount());
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, 6), 27);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 25);
}

TEST(DudOderColumnCalc, MinimumAndMaximumStartFromTheFirstRowOfTheRange)
{
    TDudStringGrid grid(nullptr);
    FillColumn(grid, Texts({ "7", "3", "1", "9" }));
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, 2, 3), 1);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, 2, 3), 3);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, 1, 4), 9);
}

TEST(DudOderColumnCalc, GroupedHeadersAndSummariesAreNotSummedUnlessHidden)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(3);
    FillColumn(grid, Texts({ "a", "a", "b" }));
    for (int32_t row = 1; row <= 3; ++row)
        grid.SetCells(2, row, QString::number(row));
    grid.Group(1);
    grid.SetCells(1, 1, QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 6);
}

// Ten rows, one fixed; the footer row is the last.
void FooterGrid(TDudStringGrid& grid, TColumnCalcType calcType)
{
    grid.SetRowCount(10);
    for (int32_t row = 1; row <= 8; ++row)
        grid.SetCells(1, row, QString::number(row));
    grid.FloatingFooter().SetVisible(true);
    grid.FloatingFooter().SetColumnCalc(1, calcType);
}

TEST(DudOderColumnCalc, TheFooterRowShowsItsColumnsCalculation)
{
    const struct {
        const char* Name;
        TColumnCalcType Calc;
        int32_t Hidden;
        const char* Footer;
    } cases[] = {
        { "count", acCOUNT, 0, "8" },
        { "count with hidden rows", acCOUNT, 2, "8" },
        { "sum", acSUM, 0, "36.00" },
        { "sum with two hidden rows", acSUM, 2, "36.00" },
        { "sum with one hidden row leaves the footer out", acSUM, 1, "36.00" },
        { "average", acAVG, 0, "4.50" },
        { "maximum", acMAX, 0, "8.00" },
        { "none leaves the cell", acNONE, 0, "keep" },
        { "spread leaves the cell", acSPREAD, 0, "keep" },
        { "custom without an event empties it", acCUSTOM, 0, "" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FooterGrid(grid, testCase.Calc);
        grid.SetCells(1, 9, QStringLiteral("keep"));
        for (int32_t hidden = 0; hidden < testCase.Hidden; ++hidden)
            grid.HideRow(2 + hidden);
        grid.CalcFooter(-1);
        EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), QString::fromLatin1(testCase.Footer));
    }
}

TEST(DudOderColumnCalc, TheFooterAsksItsEventsAndSkipsCellsWithoutProperties)
{
    TDudStringGrid grid(nullptr);
    FooterGrid(grid, acCUSTOM);
    grid.SetCells(2, 9, QStringLiteral("untouched"));
    grid.OnFooterCalc = [](TDudStringGrid*, int32_t col, int32_t row, String& value) {
        value = QStringLiteral("%1/%2").arg(col).arg(row);
    };
    grid.CalcFooter(-1);
    EXPECT_EQ(grid.Cells(1, 9), QStringLiteral("1/9"));
    EXPECT_EQ(grid.Cells(2, 9), QStringLiteral("untouched"));
    // A column whose first row holds no number keeps its footer.
    grid.FloatingFooter().SetColumnCalc(1, acMIN);
    grid.SetCells(1, 1, QStringLiteral("none"));
    EXPECT_NO_THROW(grid.CalcFooter(1));
}

TEST(DudOderColumnCalc, ChangedCellsReachTheNotifiersAndTheFooter)
{
    class TRecorder : public TGridChangeNotifier {
    public:
        using TGridChangeNotifier::TGridChangeNotifier;
        void CellsChanged(const TRect& range) override { Ranges.push_back(range); }
        std::vector<TRect> Ranges;
    };
    TDudStringGrid grid(nullptr);
    FooterGrid(grid, acSUM);
    TRecorder first(nullptr);
    TRecorder second(nullptr);
    grid.RegisterNotifier(&first);
    grid.RegisterNotifier(&first);
    grid.RegisterNotifier(&second);
    grid.ClearRect(1, 2, 1, 3);
    ASSERT_EQ(first.Ranges.size(), 1U);
    EXPECT_EQ(first.Ranges[0].Top, 2);
    EXPECT_EQ(second.Ranges.size(), 1U);
    EXPECT_EQ(grid.Cells(1, 9), QStringLiteral("31.00"));
    grid.UnRegisterNotifier(&first);
    grid.ClearRect(1, 4, 1, 4);
    EXPECT_EQ(first.Ranges.size(), 1U);
    EXPECT_EQ(second.Ranges.size(), 2U);
}

TEST(DudOderColumnCalc, UsedCellsBoundTheCellsWithText)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(8);
    TRect used = grid.UsedCells();
    EXPECT_EQ(used.Left, 0);
    EXPECT_EQ(used.Bottom, 0);
    grid.SetCells(3, 5, QStringLiteral("x"));
    used = grid.UsedCells();
    EXPECT_EQ(used.Left, 3);
    EXPECT_EQ(used.Top, 5);
    EXPECT_EQ(used.Right, 3);
    EXPECT_EQ(used.Bottom, 5);
    grid.SetCells(1, 6, QStringLiteral("y"));
    used = grid.UsedCells();
    EXPECT_EQ(used.Left, 1);
    EXPECT_EQ(used.Bottom, 6);
}

TEST(DudOderColumnCalc, TheExportRangeFollowsTheSaveFixedSettings)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(10);
    grid.SetFixedRightCols(1);
    grid.SetFixedFooters(1);
    grid.SetSaveFixedCells(false);
    EXPECT_EQ(grid.SaveStartCol(), 1);
    EXPECT_EQ(grid.SaveEndCol(), 3);
    EXPECT_EQ(grid.SaveColCount(), 3);
    EXPECT_EQ(grid.SaveStartRow(), 1);
    EXPECT_EQ(grid.SaveEndRow(), 8);
    EXPECT_EQ(grid.SaveRowCount(), 8);
    grid.SetSaveFixedRows(true);
    EXPECT_EQ(grid.SaveStartRow(), 0);
    EXPECT_EQ(grid.SaveEndRow(), 9);
    EXPECT_EQ(grid.SaveColCount(), 3);
}

} // namespace
