#include "platform/ui/Forms.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A string grid that opens its protected steps to the tests and records
// the calls the tests look at.
class TTestGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TCustomGrid::DeleteColumn;
    using TCustomGrid::DeleteRow;
    using TCustomGrid::MaxTopRow;
    using TCustomGrid::MoveColRow;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    using TCustomGrid::PermuteRows;
    static constexpr uintptr_t AutoScrollTimerId = AutoScrollTimer;

    std::vector<TGridCoord> Drawn;
    // The state each cell was last drawn with.
    std::map<std::pair<int32_t, int32_t>, TGridDrawState> DrawnStates;
    std::vector<std::string> EditLog;
    int32_t ExitCount = 0;
    // Refuses every sizing, as a descendant's veto does.
    bool VetoSizing = false;

protected:
    void DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override
    {
        Drawn.push_back({ aCol, aRow });
        DrawnStates[{ aCol, aRow }] = state;
        TStringGrid::DrawCell(aCol, aRow, rect, state);
    }
    void CalcSizingState(int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& sizingPos, int32_t& sizingOfs) override
    {
        TStringGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs);
        if (VetoSizing)
            state = gsNormal;
    }
    String GetEditText(int32_t aCol, int32_t aRow) override
    {
        EditLog.push_back("get " + std::to_string(aCol) + "," + std::to_string(aRow));
        return TStringGrid::GetEditText(aCol, aRow);
    }
    void SetEditText(int32_t aCol, int32_t aRow, const String& value) override
    {
        EditLog.push_back("set " + std::to_string(aCol) + "," + std::to_string(aRow) + " " + value.toStdString());
        TStringGrid::SetEditText(aCol, aRow, value);
    }
    void DoExit() override
    {
        ++ExitCount;
        TStringGrid::DoExit();
    }
};

// Column extent 64 + 1 line, row extent 24 + 1: in 331 x 251 client pixels
// (inside the grid's 2-pixel frame) the fixed column and row leave 4 whole
// columns and 9 whole rows. Points and pixels are in client coordinates.
class GridTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TTestGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(10);
        Grid->SetRowCount(100);
        Grid->SetBounds(0, 0, 335, 255);
        Form->Show();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(focus, &press);
    }

    void Mouse(QEvent::Type type, int32_t x, int32_t y, Qt::MouseButtons buttons = Qt::LeftButton,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        const TPoint global = Grid->ClientToScreen({ x, y });
        const QPointF local = Grid->Widget()->mapFromGlobal(QPointF(global.X, global.Y));
        QMouseEvent event(type, local, QPointF(global.X, global.Y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            buttons, modifiers);
        QApplication::sendEvent(Grid->Widget(), &event);
    }

    // The grid as the screen shows it, frame and bars included; read with
    // ClientPixel.
    QImage Shot() const { return Grid->Widget()->grab().toImage(); }
    QColor ClientPixel(const QImage& image, int32_t x, int32_t y) const
    {
        const TPoint global = Grid->ClientToScreen({ x, y });
        const QPoint local = Grid->Widget()->mapFromGlobal(QPoint(global.X, global.Y));
        return image.pixelColor(local);
    }

    void Click(int32_t x, int32_t y, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        Mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseButtonRelease, x, y, Qt::NoButton, modifiers);
    }

    std::unique_ptr<TForm> Form;
    TTestGrid* Grid = nullptr;
};

TGridRect Cells(int32_t left, int32_t top, int32_t right, int32_t bottom) { return { left, top, right, bottom }; }

} // namespace

TEST_F(GridTest, KeysMoveTheCurrentCellAndSelectionAsDocumented)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        TGridOptions extraOptions;
        TGridCoord start;
        TGridCoord expected;
        TGridRect selection;
        int32_t topRow;
        int32_t leftCol;
    };
    const Case cases[] = {
        { "down", Qt::Key_Down, Qt::NoModifier, {}, { 1, 1 }, { 1, 2 }, Cells(1, 2, 1, 2), 1, 1 },
        { "up stops at the first data row", Qt::Key_Up, Qt::NoModifier, {}, { 1, 1 }, { 1, 1 }, Cells(1, 1, 1, 1), 1, 1 },
        { "left stops at the fixed column", Qt::Key_Left, Qt::NoModifier, {}, { 1, 1 }, { 1, 1 }, Cells(1, 1, 1, 1), 1, 1 },
        { "right", Qt::Key_Right, Qt::NoModifier, {}, { 1, 1 }, { 2, 1 }, Cells(2, 1, 2, 1), 1, 1 },
        { "end scrolls the last column in", Qt::Key_End, Qt::NoModifier, {}, { 1, 1 }, { 9, 1 }, Cells(9, 1, 9, 1), 1, 6 },
        { "home", Qt::Key_Home, Qt::NoModifier, {}, { 5, 3 }, { 1, 3 }, Cells(1, 3, 1, 3), 1, 1 },
        { "ctrl end", Qt::Key_End, Qt::ControlModifier, {}, { 1, 1 }, { 9, 99 }, Cells(9, 99, 9, 99), 91, 6 },
        { "ctrl home", Qt::Key_Home, Qt::ControlModifier, {}, { 5, 50 }, { 1, 1 }, Cells(1, 1, 1, 1), 1, 1 },
        { "page down: the page's last row becomes the top", Qt::Key_PageDown, Qt::NoModifier, {}, { 1, 1 }, { 1, 9 }, Cells(1, 9, 1, 9), 9, 1 },
        { "page up: the top row becomes the page's last", Qt::Key_PageUp, Qt::NoModifier, {}, { 1, 50 }, { 1, 42 }, Cells(1, 42, 1, 42), 34, 1 },
        { "ctrl page down goes to the page's last row", Qt::Key_PageDown, Qt::ControlModifier, {}, { 1, 1 }, { 1, 9 }, Cells(1, 9, 1, 9), 1, 1 },
        { "ctrl page up goes to the top row shown", Qt::Key_PageUp, Qt::ControlModifier, {}, { 1, 50 }, { 1, 42 }, Cells(1, 42, 1, 42), 42, 1 },
        { "ctrl down scrolls under the cell", Qt::Key_Down, Qt::ControlModifier, {}, { 2, 5 }, { 2, 5 }, Cells(2, 5, 2, 5), 2, 1 },
        { "ctrl up scrolls back", Qt::Key_Up, Qt::ControlModifier, {}, { 2, 50 }, { 2, 50 }, Cells(2, 50, 2, 50), 41, 1 },
        { "ctrl right moves cell and view by a page", Qt::Key_Right, Qt::ControlModifier, {}, { 1, 1 }, { 4, 1 }, Cells(4, 1, 4, 1), 1, 4 },
        { "ctrl left moves cell and view back", Qt::Key_Left, Qt::ControlModifier, {}, { 9, 1 }, { 6, 1 }, Cells(6, 1, 6, 1), 1, 3 },
        { "shift extends with range select", Qt::Key_Down, Qt::ShiftModifier, {}, { 2, 2 }, { 2, 3 }, Cells(2, 2, 2, 3), 1, 1 },
        { "shift left extends backwards", Qt::Key_Left, Qt::ShiftModifier, {}, { 3, 2 }, { 2, 2 }, Cells(2, 2, 3, 2), 1, 1 },
        { "row select selects whole rows", Qt::Key_Down, Qt::NoModifier, { goRowSelect }, { 1, 2 }, { 1, 3 }, Cells(1, 3, 9, 3), 1, 1 },
        { "row select: right scrolls instead", Qt::Key_Right, Qt::NoModifier, { goRowSelect }, { 1, 2 }, { 1, 2 }, Cells(1, 2, 9, 2), 1, 2 },
        { "row select: end goes to the last row", Qt::Key_End, Qt::NoModifier, { goRowSelect }, { 1, 2 }, { 1, 99 }, Cells(1, 99, 9, 99), 91, 1 },
        { "tab with goTabs wraps to the next row", Qt::Key_Tab, Qt::NoModifier, { goTabs }, { 9, 1 }, { 1, 2 }, Cells(1, 2, 1, 2), 1, 1 },
        { "shift tab wraps back", Qt::Key_Backtab, Qt::ShiftModifier, { goTabs }, { 1, 2 }, { 9, 1 }, Cells(9, 1, 9, 1), 1, 6 },
        { "tab at the last cell wraps to the first", Qt::Key_Tab, Qt::NoModifier, { goTabs }, { 9, 99 }, { 1, 1 }, Cells(1, 1, 1, 1), 1, 1 },
        { "shift tab at the first cell wraps to the last", Qt::Key_Backtab, Qt::ShiftModifier, { goTabs }, { 1, 1 }, { 9, 99 }, Cells(9, 99, 9, 99), 91, 6 },
    };
    const TGridOptions baseOptions = Grid->Options();
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(baseOptions);
        Grid->SetTopRow(1);
        Grid->SetLeftCol(1);
        Grid->MoveColRow(entry.start.X, entry.start.Y, true, true);
        Grid->SetOptions(baseOptions + entry.extraOptions);
        Press(entry.key, entry.modifiers);
        EXPECT_EQ(Grid->Col(), entry.expected.X);
        EXPECT_EQ(Grid->Row(), entry.expected.Y);
        EXPECT_EQ(Grid->Selection(), entry.selection);
        EXPECT_EQ(Grid->TopRow(), entry.topRow);
        EXPECT_EQ(Grid->LeftCol(), entry.leftCol);
    }
}

