#include "controls/SlantTabsStreaming.h"

#include "SlantTabsRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

TEST(SlantTabsOptions, NotifyingGroupsReportAndTheOthersStaySilent)
{
    TRecordingStrip strip;
    struct TCase {
        const char* Name;
        std::function<void(TOptions&)> Change;
        size_t Reports;
    };
    const TCase cases[] = {
        { "tab overlap, unchanged value", [](TOptions& o) { o.Display().Tabs().SetTabOverlap(15); }, 1 },
        { "close button offset", [](TOptions& o) { o.Display().CloseButton().Offsets().SetVertical(3); }, 1 },
        { "scroll step", [](TOptions& o) { o.Scrolling().SetScrollStep(40); }, 1 },
        { "mouse glow visible", [](TOptions& o) { o.Display().TabMouseGlow().SetVisible(false); }, 1 },
        { "container", [](TOptions& o) { o.Display().TabContainer().SetPaddingLeft(3); }, 1 },
        { "activate new tab", [](TOptions& o) { o.Behaviour().SetActivateNewTab(false); }, 0 },
        { "drag type", [](TOptions& o) { o.DragDrop().SetDragType(dtNone); }, 0 },
        { "timer interval", [](TOptions& o) { o.Animation().SetAnimationTimerInterval(50); }, 0 },
        { "movement ease", [](TOptions& o) { o.Animation().MovementAnimations().TabMove().SetEaseType(ttNone); }, 0 },
        { "spinner update", [](TOptions& o) { o.Display().TabSpinners().SetAnimationUpdateMS(10); }, 0 },
        { "spinner images", [](TOptions& o) { o.Display().TabSpinners().SetHideImagesWhenSpinnerVisible(false); }, 1 },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        strip.Reports.clear();
        c.Change(strip.Options);
        ASSERT_EQ(strip.Reports.size(), c.Reports);
        if (c.Reports) {
            EXPECT_EQ(strip.Reports[0], (TRecordingStrip::TReport { nullptr, tcPropertyUpdated }));
        }
    }
}

TEST(SlantTabsOptions, MaxWidthNeverGoesBelowTheMinWidthOfTheMoment)
{
    TRecordingStrip strip;
    TSlantTabsOptions& tabs = strip.Options.Display().Tabs();
    tabs.SetMinWidth(25);
    tabs.SetMaxWidth(10);
    EXPECT_EQ(tabs.MaxWidth(), 25);
    tabs.SetMinWidth(5);
    EXPECT_EQ(tabs.MaxWidth(), 25);
}

TEST(SlantTabsOptions, MovementAnimationsResolveTheirOwnOrTheDefaultValues)
{
    TRecordingStrip strip;
    TSlantTabsAnimationOptions& animation = strip.Options.Animation();
    animation.SetDefaultMovementEaseType(ttEaseInQuad);
    animation.SetDefaultMovementAnimationTimeMS(111);
    TSlantTabsMovementAnimationTypes& types = animation.MovementAnimations().TabAdd();
    types.SetEaseType(ttEaseOutCirc);
    types.SetAnimationTimeMS(222);
    struct TCase {
        bool DefaultEase, DefaultTime;
        TSlantTabsEaseType Ease;
        uint32_t Time;
    };
    const TCase cases[] = {
        { true, true, ttEaseInQuad, 111 },
        { true, false, ttEaseInQuad, 222 },
        { false, true, ttEaseOutCirc, 111 },
        { false, false, ttEaseOutCirc, 222 },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Time);
        types.SetUseDefaultEaseType(c.DefaultEase);
        types.SetUseDefaultAnimationTime(c.DefaultTime);
        EXPECT_EQ(animation.GetMovementAnimationEaseType(types), c.Ease);
        EXPECT_EQ(animation.GetMovementAnimationTime(types), c.Time);
    }
}

