#include "controls/SlantTabs.h"

#include "platform/core/FileUtils.h"
#include "platform/graphics/ImageList.h"
#include "platform/os/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <string>

namespace {

// A strip laid out without movement animation unless a test asks for it,
// with helpers to press and read it.
struct TStripRig {
    TFakeClock Clock { 10000 };
    TClockScope Scope { Clock };
    TSlantTabs Strip { nullptr };
    std::vector<std::string> Events;

    explicit TStripRig(int32_t tabs = 0, int32_t width = 400, bool animate = false)
    {
        Strip.SetWidth(width);
        TSlantTabsMovementAnimations& movements = Strip.Options().Animation().MovementAnimations();
        for (TSlantTabsMovementAnimationTypes* types : { &movements.TabAdd(), &movements.TabDelete() }) {
            types->SetUseDefaultEaseType(false);
            types->SetEaseType(animate ? ttLinearTween : ttNone);
        }
        for (int32_t index = 0; index < tabs; ++index)
            Strip.Tabs().Add()->SetCaption(String(QChar(u'A' + index)));
        Strip.OnActiveTabChanged = [this](TCustomSlantTabs*, TSlantTab* tab) { Events.push_back("changed " + tab->Caption().toStdString()); };
        Strip.OnActiveTabChanging = [this](TCustomSlantTabs*, TSlantTab*, TSlantTab* tab, bool&) {
            Events.push_back("changing " + tab->Caption().toStdString());
        };
        Layout();
    }
    void Layout()
    {
        Strip.CalculateButtonRects();
        Strip.CalculateTabPositions();
    }
    TRect End(int32_t index) { return Strip.Tabs()[index]->TabControl()->EndRect(); }
    TPoint Centre(int32_t index)
    {
        const TRect r = Strip.ScrolledRect(Strip.Tabs()[index]->TabControl()->ControlRect());
        return { (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 + 4 };
    }
    TPoint CloseButton(int32_t index)
    {
        const TRect r = Strip.ScrolledRect(Strip.Tabs()[index]->TabControl()->GetCloseButonRect());
        return { (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 };
    }
    void Press(TPoint at, uint32_t down = WM_LBUTTONDOWN) { Strip.Perform(down, 0, PointToLParam(at)); }
    void Release(TPoint at, uint32_t up = WM_LBUTTONUP) { Strip.Perform(up, 0, PointToLParam(at)); }
    void Move(TPoint at) { Strip.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(at)); }
    std::string Shape()
    {
        std::string shape;
        for (int32_t index = 0; index < Strip.Tabs().Count(); ++index) {
            const TSlantTab* tab = Strip.Tabs()[index];
            const std::string caption = tab->Caption().toStdString() + (tab->Visible() ? "" : "-");
            shape += tab->Active() ? "[" + caption + "]" : caption;
        }
        return shape;
    }
    TColor Pixel(int32_t x, int32_t y)
    {
        TBitmap copy;
        copy.Assign(Strip.DrawCanvas());
        return copy.Canvas().Pixels(x, y);
    }
};

bool Near(TColor actual, TColor expected, int tolerance = 6)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance && std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance
        && std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

TEST(SlantTabs, ANewStripIsEmptyAndReady)
{
    TSlantTabs strip(nullptr);
    EXPECT_EQ(strip.Width(), 300);
    EXPECT_EQ(strip.Height(), 30);
    EXPECT_EQ(strip.ActiveTabIndex(), -1);
    EXPECT_EQ(strip.ScrollOffset(), 0);
    EXPECT_TRUE(strip.ControlReady());
    EXPECT_EQ(strip.Options().Display().Tabs().MinWidth(), 25);
    EXPECT_EQ(strip.AnimateTimer().Interval(), 15) << "the strip's own interval, not the class value";
    EXPECT_EQ(strip.LookAndFeel().Tabs().Active().Style().StopColor(), RGB(248, 249, 248));
}

TEST(SlantTabs, ActiveTabIndexIgnoresValuesOutsideTheList)
{
    TStripRig rig(3);
    EXPECT_EQ(rig.Strip.ActiveTabIndex(), 2) << "each tab added to a ready strip is activated";
    rig.Events.clear();
    rig.Strip.SetActiveTabIndex(5);
    rig.Strip.SetActiveTabIndex(-1);
    EXPECT_EQ(rig.Strip.ActiveTabIndex(), 2);
    EXPECT_TRUE(rig.Events.empty());
    rig.Strip.SetActiveTabIndex(0);
    EXPECT_EQ(rig.Strip.ActiveTabIndex(), 0);
    EXPECT_EQ(rig.Events, (std::vector<std::string> { "changing A", "changed A" }));
}

TEST(SlantTabs, NewTabsAreActivatedOnArrivalExceptWhileLoading)
{
    TStripRig rig(2);
    EXPECT_EQ(rig.Shape(), "A[B]");
    TSlantTabs loading(nullptr);
    loading.BeginLoading();
    loading.Tabs().Add()->SetCaption(QStringLiteral("A"));
    loading.Tabs().Add()->SetCaption(QStringLiteral("B"));
    EXPECT_EQ(loading.ActiveTabIndex(), 0) << "only the first tab is activated while loading";
    loading.Options().Behaviour().SetActivateNewTab(false);
    rig.Strip.Options().Behaviour().SetActivateNewTab(false);
    rig.Strip.Tabs().Add()->SetCaption(QStringLiteral("C"));
    EXPECT_EQ(rig.Shape(), "A[B]C");
}

TEST(SlantTabs, HidingTheActiveTabActivatesAVisibleNeighbour)
{
    TStripRig rig(3);
    rig.Strip.SetActiveTabIndex(1);
    rig.Strip.Tabs()[1]->SetVisible(false);
    EXPECT_EQ(rig.Shape(), "AB-[C]");
    rig.Strip.Tabs()[2]->SetVisible(false);
    EXPECT_EQ(rig.Shape(), "[A]B-C-");
}

TEST(SlantTabs, ChangeIsRaisedTwiceForTheReportThatMakesATabsDrawingObject)
{
    TStripRig rig;
    std::vector<TTabChangeType> changes;
    rig.Strip.OnChange = [&](TCustomSlantTabs*, TSlantTab* tab, TTabChangeType change) {
        if (tab)
            changes.push_back(change);
    };
    TSlantTab* tab = rig.Strip.Tabs().Add();
    ASSERT_GE(changes.size(), 2u);
    EXPECT_EQ(changes[0], tcAdded);
    EXPECT_EQ(changes.back(), tcAdded);
    changes.clear();
    tab->SetCaption(QStringLiteral("X"));
    EXPECT_EQ(changes, std::vector<TTabChangeType> { tcPropertyUpdated });
}

TEST(SlantTabs, UpdateBracketHoldsRepaintsBackUntilItCloses)
{
    TStripRig rig(1);
    rig.Strip.BeginUpdate();
    rig.Strip.Options().Display().Tabs().SetTabOverlap(14);
    rig.Strip.Options().Display().Tabs().SetTabOverlap(15);
    rig.Strip.LoadOptions(QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollStep = 30\nend\n"));
    EXPECT_GE(rig.Strip.PausedUpdateCount(), 3);
    EXPECT_TRUE(rig.Strip.HasState(stsPendingUpdates));
    rig.Strip.EndUpdate();
    EXPECT_EQ(rig.Strip.PausedUpdateCount(), 0);
    EXPECT_FALSE(rig.Strip.HasState(stsPendingUpdates));
    rig.Strip.EndUpdate();
    EXPECT_EQ(rig.Strip.PausedUpdateCount(), 0);
    EXPECT_EQ(rig.Strip.Options().Scrolling().ScrollStep(), 30);
}

TEST(SlantTabs, ForgetsImageListsThatAreFreed)
{
    TStripRig rig(1);
    auto images = std::make_unique<TImageList>(nullptr);
    auto spinners = std::make_unique<TImageList>(nullptr);
    rig.Strip.SetImages(images.get());
    rig.Strip.SetImagesOverlay(images.get());
    rig.Strip.SetImagesSpinnerUpload(spinners.get());
    images.reset();
    EXPECT_EQ(rig.Strip.Images(), nullptr);
    EXPECT_EQ(rig.Strip.ImagesOverlay(), nullptr);
    EXPECT_EQ(rig.Strip.GetImagesSpinnerUpload(), spinners.get());
    spinners.reset();
    EXPECT_EQ(rig.Strip.GetImagesSpinnerUpload(), nullptr);
    rig.Strip.DrawCanvas();
}

TEST(SlantTabs, StatesReportOnlyRealChanges)
{
    TStripRig rig;
    int reports = 0;
    rig.Strip.OnStateChange = [&](TCustomSlantTabs*, TSlantTabStates previous, TSlantTabStates current) {
        EXPECT_NE(previous, current);
        ++reports;
    };
    EXPECT_TRUE(rig.Strip.AddState(stsDebug));
    EXPECT_FALSE(rig.Strip.AddState(stsDebug));
    EXPECT_TRUE(rig.Strip.RemoveState(stsDebug));
    EXPECT_FALSE(rig.Strip.RemoveState(stsDebug));
    EXPECT_EQ(reports, 2);
}

// The program's dialogs: scrolling with both buttons at the right, no add button.
void DialogSettings(TCustomSlantTabs& strip)
{
    strip.Options().Display().AddButton().SetVisibility(avNone);
    strip.Options().Display().Tabs().SetMinWidth(150);
    strip.Options().Display().Tabs().SetMaxWidth(200);
}

TEST(SlantTabsLayout, PlacesButtonsAndTabsAsTheDialogsSetThemUp)
{
    TStripRig rig(2, 1229);
    DialogSettings(rig.Strip);
    rig.Layout();
    EXPECT_EQ(rig.Strip.ScrollButtonRightControl().EndRect(), Rect(1213, 10, 1228, 25));
    EXPECT_EQ(rig.Strip.ScrollButtonLeftControl().EndRect(), Rect(1196, 10, 1211, 25));
    EXPECT_EQ(rig.Strip.TabContainerRect(), Rect(0, 4, 1195, 30));
    EXPECT_EQ(rig.Strip.AdjustedTabWidth(), 200);
    EXPECT_EQ(rig.End(0), Rect(0, 4, 215, 30));
    EXPECT_EQ(rig.End(1), Rect(200, 4, 415, 30));
    EXPECT_EQ(rig.Strip.ScrollWidth(), 400);
}

TEST(SlantTabsLayout, SpreadsTheEndSpaceOverTheFirstTabs)
{
    struct TCase {
        int32_t Width;
        int32_t Tabs;
        bool PinnedWithText;
        std::vector<int32_t> Lefts;
        int32_t TabWidth;
        int32_t ScrollWidth;
        TTabDisplayState Display;
    };
    const TCase cases[] = {
        { 100, 3, false, { 0, 29, 57 }, 43, 85, tdCompressed },
        { 500, 2, false, { 0, 200 }, 215, 400, tdNormal },
        { 400, 2, false, { 0, 193 }, 207, 385, tdCompressed },
        { 100, 5, false, { 0, 25, 50, 75, 100 }, 40, 125, tdScrolling },
        // A pinned tab showing its text shares the space; the spare pixel goes to the first unpinned tab.
        { 100, 3, true, { 0, 28, 57 }, 43, 85, tdCompressed },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Width) + (c.PinnedWithText ? " pinned" : ""));
        TStripRig rig(c.Tabs, c.Width);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        if (c.PinnedWithText) {
            rig.Strip.Options().Display().Tabs().SetShowPinnedTabText(true);
            rig.Strip.Tabs()[0]->SetPinned(true);
        }
        rig.Layout();
        for (int32_t index = 0; index < c.Tabs; ++index) {
            EXPECT_EQ(rig.End(index).Left, c.Lefts[size_t(index)]);
            EXPECT_EQ(rig.End(index).Width(), c.TabWidth);
        }
        EXPECT_EQ(rig.Strip.ScrollWidth(), c.ScrollWidth);
        EXPECT_EQ(rig.Strip.GetTabDisplayState(), c.Display);
    }
}

TEST(SlantTabsLayout, ScrollButtonsSitTogetherAtTheChosenEnd)
{
    struct TCase {
        TSlantTabScrollButtons Buttons;
        TRect Left, Right, Container;
    };
    const TCase cases[] = {
        { csbRight, Rect(267, 10, 282, 25), Rect(284, 10, 299, 25), Rect(0, 4, 266, 30) },
        { csbLeft, Rect(1, 10, 16, 25), Rect(18, 10, 33, 25), Rect(34, 4, 300, 30) },
        { csbLeftAndRight, Rect(1, 10, 16, 25), Rect(284, 10, 299, 25), Rect(17, 4, 283, 30) },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Buttons));
        TStripRig rig(1, 300);
        DialogSettings(rig.Strip);
        rig.Strip.Options().Scrolling().SetScrollButtons(c.Buttons);
        rig.Layout();
        EXPECT_EQ(rig.Strip.ScrollButtonLeftControl().EndRect(), c.Left);
        EXPECT_EQ(rig.Strip.ScrollButtonRightControl().EndRect(), c.Right);
        EXPECT_EQ(rig.Strip.TabContainerRect(), c.Container);
    }
}

