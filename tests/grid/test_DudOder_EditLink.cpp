#include "grid/DudCGrid.h"
#include "grid/DudOder_EditLink.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include "tests/support/KeyInput.h"
#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <utility>

namespace {

// An application's link: a plain edit whose keys go through the link.
class TEditBoxLink : public TEditLink {
public:
    using TEditLink::TEditLink;

    TWinControl* GetEditControl() override { return Edit; }
    void CreateEditor(TWinControl* parent) override
    {
        ++Created;
        if (!Edit) {
            Edit = new TEdit(this);
            Edit->OnKeyDown = [this](TComponent* sender, uint16_t& key, TShiftState shift) {
                EditKeyDown(sender, key, shift);
            };
        }
        Edit->SetParent(parent);
    }
    // The control goes from inside its own key handler: it is freed later.
    void DestroyEditor() override { Retired.reset(std::exchange(Edit, nullptr)); }
    String GetEditorValue() override { return Edit ? Edit->Text() : String(); }
    void SetEditorValue(const String& value) override
    {
        if (Edit)
            Edit->SetText(value);
    }

    TEdit* Edit = nullptr;
    std::unique_ptr<TEdit> Retired;
    int32_t Created = 0;
};

// A key that closes a popup edit: its release finds the popup gone, so only
// the press is sent.
void PressDown(Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(focus, &event);
}

class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::CellRect;
    using TDudColumnGrid::EditMode;
};

class EditLinkTest : public testing::Test {
protected:
    enum : int32_t { LinkCol = 2 };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 520, 300);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 500, 250);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Link = new TEditBoxLink(Form.get());
        Grid->Columns().Items(LinkCol)->SetEditor(edCustom);
        Grid->Columns().Items(LinkCol)->SetEditLink(Link);
        Grid->SetCells(LinkCol, 2, "old");
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    void OpenAt(int32_t aRow)
    {
        Grid->SetCol(LinkCol);
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        ASSERT_TRUE(RunUntil([&] { return Link->Edit && Link->Edit->Focused(); }));
    }

    bool EditorShown() const { return Link->Edit && Link->Edit->Visible(); }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
    TEditBoxLink* Link = nullptr;
};

TEST_F(EditLinkTest, AnInPlaceLinkTakesTheCellAndGivesItBackByKey)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goTabs });
    struct Case {
        const char* name;
        Qt::Key key;
        const char* cell;
        int32_t rowAfter;
        bool stillOpen;
    };
    const Case cases[] = {
        { "Enter writes the value", Qt::Key_Return, "new", 2, false },
        { "Esc keeps the old text", Qt::Key_Escape, "old", 2, false },
        { "Tab writes and stays on the cell", Qt::Key_Tab, "new", 2, false },
        { "Down writes and moves on", Qt::Key_Down, "new", 3, false },
        { "Home stays in the control", Qt::Key_Home, "old", 2, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(LinkCol, 2, "old");
        OpenAt(2);
        EXPECT_EQ(Link->Grid(), Grid);
        EXPECT_EQ(Link->EditCell(), (TPoint { LinkCol, 2 }));
        EXPECT_EQ(Link->Edit->Parent(), Grid);
        EXPECT_EQ(Link->Edit->Text(), "old");
        Link->Edit->SetText("new");
        Press(c.key);
        QApplication::processEvents();
        EXPECT_EQ(EditorShown(), c.stillOpen);
        if (c.stillOpen) {
            Press(Qt::Key_Escape);
            QApplication::processEvents();
        }
        EXPECT_EQ(Grid->Cells(LinkCol, 2), c.cell);
        EXPECT_EQ(Grid->Row(), c.rowAfter);
        EXPECT_TRUE(Grid->Focused());
        EXPECT_FALSE(Grid->EditMode);
    }
}