TEST(SlantTabsOptions, StripDefaultsOverrideTheClassValues)
{
    TRecordingStrip strip;
    TOptions& o = strip.Options;
    EXPECT_EQ(o.Display().Tabs().MinWidth(), 20);
    EXPECT_EQ(o.Display().Tabs().OffsetTop(), 0);
    SetDefaultOptions(o);
    EXPECT_EQ(o.Display().Tabs().MinWidth(), 25);
    EXPECT_EQ(o.Display().Tabs().OffsetTop(), 4);
    EXPECT_EQ(o.Animation().AnimationTimerInterval(), 15);
    EXPECT_EQ(o.DragDrop().DragOutsideImageAlpha(), 220);
    EXPECT_TRUE(o.Scrolling().Enabled());
    EXPECT_FALSE(o.Scrolling().AutoHideButtons());
    EXPECT_TRUE(o.Behaviour().BackgroundDragMovesForm());
    EXPECT_FALSE(o.Display().AddButton().ShowPlusSign());
    TSlantTabsAnimationOptions& a = o.Animation();
    EXPECT_EQ(a.GetMovementAnimationEaseType(a.MovementAnimations().TabMove()), ttEaseOutExpo);
    EXPECT_EQ(a.GetMovementAnimationTime(a.MovementAnimations().TabMove()), 500u);
    EXPECT_EQ(a.GetMovementAnimationEaseType(a.MovementAnimations().TabAdd()), ttLinearTween);
    EXPECT_EQ(a.GetMovementAnimationTime(a.MovementAnimations().TabDelete()), 100u);
}

TEST(SlantTabsLook, ALeafChangeReportsOnceAndRebuildsTheBrush)
{
    TRecordingStrip strip;
    TSlantTabsLookAndFeelStyle& hot = strip.Look.Tabs().Hot().Style();
    const TGPLinearGradientBrush* first = &hot.GetBrush(Rect(0, 0, 10, 10));
    EXPECT_EQ(&hot.GetBrush(Rect(0, 5, 20, 30)), first) << "a brush is made for the first rectangle only";
    EXPECT_EQ(hot.GetBrush(Rect(0, 5, 20, 30)).To().Y, 10);
    strip.Reports.clear();
    hot.SetStartColor(clRed);
    ASSERT_EQ(strip.Reports.size(), 1u);
    EXPECT_EQ(strip.Reports[0], (TRecordingStrip::TReport { nullptr, tcPropertyUpdated }));
    const TGPLinearGradientBrush& rebuilt = hot.GetBrush(Rect(0, 0, 10, 10));
    EXPECT_EQ(rebuilt.ColorAt(0), MakeGPColor(255, 255, 0, 0));

    TSlantTabsLookAndFeelPen& line = strip.Look.Tabs().BaseLine();
    EXPECT_EQ(line.GetPen().Width(), 2);
    line.SetAlpha(0x1234);
    EXPECT_EQ(GPAlpha(line.GetPen().Color()), 0x34) << "only the low byte of a pen's alpha counts";
}

TEST(SlantTabsLook, ATreeWithoutAStripReportsToNobody)
{
    TSlantTabsLookAndFeel look(nullptr);
    look.Tabs().Active().Font().SetSize(12);
    SetDefaultLookAndFeel(look);
    EXPECT_EQ(look.Tabs().Active().Font().Size(), 9);
}

TEST(SlantTabsLook, DefaultLookLeavesTheCloseCircleClearUntilHot)
{
    TRecordingStrip strip;
    strip.Look.TabsContainer().SetOutlineSize(3);
    SetDefaultLookAndFeel(strip.Look);
    TSlantTabsLookAndFeelStyle& normal = strip.Look.CloseButton().Circle().Normal();
    EXPECT_EQ(normal.StartAlpha(), 0);
    EXPECT_EQ(normal.StopAlpha(), 0);
    EXPECT_EQ(normal.OutlineAlpha(), 0);
    EXPECT_EQ(strip.Look.CloseButton().Circle().Hot().StartAlpha(), 255);
    EXPECT_EQ(strip.Look.TabsContainer().OutlineSize(), 3) << "the default look leaves the container outline size";
    EXPECT_EQ(strip.Look.TabsContainer().OutlineAlpha(), 0);
    EXPECT_EQ(strip.Look.Tabs().NotActive().Style().StartColor(), RGB(205, 217, 231));
    EXPECT_TRUE(strip.Look.Tabs().Active().Font().UseDefaultFont());
    EXPECT_FALSE(strip.Look.Tabs().Hot().Font().UseDefaultFont());
    EXPECT_EQ(strip.Look.Tabs().Spinners().Download().Color(), RGB(72, 139, 219));
}

