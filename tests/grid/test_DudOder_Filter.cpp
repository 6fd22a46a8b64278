#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const Fruits[] = { "apple", "banana", "cherry", "apricot", "blue berry" };

// One fixed row; column 1 the fruit, column 2 ten times its place, column 3
// a colour per row.
void FillFruits(TDudStringGrid& grid)
{
    grid.SetColCount(4);
    grid.SetRowCount(6);
    for (int32_t row = 1; row <= 5; ++row) {
        grid.SetCells(1, row, QString::fromLatin1(Fruits[row - 1]));
        grid.SetCells(2, row, QString::number(row * 10));
        grid.SetColors(3, row, static_cast<TColor>(0x200 + row));
    }
}

std::string VisibleRows(const TDudStringGrid& grid)
{
    QStringList rows;
    for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row)
        rows.append(grid.Cells(1, row));
    return rows.join(QLatin1Char(',')).toStdString();
}

TFilterData& AddCondition(TDudStringGrid& grid, int32_t column, const char* condition, TFilterOperation operation)
{
    TFilterData& data = *grid.Filter().Add();
    data.SetColumn(static_cast<int16_t>(column));
    data.SetCondition(QString::fromLatin1(condition));
    data.SetOperation(operation);
    return data;
}

const char* const AllFruits = "apple,banana,cherry,apricot,blue berry";