TEST_F(GridTest, ShiftWithoutRangeSelectMovesTheAnchorAlong)
{
    Grid->SetOptions(Grid->Options() - TGridOptions { goRangeSelect });
    Grid->MoveColRow(2, 2, true, true);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), Cells(2, 3, 2, 3));
}

TEST_F(GridTest, ArrowsFireOnClickAndSelectCellCanRefuse)
{
    int clicks = 0;
    Grid->OnClick = [&](TComponent*) { ++clicks; };
    Grid->OnSelectCell = [](TComponent*, int32_t, int32_t aRow, bool& canSelect) { canSelect = aRow != 3; };
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 2);
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(clicks, 2) << "a refused move still clicks, as setting the cell does";
}

TEST_F(GridTest, CellRectAndMouseToCellFollowFixedCellsAndScrolling)
{
    Grid->SetRowHeights(3, 50);
    EXPECT_EQ(Grid->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(Grid->CellRect(1, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(Grid->CellRect(1, 4), Rect(65, 126, 129, 150));
    EXPECT_EQ(Grid->CellRect(5, 1), Rect(325, 25, 389, 49)) << "partly shown cells keep their full rectangle";
    EXPECT_EQ(Grid->CellRect(6, 1), TRect {}) << "a cell right of the client area";
    EXPECT_EQ(Grid->CellRect(1, 100), TRect {}) << "a row that does not exist";

    Grid->SetTopRow(10);
    Grid->SetLeftCol(3);
    EXPECT_EQ(Grid->CellRect(1, 10), TRect {}) << "a column scrolled out to the left";
    EXPECT_EQ(Grid->CellRect(3, 5), TRect {}) << "a row scrolled out above";
    EXPECT_EQ(Grid->CellRect(3, 10), Rect(65, 25, 129, 49));
    EXPECT_EQ(Grid->CellRect(0, 11), Rect(0, 50, 64, 74)) << "fixed cells stay in place";
    EXPECT_EQ(Grid->CellRect(3, 0), Rect(65, 0, 129, 24));

    struct Case {
        int32_t x;
        int32_t y;
        TGridCoord cell;
    };
    const Case cases[] = {
        { 0, 0, { 0, 0 } },
        { 70, 30, { 3, 10 } },
        { 128, 48, { 3, 10 } },
        { 129, 49, { 3, 10 } },
        { 130, 50, { 4, 11 } },
        { 10, 60, { 0, 11 } },
        { -1, 30, { -1, 10 } },
        { 70, 251, { 3, -1 } },
        { 331, 30, { -1, 10 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(std::to_string(entry.x) + "," + std::to_string(entry.y));
        int32_t col = 0;
        int32_t row = 0;
        Grid->MouseToCell(entry.x, entry.y, col, row);
        EXPECT_EQ(TGridCoord({ col, row }), entry.cell);
    }
}

TEST_F(GridTest, VisibleCountsAndTopRowLimits)
{
    EXPECT_EQ(Grid->VisibleColCount(), 4);
    EXPECT_EQ(Grid->VisibleRowCount(), 9);
    Grid->SetTopRow(1000);
    EXPECT_EQ(Grid->TopRow(), 91);
    Grid->SetTopRow(-5);
    EXPECT_EQ(Grid->TopRow(), 1);
    EXPECT_THROW(Grid->SetRow(500), EInvalidGridOperation);
    Grid->SetRow(99);
    EXPECT_EQ(Grid->Row(), 99);
    Grid->SetRowCount(20);
    EXPECT_EQ(Grid->Row(), 19);
    EXPECT_THROW(Grid->SetFixedRows(21), EInvalidGridOperation);
}

TEST_F(GridTest, ClickAndDragSelectCells)
{
    Click(70 + 65, 30 + 50);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 3);

    Mouse(QEvent::MouseButtonPress, 135, 80);
    Mouse(QEvent::MouseMove, 265, 130);
    Mouse(QEvent::MouseButtonRelease, 265, 130, Qt::NoButton);
    EXPECT_EQ(Grid->Selection(), Cells(2, 3, 4, 5));
    EXPECT_EQ(Grid->GridState(), gsNormal);

    Click(70, 30, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), Cells(1, 1, 2, 3)) << "shift click extends from the anchor";

    Click(10, 80);
    EXPECT_EQ(Grid->Selection(), Cells(1, 1, 2, 3)) << "a click on a fixed cell moves nothing";
}

TEST_F(GridTest, DraggingWithoutRangeSelectMovesTheCell)
{
    Grid->SetOptions(Grid->Options() - TGridOptions { goRangeSelect });
    Mouse(QEvent::MouseButtonPress, 135, 80);
    Mouse(QEvent::MouseMove, 265, 130);
    Mouse(QEvent::MouseButtonRelease, 265, 130, Qt::NoButton);
    EXPECT_EQ(Grid->Selection(), Cells(4, 5, 4, 5));
}

TEST_F(GridTest, ColumnBordersInTheFixedRowSizeColumns)
{
    Mouse(QEvent::MouseMove, 129, 10, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crDefault) << "no sizing without goColSizing";

    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
    Mouse(QEvent::MouseMove, 129, 10, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crHSplit);
    Mouse(QEvent::MouseMove, 100, 10, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crDefault);

    // The press lies a pixel past the border, so the border follows the
    // pointer a pixel to its left.
    Mouse(QEvent::MouseButtonPress, 130, 10);
    EXPECT_EQ(Grid->GridState(), gsColSizing);
    Mouse(QEvent::MouseMove, 160, 12);
    EXPECT_EQ(Grid->ColWidths(1), 64) << "the width waits for the release";
    Mouse(QEvent::MouseButtonRelease, 160, 12, Qt::NoButton);
    EXPECT_EQ(Grid->ColWidths(1), 94);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->Col(), 1) << "sizing does not select";
    EXPECT_EQ(Grid->CellRect(2, 1).Left, 160);

    Mouse(QEvent::MouseMove, 129, 60, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crDefault) << "borders between data cells do not size";
}

TEST_F(GridTest, RowBordersInTheFixedColumnSizeRows)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goRowSizing });
    Mouse(QEvent::MouseMove, 10, 49, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crVSplit);
    Mouse(QEvent::MouseButtonPress, 10, 49);
    Mouse(QEvent::MouseMove, 10, 70);
    Mouse(QEvent::MouseButtonRelease, 10, 70, Qt::NoButton);
    EXPECT_EQ(Grid->RowHeights(1), 45);
}

TEST_F(GridTest, TheBordersOfFixedItemsOfAScrolledGridSizeNothing)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing, goRowSizing });
    Grid->SetLeftCol(4);
    Grid->SetTopRow(10);

    // On the fixed column's own border, and just past it over the first
    // column shown: the fixed column keeps its width, and the column
    // scrolled out of view is not sized either.
    for (const int32_t x : { 64, 66 }) {
        SCOPED_TRACE(x);
        Mouse(QEvent::MouseButtonPress, x, 10);
        EXPECT_EQ(Grid->GridState(), gsNormal);
        Mouse(QEvent::MouseMove, 80, 10);
        Mouse(QEvent::MouseButtonRelease, 80, 10, Qt::NoButton);
        EXPECT_EQ(Grid->ColWidths(0), 64);
        EXPECT_EQ(Grid->ColWidths(3), 64);
    }

    Mouse(QEvent::MouseButtonPress, 10, 26);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    Mouse(QEvent::MouseMove, 10, 30);
    Mouse(QEvent::MouseButtonRelease, 10, 30, Qt::NoButton);
    EXPECT_EQ(Grid->RowHeights(0), 24);
    EXPECT_EQ(Grid->RowHeights(9), 24);
}