TEST(SlantTabsLayout, FloatingAddButtonFollowsTheLastTabUpToItsLimit)
{
    TStripRig rig(1, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    const int32_t lastRight = rig.Strip.Tabs()[0]->TabControl()->ControlRect().Right;
    EXPECT_EQ(rig.Strip.AddButtonControl().EndRect().Left, lastRight - 3);
    TStripRig full(12, 400);
    full.Strip.Options().Scrolling().SetEnabled(false);
    full.Layout();
    EXPECT_EQ(full.Strip.AddButtonControl().EndRect().Left, 400 - 31 - 2);
}

TEST(SlantTabsScrolling, OffsetStaysWithinItsRange)
{
    TStripRig rig(6, 300);
    DialogSettings(rig.Strip);
    rig.Layout();
    int scrolls = 0;
    rig.Strip.OnScroll = [&](TCustomSlantTabs*) { ++scrolls; };
    const int32_t maximum = rig.Strip.MaxScrollOffset();
    EXPECT_EQ(maximum, 6 * 150 - rig.Strip.TabContainerRect().Width() + 15);
    rig.Strip.SetScrollOffset(10000);
    EXPECT_EQ(rig.Strip.ScrollOffset(), maximum);
    rig.Strip.SetScrollOffset(-5);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 0);
    EXPECT_EQ(scrolls, 2);
    rig.Strip.Perform(CM_MOUSEWHEEL, 120, 0);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 120);
    rig.Strip.Options().Scrolling().SetMouseWheelScroll(false);
    rig.Strip.Perform(CM_MOUSEWHEEL, 120, 0);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 120);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.SetScrollOffset(40);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 120);
    EXPECT_EQ(scrolls, 3);
}

