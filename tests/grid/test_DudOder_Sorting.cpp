#include "grid/DudOder.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/VidEri.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A title row and one row per value: column 0 holds the row's tag (its
// place before the sort), column 1 the value sorted on, column 2 a second
// value.
std::unique_ptr<TDudStringGrid> MakeGrid(const std::vector<const char*>& values,
    const std::vector<const char*>& second = {})
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(static_cast<int32_t>(values.size()) + 1);
    for (size_t index = 0; index < values.size(); ++index) {
        const auto row = static_cast<int32_t>(index) + 1;
        grid->SetCells(0, row, QString::number(row));
        grid->SetCells(1, row, QString::fromUtf8(values[index]));
        if (index < second.size())
            grid->SetCells(2, row, QString::fromUtf8(second[index]));
    }
    return grid;
}

std::string Column(const TDudStringGrid& grid, int32_t col)
{
    std::string text;
    for (int32_t row = 1; row < grid.RowCount(); ++row)
        text += (row > 1 ? " " : "") + grid.Cells(col, row).toStdString();
    return text;
}

TEST(GridSortTest, EachCompareKindOrdersRowsBothWaysAndKeepsEqualRowsInTheirOrder)
{
    struct Case {
        const char* name;
        std::vector<const char*> values;
        std::function<void(TDudStringGrid&)> setup;
        TSortDirection direction;
        const char* expected;
    };
    const auto style = [](TSortStyle value, const char* prefix = "") {
        return [value, prefix](TDudStringGrid& grid) {
            grid.OnGetFormat = [value, prefix](TDudStringGrid*, int32_t, TSortStyle& sortStyle, String& sortPrefix,
                                   String&) {
                sortStyle = value;
                sortPrefix = QString::fromUtf8(prefix);
            };
        };
    };
    const auto noFull = [](TDudStringGrid& grid) { grid.SortSettings().SetFull(false); };
    const Case cases[] = {
        { "numbers by the automatic style", { "10", "9", "100" }, nullptr, sdAscending, "9 10 100" },
        { "numbers descending", { "10", "9", "100" }, nullptr, sdDescending, "100 10 9" },
        { "text with case, ordinal", { "b", "A", "a" }, nullptr, sdAscending, "A a b" },
        { "text descending", { "b", "A", "a" }, nullptr, sdDescending, "b a A" },
        { "text without case keeps equal rows in order",
            { "a", "B", "A" },
            [](TDudStringGrid& grid) {
                grid.SortSettings().SetAutoFormat(false);
                grid.SortSettings().SetIgnoreCase(true);
                grid.SortSettings().SetFull(false);
            },
            sdAscending, "a A B" },
        { "text without case descending keeps equal rows in order",
            { "a", "B", "A" },
            [](TDudStringGrid& grid) {
                grid.SortSettings().SetAutoFormat(false);
                grid.SortSettings().SetIgnoreCase(true);
                grid.SortSettings().SetFull(false);
            },
            sdDescending, "B a A" },
        { "numbers after a prefix", { "$40", "$5", "$100" }, style(ssNumeric, "$"), sdAscending, "$5 $40 $100" },
        { "signed numbers, leading zeros, exponents and fifteen digits",
            { "+7", "-12", "007", "1e3", "123456789012345", "-0", "3", "1234567890123456" }, style(ssNumeric),
            sdAscending, "-12 -0 3 +7 007 1e3 123456789012345 1234567890123456" },
        { "money with thousands", { "1,000", "999", "20" }, style(ssFinancial), sdAscending, "20 999 1,000" },
        { "day-month dates", { "02/01/2020", "01/02/2020", "15/01/2019" }, style(ssShortDateEU), sdAscending,
            "15/01/2019 02/01/2020 01/02/2020" },
        { "month-day dates", { "02/01/2020", "01/02/2020", "12/31/2019" }, style(ssShortDateUS), sdAscending,
            "12/31/2019 01/02/2020 02/01/2020" },
        { "month-day dates descending", { "02/01/2020", "01/02/2020", "12/31/2019" }, style(ssShortDateUS),
            sdDescending, "02/01/2020 01/02/2020 12/31/2019" },
        { "custom: by length",
            { "ccc", "a", "bb" },
            [](TDudStringGrid& grid) {
                grid.OnGetFormat = [](TDudStringGrid*, int32_t, TSortStyle& sortStyle, String&, String&) {
                    sortStyle = ssCustom;
                };
                grid.OnCustomCompare = [](TDudStringGrid*, const String& first, const String& second, int32_t& result) {
                    result = first.size() < second.size() ? -1 : first.size() > second.size() ? 1 : 0;
                };
            },
            sdAscending, "a bb ccc" },
        { "blanks last ascending",
            { "", "b", "a" },
            [](TDudStringGrid& grid) {
                grid.SortSettings().SetIgnoreBlanks(true);
                grid.SortSettings().SetBlankPos(blLast);
            },
            sdAscending, "a b " },
        { "blanks last descending",
            { "", "b", "a" },
            [](TDudStringGrid& grid) {
                grid.SortSettings().SetIgnoreBlanks(true);
                grid.SortSettings().SetBlankPos(blLast);
            },
            sdDescending, "b a " },
        { "a lone prefix is blank and goes last",
            { "$", "$5", "$2" },
            [style](TDudStringGrid& grid) {
                style(ssNumeric, "$")(grid);
                grid.SortSettings().SetIgnoreBlanks(true);
                grid.SortSettings().SetBlankPos(blLast);
            },
            sdAscending, "$2 $5 $" },
        { "a lone prefix is blank and goes first descending",
            { "$5", "$", "$2" },
            [style](TDudStringGrid& grid) {
                style(ssNumeric, "$")(grid);
                grid.SortSettings().SetIgnoreBlanks(true);
                grid.SortSettings().SetBlankPos(blFirst);
            },
            sdDescending, "$ $5 $2" },
        { "texts alike in their first four letters", { "abcdz", "abcd", "abcda", "abc", "abcdab" }, noFull,
            sdAscending, "abc abcd abcda abcdab abcdz" },
        { "texts alike in their first four letters descending", { "abcdz", "abcd", "abcda", "abc", "abcdab" }, noFull,
            sdDescending, "abcdz abcdab abcda abcd abc" },
        { "letters past z and upper case without case",
            { "abcd~", "ABCD{", "abcD", "ab_" },
            [](TDudStringGrid& grid) {
                grid.SortSettings().SetAutoFormat(false);
                grid.SortSettings().SetIgnoreCase(true);
                grid.SortSettings().SetFull(false);
            },
            sdAscending, "abcD ABCD{ abcd~ ab_" },
        { "equal keys keep their order ascending", { "x", "y", "x", "x" }, noFull, sdAscending, "x x x y" },
        { "equal keys keep their order descending", { "x", "y", "x", "x" }, noFull, sdDescending, "y x x x" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        auto grid = MakeGrid(test.values);
        if (test.setup)
            test.setup(*grid);
        grid->Sort(1, test.direction);
        EXPECT_EQ(Column(*grid, 1), test.expected);
    }
    // Stable: the tags of equal keys stay ascending.
    auto grid = MakeGrid({ "x", "y", "x", "x" });
    grid->SortSettings().SetFull(false);
    grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(*grid, 0), "2 1 3 4");
}

