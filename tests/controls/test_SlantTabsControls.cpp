#include "controls/SlantTabControl.h"
#include "controls/SlantTabsButtonControls.h"

#include "SlantTabsRecorder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/os/Clock.h"

#include <gtest/gtest.h>

namespace {

// A drawing object with a square shape, to drive the shared base.
class TSquare final : public TBaseSlantTabsControl {
public:
    using TBaseSlantTabsControl::TBaseSlantTabsControl;
    void DrawTo(TGPGraphics&, int32_t, int32_t, const ISlantTabPolygons&) override { }
    ISlantTabPolygons GetPolygons() override
    {
        const TRect r = ControlRect();
        ISlantTabPolygons polygons = NewSlantTabPolygons();
        polygons->AddPolygon(MakePolygon({ { r.Left, r.Top }, { r.Right, r.Top }, { r.Right, r.Bottom }, { r.Left, r.Bottom } }));
        return polygons;
    }
    using TBaseSlantTabsControl::InternalGetPolygons;
};

struct TClockRig {
    TFakeClock Clock { 1000 };
    TClockScope Scope { Clock };
    TRecordingStrip Strip;
};

TEST(SlantTabsControlBase, MovesByElapsedTimeAndKeepsARunningMove)
{
    TClockRig rig;
    TSquare square(rig.Strip);
    square.SetPosition(Rect(0, 0, 10, 10), 100, ttLinearTween);
    EXPECT_EQ(square.ControlRect(), Rect(0, 0, 10, 10)) << "the first placement jumps";
    EXPECT_FALSE(square.AnimateMovement());

    square.SetPosition(Rect(100, 0, 110, 10), 100, ttLinearTween);
    rig.Clock.Advance(50);
    EXPECT_TRUE(square.AnimateMovement());
    EXPECT_EQ(square.ControlRect(), Rect(50, 0, 60, 10));
    square.SetPosition(Rect(100, 0, 110, 10), 100, ttLinearTween);
    rig.Clock.Advance(25);
    EXPECT_TRUE(square.AnimateMovement());
    EXPECT_EQ(square.ControlRect(), Rect(75, 0, 85, 10)) << "the same end leaves the move and its timing alone";

    square.SetPosition(Rect(0, 0, 10, 10), 100, ttLinearTween);
    EXPECT_EQ(square.StartRect(), Rect(75, 0, 85, 10)) << "a new end starts again from where the control is";
    rig.Clock.Advance(100);
    EXPECT_TRUE(square.AnimateMovement());
    EXPECT_EQ(square.ControlRect(), Rect(0, 0, 10, 10));
    EXPECT_FALSE(square.AnimateMovement());

    square.SetPosition(Rect(5, 5, 6, 6), 100, ttNone);
    EXPECT_EQ(square.ControlRect(), Rect(5, 5, 6, 6));
    square.SetWidth(20, 0, ttLinearTween);
    EXPECT_EQ(square.ControlRect(), Rect(5, 5, 25, 6)) << "no time to animate in places at once";
}

TEST(SlantTabsControlBase, LookTransitionsFollowTheClock)
{
    TClockRig rig;
    TSlantTabsLookAndFeelStyle from(static_cast<TSlantTabsPersistent*>(nullptr));
    from.SetStartColor(RGB(0, 0, 0));
    from.SetStartAlpha(0);
    TSlantTabsLookAndFeelStyle to(static_cast<TSlantTabsPersistent*>(nullptr));
    to.SetStartColor(RGB(200, 100, 0));
    to.SetStartAlpha(200);
    to.SetOutlineSize(3);
    TSlantTabControlPropertyItems items;
    items.SetProperties(&from, nullptr, ttNone, 0, nullptr);
    EXPECT_EQ(items.CurrentTabProperties().StartColor, RGB(0, 0, 0));
    EXPECT_FALSE(items.TransformColors(false));
    items.SetProperties(&to, nullptr, ttLinearTween, 200, nullptr);
    rig.Clock.Advance(50);
    EXPECT_TRUE(items.TransformColors(false));
    EXPECT_EQ(items.CurrentTabProperties().StartColor, RGB(50, 25, 0));
    EXPECT_EQ(items.CurrentTabProperties().StartAlpha, 50);
    EXPECT_FLOAT_EQ(items.CurrentTabProperties().OutlineSize, 1.5f);
    EXPECT_EQ(items.CurrentTabProperties().FontName, String()) << "the font name comes from the stop look only";
    EXPECT_EQ(items.StopTabProperties().FontName, QStringLiteral("Segoe UI"));
    rig.Clock.Advance(500);
    EXPECT_TRUE(items.TransformColors(false));
    EXPECT_EQ(items.CurrentTabProperties().StartColor, RGB(200, 100, 0));
    EXPECT_FALSE(items.TransformColors(false));
}

TEST(SlantTabsControlBase, HookedPolygonsGetTheDefaultBrushAndPen)
{
    TClockRig rig;
    TSquare square(rig.Strip);
    square.SetPosition(Rect(0, 0, 10, 10), 0, ttNone);
    const TGPSolidBrush brush(MakeGPColor(255, 255, 0, 0));
    const TGPPen pen(MakeGPColor(255, 0, 0, 255), 1);
    EXPECT_EQ(square.InternalGetPolygons(itTab, &brush, &pen), nullptr);
    rig.Strip.Hook = NewSlantTabPolygons();
    rig.Strip.Hook->AddPolygon(MakePolygon({ { 2, 2 }, { 8, 2 }, { 8, 8 }, { 2, 8 } }));
    const ISlantTabPolygons hooked = square.InternalGetPolygons(itTab, &brush, &pen);
    ASSERT_EQ(hooked->PolygonCount(), 1);
    EXPECT_EQ(hooked->GetPolygons(0).Brush, &brush);
    EXPECT_EQ(hooked->GetPolygons(0).Pen, &pen);

    TBitmap bitmap(12, 12);
    {
        TGPGraphics canvas(bitmap);
        canvas.Clear(MakeGPColor(255, 255, 255, 255));
        NewSlantTabPolygons()->AddPolygon(MakePolygon({ { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 } }), &brush, nullptr).DrawTo(canvas, dfPen);
        hooked->DrawTo(canvas, dfBrush);
    }
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clWhite) << "a polygon without a pen is skipped when outlining";
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 5), clRed);
}

