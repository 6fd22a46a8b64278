#include "grid/DudOder.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Every row of data carries its name in the identity column ("r1" .. "r6"),
// every other column its letter and the row number ("a1", "h1", "z1"); the
// letter of a column gives its width. Rows r2 and r5 are marked modified,
// r2 is 30 pixels high and r5's identity cell red; r4 is hidden, so is
// the "h" column; a floating footer holds "TOTAL" and a sum.
class GridRowEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TDudStringGrid>(nullptr);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->ShowModified().SetEnabled(true);
        const char letters[] = { ' ', 'r', 'a', 'h', 'z' };
        for (int32_t col = 1; col < 5; ++col) {
            Grid->SetColWidths(col, Width(letters[col]));
            for (int32_t row = 1; row < 7; ++row)
                Grid->SetCells(col, row, QString("%1%2").arg(QChar(letters[col])).arg(row));
        }
        Grid->SetCells(1, 7, "TOTAL");
        Grid->SetRowHeights(2, 30);
        Grid->SetRowModified(2, true);
        Grid->SetRowModified(5, true);
        Grid->SetColors(1, 5, clRed);
        // The footer's text is its identity here: the sum is not worked out.
        Grid->FloatingFooter().SetEnableCalculation(false);
        Grid->FloatingFooter().SetVisible(true);
        Grid->FloatingFooter().SetColumnCalc(1, TColumnCalcType::acSUM);
        Grid->HideColumn(3);
        Grid->HideRow(4);
    }

    static int32_t Width(char letter)
    {
        static const std::map<char, int32_t> widths { { 'r', 51 }, { 'a', 62 }, { 'h', 73 }, { 'z', 84 } };
        const auto found = widths.find(letter);
        return found == widths.end() ? 64 : found->second;
    }

    // The rows in display order by identity ("-" for a new row), footer
    // left out; checks each row's side data against its identity.
    std::string CheckRows(int32_t identityCol) const
    {
        std::string order;
        for (int32_t row = 1; row < Grid->RowCount() - 1; ++row) {
            const std::string id = Grid->GridCells(identityCol, row).toStdString();
            order += (row > 1 ? " " : "") + (id.empty() ? std::string("-") : id);
            SCOPED_TRACE("row " + std::to_string(row) + " " + id);
            const int32_t real = Grid->RealRowIndex(row);
            EXPECT_EQ(Grid->GetRowModified(real), id == "r2" || id == "r5");
            EXPECT_EQ(Grid->RowHeights(row), id == "r2" ? 30 : Grid->DefaultRowHeight());
            EXPECT_EQ(Grid->GetColors(identityCol, row), id == "r5" ? clRed : clNone);
        }
        const int32_t footer = Grid->RowCount() - 1;
        EXPECT_EQ(Grid->GridCells(identityCol, footer), "TOTAL");
        EXPECT_EQ(Grid->FloatingFooter().GetColumnCalc(identityCol), TColumnCalcType::acSUM);
        return order;
    }

    // The columns by letter in real order ("-" for a new column); checks
    // hidden state and width against the letter.
    std::string CheckCols(int32_t identityCol) const
    {
        int32_t row = 1;
        while (row < Grid->RowCount() && Grid->GridCells(identityCol, row) != "r1")
            ++row;
        return CheckColsOfRow(row);
    }

    std::string CheckColsOfRow(int32_t row) const
    {
        std::string letters;
        for (int32_t col = 1; col < Grid->AllColCount(); ++col) {
            const String text = Grid->GridCells(col, row);
            const char letter = text.isEmpty() ? '-' : static_cast<char>(text[0].toLatin1());
            letters += letter;
            SCOPED_TRACE(std::string("column ") + std::to_string(col) + " " + letter);
            EXPECT_EQ(Grid->IsHiddenColumn(col), letter == 'h');
            EXPECT_EQ(Grid->GetAllColWidths(col), letter == '-' ? Grid->DefaultColWidth() : Width(letter));
        }
        return letters;
    }

    std::unique_ptr<TDudStringGrid> Grid;
};