TEST(DudOderFilter, ConditionsAndOperationsHideTheRowsThatFail)
{
    const struct {
        const char* Name;
        std::function<void(TDudStringGrid&)> Operations;
        const char* Visible;
    } cases[] = {
        { "no condition keeps every row", [](TDudStringGrid& g) { g.ApplyFilter(); }, AllFruits },
        { "one expression", [](TDudStringGrid& g) { AddCondition(g, 1, "a*", foNONE); g.ApplyFilter(); },
            "apple,apricot" },
        { "or", [](TDudStringGrid& g) {
             AddCondition(g, 1, "a*", foNONE);
             AddCondition(g, 2, ">=40", foOR);
             g.ApplyFilter();
         },
            "apple,apricot,blue berry" },
        { "and", [](TDudStringGrid& g) {
             AddCondition(g, 1, "a*", foNONE);
             AddCondition(g, 2, ">=40", foAND);
             g.ApplyFilter();
         },
            "apricot" },
        { "xor", [](TDudStringGrid& g) {
             AddCondition(g, 1, "a*", foNONE);
             AddCondition(g, 2, ">=40", foXOR);
             g.ApplyFilter();
         },
            "apple,blue berry" },
        { "a failing short condition ends the test", [](TDudStringGrid& g) {
             AddCondition(g, 1, "z*", foSHORT);
             AddCondition(g, 1, "*", foOR);
             g.ApplyFilter();
         },
            "" },
        { "the custom filter has the last word", [](TDudStringGrid& g) {
             AddCondition(g, 1, "z*", foSHORT);
             g.OnCustomFilter = [](TDudStringGrid*, int32_t row, bool& accept) { accept = row == 2; };
             g.ApplyFilter();
         },
            "banana" },
        { "literal text keeps its case", [](TDudStringGrid& g) {
             g.SetCells(1, 1, QStringLiteral("Apple"));
             AddCondition(g, 1, "apple", foNONE).SetMethod(fmLiteral);
             g.ApplyFilter();
         },
            "" },
        { "a blank-padded number with an equal sign", [](TDudStringGrid& g) {
             g.SetCells(2, 3, QStringLiteral("  42 "));
             AddCondition(g, 2, "=42", foNONE);
             g.ApplyFilter();
         },
            "cherry" },
        { "prefix and suffix come off", [](TDudStringGrid& g) {
             g.SetCells(2, 1, QStringLiteral("$12 EUR"));
             TFilterData& data = AddCondition(g, 2, "12", foNONE);
             data.SetPrefix(QStringLiteral("$"));
             data.SetSuffix(QStringLiteral(" EUR"));
             data.SetMethod(fmLiteral);
             g.ApplyFilter();
         },
            "apple" },
        { "whole rows", [](TDudStringGrid& g) {
             AddCondition(g, -1, "RRY", foNONE).SetData(fcRow);
             g.ApplyFilter();
         },
            "cherry,blue berry" },
        { "levels stack", [](TDudStringGrid& g) {
             AddCondition(g, 1, "*a*", foNONE);
             g.ApplyFilter();
             g.Filter().Items(0)->SetCondition(QStringLiteral("*p*"));
             g.ApplyFilter();
         },
            "apple,apricot" },
        { "the last level comes off", [](TDudStringGrid& g) {
             AddCondition(g, 1, "*a*", foNONE);
             g.ApplyFilter();
             g.Filter().Items(0)->SetCondition(QStringLiteral("*p*"));
             g.ApplyFilter();
             g.RemoveLastFilter();
         },
            "apple,banana,apricot" },
        { "all levels come off", [](TDudStringGrid& g) {
             AddCondition(g, 1, "*a*", foNONE);
             g.ApplyFilter();
             g.ApplyFilter();
             g.RemoveAllFilters();
         },
            AllFruits },
        { "the active filter filters", [](TDudStringGrid& g) {
             AddCondition(g, 2, "<30", foNONE);
             g.SetFilterActive(true);
         },
            "apple,banana" },
        { "and stops filtering", [](TDudStringGrid& g) {
             AddCondition(g, 2, "<30", foNONE);
             g.SetFilterActive(true);
             g.SetFilterActive(false);
         },
            AllFruits },
        { "narrowing", [](TDudStringGrid& g) { g.NarrowDown(QStringLiteral("ap"), 1); }, "apple,apricot" },
        { "narrowing on whole rows", [](TDudStringGrid& g) { g.NarrowDown(QStringLiteral("50"), -1); }, "blue berry" },
        { "narrowing keeps blanks", [](TDudStringGrid& g) { g.NarrowDown(QStringLiteral("e b"), 1); }, "blue berry" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillFruits(grid);
        testCase.Operations(grid);
        EXPECT_EQ(VisibleRows(grid), std::string(testCase.Visible));
        EXPECT_EQ(grid.TotalRowCount(), 6) << "filtering never deletes a row";
    }
}

TEST(DudOderFilter, NarrowingStepsByOneLevelPerCharacter)
{
    TDudStringGrid grid(nullptr);
    FillFruits(grid);
    const struct {
        const char* Typed;
        int32_t Levels;
        const char* Visible;
    } steps[] = {
        { "a", 1, "apple,banana,apricot" },
        { "ap", 2, "apple,apricot" },
        { "apr", 3, "apricot" },
        { "ap", 2, "apple,apricot" },
        { "x", 1, "" },
        { "", 0, "apple,banana,cherry,apricot,blue berry" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Typed);
        grid.NarrowDown(QString::fromLatin1(step.Typed), 1);
        EXPECT_EQ(grid.FilterLevel(), step.Levels);
        EXPECT_EQ(VisibleRows(grid), std::string(step.Visible));
    }
    EXPECT_TRUE(grid.FixedRowAlways());
}

TEST(DudOderFilter, RemovingTheOnlyLevelAnswersFalse)
{
    TDudStringGrid grid(nullptr);
    FillFruits(grid);
    EXPECT_FALSE(grid.RemoveLastFilter());
    AddCondition(grid, 1, "*e*", foNONE);
    for (int32_t level = 0; level < 3; ++level)
        grid.ApplyFilter();
    EXPECT_TRUE(grid.RemoveLastFilter());
    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_EQ(grid.FilterLevel(), 0);
}

TEST(DudOderFilter, FilteredRowsComeBackWithTheirColours)
{
    TDudStringGrid grid(nullptr);
    FillFruits(grid);
    grid.NarrowDown(QStringLiteral("b"), 1);
    grid.NarrowDown(QString(), 1);
    for (int32_t row = 1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(1, row), QString::fromLatin1(Fruits[row - 1]));
        EXPECT_EQ(grid.GetColors(3, row), static_cast<TColor>(0x200 + row));
    }
}

TEST(DudOderFilter, NodeRowsStayAndContractedRowsSurviveTheFilter)
{
    TDudStringGrid grid(nullptr);
    FillFruits(grid);
    grid.AddNode(2, 2);
    grid.ContractNode(2);
    ASSERT_EQ(VisibleRows(grid), std::string("apple,banana,apricot,blue berry"));
    AddCondition(grid, 1, "a*", foNONE);
    grid.SetFilterActive(true);
    EXPECT_EQ(VisibleRows(grid), std::string("apple,banana,apricot")) << "the node row stays";
    grid.SetFilterActive(false);
    // The only level takes every stored row back, the node's too, and the
    // node then stands expanded.
    EXPECT_EQ(VisibleRows(grid), std::string(AllFruits));
    EXPECT_FALSE(grid.GetNodeState(2));
    grid.ContractNode(2);
    grid.NarrowDown(QStringLiteral("q"), 1);
    EXPECT_EQ(VisibleRows(grid), std::string("banana"));
    grid.NarrowDown(QString(), 1);
    EXPECT_EQ(VisibleRows(grid), std::string(AllFruits)) << "clearing the text discards no stored row";
    EXPECT_EQ(grid.TotalRowCount(), 6);
    // With no level applied, clearing the text keeps a contracted node's rows.
    grid.ContractNode(2);
    grid.NarrowDown(QString(), 1);
    grid.ExpandNode(2);
    EXPECT_EQ(VisibleRows(grid), std::string(AllFruits));
}

