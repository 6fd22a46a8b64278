#include "grid/DudCGrid.h"
#include "grid/DudOder_EditLink.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_SearchPanel.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include "tests/support/KeyInput.h"
#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <memory>
#include <string>
#include <vector>

namespace {

class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::CellRect;
    using TDudColumnGrid::EditCombo;
    using TDudColumnGrid::EditMode;
    using TDudColumnGrid::FGridState;
    using TDudColumnGrid::GetCellEditorType;
};

// A control on the grid that keeps the commands it is sent.
class TCommandProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<TMessage> Commands;

protected:
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_COMMAND)
            Commands.push_back(message);
        TCustomControl::DefaultHandler(message);
    }
};

// A link whose control is a combo box.
class TComboLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return Combo; }
    TComboBox* Combo = nullptr;
};

struct TComboChange {
    int32_t Col;
    int32_t Row;
    int32_t Index;
    std::string Text;
    bool operator==(const TComboChange&) const = default;
};

class WindowProcTest : public testing::Test {
protected:
    enum : int32_t { TextCol = 1, PickCol = 2, LastCol = 3 };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 520, 300);
        Grid = NewGrid(0);
        Grid->Columns().Items(PickCol)->SetEditor(edComboList);
        Grid->Columns().Items(PickCol)->ComboItems().SetText(QStringLiteral("Alpha\nBeta\nGamma"));
        Grid->OnComboChange = [this](TDudStringGrid*, int32_t aCol, int32_t aRow, int32_t index, const String& text) {
            ComboChanges.push_back({ aCol, aRow, index, text.toStdString() });
        };
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    TProbeGrid* NewGrid(int32_t left)
    {
        auto* grid = new TProbeGrid(Form.get());
        grid->SetParent(Form.get());
        grid->SetBounds(left, 0, 250, 250);
        grid->SetColCount(4);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() + TGridOptions { goEditing });
        return grid;
    }

    void Click(TDudStringGrid* grid, int32_t aCol, int32_t aRow, QEvent::Type press = QEvent::MouseButtonPress)
    {
        const TRect rect = static_cast<TProbeGrid*>(grid)->CellRect(aCol, aRow);
        const QPointF local((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
        for (const QEvent::Type type : { press, QEvent::MouseButtonRelease }) {
            QMouseEvent event(type, local, grid->Widget()->mapToGlobal(local), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grid->Widget(), &event);
        }
    }

    void OpenPickList(int32_t aRow)
    {
        Grid->SetCol(Grid->RemapColToDispl(PickCol));
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        ASSERT_TRUE(Grid->EditCombo->Visible());
    }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
    std::vector<TComboChange> ComboChanges;
};

TEST_F(WindowProcTest, ADirectComboCloseWritesTheChoiceWithOneComboChange)
{
    Grid->HideColumn(TextCol);
    Grid->MouseActions().SetDirectComboClose(true);
    Grid->SetCells(PickCol, 2, "Alpha");
    OpenPickList(2);
    ComboChanges.clear();
    Press(Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(Grid->EditCombo->DroppedDown());
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    ASSERT_TRUE(RunUntil([&] { return !Grid->EditCombo->Visible(); }));
    EXPECT_EQ(Grid->Cells(PickCol, 2), "Beta");
    EXPECT_EQ(ComboChanges, (std::vector<TComboChange> { { PickCol, 2, 1, "Beta" } }));
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(WindowProcTest, OnEditCellDoneComesAfterTheEditorHid)
{
    struct TDone {
        int32_t Col;
        int32_t Row;
        bool EditorShown;
        std::string Cell;
    };
    std::vector<TDone> done;
    Grid->OnEditCellDone = [&](TDudStringGrid*, int32_t aCol, int32_t aRow) {
        done.push_back({ aCol, aRow, Grid->EditCombo->Visible(), Grid->Cells(aCol, aRow).toStdString() });
    };
    Grid->HideColumn(TextCol);
    OpenPickList(3);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    EXPECT_TRUE(done.empty());
    QApplication::processEvents();
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].Col, PickCol);
    EXPECT_EQ(done[0].Row, 3);
    EXPECT_FALSE(done[0].EditorShown);
    EXPECT_EQ(done[0].Cell, "Beta");
}

TEST_F(WindowProcTest, EditOnDoubleClickOnlyLeavesEditingWhenTheEditEnds)
{
    Grid->MouseActions().SetEditOnDblClickOnly(true);
    OpenPickList(2);
    Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Grid->Options().Contains(goEditing));
    EXPECT_FALSE(Grid->EditMode);

    // A single click into the current cell opens nothing now.
    Click(Grid, Grid->Col(), 2);
    QApplication::processEvents();
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Grid->EditCombo->Visible());
}

