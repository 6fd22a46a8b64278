#include "grid/DudOder.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <functional>
#include <memory>
#include <string>

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// Cell (1, 1) holding "one two": "one" highlighted, "two" marked.
void HilightOneMarkTwo(TDudStringGrid& grid)
{
    grid.HilightInCell(true, 1, 1, Q("one"));
    grid.MarkInCell(true, 1, 1, Q("two"));
}

TEST(DudOderHighlight, CellOperationsWrapAndRemoveTheTags)
{
    const struct {
        const char* Name;
        const char* Before;
        std::function<void(TDudStringGrid&)> Operation;
        const char* After;
    } cases[] = {
        { "case ignored", "xAbyab", [](TDudStringGrid& g) { g.HilightInCell(false, 1, 1, Q("ab")); },
            "x<hi>Ab</hi>y<hi>ab</hi>" },
        { "case kept", "xAbyab", [](TDudStringGrid& g) { g.HilightInCell(true, 1, 1, Q("ab")); }, "xAby<hi>ab</hi>" },
        { "matches never overlap", "aaa", [](TDudStringGrid& g) { g.HilightInCell(true, 1, 1, Q("aa")); },
            "<hi>aa</hi>a" },
        { "a less-than sign is stored as its entity", "a<b",
            [](TDudStringGrid& g) { g.HilightInCell(true, 1, 1, Q("b")); }, "a&lt;<hi>b</hi>" },
        { "the search text is encoded too", "a<b", [](TDudStringGrid& g) { g.HilightInCell(true, 1, 1, Q("<")); },
            "a<hi>&lt;</hi>b" },
        { "removing restores what the cell held", "a<b",
            [](TDudStringGrid& g) {
                g.HilightInCell(true, 1, 1, Q("b"));
                g.UnHilightInCell(1, 1);
            },
            "a<b" },
        { "a cell without a match is left as it is", "a&b <x>",
            [](TDudStringGrid& g) { g.HilightInCell(true, 1, 1, Q("z")); }, "a&b <x>" },
        { "removal leaves a cell without the tag alone", "a&amp;b",
            [](TDudStringGrid& g) { g.UnHilightInCell(1, 1); }, "a&amp;b" },
        { "a second highlight keeps the first one's tags", "a<b a",
            [](TDudStringGrid& g) {
                g.HilightInCell(true, 1, 1, Q("b"));
                g.MarkInCell(true, 1, 1, Q("a"));
            },
            "<e>a</e>&lt;<hi>b</hi> <e>a</e>" },
        { "an error mark", "one two", [](TDudStringGrid& g) { g.MarkInCell(true, 1, 1, Q("two")); },
            "one <e>two</e>" },
        { "unmarking keeps the highlights", "one two",
            [](TDudStringGrid& g) {
                HilightOneMarkTwo(g);
                g.UnMarkInCell(1, 1);
            },
            "<hi>one</hi> two" },
        { "unhilighting keeps the marks", "one two",
            [](TDudStringGrid& g) {
                HilightOneMarkTwo(g);
                g.UnHilightInCell(1, 1);
            },
            "one <e>two</e>" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        grid.SetCells(1, 1, Q(testCase.Before));
        testCase.Operation(grid);
        EXPECT_EQ(grid.Cells(1, 1), Q(testCase.After));
    }
}

TEST(DudOderHighlight, TextOperationsWorkWithoutACell)
{
    EXPECT_EQ(TDudStringGrid::HilightText(false, Q("Tab tab"), Q("TAB")), Q("<hi>Tab</hi> <hi>tab</hi>"));
    EXPECT_EQ(TDudStringGrid::UnHilightText(Q("<HI>Tab</HI> x")), Q("Tab x"));
    EXPECT_EQ(TDudStringGrid::MarkText(true, Q("Tab tab"), Q("tab")), Q("Tab <e>tab</e>"));
    EXPECT_EQ(TDudStringGrid::UnMarkText(Q("Tab <e>tab</e>")), Q("Tab tab"));
}

// Each row reads one character per store column: '1' for a cell that holds
// the tag.
std::string TaggedCells(TDudStringGrid& grid, const QString& tag, int32_t storeCols)
{
    std::string rows;
    for (int32_t row = 0; row < grid.RowCount(); ++row) {
        if (row > 0)
            rows += '/';
        for (int32_t column = 0; column < storeCols; ++column)
            rows += grid.GridCells(column, row).contains(u'<' + tag + u'>') ? '1' : '0';
    }
    return rows;
}

// A size x size grid with one fixed row and column and one footer row,
// every cell "x".
void FillX(TDudStringGrid& grid, int32_t size, int32_t fixedRightCols)
{
    grid.SetColCount(size);
    grid.SetRowCount(size);
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(fixedRightCols);
    for (int32_t row = 0; row < size; ++row)
        for (int32_t column = 0; column < size; ++column)
            grid.SetCells(column, row, Q("x"));
}

// An operation over a range of cells and the cells that hold its tag after.
struct TRangeCase {
    const char* Name;
    std::function<void(TDudStringGrid&)> Operation;
    const char* Tag;
    const char* Cells;
};

TEST(DudOderHighlight, RangesCoverTheirCells)
{
    const TRangeCase cases[] = {
        { "column, data rows", [](TDudStringGrid& g) { g.HilightInCol(false, false, 2, Q("x")); }, "hi",
            "00000/00100/00100/00100/00000" },
        { "column with the fixed rows", [](TDudStringGrid& g) { g.HilightInCol(true, false, 2, Q("x")); }, "hi",
            "00100/00100/00100/00100/00100" },
        { "row, data columns", [](TDudStringGrid& g) { g.HilightInRow(false, false, 2, Q("x")); }, "hi",
            "00000/00000/01110/00000/00000" },
        { "row with the fixed columns", [](TDudStringGrid& g) { g.MarkInRow(true, false, 0, Q("x")); }, "e",
            "11111/00000/00000/00000/00000" },
        { "grid, data block", [](TDudStringGrid& g) { g.HilightInGrid(false, false, Q("x")); }, "hi",
            "00000/01110/01110/01110/00000" },
        { "grid with the fixed cells", [](TDudStringGrid& g) { g.MarkInGrid(true, false, Q("x")); }, "e",
            "11111/11111/11111/11111/11111" },
        { "unhilighting a column leaves the rest",
            [](TDudStringGrid& g) {
                g.HilightInGrid(true, false, Q("x"));
                g.UnHilightInCol(false, 1);
            },
            "hi", "11111/10111/10111/10111/11111" },
        { "unmarking a row with the fixed columns",
            [](TDudStringGrid& g) {
                g.MarkInGrid(true, false, Q("x"));
                g.UnMarkInRow(true, 3);
            },
            "e", "11111/11111/11111/00000/11111" },
        { "unmarking the data block",
            [](TDudStringGrid& g) {
                g.MarkInGrid(true, false, Q("x"));
                g.UnMarkInGrid(false);
            },
            "e", "11111/10001/10001/10001/11111" },
        { "unhilighting all",
            [](TDudStringGrid& g) {
                g.HilightInGrid(true, false, Q("x"));
                g.UnHilightInGrid(true);
            },
            "hi", "00000/00000/00000/00000/00000" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillX(grid, 5, 1);
        testCase.Operation(grid);
        EXPECT_EQ(TaggedCells(grid, Q(testCase.Tag), 5), testCase.Cells);
    }
}

// The last store column hidden: the data block of the grid operations that
// reach past ColCount takes it in, the others leave it alone.
TEST(DudOderHighlight, HiddenColumnsAreReachedOnlyWhereTheRangeSaysSo)
{
    const TRangeCase cases[] = {
        { "marking leaves the hidden column", [](TDudStringGrid& g) { g.MarkInGrid(false, false, Q("x")); }, "e",
            "0000/0110/0110/0000" },
        { "highlighting takes it in", [](TDudStringGrid& g) { g.HilightInGrid(false, false, Q("x")); }, "hi",
            "0000/0111/0111/0000" },
        { "unmarking cleans it",
            [](TDudStringGrid& g) {
                for (int32_t row = 1; row <= 2; ++row)
                    g.SetGridCells(3, row, Q("<e>x</e>"));
                g.MarkInGrid(false, false, Q("x"));
                g.UnMarkInGrid(false);
            },
            "e", "0000/0000/0000/0000" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        FillX(grid, 4, 0);
        grid.HideColumn(3);
        ASSERT_EQ(grid.ColCount(), 3);
        testCase.Operation(grid);
        EXPECT_EQ(TaggedCells(grid, Q(testCase.Tag), 4), testCase.Cells);
    }
}

TEST(DudOderHighlight, AMergedAreaIsHighlightedOnceThroughItsBaseCell)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, Q("ab"));
    grid.MergeCells(1, 1, 2, 2);
    grid.HilightInGrid(false, true, Q("b"));
    EXPECT_EQ(grid.GridCells(1, 1), Q("a<hi>b</hi>"));
    EXPECT_EQ(grid.Cells(2, 2), Q("a<hi>b</hi>"));
}

TEST(DudOderHighlight, TheDisplayedTextIsHighlightedWhenTheApplicationSuppliesIt)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, Q("raw"));
    grid.OnGetDisplText = [](TComponent*, int32_t, int32_t, String& value) { value = value.toUpper(); };
    grid.HilightInCell(true, 1, 1, Q("AW"));
    EXPECT_EQ(grid.GridCells(1, 1), Q("R<hi>AW</hi>"));
}