TEST_F(EditLinkTest, TabReachesTheControlOnlyWhenTheGridTakesTabs)
{
    OpenAt(2);
    EXPECT_EQ(Link->Edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
    Press(Qt::Key_Escape);
    Grid->SetOptions(Grid->Options() + TGridOptions { goTabs });
    OpenAt(2);
    EXPECT_EQ(Link->Edit->Perform(WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS);
    Press(Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(Link->Edit->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
}

TEST_F(EditLinkTest, EnterAdvancesWhenTheGridAdvancesAndARefusalReopens)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceDirection(adTopBottom);
    OpenAt(2);
    Link->Edit->SetText("new");
    Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(LinkCol, 2), "new");
    EXPECT_EQ(Grid->Row(), 3);

    Grid->OnCellValidate = [](TDudStringGrid*, int32_t, int32_t, String& value, bool& valid) {
        valid = value != "bad";
    };
    OpenAt(3);
    Link->Edit->SetText("bad");
    Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_NE(Grid->Cells(LinkCol, 3), "bad");
}

TEST_F(EditLinkTest, TypingOpensTheLinkWithThatCharacter)
{
    Grid->SetCol(LinkCol);
    Grid->SetRow(4);
    Type(QStringLiteral("k"));
    ASSERT_TRUE(RunUntil([&] { return EditorShown() && Link->Edit->Text().endsWith(QLatin1Char('k')); }));
    Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(LinkCol, 4).right(1), "k");
}

TEST_F(EditLinkTest, APopupLinkEditsOnItsOwnFormAtTheCell)
{
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(120);
    Link->SetPopupHeight(60);
    Link->SetPopupLeft(100);
    struct Case {
        const char* name;
        Qt::Key key;
        const char* cell;
    };
    const Case cases[] = {
        { "Enter", Qt::Key_Return, "new" },
        { "Esc", Qt::Key_Escape, "old" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(LinkCol, 2, "old");
        OpenAt(2);
        TForm* popup = Link->PopupForm();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->Visible());
        EXPECT_EQ(Link->Edit->Parent(), popup);
        EXPECT_EQ(Link->Edit->Width(), 120 - Grid->GridLineWidth());
        // Only one coordinate given: the popup goes to the cell.
        EXPECT_EQ(popup->BoundsRect(),
            Bounds(Grid->ClientToScreen(Grid->CellRect(LinkCol, 2).TopLeft()).X,
                Grid->ClientToScreen(Grid->CellRect(LinkCol, 2).TopLeft()).Y, 120, 60));
        EXPECT_EQ(Link->Edit->Text(), "old");
        Link->Edit->SetText("new");
        PressDown(c.key);
        ASSERT_TRUE(RunUntil([&] { return !popup->Visible() && Grid->Focused(); }));
        EXPECT_EQ(Link->Edit, nullptr);
        EXPECT_EQ(Grid->Cells(LinkCol, 2), c.cell);
        EXPECT_FALSE(Grid->EditMode);
    }
}

TEST_F(EditLinkTest, AutoPopupWidthFollowsTheCell)
{
    Link->SetEditStyle(esPopup);
    Link->SetAutoPopupWidth(true);
    Link->SetPopupHeight(40);
    Grid->SetColWidths(LinkCol, 90);
    OpenAt(2);
    EXPECT_EQ(Link->PopupWidth(), Grid->CellRect(LinkCol, 2).Width());
    EXPECT_EQ(Link->PopupForm()->Height(), 40);
    PressDown(Qt::Key_Escape);
}

TEST_F(EditLinkTest, RemovingTheLinkClearsTheColumnsThatUseIt)
{
    Grid->Columns().Items(3)->SetEditLink(Link);
    auto* other = new TEditBoxLink(Form.get());
    Grid->Columns().Items(4)->SetEditLink(other);
    OpenAt(2);
    Press(Qt::Key_Escape);
    QApplication::processEvents();
    ASSERT_EQ(Grid->EditLink(), Link);

    std::unique_ptr<TEditBoxLink> removed(std::exchange(Link, nullptr));
    removed.reset();
    EXPECT_EQ(Grid->Columns().Items(LinkCol)->EditLink(), nullptr);
    EXPECT_EQ(Grid->Columns().Items(3)->EditLink(), nullptr);
    EXPECT_EQ(Grid->Columns().Items(4)->EditLink(), other);
    EXPECT_EQ(Grid->EditLink(), nullptr);

    // The column edits nothing now, and writes nothing.
    Grid->SetCol(LinkCol);
    Press(Qt::Key_F2);
    QApplication::processEvents();
    EXPECT_FALSE(Grid->EditMode);
    EXPECT_EQ(Grid->Cells(LinkCol, 2), "old");
}

} // namespace