TEST_F(GridTest, DraggingAHeaderMovesTheColumnWithItsCells)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColMoving });
    Grid->SetCells(1, 5, "one");
    Grid->SetCells(3, 5, "three");
    Grid->SetColWidths(1, 40);
    std::vector<std::pair<int32_t, int32_t>> moves;
    Grid->OnColumnMoved = [&](TComponent*, int32_t from, int32_t to) { moves.emplace_back(from, to); };
    Mouse(QEvent::MouseButtonPress, 80, 10);
    EXPECT_EQ(Grid->GridState(), gsColMoving);
    Mouse(QEvent::MouseMove, 200, 10);
    Mouse(QEvent::MouseButtonRelease, 200, 10, Qt::NoButton);
    EXPECT_EQ(moves, (std::vector<std::pair<int32_t, int32_t>> { { 1, 3 } }));
    EXPECT_EQ(Grid->Cells(3, 5), "one");
    EXPECT_EQ(Grid->Cells(2, 5), "three");
    EXPECT_EQ(Grid->ColWidths(3), 40) << "the width goes with the column";
}

TEST_F(GridTest, RowMovesTakeTextsAndHeightsAlong)
{
    Grid->SetCells(2, 1, "first");
    Grid->SetCells(2, 4, "fourth");
    Grid->SetRowHeights(1, 30);
    std::vector<std::pair<int32_t, int32_t>> moves;
    Grid->OnRowMoved = [&](TComponent*, int32_t from, int32_t to) { moves.emplace_back(from, to); };
    Grid->SetOptions(Grid->Options() + TGridOptions { goRowMoving });
    Mouse(QEvent::MouseButtonPress, 10, 30);
    Mouse(QEvent::MouseMove, 10, 110);
    Mouse(QEvent::MouseButtonRelease, 10, 110, Qt::NoButton);
    ASSERT_EQ(moves.size(), 1U);
    const int32_t to = moves.front().second;
    EXPECT_EQ(Grid->Cells(2, to), "first");
    EXPECT_EQ(Grid->RowHeights(to), 30);
    EXPECT_EQ(Grid->Cells(2, 3), "fourth");
}

TEST_F(GridTest, WheelMovesTheCurrentRowPerWholeNotch)
{
    struct Step {
        const char* name;
        int32_t delta;
        int32_t times;
        int32_t row;
    };
    const Step steps[] = {
        { "one notch down", -120, 1, 2 },
        { "seven eighths of a notch", -15, 7, 2 },
        { "the eighth completes it", -15, 1, 3 },
        { "two notches in one event", -240, 1, 5 },
        { "half a notch up", 60, 1, 5 },
        { "the other half", 60, 1, 4 },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        for (int32_t i = 0; i < step.times; ++i) {
            QWheelEvent wheel(QPointF(70, 30), Grid->Widget()->mapToGlobal(QPointF(70, 30)), QPoint(), QPoint(0, step.delta),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Grid->Widget(), &wheel);
        }
        EXPECT_EQ(Grid->Row(), step.row);
    }
}

namespace {

// A control on the form that takes Enter as a dialog key, as a default
// button does.
class TDefaultKeyTaker : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int32_t Enters = 0;

protected:
    void CMDialogKey(TMessage& message) override
    {
        if (message.WParam == VK_RETURN) {
            ++Enters;
            message.Result = 1;
            return;
        }
        TCustomControl::CMDialogKey(message);
    }
};

} // namespace

TEST_F(GridTest, EnterAndTabGoToTheGridOrOnToTheForm)
{
    auto* taker = new TDefaultKeyTaker(Form.get());
    taker->SetParent(Form.get());
    taker->SetTabStop(true);
    taker->SetBounds(0, 260, 50, 20);
    struct Case {
        const char* name;
        TGridOptions options;
        Qt::Key key;
        const char* text;
        int32_t enters;
        bool editorMode;
        bool gridKeepsFocus;
        int32_t col;
    };
    const Case cases[] = {
        { "enter against a default button opens the editor", { goEditing }, Qt::Key_Return, "\r", 0, true, true, 1 },
        { "enter of a grid that does not edit goes to the button", {}, Qt::Key_Return, "\r", 1, false, true, 1 },
        { "tab walks the cells with goTabs", { goTabs }, Qt::Key_Tab, "\t", 0, false, true, 2 },
        { "tab leaves a row-select grid", { goTabs, goRowSelect }, Qt::Key_Tab, "\t", 0, false, false, 1 },
    };
    const TGridOptions baseOptions = Grid->Options();
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(baseOptions);
        Grid->MoveColRow(1, 1, true, true);
        Grid->SetFocus();
        taker->Enters = 0;
        Grid->SetOptions(baseOptions + entry.options);
        Press(entry.key, Qt::NoModifier, QString::fromLatin1(entry.text));
        EXPECT_EQ(taker->Enters, entry.enters);
        EXPECT_EQ(Grid->EditorMode(), entry.editorMode);
        EXPECT_EQ(Grid->Focused() || (Grid->InplaceEditor() && Grid->InplaceEditor()->Focused()), entry.gridKeepsFocus);
        EXPECT_EQ(Grid->Col(), entry.col);
        Grid->SetEditorMode(false);
    }
}

TEST_F(GridTest, CountChangesKeepTheCurrentCellInsideTheGrid)
{
    struct Case {
        const char* name;
        TGridCoord start;
        int32_t startTop;
        std::function<void(TTestGrid&)> change;
        TGridCoord fixed;
        TGridCoord current;
        TGridRect selection;
        TGridCoord topLeft;
        int32_t topLeftChanges;
    };
    const Case cases[] = {
        { "a row count of one leaves a header-only grid", { 3, 50 }, 42, [](TTestGrid& g) { g.SetRowCount(1); }, { 1, 0 }, { 3, 0 },
            Cells(3, 0, 3, 0), { 1, 0 }, 1 },
        { "a column count of one", { 3, 5 }, 1, [](TTestGrid& g) { g.SetColCount(1); }, { 0, 1 }, { 0, 5 }, Cells(0, 5, 0, 5),
            { 0, 1 }, 1 },
        { "cutting rows below the top row scrolls back and says so", { 3, 50 }, 42, [](TTestGrid& g) { g.SetRowCount(20); },
            { 1, 1 }, { 3, 19 }, Cells(3, 19, 3, 19), { 1, 11 }, 1 },
        { "more fixed rows start over at the first scrolling cell", { 3, 50 }, 42, [](TTestGrid& g) { g.SetFixedRows(2); },
            { 1, 2 }, { 1, 2 }, Cells(1, 2, 1, 2), { 1, 2 }, 1 },
        { "fewer fixed columns start over too", { 3, 5 }, 1, [](TTestGrid& g) { g.SetFixedCols(0); }, { 0, 1 }, { 0, 1 },
            Cells(0, 1, 0, 1), { 0, 1 }, 1 },
        { "the current column moves with its column", { 2, 3 }, 1, [](TTestGrid& g) { g.MoveColumn(2, 5); }, { 1, 1 }, { 5, 3 },
            Cells(5, 3, 5, 3), { 1, 1 }, 0 },
        { "a column moved across the current one shifts it", { 4, 3 }, 1, [](TTestGrid& g) { g.MoveColumn(2, 5); }, { 1, 1 },
            { 3, 3 }, Cells(3, 3, 3, 3), { 1, 1 }, 0 },
        { "the current row moves with its row", { 1, 5 }, 1, [](TTestGrid& g) { g.MoveRow(5, 2); }, { 1, 1 }, { 1, 2 },
            Cells(1, 2, 1, 2), { 1, 1 }, 0 },
        { "deleting a row above the current one", { 1, 5 }, 1, [](TTestGrid& g) { g.DeleteRow(2); }, { 1, 1 }, { 1, 4 },
            Cells(1, 4, 1, 4), { 1, 1 }, 0 },
        { "deleting the current column leaves the next one current", { 3, 1 }, 1, [](TTestGrid& g) { g.DeleteColumn(3); },
            { 1, 1 }, { 3, 1 }, Cells(3, 1, 3, 1), { 1, 1 }, 0 },
    };
    int32_t topLeftChanges = 0;
    Grid->OnTopLeftChanged = [&](TComponent*) { ++topLeftChanges; };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetColCount(10);
        Grid->SetRowCount(100);
        Grid->SetFixedCols(1);
        Grid->SetFixedRows(1);
        Grid->MoveColRow(entry.start.X, entry.start.Y, true, false);
        Grid->SetTopRow(entry.startTop);
        Grid->SetLeftCol(1);
        topLeftChanges = 0;
        entry.change(*Grid);
        EXPECT_EQ(TGridCoord({ Grid->FixedCols(), Grid->FixedRows() }), entry.fixed);
        EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), entry.current);
        EXPECT_EQ(Grid->Selection(), entry.selection);
        EXPECT_EQ(TGridCoord({ Grid->LeftCol(), Grid->TopRow() }), entry.topLeft);
        EXPECT_EQ(topLeftChanges, entry.topLeftChanges);
    }
}

