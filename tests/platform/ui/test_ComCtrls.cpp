#include "platform/ui/ComCtrls.h"

#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

class PageControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Pages = new TPageControl(Form.get());
        Pages->SetParent(Form.get());
        Pages->SetBounds(8, 8, 380, 280);
        for (const char* caption : { "Language", "Connection", "Settings" }) {
            auto* sheet = new TTabSheet(Form.get());
            sheet->SetCaption(QString::fromLatin1(caption));
            sheet->SetPageControl(Pages);
            auto* box = new TCheckBox(Form.get());
            box->SetParent(sheet);
            box->SetBounds(10, 10, 200, 20);
            Boxes.push_back(box);
        }
        Pages->OnChanging = [this](TComponent*, bool& allow) {
            Log.push_back("changing from " + std::to_string(Pages->ActivePageIndex()));
            allow = Allow;
        };
        Pages->OnChange = [this](TComponent*) { Log.push_back("change to " + std::to_string(Pages->ActivePageIndex())); };
    }

    void ClickTab(int32_t tabIndex)
    {
        const TRect tab = Pages->TabRect(tabIndex);
        const QPointF local(tab.Left + tab.Width() / 2, tab.Top + tab.Height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, local, Pages->Widget()->mapToGlobal(local), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Pages->Widget(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, Pages->Widget()->mapToGlobal(local), Qt::LeftButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Pages->Widget(), &release);
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focus, &press);
    }

    void ShowForm()
    {
        Form->Show();
        QApplication::processEvents();
    }

    std::unique_ptr<TForm> Form;
    TPageControl* Pages = nullptr;
    std::vector<TCheckBox*> Boxes;
    std::vector<std::string> Log;
    bool Allow = true;
};

} // namespace

TEST_F(PageControlTest, TheFirstPageAddedIsActiveAndOnlyItsChildrenShow)
{
    ShowForm();
    EXPECT_EQ(Pages->PageCount(), 3);
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(0));
    EXPECT_EQ(Pages->Pages(2)->Caption(), u"Settings");
    EXPECT_EQ(Pages->Pages(2)->PageIndex(), 2);
    EXPECT_TRUE(Boxes[0]->Showing());
    EXPECT_FALSE(Boxes[1]->Showing());
    EXPECT_FALSE(Boxes[2]->Showing());

    Pages->SetActivePageIndex(2);
    EXPECT_EQ(Pages->TabIndex(), 2);
    EXPECT_FALSE(Boxes[0]->Showing());
    EXPECT_TRUE(Boxes[2]->Showing());
    const TRect area = Pages->DisplayRect();
    EXPECT_EQ(Pages->Pages(2)->BoundsRect(), area);
    EXPECT_GT(area.Top, Pages->TabRect(0).Bottom);
    // Switching from the program asks nothing and tells nothing.
    EXPECT_TRUE(Log.empty());
}

TEST_F(PageControlTest, AClickOnATabAsksThenSwitchesAndAVetoKeepsThePage)
{
    ShowForm();
    ClickTab(1);
    EXPECT_EQ(Log, (std::vector<std::string> { "changing from 0", "change to 1" }));
    EXPECT_EQ(Pages->ActivePageIndex(), 1);

    Log.clear();
    Allow = false;
    ClickTab(2);
    EXPECT_EQ(Log, (std::vector<std::string> { "changing from 1" }));
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    EXPECT_TRUE(Boxes[1]->Showing());
    EXPECT_FALSE(Boxes[2]->Showing());

    Log.clear();
    Allow = true;
    ClickTab(1);
    EXPECT_TRUE(Log.empty()) << "a click on the active tab changes nothing";
}