TEST(GridSortTest, RowsEqualInTheSortColumnAreOrderedByTheNextUnlessIgnored)
{
    auto grid = MakeGrid({ "a", "a", "b" }, { "z", "y", "x" });
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 2), "y z x");
    auto ignoring = MakeGrid({ "a", "a", "b" }, { "z", "y", "x" });
    ignoring->IgnoreColumns().Add(2);
    ignoring->Sort(1, sdAscending);
    EXPECT_EQ(Column(*ignoring, 2), "z y x");
}

TEST(GridSortTest, AWholeRowMovesWithItsHeightMarksAndPropertiesAndAnUnmovedRowIsNotTouched)
{
    auto grid = MakeGrid({ "c", "a", "b", "d" });
    grid->ShowModified().SetEnabled(true);
    grid->SetRowHeights(1, 40);
    grid->SetRowModified(1, true);
    grid->SetColors(1, 1, clRed);
    TCellProperties* const unmoved = grid->CellProperties(1, 4);
    grid->SetRow(1);
    grid->Navigation().SetMoveRowOnSort(true);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), "a b c d");
    EXPECT_EQ(grid->RowHeights(3), 40);
    EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
    EXPECT_TRUE(grid->GetRowModified(3));
    EXPECT_FALSE(grid->GetRowModified(1));
    EXPECT_EQ(grid->GetColors(1, 3), clRed);
    EXPECT_EQ(grid->GetColors(1, 1), clNone);
    EXPECT_EQ(grid->CellProperties(1, 4), unmoved);
    EXPECT_EQ(grid->Row(), 3);

    const int32_t swaps = grid->SwapCount();
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->SwapCount(), swaps);
}

// Real row 3 ("x") is hidden while the others sort; the selected and
// modified marks are kept by real row and go with their data.
TEST(GridSortTest, MarksOfSortedRowsFollowTheirDataPastAHiddenRow)
{
    auto grid = MakeGrid({ "c", "a", "x", "b", "d" });
    grid->ShowModified().SetEnabled(true);
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->Navigation().SetMoveRowOnSort(true);
    grid->SetRowSelect(1, true);
    grid->SetRowModified(4, true);
    grid->HideRow(3);
    grid->Sort(1, sdAscending);
    ASSERT_EQ(Column(*grid, 1), "a b c d");
    const struct {
        int32_t real;
        bool selected;
        bool modified;
    } marks[] = { { 1, false, false }, { 2, false, true }, { 3, false, false }, { 4, true, false }, { 5, false, false } };
    for (const auto& mark : marks) {
        SCOPED_TRACE(mark.real);
        EXPECT_EQ(grid->GetRowSelect(mark.real), mark.selected);
        EXPECT_EQ(grid->GetRowModified(mark.real), mark.modified);
    }
    grid->UnHideRow(3);
    EXPECT_EQ(Column(*grid, 1), "a b x c d");
}

