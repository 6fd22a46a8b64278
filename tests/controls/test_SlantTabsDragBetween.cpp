#include "controls/SlantTabs.h"
#include "controls/SlantTabsWindowSearch.h"

#include "platform/core/Exception.h"
#include "platform/os/Clock.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>
#include <QWidget>

#include <string>
#include <vector>

namespace {

TEST(SlantTabsWindowSearch, TriesTheOutermostCornersFirstAndThePointLast)
{
    std::vector<TPoint> probes;
    const auto none = [&](TPoint point) -> TCustomSlantTabs* {
        probes.push_back(point);
        return nullptr;
    };
    EXPECT_EQ(SlantTabsControlFromPoint({ 100, 100 }, 30, 5, none), nullptr);
    ASSERT_EQ(probes.size(), 25u);
    EXPECT_EQ(probes[0], Point(70, 70));
    EXPECT_EQ(probes[1], Point(130, 70));
    EXPECT_EQ(probes[2], Point(130, 130));
    EXPECT_EQ(probes[3], Point(70, 130));
    EXPECT_EQ(probes[4], Point(75, 75));
    EXPECT_EQ(probes.back(), Point(100, 100));

    TSlantTabs strip(nullptr);
    probes.clear();
    const auto onlyThePoint = [&](TPoint point) -> TCustomSlantTabs* {
        probes.push_back(point);
        return point == Point(100, 100) ? &strip : nullptr;
    };
    EXPECT_EQ(SlantTabsControlFromPoint({ 100, 100 }, 30, 5, onlyThePoint), &strip);
    EXPECT_EQ(probes.size(), 25u);
    probes.clear();
    EXPECT_EQ(SlantTabsControlFromPoint({ 100, 100 }, 30, 0, onlyThePoint), &strip) << "a step of 0 tests the point alone";
    EXPECT_EQ(probes.size(), 1u);
}

// Two strips on one shown window, side by side.
struct TTwoStrips {
    TFakeClock Clock { 5000 };
    TClockScope Scope { Clock };
    TForm Window { nullptr };
    TSlantTabs Left { nullptr };
    TSlantTabs Right { nullptr };
    // The payload of the left strip's drag, kept as a handler could keep it.
    std::shared_ptr<TDragTabObject> Held;

    TTwoStrips()
    {
        Left.OnTabDragOver = [this](TCustomSlantTabs*, int32_t, int32_t, TDragState, const std::shared_ptr<TDragTabObject>& drag, bool&) {
            Held = drag;
        };
        Window.SetBounds(100, 100, 900, 40);
        Window.SetClientWidth(900);
        Window.SetClientHeight(40);
        for (TSlantTabs* strip : { &Left, &Right }) {
            strip->SetParent(&Window);
            strip->Options().Scrolling().SetEnabled(false);
            strip->Options().Display().AddButton().SetVisibility(avNone);
            strip->Options().Display().TabContainer().SetOverlayButtons(false);
        }
        Left.SetBounds(0, 0, 400, 30);
        Right.SetBounds(480, 0, 400, 30);
        for (const char* caption : { "A", "B", "C" })
            Left.Tabs().Add()->SetCaption(QString::fromLatin1(caption));
        for (const char* caption : { "X", "Y" })
            Right.Tabs().Add()->SetCaption(QString::fromLatin1(caption));
        Window.Show();
        QApplication::processEvents();
        Left.DrawCanvas();
        Right.DrawCanvas();
    }
    ~TTwoStrips()
    {
        Left.SetParent(nullptr);
        Right.SetParent(nullptr);
    }
    static std::string Shape(TSlantTabs& strip)
    {
        std::string shape;
        for (int32_t index = 0; index < strip.Tabs().Count(); ++index) {
            const std::string caption = strip.Tabs()[index]->Caption().toStdString();
            shape += strip.Tabs()[index]->Active() ? "[" + caption + "]" : caption;
        }
        return shape;
    }
    // Presses on a tab of the left strip and moves far enough to drag it.
    void Start(TPoint from)
    {
        Left.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(from));
        Left.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ from.X + 5, from.Y }));
        Left.DrawCanvas();
    }
    // To a point in the left strip's coordinates, the button held.
    void MoveTo(TPoint to)
    {
        Left.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(to));
        Left.DrawCanvas();
        Right.DrawCanvas();
    }
    void Finish(TPoint at, bool cancel)
    {
        if (cancel)
            Left.Perform(CN_KEYDOWN, 0x1B, 0);
        else
            Left.Perform(WM_LBUTTONUP, 0, PointToLParam(at));
    }
    void Drag(TPoint from, TPoint to, bool cancel)
    {
        Start(from);
        MoveTo(to);
        Finish(to, cancel);
    }
    TPoint Centre(TSlantTabs& strip, int32_t index)
    {
        const TRect r = strip.Tabs()[index]->TabControl()->ControlRect();
        return { (r.Left + r.Right) / 2, 20 };
    }
};

