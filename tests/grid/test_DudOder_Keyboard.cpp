#include "grid/DudCGrid.h"
#include "grid/DudOder_Footer.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "tests/grid/GridOnForm.h"
#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <string>
#include <vector>

namespace {

struct TKey {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

// A table editor's column grid with the focus: a title row, a row-number
// column and five data columns over five data rows, each cell holding its
// own name.
class GridKeyboardTest : public GridOnFormTest<TDudColumnGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(560, 320, 540, 300);
        Grid->SetColCount(6);
        Grid->SetRowCount(6);
        Fill();
        Grid->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) { Events.push_back("key " + std::to_string(key)); };
        ShowForm(true);
    }

    void Fill() const
    {
        for (int32_t row = 1; row < Grid->RowCount(); ++row)
            for (int32_t col = 1; col < Grid->ColCount(); ++col)
                Grid->SetCells(col, row, QString("c%1r%2").arg(col).arg(row));
    }

    void Keys(const std::vector<TKey>& keys) const
    {
        for (const TKey& key : keys)
            Press(key.Key, {}, key.Modifiers);
        QApplication::processEvents();
    }

    std::vector<std::string> Events;
};

TEST_F(GridKeyboardTest, KeysMoveTheCurrentCellByTheNavigationSettings)
{
    struct Case {
        const char* name;
        std::function<void(TDudColumnGrid&)> setup;
        TGridCoord start;
        std::vector<TKey> keys;
        TGridCoord expected;
    };
    const auto options = [](TGridOptions added) {
        return [added](TDudColumnGrid& grid) { grid.SetOptions(grid.Options() + added); };
    };
    const auto homeEnd = [](THomeEndAction action) {
        return [action](TDudColumnGrid& grid) { grid.Navigation().SetHomeEndKey(action); };
    };
    const Case cases[] = {
        { "Home goes to the first data column", nullptr, { 4, 3 }, { { Qt::Key_Home } }, { 1, 3 } },
        { "End goes to the last column", nullptr, { 2, 3 }, { { Qt::Key_End } }, { 5, 3 } },
        { "Ctrl+Home goes to the first data cell", nullptr, { 4, 4 }, { { Qt::Key_Home, Qt::ControlModifier } },
            { 1, 1 } },
        { "Ctrl+End goes to the last cell", nullptr, { 2, 2 }, { { Qt::Key_End, Qt::ControlModifier } }, { 5, 5 } },
        { "Home by first and last cell", homeEnd(heFirstLastCell), { 4, 4 }, { { Qt::Key_Home } }, { 1, 1 } },
        { "End by first and last cell", homeEnd(heFirstLastCell), { 2, 2 }, { { Qt::Key_End } }, { 5, 5 } },
        { "Home by first and last row keeps the column", homeEnd(heFirstLastRow), { 3, 4 }, { { Qt::Key_Home } },
            { 3, 1 } },
        { "End by first and last row keeps the column", homeEnd(heFirstLastRow), { 3, 2 }, { { Qt::Key_End } },
            { 3, 5 } },
        { "End by row stops above a footer row",
            [](TDudColumnGrid& grid) {
                grid.Navigation().SetHomeEndKey(heFirstLastRow);
                grid.SetFixedFooters(1);
            },
            { 3, 2 }, { { Qt::Key_End } }, { 3, 4 } },
        { "Home skips a leading fixed column",
            [](TDudColumnGrid& grid) { grid.Columns().Items(1)->SetFixed(true); }, { 4, 2 }, { { Qt::Key_Home } },
            { 2, 2 } },
        { "Right jumps over a fixed column", [](TDudColumnGrid& grid) { grid.Columns().Items(3)->SetFixed(true); },
            { 2, 2 }, { { Qt::Key_Right } }, { 4, 2 } },
        { "Left jumps back over it", [](TDudColumnGrid& grid) { grid.Columns().Items(3)->SetFixed(true); },
            { 4, 2 }, { { Qt::Key_Left } }, { 2, 2 } },
        { "Down jumps over a disabled row", [](TDudColumnGrid& grid) { grid.SetRowEnabled(3, false); }, { 2, 2 },
            { { Qt::Key_Down } }, { 2, 4 } },
        { "Up jumps back over it", [](TDudColumnGrid& grid) { grid.SetRowEnabled(3, false); }, { 2, 4 },
            { { Qt::Key_Up } }, { 2, 2 } },
        { "loop: Right in the last column goes to the first of the row",
            [](TDudColumnGrid& grid) { grid.Navigation().SetCursorAdvance(caLoop); }, { 5, 2 },
            { { Qt::Key_Right } }, { 1, 2 } },
        { "snake: Right in the last column goes on in the next row",
            [](TDudColumnGrid& grid) { grid.Navigation().SetCursorAdvance(caSnake); }, { 5, 2 },
            { { Qt::Key_Right } }, { 1, 3 } },
        { "snake: Left in the first column goes back a row",
            [](TDudColumnGrid& grid) { grid.Navigation().SetCursorAdvance(caSnake); }, { 1, 3 },
            { { Qt::Key_Left } }, { 5, 2 } },
        { "Tab goes to the next cell", options({ goTabs }), { 2, 2 }, { { Qt::Key_Tab } }, { 3, 2 } },
        { "Tab at a row's end enters the next row", options({ goTabs }), { 5, 2 }, { { Qt::Key_Tab } }, { 1, 3 } },
        { "Tab at the grid's end rounds to the first cell", options({ goTabs }), { 5, 5 }, { { Qt::Key_Tab } },
            { 1, 1 } },
        { "Shift+Tab goes back a cell", options({ goTabs }), { 3, 2 }, { { Qt::Key_Backtab, Qt::ShiftModifier } },
            { 2, 2 } },
        { "Shift+Tab at a row's start goes to the row above", options({ goTabs }), { 1, 3 },
            { { Qt::Key_Backtab, Qt::ShiftModifier } }, { 5, 2 } },
        { "Tab from a merged cell lands right of the merge",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.MergeCells(2, 2, 2, 1);
            },
            { 2, 2 }, { { Qt::Key_Tab } }, { 4, 2 } },
        { "Tab into a merged cell lands on its base",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.MergeCells(2, 2, 2, 1);
            },
            { 1, 2 }, { { Qt::Key_Tab }, { Qt::Key_Tab } }, { 4, 2 } },
        { "Shift+Tab from right of a merge lands on its base",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.MergeCells(2, 2, 2, 1);
            },
            { 4, 2 }, { { Qt::Key_Backtab, Qt::ShiftModifier } }, { 2, 2 } },
        { "Tab top to bottom goes down the column",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.Navigation().SetTabAdvanceDirection(adTopBottom);
            },
            { 2, 2 }, { { Qt::Key_Tab } }, { 2, 3 } },
        { "Tab top to bottom at a column's end starts the next column",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.Navigation().SetTabAdvanceDirection(adTopBottom);
            },
            { 2, 5 }, { { Qt::Key_Tab } }, { 3, 1 } },
        { "Tab top to bottom stops above a footer row",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs });
                grid.Navigation().SetTabAdvanceDirection(adTopBottom);
                grid.SetFixedFooters(1);
            },
            { 2, 4 }, { { Qt::Key_Tab } }, { 3, 1 } },
        { "Tab over a read-only column while editing",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goTabs, goEditing });
                grid.Navigation().SetAdvanceAutoEdit(false);
                grid.Columns().Items(3)->SetReadOnly(true);
            },
            { 2, 2 }, { { Qt::Key_Tab } }, { 4, 2 } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetUp();
        if (test.setup)
            test.setup(*Grid);
        Grid->FocusCell(test.start.X, test.start.Y);
        ASSERT_EQ(Grid->Col(), test.start.X);
        ASSERT_EQ(Grid->Row(), test.start.Y);
        Keys(test.keys);
        EXPECT_EQ(Grid->Col(), test.expected.X);
        EXPECT_EQ(Grid->Row(), test.expected.Y);
        EXPECT_TRUE(Grid->IsBaseCell(Grid->Col(), Grid->Row()));
    }
}