TEST(SlantTabsScrolling, ActivatingATabScrollsItIntoView)
{
    TStripRig rig(6, 300);
    DialogSettings(rig.Strip);
    rig.Layout();
    rig.Strip.SetActiveTabIndex(0);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 0);
    // Tab 2 ends at 465; the area is 266 wide and keeps the overlap in view.
    rig.Strip.SetActiveTabIndex(2);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 465 - 266 + 15);
    rig.Strip.SetActiveTabIndex(0);
    rig.Strip.SetActiveTabIndex(5);
    EXPECT_EQ(rig.Strip.ScrollOffset(), rig.Strip.MaxScrollOffset());
    EXPECT_LE(rig.End(5).Right - rig.Strip.ScrollOffset(), rig.Strip.TabContainerRect().Right + 15);
    rig.Strip.SetActiveTabIndex(2);
    EXPECT_EQ(rig.Strip.ScrollOffset(), rig.End(2).Left);
    rig.Strip.SetActiveTabIndex(0);
    EXPECT_EQ(rig.Strip.ScrollOffset(), 0);
}

TEST(SlantTabsScrolling, NoBlankSpaceStaysAfterTheLastTab)
{
    struct TCase {
        const char* Name;
        std::function<void(TStripRig&)> Act;
        int32_t Offset;
    };
    // Six tabs of 150 in a 266-pixel area, scrolled to the end (649).
    const TCase cases[] = {
        { "hiding the last two tabs", [](TStripRig& r) { r.Strip.Tabs()[4]->SetVisible(false); r.Strip.Tabs()[5]->SetVisible(false); }, 349 },
        { "widening", [](TStripRig& r) { r.Strip.SetWidth(600); }, 900 - 566 + 15 },
        { "narrowing", [](TStripRig& r) { r.Strip.SetWidth(250); }, 649 },
        { "deleting a tab", [](TStripRig& r) { r.Strip.DeleteTabByIndex(0); }, 499 },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TStripRig rig(6, 300);
        DialogSettings(rig.Strip);
        rig.Layout();
        rig.Strip.SetScrollOffset(10000);
        ASSERT_EQ(rig.Strip.ScrollOffset(), 649);
        c.Act(rig);
        rig.Layout();
        EXPECT_EQ(rig.Strip.ScrollOffset(), c.Offset);
        rig.Strip.UpdateControlDrawStates(true);
        EXPECT_EQ(rig.Strip.ScrollButtonRightControl().DrawState() == dsDisabled, c.Offset == rig.Strip.MaxScrollOffset());
    }
}