TEST(SlantTabsDragBetween, DroppingOnAnotherStripMovesTheTabThere)
{
    TTwoStrips strips;
    std::vector<std::string> dropped;
    strips.Right.OnTabDragDropped = [&](TCustomSlantTabs* sender, const std::shared_ptr<TDragTabObject>&, TSlantTab* tab) {
        dropped.push_back((sender == &strips.Right ? "right " : "left ") + tab->Caption().toStdString());
    };
    // Between the right strip's two tabs, in the left strip's coordinates;
    // the gap it opens there takes the tab's grip point into account.
    strips.Drag(strips.Centre(strips.Left, 2), { 480 + 200, 20 }, false);
    EXPECT_EQ(TTwoStrips::Shape(strips.Left), "A[B]");
    EXPECT_EQ(TTwoStrips::Shape(strips.Right), "X[C]Y");
    EXPECT_EQ(dropped, std::vector<std::string> { "right C" });
    EXPECT_FALSE(strips.Left.HasState(stsDragging));
    EXPECT_EQ(strips.Right.ActiveDragTabObject(), nullptr);
}

TEST(SlantTabsDragBetween, APinnedTabLandsInThePinnedRun)
{
    struct TCase {
        const char* Name;
        int32_t HandlerIndex;
        const char* Right;
    };
    const TCase cases[] = {
        { "at the slot the layout opened", -1, "X[A]YZ" },
        { "past the pinned run, as a handler asked", 3, "XY[A]Z" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTwoStrips strips;
        strips.Right.Tabs().Add()->SetCaption(QStringLiteral("Z"));
        strips.Left.Tabs()[0]->SetPinned(true);
        strips.Right.Tabs()[0]->SetPinned(true);
        strips.Right.Tabs()[1]->SetPinned(true);
        strips.Left.DrawCanvas();
        strips.Right.DrawCanvas();
        if (c.HandlerIndex >= 0)
            strips.Right.OnTabDragDrop = [&](TCustomSlantTabs*, int32_t, int32_t, const std::shared_ptr<TDragTabObject>& drag, bool, TTabDropOptions&) {
                drag->DropTabIndex = c.HandlerIndex;
            };
        // Over the right strip's second pinned tab.
        strips.Drag(strips.Centre(strips.Left, 0), { 480 + 60, 20 }, false);
        EXPECT_EQ(TTwoStrips::Shape(strips.Right), c.Right);
        EXPECT_EQ(strips.Right.LastPinnedIndex(), 2);
        EXPECT_TRUE(strips.Left.Tabs()[0]->MarkedForDeletion()) << "the source closes its tab";
    }
}

TEST(SlantTabsDragBetween, CancellingOverAnotherStripLosesNothing)
{
    TTwoStrips strips;
    const TPoint target { 480 + strips.Centre(strips.Right, 1).X, 20 };
    strips.Drag(strips.Centre(strips.Left, 2), target, true);
    EXPECT_EQ(TTwoStrips::Shape(strips.Left), "AB[C]");
    EXPECT_EQ(TTwoStrips::Shape(strips.Right), "X[Y]");
}

TEST(SlantTabsDragBetween, CancellingOutsideEveryStripLosesNothing)
{
    TTwoStrips strips;
    strips.Drag(strips.Centre(strips.Left, 2), { 440, 300 }, true);
    EXPECT_EQ(TTwoStrips::Shape(strips.Left), "AB[C]");
    EXPECT_EQ(TTwoStrips::Shape(strips.Right), "X[Y]");
}

// Where the drag picture of the left strip's tab should be for the pointer at
// a point of the left strip: the pointer keeps its grip on the picture.
TPoint PicturePlace(TSlantTabs& strip, const TDragTabObject& drag, TPoint at)
{
    const TPoint screen = strip.ClientToScreen(at);
    return { screen.X - drag.DragFormOffset.X, screen.Y - drag.DragFormOffset.Y };
}

TEST(SlantTabsDragImage, FollowsThePointerOnlyOutsideEveryStripAndGoesAtTheDrop)
{
    for (const bool cancel : { false, true }) {
        SCOPED_TRACE(cancel ? "cancelled" : "dropped");
        TTwoStrips strips;
        strips.Left.Options().DragDrop().SetDragDisplay(ddTab);
        int built = 0;
        strips.Left.OnAfterDragImageCreated = [&](TCustomSlantTabs*) { ++built; };
        const int32_t formsBefore = Screen->FormCount();

        strips.Start(strips.Centre(strips.Left, 2));
        ASSERT_NE(strips.Held, nullptr);
        EXPECT_EQ(strips.Held->DragForm, nullptr) << "over its own strip the tab itself shows";

        const TPoint outside { 440, 300 };
        strips.MoveTo(outside);
        ASSERT_NE(strips.Held->DragForm, nullptr);
        TForm* form = strips.Held->DragForm.get();
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(Point(form->Left(), form->Top()), PicturePlace(strips.Left, *strips.Held, outside));

        const TPoint further { 470, 320 };
        strips.MoveTo(further);
        EXPECT_EQ(strips.Held->DragForm.get(), form);
        EXPECT_EQ(Point(form->Left(), form->Top()), PicturePlace(strips.Left, *strips.Held, further));

        strips.MoveTo({ 480 + 200, 20 });
        ASSERT_EQ(strips.Held->DragForm.get(), form) << "hidden over a strip, not rebuilt";
        EXPECT_FALSE(form->Visible());

        strips.MoveTo(outside);
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(built, 1);

        strips.Finish(outside, cancel);
        EXPECT_EQ(strips.Held->DragForm, nullptr);
        EXPECT_EQ(Screen->FormCount(), formsBefore);
        EXPECT_FALSE(strips.Left.HasState(stsDragging));
        // Released outside every strip the tab is dropped; cancelled it goes back.
        EXPECT_EQ(TTwoStrips::Shape(strips.Left), cancel ? "AB[C]" : "A[B]");
        EXPECT_EQ(TTwoStrips::Shape(strips.Right), "X[Y]");
    }
}

TEST(SlantTabsDragImage, EventsBuildThePictureAsTheOptionsAndHandlersSay)
{
    struct TCase {
        const char* Name;
        TSlantTabDragDisplay Display;
        bool SupplyControl;
        bool SupplyForm;
        std::vector<std::string> Events;
        bool ControlPicture; // else the tab alone
        uint8_t Alpha;
    };
    const std::vector<TCase> cases = {
        { "tab and control", ddTabAndControl, true, false, { "create form", "need control", "created" }, true, 220 },
        { "tab and no control", ddTabAndControl, false, false, { "create form", "need control", "created" }, false, 255 },
        { "control", ddControl, true, false, { "create form", "need control", "created" }, true, 220 },
        { "tab", ddTab, true, false, { "create form", "created" }, false, 255 },
        { "form of the handler", ddTabAndControl, true, true, { "create form", "created" }, false, 0 },
        { "cursor alone", ddCursor, true, true, {}, false, 0 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TTwoStrips strips;
        strips.Left.Options().DragDrop().SetDragDisplay(testCase.Display);
        TPanel panel(nullptr);
        panel.SetParent(&strips.Window);
        panel.SetBounds(0, 32, 200, 100);
        std::vector<std::string> events;
        TForm* handlersForm = nullptr;
        strips.Left.OnNeedDragImageControl = [&](TCustomSlantTabs*, TSlantTab* tab, TWinControl*& control) {
            events.push_back("need control");
            EXPECT_EQ(tab->Caption(), QStringLiteral("C"));
            if (testCase.SupplyControl)
                control = &panel;
        };
        strips.Left.OnCreateDragForm = [&](TCustomSlantTabs*, TSlantTab* tab, std::unique_ptr<TForm>& form) {
            events.push_back("create form");
            EXPECT_EQ(tab->Caption(), QStringLiteral("C"));
            if (testCase.SupplyForm) {
                form = std::make_unique<TForm>(nullptr);
                handlersForm = form.get();
            }
        };
        strips.Left.OnAfterDragImageCreated = [&](TCustomSlantTabs*) { events.push_back("created"); };

        strips.Start(strips.Centre(strips.Left, 2));
        ASSERT_NE(strips.Held, nullptr);
        const TRect tab = strips.Left.Tabs()[2]->TabControl()->ControlRect();
        strips.MoveTo({ 440, 300 });
        EXPECT_EQ(events, testCase.Events);
        TForm* form = strips.Held->DragForm.get();
        if (testCase.Display == ddCursor) {
            EXPECT_EQ(form, nullptr);
        } else if (testCase.SupplyForm) {
            EXPECT_EQ(form, handlersForm);
        } else {
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->AlphaBlendValue(), testCase.Alpha);
            if (!testCase.ControlPicture) {
                EXPECT_EQ(form->ClientWidth(), tab.Width());
                EXPECT_EQ(form->ClientHeight(), tab.Height());
            } else {
                // Halved: the control, and the tab above it when both show.
                EXPECT_EQ(form->ClientWidth(), 100);
                EXPECT_EQ(form->ClientHeight(), testCase.Display == ddControl ? 50 : (tab.Height() + 100) / 2);
            }
        }
        strips.Finish({ 440, 300 }, true);
        EXPECT_EQ(strips.Held->DragForm, nullptr);
        EXPECT_EQ(TTwoStrips::Shape(strips.Left), "AB[C]");
        panel.SetParent(nullptr);
    }
}

// The drag picture's shape: the pixels of the window that show.
QRegion Shape(const TForm& form) { return form.Widget()->mask(); }

TEST(SlantTabsDragImage, PictureShowsTheTabOnTheControlInAFrameWithTheBandAroundTheTabClear)
{
    TTwoStrips strips;
    TPanel panel(nullptr);
    panel.SetParent(&strips.Window);
    panel.SetBounds(0, 32, 200, 100);
    panel.SetColor(clRed);
    panel.SetBevelOuter(bvNone);
    strips.Left.OnNeedDragImageControl = [&](TCustomSlantTabs*, TSlantTab*, TWinControl*& control) { control = &panel; };
    strips.Start(strips.Centre(strips.Left, 2));
    strips.MoveTo({ 440, 300 });
    ASSERT_TRUE(strips.Held && strips.Held->DragForm);
    TForm& form = *strips.Held->DragForm;
    const int32_t tabHeight = strips.Left.Tabs()[2]->TabControl()->ControlRect().Height() / 2;
    ASSERT_EQ(form.ClientWidth(), 100);
    TBitmap picture;
    GrabControl(form, picture);
    const QRegion shape = Shape(form);
    // The frame's lines are centred on the picture's last column and row, so
    // halving may pick their half-covered neighbours: grey over red.
    enum TLook { Any, Red, Grey, GreyOverRed };
    const struct {
        const char* Name;
        QPoint Point;
        bool Shows;
        TLook Look;
    } cases[] = {
        { "band left of the tab", { 0, 0 }, false, Any },
        { "band right of the tab", { 99, 0 }, false, Any },
        { "middle of the tab", { 40, tabHeight / 2 }, true, Any },
        { "control", { 50, tabHeight + 25 }, true, Red },
        { "left frame", { 0, tabHeight + 25 }, true, Grey },
        { "right frame", { 99, tabHeight + 25 }, true, GreyOverRed },
        { "bottom frame", { 50, form.ClientHeight() - 1 }, true, GreyOverRed },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        EXPECT_EQ(shape.contains(testCase.Point), testCase.Shows);
        const TColor color = picture.Canvas().Pixels(testCase.Point.x(), testCase.Point.y());
        switch (testCase.Look) {
        case Any:
            break;
        case Red:
            EXPECT_EQ(color, clRed);
            break;
        case Grey:
            EXPECT_EQ(color, clGray);
            break;
        case GreyOverRed:
            EXPECT_GT(GetGValue(color), 0);
            EXPECT_EQ(GetGValue(color), GetBValue(color));
            EXPECT_GT(GetRValue(color), GetGValue(color));
            break;
        }
    }
    strips.Finish({ 440, 300 }, true);
    panel.SetParent(nullptr);
}

TEST(SlantTabsDragImage, ThePointerHoldsThePictureWhereItHeldTheTab)
{
    for (const TBiDiMode mode : { bdLeftToRight, bdRightToLeft }) {
        SCOPED_TRACE(mode == bdLeftToRight ? "left to right" : "right to left");
        TTwoStrips strips;
        strips.Left.SetBiDiMode(mode);
        strips.Left.Options().DragDrop().SetDragDisplay(ddTab);
        strips.Left.DrawCanvas();
        const TRect shown = strips.Left.RightToLeftRect(strips.Left.Tabs()[1]->TabControl()->ControlRect());
        // A little left of the middle, so a mirrored grip would show.
        const TPoint press { shown.Left + shown.Width() / 3, 20 };
        strips.Left.SetActiveTabIndex(1);
        strips.Start(press);
        strips.MoveTo({ 440, 300 });
        ASSERT_TRUE(strips.Held && strips.Held->DragForm);
        EXPECT_EQ(strips.Held->DragFormOffset, Point(press.X - shown.Left, press.Y - shown.Top));
        const TForm& form = *strips.Held->DragForm;
        EXPECT_TRUE(Shape(form).contains(QPoint(form.ClientWidth() / 2, form.ClientHeight() / 2))) << "the tab is in the picture";
        strips.Finish({ 440, 300 }, true);
    }
}

TEST(SlantTabsDragImage, AnErrorInADropHandlerEndsTheDragWithoutLosingTheTab)
{
    const auto refuse = [](TCustomSlantTabs*, int32_t, int32_t, const std::shared_ptr<TDragTabObject>&, bool, TTabDropOptions&) {
        throw Exception(QStringLiteral("refused"));
    };
    for (const bool overRight : { false, true }) {
        SCOPED_TRACE(overRight ? "over the other strip" : "outside every strip");
        TTwoStrips strips;
        strips.Left.Options().DragDrop().SetDragDisplay(ddTab);
        (overRight ? strips.Right : strips.Left).OnTabDragDrop = refuse;
        std::vector<std::string> ends;
        for (TSlantTabs* strip : { &strips.Left, &strips.Right })
            strip->OnTabDragEnd = [&ends, &strips](TCustomSlantTabs* sender, int32_t, int32_t, bool) {
                ends.push_back(sender == &strips.Left ? "left" : "right");
            };
        const TPoint target = overRight ? TPoint { 480 + 200, 20 } : TPoint { 440, 300 };
        strips.Start(strips.Centre(strips.Left, 2));
        strips.MoveTo({ 440, 300 });
        ASSERT_TRUE(strips.Held && strips.Held->DragForm);
        strips.MoveTo(target);
        EXPECT_THROW(strips.Finish(target, false), Exception);
        // The strips hear of the end all the same.
        EXPECT_EQ(ends, overRight ? (std::vector<std::string> { "right", "left" }) : (std::vector<std::string> { "left" }));
        EXPECT_EQ(strips.Held->DragForm, nullptr);
        EXPECT_FALSE(strips.Left.HasState(stsDragging));
        EXPECT_EQ(strips.Right.ActiveDragTabObject(), nullptr);
        EXPECT_EQ(TTwoStrips::Shape(strips.Left), "AB[C]");
        EXPECT_EQ(TTwoStrips::Shape(strips.Right), "X[Y]");
    }
}

} // namespace
