#include "grid/DudCGrid.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/SystemMetrics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

// The column grid with the state the pointer code keeps open to the test.
class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::FHoverFixedX;
    using TDudColumnGrid::FHoverFixedY;
    using TDudColumnGrid::FHoverRowIdx;
    using TDudColumnGrid::FGridBlink;
    using TDudColumnGrid::FTimerTicks;
    using TDudColumnGrid::SearchInc;
    using TDudColumnGrid::SearchTics;
    int32_t Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TDudColumnGrid::Paint();
    }
};

// Puts the wheel setting back whatever a test set.
class WheelLinesScope {
public:
    explicit WheelLinesScope(uint32_t lines) : FSaved(WheelScrollLines())
    {
        SystemParametersInfo(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    }
    ~WheelLinesScope() { SystemParametersInfo(SPI_SETWHEELSCROLLLINES, FSaved, nullptr, 0); }
    WheelLinesScope(const WheelLinesScope&) = delete;
    WheelLinesScope& operator=(const WheelLinesScope&) = delete;

private:
    uint32_t FSaved;
};

// A table editor's grid: a title row, a row-number column, four data
// columns and more rows than the page shows.
class GridMouseTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 420, 320);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(5);
        Grid->SetRowCount(40);
        Grid->SetBounds(0, 0, 400, 300);
        for (int32_t row = 1; row < Grid->RowCount(); ++row)
            for (int32_t col = 1; col < Grid->ColCount(); ++col)
                Grid->SetCells(col, row, QString("c%1r%2").arg(col).arg(row));
        Form->Show();
        QApplication::processEvents();
    }

    void Mouse(QEvent::Type type, TPoint point, Qt::MouseButton button = Qt::LeftButton,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        const QPointF local(point.X, point.Y);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local),
            type == QEvent::MouseMove ? Qt::NoButton : button, type == QEvent::MouseMove ? Qt::NoButton : held,
            modifiers);
        QApplication::sendEvent(Grid->Widget(), &event);
    }

    void Click(TPoint point, Qt::MouseButton button = Qt::LeftButton) const
    {
        Mouse(QEvent::MouseButtonPress, point, button);
        Mouse(QEvent::MouseButtonRelease, point, button);
    }

    void DoubleClick(TPoint point) const
    {
        Click(point);
        Mouse(QEvent::MouseButtonDblClick, point);
        Mouse(QEvent::MouseButtonRelease, point);
    }

    TPoint Center(int32_t aCol, int32_t aRow) const
    {
        const TRect rect = Grid->CellRect(aCol, aRow);
        return { (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2 };
    }

    String HintAt(TPoint point) const
    {
        THintInfo info;
        info.HintControl = Grid;
        info.CursorPos = point;
        info.HintStr = Grid->Hint();
        Grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
        return info.HintStr;
    }

    void Wheel(int32_t delta) const
    {
        Grid->Perform(CM_MOUSEWHEEL, delta, PointToLParam(Grid->ClientToScreen(Center(2, 2))));
    }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
};

std::string Cell(int32_t row, int32_t col) { return std::to_string(row) + "," + std::to_string(col); }