// A strip that notes, at every report, which of the probed leaves have reached their value.
class TOrderStrip final : public TRecordingStrip {
public:
    struct TProbe {
        std::function<bool(TSlantTabsLookAndFeel&)> Reached;
        std::function<void(TSlantTabsLookAndFeel&)> Spoil;
    };
    std::vector<TProbe> Probes;
    std::vector<size_t> Order;

    void DoChange(TSlantTab* tab, TTabChangeType change) override
    {
        TRecordingStrip::DoChange(tab, change);
        for (size_t index = 0; index < Probes.size(); ++index)
            if (std::find(Order.begin(), Order.end(), index) == Order.end() && Probes[index].Reached(Look))
                Order.push_back(index);
    }
};

TEST(SlantTabsLook, TheDefaultLookIsSetPartByPartInItsOrder)
{
    using L = TSlantTabsLookAndFeel;
    const auto style = [](TSlantTabsLookAndFeelStyle& (*of)(L&), TColor colour) {
        return TOrderStrip::TProbe { [of, colour](L& l) { return of(l).StartColor() == colour; }, [of](L& l) { of(l).SetStartColor(1); } };
    };
    const auto font = [](TSlantTabsLookAndFeelBaseFont& (*of)(L&), uint8_t alpha) {
        return TOrderStrip::TProbe { [of, alpha](L& l) { return of(l).Alpha() == alpha; }, [of](L& l) { of(l).SetAlpha(1); } };
    };
    const auto glow = [](TSlantTabsLookAndFeelGlow& (*of)(L&), uint8_t alpha) {
        return TOrderStrip::TProbe { [of, alpha](L& l) { return of(l).CentreAlpha() == alpha; }, [of](L& l) { of(l).SetCentreAlpha(1); } };
    };
    const auto pen = [](TSlantTabsLookAndFeelPen& (*of)(L&), TColor colour) {
        return TOrderStrip::TProbe { [of, colour](L& l) { return of(l).Color() == colour; }, [of](L& l) { of(l).SetColor(1); } };
    };
    TOrderStrip strip;
    strip.Probes = {
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.TabsContainer(); }, RGB(98, 146, 222)),
        pen([](L& l) -> TSlantTabsLookAndFeelPen& { return l.Tabs().BaseLine(); }, RGB(109, 136, 169)),
        glow([](L& l) -> TSlantTabsLookAndFeelGlow& { return l.Tabs().Modified(); }, 130),
        font([](L& l) -> TSlantTabsLookAndFeelBaseFont& { return l.Tabs().DefaultFont(); }, 255),
        glow([](L& l) -> TSlantTabsLookAndFeelGlow& { return l.Tabs().MouseGlow(); }, 120),
        font([](L& l) -> TSlantTabsLookAndFeelBaseFont& { return l.Tabs().Active().Font(); }, 100),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.Tabs().Active().Style(); }, RGB(255, 255, 255)),
        font([](L& l) -> TSlantTabsLookAndFeelBaseFont& { return l.Tabs().NotActive().Font(); }, 215),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.Tabs().NotActive().Style(); }, RGB(205, 217, 231)),
        font([](L& l) -> TSlantTabsLookAndFeelBaseFont& { return l.Tabs().Hot().Font(); }, 215),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.Tabs().Hot().Style(); }, RGB(216, 226, 239)),
        pen([](L& l) -> TSlantTabsLookAndFeelPen& { return l.CloseButton().Cross().Normal(); }, RGB(87, 93, 101)),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.CloseButton().Circle().Down(); }, RGB(193, 53, 53)),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.AddButton().Button().Normal(); }, RGB(196, 208, 218)),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.AddButton().PlusSign().Normal(); }, RGB(255, 255, 255)),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.ScrollButtons().Button().Normal(); }, RGB(206, 215, 224)),
        style([](L& l) -> TSlantTabsLookAndFeelStyle& { return l.ScrollButtons().Arrow().Normal(); }, RGB(255, 255, 255)),
    };
    for (const TOrderStrip::TProbe& probe : strip.Probes)
        probe.Spoil(strip.Look);
    strip.Order.clear();
    SetDefaultLookAndFeel(strip.Look);
    std::vector<size_t> expected(strip.Probes.size());
    std::iota(expected.begin(), expected.end(), size_t { 0 });
    EXPECT_EQ(strip.Order, expected);
}