TEST(SlantTabsButtons, BodiesAndSymbolsByStateAndDirection)
{
    TClockRig rig;
    TAddButtonControl add(rig.Strip);
    add.SetPosition(Rect(10, 5, 41, 19), 0, ttNone);
    rig.Strip.Options.Display().AddButton().SetShowPlusSign(false);
    EXPECT_EQ(add.GetPolygons()->PolygonCount(), 1) << "no plus sign unless asked for";
    rig.Strip.Options.Display().AddButton().SetWidth(31);
    rig.Strip.Options.Display().AddButton().SetHeight(14);
    rig.Strip.Options.Display().AddButton().SetShowPlusSign(true);
    const ISlantTabPolygons withPlus = add.GetPolygons();
    ASSERT_EQ(withPlus->PolygonCount(), 2);
    EXPECT_EQ((*withPlus->GetPolygons(0).Polygon)[0], Point(17, 19));
    EXPECT_EQ((*withPlus->GetPolygons(1).Polygon)[0], Point(10 + 11, 5 + 3 + 3));
    add.SetDrawState(dsDisabled, 0, ttNone, false);
    EXPECT_EQ(add.ButtonStyle(), &rig.Strip.Look.AddButton().Button().Normal()) << "the add button has no disabled look";

    TScrollButtonLeftControl left(rig.Strip);
    left.SetPosition(Rect(0, 0, 15, 15), 0, ttNone);
    EXPECT_EQ(left.ButtonLook().CurrentTabProperties().StartAlpha, 0) << "no style before the first state: transparent";
    left.SetDrawState(dsDisabled, 0, ttNone, false);
    EXPECT_EQ(left.ButtonStyle(), &rig.Strip.Look.ScrollButtons().Button().Disabled());
    EXPECT_EQ(left.SymbolStyle(), &rig.Strip.Look.ScrollButtons().Arrow().Disabled());
    EXPECT_EQ((*left.GetPolygons()->GetPolygons(1).Polygon)[0], Point(3, 7)) << "the left arrow's tip is on the left";
    rig.Strip.BiDi = bdRightToLeft;
    rig.Strip.ClientWidth = 100;
    EXPECT_EQ((*left.GetPolygons()->GetPolygons(1).Polygon)[0], Point(97, 7)) << "mirrored, it points right";

    rig.Strip.Reports.clear();
    left.SetDrawState(dsHot, 0, ttNone, false);
    EXPECT_TRUE(rig.Strip.Reports.empty());
    left.SetDrawState(dsHot, 0, ttNone, true);
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TRecordingStrip::TReport> { { nullptr, tcControlState } }));
}