// Corrects "teh" to "the" and marks any "xx".
class TTestChecker : public ZEziZizuvoVovaZevaz {
public:
    using ZEziZizuvoVovaZevaz::ZEziZizuvoVovaZevaz;
    String Correct(int32_t, int32_t, const String& s) override { return String(s).replace(Q("teh"), Q("the")); }
    String MarkError(int32_t, int32_t, const String& s) override
    {
        return TDudStringGrid::MarkText(true, s, Q("xx"));
    }
    void StartCheck() override { Calls += "start "; }
    void StopCheck() override { Calls += "stop"; }
    std::string Calls;
};

TEST(DudOderHighlight, CheckingCorrectsAndMarksTheCells)
{
    const struct {
        const char* Name;
        bool UseCorrect;
        bool UseMarkError;
        const char* Cell;
        bool Unchanged;
        const char* After;
    } cases[] = {
        { "nothing to do", true, true, "fine", true, "fine" },
        { "corrected", true, false, "teh end", false, "the end" },
        { "marked", false, true, "an xx", false, "an <e>xx</e>" },
        { "marks go on the corrected text", true, true, "teh xx", false, "the <e>xx</e>" },
        { "switched off", false, false, "teh xx", true, "teh xx" },
        { "old marks come off first", false, false, "an <e>xx</e>", true, "an xx" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        TTestChecker checker(nullptr);
        checker.SetUseCorrect(testCase.UseCorrect);
        checker.SetUseMarkError(testCase.UseMarkError);
        grid.SetCellChecker(&checker);
        grid.SetCells(2, 2, Q(testCase.Cell));
        EXPECT_EQ(grid.CheckCell(2, 2), testCase.Unchanged);
        EXPECT_EQ(grid.Cells(2, 2), Q(testCase.After));
        grid.SetCellChecker(nullptr);
    }
}

TEST(DudOderHighlight, CheckGridVisitsEveryDataCellAndPutsTheCurrentCellBack)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.SetFixedFooters(1);
    grid.SetCells(1, 1, Q("teh"));
    grid.SetCells(3, 3, Q("teh"));
    grid.SetCells(0, 0, Q("teh"));
    grid.SetCells(2, 4, Q("teh"));
    TTestChecker checker(nullptr);
    checker.SetUseCorrect(true);
    checker.SetGotoCell(true);
    grid.SetCellChecker(&checker);
    grid.SetCol(2);
    grid.SetRow(2);
    EXPECT_FALSE(grid.CheckCells(1, 1, 3, 3));
    EXPECT_EQ(grid.Cells(1, 1), Q("the"));
    EXPECT_EQ(grid.Cells(3, 3), Q("the"));
    EXPECT_EQ(checker.Calls, "start stop");
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);

    grid.CheckGrid(false);
    EXPECT_EQ(grid.Cells(0, 0), Q("teh")) << "fixed cells are left out";
    EXPECT_EQ(grid.Cells(2, 4), Q("teh")) << "the footer row is left out";
    grid.CheckGrid(true);
    EXPECT_EQ(grid.Cells(0, 0), Q("the"));
    EXPECT_EQ(grid.Cells(2, 4), Q("the"));
    grid.SetCellChecker(nullptr);
}

