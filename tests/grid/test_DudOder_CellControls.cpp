#include "grid/DudOder.h"

#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TRect Bounds(const TControl& control)
{
    return Rect(control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height());
}

TRect Around(const TRect& cell)
{
    return Rect(cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom);
}

// A shown grid of one fixed row and column, twenty rows and ten columns,
// too small to show them all.
class CellControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 320, 200);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 300, 180);
        Grid->SetColCount(10);
        Grid->SetRowCount(20);
        Form->Show();
        QApplication::processEvents();
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
};

TEST_F(CellControlsTest, AControlFollowsItsCellInAndOutOfView)
{
    auto* edit = new TEdit(Form.get());
    Grid->SetCellControls(2, 3, edit);
    EXPECT_EQ(Grid->CellControls(2, 3), edit);
    EXPECT_EQ(edit->Parent(), Grid);
    EXPECT_EQ(Bounds(*edit), Around(Grid->CellRect(2, 3)));

    struct Step {
        const char* name;
        int32_t topRow, leftCol;
        bool shown;
    };
    const Step steps[] = {
        { "scrolled out below", 10, 1, false },
        { "scrolled out to the right", 1, 6, false },
        { "one row up", 2, 1, true },
        { "back home", 1, 1, true },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Grid->SetTopRow(step.topRow);
        Grid->SetLeftCol(step.leftCol);
        EXPECT_EQ(edit->Visible(), step.shown);
        if (step.shown) {
            EXPECT_EQ(Bounds(*edit), Around(Grid->CellRect(2, 3)));
        }
    }

    Grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(Grid->CellControls(2, 3), nullptr);
    Grid->SetTopRow(10);
    EXPECT_TRUE(edit->Visible());
}

TEST_F(CellControlsTest, ControlsOverFixedCellsAreLeftWhereTheyAre)
{
    auto* header = new TEdit(Form.get());
    Grid->SetCellControls(2, 0, header);
    const TRect placed = Bounds(*header);
    Grid->SetTopRow(10);
    Grid->SetLeftCol(7);
    EXPECT_TRUE(header->Visible());
    EXPECT_EQ(Bounds(*header), placed);
}

TEST_F(CellControlsTest, RebuildingFindsTheControlsInTheCells)
{
    auto* edit = new TEdit(Form.get());
    Grid->SetCellControls(3, 4, edit);
    Grid->SetTopRow(12);
    ASSERT_FALSE(edit->Visible());
    Grid->SetTopRow(1);
    Grid->CellControlsUpdate(true);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(Bounds(*edit), Around(Grid->CellRect(3, 4)));
}

TEST_F(CellControlsTest, MovedColumnsAndRowsTakeTheirControlsAlong)
{
    struct Case {
        const char* name;
        void (*move)(TDudStringGrid&);
        TGridCoord cell; // where the control laid over (2, 3) is laid now
    };
    const Case cases[] = {
        { "its column moves right", [](TDudStringGrid& g) { g.MoveColumn(2, 4); }, { 4, 3 } },
        { "a column moves over it to the left", [](TDudStringGrid& g) { g.MoveColumn(5, 1); }, { 3, 3 } },
        { "a column right of it moves", [](TDudStringGrid& g) { g.MoveColumn(5, 6); }, { 2, 3 } },
        { "its row moves up", [](TDudStringGrid& g) { g.MoveRow(3, 1); }, { 2, 1 } },
        { "a row above it moves below it", [](TDudStringGrid& g) { g.MoveRow(1, 4); }, { 2, 2 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        auto* edit = new TEdit(Form.get());
        Grid->SetCellControls(2, 3, edit);
        entry.move(*Grid);
        EXPECT_EQ(Bounds(*edit), Around(Grid->CellRect(entry.cell.X, entry.cell.Y)));
        Grid->CellControlsUpdate(true);
        EXPECT_EQ(Grid->CellControls(entry.cell.X, entry.cell.Y), edit);
        Grid->SetCellControls(entry.cell.X, entry.cell.Y, nullptr);
    }
}

TEST(CellControlsWithoutWindowTest, NothingMovesBeforeTheGridHasAWindow)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(30);
    auto* edit = new TEdit(&grid);
    grid.SetCellControls(1, 2, edit);
    const TRect placed = Bounds(*edit);
    grid.SetTopRow(20);
    grid.CellControlsUpdate(true);
    EXPECT_EQ(Bounds(*edit), placed);
}

} // namespace

