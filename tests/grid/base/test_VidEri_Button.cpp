#include "grid/base/VidEri_Button.h"
#include "grid/base/VidEri_ButtonLooks.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

namespace {

class DudOderButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 200);
    }

    TDudOderButton* AddButton(const std::string& name, int32_t left)
    {
        auto* button = new TDudOderButton(Form.get());
        button->SetBounds(left, 10, 80, 23);
        button->SetParent(Form.get());
        button->OnClick = [this, name](TComponent*) { Events.push_back("click " + name); };
        button->OnDropDown = [this, name](TComponent*) { Events.push_back("dropdown " + name); };
        return button;
    }

    static void ClickAt(TDudOderButton& button, TPoint point)
    {
        button.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(point));
        button.Perform(WM_LBUTTONUP, 0, PointToLParam(point));
    }

    static TColor PixelOf(TControl& control, TPoint point)
    {
        TBitmap image;
        GrabControl(control, image);
        return BitmapPixel(image, point.X, point.Y);
    }

    std::unique_ptr<TForm> Form;
    std::vector<std::string> Events;
};

// A 4 x 2 glyph: red, green, blue, white / black, grey, yellow, magenta.
TBitmap ColourGlyph()
{
    TBitmap glyph(4, 2);
    constexpr TColor colours[2][4] = { { 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF },
        { 0x000000, 0x808080, 0x00FFFF, 0xFF00FF } };
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x)
            glyph.Canvas().SetPixels(x, y, colours[y][x]);
    return glyph;
}

} // namespace

TEST_F(DudOderButtonTest, StartsWithTheDefaultsOfANewButton)
{
    TDudOderButton button(nullptr);
    EXPECT_EQ(button.Width(), 22);
    EXPECT_EQ(button.Height(), 23);
    EXPECT_EQ(button.GroupIndex(), 0);
    EXPECT_FALSE(button.Down());
    EXPECT_FALSE(button.AllowAllUp());
    EXPECT_EQ(button.Layout(), blGlyphLeft);
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_EQ(button.Margin(), -1);
    EXPECT_TRUE(button.Flat());
    EXPECT_TRUE(button.Shaded());
    EXPECT_TRUE(button.ShowCaption());
    EXPECT_EQ(button.ColorTo(), clNone);
    EXPECT_EQ(button.ColorHot(), TColor(0xCAC7C7));
    EXPECT_EQ(button.ColorHotTo(), clNone);
    EXPECT_EQ(button.ColorDown(), TColor(0xD8D3D2));
    EXPECT_EQ(button.ColorDownTo(), clNone);
    EXPECT_EQ(button.ColorChecked(), TColor(0x808080));
    EXPECT_EQ(button.ColorCheckedTo(), clNone);
    EXPECT_EQ(button.BorderColor(), clNone);
    EXPECT_EQ(button.BorderDownColor(), clNone);
    EXPECT_EQ(button.BorderHotColor(), clNone);
    EXPECT_EQ(button.Style(), tasButton);
    EXPECT_EQ(button.Look(), 0);
    EXPECT_FALSE(button.Rounded());
    EXPECT_FALSE(button.DropDownButton());
    EXPECT_EQ(button.DropDownMenu(), nullptr);
    EXPECT_FALSE(button.AutoThemeAdapt());
    EXPECT_FALSE(button.AutoXPStyle());
    EXPECT_EQ(button.State(), bsUp);
    EXPECT_EQ(button.Color(), clBtnFace);
    EXPECT_TRUE(button.ParentFont());
    EXPECT_TRUE(button.ControlStyle().Contains(csCaptureMouse));
    EXPECT_TRUE(button.ControlStyle().Contains(csDoubleClicks));
    EXPECT_FALSE(button.ControlStyle().Contains(csClickEvents));
}

