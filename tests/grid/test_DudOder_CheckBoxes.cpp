#include "grid/DudCGrid.h"
#include "grid/DudOder.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_Settings.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace {

using TChange = std::tuple<int32_t, int32_t, bool>;

struct TChangeRecorder {
    std::vector<TChange> Changes;
    void Attach(TDudStringGrid& grid)
    {
        grid.OnCheckBoxChange = [this](TDudStringGrid*, int32_t aCol, int32_t aRow, bool state) {
            Changes.emplace_back(aCol, aRow, state);
        };
    }
};

TEST(CheckBoxTest, AddingOutsideTheShownRowsIsAnInvalidCell)
{
    TDudStringGrid grid(nullptr);
    grid.HideRow(4);
    struct Case {
        int32_t col;
        int32_t row;
    };
    // Row 9 is past the rows shown although the grid stores ten rows.
    for (const Case& entry : { Case { 1, 9 }, Case { 1, -1 }, Case { 5, 1 }, Case { -1, 1 } }) {
        SCOPED_TRACE(testing::Message() << entry.col << "," << entry.row);
        try {
            grid.AddCheckBox(entry.col, entry.row, true, false);
            FAIL() << "no exception";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "Invalid cell");
        }
        EXPECT_THROW(grid.AddRadioButton(entry.col, entry.row, true), EDudOderError);
        EXPECT_THROW(grid.AddCheckBox(entry.col, entry.row, cbChecked), EDudOderError);
    }
    grid.AddCheckBox(1, 8, true, false);
    EXPECT_TRUE(grid.HasCheckBox(1, 8));
}

TEST(CheckBoxTest, DataCheckBoxKeepsACheckTextItFinds)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("N"));
    grid.SetCells(1, 2, QStringLiteral("maybe"));
    grid.AddCheckBox(1, 1, true, true);
    grid.AddCheckBox(1, 2, true, true);
    grid.AddCheckBox(1, 3, false, true);
    EXPECT_EQ(grid.Cells(1, 1), "N");
    EXPECT_FALSE(grid.IsChecked(1, 1));
    EXPECT_EQ(grid.Cells(1, 2), "Y");
    EXPECT_TRUE(grid.IsChecked(1, 2));
    EXPECT_EQ(grid.Cells(1, 3), "N");
    const TCellGraphic* graphic = grid.GetCellGraphic(1, 2);
    EXPECT_TRUE(graphic->CellTransparent());
    EXPECT_EQ(graphic->CellHAlign(), haBeforeText);
}

TEST(CheckBoxTest, ToggleFlipsEachKindAndReportsTheNewState)
{
    TDudStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, false, false);
    grid.SetCells(2, 1, QStringLiteral("N"));
    grid.AddCheckBox(2, 1, false, true);
    grid.AddCheckBox(3, 1, cbUnchecked);
    TChangeRecorder recorder;
    recorder.Attach(grid);
    EXPECT_TRUE(grid.ToggleCheckBox(1, 1));
    EXPECT_TRUE(grid.ToggleCheckBox(2, 1));
    EXPECT_EQ(grid.Cells(2, 1), "Y");
    EXPECT_TRUE(grid.ToggleCheckBox(2, 1));
    EXPECT_EQ(grid.Cells(2, 1), "N");
    EXPECT_FALSE(grid.ToggleCheckBox(4, 1));
    const std::vector<TChange> expected { { 1, 1, true }, { 2, 1, true }, { 2, 1, false } };
    EXPECT_EQ(recorder.Changes, expected);
    EXPECT_TRUE(grid.IsChecked(1, 1));
}

TEST(CheckBoxTest, TriStateCyclesThroughGrayed)
{
    TDudStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, cbUnchecked);
    TChangeRecorder recorder;
    recorder.Attach(grid);
    TCheckBoxState state = cbUnchecked;
    for (const TCheckBoxState expected : { cbGrayed, cbChecked, cbUnchecked }) {
        grid.ToggleCellCheck(1, 1, false);
        ASSERT_TRUE(grid.GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, expected);
    }
    // The event says whether the box ended up checked.
    const std::vector<TChange> expected { { 1, 1, false }, { 1, 1, true }, { 1, 1, false } };
    EXPECT_EQ(recorder.Changes, expected);
}