TEST(DudOderHighlight, WithoutACheckerNothingIsRewritten)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, Q("<e>x</e>"));
    EXPECT_TRUE(grid.CheckCell(1, 1));
    EXPECT_TRUE(grid.CheckCells(0, 0, 4, 4));
    EXPECT_EQ(grid.Cells(1, 1), Q("<e>x</e>"));
}

// A highlighted word is painted on the grid's highlight colour.
TEST(DudOderHighlight, HighlightsPaintInTheGridsColours)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* grid = new TDudStringGrid(&form);
    grid->SetParent(&form);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(24);
    grid->SetBounds(0, 0, 250, 150);
    grid->SetColor(clWhite);
    grid->SetCells(1, 1, Q("WWWW"));
    grid->SetHighlightColor(TColor(0x0000FF));
    grid->HilightInCell(true, 1, 1, Q("WWWW"));
    form.Show();
    QApplication::processEvents();
    const auto countRed = [&] {
        grid->Repaint();
        TBitmap shot;
        GrabControl(*grid, shot);
        int32_t red = 0;
        const TRect cell = grid->CellRect(1, 1);
        for (int32_t y = cell.Top; y < cell.Bottom; ++y)
            for (int32_t x = cell.Left; x < cell.Right; ++x)
                red += shot.Canvas().Pixels(x + 2, y + 2) == TColor(0x0000FF) ? 1 : 0;
        return red;
    };
    EXPECT_GT(countRed(), 40);
    grid->UnHilightInCell(1, 1);
    EXPECT_EQ(countRed(), 0);
    grid->HilightInCell(true, 1, 1, Q("WWWW"));
    grid->SetHighlightColor(TColor(0x00FF00));
    EXPECT_EQ(countRed(), 0);
}

} // namespace