TEST_F(DudOderButtonTest, LookPresetsSetTheirColoursAndSevenChangesNothing)
{
    for (int32_t look = 0; look < 7; ++look) {
        SCOPED_TRACE(look);
        TDudOderButton button(nullptr);
        button.SetFlat(false);
        button.SetBorderColor(0x123456);
        button.SetLook(look);
        const TDudOderButtonLook& expected = DudOderButtonLooks[static_cast<size_t>(look)];
        EXPECT_EQ(button.Color(), expected.Color);
        EXPECT_EQ(button.ColorTo(), expected.ColorTo);
        EXPECT_EQ(button.ColorHot(), expected.ColorHot);
        EXPECT_EQ(button.ColorHotTo(), expected.ColorHotTo);
        EXPECT_EQ(button.ColorDown(), expected.ColorDown);
        EXPECT_EQ(button.ColorDownTo(), expected.ColorDownTo);
        EXPECT_EQ(button.ColorChecked(), expected.ColorChecked);
        EXPECT_EQ(button.ColorCheckedTo(), expected.ColorCheckedTo);
        EXPECT_EQ(button.BorderDownColor(), expected.BorderDownColor);
        EXPECT_EQ(button.BorderHotColor(), expected.BorderHotColor);
        EXPECT_EQ(button.BorderColor(), clNone);
        EXPECT_EQ(button.Rounded(), expected.Rounded);
        EXPECT_TRUE(button.Flat());
        EXPECT_EQ(button.Look(), 0);
    }
    // Spot checks of the table against the presets as published.
    EXPECT_EQ(DudOderButtonLooks[0].BorderDownColor, TColor(0xAF987A));
    EXPECT_EQ(DudOderButtonLooks[0].BorderHotColor, TColor(0xC3CECE));
    EXPECT_EQ(DudOderButtonLooks[3].Color, TColor(0xCFF0EA));
    EXPECT_EQ(DudOderButtonLooks[4].ColorCheckedTo, TColor(0x55ADFF));
    EXPECT_EQ(DudOderButtonLooks[6].ColorCheckedTo, TColor(0x9CDDED));

    TDudOderButton button(nullptr);
    button.SetFlat(false);
    button.SetColorTo(0x111111);
    button.SetLook(7);
    button.SetLook(-1);
    EXPECT_FALSE(button.Flat());
    EXPECT_EQ(button.ColorTo(), TColor(0x111111));
    EXPECT_EQ(button.Color(), clBtnFace);
}

TEST_F(DudOderButtonTest, AThemeAdaptingButtonTakesTheClassicPresetWithoutVisualStyles)
{
    TDudOderButton button(nullptr);
    button.SetAutoThemeAdapt(true);
    EXPECT_EQ(button.ColorHot(), DudOderButtonLooks[1].ColorHot);
    EXPECT_EQ(button.BorderHotColor(), TColor(0xC56A31));
    button.SetLook(6);
    button.Perform(WM_THEMECHANGED);
    EXPECT_EQ(button.ColorHot(), DudOderButtonLooks[1].ColorHot);
}

TEST_F(DudOderButtonTest, GroupedButtonsStayDownOneAtATime)
{
    TDudOderButton* first = AddButton("first", 10);
    TDudOderButton* second = AddButton("second", 100);
    TDudOderButton* other = AddButton("other", 200);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);

    ClickAt(*first, { 5, 5 });
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(first->State(), bsExclusive);
    ClickAt(*second, { 5, 5 });
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), bsUp);
    EXPECT_TRUE(other->Down()) << "another group is left alone";

    // Without AllowAllUp the pressed one cannot be released by itself.
    ClickAt(*second, { 5, 5 });
    EXPECT_TRUE(second->Down());
    second->SetDown(false);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(Events, (std::vector<std::string> { "click first", "click second", "click second" }));

    // AllowAllUp reaches the whole group.
    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp());
    ClickAt(*second, { 5, 5 });
    EXPECT_FALSE(second->Down());
    EXPECT_FALSE(first->Down());
}

TEST_F(DudOderButtonTest, AButtonWithoutGroupNeverStaysDown)
{
    TDudOderButton* button = AddButton("plain", 10);
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    EXPECT_EQ(button->State(), bsDown);
    // Dragged out and released outside: up again, no click.
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ 300, 5 }));
    EXPECT_EQ(button->State(), bsUp);
    button->Perform(WM_LBUTTONUP, 0, PointToLParam({ 300, 5 }));
    EXPECT_EQ(button->State(), bsUp);
    EXPECT_TRUE(Events.empty());
}

TEST_F(DudOderButtonTest, ACheckStyleButtonTogglesAndPaintsCheckedWhileDown)
{
    TDudOderButton* button = AddButton("check", 10);
    button->SetStyle(tasCheck);
    button->SetColorChecked(0x00C000);
    Form->Show();
    QApplication::processEvents();

    ClickAt(*button, { 5, 5 });
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(PixelOf(*button, { 40, 11 }), TColor(0x00C000));
    ClickAt(*button, { 5, 5 });
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(PixelOf(*button, { 40, 11 }), ColorToRGB(clBtnFace));
    EXPECT_EQ(Events, (std::vector<std::string> { "click check", "click check" }));
}