TEST_F(GridMouseTest, ClickCellGetsRowThenColumnAfterThePressMovedTheCell)
{
    struct Case {
        const char* name;
        TGridCoord cell;
        bool colSizing;
        std::vector<std::string> clicks;
        TGridCoord current;
    };
    const Case cases[] = {
        { "data cell", { 3, 5 }, false, { Cell(5, 3) }, { 3, 5 } },
        { "row-number column: the cell does not move there", { 0, 7 }, false, { Cell(7, 0) }, { 1, 1 } },
        { "title cell", { 2, 0 }, false, { Cell(0, 2) }, { 1, 1 } },
        { "title cell with sizing on", { 2, 0 }, true, { Cell(0, 2) }, { 1, 1 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->FocusCell(1, 1);
        Grid->SetOptions(entry.colSizing ? Grid->Options() + TGridOptions { goColSizing }
                                         : Grid->Options() - TGridOptions { goColSizing });
        std::vector<std::string> clicks;
        TGridCoord currentAtClick { -1, -1 };
        Grid->OnClickCell = [&](TDudStringGrid* sender, int32_t aRow, int32_t aCol) {
            clicks.push_back(Cell(aRow, aCol));
            currentAtClick = { sender->Col(), sender->Row() };
        };
        Click(Center(entry.cell.X, entry.cell.Y));
        EXPECT_EQ(clicks, entry.clicks);
        EXPECT_EQ(currentAtClick, entry.current);
        EXPECT_EQ((TGridCoord { Grid->Col(), Grid->Row() }), entry.current);
    }
}

TEST_F(GridMouseTest, APressOnAHeaderBorderSizesInsteadOfClicking)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
    int32_t clicks = 0;
    Grid->OnClickCell = [&](TDudStringGrid*, int32_t, int32_t) { ++clicks; };
    const TRect header = Grid->CellRect(2, 0);
    Click({ header.Right - 1, (header.Top + header.Bottom) / 2 });
    EXPECT_EQ(clicks, 0);
}

TEST_F(GridMouseTest, ARefusedClickChangesNothing)
{
    Grid->FocusCell(1, 1);
    std::vector<std::string> clicks;
    Grid->OnCanClickCell = [](TDudStringGrid*, int32_t aRow, int32_t, bool& allow) { allow = aRow != 4; };
    Grid->OnClickCell = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) { clicks.push_back(Cell(aRow, aCol)); };
    Click(Center(2, 4));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(Grid->Selection(), (TGridRect { 1, 1, 1, 1 }));
    Click(Center(2, 5));
    EXPECT_EQ(clicks, (std::vector<std::string> { Cell(5, 2) }));
}