namespace {

class TSizingProbe : public TDudStringGrid {
public:
    using TDudStringGrid::CalcSizingState;
    using TDudStringGrid::TDudStringGrid;
};

TEST(SizingVetoTest, TheApplicationMayRefuseToSizeAColumnOrRow)
{
    TSizingProbe grid(nullptr);
    grid.SetOptions(grid.Options() + TGridOptions { goColSizing, goRowSizing });
    grid.OnColumnSize = [](TDudStringGrid*, int32_t aCol, bool& allow) { allow = aCol != 1; };
    grid.OnRowSize = [](TDudStringGrid*, int32_t aRow, bool& allow) { allow = aRow != 2; };
    struct Case {
        const char* name;
        TPoint point;
        TGridState state;
    };
    const Case cases[] = {
        { "the refused column's border", { grid.CellRect(1, 0).Right, 5 }, gsNormal },
        { "another column's border", { grid.CellRect(2, 0).Right, 5 }, gsColSizing },
        { "the refused row's border", { 5, grid.CellRect(0, 2).Bottom }, gsNormal },
        { "another row's border", { 5, grid.CellRect(0, 3).Bottom }, gsRowSizing },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGridState state = gsNormal;
        int32_t index = -1;
        int32_t position = 0;
        int32_t offset = 0;
        grid.CalcSizingState(c.point.X, c.point.Y, state, index, position, offset);
        EXPECT_EQ(state, c.state);
    }
}

} // namespace

namespace {

class TKeyUpProbe : public TDudStringGrid {
public:
    using TDudStringGrid::KeyUp;
    using TDudStringGrid::TDudStringGrid;
};

String Picked(TDudStringGrid& grid)
{
    QStringList cells;
    for (int32_t row = 0; row < grid.RowCount(); ++row)
        for (int32_t col = 0; col < grid.ColCount(); ++col)
            if (grid.GetSelectedCells(col, row))
                cells.append(QStringLiteral("%1,%2").arg(col).arg(row));
    return cells.join(u' ');
}

TEST(DisjunctCellKeysTest, SpaceAndShiftPickCells)
{
    struct Step {
        const char* name;
        TGridRect selection;
        uint16_t key;
        TShiftState shift;
        const char* picked;
    };
    const Step steps[] = {
        { "Space picks the current cell", { 1, 1, 1, 1 }, VK_SPACE, {}, "1,1" },
        { "Space elsewhere picks that one alone", { 2, 2, 2, 2 }, VK_SPACE, {}, "2,2" },
        { "Ctrl+Space adds", { 3, 1, 3, 1 }, VK_SPACE, TShiftState { ssCtrl }, "3,1 2,2" },
        { "Ctrl+Space again takes away", { 3, 1, 3, 1 }, VK_SPACE, TShiftState { ssCtrl }, "2,2" },
        { "Shift makes the selection the block, but for the current cell", { 1, 3, 2, 4 }, VK_DOWN,
            TShiftState { ssShift }, "2,2 1,3 2,3 1,4" },
    };
    TKeyUpProbe grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetOptions(grid.Options() - TGridOptions { goEditing });
    grid.MouseActions().SetDisjunctCellSelect(true);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        grid.SetSelection(step.selection);
        uint16_t key = step.key;
        grid.KeyUp(key, step.shift);
        EXPECT_EQ(Picked(grid), QString::fromLatin1(step.picked));
    }
}

} // namespace
