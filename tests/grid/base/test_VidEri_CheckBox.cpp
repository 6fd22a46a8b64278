#include "grid/base/VidEri_CheckBox.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <string>
#include <vector>

namespace {

class CheckBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 120);
        Box = new ZEdeVuzavIza(Form.get());
        Box->SetBounds(10, 10, 120, 20);
        Box->SetTabStop(true);
        Box->SetParent(Form.get());
        Box->SetCaption(QStringLiteral("&Match case"));
        Box->OnClick = [this](TComponent*) { Events.push_back(Box->Checked() ? "click checked" : "click unchecked"); };
        Next = new ZEdeVuzavIza(Form.get());
        Next->SetBounds(10, 40, 120, 20);
        Next->SetTabStop(true);
        Next->SetParent(Form.get());
        Form->Show();
        QApplication::processEvents();
        Box->SetFocus();
        QApplication::processEvents();
    }

    void Click(TPoint down, TPoint up, bool moveFirst = true)
    {
        Box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(down));
        if (moveFirst)
            Box->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(up));
        Box->Perform(WM_LBUTTONUP, 0, PointToLParam(up));
    }

    static void Key(QEvent::Type type, Qt::Key key, const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &event);
    }

    std::unique_ptr<TForm> Form;
    ZEdeVuzavIza* Box = nullptr;
    ZEdeVuzavIza* Next = nullptr;
    std::vector<std::string> Events;
};

} // namespace

TEST(CheckBoxDefaults, StartsUncheckedWithItsClassNameAsCaption)
{
    ZEdeVuzavIza box(nullptr);
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.Caption(), "ZEdeVuzavIza");
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_FALSE(box.Checked());
    EXPECT_FALSE(box.ReadOnly());
    EXPECT_FALSE(box.ReturnIsTab());
    EXPECT_FALSE(box.Ellipsis());
    EXPECT_FALSE(box.Transparent());
    EXPECT_EQ(box.ButtonVertAlign(), tlTop);
    EXPECT_EQ(box.Alignment(), taLeftJustify);
    EXPECT_FALSE(box.ControlStyle().Contains(csClickEvents));
}

TEST(CheckBoxDefaults, CheckedIsTheCheckedStateAndToggleFlipsIt)
{
    ZEdeVuzavIza box(nullptr);
    box.SetState(cbGrayed);
    EXPECT_FALSE(box.Checked());
    box.Toggle();
    EXPECT_EQ(box.State(), cbChecked);
    box.Toggle();
    EXPECT_EQ(box.State(), cbUnchecked);
    box.SetReadOnly(true);
    box.Toggle();
    EXPECT_EQ(box.State(), cbUnchecked);
}

TEST_F(CheckBoxTest, AClickReleasedOverTheBoxTogglesAndClicksOnce)
{
    // A move to the edge leaves the box unpressed (the control is inside
    // its bounds only); a release there still counts as inside.
    struct TCase {
        const char* Name;
        TPoint Down;
        TPoint Up;
        bool MoveFirst;
        bool Toggles;
    };
    const TCase cases[] = {
        { "inside", { 5, 5 }, { 60, 10 }, true, true },
        { "released on the bottom-right edge", { 5, 5 }, { 120, 20 }, false, true },
        { "moved to the edge first", { 5, 5 }, { 120, 20 }, true, false },
        { "released outside", { 5, 5 }, { 200, 10 }, true, false },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Events.clear();
        const bool before = Box->Checked();
        Click(test.Down, test.Up, test.MoveFirst);
        EXPECT_EQ(Box->Checked(), test.Toggles ? !before : before);
        EXPECT_EQ(Events.size(), test.Toggles ? 1u : 0u);
        EXPECT_FALSE(Box->Down());
        EXPECT_FALSE(Box->MouseCapture());
    }
}

TEST_F(CheckBoxTest, TheBoxIsPressedOnlyWhileThePointerIsOverIt)
{
    Box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    EXPECT_TRUE(Box->Down());
    EXPECT_TRUE(Box->MouseCapture());
    Box->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ 500, 5 }));
    EXPECT_FALSE(Box->Down());
    Box->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ 5, 5 }));
    EXPECT_TRUE(Box->Down());
    Box->Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    EXPECT_TRUE(Box->Checked());
}

TEST_F(CheckBoxTest, SpaceTogglesOnItsReleaseAndReadOnlyStillClicks)
{
    Key(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(Box->Down());
    EXPECT_FALSE(Box->Checked());
    Key(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(Box->Down());
    EXPECT_TRUE(Box->Checked());

    Box->SetReadOnly(true);
    Key(QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    Key(QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    Click({ 5, 5 }, { 5, 5 });
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Events, (std::vector<std::string> { "click checked", "click checked", "click checked" }));
}

TEST_F(CheckBoxTest, ReturnMovesOnAsTabWhenAsked)
{
    Key(QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_TRUE(Box->Focused());

    Box->SetReturnIsTab(true);
    Key(QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_TRUE(Next->Focused());
    EXPECT_FALSE(Box->Checked());
}

TEST_F(CheckBoxTest, TheAcceleratorTogglesAndFocuses)
{
    Next->SetFocus();
    EXPECT_EQ(Box->Perform(CM_DIALOGCHAR, u'm'), 1);
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Box->Perform(CM_DIALOGCHAR, u'q'), 0);
    EXPECT_TRUE(Box->Checked());
}

TEST_F(CheckBoxTest, ThePointerOverTheBoxMakesItHot)
{
    Box->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(Box->Hot());
    Box->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(Box->Hot());
}