TEST_F(DudOderButtonTest, TheDropDownPartDropsDownAndTheRestClicks)
{
    TDudOderButton* button = AddButton("menu", 10);
    button->SetDropDownButton(true);
    struct TCase {
        int32_t X;
        const char* Event;
    };
    const TCase cases[] = {
        { 79, "dropdown menu" },
        { 69, "dropdown menu" },
        { 68, "click menu" },
        { 5, "click menu" },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.X);
        Events.clear();
        ClickAt(*button, { test.X, 5 });
        EXPECT_EQ(Events, (std::vector<std::string> { test.Event }));
        EXPECT_EQ(button->State(), bsUp);
    }
}

TEST_F(DudOderButtonTest, GlyphAndCaptionFollowLayoutMarginAndSpacing)
{
    struct TCase {
        const char* Name;
        TButtonLayout Layout;
        int32_t Margin;
        int32_t Spacing;
        TSize Caption;
        bool RightToLeft;
        TPoint Glyph;
        TRect Text;
    };
    // Client 100 x 30, glyph 16 x 16, content moved by (1, 2).
    const TCase cases[] = {
        { "left, centred", blGlyphLeft, -1, 4, { 40, 14 }, false, { 21, 9 }, Bounds(41, 10, 40, 14) },
        { "left, margin 3", blGlyphLeft, 3, 4, { 40, 14 }, false, { 4, 9 }, Bounds(24, 10, 40, 14) },
        { "left, spread", blGlyphLeft, -1, -1, { 40, 14 }, false, { 15, 9 }, Bounds(45, 10, 40, 14) },
        { "left, spacing fills", blGlyphLeft, 5, -1, { 40, 14 }, false, { 6, 9 }, Bounds(41, 10, 40, 14) },
        { "right, margin 3", blGlyphRight, 3, 4, { 40, 14 }, false, { 82, 9 }, Bounds(38, 10, 40, 14) },
        { "right to left swaps", blGlyphLeft, 3, 4, { 40, 14 }, true, { 82, 9 }, Bounds(38, 10, 40, 14) },
        { "top, centred", blGlyphTop, -1, 2, { 40, 10 }, false, { 43, 3 }, Bounds(31, 21, 40, 10) },
        { "bottom, margin 0", blGlyphBottom, 0, 2, { 40, 10 }, false, { 43, 16 }, Bounds(31, 4, 40, 10) },
        { "no caption drops spacing", blGlyphLeft, -1, 4, { 0, 0 }, false, { 43, 9 }, Bounds(59, 17, 0, 0) },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        const TButtonContentLayout layout = CalcButtonLayout(
            { 100, 30 }, { 1, 2 }, { 16, 16 }, test.Caption, test.Layout, test.Margin, test.Spacing, test.RightToLeft);
        EXPECT_EQ(layout.GlyphPos.X, test.Glyph.X);
        EXPECT_EQ(layout.GlyphPos.Y, test.Glyph.Y);
        EXPECT_EQ(layout.TextBounds, test.Text);
    }
}

TEST_F(DudOderButtonTest, AGlyphWithoutDisabledGlyphGetsAGreyOne)
{
    TDudOderButton button(nullptr);
    button.SetGlyph(ColourGlyph());
    const TBitmap& grey = button.GlyphDisabled();
    ASSERT_EQ(grey.Width(), 4);
    ASSERT_EQ(grey.Height(), 2);
    // Level = round((r + g + b) / 3) div 2 + 96.
    constexpr uint8_t levels[2][4] = { { 138, 138, 138, 223 }, { 96, 160, 181, 181 } };
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            const TColor pixel = BitmapPixel(grey, x, y);
            EXPECT_EQ(GetRValue(pixel), levels[y][x]);
            EXPECT_EQ(GetGValue(pixel), levels[y][x]);
            EXPECT_EQ(GetBValue(pixel), levels[y][x]);
        }

    // A disabled glyph of the program's own is kept.
    TDudOderButton own(nullptr);
    TBitmap mine(2, 2);
    mine.Canvas().Brush().SetColor(0x00FF00);
    mine.Canvas().FillRect(Rect(0, 0, 2, 2));
    own.SetGlyphDisabled(mine);
    own.SetGlyph(ColourGlyph());
    EXPECT_EQ(BitmapPixel(own.GlyphDisabled(), 0, 0), TColor(0x00FF00));
}