// Waits for the strip's smart-resize timer, which runs on real time.
bool WaitForSmartResizeEnd(TCustomSlantTabs& strip)
{
    QElapsedTimer waited;
    waited.start();
    while (strip.HasState(stsDeletingUnPinnedTabs) && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return !strip.HasState(stsDeletingUnPinnedTabs);
}

void ShortSmartResizeDelay(TCustomSlantTabs& strip)
{
    strip.Options().Behaviour().SetTabSmartDeleteResizeCancelDelay(20);
    // The timer takes the delay with the next reported change.
    strip.Options().Display().Tabs().SetTabOverlap(14);
    strip.Options().Display().Tabs().SetTabOverlap(15);
}

TEST(SlantTabsLayout, ClosingATabKeepsTheWidthsUntilTheMouseHasLeft)
{
    TStripRig rig(4, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    ShortSmartResizeDelay(rig.Strip);
    rig.Layout();
    const TRect second = rig.End(1);
    const TRect third = rig.End(2);
    ASSERT_EQ(second.Width(), 96 + 15);
    rig.Press(rig.CloseButton(1));
    rig.Release(rig.CloseButton(1));
    ASSERT_EQ(rig.Shape(), "AC[D]");
    rig.Layout();
    // The next close button comes to lie under the mouse.
    EXPECT_EQ(rig.End(1), second);
    EXPECT_EQ(rig.End(2), Rect(second.Right - 15, 4, second.Right - 15 + third.Width(), 30));
    EXPECT_EQ(rig.Strip.HitTest(rig.CloseButton(1)), (THitTestResult { 1, htCloseButton }));

    rig.Strip.Perform(CM_MOUSEENTER);
    rig.Strip.Perform(CM_MOUSELEAVE);
    ASSERT_TRUE(WaitForSmartResizeEnd(rig.Strip));
    rig.Layout();
    EXPECT_EQ(rig.End(1).Width(), 128 + 15) << "the three tabs share the strip again";
    EXPECT_EQ(rig.End(2).Left, 2 * 128 + 1);
}

TEST(SlantTabsScrolling, AfterASmartCloseTheStripScrollsBackWhenTheMouseHasLeft)
{
    TStripRig rig(6, 300);
    DialogSettings(rig.Strip);
    ShortSmartResizeDelay(rig.Strip);
    rig.Layout();
    // The arrivals are over: the last one no longer scrolls itself into view.
    rig.Strip.AnimateTimerTick(nullptr);
    rig.Strip.SetScrollOffset(10000);
    rig.Layout();
    ASSERT_EQ(rig.Strip.ScrollOffset(), 649);
    const TPoint close = rig.CloseButton(4);
    rig.Press(close);
    rig.Release(close);
    ASSERT_EQ(rig.Strip.Tabs().Count(), 5);
    rig.Layout();
    EXPECT_EQ(rig.Strip.ScrollOffset(), 649) << "kept while the mouse may close the next tab";
    rig.Strip.Perform(CM_MOUSELEAVE);
    ASSERT_TRUE(WaitForSmartResizeEnd(rig.Strip));
    EXPECT_EQ(rig.Strip.ScrollOffset(), 5 * 150 - 266 + 15) << "at once, before the next layout";
}

TEST(SlantTabsMouse, ClicksMapToTheActiveTabAndEvents)
{
    struct TCase {
        const char* Name;
        bool RightClickSelect;
        std::function<void(TStripRig&)> Act;
        const char* Shape;
    };
    const TCase cases[] = {
        { "left click on a tab", true, [](TStripRig& r) { r.Press(r.Centre(2)); r.Release(r.Centre(2)); }, "AB[C]" },
        { "right click selects", true, [](TStripRig& r) { r.Press(r.Centre(0), WM_RBUTTONDOWN); r.Release(r.Centre(0), WM_RBUTTONUP); }, "[A]BC" },
        { "right click without select", false, [](TStripRig& r) { r.Press(r.Centre(0), WM_RBUTTONDOWN); r.Release(r.Centre(0), WM_RBUTTONUP); },
            "AB[C]" },
        { "close button of the active tab", true, [](TStripRig& r) { r.Press(r.CloseButton(2)); r.Release(r.CloseButton(2)); }, "A[B]" },
        { "close pressed on one tab, released on another", true,
            [](TStripRig& r) { r.Press(r.CloseButton(2)); r.Release(r.CloseButton(1)); }, "AB[C]" },
        { "left press on a close button does not select", true, [](TStripRig& r) { r.Press(r.CloseButton(1)); r.Release(r.Centre(1)); }, "AB[C]" },
        { "background", true, [](TStripRig& r) { r.Press({ 390, 10 }); r.Release({ 390, 10 }); }, "AB[C]" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TStripRig rig(3, 400);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().DragDrop().SetDragType(dtNone);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Options().Behaviour().SetTabRightClickSelect(c.RightClickSelect);
        rig.Layout();
        c.Act(rig);
        EXPECT_EQ(rig.Shape(), c.Shape);
    }
}

TEST(SlantTabsMouse, APressWhoseReleaseIsLostDoesNotBlockTheNextOne)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    rig.Press(rig.Centre(0));
    rig.Strip.Perform(WM_CANCELMODE);
    EXPECT_FALSE(rig.Strip.HasState(stsMouseDown));
    rig.Press(rig.Centre(1));
    EXPECT_EQ(rig.Shape(), "A[B]C");

    rig.Move({ rig.Centre(1).X - 6, rig.Centre(1).Y });
    ASSERT_TRUE(rig.Strip.HasState(stsDragging));
    rig.Strip.Perform(WM_CANCELMODE);
    EXPECT_FALSE(rig.Strip.HasState(stsDragging));
    EXPECT_EQ(rig.Shape(), "A[B]C") << "a drag broken off this way is a cancelled one";
}

TEST(SlantTabsMouse, HitTestPrefersTheCloseButtonAndTheActiveTab)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    const THitTestResult close = rig.Strip.HitTest(rig.CloseButton(2));
    EXPECT_EQ(close, (THitTestResult { 2, htCloseButton }));
    const TRect second = rig.End(1);
    // Where tabs 1 and 2 overlap, the active tab 2 is on top.
    EXPECT_EQ(rig.Strip.HitTest({ second.Right - 3, 28 }).TabIndex, 2);
    rig.Strip.SetActiveTabIndex(0);
    EXPECT_EQ(rig.Strip.HitTest({ second.Right - 3, 28 }).TabIndex, 1) << "lower indices lie above higher ones";
    EXPECT_EQ(rig.Strip.HitTest({ 500, 10 }).HitTestArea, htNowhere);
    EXPECT_EQ(rig.Strip.HitTest({ 395, 2 }).HitTestArea, htBackground);
}

TEST(SlantTabsMouse, RightToLeftStripsAreHitWhereTheyShow)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    rig.Strip.SetBiDiMode(bdRightToLeft);
    rig.Layout();
    const TRect first = rig.End(0);
    // The first tab shows at the right end of the strip.
    EXPECT_EQ(rig.Strip.HitTest({ 400 - (first.Left + first.Right) / 2 - 20, 20 }).TabIndex, 0);
    EXPECT_EQ(rig.Strip.HitTest({ (first.Left + first.Right) / 2 - 20, 20 }).TabIndex, 2);
}

TEST(SlantTabsMouse, HoverMakesAnInactiveTabHot)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    rig.Move(rig.Centre(0));
    EXPECT_EQ(rig.Strip.Tabs()[0]->TabControl()->DrawState(), dsHot);
    rig.Move(rig.Centre(1));
    EXPECT_EQ(rig.Strip.Tabs()[0]->TabControl()->DrawState(), dsNotActive);
    EXPECT_EQ(rig.Strip.Tabs()[1]->TabControl()->DrawState(), dsHot);
    EXPECT_EQ(rig.Strip.Tabs()[2]->TabControl()->DrawState(), dsActive);
}

// A form that keeps every system command it is sent.
struct TCommandForm : TForm {
    using TForm::TForm;
    std::vector<intptr_t> Commands;
    void WMSysCommand(TMessage& message) override
    {
        Commands.push_back(message.WParam);
        TForm::WMSysCommand(message);
    }
};

TEST(SlantTabsMouse, TheBackgroundMovesMaximisesAndRestoresTheForm)
{
    static constexpr TPoint Background { 395, 10 };
    struct TCase {
        const char* Name;
        bool Moves;
        bool Maximises;
        std::function<void(TStripRig&)> Act;
        std::vector<intptr_t> Commands;
        TWindowState State;
    };
    const auto doubleClick = [](TStripRig& r, TPoint at) {
        r.Strip.Perform(WM_LBUTTONDBLCLK, 0, PointToLParam(at));
        r.Release(at);
    };
    const TCase cases[] = {
        { "press on the background moves", true, true, [](TStripRig& r) { r.Press(Background); }, { 0xF012 }, wsNormal },
        { "press with moving off", false, true, [](TStripRig& r) { r.Press(Background); r.Release(Background); }, {}, wsNormal },
        { "press on a tab", true, true, [](TStripRig& r) { r.Press(r.Centre(0)); r.Release(r.Centre(0)); }, {}, wsNormal },
        { "double click maximises", true, true, [&](TStripRig& r) { doubleClick(r, Background); }, { SC_MAXIMIZE }, wsMaximized },
        { "second double click restores", true, true, [&](TStripRig& r) { doubleClick(r, Background); doubleClick(r, Background); },
            { SC_MAXIMIZE, SC_RESTORE }, wsNormal },
        { "double click with the option off", true, false, [&](TStripRig& r) { doubleClick(r, Background); }, {}, wsNormal },
        { "double click on a tab", true, true, [&](TStripRig& r) { doubleClick(r, r.Centre(1)); }, {}, wsNormal },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TCommandForm form(nullptr);
        form.SetBounds(0, 0, 500, 200);
        TStripRig rig(2, 400);
        rig.Strip.SetParent(&form);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Options().Behaviour().SetBackgroundDragMovesForm(c.Moves);
        rig.Strip.Options().Behaviour().SetBackgroundDblClickMaximiseRestoreForm(c.Maximises);
        rig.Layout();
        ASSERT_EQ(rig.Strip.HitTest(Background).HitTestArea, htBackground);
        c.Act(rig);
        EXPECT_EQ(form.Commands, c.Commands);
        EXPECT_EQ(form.WindowState(), c.State);
        // The window system takes the release of a moving press: the strip must not wait for it.
        EXPECT_FALSE(rig.Strip.HasState(stsMouseDown));
        rig.Strip.SetParent(nullptr);
    }
}