TEST_F(GridKeyboardTest, HomeAndEndByTheirTablesFireOnKeyDownOnce)
{
    Grid->Navigation().SetHomeEndKey(heFirstLastCell);
    Grid->FocusCell(3, 3);
    Events.clear();
    Keys({ { Qt::Key_Home } });
    EXPECT_EQ(Events, (std::vector<std::string> { "key 36" }));
}

TEST_F(GridKeyboardTest, ShiftEndSelectsTheRestOfTheRow)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goRangeSelect });
    Grid->FocusCell(2, 3);
    Keys({ { Qt::Key_End, Qt::ShiftModifier } });
    const TGridRect selection = Grid->Selection();
    EXPECT_EQ(selection, (TGridRect { 2, 3, 5, 3 }));
}

TEST_F(GridKeyboardTest, InsertAndDeleteKeysAddAndRemoveRowsWhereTheCursorIs)
{
    std::vector<std::string> events;
    Grid->Navigation().SetAllowInsertRow(true);
    Grid->Navigation().SetAllowDeleteRow(true);
    Grid->OnAutoInsertRow = [&](TDudStringGrid*, int32_t row) { events.push_back("insert " + std::to_string(row)); };
    bool allowDelete = true;
    Grid->OnCanDeleteRow = [&](TDudStringGrid*, int32_t row, bool& allow) {
        events.push_back("can delete " + std::to_string(row));
        allow = allowDelete;
    };
    Grid->FocusCell(2, 3);
    Keys({ { Qt::Key_Insert } });
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(2, 3), "");
    EXPECT_EQ(Grid->Cells(2, 4), "c2r3");
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_TRUE(Grid->Modified());

    Grid->Navigation().SetInsertPosition(pInsertAfter);
    Keys({ { Qt::Key_Insert } });
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(Grid->Cells(2, 4), "");
    EXPECT_EQ(Grid->Cells(2, 5), "c2r3");
    EXPECT_EQ(Grid->Row(), 4);

    allowDelete = false;
    Keys({ { Qt::Key_Delete } });
    EXPECT_EQ(Grid->RowCount(), 8);
    allowDelete = true;
    Keys({ { Qt::Key_Delete }, { Qt::Key_Up }, { Qt::Key_Delete } });
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(2, 3), "c2r3");
    EXPECT_EQ(events, (std::vector<std::string> { "insert 3", "insert 4", "can delete 4", "can delete 4",
                          "can delete 3" }));
}