TEST_F(GridTest, AHeaderOnlyGridTakesCellMovesAndRefusesAllFixedRows)
{
    Grid->SetRowCount(1);
    ASSERT_EQ(Grid->FixedRows(), 0);
    Grid->SetCol(3);
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 3, 0 }));
    Press(Qt::Key_Down);
    Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 9, 0 }));
    EXPECT_THROW(Grid->SetFixedRows(1), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetFixedCols(10), EInvalidGridOperation);
}

TEST_F(GridTest, DeletingAColumnOrRowClosesUpTheCells)
{
    Grid->SetColCount(5);
    Grid->SetCells(2, 1, "two");
    Grid->SetCells(3, 1, "three");
    Grid->SetCells(5, 1, "kept past the count");
    Grid->SetCells(1, 3, "row three");
    Grid->DeleteColumn(2);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->Cells(2, 1), "three");
    EXPECT_EQ(Grid->Cells(4, 1), "kept past the count") << "cells past the count stay next to it";
    Grid->SetColCount(5);
    EXPECT_EQ(Grid->Cells(4, 1), "kept past the count");
    EXPECT_EQ(Grid->Cells(5, 1), "") << "the deleted column is gone, not parked past the count";

    Grid->DeleteRow(2);
    EXPECT_EQ(Grid->RowCount(), 99);
    EXPECT_EQ(Grid->Cells(1, 2), "row three");
    EXPECT_THROW(Grid->DeleteRow(99), EInvalidGridOperation);
}

TEST(GridAxis, PositionsWithSetSizesMatchAPlainSum)
{
    TGridAxis axis;
    axis.SetDefaultSize(10);
    axis.SetCount(50);
    axis.SetSize(3, 30);
    axis.SetSize(20, 0);
    axis.SetSize(49, 7);
    int64_t expected = 0;
    for (int32_t index = 0; index <= 50; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(axis.Offset(index), expected);
        if (index < 50) {
            EXPECT_EQ(axis.IndexAt(expected), index);
            expected += axis.Size(index) + axis.LineWidth();
        }
    }
    EXPECT_EQ(axis.IndexAt(expected), 50);
    axis.Move(3, 10);
    EXPECT_EQ(axis.Size(10), 30);
    EXPECT_EQ(axis.Size(3), 10);
    axis.SetDefaultSize(12);
    EXPECT_TRUE(axis.Uniform()) << "a new default size applies to every item";
}

namespace {

void Type(const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
}

class GridEditTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(0, 260, 100, 20);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->SetCells(1, 1, "abc");
        Grid->EditLog.clear();
    }

    bool EditorFocused() const
    {
        return Grid->InplaceEditor() && QApplication::focusWidget() == Grid->InplaceEditor()->Widget();
    }

    TEdit* Other = nullptr;
};

} // namespace

TEST_F(GridEditTest, F2ShowsTheCellTextAndEnterWritesItBack)
{
    Press(Qt::Key_F2);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_TRUE(EditorFocused()) << "the editor takes the focus on the offscreen platform too";
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "abc");
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1" }));
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(1, 1));

    Type("xy");
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "abcxy") << "F2 leaves nothing selected: typing appends";
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1", "set 1,1 abcx", "set 1,1 abcxy" })) << "each change is written";

    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1", "set 1,1 abcx", "set 1,1 abcxy" })) << "ending writes nothing more";
    EXPECT_EQ(Grid->Cells(1, 1), "abcxy");
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->ExitCount, 0) << "focus between the grid and its editor does not leave the grid";
}

TEST_F(GridEditTest, EnterOpensTheEditorAndUnchangedTextIsNotWritten)
{
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    ASSERT_TRUE(Grid->EditorMode());
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1" }));
}

TEST_F(GridEditTest, EscCancelsTheEdit)
{
    Press(Qt::Key_F2);
    Type("zz");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "abc");
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1", "set 1,1 abcz", "set 1,1 abczz", "set 1,1 abc" }))
        << "the cell follows the typing and gets its text back";
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridEditTest, ATypedCharacterStartsTheEditAndMovingCommitsIt)
{
    Press(Qt::Key_Q, Qt::NoModifier, "q");
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "q");
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1", "set 1,1 q" }));

    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "q");
    EXPECT_EQ(Grid->EditLog, (std::vector<std::string> { "get 1,1", "set 1,1 q" }));
}

TEST_F(GridEditTest, LeavingTheGridCommitsTheEdit)
{
    Press(Qt::Key_F2);
    Type("k");
    Other->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "abck");
    EXPECT_EQ(Grid->ExitCount, 1);
}

TEST_F(GridEditTest, OptionsDecideWhetherTheEditorShows)
{
    struct Case {
        const char* name;
        TGridOptions options;
        bool shows;
    };
    const TGridOptions base = Grid->Options() - TGridOptions { goEditing };
    const Case cases[] = {
        { "without goEditing", base, false },
        { "with goEditing", base + TGridOptions { goEditing }, true },
        { "row select never edits", base + TGridOptions { goEditing, goRowSelect }, false },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(entry.options);
        Grid->SetFocus();
        Press(Qt::Key_F2);
        EXPECT_EQ(Grid->EditorMode(), entry.shows);
        Grid->SetEditorMode(false);
        Press(Qt::Key_W, Qt::NoModifier, "w");
        EXPECT_EQ(Grid->EditorMode(), entry.shows);
        Grid->SetEditorMode(false);
    }
}

TEST_F(GridEditTest, AlwaysShowEditorFollowsTheCurrentCell)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goAlwaysShowEditor });
    ASSERT_TRUE(Grid->EditorMode());
    Press(Qt::Key_Down);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(1, 2));
}

TEST_F(GridEditTest, ClickingTheCurrentCellOpensTheEditorAndMasksComeFromTheGrid)
{
    Grid->OnGetEditMask = [](TComponent*, int32_t, int32_t, String& mask) { mask = "000;1;_"; };
    Click(70, 30);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->EditMask(), "000;1;_");
}

TEST_F(GridEditTest, WritingTheEditedCellReloadsTheEditor)
{
    Press(Qt::Key_F2);
    Grid->SetCells(1, 1, "new");
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "new");
    EXPECT_FALSE(Grid->InplaceEditor()->Modified());
}

TEST_F(GridTest, PaintingDrawsOnlyTheCellsShown)
{
    Grid->SetRowCount(100000);
    const auto drawnRows = [&] {
        std::set<int32_t> rows;
        for (const TGridCoord& cell : Grid->Drawn)
            rows.insert(cell.Y);
        return rows;
    };
    Grid->Drawn.clear();
    (void)Grid->Widget()->grab();
    EXPECT_EQ(Grid->Drawn.size(), 6U * 11U) << "6 columns (one partly) by the fixed row and 10 rows (one partly)";
    EXPECT_EQ(drawnRows(), (std::set<int32_t> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }));

    Grid->SetTopRow(50000);
    Grid->Drawn.clear();
    (void)Grid->Widget()->grab();
    EXPECT_EQ(Grid->Drawn.size(), 6U * 11U);
    EXPECT_EQ(*drawnRows().begin(), 0);
    EXPECT_EQ(*std::next(drawnRows().begin()), 50000);
    EXPECT_EQ(*drawnRows().rbegin(), 50009);
}