// Asks the strip for a hint at point the way the platform does, with the
// strip's own hint filled in beforehand.
std::pair<intptr_t, THintInfo> AskHint(TCustomSlantTabs& strip, TPoint point)
{
    THintInfo info;
    info.HintControl = &strip;
    info.CursorPos = point;
    info.CursorRect = strip.ClientRect();
    info.HideTimeout = 2500;
    info.HintStr = strip.Hint();
    const intptr_t result = strip.Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
    return { result, info };
}

TEST(SlantTabsMouse, HintsNameTheTabUnderTheCursorElseTheStripsOwn)
{
    struct TCase {
        const char* Name;
        std::function<TPoint(TStripRig&)> At;
        const char* StripHint;
        intptr_t Result;
        const char* Text;
        int32_t Timeout;
    };
    const TCase cases[] = {
        { "tab", [](TStripRig& r) { return r.Centre(0); }, "strip", 0, "A", 5000 },
        { "tab without caption", [](TStripRig& r) { return r.Centre(1); }, "strip", 0, "<No Caption>", 5000 },
        { "background", [](TStripRig&) { return TPoint { 395, 10 }; }, "strip", 0, "strip", 2500 },
        { "background without a hint", [](TStripRig&) { return TPoint { 395, 10 }; }, "", 0, "", 2500 },
        { "while dragging", [](TStripRig& r) { r.Press(r.Centre(2)); r.Move({ r.Centre(2).X - 6, r.Centre(2).Y }); return r.Centre(2); },
            "strip", 1, "strip", 2500 },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TStripRig rig(3, 400);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Tabs()[1]->SetCaption(String());
        rig.Strip.SetHint(QString::fromUtf8(c.StripHint));
        rig.Layout();
        const auto [result, info] = AskHint(rig.Strip, c.At(rig));
        EXPECT_EQ(result, c.Result);
        EXPECT_EQ(info.HintStr, QString::fromUtf8(c.Text));
        EXPECT_EQ(info.HideTimeout, c.Timeout);
    }
}

TEST(SlantTabsMouse, ATabsHintHoldsWhereTheTabShows)
{
    for (const TBiDiMode mode : { bdLeftToRight, bdRightToLeft }) {
        SCOPED_TRACE(mode == bdLeftToRight ? "left to right" : "right to left");
        TStripRig rig(6, 300);
        DialogSettings(rig.Strip);
        rig.Strip.SetBiDiMode(mode);
        rig.Layout();
        rig.Strip.SetScrollOffset(100);
        rig.Layout();
        int32_t found = 0;
        for (int32_t x = 0; x < 300; x += 7) {
            const TPoint point { x, 20 };
            const THitTestResult hit = rig.Strip.HitTest(point);
            if (hit.HitTestArea != htTab)
                continue;
            ++found;
            const THintInfo info = AskHint(rig.Strip, point).second;
            EXPECT_TRUE(info.CursorRect.Contains(point)) << x;
            const TPoint middle { (info.CursorRect.Left + info.CursorRect.Right) / 2, 20 };
            if (info.CursorRect.Left >= 0 && info.CursorRect.Right <= 300) {
                EXPECT_EQ(rig.Strip.HitTest(middle).TabIndex, hit.TabIndex) << x;
            }
        }
        EXPECT_GT(found, 10);
    }
}

TEST(SlantTabsMouse, BuiltInMenuListsActionsAndTabs)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    rig.Strip.SetActiveTabIndex(1);
    rig.Press(rig.Centre(0), WM_RBUTTONDOWN);
    rig.Strip.SetActiveTabIndex(1);
    std::unique_ptr<TPopupMenu> menu = rig.Strip.BuildTabMenu();
    std::vector<std::string> captions;
    std::vector<intptr_t> tags;
    for (int32_t index = 0; index < menu->Items().Count(); ++index) {
        captions.push_back(menu->Items().Items(index)->Caption().toStdString());
        tags.push_back(menu->Items().Items(index)->Tag());
    }
    EXPECT_EQ(captions, (std::vector<std::string> { "New tab", "-", "Delete Tab", "-", "Pin this tab", "-", "A", "B", "C" }));
    EXPECT_EQ(tags, (std::vector<intptr_t> { 3, -1, 2, -1, 0, -1, 10, 11, 12 }));
    EXPECT_TRUE(menu->Items().Items(7)->Checked());
    menu->Items().Items(8)->Click();
    EXPECT_EQ(rig.Shape(), "AB[C]");
    menu->Items().Items(4)->Click();
    EXPECT_TRUE(rig.Strip.Tabs()[0]->Pinned());
    rig.Strip.Tabs()[1]->SetCaption(String());
    EXPECT_EQ(rig.Strip.GetTabDescription(1), QStringLiteral("<No Caption>"));
}

TEST(SlantTabsDrag, ATabNeedsTwoPixelsToStartADrag)
{
    struct TCase {
        int32_t Dx, Dy;
        bool Drags;
    };
    const TCase cases[] = { { 1, 0, false }, { 0, 1, false }, { 2, 0, true }, { 0, -2, true } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Dx) + "," + std::to_string(c.Dy));
        TStripRig rig(3, 400);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Layout();
        const TPoint at = rig.Centre(2);
        rig.Press(at);
        rig.Move({ at.X + c.Dx, at.Y + c.Dy });
        EXPECT_EQ(rig.Strip.HasState(stsDragging), c.Drags);
        rig.Release({ at.X + c.Dx, at.Y + c.Dy });
        EXPECT_FALSE(rig.Strip.HasState(stsDragging));
    }
}