class TFilterGrid : public TDudStringGrid {
public:
    using TDudStringGrid::TDudStringGrid;
    void OpenFilter(int32_t column) { FFilterCol = column; }
};

TEST(DudOderFilter, EveryPickInTheFilterListFiltersAndSaysSo)
{
    TFilterGrid grid(nullptr);
    FillFruits(grid);
    grid.SetFilterDropDownAuto(true);
    int32_t done = 0;
    String picked;
    grid.OnFilterDone = [&](TDudStringGrid*) { ++done; };
    grid.OnFilterSelect = [&](TDudStringGrid*, int32_t, int32_t, const String& name, String&) { picked = name; };
    grid.OpenFilter(1);
    grid.GetColumnFilter(1);
    const int32_t banana = grid.FilterList().IndexOf(QStringLiteral("banana"));
    ASSERT_GT(banana, 0);
    grid.DoFilterSelect(banana);
    EXPECT_EQ(VisibleRows(grid), std::string("banana"));
    EXPECT_EQ(done, 1);
    EXPECT_EQ(picked, QStringLiteral("banana"));
    EXPECT_TRUE(grid.FilterActive());
    // The list still offers the values of the rows filtered out.
    ASSERT_TRUE(grid.GetColumnFilter(1));
    EXPECT_EQ(grid.FilterList().CommaText(),
        QStringLiteral("(All),apple,apricot,banana,\"blue berry=\"\"blue berry\"\"\",cherry"));
    grid.SetFilterIncremental(true);
    ASSERT_TRUE(grid.GetColumnFilter(1));
    EXPECT_EQ(grid.FilterList().CommaText(), QStringLiteral("(All),banana")) << "incremental: shown rows only";
    grid.SetFilterIncremental(false);
    grid.OpenFilter(1);
    grid.DoFilterSelect(0);
    EXPECT_EQ(VisibleRows(grid), std::string(AllFruits)) << "(All) clears the column's condition";
    EXPECT_EQ(grid.Filter().Count(), 0);
    EXPECT_EQ(done, 2) << "clearing the filter is reported done as well";
    grid.DoFilterSelect(1);
    EXPECT_EQ(done, 2) << "no open filter list, no pick";
}

TEST(DudOderFilter, TheValueListStillOffersTheValuesAFilterHid)
{
    struct TCase {
        const char* Name;
        bool Incremental;
        const char* Offered;
    };
    const TCase cases[] = {
        { "a plain filter", false, "(All),apple,apricot,banana,blue berry=\"blue berry\",cherry" },
        { "an incremental filter", true, "(All),banana" },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TFilterGrid grid(nullptr);
        FillFruits(grid);
        grid.SetFilterDropDownAuto(true);
        grid.SetFilterIncremental(test.Incremental);
        grid.OpenFilter(1);
        grid.GetColumnFilter(1);
        grid.DoFilterSelect(grid.FilterList().IndexOf(QStringLiteral("banana")));
        ASSERT_EQ(VisibleRows(grid), std::string("banana"));
        grid.GetColumnFilter(1);
        EXPECT_EQ(grid.FilterList().Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).join(QLatin1Char(',')).toStdString(),
            std::string(test.Offered));
    }
    TFilterGrid grid(nullptr);
    FillFruits(grid);
    grid.SetFilterDropDownAuto(true);
    grid.OpenFilter(1);
    grid.GetColumnFilter(1);
    grid.DoFilterSelect(grid.FilterList().IndexOf(QStringLiteral("banana")));
    grid.OpenFilter(1);
    grid.GetColumnFilter(1);
    grid.DoFilterSelect(grid.FilterList().IndexOf(QStringLiteral("cherry")));
    EXPECT_EQ(VisibleRows(grid), std::string("cherry")) << "a second pick switches to another value directly";
}

TEST(DudOderFilter, ProgressIsReportedWhileRowsAreCollected)
{
    TDudStringGrid grid(nullptr);
    FillFruits(grid);
    AddCondition(grid, 1, "b*", foNONE);
    std::vector<int16_t> progress;
    grid.OnFilterProgress = [&](TDudStringGrid*, int16_t percent) { progress.push_back(percent); };
    grid.ApplyFilter();
    EXPECT_EQ(progress, (std::vector<int16_t> { 20, 40, 60, 60 }));
}

} // namespace