TEST(CheckBoxTest, ToggleAsksTheCanEditHookUnlessChecksAreAlwaysActive)
{
    TDudStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, false, false);
    grid.OnCanEditCell = [](TDudStringGrid*, int32_t, int32_t, bool& canEdit) { canEdit = false; };
    EXPECT_FALSE(grid.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(grid.IsChecked(1, 1));
    EXPECT_TRUE(grid.ToggleCellCheck(1, 1, false));
    grid.ControlLook().SetCheckAlwaysActive(true);
    EXPECT_TRUE(grid.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(grid.IsChecked(1, 1));
}

// Undo must put back what the cell held, not what a Boolean field that data
// check boxes never use would suggest.
TEST(CheckBoxTest, UndoRecordsTheCellsOldAndNewText)
{
    TDudStringGrid grid(nullptr);
    TDudOderUndoRedo undo(nullptr);
    grid.SetUndoRedo(&undo);
    grid.SetCells(1, 1, QStringLiteral("N"));
    grid.AddCheckBox(1, 1, false, true);
    grid.ToggleCellCheck(1, 1, false);
    ASSERT_EQ(undo.Items().Count(), 1);
    EXPECT_EQ(undo.Items().Items(0)->OrigValue(), "N");
    EXPECT_EQ(undo.Items().Items(0)->Value(), "Y");
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "N");
    grid.SetUndoRedo(nullptr);
}

// The row check box stands for the row's selection: toggling it selects the
// row and leaves column 0's text alone.
TEST(CheckBoxTest, RowCheckBoxToggleSelectsTheRow)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.SetCells(0, 3, QStringLiteral("3"));
    EXPECT_TRUE(grid.ToggleCellCheck(0, 3, false));
    EXPECT_TRUE(grid.GetRowSelect(3));
    EXPECT_EQ(grid.Cells(0, 3), "3");
    bool checked = false;
    EXPECT_TRUE(grid.GetCheckBoxState(0, 3, checked));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(grid.ToggleCellCheck(0, 3, false));
    EXPECT_FALSE(grid.GetRowSelect(3));
    EXPECT_TRUE(grid.ToggleCellCheck(0, 0, false));
    EXPECT_EQ(grid.SelectedRowCount(), grid.RowCount() - grid.FixedRows());
}

TEST(CheckBoxTest, SetStateAppliesOnlyToItsKind)
{
    TDudStringGrid grid(nullptr);
    grid.AddCheckBox(1, 1, false, false);
    grid.AddCheckBox(2, 1, cbUnchecked);
    EXPECT_FALSE(grid.SetCheckBoxState(2, 1, true));
    EXPECT_FALSE(grid.SetCheckBoxState(1, 1, cbChecked));
    EXPECT_TRUE(grid.SetCheckBoxState(1, 1, true));
    EXPECT_TRUE(grid.SetCheckBoxState(2, 1, cbGrayed));
    EXPECT_TRUE(grid.IsChecked(1, 1));
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(grid.GetCheckBoxState(2, 1, state));
    EXPECT_EQ(state, cbGrayed);
    EXPECT_FALSE(grid.GetCheckBoxState(3, 1, state));
}

TEST(CheckBoxTest, StateOfAHiddenRowIsReadAndWrittenInTheStore)
{
    TDudStringGrid grid(nullptr);
    grid.AddCheckBox(1, 3, true, false);
    grid.SetCells(2, 3, QStringLiteral("N"));
    grid.AddCheckBox(2, 3, false, true);
    grid.HideRow(3);
    EXPECT_TRUE(grid.IsChecked(1, 3));
    EXPECT_TRUE(grid.SetCheckBoxState(2, 3, true));
    EXPECT_TRUE(grid.IsChecked(2, 3));
    grid.UnHideRow(3);
    EXPECT_EQ(grid.Cells(2, 3), "Y");
    EXPECT_TRUE(grid.IsChecked(1, 3));
}