TEST_F(GridTest, DefaultDrawingShowsTextAndSelection)
{
    Grid->SetCells(2, 2, "W");
    Grid->MoveColRow(1, 3, true, true);
    Grid->MoveColRow(2, 3, false, true);
    const QImage image = Shot();
    EXPECT_EQ(ClientPixel(image, 70, 80), QColor(ToQColor(clHighlight))) << "the selected cell that is not current";
    EXPECT_EQ(ClientPixel(image, 129, 60), QColor(ToQColor(clSilver))) << "the line between data cells";
    EXPECT_EQ(ClientPixel(image, 64, 10), QColor(ToQColor(clBlack))) << "the line between fixed cells";
    bool textDrawn = false;
    for (int x = 130; x < 194 && !textDrawn; ++x)
        for (int y = 50; y < 74 && !textDrawn; ++y)
            textDrawn = ClientPixel(image, x, y) != QColor(ToQColor(clWindow));
    EXPECT_TRUE(textDrawn);
}

TEST_F(GridTest, ScrollBarsUseTheThumbScaleForLargeGrids)
{
    Grid->SetScrollBars(ssBoth);
    Grid->SetRowCount(100000);
    ASSERT_TRUE(Grid->ScrollBarVisible(SB_VERT));
    EXPECT_TRUE(Grid->ScrollBarVisible(SB_HORZ));
    EXPECT_LT(Grid->ClientWidth(), Grid->Width());
    const int32_t maxTop = Grid->MaxTopRow();
    EXPECT_EQ(maxTop, 100000 - Grid->VisibleRowCount());

    TScrollInfo info;
    ASSERT_TRUE(Grid->GetScrollInfo(SB_VERT, info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, GridThumbScale);
    EXPECT_EQ(info.nPos, 0);

    struct Case {
        const char* name;
        intptr_t code;
        int32_t thumb;
        int32_t topRow;
    };
    const int32_t page = Grid->VisibleRowCount() - 1;
    const Case cases[] = {
        { "thumb position", SB_THUMBPOSITION, 64, 1 + MulDiv(64, maxTop - 1, 127) },
        { "bottom", SB_BOTTOM, 0, maxTop },
        { "line up", SB_LINEUP, 0, maxTop - 1 },
        { "top", SB_TOP, 0, 1 },
        { "line down", SB_LINEDOWN, 0, 2 },
        { "page down: the page's last row becomes the top", SB_PAGEDOWN, 0, 2 + page },
        { "page up", SB_PAGEUP, 0, 2 },
        { "thumb track without goThumbTracking", SB_THUMBTRACK, 100, 2 },
        { "end scroll", SB_ENDSCROLL, 0, 2 },
        { "thumb 127 is the last top row", SB_THUMBPOSITION, 127, maxTop },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->Perform(WM_VSCROLL, MakeScrollWParam(entry.code, entry.thumb));
        EXPECT_EQ(Grid->TopRow(), entry.topRow);
        EXPECT_EQ(Grid->GetScrollPos(SB_VERT), MulDiv(entry.topRow - 1, 127, maxTop - 1));
    }
    info.fMask = SIF_TRACKPOS;
    Grid->GetScrollInfo(SB_VERT, info);
    EXPECT_EQ(info.nTrackPos, 100);

    Grid->SetOptions(Grid->Options() + TGridOptions { goThumbTracking });
    Grid->Perform(WM_VSCROLL, MakeScrollWParam(SB_THUMBTRACK, 32));
    EXPECT_EQ(Grid->TopRow(), 1 + MulDiv(32, maxTop - 1, 127));

    Grid->Perform(WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 127));
    EXPECT_EQ(Grid->LeftCol(), 10 - Grid->VisibleColCount());
}

TEST_F(GridTest, ScrollInfoWrittenByTheProgramIsKept)
{
    Grid->SetScrollBars(ssBoth);
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 200;
    info.nPage = 74;
    info.nPos = 150;
    EXPECT_EQ(Grid->SetScrollInfo(SB_VERT, info), 127) << "the position stops at nMax - nPage + 1";
    TScrollInfo read;
    Grid->GetScrollInfo(SB_VERT, read);
    EXPECT_EQ(read.nMax, 200);
    EXPECT_EQ(read.nPage, 74U);
    EXPECT_EQ(read.nPos, 127);
}

TEST_F(GridTest, SmallGridsShowNoScrollBars)
{
    Grid->SetScrollBars(ssBoth);
    Grid->SetRowCount(5);
    Grid->SetColCount(3);
    EXPECT_FALSE(Grid->ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(Grid->ScrollBarVisible(SB_HORZ));
    EXPECT_EQ(Grid->ClientWidth(), Grid->Width() - 4) << "only the frame takes room";
}

TEST_F(GridTest, CellsOutliveColumnCountButNotRowCount)
{
    Grid->SetCells(8, 3, "hidden");
    Grid->SetColCount(5);
    EXPECT_EQ(Grid->Cells(8, 3), "hidden");
    Grid->SetCells(7, 2, "written while out");
    Grid->SetColCount(10);
    EXPECT_EQ(Grid->Cells(8, 3), "hidden");
    EXPECT_EQ(Grid->Cells(7, 2), "written while out");

    Grid->SetCells(1, 50, "cut");
    Grid->SetRowCount(10);
    Grid->SetRowCount(100);
    EXPECT_EQ(Grid->Cells(1, 50), "") << "a row cut off does not come back";

    EXPECT_EQ(Grid->Cells(1, 1000), "");
    EXPECT_EQ(Grid->Cells(-1, 1), "");
    EXPECT_THROW(Grid->SetCells(1, 100, "x"), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetCells(-1, 1, "x"), EInvalidGridOperation);

    int marker = 0;
    Grid->SetObjects(2, 2, &marker);
    EXPECT_EQ(Grid->Objects(2, 2), &marker);
    EXPECT_EQ(Grid->Rows(2).Objects(2), &marker);
    EXPECT_EQ(Grid->Objects(3, 2), nullptr);
}

TEST_F(GridTest, RowsAndColsAreStringListViews)
{
    Grid->SetCells(3, 3, "old");
    TStringList list;
    list.Add("a");
    list.Add("");
    list.Add("c");
    Grid->Rows(3).Assign(list);
    EXPECT_EQ(Grid->Cells(0, 3), "a");
    EXPECT_EQ(Grid->Cells(1, 3), "");
    EXPECT_EQ(Grid->Cells(2, 3), "c");
    EXPECT_EQ(Grid->Cells(3, 3), "") << "cells past the source are emptied";
    EXPECT_EQ(Grid->Cols(2).Strings(3), "c");
    EXPECT_EQ(Grid->Rows(3).Count(), 10);
    EXPECT_EQ(Grid->Cols(2).Count(), 100);

    EXPECT_EQ(Grid->Rows(3).Add("b"), 1) << "Add fills the first empty cell";
    EXPECT_THROW(Grid->Rows(3).Insert(0, "x"), EListError);

    TStringList copy;
    copy.Assign(Grid->Rows(3));
    EXPECT_EQ(copy.Count(), 10);
    EXPECT_EQ(copy.Strings(1), "b");
}

TEST_F(GridTest, LargeGridsStoreAndScrollCheaply)
{
    Grid->SetRowCount(100000);
    for (int32_t row = 0; row < 100000; ++row)
        Grid->SetCells(row % 10, row, QString::number(row));
    Grid->SetRowHeights(70000, 40);
    Grid->SetRow(99999);
    EXPECT_EQ(Grid->TopRow(), Grid->MaxTopRow());
    EXPECT_EQ(Grid->Cells(9, 99999), "99999");
    EXPECT_EQ(Grid->CellRect(1, 99999).Bottom, Grid->ClientHeight() - 2) << "the last row ends at the client bottom";
}

TEST_F(GridEditTest, TheEditFollowsItsCellWhenColumnsMoveOrRowsAreCut)
{
    Press(Qt::Key_F2);
    Type("zz");
    Grid->MoveColumn(1, 3);
    ASSERT_TRUE(Grid->EditorMode()) << "moving columns does not end the edit";
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(3, 1));
    Type("!");
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(Grid->Cells(3, 1), "abczz!");
    EXPECT_EQ(Grid->Cells(1, 1), "");

    Grid->MoveColRow(2, 50, true, true);
    Press(Qt::Key_F2);
    Type("cut");
    Grid->SetRowCount(20);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->EditLog.back(), "set 2,50 cut") << "the text went to its own cell, not to a row that stays";
    EXPECT_EQ(Grid->Cells(2, 19), "");
}

