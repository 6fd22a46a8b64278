#include "controls/SlantTabs.h"
#include "controls/SlantTabsWindowSearch.h"

#include "platform/os/Clock.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>

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

    TTwoStrips()
    {
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
    void Drag(TPoint from, TPoint to, bool cancel)
    {
        Left.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(from));
        Left.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ from.X + 5, from.Y }));
        Left.DrawCanvas();
        Left.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(to));
        Left.DrawCanvas();
        Right.DrawCanvas();
        if (cancel)
            Left.Perform(CN_KEYDOWN, 0x1B, 0);
        else
            Left.Perform(WM_LBUTTONUP, 0, PointToLParam(to));
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

} // namespace