// A tab of a recording strip, with a control placed at rect.
struct TTabRig : TClockRig {
    TSlantTabsList Tabs { &Strip };
    TSlantTab* Tab;
    std::unique_ptr<TSlantTabControl> Control;

    explicit TTabRig(const TRect& rect)
    {
        SetDefaultOptions(Strip.Options);
        SetDefaultLookAndFeel(Strip.Look);
        Tab = Tabs.Add();
        Tab->SetCaption(QStringLiteral("Caption"));
        Control = std::make_unique<TSlantTabControl>(Strip, *Tab);
        Control->SetPosition(rect, 0, ttNone);
        Control->SetDrawState(dsNotActive, 0, ttNone, true);
    }
};

TEST(SlantTabControl, ShapeFlipsForBottomTabs)
{
    TTabRig rig(Rect(10, 4, 110, 30));
    const TPolygon top = rig.Control->GetPolygons()->GetPolygons(0).Polygon;
    ASSERT_EQ(top->size(), 12u);
    EXPECT_EQ((*top)[0], Point(10, 30));
    EXPECT_EQ((*top)[5], Point(26, 4));
    EXPECT_EQ((*top)[11], Point(110, 30));
    rig.Strip.Options.Display().Tabs().SetOrientation(toBottom);
    const TPolygon bottom = rig.Control->GetPolygons()->GetPolygons(0).Polygon;
    EXPECT_EQ((*bottom)[0], Point(10, 4));
    EXPECT_EQ((*bottom)[5], Point(26, 30));
}

TEST(SlantTabControl, CloseButtonHidesOnNarrowInactiveAndPinnedTabs)
{
    struct TCase {
        int32_t Width;
        bool Active, Pinned, Hidden;
        TCloseButtonVisiblity Visibility;
        bool Visible;
    };
    const TCase cases[] = {
        { 100, false, false, false, bvAll, true },
        { 54, false, false, false, bvAll, false },
        { 54, true, false, false, bvAll, true },
        { 100, false, true, false, bvAll, false },
        { 100, false, false, true, bvAll, false },
        { 100, false, false, false, bvNever, false },
        { 100, false, false, false, bvActive, false },
        { 100, true, false, false, bvActive, true },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Width);
        TTabRig rig(Rect(0, 4, c.Width, 30));
        rig.Strip.Options.Display().CloseButton().SetVisibility(c.Visibility);
        rig.Tab->SetHideCloseButton(c.Hidden);
        if (c.Pinned)
            rig.Tab->SetPinned(true);
        if (c.Active) {
            rig.Tab->SetActive(true);
            rig.Control->SetDrawState(dsActive, 0, ttNone, true);
        } else {
            rig.Tab->SetActive(false);
        }
        EXPECT_EQ(rig.Control->CloseButtonVisible(), c.Visible);
    }
}

TEST(SlantTabControl, ContentLayoutAndHitTest)
{
    TTabRig rig(Rect(0, 4, 200, 30));
    const TSlantTabContentLayout layout = rig.Control->CalculateRects();
    EXPECT_EQ(layout.CloseButtonRect, Rect(200 - 16 - 14 - 2, 10, 200 - 16 - 2, 24));
    EXPECT_EQ(layout.CrossRect, Rect(172, 14, 178, 20));
    EXPECT_EQ(layout.TextRect, Rect(19, 4, 167, 30)) << "the empty image area still takes its one-pixel gap";
    EXPECT_TRUE(layout.TextVisible);
    EXPECT_EQ(rig.Control->GetHitTestArea(175, 17), htCloseButton);
    EXPECT_EQ(rig.Control->GetHitTestArea(100, 17), htTab);
    EXPECT_EQ(rig.Control->GetHitTestArea(1, 5), htBackground);

    TTabRig narrow(Rect(0, 4, 40, 30));
    narrow.Tab->SetActive(true);
    const TSlantTabContentLayout alone = narrow.Control->CalculateRects();
    EXPECT_FALSE(alone.TextVisible);
    EXPECT_EQ(alone.CloseButtonRect.Left, 20 - 7) << "a close button alone is centred";
    // It is hit where it is drawn (13 to 27), not where it would sit beside a caption (8 to 22).
    EXPECT_EQ(narrow.Control->GetHitTestArea(25, 17), htCloseButton);
    EXPECT_EQ(narrow.Control->GetHitTestArea(13, 17), htCloseButton);
    EXPECT_EQ(narrow.Control->GetHitTestArea(10, 17), htTab);
    EXPECT_EQ(narrow.Control->GetHitTestArea(27, 17), htTab);
}