TEST_F(GridRowEditTest, EachEditKeepsEverySideStructureWithItsRowOrColumn)
{
    struct Step {
        const char* name;
        std::function<void(TDudStringGrid&)> edit;
        int32_t identityCol;
        const char* rows;
        const char* cols;
    };
    const Step steps[] = {
        { "as set up", nullptr, 1, "r1 r2 r3 r5 r6", "rahz" },
        { "remove the row of r2", [](TDudStringGrid& grid) { grid.RemoveRows(2, 1); }, 1, "r1 r3 r5 r6", "rahz" },
        { "insert a row at the top", [](TDudStringGrid& grid) { grid.InsertRows(1, 1); }, 1, "- r1 r3 r5 r6",
            "rahz" },
        { "remove a column left of the hidden one", [](TDudStringGrid& grid) { grid.RemoveCols(2, 1); }, 1,
            "- r1 r3 r5 r6", "rhz" },
        { "insert a column before the identity", [](TDudStringGrid& grid) { grid.InsertCols(1, 1); }, 2,
            "- r1 r3 r5 r6", "-rhz" },
        { "remove the new row by key's road", [](TDudStringGrid& grid) { grid.RemoveRowsPlain(1, 1); }, 2,
            "r1 r3 r5 r6", "-rhz" },
        { "the hidden row comes back in its place", [](TDudStringGrid& grid) { grid.UnHideRow(3); }, 2,
            "r1 r3 r4 r5 r6", "-rhz" },
        { "add a row above the footer", [](TDudStringGrid& grid) { grid.AddRow(); }, 2, "r1 r3 r4 r5 r6 -",
            "-rhz" },
        { "remove two rows", [](TDudStringGrid& grid) { grid.RemoveRows(2, 2); }, 2, "r1 r5 r6 -", "-rhz" },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.edit)
            step.edit(*Grid);
        EXPECT_EQ(CheckRows(step.identityCol), step.rows);
        EXPECT_EQ(CheckCols(step.identityCol), step.cols);
    }
}

TEST_F(GridRowEditTest, ARemovedRowFreesItsPropertiesAndLeavesNoTextBeyondTheGrid)
{
    Grid->UnHideRow(4);
    Grid->FloatingFooter().SetVisible(false);
    const int32_t count = Grid->RowCount();
    Grid->RemoveRows(5, 1);
    EXPECT_EQ(Grid->RowCount(), count - 1);
    EXPECT_EQ(Grid->GetColors(1, 5), clNone);
    Grid->SetRowCount(count);
    for (int32_t col = 0; col < Grid->AllColCount(); ++col)
        EXPECT_EQ(Grid->GridCells(col, count - 1), "");
}

TEST_F(GridRowEditTest, RemovingTheCurrentLastRowMovesTheCursorToTheNewLastDataRow)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->SetRow(7);
    Grid->RemoveRows(6, 2);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Row(), 5);
}

TEST_F(GridRowEditTest, ClearAndTrimWorkOnTheirRectangleOnly)
{
    Grid->SetCells(2, 1, "  padded\t");
    Grid->TrimColumn(2);
    EXPECT_EQ(Grid->Cells(2, 1), "padded");
    std::vector<TRect> changed;
    Grid->OnCellsChanged = [&](TDudStringGrid*, const TRect& cells) { changed.push_back(cells); };
    Grid->SetClearTextOnly(true);
    // r5 shows in row 4 while r4 is hidden.
    Grid->ClearRows(4, 1);
    EXPECT_EQ(Grid->Cells(1, 4), "");
    EXPECT_EQ(Grid->GetColors(1, 4), clRed);
    EXPECT_EQ(changed.size(), 1u);
    Grid->SetClearTextOnly(false);
    Grid->ClearNormalCells();
    EXPECT_EQ(Grid->GetColors(1, 4), clNone);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "TOTAL");
}

TEST_F(GridRowEditTest, RemoveDuplicatesKeepsTheFirstOfEachTextWhateverItsCase)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->SetCells(1, 2, "R1");
    Grid->SetCells(1, 4, "r1");
    Grid->RemoveDuplicates(1, true);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(1, 1), "r1");
    EXPECT_EQ(Grid->Cells(1, 2), "r3");
}