TEST_F(PageControlTest, HidingTabsMovesTheActivePageAndRenumbersTheTabs)
{
    struct Case {
        int32_t Active;
        int32_t Hidden;
        int32_t NewActive;
    };
    // The tab taking the hidden one's place becomes active; the last one
    // gives way to the one before it; hiding an inactive tab moves nothing.
    const Case cases[] = { { 0, 0, 1 }, { 1, 1, 2 }, { 2, 2, 1 }, { 0, 2, 0 } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Hidden);
        for (int32_t index = 0; index < Pages->PageCount(); ++index)
            Pages->Pages(index)->SetTabVisible(true);
        Pages->SetActivePageIndex(entry.Active);
        Pages->Pages(entry.Hidden)->SetTabVisible(false);
        EXPECT_EQ(Pages->ActivePageIndex(), entry.NewActive);
        EXPECT_EQ(Pages->Pages(entry.Hidden)->TabIndex(), -1);
        EXPECT_EQ(Pages->TabbedPages().size(), 2u);
        EXPECT_EQ(Pages->Pages(entry.Hidden)->PageIndex(), entry.Hidden);
    }
    Pages->Pages(0)->SetTabVisible(false);
    Pages->Pages(1)->SetTabVisible(true);
    Pages->Pages(2)->SetTabVisible(false);
    EXPECT_EQ(Pages->Pages(1)->TabIndex(), 0);
    Pages->SetTabIndex(0);
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(1));
    EXPECT_TRUE(Log.empty());
}

TEST_F(PageControlTest, CtrlTabTurnsThePagesRoundSkippingHiddenTabsAndHonoursTheVeto)
{
    ShowForm();
    Boxes[0]->SetFocus();
    QApplication::processEvents();
    Pages->Pages(1)->SetTabVisible(false);

    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    // The focus left the page that was hidden.
    EXPECT_TRUE(Pages->Focused());
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    EXPECT_EQ(Log, (std::vector<std::string> {
        "changing from 0", "change to 2", "changing from 2", "change to 0", "changing from 0", "change to 2" }));

    Allow = false;
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 2);

    // The arrows turn the pages while the control has the focus, stopping at the ends.
    Allow = true;
    Press(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    Press(Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
}

TEST_F(PageControlTest, RemovingTheActivePageActivatesTheNextAndFreeingItLeavesNoDanglingPage)
{
    Pages->SetActivePageIndex(1);
    delete Pages->Pages(1);
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(1));
    EXPECT_EQ(Pages->ActivePage()->Caption(), u"Settings");

    TTabSheet* moved = Pages->Pages(1);
    moved->SetPageIndex(0);
    EXPECT_EQ(Pages->Pages(0), moved);
    moved->SetPageControl(nullptr);
    EXPECT_EQ(Pages->PageCount(), 1);
    EXPECT_EQ(moved->PageIndex(), -1);
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(0));
}

TEST_F(PageControlTest, DrawsTheActiveTabRaisedAndJoinedToTheFrame)
{
    Pages->SetActivePageIndex(1);
    TBitmap image;
    GrabControl(*Pages, image);
    TCanvas& pixels = image.Canvas();
    const TRect inactive = Pages->TabRect(0);
    const TRect active = Pages->TabRect(1);
    const int32_t frameTop = active.Bottom;
    const int32_t middle = (active.Left + active.Right) / 2;
    const TColor face = ColorToRGB(clBtnFace);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    // The active tab's top edge stands above the others'.
    EXPECT_EQ(pixels.Pixels(middle, 0), highlight);
    EXPECT_EQ(pixels.Pixels((inactive.Left + inactive.Right) / 2, inactive.Top), highlight);
    EXPECT_NE(pixels.Pixels((inactive.Left + inactive.Right) / 2, 0), highlight);
    // The frame's top edge runs under the inactive tab but not under the active one.
    EXPECT_EQ(pixels.Pixels((inactive.Left + inactive.Right) / 2, frameTop), ColorToRGB(cl3DLight));
    EXPECT_EQ(pixels.Pixels((inactive.Left + inactive.Right) / 2, frameTop + 1), highlight);
    EXPECT_EQ(pixels.Pixels(middle, frameTop), face);
    EXPECT_EQ(pixels.Pixels(middle, frameTop + 1), face);
    EXPECT_EQ(pixels.Pixels(Pages->Width() - 1, frameTop + 10), ColorToRGB(cl3DDkShadow));
}