TEST(SlantTabsText, OptionsAreWrittenByPathInStreamingOrder)
{
    TRecordingStrip strip;
    SetDefaultOptions(strip.Options);
    const String text = ComponentToText(TabsOptionsCarrier, strip.Options);
    const String head = QStringLiteral("object TTabsOptions\r\n"
                                       "  Options.Display.CloseButton.Offsets.Vertical = 6\r\n"
                                       "  Options.Display.CloseButton.Offsets.Horizontal = 2\r\n"
                                       "  Options.Display.CloseButton.Height = 14\r\n"
                                       "  Options.Display.CloseButton.Width = 14\r\n"
                                       "  Options.Display.CloseButton.AutoHide = True\r\n"
                                       "  Options.Display.CloseButton.Visibility = bvAll\r\n"
                                       "  Options.Display.CloseButton.AutoHideWidth = 20\r\n"
                                       "  Options.Display.CloseButton.CrossRadialOffset = 4\r\n"
                                       "  Options.Display.AddButton.Offsets.Vertical = 10\r\n");
    EXPECT_TRUE(text.startsWith(head)) << text.left(600).toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("  Options.Scrolling.MouseWheelScroll = True\r\nend\r\n")));
    for (const char* line : { "  Options.Display.Tabs.TextTrimType = tttFade\r\n", "  Options.DragDrop.DragControlImageResizeFactor = 0.5\r\n",
             "  Options.DragDrop.DragFormBorderColor = clGray\r\n", "  Options.Display.TabModifiedGlow.EaseType = ttEaseInOutQuad\r\n",
             "  Options.Display.AddButton.HorizontalOffsetFloating = -3\r\n",
             "  Options.Display.TabSpinners.Upload.Position.Offsets.Vertical = 0\r\n" })
        EXPECT_TRUE(text.contains(String::fromLatin1(line))) << line;
    strip.Options.DragDrop().SetDragControlImageResizeFactor(0);
    EXPECT_FALSE(ComponentToText(TabsOptionsCarrier, strip.Options).contains(QStringLiteral("DragControlImageResizeFactor")));
}