TEST_F(GridRowEditTest, ClearingTheGridOpensItsNodesFirstSoNoRowStaysStoredHidden)
{
    struct Case {
        const char* name;
        int32_t fixedCols;
        std::function<void(TDudStringGrid&)> clear;
    };
    const Case cases[] = {
        { "Clear", 1, [](TDudStringGrid& grid) { grid.Clear(); } },
        { "ClearAll", 1, [](TDudStringGrid& grid) { grid.ClearAll(); } },
        { "ClearNormalCells without fixed columns", 0, [](TDudStringGrid& grid) { grid.ClearNormalCells(); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Grid->FloatingFooter().SetVisible(false);
        Grid->UnHideRow(4);
        Grid->SetFixedCols(c.fixedCols);
        Grid->AddNode(2, 3);
        Grid->ContractNode(2);
        ASSERT_EQ(Grid->NumHiddenRows(), 2);
        const int32_t rows = Grid->TotalRowCount();
        c.clear(*Grid);
        EXPECT_FALSE(Grid->HasNodes());
        EXPECT_EQ(Grid->NumHiddenRows(), 0);
        EXPECT_EQ(Grid->RowCount(), rows);
        EXPECT_EQ(Grid->Cells(2, 3), "");
    }
}

TEST_F(GridRowEditTest, ClearNormalCellsKeepsTheNodesOfAGridWithFixedColumns)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->AddNode(2, 3);
    Grid->ContractNode(2);
    Grid->ClearNormalCells();
    EXPECT_TRUE(Grid->HasNodes());
    EXPECT_EQ(Grid->NumHiddenRows(), 2);
}

// Display columns: 1 "r", 2 "a", 3 "z"; the hidden "h" sits between a and z.
TEST_F(GridRowEditTest, SelectionColumnRemovalsRemoveTheDisplayedColumnsOnly)
{
    struct Case {
        const char* name;
        int32_t left, right;
        bool disjunct;
        bool unselected;
        const char* cols;
    };
    const Case cases[] = {
        { "selected: the column right of the hidden one", 3, 3, false, false, "rah" },
        { "selected: a range across the hidden one", 2, 3, false, false, "rh" },
        { "unselected: the identity column alone", 1, 1, false, true, "rh" },
        { "unselected: the middle column", 2, 2, false, true, "ah" },
        { "unselected: the last column", 3, 3, false, true, "hz" },
        { "disjunct selected: the last column", 3, 3, true, false, "rah" },
        { "disjunct unselected: the last column", 3, 3, true, true, "hz" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Grid->MouseActions().SetDisjunctColSelect(c.disjunct);
        if (c.disjunct)
            for (int32_t col = c.left; col <= c.right; ++col)
                Grid->SetColSelect(col, true);
        else
            Grid->SetSelection(TGridRect { c.right, 1, c.left, 2 });
        if (c.unselected)
            Grid->RemoveUnSelectedCols();
        else
            Grid->RemoveSelectedCols();
        EXPECT_EQ(CheckColsOfRow(1), std::string(c.cols));
    }
}

TEST_F(GridRowEditTest, RowsTakenOutKeepTheirHeightsAndTheCursorStartsAgainAtTheTop)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->SetRow(6);
    Grid->SetRowHeights(3, 40);
    // Rows 2 and 3 were taken elsewhere; r4 .. r6 close up with their own
    // heights, not the heights of the rows that left.
    Grid->RemoveRowsEx(2, 2);
    EXPECT_EQ(Grid->Cells(1, 2), "r4");
    EXPECT_EQ(Grid->RowHeights(2), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->RowHeights(3), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);
    Grid->SetRow(3);
    Grid->RemoveRowsEx(1, 1);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(GridRowEditTest, DeletingEveryRowParksTheCursorAtTheFirstNormalCell)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->SetFixedFooters(1);
    Grid->FocusCell(3, 1);
    Grid->DeleteRowRange(1, 6, true);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_GE(Grid->Row(), Grid->RowCount());
    Grid->SetRowCount(3);
    Grid->UnHideSelection();
    EXPECT_EQ((TPoint { Grid->Col(), Grid->Row() }), (TPoint { 1, 1 }));
}

TEST_F(GridRowEditTest, DeletingRowsOfANodeGridKeepsWholeRowSelectionAndLeavesTheNodeColumn)
{
    Grid->FloatingFooter().SetVisible(false);
    Grid->UnHideRow(4);
    Grid->AddNode(1, 2);
    Grid->SetOptions(Grid->Options() + TGridOptions { goRowSelect });
    Grid->SetOptions(Grid->Options() - TGridOptions { goRowSelect });
    Grid->FocusCell(3, 4);
    Grid->SetOptions(Grid->Options() + TGridOptions { goRowSelect });
    Grid->DeleteRowRange(5, 1, true);
    EXPECT_TRUE(Grid->Options().Contains(goRowSelect));
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Grid->Cells(1, 5), "r6");
    Grid->SetOptions(Grid->Options() - TGridOptions { goRowSelect });
    EXPECT_EQ(Grid->Col(), 1);
}

} // namespace