TEST_F(GridKeyboardTest, KeyEditsKeepTheFloatingFooterAndItsSum)
{
    Grid->Navigation().SetAllowInsertRow(true);
    Grid->Navigation().SetAllowDeleteRow(true);
    Grid->SetRowCount(5);
    for (int32_t row = 1; row < 4; ++row)
        Grid->SetCells(1, row, QString::number(row * 10));
    Grid->SetCells(1, 4, "TOTAL");
    Grid->FloatingFooter().SetVisible(true);
    Grid->FloatingFooter().SetColumnCalc(1, TColumnCalcType::acSUM);
    Grid->FocusCell(1, 2);
    Keys({ { Qt::Key_Insert } });
    ASSERT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(1, 5), "60.00");
    EXPECT_EQ(Grid->FloatingFooter().GetColumnCalc(1), TColumnCalcType::acSUM);
    Keys({ { Qt::Key_Delete }, { Qt::Key_Delete } });
    ASSERT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->Cells(1, 3), "40.00");
    EXPECT_EQ(Grid->Cells(1, 2), "30");
    EXPECT_EQ(Grid->FloatingFooter().GetColumnCalc(1), TColumnCalcType::acSUM);
}

TEST_F(GridKeyboardTest, CtrlASelectsEveryDataCell)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goRangeSelect });
    Grid->FocusCell(2, 2);
    Keys({ { Qt::Key_A, Qt::ControlModifier } });
    EXPECT_EQ(Grid->Selection(), (TGridRect { 1, 1, 5, 5 }));
}