TEST_F(WindowProcTest, ACommandGoesBackToTheControlOnTheGridThatSentIt)
{
    auto* onGrid = new TCommandProbe(Form.get());
    onGrid->SetParent(Grid);
    auto* onForm = new TCommandProbe(Form.get());
    onForm->SetParent(Form.get());
    struct Case {
        const char* name;
        TCommandProbe* sender;
        size_t received;
    };
    const Case cases[] = {
        { "a control on the grid", onGrid, 1 },
        { "a control elsewhere", onForm, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const intptr_t wParam = MakeLParam(42, 0x0777);
        Grid->Perform(WM_COMMAND, wParam, reinterpret_cast<intptr_t>(static_cast<TControl*>(c.sender)));
        ASSERT_EQ(c.sender->Commands.size(), c.received);
        if (c.received > 0) {
            EXPECT_EQ(c.sender->Commands[0].WParam, wParam);
            EXPECT_EQ(c.sender->Commands[0].LParam, reinterpret_cast<intptr_t>(static_cast<TControl*>(c.sender)));
        }
    }
    // A number that names no control of ours is left alone.
    Grid->Perform(WM_COMMAND, MakeLParam(1, 0x0777), 0x1234);
}

TEST_F(WindowProcTest, ALinkedComboReportsItsChoiceWithTheRealColumnAndWholeText)
{
    auto* link = new TComboLink(Form.get());
    link->Combo = new TComboBox(link);
    link->Combo->SetParent(Grid);
    const String longItem(300, QLatin1Char('w'));
    link->Combo->Items().Add(QStringLiteral("short"));
    link->Combo->Items().Add(longItem);
    link->Combo->SetItemIndex(1);
    Grid->Columns().Items(LastCol)->SetEditLink(link);
    Grid->Columns().Items(LastCol)->SetEditor(edCustom);
    Grid->HideColumn(TextCol);
    TEditorType kind = edNormal;
    Grid->SetCol(Grid->RemapColToDispl(LastCol));
    Grid->SetRow(4);
    Grid->GetCellEditorType(LastCol, 4, kind);
    ASSERT_EQ(Grid->EditLink(), link);
    ComboChanges.clear();
    const auto combo = reinterpret_cast<intptr_t>(static_cast<TControl*>(link->Combo));
    Grid->Perform(WM_COMMAND, MakeLParam(0, CBN_SELCHANGE), combo);
    EXPECT_EQ(ComboChanges, (std::vector<TComboChange> { { LastCol, 4, 1, longItem.toStdString() } }));
}

TEST_F(WindowProcTest, ASimulatedClickMovesTheCellWithoutTheApplicationsMouseHandlers)
{
    int32_t handled = 0;
    Grid->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int32_t, int32_t) { ++handled; };
    Grid->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int32_t, int32_t) { ++handled; };
    Grid->SimulateCellClick(3, 4);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(handled, 0);
    Click(Grid, 2, 2);
    EXPECT_EQ(handled, 2);
}

TEST_F(WindowProcTest, ASynchronisedGridFollowsTheRowAClickChooses)
{
    TProbeGrid* follower = NewGrid(260);
    Grid->SyncGrid().SetGrid(follower);
    Grid->SyncGrid().SetSelectionRow(true);
    Click(Grid, 2, 4);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(follower->Row(), 4);
}

TEST_F(WindowProcTest, CancelModeEndsAnEnhancedColumnMove)
{
    Grid->SetEnhRowColMove(true);
    Grid->FGridState = gsColMoving;
    Screen->SetCursor(crDrag);
    Grid->Perform(WM_CANCELMODE);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(WindowProcTest, TheSearchPanelFollowsTheSearchFooter)
{
    TSearchPanel* panel = Grid->SearchPanel();
    Grid->SearchFooter().SetColor(clYellow);
    Grid->SearchFooter().SetFindNextCaption(QStringLiteral("Next"));
    Grid->SearchFooter().SetVisible(true);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Color(), clYellow);
    EXPECT_EQ(panel->FindNextCaption(), "Next");
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, Grid->ClientHeight() - 32, Grid->ClientWidth(), 32));
    Grid->SearchFooter().SetVisible(false);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->Height(), 0);
}

} // namespace
