#include "grid/DudCGrid.h"
#include "platform/ui/Forms.h"
#include "tests/grid/GridOnForm.h"
#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <string>
#include <vector>

namespace {

// One step typed into the focused widget: a key, or text typed character by
// character when key is Qt::Key_unknown.
struct TStep {
    Qt::Key Key;
    const char* Text = "";
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

TStep Text(const char* text) { return { Qt::Key_unknown, text }; }
TStep Tab() { return { Qt::Key_Tab, "\t" }; }
TStep BackTab() { return { Qt::Key_Backtab, "", Qt::ShiftModifier }; }
TStep Enter() { return { Qt::Key_Return, "\r" }; }
TStep Key(Qt::Key key) { return { key }; }

// A column grid with the focus and an editor opened by typing: a title row,
// a row-number column and four text columns over four data rows, all empty.
class GridEditorKeysTest : public GridOnFormTest<TDudColumnGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(560, 320, 540, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        ShowForm(true);
    }

    void Run(const std::vector<TStep>& steps) const
    {
        for (const TStep& step : steps) {
            if (step.Key == Qt::Key_unknown)
                Type(QString::fromUtf8(step.Text));
            else
                Press(step.Key, QString::fromUtf8(step.Text), step.Modifiers);
            QApplication::processEvents();
        }
    }

    bool EditorOpen() const { return Grid->EditorMode() && Grid->InplaceEditor() && Grid->InplaceEditor()->Visible(); }
};

TEST_F(GridEditorKeysTest, KeysInAnOpenEditorCommitAndMoveOn)
{
    struct TCell {
        int32_t Col;
        int32_t Row;
        const char* Text;
    };
    struct Case {
        const char* name;
        std::function<void(TDudColumnGrid&)> setup;
        TGridCoord start;
        std::vector<TStep> steps;
        TGridCoord expected;
        std::vector<TCell> cells;
    };
    const auto tabs = [](std::function<void(TDudColumnGrid&)> more = nullptr) {
        return [more](TDudColumnGrid& grid) {
            grid.SetOptions(grid.Options() + TGridOptions { goTabs });
            if (more)
                more(grid);
        };
    };
    const auto walk = [](TDudColumnGrid& grid) { grid.Navigation().SetCursorWalkEditor(true); };
    const Case cases[] = {
        { "Tab commits and goes to the next cell", tabs(), { 1, 1 }, { Text("ab"), Tab() }, { 2, 1 },
            { { 1, 1, "ab" } } },
        { "Tab, type, Tab fills two cells", tabs(), { 1, 1 }, { Text("a"), Tab(), Text("b"), Tab() }, { 3, 1 },
            { { 1, 1, "a" }, { 2, 1, "b" } } },
        { "Shift+Tab commits and goes back", tabs(), { 3, 2 }, { Text("x"), BackTab() }, { 2, 2 },
            { { 3, 2, "x" } } },
        { "Tab at a row's end enters the next row", tabs(), { 4, 1 }, { Text("e"), Tab() }, { 1, 2 },
            { { 4, 1, "e" } } },
        { "Tab skips a read-only column",
            tabs([](TDudColumnGrid& grid) { grid.Columns().Items(2)->SetReadOnly(true); }), { 1, 1 },
            { Text("r"), Tab() }, { 3, 1 }, { { 1, 1, "r" } } },
        { "Down skips a disabled row", [](TDudColumnGrid& grid) { grid.SetRowEnabled(2, false); }, { 4, 1 },
            { Text("d"), Key(Qt::Key_Down) }, { 4, 3 }, { { 4, 1, "d" } } },
        { "Tab top to bottom goes down the column",
            tabs([](TDudColumnGrid& grid) { grid.Navigation().SetTabAdvanceDirection(adTopBottom); }), { 2, 1 },
            { Text("t"), Tab() }, { 2, 2 }, { { 2, 1, "t" } } },
        { "Tab from a merged cell lands right of the merge",
            tabs([](TDudColumnGrid& grid) { grid.MergeCells(1, 1, 2, 1); }), { 1, 1 }, { Text("m"), Tab() },
            { 3, 1 }, { { 1, 1, "m" } } },
        { "Tab never stops inside a merge that reaches down from the row above",
            tabs([](TDudColumnGrid& grid) { grid.MergeCells(2, 1, 1, 2); }), { 1, 2 }, { Text("b"), Tab() }, { 3, 2 },
            { { 1, 2, "b" } } },
        { "Shift+Tab at a row's start goes to the end of the row above", tabs(), { 1, 3 }, { Text("s"), BackTab() },
            { 4, 2 }, { { 1, 3, "s" } } },
        { "Tab at the grid's end rounds to the first cell", tabs(), { 4, 4 }, { Text("z"), Tab() }, { 1, 1 },
            { { 4, 4, "z" } } },
        { "Tab leaves an open list editor with its text",
            tabs([](TDudColumnGrid& grid) {
                grid.Columns().Items(2)->SetEditor(edComboEdit);
                grid.Columns().Items(2)->ComboItems().SetText(QStringLiteral("One\nTwo"));
            }),
            { 2, 1 }, { Text("x"), Tab() }, { 3, 1 }, { { 2, 1, "x" } } },
        { "Down commits and goes to the cell below", nullptr, { 2, 1 }, { Text("v"), Key(Qt::Key_Down) }, { 2, 2 },
            { { 2, 1, "v" } } },
        { "Up commits and goes to the cell above", nullptr, { 2, 3 }, { Text("u"), Key(Qt::Key_Up) }, { 2, 2 },
            { { 2, 3, "u" } } },
        { "Enter with advance on enter goes to the next cell",
            [](TDudColumnGrid& grid) { grid.Navigation().SetAdvanceOnEnter(true); }, { 1, 1 },
            { Text("n"), Enter(), Text("o"), Enter() }, { 3, 1 }, { { 1, 1, "n" }, { 2, 1, "o" } } },
        { "Right at the end walks on with the walking option", walk, { 2, 1 }, { Text("a"), Key(Qt::Key_Right) },
            { 3, 1 }, { { 2, 1, "a" } } },
        { "Left walks back once the caret stood at the start", walk, { 2, 1 },
            { Text("a"), Key(Qt::Key_Left), Key(Qt::Key_Left) }, { 1, 1 }, { { 2, 1, "a" } } },
        { "Right stays in the text without the option", nullptr, { 2, 1 },
            { Text("a"), Key(Qt::Key_Right), Text("b"), Key(Qt::Key_Down) }, { 2, 2 }, { { 2, 1, "ab" } } },
        { "Home and End put the caret at the text's ends", nullptr, { 2, 1 },
            { Text("bc"), Key(Qt::Key_Home), Text("a"), Key(Qt::Key_End), Text("d"), Key(Qt::Key_Down) }, { 2, 2 },
            { { 2, 1, "abcd" } } },
        { "Esc puts the text back and stays", tabs(), { 1, 1 }, { Text("q"), Key(Qt::Key_Escape) }, { 1, 1 },
            { { 1, 1, "" } } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetUp();
        if (test.setup)
            test.setup(*Grid);
        Grid->FocusCell(test.start.X, test.start.Y);
        Run(test.steps);
        EXPECT_EQ(Grid->Col(), test.expected.X);
        EXPECT_EQ(Grid->Row(), test.expected.Y);
        for (const TCell& cell : test.cells)
            EXPECT_EQ(Grid->Cells(cell.Col, cell.Row).toStdString(), cell.Text) << cell.Col << "," << cell.Row;
    }
}

} // namespace