TEST_F(GridMouseTest, SelectRowsFromClickCellSelectsExactlyThatRow)
{
    Grid->OnClickCell = [](TDudStringGrid* sender, int32_t aRow, int32_t) { sender->SelectRows(aRow, 1); };
    struct Case {
        const char* name;
        TGridCoord cell;
    };
    const Case cases[] = {
        { "row-number column", { 0, 6 } },
        { "data cell", { 3, 4 } },
        { "data cell left of the current one", { 1, 8 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Click(Center(entry.cell.X, entry.cell.Y));
        EXPECT_EQ(Grid->Selection(), (TGridRect { 1, entry.cell.Y, 4, entry.cell.Y }));
    }
}

TEST_F(GridMouseTest, DoubleClickCellGetsRowThenColumnAndTheTitleRowCounts)
{
    struct Case {
        const char* name;
        TGridCoord cell;
    };
    const Case cases[] = {
        { "data cell", { 3, 5 } },
        { "title cell", { 2, 0 } },
        { "row-number cell", { 0, 3 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        std::vector<std::string> cells;
        Grid->OnDblClickCell = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) { cells.push_back(Cell(aRow, aCol)); };
        DoubleClick(Center(entry.cell.X, entry.cell.Y));
        EXPECT_EQ(cells, (std::vector<std::string> { Cell(entry.cell.Y, entry.cell.X) }));
    }
}

TEST_F(GridMouseTest, DoubleClickOnATitleBorderFitsTheColumnToItsText)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
    Grid->SetCells(2, 9, "a much longer text than the column shows");
    Grid->SetCells(1, 9, "another rather long text in column one");
    const int32_t before2 = Grid->ColWidths(2);
    const int32_t before1 = Grid->ColWidths(1);
    Grid->AutoSizeCol(2, 0);
    Grid->AutoSizeCol(1, 0);
    const int32_t fitted2 = Grid->ColWidths(2);
    const int32_t fitted1 = Grid->ColWidths(1);
    ASSERT_GT(fitted2, before2);
    ASSERT_GT(fitted1, before1);

    struct Case {
        const char* name;
        int32_t side;
        bool allow;
        int32_t width1;
        int32_t width2;
    };
    const Case cases[] = {
        { "right border fits its own column", +1, true, before1, fitted2 },
        { "left border fits the column before", -1, true, fitted1, before2 },
        { "a refused size leaves the width", +1, false, before1, before2 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetColWidths(1, before1);
        Grid->SetColWidths(2, before2);
        std::vector<int32_t> ended;
        int32_t dblClickCells = 0;
        Grid->OnColumnSize = [&](TDudStringGrid*, int32_t, bool& allow) { allow = entry.allow; };
        Grid->OnEndColumnSize = [&](TDudStringGrid*, int32_t aCol) { ended.push_back(aCol); };
        Grid->OnDblClickCell = [&](TDudStringGrid*, int32_t, int32_t) { ++dblClickCells; };
        const TRect header = Grid->CellRect(2, 0);
        const int32_t x = entry.side > 0 ? header.Right - 1 : header.Left + 1;
        DoubleClick({ x, (header.Top + header.Bottom) / 2 });
        EXPECT_EQ(Grid->ColWidths(1), entry.width1);
        EXPECT_EQ(Grid->ColWidths(2), entry.width2);
        EXPECT_EQ(dblClickCells, 0);
        if (entry.allow)
            EXPECT_EQ(ended, (std::vector<int32_t> { entry.side > 0 ? 2 : 1 }));
        else
            EXPECT_TRUE(ended.empty());
    }
}

TEST_F(GridMouseTest, AClickTogglesADataCheckBoxOnlyInAnEditableColumn)
{
    Grid->Columns().Items(2)->SetEditor(edDataCheckBox);
    Grid->Columns().Items(3)->SetEditor(edDataCheckBox);
    Grid->Columns().Items(3)->SetReadOnly(true);
    Grid->SetCells(2, 4, "N");
    Grid->SetCells(3, 4, "N");
    struct Case {
        const char* name;
        int32_t col;
        const char* text;
        int32_t cellClicks;
        TGridCoord current;
    };
    const Case cases[] = {
        { "editable column: toggled, made current, no cell click", 2, "Y", 0, { 2, 4 } },
        { "clicked again: back", 2, "N", 0, { 2, 4 } },
        { "read-only column: a plain cell click", 3, "N", 1, { 3, 4 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->FocusCell(1, 1);
        int32_t cellClicks = 0;
        int32_t clicks = 0;
        Grid->OnClickCell = [&](TDudStringGrid*, int32_t, int32_t) { ++cellClicks; };
        Grid->OnClick = [&](TComponent*) { ++clicks; };
        Click(Center(entry.col, 4));
        EXPECT_EQ(Grid->Cells(entry.col, 4), entry.text);
        EXPECT_EQ(cellClicks, entry.cellClicks);
        EXPECT_GE(clicks, 1);
        EXPECT_EQ((TGridCoord { Grid->Col(), Grid->Row() }), entry.current);
    }
}

TEST_F(GridMouseTest, ADoubleClickOnACheckBoxIsNoCellDoubleClick)
{
    Grid->Columns().Items(2)->SetEditor(edDataCheckBox);
    Grid->SetCells(2, 4, "N");
    int32_t doubleClicks = 0;
    Grid->OnDblClickCell = [&](TDudStringGrid*, int32_t, int32_t) { ++doubleClicks; };
    DoubleClick(Center(2, 4));
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_EQ(Grid->Cells(2, 4), "Y") << "the first press toggles, the double click does not toggle again";
}

TEST_F(GridMouseTest, RightClickCellFiresAlsoOutsideTheCells)
{
    Grid->SetColCount(3);
    std::vector<std::string> cells;
    Grid->OnRightClickCell = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) { cells.push_back(Cell(aRow, aCol)); };
    Click(Center(2, 3), Qt::RightButton);
    const TRect last = Grid->CellRect(2, 1);
    Click({ last.Right + 20, last.Top + 2 }, Qt::RightButton);
    EXPECT_EQ(cells, (std::vector<std::string> { Cell(3, 2), Cell(1, -1) }));
}

TEST_F(GridMouseTest, RowSelectFromTheRowNumberColumnDragsOverRows)
{
    Grid->MouseActions().SetRowSelect(true);
    Mouse(QEvent::MouseMove, Center(0, 3), Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, Center(0, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect { 1, 3, 4, 3 }));
    const QPointF to(Center(0, 6).X, Center(0, 6).Y);
    QMouseEvent drag(QEvent::MouseMove, to, Grid->Widget()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid->Widget(), &drag);
    Mouse(QEvent::MouseButtonRelease, Center(0, 6));
    EXPECT_EQ(Grid->Selection(), (TGridRect { 1, 3, 4, 6 }));
}

TEST_F(GridMouseTest, HoverFollowsThePointerAndLeavingClearsIt)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverFixedCells(hfFixedRows);
    Mouse(QEvent::MouseMove, Center(2, 4), Qt::NoButton);
    EXPECT_EQ(Grid->FHoverRowIdx, 4);
    EXPECT_EQ(Grid->FHoverFixedX, -1);
    Mouse(QEvent::MouseMove, Center(3, 0), Qt::NoButton);
    EXPECT_EQ(Grid->FHoverFixedX, 3);
    EXPECT_EQ(Grid->FHoverFixedY, 0);
    Mouse(QEvent::MouseMove, Center(0, 5), Qt::NoButton);
    EXPECT_EQ(Grid->FHoverFixedX, -1) << "the row-number column does not hover with hfFixedRows";
    EXPECT_EQ(Grid->FHoverRowIdx, 5);
    Grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Grid->FHoverRowIdx, -1);
}

TEST_F(GridMouseTest, GridHintAnswersPerCellAndShowsWhatTheHandlerLeaves)
{
    Grid->SetHint("grid");
    Grid->SetCells(2, 6, "<b>bold</b> text");
    std::vector<std::string> asked;
    Grid->OnGridHint = [&](TDudStringGrid*, int32_t aRow, int32_t aCol, String& hint) {
        asked.push_back(Cell(aRow, aCol));
        if (aCol == 3)
            hint = QString("row %1").arg(aRow);
    };
    struct Case {
        const char* name;
        TGridCoord cell;
        bool showCells;
        const char* hint;
    };
    const Case cases[] = {
        { "handler sets the text", { 3, 5 }, false, "row 5" },
        { "title cell too", { 3, 0 }, false, "row 0" },
        { "handler leaves the grid's hint", { 2, 5 }, false, "grid" },
        { "cell text without its tags", { 2, 6 }, true, "bold text" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetHintShowCells(entry.showCells);
        asked.clear();
        EXPECT_EQ(HintAt(Center(entry.cell.X, entry.cell.Y)), entry.hint);
        EXPECT_EQ(asked, (std::vector<std::string> { Cell(entry.cell.Y, entry.cell.X) }));
    }
}

TEST_F(GridMouseTest, CommentsAndAnchorsGiveTheirOwnHintsInTheirOwnPlaces)
{
    Grid->AddComment(2, 3, QStringLiteral("checked by hand"));
    Grid->SetCells(2, 5, QStringLiteral("<A HREF=\"page\" TITLE=\"the page\">go</A>"));
    Grid->SetCells(2, 6, QStringLiteral("<A HREF=\"bare\">go</A>"));
    Grid->SetAnchorHint(true);
    std::vector<std::string> anchors;
    Grid->OnAnchorHint = [&anchors](TDudStringGrid*, int32_t aRow, int32_t aCol, String& anchor) {
        anchors.push_back(Cell(aRow, aCol) + " " + anchor.toStdString());
        if (aRow == 6)
            anchor = QStringLiteral("changed");
    };
    struct TCase {
        const char* Name;
        TGridCoord Cell;
        const char* Hint;
        const char* Anchor;
        bool AtPointer;
    };
    const TCase cases[] = {
        { "a comment, at the cell's top-right corner", { 2, 3 }, "checked by hand", "", false },
        { "an anchor's title", { 2, 5 }, "the page", "5,2 the page", true },
        { "an anchor without a title, as the handler leaves it", { 2, 6 }, "changed", "6,2 bare", true },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        anchors.clear();
        const TRect cell = Grid->CellRect(test.Cell.X, test.Cell.Y);
        THintInfo info;
        info.HintControl = Grid;
        info.CursorPos = { cell.Left + 6, (cell.Top + cell.Bottom) / 2 };
        Grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
        EXPECT_EQ(info.HintStr, QString::fromLatin1(test.Hint));
        EXPECT_EQ(anchors, test.Anchor[0] ? std::vector<std::string> { test.Anchor } : std::vector<std::string> {});
        const TPoint expected = test.AtPointer ? TPoint { info.CursorPos.X + 8, info.CursorPos.Y - 16 }
                                               : TPoint { cell.Right, cell.Top };
        EXPECT_EQ(info.HintPos, Grid->ClientToScreen(expected));
    }
}

TEST_F(GridMouseTest, OffTheCellsNoCellIsAskedForAHint)
{
    Grid->SetColCount(3);
    Grid->SetHint("grid");
    int32_t asked = 0;
    Grid->OnGridHint = [&](TDudStringGrid*, int32_t, int32_t, String& hint) {
        ++asked;
        hint = "cell";
    };
    const TRect last = Grid->CellRect(2, 1);
    EXPECT_EQ(HintAt({ last.Right + 20, last.Top + 2 }), "grid");
    EXPECT_EQ(asked, 0);
}

TEST_F(GridMouseTest, TheHintStaysWithItsCell)
{
    Grid->SetHintColor(clYellow);
    THintInfo info;
    info.CursorPos = Center(2, 3);
    Grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
    EXPECT_EQ(info.CursorRect, Grid->CellRect(2, 3));
    EXPECT_EQ(info.HintColor, clYellow);
    EXPECT_EQ(info.HintPos, Grid->ClientToScreen({ info.CursorPos.X, Grid->CellRect(2, 3).Bottom + 6 }));
}

TEST_F(GridMouseTest, WheelMovesByTheWheelLinesAndCollectsPartsOfANotch)
{
    const WheelLinesScope lines(3);
    struct Step {
        const char* name;
        std::vector<int32_t> deltas;
        TWheelAction action;
        int32_t increment;
        int32_t row;
        int32_t topRow;
    };
    const Step steps[] = {
        { "one notch down", { -120 }, waMoveSelection, 0, 4, 1 },
        { "half a notch waits", { -60 }, waMoveSelection, 0, 4, 1 },
        { "the other half completes it", { -60 }, waMoveSelection, 0, 7, 1 },
        { "thirds of a notch", { -40, -40, -40 }, waMoveSelection, 0, 10, 1 },
        { "two notches in one message", { -240 }, waMoveSelection, 0, 16, 5 },
        { "up", { 120 }, waMoveSelection, 0, 13, 5 },
        { "the grid's own increment", { -120 }, waMoveSelection, 1, 14, 5 },
        { "scrolling leaves the row", { -120 }, waScroll, 0, 14, 8 },
        { "scrolling up stops at the first data row", { 360 }, waScroll, 0, 14, 1 },
        { "moving up stops at the first data row", { 1200 }, waMoveSelection, 0, 1, 1 },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Grid->MouseActions().SetWheelAction(step.action);
        Grid->MouseActions().SetWheelIncrement(step.increment);
        for (int32_t delta : step.deltas)
            Wheel(delta);
        EXPECT_EQ(Grid->Row(), step.row);
        EXPECT_EQ(Grid->TopRow(), step.topRow);
    }
}

TEST_F(GridMouseTest, WheelStopsAtTheLastRowAndIsSwallowedWhenOff)
{
    const WheelLinesScope lines(3);
    Grid->FocusCell(2, 38);
    Wheel(-120);
    EXPECT_EQ(Grid->Row(), 39);
    Grid->SetEnableWheel(false);
    Wheel(240);
    EXPECT_EQ(Grid->Row(), 39);
}

TEST_F(GridMouseTest, WheelIncrementReportsTheNotchToItsEvent)
{
    std::vector<std::string> notches;
    Grid->OnMouseWheelDown = [&](TDudStringGrid*, TShiftState, TPoint, bool&) { notches.push_back("down"); };
    Grid->OnMouseWheelUp = [&](TDudStringGrid*, TShiftState, TPoint, bool&) { notches.push_back("up"); };
    Wheel(-120);
    EXPECT_TRUE(notches.empty()) << "only with an increment of the grid's own";
    Grid->MouseActions().SetWheelIncrement(2);
    Wheel(-120);
    Wheel(120);
    EXPECT_EQ(notches, (std::vector<std::string> { "down", "up" }));
}

TEST_F(GridMouseTest, TypedSearchLapsesAtTheFourthTick)
{
    Grid->Navigation().SetAutoGotoIncremental(true);
    Grid->SearchInc = "c2";
    Grid->SearchTics = 0;
    const int32_t ticks = Grid->FTimerTicks;
    for (int32_t tick = 1; tick <= 3; ++tick)
        Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ(Grid->SearchInc, "c2");
    Grid->Perform(WM_TIMER, 111);
    EXPECT_TRUE(Grid->SearchInc.isEmpty());
    EXPECT_EQ(Grid->FTimerTicks, ticks + 4);
    Grid->Perform(WM_TIMER, 7);
    EXPECT_EQ(Grid->FTimerTicks, ticks + 4) << "another timer is not the grid's";
}

TEST_F(GridMouseTest, HoveringMakesTheCellUnderThePointerCurrent)
{
    QCursor::setPos(Grid->Widget()->mapToGlobal(QPoint(Center(3, 6).X, Center(3, 6).Y)));
    Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ(Grid->Row(), 1) << "only with Hovering";
    Grid->SetHovering(true);
    Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ((TGridCoord { Grid->Col(), Grid->Row() }), (TGridCoord { 3, 6 }));
    QCursor::setPos(Grid->Widget()->mapToGlobal(QPoint(Center(0, 8).X, Center(0, 8).Y)));
    Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ((TGridCoord { Grid->Col(), Grid->Row() }), (TGridCoord { 3, 6 })) << "not over a fixed cell";
}

TEST_F(GridMouseTest, BlinkFlipsThePhaseOnEachTick)
{
    const bool phase = Grid->FGridBlink;
    Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ(Grid->FGridBlink, phase);
    Grid->SetEnableBlink(true);
    Grid->Perform(WM_TIMER, 111);
    EXPECT_NE(Grid->FGridBlink, phase);
    Grid->Perform(WM_TIMER, 111);
    EXPECT_EQ(Grid->FGridBlink, phase);
}

TEST_F(GridMouseTest, NothingIsPaintedWhileAnUpdateIsOpen)
{
    Grid->BeginUpdate();
    Grid->Paints = 0;
    Grid->Widget()->repaint();
    EXPECT_EQ(Grid->Paints, 0);
    Grid->EndUpdate();
    Grid->Widget()->repaint();
    EXPECT_EQ(Grid->Paints, 1);
}

TEST_F(GridMouseTest, AStretchedLastColumnFillsTheGridOnResize)
{
    int32_t resized = 0;
    int32_t plainResizes = 0;
    Grid->OnGridResize = [&](TDudStringGrid*) { ++resized; };
    Grid->OnResize = [&](TDudStringGrid*) { ++plainResizes; };
    Grid->ColumnSize().SetStretchColumn(-1);
    Grid->ColumnSize().SetStretch(true);
    resized = 0;
    Grid->SetWidth(500);
    int32_t others = 0;
    for (int32_t col = 0; col < 4; ++col)
        others += Grid->ColWidths(col);
    EXPECT_EQ(Grid->ColWidths(4), Grid->ClientWidth() - others - 1);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(plainResizes, 0) << "the stretch stands in for the platform's size handling";
}

TEST_F(GridMouseTest, ColumnsScaleWithTheGridFromTheirRememberedWidths)
{
    Grid->SetColWidths(2, 100);
    Grid->InitOrigColSizes();
    Grid->ColumnSize().SetSynchWithGrid(true);
    Grid->SetWidth(600);
    EXPECT_EQ(Grid->ColWidths(2), 150);
    EXPECT_EQ(Grid->ColWidths(1), Grid->DefaultColWidth() * 3 / 2);
    Grid->SetWidth(400);
    EXPECT_EQ(Grid->ColWidths(2), 100) << "scaled from the remembered widths, not from the last ones";
}

} // namespace