TEST_F(GridTest, SetSelectionPutsTheAnchorTopLeftAndHidesASelectionPastTheGrid)
{
    Grid->SetSelection(Cells(2, 3, 5, 7));
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 5, 7 }));
    Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), Cells(2, 3, 5, 6)) << "the anchor stayed top-left";

    Grid->SetSelection(Cells(10, 100, 10, 100));
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 10, 100 })) << "parked past the last cell";
    Grid->SetColWidths(1, 30);
    Grid->Repaint();
    EXPECT_EQ(Grid->Row(), 100) << "a size change leaves the hidden selection hidden";
    Press(Qt::Key_Up);
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 9, 99 })) << "a key brings the cell back into the grid";
}

TEST_F(GridTest, PressAndDragMoveTheCellOrStretchTheSelection)
{
    struct Case {
        const char* name;
        TGridOptions extraOptions;
        TGridOptions removedOptions;
        Qt::KeyboardModifiers modifiers;
        TPoint press;
        TPoint release;
        TGridCoord current;
        TGridRect selection;
        int32_t selectCalls;
        int32_t clicks;
    };
    const TPoint cell23 { 135, 80 };
    const TPoint cell45 { 265, 130 };
    const Case cases[] = {
        { "a range drag keeps the pressed cell current", {}, {}, Qt::NoModifier, cell23, cell45, { 2, 3 }, Cells(2, 3, 4, 5), 1, 1 },
        { "without range select the drag moves the cell", {}, { goRangeSelect }, Qt::NoModifier, cell23, cell45, { 4, 5 },
            Cells(4, 5, 4, 5), 2, 1 },
        { "an editable grid starts no drag", { goEditing }, {}, Qt::NoModifier, cell23, cell45, { 2, 3 }, Cells(2, 3, 2, 3), 1, 1 },
        { "shift press stretches from the current cell", {}, {}, Qt::ShiftModifier, cell23, cell23, { 1, 1 }, Cells(1, 1, 2, 3), 0, 1 },
        { "a press on a fixed cell moves nothing and clicks not", {}, {}, Qt::NoModifier, { 10, 80 }, cell45, { 1, 1 },
            Cells(1, 1, 1, 1), 0, 0 },
        // Past the edge the move takes in row 11, which scrolls; the release
        // out there takes in the next row below the ones then shown.
        { "a drag let go below the grid ends past the last row shown", {}, {}, Qt::NoModifier, cell23, { 135, 260 }, { 2, 3 },
            Cells(2, 3, 2, 13), 1, 1 },
        { "a row-select grid keeps the first scrolling column current", { goRowSelect }, {}, Qt::NoModifier, cell45, cell45, { 1, 5 },
            Cells(1, 5, 9, 5), 1, 1 },
    };
    int32_t selectCalls = 0;
    int32_t clicks = 0;
    Grid->OnSelectCell = [&](TComponent*, int32_t, int32_t, bool&) { ++selectCalls; };
    Grid->OnClick = [&](TComponent*) { ++clicks; };
    const TGridOptions baseOptions = Grid->Options();
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(baseOptions);
        Grid->MoveColRow(1, 1, true, true);
        Grid->SetOptions(baseOptions + entry.extraOptions - entry.removedOptions);
        selectCalls = 0;
        clicks = 0;
        Mouse(QEvent::MouseButtonPress, entry.press.X, entry.press.Y, Qt::LeftButton, entry.modifiers);
        Mouse(QEvent::MouseMove, entry.release.X, entry.release.Y, Qt::LeftButton, entry.modifiers);
        EXPECT_EQ(clicks, entry.clicks && Grid->Options().Contains(goEditing) ? 1 : 0) << "only the press of an editable grid clicks";
        Mouse(QEvent::MouseButtonRelease, entry.release.X, entry.release.Y, Qt::NoButton, entry.modifiers);
        EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), entry.current);
        EXPECT_EQ(Grid->Selection(), entry.selection);
        EXPECT_EQ(selectCalls, entry.selectCalls);
        EXPECT_EQ(clicks, entry.clicks);
        EXPECT_EQ(Grid->GridState(), gsNormal);
        Grid->SetEditorMode(false);
    }
}

TEST_F(GridTest, AHeldDragOutsideTheCellsScrollsOnEachTimerTick)
{
    Mouse(QEvent::MouseButtonPress, 135, 80);
    Mouse(QEvent::MouseMove, 135, 260);
    ASSERT_EQ(Grid->Selection(), Cells(2, 3, 2, 11));
    ASSERT_EQ(Grid->TopRow(), 3);
    for (int32_t tick = 1; tick <= 2; ++tick) {
        SendMessage(Grid, WM_TIMER, TTestGrid::AutoScrollTimerId);
        EXPECT_EQ(Grid->Selection(), Cells(2, 3, 2, 11 + 2 * tick)) << "each tick takes in the row past the edge";
    }
    Mouse(QEvent::MouseMove, 135, 100);
    EXPECT_FALSE(KillTimer(Grid, TTestGrid::AutoScrollTimerId)) << "back over the cells the timer stops";
    Mouse(QEvent::MouseMove, 135, 5);
    const TGridRect upwards = Grid->Selection();
    SendMessage(Grid, WM_TIMER, TTestGrid::AutoScrollTimerId);
    EXPECT_EQ(Grid->Selection().Bottom, upwards.Bottom - 1) << "over the fixed row it scrolls up";
    Mouse(QEvent::MouseButtonRelease, 135, 100, Qt::NoButton);
    EXPECT_FALSE(KillTimer(Grid, TTestGrid::AutoScrollTimerId)) << "the release stops the timer";
    const TGridRect released = Grid->Selection();
    SendMessage(Grid, WM_TIMER, TTestGrid::AutoScrollTimerId);
    EXPECT_EQ(Grid->Selection(), released);
}

TEST_F(GridTest, SizingDrawsALineAndADescendantMayRefuseIt)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
    // Inside row 2 of the blank column 2, clear of the current cell and of
    // the grid lines: a pixel differs from its neighbour 5 pixels right.
    const auto lineShown = [this](int32_t x) {
        const QImage image = Shot();
        for (int32_t y = 52; y < 72; ++y)
            if (ClientPixel(image, x, y) != ClientPixel(image, x + 5, y))
                return true;
        return false;
    };
    Mouse(QEvent::MouseButtonPress, 129, 10);
    Mouse(QEvent::MouseMove, 170, 10);
    EXPECT_TRUE(lineShown(170)) << "the line stands where the border will go";
    Mouse(QEvent::MouseMove, 150, 10);
    EXPECT_FALSE(lineShown(170)) << "moving on takes the line away from where it was";
    EXPECT_TRUE(lineShown(150));
    Mouse(QEvent::MouseButtonRelease, 150, 10, Qt::NoButton);
    EXPECT_EQ(Grid->ColWidths(1), 85);
    EXPECT_FALSE(lineShown(170)) << "no line once the size is set";

    Grid->VetoSizing = true;
    Mouse(QEvent::MouseMove, 150, 10, Qt::NoButton);
    EXPECT_EQ(Grid->Cursor(), crDefault);
    Mouse(QEvent::MouseButtonPress, 150, 10);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    Mouse(QEvent::MouseMove, 200, 10);
    Mouse(QEvent::MouseButtonRelease, 200, 10, Qt::NoButton);
    EXPECT_EQ(Grid->ColWidths(1), 85);
}