TEST(SlantTabsText, LookIsWrittenWithQuotedNamesAndWithoutZeroSizes)
{
    TRecordingStrip strip;
    SetDefaultLookAndFeel(strip.Look);
    const String text = ComponentToText(TabsLookAndFeelCarrier, strip.Look);
    EXPECT_TRUE(text.startsWith(QStringLiteral("object TTabsLookAndFeel\r\n  LookAndFeel.TabsContainer.StartColor = 14586466\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("TabsContainer.OutlineSize")));
    EXPECT_TRUE(text.contains(QStringLiteral("  LookAndFeel.Tabs.DefaultFont.Name = 'Segoe UI'\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  LookAndFeel.Tabs.BaseLine.Color = 11110509\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  LookAndFeel.CloseButton.Cross.Normal.Thickness = 1.5\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  LookAndFeel.CloseButton.Circle.Normal.StartColor = clGradientActiveCaption\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  LookAndFeel.Tabs.Active.Font.TextRendoringMode = TextRenderingHintClearTypeGridFit\r\n")));

    TRecordingStrip other;
    TextToComponent(text, TabsLookAndFeelCarrier, other.Look);
    EXPECT_EQ(ComponentToText(TabsLookAndFeelCarrier, other.Look), text);
}

TEST(SlantTabsText, StringsAreQuotedWithCharacterCodesAndReadBack)
{
    const String path = QStringLiteral("LookAndFeel.Tabs.DefaultFont.Name");
    const auto load = [&](TRecordingStrip& strip, const String& value) {
        TextToComponent(QStringLiteral("object TTabsLookAndFeel\n  ") + path + QStringLiteral(" = ") + value + QStringLiteral("\nend\n"),
            TabsLookAndFeelCarrier, strip.Look);
        return strip.Look.Tabs().DefaultFont().Name();
    };
    struct TCase {
        const char* Written;
        const char16_t* Name;
    };
    const TCase cases[] = {
        { "'Segoe UI'", u"Segoe UI" },
        { "'It''s'", u"It's" },
        { "'A'#9'B'", u"A\tB" },
        { "#$41 'x' #66", u"AxB" },
        { "''", u"" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Written);
        TRecordingStrip strip;
        EXPECT_EQ(load(strip, QString::fromLatin1(c.Written)), QString::fromUtf16(c.Name));
    }
    for (const char* bad : { "'open", "Segoe", "#", "'a'b", "#70000" }) {
        SCOPED_TRACE(bad);
        TRecordingStrip strip;
        EXPECT_THROW(load(strip, QString::fromLatin1(bad)), Exception);
    }

    // A name with a quote and a line break stays on its line and comes back whole.
    TRecordingStrip saved;
    saved.Look.Tabs().DefaultFont().SetName(QStringLiteral("a'b\r\nc"));
    const String text = ComponentToText(TabsLookAndFeelCarrier, saved.Look);
    EXPECT_TRUE(text.contains(path + QStringLiteral(" = 'a''b'#13#10'c'\r\n")));
    TRecordingStrip loaded;
    TextToComponent(text, TabsLookAndFeelCarrier, loaded.Look);
    EXPECT_EQ(loaded.Look.Tabs().DefaultFont().Name(), QStringLiteral("a'b\r\nc"));
}

TEST(SlantTabsText, LoadingRestoresWhatWasSavedAndTouchesOnlyNamedLeaves)
{
    TRecordingStrip saved;
    SetDefaultOptions(saved.Options);
    const String text = ComponentToText(TabsOptionsCarrier, saved.Options);

    TRecordingStrip loaded;
    SetDefaultOptions(loaded.Options);
    loaded.Options.Display().Tabs().SetMinWidth(150);
    TextToComponent(text, TabsOptionsCarrier, loaded.Options);
    EXPECT_EQ(loaded.Options.Display().Tabs().MinWidth(), 25);
    EXPECT_EQ(ComponentToText(TabsOptionsCarrier, loaded.Options), text);

    loaded.Options.Display().Tabs().SetMinWidth(150);
    TextToComponent(QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollStep = 40\nend\n"), TabsOptionsCarrier, loaded.Options);
    EXPECT_EQ(loaded.Options.Scrolling().ScrollStep(), 40);
    EXPECT_EQ(loaded.Options.Display().Tabs().MinWidth(), 150);
}

TEST(SlantTabsText, AnUnknownPropertyFailsAfterTheLeavesBeforeIt)
{
    TRecordingStrip strip;
    const String text = QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollStep = 41\n  Options.Scrolling.Nothing = 1\n"
                                       "  Options.Scrolling.ScrollRepeatDelay = 99\nend\n");
    EXPECT_THROW(TextToComponent(text, TabsOptionsCarrier, strip.Options), Exception);
    EXPECT_EQ(strip.Options.Scrolling().ScrollStep(), 41);
    EXPECT_EQ(strip.Options.Scrolling().ScrollRepeatDelay(), 20);
    const String badValues[] = { QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollStep = many\nend\n"),
        QStringLiteral("object TTabsOptions\n  Options.Scrolling.Enabled = maybe\nend\n"),
        QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollButtons = csbUp\nend\n"),
        QStringLiteral("object TTabsOptions\n  Options.Scrolling = 1\nend\n"), QStringLiteral("  Options.Scrolling.ScrollStep = 1\n"),
        QStringLiteral("object TTabsOptions\n  Options.Scrolling.ScrollStep = 1\n") };
    for (const String& bad : badValues) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_THROW(TextToComponent(bad, TabsOptionsCarrier, strip.Options), Exception);
    }
}

TEST(SlantTabsText, CodeHasOneAssignmentPerLeafAndNoHeader)
{
    TRecordingStrip strip;
    SetDefaultOptions(strip.Options);
    const String code = ComponentToCode(TabsOptionsCarrier, strip.Options, QStringLiteral("SlantTabs1"));
    EXPECT_TRUE(code.contains(QStringLiteral("SlantTabs1.Options.Display.Tabs.TabOverlap := 15;\r\n")));
    EXPECT_TRUE(code.startsWith(QStringLiteral("SlantTabs1.Options.Display.CloseButton.Offsets.Vertical := 6;\r\n")));
    EXPECT_FALSE(code.contains(QStringLiteral("object")));
    EXPECT_FALSE(code.contains(QStringLiteral("end\r\n")));
}

} // namespace
