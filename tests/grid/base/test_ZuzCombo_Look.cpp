#include "grid/base/ZuzCombo.h"

#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

TEST(LabelPlacement, EveryPositionBesideTheControl)
{
    // The control at (100, 50), 80 by 20; the caption measures 30, the label
    // is 34 by 14 (or 34 by 30 when taller than the control, 120 wide when
    // wider), the margin 4.
    const TRect control = Rect(100, 50, 180, 70);
    const TSize label { 34, 14 };
    const TSize tall { 34, 30 };
    const TSize wide { 120, 14 };
    struct TCase {
        TLabelPosition Position;
        TSize Label;
        TPoint Expected;
    };
    const TCase cases[] = {
        { lpLeftTop, label, { 100 - 30 - 4, 50 } },
        { lpLeftCenter, label, { 66, 50 + 3 } },
        { lpLeftCenter, tall, { 66, 50 - 5 } },
        { lpLeftBottom, label, { 66, 70 - 14 } },
        { lpTopLeft, label, { 100, 50 - 14 - 4 } },
        { lpBottomLeft, label, { 100, 74 } },
        { lpLeftTopLeft, label, { 96, 50 } },
        { lpLeftCenterLeft, tall, { 96, 45 } },
        { lpLeftBottomLeft, label, { 96, 56 } },
        { lpTopCenter, label, { 100 + 23, 32 } },
        { lpTopCenter, wide, { 100 - 20, 32 } },
        { lpBottomCenter, label, { 123, 74 } },
        { lpBottomCenter, wide, { 80, 74 } },
        { lpRightTop, label, { 184, 50 } },
        { lpRightCenter, label, { 184, 53 } },
        { lpRightCenter, tall, { 184, 45 } },
        { lpRighBottom, tall, { 184, 40 } },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testing::Message() << testCase.Position << " " << testCase.Label.cx << "x" << testCase.Label.cy);
        EXPECT_EQ(LabelPlacement(testCase.Position, control, 30, testCase.Label, 4), testCase.Expected);
    }
}

namespace {

// A combo-like control 100 by 21 with a 19-pixel drop button.
TComboLook PlainLook()
{
    TComboLook look;
    look.Width = 100;
    look.Height = 21;
    look.ClientWidth = 100;
    look.ClientHeight = 21;
    look.ButtonWidth = 19;
    return look;
}

} // namespace

// The date pickers paint with the combo's steps; these are the points in
// which their look differs.
TEST(ComboPainter, DatePickerVariantDiffersOnlyWhereItShould)
{
    struct TProbe {
        TPoint Point;
        TColor Combo;
        TColor Picker;
    };
    struct TCase {
        const char* Name;
        std::function<void(TComboLook&)> Setup;
        std::function<void(const TComboPainter&, TCanvas&)> Paint;
        std::vector<TProbe> Probes;
    };
    const auto customButton = [](TComboLook& look) {
        look.ButtonColor = clRed;
        look.ButtonTextColor = clBlue;
        look.ButtonBorderColor = clGreen;
    };
    const auto drawButton = [](const TComboPainter& painter, TCanvas& canvas) { painter.DrawButton(canvas); };
    const auto drawBorder = [](const TComboPainter& painter, TCanvas& canvas) { painter.DrawBorder(canvas); };
    const auto drawFlatButton = [](const TComboPainter& painter, TCanvas& canvas) { painter.DrawFlatButton(canvas); };
    const TColor face = ColorToRGB(clBtnFace);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TCase cases[] = {
        { "custom button face and arrow", customButton, drawButton,
            { { { 83, 5 }, clGreen, clWhite },
                { { 86, 5 }, clRed, clGreen },
                { { 90, 10 }, clBlue, clRed },
                { { 94, 10 }, clRed, clBlue } } },
        { "classic button", [](TComboLook&) { }, drawButton,
            { { { 80, 2 }, shadow, clWhite }, { { 84, 1 }, clWhite, shadow } } },
        { "flat underline",
            [](TComboLook& look) {
                look.Flat = true;
                look.FlatLineColor = clRed;
            },
            drawBorder, { { { 10, 20 }, clRed, face } } },
        { "flat button while active", [](TComboLook& look) { look.Active = true; }, drawFlatButton,
            { { { 81, 2 }, clWhite, ColorToRGB(cl3DLight) }, { { 97, 18 }, clWhite, ColorToRGB(cl3DDkShadow) } } },
        { "flat button while inactive", [](TComboLook&) { }, drawFlatButton,
            { { { 81, 3 }, face, face }, { { 97, 18 }, clWhite, clWhite } } },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TComboLook look = PlainLook();
        testCase.Setup(look);
        TBitmap combo(100, 21);
        testCase.Paint(TComboPainter(look, ComboEditorLook), combo.Canvas());
        TBitmap picker(100, 21);
        testCase.Paint(TComboPainter(look, DatePickerLook), picker.Canvas());
        for (const TProbe& probe : testCase.Probes) {
            SCOPED_TRACE(testing::Message() << probe.Point.X << "," << probe.Point.Y);
            EXPECT_EQ(combo.Canvas().Pixels(probe.Point.X, probe.Point.Y), probe.Combo);
            EXPECT_EQ(picker.Canvas().Pixels(probe.Point.X, probe.Point.Y), probe.Picker);
        }
    }
}

TEST(ComboPainter, CustomPaintingOnlyWhenSomethingAsksForIt)
{
    struct TCase {
        const char* Name;
        std::function<void(TComboLook&)> Setup;
        bool Expected;
    };
    const TCase cases[] = {
        { "plain", [](TComboLook&) { }, false },
        { "flat", [](TComboLook& look) { look.Flat = true; }, true },
        { "button colour", [](TComboLook& look) { look.ButtonColor = clRed; }, true },
        { "border colour", [](TComboLook& look) { look.BorderColor = clRed; }, true },
        { "focus border unfocused", [](TComboLook& look) { look.FocusBorderColor = clRed; }, false },
        { "focus border focused",
            [](TComboLook& look) {
                look.FocusBorderColor = clRed;
                look.HasFocus = true;
            },
            true },
        { "disabled themed, own frame",
            [](TComboLook& look) {
                look.Enabled = false;
                look.UseThemes = true;
                look.DisabledBorder = false;
            },
            true },
        { "disabled themed, normal frame",
            [](TComboLook& look) {
                look.Enabled = false;
                look.UseThemes = true;
            },
            false },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TComboLook look = PlainLook();
        testCase.Setup(look);
        EXPECT_EQ(TComboPainter(look, ComboEditorLook).CustomPainted(), testCase.Expected);
    }
}