TEST_F(DudOderButtonTest, ADisabledButtonDrawsItsGreyGlyph)
{
    TDudOderButton* button = AddButton("grey", 10);
    button->SetCaption(QString());
    // Red on the fuchsia that the bottom-left pixel makes transparent.
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas().Brush().SetColor(0x0000FF);
    glyph.Canvas().FillRect(Rect(2, 2, 14, 14));
    button->SetGlyph(glyph);
    Form->Show();
    QApplication::processEvents();
    EXPECT_EQ(PixelOf(*button, { 3, 3 }), TColor(0x0000FF));
    button->SetEnabled(false);
    EXPECT_EQ(PixelOf(*button, { 3, 3 }), TColor(0x8A8A8A));
    EXPECT_EQ(button->State(), bsDisabled);
}

TEST_F(DudOderButtonTest, ShadedGlyphLeavesAGreySilhouette)
{
    TDudOderButton button(nullptr);
    TBitmap glyph(3, 3);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
    glyph.Canvas().SetPixels(1, 1, 0x0000FF);
    button.SetGlyph(glyph);
    button.SetShaded(true);
    const TBitmap& shade = button.GlyphShade();
    ASSERT_EQ(shade.Width(), 3);
    EXPECT_EQ(BitmapPixel(shade, 1, 1), TColor(0x808080));
    EXPECT_EQ(BitmapPixel(shade, 0, 0), clFuchsia);
    EXPECT_EQ(BitmapPixel(shade, 2, 2), clFuchsia);
}

TEST_F(DudOderButtonTest, HotTrackingRepaintsAndFiresEnterAndLeave)
{
    TDudOderButton* button = AddButton("hot", 10);
    button->SetColorHot(0x00FFFF);
    button->OnMouseEnter = [this](TComponent*) { Events.push_back("enter"); };
    button->OnMouseLeave = [this](TComponent*) { Events.push_back("leave"); };
    Form->Show();
    QApplication::processEvents();
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->MouseInControl());
    EXPECT_EQ(PixelOf(*button, { 40, 11 }), TColor(0x00FFFF));
    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(button->MouseInControl());
    EXPECT_EQ(Events, (std::vector<std::string> { "enter", "leave" }));

    // A disabled button does not light up.
    button->SetEnabled(false);
    button->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(button->MouseInControl());
}

TEST_F(DudOderButtonTest, TheAcceleratorClicksAnEnabledVisibleButton)
{
    TDudOderButton* button = AddButton("accel", 10);
    button->SetCaption(QStringLiteral("Find &next"));
    Form->Show();
    QApplication::processEvents();
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, u'n'), 1);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, u'x'), 0);
    button->SetEnabled(false);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, u'n'), 0);
    EXPECT_EQ(Events, (std::vector<std::string> { "click accel" }));
}

TEST_F(DudOderButtonTest, AGroupedButtonThatMayBeAllUpFollowsItsActionsCheckedState)
{
    TDudOderButton* button = AddButton("action", 10);
    button->SetGroupIndex(3);
    button->SetAllowAllUp(true);
    TAction action(nullptr);
    action.SetCaption(QStringLiteral("Act"));
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "Act");
    action.SetChecked(true);
    EXPECT_TRUE(button->Down());
    action.SetChecked(false);
    EXPECT_FALSE(button->Down());
    button->SetAction(nullptr);
}

TEST_F(DudOderButtonTest, AGradientFaceRunsInSixteenBandsFromColorToColorTo)
{
    TDudOderButton* button = AddButton("gradient", 10);
    button->SetBounds(10, 10, 80, 34);
    button->SetColor(RGB(0, 0, 0));
    button->SetColorTo(RGB(160, 0, 0));
    Form->Show();
    QApplication::processEvents();
    // The face lies 1 pixel in (no down border): 32 rows, 2 to a band.
    struct TCase {
        int32_t Y;
        uint8_t Red;
    };
    const TCase cases[] = { { 1, 0 }, { 2, 0 }, { 3, 10 }, { 5, 20 }, { 17, 80 }, { 31, 150 }, { 32, 150 } };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Y);
        EXPECT_EQ(PixelOf(*button, { 40, test.Y }), RGB(test.Red, 0, 0));
    }
}