TEST_F(GridKeyboardTest, ClipboardKeysCopyCutAndPasteTheSelectionAsText)
{
    Grid->Navigation().SetAllowClipboardShortCuts(true);
    Grid->SetOptions(Grid->Options() + TGridOptions { goRangeSelect });
    std::vector<int32_t> pressed;
    Grid->OnKeyPress = [&](TComponent*, TChar& key) { pressed.push_back(key); };
    Grid->FocusCell(2, 2);
    Keys({ { Qt::Key_Right, Qt::ShiftModifier }, { Qt::Key_Down, Qt::ShiftModifier } });
    Keys({ { Qt::Key_C, Qt::ControlModifier } });
    EXPECT_EQ(Clipboard().AsText(), "c2r2\tc3r2\r\nc2r3\tc3r3\r\n");
    EXPECT_TRUE(pressed.empty());

    bool allowCopy = false;
    Grid->OnClipboardCopy = [&](TDudStringGrid*, const String&, bool& allow) { allow = allowCopy; };
    Clipboard().SetAsText("before");
    Keys({ { Qt::Key_C, Qt::ControlModifier } });
    EXPECT_EQ(Clipboard().AsText(), "before");

    Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
    Grid->FocusCell(4, 4);
    Clipboard().SetAsText("x\ty\r\nz\tw\r\n");
    Keys({ { Qt::Key_V, Qt::ControlModifier } });
    EXPECT_EQ(Grid->Cells(4, 4), "x");
    EXPECT_EQ(Grid->Cells(5, 4), "y");
    EXPECT_EQ(Grid->Cells(4, 5), "z");
    EXPECT_EQ(Grid->Cells(5, 5), "w");

    Grid->FocusCell(1, 1);
    Keys({ { Qt::Key_X, Qt::ControlModifier } });
    EXPECT_EQ(Clipboard().AsText(), "c1r1");
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_TRUE(pressed.empty());
}

TEST_F(GridKeyboardTest, CtrlDownCarriesTheRowDownWithCursorMoveRows)
{
    Grid->Navigation().SetCursorMoveRows(true);
    Grid->FocusCell(2, 2);
    Keys({ { Qt::Key_Down, Qt::ControlModifier } });
    EXPECT_EQ(Grid->Cells(2, 3), "c2r2");
    EXPECT_EQ(Grid->Cells(2, 2), "c2r3");
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(GridKeyboardTest, TabWithAdvanceInsertAddsARowAboveTheFloatingFooter)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goTabs });
    Grid->Navigation().SetAdvanceInsert(true);
    Grid->SetCells(1, 5, "TOTAL");
    Grid->FloatingFooter().SetVisible(true);
    std::vector<int32_t> added;
    Grid->OnAutoAddRow = [&](TDudStringGrid*, int32_t row) { added.push_back(row); };
    Grid->FocusCell(5, 4);
    Keys({ { Qt::Key_Tab } });
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(1, 6), "TOTAL");
    EXPECT_EQ(Grid->Cells(1, 5), "");
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(added, (std::vector<int32_t> { 5 }));
}

} // namespace

TEST(GridKeyboardNodeTest, ArrowsOnAMergedNodeRowCloseAndOpenItsGroup)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* grid = new TDudColumnGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 380, 280);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->AddNode(2, 3);
    grid->MergeCells(1, 2, 3, 1);
    form.Show();
    QApplication::processEvents();
    grid->SetFocus();
    grid->FocusCell(1, 2);
    QApplication::processEvents();
    const struct {
        Qt::Key key;
        int32_t rows;
    } steps[] = { { Qt::Key_Left, 4 }, { Qt::Key_Left, 4 }, { Qt::Key_Right, 6 }, { Qt::Key_Right, 6 } };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key == Qt::Key_Left ? "Left" : "Right");
        Press(step.key);
        QApplication::processEvents();
        EXPECT_EQ(grid->RowCount(), step.rows);
        EXPECT_EQ(grid->Row(), 2);
    }
}