TEST(GridSortTest, AfterTheCurrentRowFollowedItsDataTheNextRowChangeHasNoOldRow)
{
    auto grid = MakeGrid({ "c", "a", "b" });
    std::vector<std::pair<int32_t, int32_t>> changes;
    grid->OnRowChanged = [&](TDudStringGrid*, int32_t oldRow, int32_t newRow) { changes.emplace_back(oldRow, newRow); };
    grid->SetRow(1);
    grid->Navigation().SetMoveRowOnSort(true);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->Row(), 3);
    changes.clear();
    grid->SetRow(2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_pair(-1, 2));
}

TEST(GridSortTest, SingleColumnMovesOnlyTheSortColumnAndNormalCellsOnlyKeepsColumnZero)
{
    auto single = MakeGrid({ "b", "a" }, { "1", "2" });
    single->SortSettings().SetSingleColumn(true);
    single->Sort(1, sdAscending);
    EXPECT_EQ(Column(*single, 1), "a b");
    EXPECT_EQ(Column(*single, 2), "1 2");

    auto normal = MakeGrid({ "b", "a" }, { "1", "2" });
    normal->SortSettings().SetNormalCellsOnly(true);
    normal->Sort(1, sdAscending);
    EXPECT_EQ(Column(*normal, 0), "1 2");
    EXPECT_EQ(Column(*normal, 2), "2 1");
}

TEST(GridSortTest, FixedAndFooterRowsAndHiddenColumnsStayRightAndUnsortRestoresTheOrder)
{
    auto grid = MakeGrid({ "c", "a", "b", "TOTAL" }, { "3", "1", "2", "6" });
    grid->SetFixedFooters(1);
    grid->HideColumn(2);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), "a b c TOTAL");
    grid->UnHideColumn(2);
    EXPECT_EQ(Column(*grid, 2), "1 2 3 6");
    EXPECT_EQ(grid->Cells(1, 0), "");

    grid->QUnSort();
    EXPECT_EQ(Column(*grid, 1), "c a b TOTAL");
    EXPECT_EQ(Column(*grid, 0), "1 2 3 4");
}

TEST(GridSortTest, IndexedSortUsesEachIndexColumnAndDirectionAndRefusesAnEmptyList)
{
    auto grid = MakeGrid({ "a", "b", "a", "b" }, { "1", "2", "3", "4" });
    EXPECT_THROW(grid->QSortIndexed(), EDudOderError);
    EXPECT_EQ(Column(*grid, 2), "1 2 3 4");
    grid->SortIndexes().AddIndex(1, false);
    grid->SortIndexes().AddIndex(2, true);
    grid->QSortIndexed();
    EXPECT_EQ(Column(*grid, 1), "b b a a");
    EXPECT_EQ(Column(*grid, 2), "2 4 1 3");
    grid->QUnSort();
    EXPECT_EQ(Column(*grid, 2), "1 2 3 4");
}

TEST(GridSortTest, GroupSortSortsInsideEachExpandedDeepestGroupOnly)
{
    // Two groups: rows 1 and 5 are nodes over three rows each (the node and
    // two children), row 5's group contracted.
    auto grid = MakeGrid({ "g1", "b", "a", "c", "g2", "z", "y" });
    const auto node = [&](int32_t row, int32_t span, bool contracted) {
        TCellGraphic& graphic = grid->CreateCellGraphic(0, row);
        graphic.SetCellType(ctNode);
        graphic.SetCellIndex(span);
        graphic.SetCellBoolean(contracted);
        for (int32_t child = row; child < row + span; ++child)
            grid->CellProperties(0, child)->SetNodeLevel(1);
    };
    node(1, 4, false);
    node(5, 3, true);
    grid->SortSettings().SetColumn(1);
    grid->QSortGroup();
    EXPECT_EQ(Column(*grid, 1), "g1 a b c g2 z y");
}

TEST(GridSortTest, LoadingSortSettingsSortsAndSortByColumnKeepsTheDirection)
{
    auto grid = MakeGrid({ "2", "3", "1" });
    grid->SortSettings().LoadFromString("d1");
    EXPECT_EQ(Column(*grid, 1), "3 2 1");
    grid->SortSettings().SetDirection(sdAscending);
    grid->SortByColumn(1);
    EXPECT_EQ(Column(*grid, 1), "1 2 3");
    EXPECT_EQ(grid->SortSettings().SaveToString(), "u1");
}

TEST(GridSortTest, SortLineExchangesTwoRowsOnlyOutOfOrder)
{
    auto grid = MakeGrid({ "b", "a" });
    grid->Sort(1, sdAscending);
    grid->QUnSort();
    bool swapped = false;
    grid->SortLine(1, 1, 2, swapped);
    EXPECT_TRUE(swapped);
    EXPECT_EQ(Column(*grid, 1), "a b");
    grid->SortLine(1, 1, 2, swapped);
    EXPECT_FALSE(swapped);
    EXPECT_EQ(Column(*grid, 1), "a b");
}

} // namespace