TEST(CheckBoxTest, CheckAllReportsOnlyRowsThatChanged)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(5);
    grid.AddCheckBoxColumn(1, false, false);
    grid.SetCheckBoxState(1, 2, true);
    TChangeRecorder recorder;
    recorder.Attach(grid);
    grid.CheckAll(1);
    const std::vector<TChange> checked { { 1, 1, true }, { 1, 3, true }, { 1, 4, true } };
    EXPECT_EQ(recorder.Changes, checked);
    recorder.Changes.clear();
    grid.UnCheckAll(1);
    EXPECT_EQ(recorder.Changes.size(), 4u);
    grid.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(grid.HasCheckBox(1, 2));
}

TEST(CheckBoxTest, ColumnGridDataCheckBoxTogglesItsColumnTexts)
{
    TDudColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Columns().Items(2)->SetEditor(edDataCheckBox);
    grid.Columns().Items(2)->SetCheckTrue(QStringLiteral("on"));
    grid.Columns().Items(2)->SetCheckFalse(QStringLiteral("off"));
    TChangeRecorder recorder;
    recorder.Attach(grid);
    EXPECT_TRUE(grid.ToggleCellCheck(2, 1, true));
    EXPECT_EQ(grid.Cells(2, 1), "on");
    EXPECT_TRUE(grid.IsChecked(2, 1));
    EXPECT_TRUE(grid.ToggleCellCheck(2, 1, true));
    EXPECT_EQ(grid.Cells(2, 1), "off");
    EXPECT_TRUE(grid.ApplyCheckState(2, 2, true));
    EXPECT_EQ(grid.Cells(2, 2), "on");
    const std::vector<TChange> expected { { 2, 1, true }, { 2, 1, false }, { 2, 2, true } };
    EXPECT_EQ(recorder.Changes, expected);
    EXPECT_FALSE(grid.ToggleCellCheck(1, 1, true));
}

TEST(CheckBoxTest, PreciseHitTestFindsTheBox)
{
    TDudStringGrid grid(nullptr);
    grid.ControlLook().SetCheckSize(15);
    grid.AddCheckBox(1, 1, false, false);
    const TRect cell = grid.CellRect(1, 1);
    EXPECT_TRUE(grid.IsInCheckBox(1, 1, cell.Right - 2, cell.Bottom - 2));
    grid.MouseActions().SetPreciseCheckBoxCheck(true);
    struct Case {
        int32_t x;
        int32_t y;
        bool inside;
    };
    const Case cases[] = {
        { cell.Left + 2, cell.Top + 2, true },
        { cell.Left + 16, cell.Top + 16, true },
        { cell.Left + 17, cell.Top + 5, false },
        { cell.Left + 5, cell.Top + 1, false },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.x << "," << entry.y);
        EXPECT_EQ(grid.IsInCheckBox(1, 1, entry.x, entry.y), entry.inside);
    }
    EXPECT_FALSE(grid.IsInCheckBox(2, 1, cell.Left + 2, cell.Top + 2));
}

TEST(RadioButtonTest, ColumnIndexLeavesExactlyOneChecked)
{
    TDudStringGrid grid(nullptr);
    grid.AddRadioButtonColumn(1);
    grid.SetRadioButtonColumnIndex(1, 5);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), 5);
    EXPECT_TRUE(grid.SelectRadioButtonCell(1, 2, false));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), 2);
    EXPECT_FALSE(grid.IsRadioButtonChecked(1, 5));
    EXPECT_FALSE(grid.SelectRadioButtonCell(2, 2, false));
    grid.RemoveRadioButtonColumn(1);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), -1);
}

// A button checked in a hidden row must not come back as a second checked
// button of its column.
TEST(RadioButtonTest, SelectingClearsButtonsOfHiddenRows)
{
    TDudStringGrid grid(nullptr);
    grid.AddRadioButtonColumn(1);
    grid.SetRadioButtonState(1, 3, true);
    grid.HideRow(3);
    grid.SelectRadioButtonCell(1, 5, false);
    grid.UnHideRow(3);
    EXPECT_FALSE(grid.IsRadioButtonChecked(1, 3));
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 6));
}