TEST(SlantTabsDrag, DroppingMovesTheTabAndCancellingPutsItBack)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().DragDrop().SetDragType(dtWithinContainer);
    rig.Layout();
    const TPoint from = rig.Centre(2);
    rig.Press(from);
    rig.Move({ from.X - 5, from.Y });
    rig.Layout();
    rig.Move({ 5, from.Y });
    rig.Layout();
    rig.Release({ 5, from.Y });
    EXPECT_EQ(rig.Shape(), "[C]AB");

    std::vector<bool> ends;
    rig.Strip.OnTabDragEnd = [&](TCustomSlantTabs*, int32_t, int32_t, bool cancelled) { ends.push_back(cancelled); };
    rig.Layout();
    const TPoint again = rig.Centre(0);
    rig.Press(again);
    rig.Move({ again.X + 5, again.Y });
    rig.Layout();
    rig.Move({ 390, again.Y });
    rig.Layout();
    rig.Strip.Perform(CN_KEYDOWN, 0x1B, 0);
    EXPECT_EQ(rig.Shape(), "[C]AB") << "a cancelled drag never moves, copies or deletes";
    EXPECT_EQ(ends, (std::vector<bool> { true, true }));
    EXPECT_FALSE(rig.Strip.HasState(stsDragging));
}

TEST(SlantTabsDrag, ReleasingOutsideEveryStripDeletesOnlyTheDraggedTab)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().DragDrop().SetDragType(dtWithinContainer);
    rig.Layout();
    rig.Strip.OnTabDragDrop = [](TCustomSlantTabs*, int32_t, int32_t, const std::shared_ptr<TDragTabObject>&, bool, TTabDropOptions& options) {
        options = { tdDeleteDraggedTab };
    };
    const TPoint from = rig.Centre(2);
    rig.Press(from);
    rig.Move({ from.X - 5, from.Y });
    rig.Release({ from.X - 5, from.Y });
    EXPECT_EQ(rig.Shape(), "A[B]");
}

TEST(SlantTabsDrag, TheSourceStripTakesItsTabBackOnlyOverTheTabArea)
{
    struct TCase {
        TPoint At;
        bool Accepted;
    };
    const TCase cases[] = { { { 100, 15 }, true }, { { 100, 2 }, false }, { { 395, 15 }, false } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.At.X) + "," + std::to_string(c.At.Y));
        TStripRig rig(3, 400);
        rig.Strip.Options().Scrolling().SetAutoHideButtons(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Options().DragDrop().SetDragType(dtWithinContainer);
        ASSERT_TRUE(rig.Strip.Options().Display().TabContainer().OverlayButtons());
        rig.Layout();
        ASSERT_FALSE(rig.Strip.TabContainerRect().Contains({ 395, 15 })) << "the scroll buttons lie outside the tab area";
        std::vector<bool> accepted;
        rig.Strip.OnTabDragOver = [&](TCustomSlantTabs*, int32_t, int32_t, TDragState state, const std::shared_ptr<TDragTabObject>&, bool& accept) {
            if (state == dsDragMove)
                accepted.push_back(accept);
        };
        const TPoint from = rig.Centre(1);
        rig.Press(from);
        rig.Move({ from.X + 5, from.Y });
        accepted.clear();
        rig.Move(c.At);
        EXPECT_EQ(accepted, std::vector<bool> { c.Accepted });
        rig.Release(c.At);
    }
}

// A strip of a kind that hooks the drag and the mouse.
class THookedStrip final : public TCustomSlantTabs {
public:
    explicit THookedStrip(TComponent* owner) : TCustomSlantTabs(owner)
    {
        FOnBeginTabDrag = [this](TCustomSlantTabs*, TSlantTab*, bool& allow) { allow = AllowDrag; };
    }
    bool AllowDrag = true;
    std::vector<std::string> Calls;

protected:
    void DoBeginTabDrag(TSlantTab* tab, bool& allow) override
    {
        Calls.push_back("begin " + tab->Caption().toStdString());
        TCustomSlantTabs::DoBeginTabDrag(tab, allow);
    }
    void DoTabDragEnd(int32_t, int32_t, bool cancelled) override { Calls.push_back(cancelled ? "end cancelled" : "end"); }
    void DoMouseLeave() override
    {
        Calls.push_back("leave");
        TCustomSlantTabs::DoMouseLeave();
    }
};

TEST(SlantTabsDrag, DerivedStripsHookTheStartAndEndOfADragAndTheMouseLeaving)
{
    for (const bool allow : { false, true }) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        THookedStrip strip(nullptr);
        strip.SetWidth(400);
        strip.Options().Scrolling().SetEnabled(false);
        strip.Options().DragDrop().SetDragType(dtWithinContainer);
        for (const char* caption : { "A", "B" })
            strip.Tabs().Add()->SetCaption(QString::fromLatin1(caption));
        strip.CalculateButtonRects();
        strip.CalculateTabPositions();
        strip.AllowDrag = allow;
        bool leftEvent = false;
        strip.OnMouseLeave = [&](TComponent*) { leftEvent = true; };
        const TRect b = strip.ScrolledRect(strip.Tabs()[1]->TabControl()->ControlRect());
        const TPoint at { (b.Left + b.Right) / 2, 20 };
        strip.Perform(WM_LBUTTONDOWN, 0, PointToLParam(at));
        strip.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ at.X + 5, at.Y }));
        EXPECT_EQ(strip.HasState(stsDragging), allow);
        strip.Perform(WM_LBUTTONUP, 0, PointToLParam({ at.X + 5, at.Y }));
        strip.Perform(CM_MOUSELEAVE);
        const std::vector<std::string> expected = allow ? std::vector<std::string> { "begin B", "end", "end", "leave" }
                                                        : std::vector<std::string> { "begin B", "leave" };
        EXPECT_EQ(strip.Calls, expected);
        EXPECT_TRUE(leftEvent);
    }
}

TEST(SlantTabsAnimation, MovementFollowsTheClock)
{
    TStripRig rig(1, 400, true);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    // Placements after a resize are immediate until the next tab arrives.
    rig.Strip.Tabs().Add()->SetCaption(QStringLiteral("B"));
    TSlantTabControl& second = *rig.Strip.Tabs()[1]->TabControl();
    rig.Layout();
    const TRect start = second.ControlRect();
    const TRect end = second.EndRect();
    ASSERT_NE(start, end);
    EXPECT_EQ(start.Width(), 40) << "a new tab grows from the minimum animation width";
    rig.Clock.Advance(50);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_TRUE(rig.Strip.HasState(stsAnimatingMovement));
    EXPECT_EQ(second.ControlRect().Right, (start.Right + end.Right + 1) / 2);
    rig.Clock.Advance(50);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_EQ(second.ControlRect(), end);
    EXPECT_TRUE(rig.Strip.HasState(stsAnimatingMovement)) << "the step that arrives still counts";
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_FALSE(rig.Strip.HasState(stsAnimatingMovement));
    rig.Clock.Advance(300);
    rig.Strip.AnimateTimerTick(nullptr);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_FALSE(rig.Strip.HasState(stsAnimatingMovement));
    EXPECT_FALSE(rig.Strip.HasState(stsAnimatingStyle));
}