TEST_F(GridTest, CurrentCellAndSelectionFollowCountsAndOptions)
{
    struct Case {
        const char* name;
        std::function<void(TTestGrid&)> act;
        TGridCoord current;
        TGridRect selection;
    };
    const Case cases[] = {
        { "a fixed column may be made current", [](TTestGrid& grid) { grid.SetCol(0); }, { 0, 2 }, Cells(0, 2, 0, 2) },
        { "a fixed row may be made current", [](TTestGrid& grid) { grid.SetRow(0); }, { 2, 0 }, Cells(2, 0, 2, 0) },
        { "a row-select grid keeps the first scrolling column", [](TTestGrid& grid) {
             grid.SetOptions(grid.Options() + TGridOptions { goRowSelect });
             grid.SetCol(4);
         },
            { 1, 2 }, Cells(1, 2, 9, 2) },
        { "switching row select on moves the cell to the first scrolling column",
            [](TTestGrid& grid) { grid.SetOptions(grid.Options() + TGridOptions { goRowSelect }); }, { 1, 2 }, Cells(1, 2, 9, 2) },
        { "a row-select selection set by code keeps the first column current", [](TTestGrid& grid) {
             grid.SetOptions(grid.Options() + TGridOptions { goRowSelect });
             grid.SetSelection(Cells(3, 4, 6, 8));
         },
            { 1, 8 }, Cells(1, 4, 9, 8) },
        { "a hidden selection stays hidden when rows are added", [](TTestGrid& grid) {
             grid.SetSelection(Cells(10, 100, 10, 100));
             grid.SetRowCount(150);
         },
            { 10, 150 }, Cells(10, 150, 10, 150) },
        { "a hidden selection stays hidden when columns are added", [](TTestGrid& grid) {
             grid.SetSelection(Cells(10, 100, 10, 100));
             grid.SetColCount(12);
         },
            { 12, 100 }, Cells(12, 100, 12, 100) },
        { "a hidden selection stays hidden when rows are cut", [](TTestGrid& grid) {
             grid.SetSelection(Cells(10, 100, 10, 100));
             grid.SetRowCount(50);
         },
            { 10, 50 }, Cells(10, 50, 10, 50) },
        { "a hidden row-select selection highlights no row", [](TTestGrid& grid) {
             grid.SetOptions(grid.Options() + TGridOptions { goRowSelect });
             grid.SetSelection(Cells(10, 100, 10, 100));
         },
            { 10, 100 }, Cells(10, 100, 10, 100) },
    };
    EXPECT_THROW(Grid->SetCol(10), EInvalidGridOperation) << "past the last column";
    EXPECT_THROW(Grid->SetRow(-1), EInvalidGridOperation);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(Grid->Options() - TGridOptions { goRowSelect });
        Grid->SetColCount(10);
        Grid->SetRowCount(100);
        Grid->MoveColRow(2, 2, true, true);
        entry.act(*Grid);
        EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), entry.current);
        EXPECT_EQ(Grid->Selection(), entry.selection);
    }
    Grid->SetOptions(Grid->Options() + TGridOptions { goEditing, goAlwaysShowEditor, goRowSelect });
    EXPECT_FALSE(Grid->Options().Contains(goAlwaysShowEditor)) << "a row-select grid never shows the editor";
}

TEST_F(GridTest, TheFocusedCellIsDrawnSelectedAndFocusedOnlyWhileTheGridHasTheFocus)
{
    struct Case {
        const char* name;
        TGridOptions extraOptions;
        bool focusElsewhere;
        TGridDrawState state;
        bool highlighted;
    };
    const Case cases[] = {
        { "focused: selected and focused, not highlighted", {}, false, { gdSelected, gdFocused }, false },
        { "focused with goDrawFocusSelected: highlighted", { goDrawFocusSelected }, false, { gdSelected, gdFocused }, true },
        { "without the focus: selected only, highlighted", {}, true, { gdSelected }, true },
    };
    auto* other = new TCustomControl(Form.get());
    other->SetParent(Form.get());
    other->SetTabStop(true);
    other->SetBounds(340, 0, 40, 40);
    const TGridOptions baseOptions = Grid->Options();
    Grid->MoveColRow(2, 3, true, true);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetOptions(baseOptions + entry.extraOptions);
        if (entry.focusElsewhere)
            other->SetFocus();
        else
            Grid->SetFocus();
        QApplication::processEvents();
        const QImage image = Shot();
        EXPECT_EQ((Grid->DrawnStates[{ 2, 3 }]), entry.state);
        EXPECT_EQ(ClientPixel(image, 140, 95) == QColor(ToQColor(clHighlight)), entry.highlighted);
    }
}

TEST_F(GridTest, TheSecondPressOfADoubleClickOnlyRaisesTheDoubleClick)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
    int32_t doubleClicks = 0;
    Grid->OnDblClick = [&](TComponent*) { ++doubleClicks; };
    Click(135, 80);
    Mouse(QEvent::MouseButtonDblClick, 135, 80);
    Mouse(QEvent::MouseButtonRelease, 135, 80, Qt::NoButton);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_FALSE(Grid->EditorMode()) << "a press on the current cell would have opened the editor";
    EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), TGridCoord({ 2, 3 }));
}

// A grid that hears every repaint request, as a descendant holding one
// back must.
class TCountingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    int32_t Requests = 0;
    void Invalidate() override
    {
        ++Requests;
        TStringGrid::Invalidate();
    }
};

TEST(GridInvalidate, EveryRepaintTheGridAsksForReachesTheOverride)
{
    TForm form(nullptr);
    auto* grid = new TCountingGrid(&form);
    grid->SetParent(&form);
    const std::vector<std::pair<const char*, std::function<void()>>> requests {
        { "InvalidateGrid", [&] { grid->InvalidateGrid(); } },
        { "FixedColor", [&] { grid->SetFixedColor(clRed); } },
        { "Options", [&] { grid->SetOptions(grid->Options() + TGridOptions { goRowSelect }); } },
        { "Color", [&] { grid->SetColor(clYellow); } },
        { "a count cutting the current cell", [&] { grid->SetRowCount(2); } },
    };
    for (const auto& [name, request] : requests) {
        grid->Requests = 0;
        request();
        EXPECT_GE(grid->Requests, 1) << name;
    }
}

TEST(GridFrame, TheClientAreaLiesInsideTheFrameOfEachBorderStyle)
{
    struct Case {
        const char* name;
        TBorderStyle borderStyle;
        bool ctl3D;
        int32_t frame;
        // The window's corner pixel and the one diagonally inside it.
        TColor outer;
        TColor inner;
    };
    const Case cases[] = {
        { "single, 3-D: a sunken edge", bsSingle, true, 2, clBtnShadow, cl3DDkShadow },
        { "single, flat: one line", bsSingle, false, 1, clWindowFrame, clBtnFace },
        { "none", bsNone, true, 0, clBtnFace, clBtnFace },
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* grid = new TTestGrid(&form);
    grid->SetParent(&form);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(10);
    grid->SetRowCount(100);
    grid->SetBounds(0, 0, 335, 255);
    grid->SetOptions(grid->Options() + TGridOptions { goEditing });
    form.Show();
    QApplication::processEvents();
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        // Set on a shown grid, so the frame is asked for again.
        grid->SetBorderStyle(entry.borderStyle);
        grid->SetCtl3D(entry.ctl3D);
        EXPECT_EQ(grid->ClientWidth(), 335 - 2 * entry.frame);
        EXPECT_EQ(grid->ClientHeight(), 255 - 2 * entry.frame);
        EXPECT_EQ(grid->CellRect(1, 1), Rect(65, 25, 129, 49)) << "cells are placed in client pixels";
        const QPoint origin = grid->Widget()->mapToGlobal(QPoint(entry.frame, entry.frame));
        EXPECT_EQ(grid->ClientToScreen({ 0, 0 }), TPoint({ origin.x(), origin.y() }));

        const QImage image = grid->Widget()->grab().toImage();
        EXPECT_EQ(image.pixelColor(0, 0), QColor(ToQColor(entry.outer)));
        EXPECT_EQ(image.pixelColor(1, 1), QColor(ToQColor(entry.inner)));
        EXPECT_EQ(image.pixelColor(entry.frame + 64, entry.frame + 10), QColor(ToQColor(clBlack))) << "the line after fixed column 0";
        EXPECT_EQ(image.pixelColor(entry.frame + 129, entry.frame + 30), QColor(ToQColor(clSilver))) << "the line after column 1";

        grid->MoveColRow(1, 1, true, true);
        grid->SetEditorMode(true);
        ASSERT_NE(grid->InplaceEditor(), nullptr);
        const TRect editor = grid->InplaceEditor()->BoundsRect();
        const QPoint editorOrigin = grid->InplaceEditor()->Widget()->mapTo(grid->Widget(), QPoint(0, 0));
        EXPECT_EQ(editorOrigin, QPoint(entry.frame + editor.Left, entry.frame + editor.Top)) << "the editor moves in with the cells";
        grid->SetEditorMode(false);
    }
}

TEST_F(GridTest, APressOnTheFrameHitsNoCell)
{
    // Window points on the 2-pixel frame of the 335 x 255 grid; without the
    // frame the right and bottom ones would lie on partly shown cells.
    const QPoint framePoints[] = { { 0, 100 }, { 100, 1 }, { 334, 100 }, { 100, 254 }, { 333, 253 } };
    Grid->MoveColRow(2, 3, true, true);
    int32_t presses = 0;
    int32_t clicks = 0;
    Grid->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int32_t, int32_t) { ++presses; };
    Grid->OnClick = [&](TComponent*) { ++clicks; };
    const auto send = [this](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(local), Grid->Widget()->mapToGlobal(QPointF(local)), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &event);
    };
    for (const QPoint& point : framePoints) {
        SCOPED_TRACE(std::to_string(point.x()) + "," + std::to_string(point.y()));
        send(QEvent::MouseButtonPress, point, Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(150, 100), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, QPoint(150, 100), Qt::NoButton);
        EXPECT_EQ(presses, 0);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(Grid->Selection(), (TGridRect { 2, 3, 2, 3 })) << "neither the press nor the drag after it selects";
    }
    Click(135, 80);
    EXPECT_EQ(presses, 1) << "a press inside the frame is the client's";
    EXPECT_EQ(Grid->Selection(), (TGridRect { 2, 3, 2, 3 }));
}