TEST(RadioGroupTest, AdvanceWrapsAndWritesTheOption)
{
    TDudStringGrid grid(nullptr);
    TStrings& options = grid.CreateRadio(1, 1, 0, 2);
    options.Add(QStringLiteral("low"));
    options.Add(QStringLiteral("mid"));
    options.Add(QStringLiteral("high"));
    grid.AdvanceRadioSelection(1, 1, false);
    int32_t index = -1;
    EXPECT_TRUE(grid.GetRadioIdx(1, 1, index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(grid.Cells(1, 1), "low");
    EXPECT_TRUE(grid.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.GetRadioStrings(1, 1), &options);
    EXPECT_FALSE(grid.GetRadioIdx(2, 1, index));
}

TEST(RadioGroupTest, GroupFollowingTheTextKeepsItsIndexNegative)
{
    TDudStringGrid grid(nullptr);
    TStringList options;
    options.Add(QStringLiteral("a"));
    options.Add(QStringLiteral("b"));
    grid.AddRadio(1, 1, 1, -2, &options);
    grid.SetCells(1, 1, QStringLiteral("a"));
    grid.AdvanceRadioSelection(1, 1, false);
    EXPECT_EQ(grid.Cells(1, 1), "b");
    int32_t index = 0;
    grid.GetRadioIdx(1, 1, index);
    EXPECT_EQ(index, -2);
    grid.RemoveRadio(1, 1);
    EXPECT_FALSE(grid.IsRadio(1, 1));
    EXPECT_EQ(options.Count(), 2);
}

TEST(BalloonTest, BalloonSitsOnControlsOrAloneButNotOnOtherGraphics)
{
    TDudStringGrid grid(nullptr);
    grid.CreateCellGraphic(1, 1).SetBitmap(std::make_unique<TBitmap>(2, 2), false, haLeft, vaTop);
    grid.AddBalloon(1, 1, QStringLiteral("t"), QStringLiteral("x"), biInfo);
    String title;
    String text;
    TBalloonIcon icon = biNone;
    EXPECT_FALSE(grid.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(grid.GetCellType(1, 1), ctBitmap);

    grid.AddCheckBox(2, 1, true, false);
    grid.AddBalloon(2, 1, QStringLiteral("Title"), QStringLiteral("Text"), biWarning);
    EXPECT_TRUE(grid.IsBalloon(2, 1, title, text, icon));
    EXPECT_FALSE(grid.HasBalloon(2, 1));
    EXPECT_TRUE(grid.HasCheckBox(2, 1));
    EXPECT_EQ(title, "Title");
    EXPECT_EQ(text, "Text");
    EXPECT_EQ(icon, biWarning);
    grid.RemoveBalloon(2, 1);
    EXPECT_FALSE(grid.IsBalloon(2, 1, title, text, icon));
    EXPECT_TRUE(grid.HasCheckBox(2, 1));

    grid.AddBalloon(3, 1, QStringLiteral("a"), QStringLiteral("b"), biError);
    EXPECT_TRUE(grid.HasBalloon(3, 1));
    grid.RemoveBalloon(3, 1);
    EXPECT_EQ(grid.GetCellType(3, 1), ctEmpty);
}

TEST(ExpandTest, HeightsAndState)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowHeights(2, 20);
    EXPECT_EQ(grid.GetExpandHeight(1, 2, true), grid.DefaultRowHeight());
    grid.AddExpand(1, 2, 80);
    EXPECT_TRUE(grid.HasExpand(1, 2));
    EXPECT_EQ(grid.GetExpandHeight(1, 2, true), 80);
    EXPECT_EQ(grid.GetExpandHeight(1, 2, false), 20);
    EXPECT_FALSE(grid.GetExpandState(1, 2));
    EXPECT_TRUE(grid.ToggleExpand(1, 2));
    EXPECT_TRUE(grid.GetExpandState(1, 2));
    const TRect cell = grid.CellRect(1, 2);
    EXPECT_EQ(grid.GetExpandButtonRect(1, 2), Rect(cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13));
    grid.RemoveExpand(1, 2);
    EXPECT_EQ(grid.GetExpandButtonRect(1, 2), TRect {});
}

TEST(ExpandTest, TheClickSetsTheRowHeightAfterTheEvent)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowHeights(2, 20);
    grid.AddExpand(1, 2, 80);
    std::vector<int32_t> heightsSeen;
    grid.OnExpandClick = [&](TDudStringGrid* sender, int32_t, int32_t aRow, bool) {
        heightsSeen.push_back(sender->RowHeights(aRow));
    };
    struct Case {
        int32_t height;
    };
    for (const Case& entry : { Case { 80 }, Case { 20 }, Case { 80 } }) {
        SCOPED_TRACE(entry.height);
        grid.DoExpandClick(1, 2, grid.ToggleExpand(1, 2));
        EXPECT_EQ(grid.RowHeights(2), entry.height);
    }
    EXPECT_EQ(heightsSeen, (std::vector<int32_t> { 20, 80, 20 }));
}

// A node on row 1 over rows 2..4 with a tri-state box; its children carry
// plain check boxes in the same column.
class CheckGroupTest : public testing::Test {
protected:
    void SetUp() override
    {
        Grid.Grouping().SetAutoCheckGroup(true);
        Grid.AddNode(1, 4);
        Grid.AddCheckBox(1, 1, cbUnchecked);
        for (int32_t row = 2; row <= 4; ++row)
            Grid.AddCheckBox(1, row, false, false);
    }

    TCheckBoxState NodeState()
    {
        TCheckBoxState state = cbUnchecked;
        EXPECT_TRUE(Grid.GetCheckBoxState(1, 1, state));
        return state;
    }

    // The children's states by real row, hidden or not.
    std::vector<bool> Children()
    {
        std::vector<bool> states;
        for (int32_t row = 2; row <= 4; ++row) {
            bool checked = false;
            Grid.GetCheckBoxState(1, row, checked);
            states.push_back(checked);
        }
        return states;
    }

    TDudStringGrid Grid { nullptr };
};

TEST_F(CheckGroupTest, TheNodeBoxSetsItsChildrenAndTheChildrenSetTheNode)
{
    struct Case {
        const char* step;
        int32_t row;
        TCheckBoxState node;
        std::vector<bool> children;
    };
    const Case cases[] = {
        { "the node goes straight to checked", 1, cbChecked, { true, true, true } },
        { "one child unchecked grays the node", 3, cbGrayed, { true, false, true } },
        { "checked again, the group is whole", 3, cbChecked, { true, true, true } },
        { "the node unchecks every child", 1, cbUnchecked, { false, false, false } },
        { "one child checked grays the node", 4, cbGrayed, { false, false, true } },
        { "the grayed node checks all", 1, cbChecked, { true, true, true } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.step);
        ASSERT_TRUE(Grid.ToggleCellCheck(1, entry.row, false));
        EXPECT_EQ(NodeState(), entry.node);
        EXPECT_EQ(Children(), entry.children);
    }
}

TEST_F(CheckGroupTest, AContractedNodeSetsItsHiddenChildren)
{
    Grid.ContractNode(1);
    ASSERT_EQ(Grid.NumHiddenRows(), 3);
    ASSERT_TRUE(Grid.ToggleCellCheck(1, 1, false));
    EXPECT_EQ(Children(), (std::vector<bool> { true, true, true }));
    Grid.ExpandNode(1);
    for (int32_t row = 2; row <= 4; ++row)
        EXPECT_TRUE(Grid.IsChecked(1, row)) << row;
}

TEST_F(CheckGroupTest, WithoutTheSettingBoxesStandAlone)
{
    Grid.Grouping().SetAutoCheckGroup(false);
    ASSERT_TRUE(Grid.ToggleCellCheck(1, 1, false));
    EXPECT_EQ(NodeState(), cbGrayed) << "a node box cycles like any tri-state box";
    EXPECT_EQ(Children(), (std::vector<bool> { false, false, false }));
    ASSERT_TRUE(Grid.ToggleCellCheck(1, 2, false));
    EXPECT_EQ(NodeState(), cbGrayed);
}

} // namespace