TEST(SlantTabsAnimation, HoverFadesThroughTheColoursByTime)
{
    TStripRig rig(2, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Layout();
    TSlantTabControl& first = *rig.Strip.Tabs()[0]->TabControl();
    const TColor from = first.Look().CurrentTabProperties().StartColor;
    rig.Move(rig.Centre(0));
    const TColor to = rig.Strip.LookAndFeel().Tabs().Hot().Style().StartColor();
    rig.Clock.Advance(150);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_EQ(first.Look().CurrentTabProperties().StartColor, ColorBetween(from, to, 50));
    rig.Clock.Advance(150);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_EQ(first.Look().CurrentTabProperties().StartColor, to);
    rig.Strip.SetActiveTabIndex(0);
    EXPECT_EQ(first.Look().CurrentTabProperties().StartColor, rig.Strip.LookAndFeel().Tabs().Active().Style().StartColor())
        << "activation changes the look at once";
}

TEST(SlantTabsAnimation, ModifiedGlowStepsAtMostEvery50Milliseconds)
{
    TStripRig rig(2, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().TabModifiedGlow().SetEaseType(ttLinearTween);
    // A clock past half its range must not make the first step wait.
    rig.Clock.Advance(0x80000000u);
    rig.Strip.Tabs()[0]->SetModified(true);
    TSlantTabControl& control = *rig.Strip.Tabs()[0]->TabControl();
    rig.Strip.AnimateTimerTick(nullptr);
    const int32_t first = control.ModifiedPosition();
    EXPECT_EQ(first, control.ControlRect().Right) << "the sweep starts at the right edge";
    for (const uint32_t step : { 15u, 15u }) {
        rig.Clock.Advance(step);
        rig.Strip.AnimateTimerTick(nullptr);
        EXPECT_EQ(control.ModifiedPosition(), first);
    }
    rig.Clock.Advance(25);
    rig.Strip.AnimateTimerTick(nullptr);
    EXPECT_LT(control.ModifiedPosition(), first);
    EXPECT_TRUE(rig.Strip.HasState(stsAnimatingStyle));
}

TEST(SlantTabsAnimation, AClosingTabShrinksAndLeaves)
{
    TStripRig rig(3, 400, true);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    rig.Clock.Advance(1000);
    rig.Strip.AnimateTimerTick(nullptr);
    rig.Strip.DeleteTabByIndex(1);
    EXPECT_TRUE(rig.Strip.Tabs()[1]->MarkedForDeletion());
    for (int step = 0; step < 20 && rig.Strip.Tabs().Count() == 3; ++step) {
        rig.Clock.Advance(20);
        rig.Strip.AnimateTimerTick(nullptr);
    }
    EXPECT_EQ(rig.Shape(), "A[C]");
}

TEST(SlantTabsPaint, FillsOutlinesAndTheBaseLine)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
    rig.Strip.SetActiveTabIndex(1);
    rig.Strip.DrawCanvas();
    const TRect active = rig.End(1);
    const TRect inactive = rig.End(0);
    EXPECT_TRUE(Near(rig.Pixel(2, 1), RGB(98, 146, 222), 10)) << "the container's gradient starts at the top";
    EXPECT_TRUE(Near(rig.Pixel((active.Left + active.Right) / 2, 10), RGB(253, 253, 253), 4)) << "the active tab is near white";
    const TColor inactiveFill = rig.Pixel((inactive.Left + inactive.Right) / 2 - 20, 10);
    EXPECT_TRUE(Near(inactiveFill, RGB(174, 192, 222), 12)) << std::hex << inactiveFill;
    EXPECT_TRUE(Near(rig.Pixel((active.Left + active.Right) / 2, 4), RGB(94, 124, 155), 40)) << "the active tab's outline";
    const int32_t baseLineY = rig.Strip.TabContainerRect().Bottom - 1;
    EXPECT_TRUE(Near(rig.Pixel((inactive.Left + inactive.Right) / 2, baseLineY), RGB(109, 136, 169), 12));
    EXPECT_FALSE(Near(rig.Pixel((active.Left + active.Right) / 2, baseLineY), RGB(109, 136, 169), 30)) << "the active tab lies over it";
    // Where tabs 0 and 1 overlap, the active tab 1 is drawn on top.
    EXPECT_TRUE(Near(rig.Pixel(inactive.Right - 4, 26), rig.Pixel((active.Left + active.Right) / 2, 26), 6));
}

// The darkest channel value met in the columns [left, right) of the rows [top, bottom).
int32_t DarkestIn(const TBitmap& picture, int32_t left, int32_t right, int32_t top, int32_t bottom)
{
    TBitmap copy;
    copy.Assign(picture);
    int32_t darkest = 255;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            const TColor color = copy.Canvas().Pixels(x, y);
            darkest = std::min({ darkest, int32_t { GetRValue(color) }, int32_t { GetGValue(color) }, int32_t { GetBValue(color) } });
        }
    return darkest;
}

TEST(SlantTabsPaint, ScrollButtonsLookDisabledWhereNothingIsLeftToScroll)
{
    struct TCase {
        const char* Name;
        TBiDiMode Mode;
        int32_t Offset;
        bool LeftDisabled, RightDisabled;
    };
    const TCase cases[] = {
        { "unscrolled", bdLeftToRight, 0, true, false },
        { "half way", bdLeftToRight, 300, false, false },
        { "at the end", bdLeftToRight, 10000, false, true },
        { "unscrolled, right to left", bdRightToLeft, 0, false, true },
        { "at the end, right to left", bdRightToLeft, 10000, true, false },
    };
    // The body's top rows: opaque when it can be pressed, the container showing through when not.
    const TColor active = RGB(205, 214, 223);
    const TColor disabled = RGB(150, 176, 216);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TStripRig rig(6, 300);
        DialogSettings(rig.Strip);
        rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
        // Tabs clipped to their area: the buttons show the container through them.
        rig.Strip.Options().Display().TabContainer().SetOverlayButtons(false);
        rig.Strip.SetBiDiMode(c.Mode);
        rig.Layout();
        // The arrivals are over (the last one scrolled into view) before the test scrolls.
        rig.Strip.AnimateTimerTick(nullptr);
        rig.Strip.SetScrollOffset(c.Offset);
        rig.Clock.Advance(1000);
        rig.Strip.AnimateTimerTick(nullptr);
        EXPECT_EQ(rig.Strip.ScrollButtonLeftControl().DrawState() == dsDisabled, c.LeftDisabled);
        EXPECT_EQ(rig.Strip.ScrollButtonRightControl().DrawState() == dsDisabled, c.RightDisabled);
        if (c.Mode == bdLeftToRight) {
            const TRect left = rig.Strip.ScrollButtonLeftControl().EndRect();
            const TRect right = rig.Strip.ScrollButtonRightControl().EndRect();
            EXPECT_TRUE(Near(rig.Pixel(left.Left + 2, left.Top + 2), c.LeftDisabled ? disabled : active, 12));
            EXPECT_TRUE(Near(rig.Pixel(right.Left + 2, right.Top + 2), c.RightDisabled ? disabled : active, 12));
        }
    }
}