TEST_F(GridTest, BarsAreShownHiddenEnabledAndDisabledEachOnItsOwn)
{
    Grid->SetScrollBars(ssBoth);
    const int32_t extent = Grid->Widget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const auto barWidget = [this](Qt::Orientation orientation) -> QScrollBar* {
        for (QScrollBar* bar : Grid->Widget()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
            if (bar->orientation() == orientation)
                return bar;
        return nullptr;
    };
    QScrollBar* horz = barWidget(Qt::Horizontal);
    QScrollBar* vert = barWidget(Qt::Vertical);
    ASSERT_TRUE(horz && vert);
    struct Step {
        const char* name;
        std::function<void()> action;
        bool horzShown;
        bool vertShown;
        bool horzEnabled;
        bool vertEnabled;
    };
    const Step steps[] = {
        { "both needed", [] {}, true, true, true, true },
        { "the horizontal one hidden", [&] { EXPECT_TRUE(Grid->ShowScrollBar(SB_HORZ, false)); }, false, true, true, true },
        { "the vertical one greyed", [&] { EXPECT_TRUE(Grid->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH)); }, false, true, true, false },
        { "both hidden", [&] { Grid->ShowScrollBar(SB_BOTH, false); }, false, false, true, false },
        { "the vertical one back, still greyed", [&] { Grid->ShowScrollBar(SB_VERT, true); }, false, true, true, false },
        { "a grid that fits decides again and hides it; the grey stays",
            [&] {
                Grid->SetRowCount(5);
                Grid->SetColCount(3);
            },
            false, false, true, false },
        { "bars shown over content that fits", [&] { Grid->ShowScrollBar(SB_BOTH, true); }, true, true, true, false },
        { "both enabled", [&] { Grid->EnableScrollBar(SB_BOTH, ESB_ENABLE_BOTH); }, true, true, true, true },
        { "a bar that does not exist", [&] { EXPECT_FALSE(Grid->ShowScrollBar(7, false)); }, true, true, true, true },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        QApplication::processEvents();
        EXPECT_EQ(Grid->ScrollBarVisible(SB_HORZ), step.horzShown);
        EXPECT_EQ(Grid->ScrollBarVisible(SB_VERT), step.vertShown);
        EXPECT_EQ(horz->isVisible(), step.horzShown);
        EXPECT_EQ(vert->isVisible(), step.vertShown);
        EXPECT_EQ(horz->isEnabled(), step.horzEnabled);
        EXPECT_EQ(vert->isEnabled(), step.vertEnabled);
        const int32_t clientWidth = 331 - (step.vertShown ? extent : 0);
        const int32_t clientHeight = 251 - (step.horzShown ? extent : 0);
        EXPECT_EQ(Grid->ClientWidth(), clientWidth);
        EXPECT_EQ(Grid->ClientHeight(), clientHeight);
        if (step.vertShown) {
            EXPECT_EQ(vert->geometry(), QRect(2 + clientWidth, 2, extent, clientHeight)) << "inside the frame, right of the cells";
        }
        if (step.horzShown) {
            EXPECT_EQ(horz->geometry(), QRect(2, 2 + clientHeight, clientWidth, extent)) << "inside the frame, below the cells";
        }
    }
}

TEST(GridPermuteRowsTest, RowsTakeTheirTextsObjectsAndHeightsToTheirNewPlaces)
{
    TTestGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(6);
    int objects[6] = {};
    for (int32_t row = 0; row < 6; ++row) {
        grid.SetCells(0, row, QString::number(row));
        grid.SetObjects(1, row, &objects[row]);
        grid.SetRowHeights(row, 20 + row);
    }
    grid.PermuteRows(2, { 4, 2, 5, 3 });
    const int32_t expected[] = { 0, 1, 4, 2, 5, 3 };
    for (int32_t row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(0, row), QString::number(expected[row]));
        EXPECT_EQ(grid.Objects(1, row), &objects[expected[row]]);
        EXPECT_EQ(grid.RowHeights(row), 20 + expected[row]);
    }
    EXPECT_THROW(grid.PermuteRows(4, { 4, 5, 6 }), EInvalidGridOperation);
}

// Flat bars take their own thickness, background and style while
// initialised, and give them back afterwards.
TEST_F(GridTest, FlatScrollBarsTakeTheirThicknessColourAndStyle)
{
    Grid->SetScrollBars(ssBoth);
    const int32_t systemWidth = Grid->ClientWidth();
    intptr_t value = 0;
    EXPECT_FALSE(Grid->FlatSB_SetScrollProp(WSB_PROP_CXVSCROLL, 10)) << "not flat yet";
    EXPECT_FALSE(Grid->FlatSB_GetScrollProp(WSB_PROP_VSTYLE, value));

    ASSERT_TRUE(Grid->InitializeFlatSB());
    ASSERT_TRUE(Grid->FlatSB_GetScrollProp(WSB_PROP_VSTYLE, value));
    EXPECT_EQ(value, FSB_REGULAR_MODE);
    const struct {
        const char* Name;
        uint32_t Index;
        intptr_t Value;
        bool Taken;
    } props[] = {
        { "vertical width", WSB_PROP_CXVSCROLL, 10, true },
        { "horizontal height", WSB_PROP_CYHSCROLL, 12, true },
        { "vertical colour", WSB_PROP_VBKGCOLOR, static_cast<intptr_t>(clRed), true },
        { "horizontal style", WSB_PROP_HSTYLE, FSB_ENCARTA_MODE, true },
        { "vertical style", WSB_PROP_VSTYLE, FSB_FLAT_MODE, true },
        { "an unknown style", WSB_PROP_VSTYLE, 7, false },
    };
    for (const auto& prop : props) {
        SCOPED_TRACE(prop.Name);
        EXPECT_EQ(Grid->FlatSB_SetScrollProp(prop.Index, prop.Value), prop.Taken);
        ASSERT_TRUE(Grid->FlatSB_GetScrollProp(prop.Index, value));
        if (prop.Taken) {
            EXPECT_EQ(value, prop.Value);
        }
    }
    EXPECT_EQ(Grid->ClientWidth(), 331 - 10);
    EXPECT_EQ(Grid->ClientHeight(), 251 - 12);

    // The vertical bar's track, below its small thumb, shows the colour.
    Grid->Repaint();
    const QImage shot = Shot();
    EXPECT_EQ(ClientPixel(shot, Grid->ClientWidth() + 5, Grid->ClientHeight() - 40), QColor(Qt::red));

    Grid->UninitializeFlatSB();
    EXPECT_FALSE(Grid->FlatSBInitialized());
    EXPECT_EQ(Grid->ClientWidth(), systemWidth);
    EXPECT_FALSE(Grid->FlatSB_ShowScrollBar(SB_VERT, false));
    EXPECT_TRUE(Grid->ScrollBarVisible(SB_VERT));
}

// A page makes the thumb as long as the page's share of the range.
TEST_F(GridTest, APageSizesTheThumb)
{
    Grid->SetScrollBars(ssBoth);
    const auto thumbLength = [&] {
        const QImage shot = Shot();
        int32_t dark = 0;
        const int32_t x = Grid->ClientWidth() + 8;
        for (int32_t y = 0; y < Grid->ClientHeight(); ++y)
            dark += ClientPixel(shot, x, y) != ClientPixel(shot, x, Grid->ClientHeight() - 20) ? 1 : 0;
        return dark;
    };
    Grid->InitializeFlatSB();
    Grid->FlatSB_SetScrollProp(WSB_PROP_VSTYLE, FSB_FLAT_MODE);
    Grid->FlatSB_SetScrollProp(WSB_PROP_VBKGCOLOR, static_cast<intptr_t>(clWhite));
    const int32_t small = thumbLength();
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = 254;
    info.nPage = 128;
    Grid->SetScrollInfo(SB_VERT, info);
    EXPECT_GT(thumbLength(), small + 60) << "half the track, less the arrows";
}