TEST(SlantTabControl, SpinnersStepAndWrap)
{
    struct TCase {
        TSlantTabSpinnerState State;
        int32_t From, To;
    };
    const TCase cases[] = { { tssRenderedUpload, 1, 359 }, { tssRenderedDownload, 358, 3 }, { tssRenderedDownload, 355, 360 } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.From);
        TTabRig rig(Rect(0, 4, 100, 30));
        rig.Tab->SetSpinnerState(c.State);
        rig.Control->SetSpinnerRenderedDegrees(c.From);
        EXPECT_TRUE(rig.Control->AnimateSpinner());
        EXPECT_EQ(rig.Control->SpinnerRenderedDegrees(), c.To);
    }
    TTabRig none(Rect(0, 4, 100, 30));
    EXPECT_FALSE(none.Control->AnimateSpinner());
    none.Tab->SetSpinnerState(tssImageUpload);
    EXPECT_FALSE(none.Control->AnimateSpinner()) << "no image list, nothing to step";

    // Upload pictures run backwards, download pictures forwards, each wrapping round.
    TImageList images(nullptr);
    for (int32_t count = 0; count < 3; ++count)
        images.Add(TBitmap(16, 16));
    const TCase pictures[] = { { tssImageUpload, 0, 2 }, { tssImageUpload, 2, 1 }, { tssImageDownload, 2, 0 }, { tssImageDownload, 0, 1 } };
    for (const TCase& c : pictures) {
        SCOPED_TRACE(std::to_string(int(c.State)) + " from " + std::to_string(c.From));
        TTabRig rig(Rect(0, 4, 100, 30));
        rig.Strip.SpinnerImages = &images;
        rig.Tab->SetSpinnerState(c.State);
        rig.Control->SetSpinnerImageIndex(c.From);
        EXPECT_TRUE(rig.Control->AnimateSpinner());
        EXPECT_EQ(rig.Control->SpinnerImageIndex(), c.To);
    }
}

TEST(SlantTabControl, ModifiedGlowSweepsAcrossOncePerPeriod)
{
    TTabRig rig(Rect(0, 4, 100, 30));
    EXPECT_FALSE(rig.Control->AnimateModified());
    TSlantTabModifiedDisplayOptions& glow = rig.Strip.Options.Display().TabModifiedGlow();
    glow.SetEaseType(ttLinearTween);
    glow.SetStyle(msLeftToRight);
    rig.Tab->SetModified(true);
    EXPECT_TRUE(rig.Control->AnimateModified());
    EXPECT_EQ(rig.Control->ModifiedPosition(), -100);
    rig.Clock.Advance(2000);
    rig.Control->AnimateModified();
    EXPECT_EQ(rig.Control->ModifiedPosition(), 0);
    glow.SetStyle(msRightToLeft);
    rig.Control->AnimateModified();
    EXPECT_EQ(rig.Control->ModifiedPosition(), 0);
    rig.Clock.Advance(1000);
    rig.Control->AnimateModified();
    EXPECT_EQ(rig.Control->ModifiedPosition(), 100 - 150);

    // The knight rider goes right to left first, then back, each period.
    TTabRig knight(Rect(0, 4, 100, 30));
    TSlantTabModifiedDisplayOptions& sweep = knight.Strip.Options.Display().TabModifiedGlow();
    sweep.SetEaseType(ttLinearTween);
    sweep.SetStyle(msKnightRider);
    knight.Tab->SetModified(true);
    const int32_t positions[] = { 100, 0, -100, 0, 100 };
    for (size_t step = 0; step < std::size(positions); ++step) {
        SCOPED_TRACE(step);
        knight.Control->AnimateModified();
        EXPECT_EQ(knight.Control->ModifiedPosition(), positions[step]);
        // Half a period of 4000 ms; past the period the sweep restarts the other way.
        knight.Clock.Advance(step % 2 == 0 ? 2000 : 2001);
    }
}

TEST(SlantTabControl, WidthFromContentIsMeasuredOncePerCaption)
{
    TTabRig rig(Rect(0, 4, 200, 30));
    const int32_t first = rig.Control->GetTabWidthByContent();
    EXPECT_GT(first, 18 + 46 - 15);
    EXPECT_EQ(rig.Control->GetTabWidthByContent(), first);
    rig.Tab->SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_GT(rig.Control->GetTabWidthByContent(), first);
}

} // namespace