TEST(SlantTabsPaint, CaptionsFadeOutTowardsTheirEnd)
{
    for (const TBiDiMode mode : { bdLeftToRight, bdRightToLeft }) {
        SCOPED_TRACE(mode == bdLeftToRight ? "left to right" : "right to left");
        TStripRig rig(1, 400);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
        rig.Strip.SetBiDiMode(mode);
        rig.Strip.Tabs()[0]->SetCaption(QString(60, u'W'));
        const TBitmap& picture = rig.Strip.DrawCanvas();
        const TRect text = rig.Strip.Tabs()[0]->TabControl()->CalculateRects().TextRect;
        ASSERT_GT(text.Width(), 100);
        const int32_t top = text.Top + 7;
        const int32_t bottom = text.Bottom - 6;
        const int32_t start = DarkestIn(picture, text.Left, text.Left + 5, top, bottom);
        const int32_t middle = DarkestIn(picture, text.Left + text.Width() * 2 / 5, text.Left + text.Width() * 2 / 5 + 10, top, bottom);
        const int32_t end = DarkestIn(picture, text.Right - 5, text.Right, top, bottom);
        EXPECT_LT(middle, 90) << "the caption is fully drawn away from its end";
        // The last 15 per cent fade: at the right, or at the left when read from the right.
        EXPECT_GT(mode == bdLeftToRight ? end : start, 170);
        EXPECT_LT(mode == bdLeftToRight ? start : end, 90);
    }
}

TEST(SlantTabsPaint, OverlapsShowOnlyTheTabOnTop)
{
    TStripRig rig(3, 400);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
    rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
    rig.Layout();
    // Tabs 0 [0, 143) and 1 [129, 272) overlap; both see-through, neither active.
    ASSERT_EQ(rig.End(0).Right, 143);
    ASSERT_EQ(rig.End(1).Left, 129);
    rig.Strip.DrawCanvas();
    EXPECT_TRUE(Near(rig.Pixel(136, 26), rig.Pixel(60, 26), 3)) << "tab 1 leaves out the part of tab 0 drawn over it";
}

TEST(SlantTabsPaint, CloseButtonShowsARedDiscWhenHotOrPressed)
{
    struct TCase {
        TDrawState State;
        bool Disc;
        TColor Colour;
    };
    const TCase cases[] = { { dsNotActive, false, 0 }, { dsHot, true, RGB(223, 147, 146) }, { dsDown, true, RGB(193, 53, 53) } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.State));
        TStripRig rig(1, 400);
        rig.Strip.Options().Scrolling().SetEnabled(false);
        rig.Strip.Options().Display().AddButton().SetVisibility(avNone);
        rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
        rig.Strip.DrawCanvas();
        rig.Strip.Tabs()[0]->TabControl()->SetCloseButtonState(c.State);
        // Inside the circle, above the cross.
        const TPoint centre = rig.CloseButton(0);
        const TColor inside = rig.Pixel(centre.X, centre.Y - 5);
        if (c.Disc)
            EXPECT_TRUE(Near(inside, c.Colour, 12)) << std::hex << inside;
        else
            EXPECT_TRUE(Near(inside, rig.Pixel(centre.X - 20, centre.Y - 5), 3)) << "a clear circle shows the tab";
    }
}

TEST(SlantTabsPaint, SeeThroughStripShowsItsParent)
{
    class TRedPanel : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;

    protected:
        void Paint() override
        {
            Canvas().Brush().SetColor(clRed);
            Canvas().FillRect(ClientRect());
        }
    };
    TRedPanel parent(nullptr);
    parent.SetBounds(0, 0, 500, 60);
    TStripRig rig(1, 400);
    rig.Strip.SetParent(&parent);
    rig.Strip.SetBounds(10, 20, 400, 30);
    rig.Strip.Options().Scrolling().SetEnabled(false);
    EXPECT_EQ(rig.Pixel(395, 2), clRed);
    bool handled = false;
    rig.Strip.OnBeforeDrawItem = [&](TCustomSlantTabs*, TGPGraphics&, const TRect&, TSlantTabItemType type, int32_t, bool& h) {
        if (type == itTabContainer)
            h = handled = true;
    };
    rig.Strip.Options().Display().TabContainer().SetTransparentBackground(false);
    EXPECT_EQ(rig.Pixel(395, 2), clRed) << "a handled container leaves the parent showing";
    EXPECT_TRUE(handled);
    rig.Strip.OnBeforeDrawItem = nullptr;
    EXPECT_TRUE(Near(rig.Pixel(395, 2), RGB(98, 146, 222), 12));
    rig.Strip.SetParent(nullptr);
}

TEST(SlantTabsText, SavingReplacesTheFileWholeAndLoadingRestoresIt)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("slanttabs-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const String file = String::fromStdString((folder / "options.txt").string());
    TStripRig rig;
    String text;
    rig.Strip.SaveOptions(text);
    rig.Strip.SaveOptionsToFile(file);
    rig.Strip.SaveOptionsToFile(file);
    const TBytes bytes = ReadFileBytes(file);
    EXPECT_EQ(String::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), text);
    rig.Strip.Options().Display().Tabs().SetMinWidth(150);
    rig.Strip.LoadOptionsFromFile(file);
    EXPECT_EQ(rig.Strip.Options().Display().Tabs().MinWidth(), 25);
    const String lookFile = String::fromStdString((folder / "look.txt").string());
    rig.Strip.SaveLookAndFeelToFile(lookFile);
    rig.Strip.LookAndFeel().Tabs().Hot().Style().SetStartColor(clRed);
    rig.Strip.LoadLookAndFeelFromFile(lookFile);
    EXPECT_EQ(rig.Strip.LookAndFeel().Tabs().Hot().Style().StartColor(), RGB(216, 226, 239));
    EXPECT_TRUE(rig.Strip.OptionsToCode().contains(QStringLiteral("SlantTabs1.Options.Display.Tabs.TabOverlap := 15;")));
    EXPECT_THROW(rig.Strip.SaveOptionsToFile(String::fromStdString((folder / "missing" / "o.txt").string())), Exception);
    std::filesystem::remove_all(folder);
}

} // namespace
