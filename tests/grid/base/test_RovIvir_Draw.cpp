#include "grid/base/RovIvir_Draw.h"
#include "grid/base/DudXPVS.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Resources.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <limits>

#include <string>
#include <vector>

namespace {

constexpr TColor clFill = RGB(10, 20, 30);
constexpr TColor clInnerTop = RGB(40, 50, 60);
constexpr TColor clInnerBottom = RGB(70, 80, 90);
constexpr TColor clOuter = RGB(100, 110, 120);
constexpr TColor clCorner = RGB(130, 140, 150);
constexpr TColor clBack = RGB(160, 170, 180);

TColor Pixel(TBitmap& bitmap, int32_t x, int32_t y) { return bitmap.Canvas().Pixels(x, y); }

// The red components along row y from x0 up to (not including) x1.
std::vector<int> RedRun(TBitmap& bitmap, int32_t y, int32_t x0, int32_t x1)
{
    std::vector<int> reds;
    for (int32_t x = x0; x < x1; ++x)
        reds.push_back(GetRValue(Pixel(bitmap, x, y)));
    return reds;
}

// The columns of row y (or rows of column x) that hold colour, as '#' and '.'.
std::string RowMask(TBitmap& bitmap, int32_t y, int32_t x0, int32_t x1, TColor color)
{
    std::string mask;
    for (int32_t x = x0; x < x1; ++x)
        mask += Pixel(bitmap, x, y) == color ? '#' : '.';
    return mask;
}

std::string ColumnMask(TBitmap& bitmap, int32_t x, int32_t y0, int32_t y1, TColor color)
{
    std::string mask;
    for (int32_t y = y0; y < y1; ++y)
        mask += Pixel(bitmap, x, y) == color ? '#' : '.';
    return mask;
}

int CountColor(TBitmap& bitmap, const TRect& area, TColor color)
{
    int count = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x)
            count += Pixel(bitmap, x, y) == color ? 1 : 0;
    return count;
}

bool SameImage(TBitmap& left, TBitmap& right)
{
    if (left.Width() != right.Width() || left.Height() != right.Height())
        return false;
    for (int32_t y = 0; y < left.Height(); ++y)
        for (int32_t x = 0; x < left.Width(); ++x)
            if (Pixel(left, x, y) != Pixel(right, x, y))
                return false;
    return true;
}

} // namespace

// ---- colour maths ------------------------------------------------------------------

TEST(ColorMaths, HalveAdjustInterpolateAndHex)
{
    EXPECT_EQ(HalveColor(RGB(255, 128, 64)), RGB(127, 64, 32));
    EXPECT_EQ(HalveColor(clBtnFace), RGB(120, 120, 120));

    struct TAdjustCase {
        TColor Color;
        int32_t Percent;
        TColor Expected;
    };
    const TAdjustCase adjustCases[] = {
        { RGB(200, 100, 0), 50, RGB(255, 150, 0) }, // brightening past 255 stays white, never wraps
        { RGB(200, 100, 10), -50, RGB(100, 50, 5) },
        { RGB(101, 0, 0), 10, RGB(111, 0, 0) },
        { RGB(100, 100, 100), -200, RGB(0, 0, 0) },
        { clBtnFace, 0, RGB(240, 240, 240) },
    };
    for (const TAdjustCase& adjustCase : adjustCases) {
        SCOPED_TRACE(adjustCase.Percent);
        EXPECT_EQ(AdjustColorPercent(adjustCase.Color, adjustCase.Percent), adjustCase.Expected);
    }

    struct TInterpolateCase {
        TColor From;
        TColor To;
        int32_t Lo;
        int32_t Hi;
        int32_t Pos;
        TColor Expected;
    };
    const TInterpolateCase interpolateCases[] = {
        { clBlack, RGB(200, 100, 50), 0, 10, 5, RGB(100, 50, 25) },
        { clBlack, RGB(200, 100, 50), 0, 10, 10, RGB(200, 100, 50) },
        { RGB(1, 2, 3), clNone, 0, 10, 5, RGB(1, 2, 3) },
        { RGB(1, 2, 3), clWhite, 4, 4, 4, RGB(1, 2, 3) }, // empty range: no division by zero
        { clBlack, clWhite, 0, 10, 20, clWhite }, // past the range: channels stay in 0..255
        { clBtnFace, clBlack, 0, 2, 1, RGB(120, 120, 120) },
    };
    for (const TInterpolateCase& interpolateCase : interpolateCases) {
        SCOPED_TRACE(interpolateCase.Pos);
        EXPECT_EQ(InterpolateColor(interpolateCase.From, interpolateCase.To, interpolateCase.Lo, interpolateCase.Hi,
                      interpolateCase.Pos),
            interpolateCase.Expected);
    }

    EXPECT_EQ(ColorToHtmlHex(0x0080FF), QStringLiteral("FF8000"));
    EXPECT_EQ(ColorToHtmlHex(clBtnFace), QStringLiteral("0F0000"));
    EXPECT_EQ(ColorToHtmlHex(RGB(0xAB, 0xCD, 0xEF)), QStringLiteral("ABCDEF"));
}

TEST(ColorMaths, IntegerHelpersAndCellInGridRect)
{
    EXPECT_EQ(IntMax(-3, 2), 2);
    EXPECT_EQ(IntMin(-3, 2), -3);
    const TRect cells = Rect(1, 2, 3, 4);
    EXPECT_TRUE(CellInGridRect(cells, 1, 2));
    EXPECT_TRUE(CellInGridRect(cells, 3, 4));
    EXPECT_FALSE(CellInGridRect(cells, 4, 3));
    EXPECT_FALSE(CellInGridRect(cells, 2, 1));
}

// ---- gradients ----------------------------------------------------------------------

TEST(Gradient, BandsStartAtTruncatedMultiplesAndOverlapByOnePixel)
{
    struct TCase {
        const char* Name;
        int32_t Width;
        int32_t Steps;
        TColor To;
        std::vector<int> Reds;
    };
    const TCase cases[] = {
        { "whole bands", 11, 5, RGB(250, 0, 0), { 0, 0, 50, 50, 100, 100, 150, 150, 200, 200, 250 } },
        { "fractional bands", 8, 3, RGB(255, 0, 0), { 0, 0, 85, 85, 170, 170, 170, 255 } },
        { "steps limited to the size", 4, 100, RGB(255, 0, 0), { 0, 85, 170, 255 } },
        { "halves round to even", 3, 2, RGB(255, 0, 0), { 0, 128, 255 } },
        { "no steps count as one", 4, 0, RGB(255, 0, 0), { 0, 0, 0, 255 } },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap horizontal(testCase.Width + 2, 4);
        DrawGradient(horizontal.Canvas(), clBlack, testCase.To, true, Rect(1, 1, testCase.Width + 1, 3),
            testCase.Steps);
        EXPECT_EQ(RedRun(horizontal, 1, 1, testCase.Width + 1), testCase.Reds);
        EXPECT_EQ(RedRun(horizontal, 2, 1, testCase.Width + 1), testCase.Reds);
        EXPECT_EQ(Pixel(horizontal, 0, 1), clWhite);
        EXPECT_EQ(Pixel(horizontal, testCase.Width + 1, 1), clWhite);
        EXPECT_EQ(Pixel(horizontal, 1, 3), clWhite);

        TBitmap vertical(3, testCase.Width + 2);
        DrawGradient(vertical.Canvas(), clBlack, testCase.To, false, Rect(1, 1, 2, testCase.Width + 1),
            testCase.Steps);
        std::vector<int> reds;
        for (int32_t y = 1; y <= testCase.Width; ++y)
            reds.push_back(GetRValue(Pixel(vertical, 1, y)));
        EXPECT_EQ(reds, testCase.Reds);
    }
}

TEST(Gradient, PlainFillsAndDegenerateRectangles)
{
    struct TCase {
        const char* Name;
        TColor From;
        TColor To;
        TRect Area;
        TColor AtOrigin;
    };
    const TCase cases[] = {
        { "from none fills with to", clNone, clRed, Rect(0, 0, 6, 4), clRed },
        { "to none fills with from", clBlue, clNone, Rect(0, 0, 6, 4), clBlue },
        { "equal colours", clLime, clLime, Rect(0, 0, 6, 4), clLime },
        { "system colours resolved", clBtnFace, clBtnFace, Rect(0, 0, 6, 4), RGB(240, 240, 240) },
        { "reversed rectangle", clLime, clLime, Rect(0, 4, 6, 0), clLime },
        { "empty height draws nothing", clRed, clBlue, Rect(0, 2, 6, 2), clWhite },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap bitmap(8, 6);
        DrawGradient(bitmap.Canvas(), testCase.From, testCase.To, false, testCase.Area, 16);
        const TRect covered = Rect(0, 0, 6, 4);
        EXPECT_EQ(CountColor(bitmap, covered, testCase.AtOrigin), 24);
        EXPECT_EQ(Pixel(bitmap, 6, 0), clWhite);
        EXPECT_EQ(Pixel(bitmap, 0, 4), clWhite);
    }
    TBitmap onePixel(6, 3);
    DrawGradient(onePixel.Canvas(), clBlack, clRed, false, Rect(0, 1, 6, 2), 16);
    EXPECT_EQ(RowMask(onePixel, 1, 0, 6, clRed), "######");
    EXPECT_EQ(RowMask(onePixel, 2, 0, 6, clWhite), "######");
}

TEST(Gradient, BackgroundSolidMirroredAndBorders)
{
    TBitmap solid(6, 7);
    DrawGradientBackground(solid.Canvas(), Rect(0, 0, 4, 4), clRed, clNone, clNone, clNone, true, clNone, false, true);
    EXPECT_EQ(ColumnMask(solid, 1, 0, 7, clRed), "#####..");
    EXPECT_EQ(RowMask(solid, 0, 0, 6, clRed), "####..");

    TBitmap mirrored(6, 12);
    DrawGradientBackground(mirrored.Canvas(), Rect(0, 0, 4, 10), clRed, clBlue, clLime, clBlack, true, clNone, false,
        true);
    EXPECT_EQ(Pixel(mirrored, 1, 0), clRed);
    EXPECT_EQ(Pixel(mirrored, 1, 4), clBlue);
    EXPECT_EQ(Pixel(mirrored, 1, 5), clLime);
    EXPECT_EQ(Pixel(mirrored, 1, 9), clBlack);
    EXPECT_EQ(Pixel(mirrored, 1, 10), clWhite);

    TBitmap sideBySide(12, 4);
    DrawGradientBackground(sideBySide.Canvas(), Rect(0, 0, 10, 3), clRed, clBlue, clLime, clBlack, false, clNone,
        false, true);
    EXPECT_EQ(Pixel(sideBySide, 0, 1), clRed);
    EXPECT_EQ(Pixel(sideBySide, 4, 1), clBlue);
    EXPECT_EQ(Pixel(sideBySide, 5, 1), clLime);
    EXPECT_EQ(Pixel(sideBySide, 9, 1), clBlack);

    TBitmap sides(8, 6);
    DrawGradientBackground(sides.Canvas(), Rect(1, 1, 7, 5), clNone, clNone, clNone, clNone, true, clRed, true, true);
    EXPECT_EQ(RowMask(sides, 2, 0, 8, clRed), ".#....#.");
    EXPECT_EQ(RowMask(sides, 1, 0, 8, clRed), ".#....#.");
    EXPECT_EQ(ColumnMask(sides, 1, 0, 6, clRed), ".####.");

    TBitmap frame(8, 6);
    DrawGradientBackground(frame.Canvas(), Rect(1, 1, 7, 5), clLime, clNone, clNone, clNone, true, clRed, false,
        false);
    EXPECT_EQ(RowMask(frame, 1, 0, 8, clRed), ".######.");
    EXPECT_EQ(RowMask(frame, 2, 0, 8, clRed), ".#....#.");
    EXPECT_EQ(Pixel(frame, 3, 3), clWhite); // no fill when Fill is off
}

// ---- styled selection -----------------------------------------------------------------

TEST(StyledSelection, RoundedEndsFollowThePositionCode)
{
    // Cell (0, 0, 20, 12): the frame spans columns 0..18 and rows 0..10.
    struct TProbe {
        int32_t Position;
        int32_t X;
        int32_t Y;
        TColor Expected;
    };
    const TProbe probes[] = {
        // single cell: both ends rounded
        { 0, 0, 0, clBack }, { 0, 1, 0, clCorner }, { 0, 1, 1, clCorner }, { 0, 0, 1, clCorner },
        { 0, 0, 10, clBack }, { 0, 1, 10, clCorner }, { 0, 1, 9, clCorner }, { 0, 0, 9, clCorner },
        { 0, 18, 0, clBack }, { 0, 17, 0, clCorner }, { 0, 17, 1, clCorner }, { 0, 18, 1, clCorner },
        { 0, 18, 10, clBack }, { 0, 17, 10, clCorner }, { 0, 17, 9, clCorner }, { 0, 18, 9, clCorner },
        { 0, 2, 0, clOuter }, { 0, 16, 0, clOuter }, { 0, 2, 10, clOuter }, { 0, 16, 10, clOuter },
        { 0, 0, 2, clOuter }, { 0, 0, 8, clOuter }, { 0, 18, 2, clOuter }, { 0, 18, 8, clOuter },
        { 0, 2, 1, clInnerTop }, { 0, 1, 2, clInnerTop }, { 0, 1, 4, clInnerTop }, { 0, 17, 4, clInnerTop },
        { 0, 2, 9, clInnerBottom }, { 0, 1, 5, clInnerBottom }, { 0, 1, 8, clInnerBottom },
        { 0, 17, 5, clInnerBottom },
        { 0, 2, 2, clFill }, { 0, 16, 8, clFill },
        { 0, 19, 5, clWhite }, { 0, 5, 11, clWhite },
        // left end: rounded left, open right
        { 1, 0, 0, clBack }, { 1, 1, 1, clCorner }, { 1, 18, 0, clOuter }, { 1, 18, 10, clOuter },
        { 1, 18, 1, clInnerTop }, { 1, 18, 5, clFill }, { 1, 17, 4, clFill },
        // right end: open left, rounded right
        { 2, 0, 0, clOuter }, { 2, 0, 1, clInnerTop }, { 2, 0, 5, clFill }, { 2, 18, 0, clBack },
        { 2, 17, 1, clCorner }, { 2, 18, 5, clOuter },
        // middle: no rounded end
        { 3, 0, 0, clOuter }, { 3, 18, 0, clOuter }, { 3, 0, 10, clOuter }, { 3, 1, 1, clInnerTop },
        { 3, 0, 2, clFill }, { 3, 18, 8, clFill }, { 3, 0, 9, clInnerBottom },
    };
    for (const TProbe& probe : probes) {
        SCOPED_TRACE(testing::Message() << "position " << probe.Position << " at " << probe.X << "," << probe.Y);
        TBitmap bitmap(22, 14);
        DrawStyledSelection(bitmap.Canvas(), clFill, clNone, clNone, clNone, clInnerTop, clInnerBottom, clOuter,
            clCorner, clBack, Rect(0, 0, 20, 12), probe.Position);
        EXPECT_EQ(Pixel(bitmap, probe.X, probe.Y), probe.Expected);
    }
}

TEST(StyledSelection, FillsWithGradientOrMirroredHalves)
{
    TBitmap gradient(22, 14);
    DrawStyledSelection(gradient.Canvas(), clBlack, clRed, clNone, clNone, clInnerTop, clInnerBottom, clOuter,
        clCorner, clBack, Rect(0, 0, 20, 12), 0);
    EXPECT_EQ(Pixel(gradient, 5, 2), clBlack);
    EXPECT_EQ(Pixel(gradient, 5, 8), clRed);

    TBitmap mirrored(22, 14);
    DrawStyledSelection(mirrored.Canvas(), clBlack, clRed, clLime, clBlue, clInnerTop, clInnerBottom, clOuter,
        clCorner, clBack, Rect(0, 0, 20, 12), 0);
    EXPECT_EQ(Pixel(mirrored, 5, 2), clBlack);
    EXPECT_EQ(Pixel(mirrored, 5, 4), clRed);
    EXPECT_EQ(Pixel(mirrored, 5, 5), clLime);
    EXPECT_EQ(Pixel(mirrored, 5, 8), clBlue);
}

// ---- buttons --------------------------------------------------------------------------

namespace {

TColorTones TestTones()
{
    TColorTones tones;
    tones.Background = { RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 90, 0) };
    tones.Hover = { RGB(210, 0, 0), RGB(0, 0, 210), clBlack };
    tones.Selected = { RGB(220, 0, 0), RGB(0, 0, 220), clBlack };
    tones.Disabled = { RGB(230, 0, 0), RGB(0, 0, 230), clBlack };
    return tones;
}

} // namespace

TEST(Buttons, CustomComboButtonTriangleAndSeparator)
{
    const TColorTones tones = TestTones();
    TBitmap bitmap(40, 20);
    DrawComboButton(bitmap.Canvas(), Rect(0, 0, 40, 20), tones, bstNormal, blCustom);
    const TColor brush = tones.Background.BrushColor;
    const TColor text = tones.Background.TextColor;
    // The button covers columns 24..37 and rows 1..18.
    EXPECT_EQ(RowMask(bitmap, 5, 22, 40, brush), "..#.############..");
    EXPECT_EQ(ColumnMask(bitmap, 27, 0, 20, brush), ".##################.");
    EXPECT_EQ(ColumnMask(bitmap, 25, 1, 19, tones.Background.BorderColor), "##################");
    for (const TPoint point : { Point(29, 9), Point(35, 9), Point(32, 12), Point(32, 10) }) {
        SCOPED_TRACE(testing::Message() << point.X << "," << point.Y);
        EXPECT_EQ(Pixel(bitmap, point.X, point.Y), text);
    }
    for (const TPoint point : { Point(28, 9), Point(36, 9), Point(32, 13), Point(32, 8) }) {
        SCOPED_TRACE(testing::Message() << point.X << "," << point.Y);
        EXPECT_EQ(Pixel(bitmap, point.X, point.Y), brush);
    }
}

TEST(Buttons, CustomLookTakesTheToneOfTheState)
{
    const TColorTones tones = TestTones();
    const TColorTone* stateTones[] = { &tones.Background, &tones.Hover, &tones.Selected, &tones.Disabled };
    for (int32_t state = bstNormal; state <= bstDisabled; ++state) {
        SCOPED_TRACE(state);
        const TColorTone& tone = *stateTones[state];
        TBitmap combo(40, 20);
        DrawComboButton(combo.Canvas(), Rect(0, 0, 40, 20), tones, state, blCustom);
        EXPECT_EQ(Pixel(combo, 30, 4), tone.BrushColor);

        TBitmap push(10, 8);
        DrawPushButton(push.Canvas(), Rect(1, 1, 9, 7), tones, state, blCustom);
        EXPECT_EQ(RowMask(push, 1, 0, 10, tone.BorderColor), ".########.");
        EXPECT_EQ(RowMask(push, 3, 0, 10, tone.BrushColor), "..######..");

        TBitmap spin(30, 20);
        DrawSpinButtons(spin.Canvas(), Rect(0, 0, 30, 20), tones, state, blCustom);
        EXPECT_EQ(Pixel(spin, 15, 2), tone.BrushColor);
    }
}

TEST(Buttons, SpinButtonHalvesLeaveTheMiddleRowFree)
{
    const TColorTones tones = TestTones();
    const TColor brush = tones.Background.BrushColor;
    TBitmap custom(30, 20);
    DrawSpinButtons(custom.Canvas(), Rect(0, 0, 30, 20), tones, bstNormal, blCustom);
    // The column covers x 14..28, rows -1..18; up half to row 8, down half from row 10.
    EXPECT_EQ(ColumnMask(custom, 15, 0, 20, brush), "#########.#########.");
    EXPECT_EQ(RowMask(custom, 2, 12, 30, brush), "..###############.");
    EXPECT_EQ(Pixel(custom, 21, 3), clBlack);
    EXPECT_EQ(Pixel(custom, 21, 5), clBlack);
    EXPECT_EQ(Pixel(custom, 21, 7), brush);
    EXPECT_EQ(Pixel(custom, 21, 15), clBlack);
    EXPECT_EQ(Pixel(custom, 21, 12), brush);

    for (const int32_t look : { blClassic, blFlat }) {
        SCOPED_TRACE(look);
        TBitmap framed(30, 20);
        DrawSpinButtons(framed.Canvas(), Rect(0, 0, 30, 20), tones, bstNormal, look);
        EXPECT_EQ(Pixel(framed, 20, 9), clWhite);
        EXPECT_NE(Pixel(framed, 20, 8), clWhite);
        EXPECT_NE(Pixel(framed, 20, 10), clWhite);
        EXPECT_EQ(Pixel(framed, 29, 5), clWhite);
        EXPECT_EQ(Pixel(framed, 13, 5), clWhite);
    }
}

TEST(Buttons, ClassicAndFlatFramesAndTheThemedLookFallsToClassic)
{
    const TColorTones tones = TestTones();
    TBitmap classic(30, 20);
    DrawComboButton(classic.Canvas(), Rect(0, 0, 30, 20), tones, bstNormal, blClassic);
    // The button: columns 11..27, rows 1..18, raised.
    EXPECT_EQ(Pixel(classic, 11, 5), ColorToRGB(cl3DLight));
    EXPECT_EQ(Pixel(classic, 27, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(Pixel(classic, 10, 5), clWhite);
    EXPECT_EQ(Pixel(classic, 28, 5), clWhite);
    EXPECT_EQ(Pixel(classic, 19, 0), clWhite);
    EXPECT_EQ(CountColor(classic, Rect(12, 2, 27, 18), ColorToRGB(clBtnText)), 16); // 7+5+3+1 arrow

    TBitmap flat(30, 20);
    DrawComboButton(flat.Canvas(), Rect(0, 0, 30, 20), tones, bstNormal, blFlat);
    EXPECT_EQ(Pixel(flat, 11, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(flat, 27, 5), ColorToRGB(clBtnShadow));

    TBitmap disabled(30, 20);
    DrawComboButton(disabled.Canvas(), Rect(0, 0, 30, 20), tones, bstDisabled, blClassic);
    EXPECT_EQ(CountColor(disabled, Rect(12, 2, 27, 18), ColorToRGB(clBtnText)), 0);
    EXPECT_EQ(CountColor(disabled, Rect(12, 2, 27, 18), ColorToRGB(clGrayText)), 16);

    TBitmap pushed(20, 10);
    DrawPushButton(pushed.Canvas(), Rect(0, 0, 20, 10), tones, bstDown, blClassic);
    EXPECT_EQ(Pixel(pushed, 0, 0), ColorToRGB(clBtnShadow));

    EXPECT_FALSE(VisualStylesActive());
    for (int32_t state = bstNormal; state <= bstDisabled; ++state) {
        SCOPED_TRACE(state);
        TBitmap themed(30, 20);
        TBitmap plain(30, 20);
        DrawComboButton(themed.Canvas(), Rect(0, 0, 30, 20), tones, state, blVisualStyle);
        DrawComboButton(plain.Canvas(), Rect(0, 0, 30, 20), tones, state, blClassic);
        EXPECT_TRUE(SameImage(themed, plain));
        DrawPushButton(themed.Canvas(), Rect(0, 0, 20, 10), tones, state, blVisualStyle);
        DrawPushButton(plain.Canvas(), Rect(0, 0, 20, 10), tones, state, blClassic);
        EXPECT_TRUE(SameImage(themed, plain));
        DrawSpinButtons(themed.Canvas(), Rect(0, 0, 30, 20), tones, state, blVisualStyle);
        DrawSpinButtons(plain.Canvas(), Rect(0, 0, 30, 20), tones, state, blClassic);
        EXPECT_TRUE(SameImage(themed, plain));
    }
}

TEST(Buttons, DownTriangleAndTransparentBitmap)
{
    TBitmap triangle(20, 12);
    DrawDownTriangle(triangle.Canvas(), 10, 5, clRed);
    for (const TPoint point : { Point(7, 5), Point(13, 5), Point(10, 8), Point(10, 6) }) {
        SCOPED_TRACE(testing::Message() << point.X << "," << point.Y);
        EXPECT_EQ(Pixel(triangle, point.X, point.Y), clRed);
    }
    EXPECT_EQ(Pixel(triangle, 10, 9), clWhite);
    EXPECT_EQ(Pixel(triangle, 10, 4), clWhite);

    TBitmap glyph(3, 3);
    glyph.Canvas().Brush().SetColor(clBlue);
    glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
    glyph.Canvas().SetPixels(0, 0, clRed);
    glyph.Canvas().SetPixels(1, 1, clRed);
    TBitmap target(8, 8);
    DrawTransparentBitmap(target.Canvas(), glyph, clLime, Rect(2, 2, 7, 7));
    EXPECT_EQ(Pixel(target, 2, 2), clLime);
    EXPECT_EQ(Pixel(target, 3, 3), clLime);
    EXPECT_EQ(Pixel(target, 3, 2), clBlue);
    EXPECT_EQ(Pixel(target, 4, 4), clBlue);
    EXPECT_EQ(Pixel(target, 5, 5), clWhite); // drawn at its own size, not stretched

    // A resource is drawn the same way; a name never registered is an error.
    RegisterResourceBitmap(QStringLiteral("TestGlyph"), [&glyph](TBitmap& bitmap) { bitmap.Assign(glyph); });
    TBitmap fromResource(8, 8);
    DrawResourceBitmap(fromResource.Canvas(), clLime, Rect(2, 2, 7, 7), QStringLiteral("TESTGLYPH"));
    EXPECT_EQ(Pixel(fromResource, 3, 3), clLime);
    EXPECT_EQ(Pixel(fromResource, 3, 2), clBlue);
    TBitmap untouched(8, 8);
    EXPECT_THROW(DrawResourceBitmap(untouched.Canvas(), clLime, Rect(0, 0, 8, 8), QStringLiteral("NoSuchBitmap")),
        EResNotFound);
    EXPECT_EQ(CountColor(untouched, Rect(0, 0, 8, 8), clWhite), 64);
}

// ---- decorations ------------------------------------------------------------------------

namespace {

// Characters 6 pixels apart from x = 10, tops at y = 2.
class TFixedPositions : public TCharPositions {
public:
    explicit TFixedPositions(int32_t count) : FCount(count) { }
    int32_t CharCount() const override { return FCount; }
    TPoint PosFromChar(int32_t index) const override { return Point(10 + 6 * index, 2); }

private:
    int32_t FCount;
};

// The first and last columns holding red, or -1, -1.
std::pair<int32_t, int32_t> RedColumns(TBitmap& bitmap)
{
    int32_t first = -1;
    int32_t last = -1;
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
        if (CountColor(bitmap, Rect(x, 0, x + 1, bitmap.Height()), clRed) == 0)
            continue;
        if (first < 0)
            first = x;
        last = x;
    }
    return { first, last };
}

} // namespace

TEST(Decorations, ErrorUnderlineSpansTheMarkedCharacters)
{
    struct TCase {
        const char* Name;
        int32_t Count;
        int32_t Start;
        int32_t Length;
        int32_t FirstX;
        int32_t LastX;
    };
    const TCase cases[] = {
        { "inside the text", 6, 1, 2, 16, 28 },
        { "up to the end", 5, 3, 2, 28, 38 }, // past the end: last character + 4
        { "a length past the integer range", 5, 3, std::numeric_limits<int32_t>::max(), 28, 38 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap bitmap(60, 24);
        DrawErrorUnderline(TFixedPositions(testCase.Count), bitmap.Canvas(), testCase.Length, testCase.Start, 10);
        const auto [first, last] = RedColumns(bitmap);
        EXPECT_NEAR(first, testCase.FirstX, 1);
        EXPECT_NEAR(last, testCase.LastX, 2);
        // Zigzag between 3 and 0 pixels below offset 10 under the tops at y 2.
        EXPECT_GT(CountColor(bitmap, Rect(0, 14, 60, 17), clRed), 0);
        EXPECT_GT(CountColor(bitmap, Rect(0, 11, 60, 13), clRed), 0);
        EXPECT_EQ(CountColor(bitmap, Rect(0, 0, 60, 10), clRed), 0);
    }
    TBitmap empty(60, 24);
    DrawErrorUnderline(TFixedPositions(0), empty.Canvas(), 3, 0, 10);
    EXPECT_EQ(RedColumns(empty).first, -1);
}

TEST(Decorations, CanvasCharPositionsFollowTheTextWidths)
{
    TBitmap bitmap(10, 10);
    const String text = QStringLiteral("Wil");
    const TCanvasCharPositions positions(bitmap.Canvas(), text, Rect(7, 3, 90, 20));
    EXPECT_EQ(positions.CharCount(), 3);
    EXPECT_EQ(positions.PosFromChar(0), Point(7, 3));
    EXPECT_EQ(positions.PosFromChar(1), Point(7 + bitmap.Canvas().TextWidth(QStringLiteral("W")), 3));
    EXPECT_EQ(positions.PosFromChar(2), Point(7 + bitmap.Canvas().TextWidth(QStringLiteral("Wi")), 3));
}

TEST(Decorations, RangeIndicatorGrowsFromTheCentre)
{
    struct TCase {
        int32_t Value;
        int32_t Range;
        const char* Positive;
        const char* Negative;
    };
    // Inner area columns 2..41, centre 22, half width 20.
    const TCase cases[] = {
        { 5, 10, "....................##########..........", "........................................" },
        { -10, 10, "........................................", "####################...................." },
        { 50, 10, "....................####################", "........................................" },
        { 0, 10, "........................................", "........................................" },
        { 5, 0, "........................................", "........................................" },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testing::Message() << testCase.Value << "/" << testCase.Range);
        TBitmap bitmap(44, 10);
        DrawRangeIndicator(bitmap.Canvas(), Rect(0, 0, 44, 10), testCase.Value, clLime, clRed, false, testCase.Range);
        EXPECT_EQ(RowMask(bitmap, 4, 2, 42, clLime), testCase.Positive);
        EXPECT_EQ(RowMask(bitmap, 4, 2, 42, clRed), testCase.Negative);
        EXPECT_EQ(RowMask(bitmap, 1, 2, 42, clWhite), std::string(40, '#'));
    }
}

TEST(Decorations, ProgressBarSplitsAtThePercentage)
{
    constexpr TColor clFillPart = RGB(200, 0, 0);
    constexpr TColor clRest = RGB(0, 0, 200);
    constexpr TColor clFillText = RGB(0, 255, 0);
    constexpr TColor clRestText = RGB(255, 255, 0);
    struct TCase {
        const char* Format;
        double Value;
        int32_t Min;
        int32_t Max;
        int32_t Split;
    };
    const TCase cases[] = {
        { "", 30, 0, 100, 30 },
        { "", 130, 0, 100, 100 },
        { "", -5, 0, 100, 0 },
        { "%d units", 5, 0, 10, 50 },
        { "%.2f", 15, 10, 30, 25 },
        { "%d", 5, 7, 7, 0 }, // empty range: no division by zero
        { "%s%s%n%x%p", 40, 0, 100, 40 }, // no conversion asks for a missing argument
        // Values no integer holds still paint, as a full or an empty bar.
        { "", 1e300, 0, 100, 100 },
        { "", -1e300, 0, 100, 0 },
        { "%d", 1e300, 0, 100, 100 },
        { "%d", -1e300, 0, 100, 0 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Format);
        TBitmap bitmap(120, 60);
        bitmap.Canvas().Brush().SetColor(clGray);
        DrawProgressBar(bitmap.Canvas(), Rect(5, 5, 105, 45), clFillPart, false, clBlack,
            QString::fromLatin1(testCase.Format), testCase.Max, testCase.Min, 0, 0, testCase.Value, clRestText, clRest,
            clFillText);
        const std::string filled(static_cast<size_t>(testCase.Split), '#');
        const std::string rest(static_cast<size_t>(100 - testCase.Split), '.');
        EXPECT_EQ(RowMask(bitmap, 6, 5, 105, clFillPart), filled + rest);
        EXPECT_EQ(Pixel(bitmap, 4, 20), clBlack);
        EXPECT_EQ(Pixel(bitmap, 3, 20), clGray);
        EXPECT_EQ(Pixel(bitmap, 2, 20), clWhite);
    }
}

TEST(Decorations, ProgressTextFormatsTheValueSafely)
{
    struct TCase {
        const char* Format;
        double Value;
        const char* Expected;
    };
    const TCase cases[] = {
        { "%d units", 4.5, "4 units" },
        { "%d", 5.5, "6" },
        { "%D", 2.5, "2" },
        { "%u%%", 3.2, "3%" },
        { "%.3d", 7, "007" },
        { "%5d|", 42, "   42|" },
        { "%-5d|", 42, "42   |" },
        { "%.1f V", 3.14159, "3.1 V" },
        { "%f", 2, "2.00" },
        { "%e", 1234.5, "1.23450000000000E+003" },
        { "%.0n", 1234567, "1,234,567" },
        { "done %.1f", 2.25, "done 2.3" },
        { "%%%d", 9, "%9" },
        // Formats one value cannot fill show as written.
        { "%d of %d", 3, "%d of %d" },
        { "%s %d", 3, "%s %d" },
        { "%x", 3, "%x" },
        { "%*d", 3, "%*d" },
        { "%", 3, "%" },
        { "%d", 1e19, "%d" },
        { "%.3u", -1e19, "%.3u" },
        { "%d", -0.4, "0" },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Format);
        EXPECT_EQ(FormatProgressValue(QString::fromLatin1(testCase.Format), testCase.Value),
            QString::fromLatin1(testCase.Expected));
    }
}

TEST(Decorations, ProgressBarTextIsClippedToEachPart)
{
    // Text in pure green over the filled part, pure red over the rest, both
    // on black: smoothed glyph edges keep the hue, so a pixel's channels tell
    // which colour painted it.
    TBitmap bitmap(120, 60);
    // "50%" centred in 100 pixels straddles the split at 50.
    DrawProgressBar(bitmap.Canvas(), Rect(5, 5, 105, 45), clBlack, false, clNone, QString(), 100, 0, 0, 0, 50, clRed,
        clBlack, clLime);
    auto count = [&bitmap](int32_t left, int32_t right, auto channel) {
        int pixels = 0;
        for (int32_t y = 5; y < 45; ++y)
            for (int32_t x = left; x < right; ++x)
                pixels += channel(Pixel(bitmap, x, y)) > 0 ? 1 : 0;
        return pixels;
    };
    EXPECT_GT(count(5, 55, GetGValue), 0);
    EXPECT_EQ(count(55, 105, GetGValue), 0);
    EXPECT_GT(count(55, 105, GetRValue), 0);
    EXPECT_EQ(count(5, 55, GetRValue), 0);
}

TEST(Decorations, ProgressPieFillsTheSectorClockwiseFromTwelve)
{
    struct TCase {
        int32_t Percent;
        bool TopRight;
        bool BottomRight;
        bool BottomLeft;
        bool TopLeft;
    };
    const TCase cases[] = {
        { 0, false, false, false, false },
        { 25, true, false, false, false },
        { 50, true, true, false, false },
        { 80, true, true, true, false },
        { 100, true, true, true, true },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Percent);
        TBitmap bitmap(41, 41);
        DrawProgressPie(bitmap.Canvas(), Rect(0, 0, 41, 41), clRed, false, testCase.Percent);
        EXPECT_EQ(Pixel(bitmap, 28, 12) == clRed, testCase.TopRight);
        EXPECT_EQ(Pixel(bitmap, 28, 28) == clRed, testCase.BottomRight);
        EXPECT_EQ(Pixel(bitmap, 12, 28) == clRed, testCase.BottomLeft);
        EXPECT_EQ(Pixel(bitmap, 12, 12) == clRed, testCase.TopLeft);
        EXPECT_EQ(Pixel(bitmap, 20, 8), clGray); // the radius to 12 o'clock
        EXPECT_EQ(Pixel(bitmap, 1, 1), clWhite);
    }
}

namespace {

TLevelProgressSettings LevelSettings()
{
    TLevelProgressSettings settings;
    settings.BackgroundColor = clWhite;
    settings.BorderColor = clBlack;
    settings.Level1Perc = 30;
    settings.Level2Perc = 70;
    settings.Level0Color = clRed;
    settings.Level1Color = clLime;
    settings.Level2Color = clBlue;
    settings.Level3Color = clYellow;
    return settings;
}

} // namespace

TEST(Decorations, LevelProgressPartLengths)
{
    struct TCase {
        const char* Name;
        bool Stacked;
        int32_t Percent;
        int Level0;
        int Level1;
        int Level2;
        int Level3;
    };
    // A bar of 100 pixels, thresholds 30 and 70.
    const TCase cases[] = {
        { "stacked 50", true, 50, 30, 20, 0, 0 },
        { "stacked 20", true, 20, 20, 0, 0, 0 },
        { "stacked 100", true, 100, 30, 40, 30, 0 },
        { "single 20", false, 20, 20, 0, 0, 0 },
        { "single 50", false, 50, 0, 50, 0, 0 },
        { "single 80", false, 80, 0, 0, 80, 0 },
        { "single 100", false, 100, 0, 0, 0, 100 },
        { "nothing at 0", false, 0, 0, 0, 0, 0 },
        { "nothing below 0", true, -5, 0, 0, 0, 0 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TLevelProgressSettings settings = LevelSettings();
        settings.Stacked = testCase.Stacked;
        TBitmap bitmap(102, 10);
        DrawLevelProgress(bitmap.Canvas(), Rect(0, 0, 102, 10), testCase.Percent, settings);
        const TRect row = Rect(0, 5, 102, 6);
        EXPECT_EQ(CountColor(bitmap, row, clRed), testCase.Level0);
        EXPECT_EQ(CountColor(bitmap, row, clLime), testCase.Level1);
        EXPECT_EQ(CountColor(bitmap, row, clBlue), testCase.Level2);
        EXPECT_EQ(CountColor(bitmap, row, clYellow), testCase.Level3);
        EXPECT_EQ(RowMask(bitmap, 0, 0, 102, clBlack), std::string(102, '#'));
        if (testCase.Level0 > 0) {
            EXPECT_EQ(Pixel(bitmap, 1, 5), clRed);
        }
    }
}

TEST(Decorations, LevelProgressBlocksVerticalAndGradient)
{
    TLevelProgressSettings blocks = LevelSettings();
    blocks.Blocks = true;
    TBitmap blockBar(102, 10);
    DrawLevelProgress(blockBar.Canvas(), Rect(0, 0, 102, 10), 50, blocks);
    // 50 pixels: five blocks of 7 after 2-pixel gaps, then 3 of the last 5.
    std::string expected;
    for (int block = 0; block < 5; ++block)
        expected += "..#######";
    expected += "..###";
    expected += std::string(100 - expected.size(), '.');
    EXPECT_EQ(RowMask(blockBar, 5, 1, 101, clLime), expected);

    TBitmap shortBar(102, 10);
    DrawLevelProgress(shortBar.Canvas(), Rect(0, 0, 102, 10), 5, blocks);
    EXPECT_EQ(CountColor(shortBar, Rect(0, 5, 102, 6), clRed), 4);

    TLevelProgressSettings vertical = LevelSettings();
    vertical.Vertical = true;
    TBitmap verticalBar(10, 102);
    DrawLevelProgress(verticalBar.Canvas(), Rect(0, 0, 10, 102), 50, vertical);
    EXPECT_EQ(ColumnMask(verticalBar, 5, 1, 101, clLime), std::string(50, '.') + std::string(50, '#'));

    TLevelProgressSettings gradient = LevelSettings();
    gradient.Gradient = true;
    gradient.Level0Color = clBlack;
    gradient.Level0ColorTo = clRed;
    TBitmap gradientBar(102, 12);
    DrawLevelProgress(gradientBar.Canvas(), Rect(0, 0, 102, 12), 20, gradient);
    EXPECT_EQ(Pixel(gradientBar, 5, 1), clRed);
    EXPECT_EQ(Pixel(gradientBar, 5, 5), clBlack);
    EXPECT_EQ(Pixel(gradientBar, 5, 6), clBlack);
    EXPECT_EQ(Pixel(gradientBar, 5, 10), clRed);

    TLevelProgressSettings borderless = LevelSettings();
    borderless.ShowBorder = false;
    borderless.BackgroundColor = clAqua;
    TBitmap borderlessBar(102, 10);
    DrawLevelProgress(borderlessBar.Canvas(), Rect(0, 0, 102, 10), 0, borderless);
    EXPECT_EQ(CountColor(borderlessBar, Rect(0, 0, 102, 10), clAqua), 1020);
}

TEST(Decorations, LevelProgressShowsThePercentage)
{
    TLevelProgressSettings settings = LevelSettings();
    settings.ShowPercentage = true;
    settings.FontColor = clFuchsia;
    settings.Font.SetHeight(-12);
    TBitmap horizontal(102, 24);
    DrawLevelProgress(horizontal.Canvas(), Rect(0, 0, 102, 24), 0, settings);
    EXPECT_GT(CountColor(horizontal, Rect(30, 0, 72, 24), clFuchsia), 0);
    EXPECT_EQ(CountColor(horizontal, Rect(0, 0, 30, 24), clFuchsia), 0);

    settings.Vertical = true;
    TBitmap vertical(24, 102);
    DrawLevelProgress(vertical.Canvas(), Rect(0, 0, 24, 102), 0, settings);
    EXPECT_GT(CountColor(vertical, Rect(0, 30, 24, 72), clFuchsia), 0);
    EXPECT_EQ(CountColor(vertical, Rect(0, 0, 24, 30), clFuchsia), 0);
}

TEST(Decorations, CellShapesInTheirBox)
{
    struct TProbe {
        TCellShape Shape;
        int32_t Width;
        int32_t Height;
        int32_t X;
        int32_t Y;
        TColor Expected;
    };
    constexpr TColor pen = clRed;
    constexpr TColor brush = clBlue;
    const TProbe probes[] = {
        { csRectangle, 10, 10, 0, 0, clWhite }, { csRectangle, 10, 10, 1, 1, pen },
        { csRectangle, 10, 10, 8, 8, pen }, { csRectangle, 10, 10, 9, 9, clWhite },
        { csRectangle, 10, 10, 4, 4, brush },
        { csSquare, 20, 10, 8, 8, pen }, { csSquare, 20, 10, 12, 5, clWhite },
        { csCircle, 20, 10, 5, 5, brush }, { csCircle, 20, 10, 15, 5, clWhite },
        { csEllips, 20, 10, 15, 5, brush }, { csEllips, 20, 10, 0, 0, clWhite },
        { csTriangleUp, 11, 11, 5, 0, pen }, { csTriangleUp, 11, 11, 0, 0, clWhite },
        { csTriangleUp, 11, 11, 0, 10, pen }, { csTriangleUp, 11, 11, 5, 7, brush },
        { csTriangleDown, 11, 11, 5, 10, pen }, { csTriangleDown, 11, 11, 0, 10, clWhite },
        { csTriangleLeft, 11, 11, 0, 5, pen }, { csTriangleLeft, 11, 11, 10, 0, pen },
        { csTriangleLeft, 11, 11, 0, 0, clWhite },
        { csTriangleRight, 11, 11, 10, 5, pen }, { csTriangleRight, 11, 11, 10, 0, clWhite },
        { csDiamond, 11, 11, 5, 0, pen }, { csDiamond, 11, 11, 0, 5, pen }, { csDiamond, 11, 11, 5, 5, brush },
        { csDiamond, 11, 11, 1, 1, clWhite },
        { csLineVert, 10, 10, 5, 0, pen }, { csLineVert, 10, 10, 5, 9, pen }, { csLineVert, 10, 10, 4, 5, clWhite },
        { csLineHorz, 10, 10, 0, 5, pen }, { csLineHorz, 10, 10, 9, 5, pen }, { csLineHorz, 10, 10, 5, 4, clWhite },
        { csRoundRect, 20, 20, 0, 0, clWhite }, { csRoundRect, 20, 20, 10, 0, pen },
        { csRoundRect, 20, 20, 10, 10, brush },
        { csArrowUp, 10, 10, 5, 0, pen }, { csArrowUp, 10, 10, 0, 5, pen }, { csArrowUp, 10, 10, 9, 5, pen }, { csArrowUp, 10, 10, 5, 2, brush },
        { csArrowUp, 10, 10, 1, 8, clWhite }, { csArrowUp, 10, 10, 4, 8, brush }, { csArrowUp, 10, 10, 8, 8, clWhite },
        { csArrowDown, 10, 10, 5, 9, pen }, { csArrowDown, 10, 10, 1, 1, clWhite }, { csArrowDown, 10, 10, 9, 4, pen },
        { csArrowDown, 10, 10, 4, 1, brush },
        { csArrowLeft, 10, 10, 0, 5, pen }, { csArrowLeft, 10, 10, 8, 1, clWhite },
        { csArrowLeft, 10, 10, 8, 4, brush },
        { csArrowRight, 10, 10, 9, 5, pen }, { csArrowRight, 10, 10, 1, 4, brush },
        { csStar, 30, 30, 15, 0, pen }, { csStar, 30, 30, 15, 15, brush }, { csStar, 30, 30, 2, 2, clWhite },
        { csHalfStar, 30, 30, 15, 0, pen }, { csHalfStar, 30, 30, 13, 15, brush },
        { csHalfStar, 30, 30, 17, 15, clWhite },
    };
    for (const TProbe& probe : probes) {
        SCOPED_TRACE(testing::Message() << "shape " << probe.Shape << " at " << probe.X << "," << probe.Y);
        TBitmap bitmap(40, 40);
        DrawCellShape(bitmap.Canvas(), 0, 0, pen, brush, probe.Shape, probe.Width, probe.Height);
        EXPECT_EQ(Pixel(bitmap, probe.X, probe.Y), probe.Expected);
    }
}

// ---- clipboard HTML and URL anchors ----------------------------------------------------

TEST(ClipboardHtml, HeaderOffsetsCountCharacters)
{
    String html = QStringLiteral("0123456789");
    BuildClipboardHtml(html);
    EXPECT_TRUE(html.startsWith(QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000316\r\n"
                                               "StartFragment:00000274\r\nEndFragment:00000284\r\n")));
    EXPECT_EQ(html.indexOf(QStringLiteral("<!DOCTYPE")), 97);
    EXPECT_EQ(html.indexOf(QStringLiteral("0123456789")), 274);
    EXPECT_EQ(html.indexOf(QStringLiteral("<!--EndFragment-->")), 284);
    EXPECT_EQ(html.size(), 316);
    EXPECT_TRUE(html.endsWith(QStringLiteral("<!--EndFragment--></body></html>")));

    String empty;
    BuildClipboardHtml(empty);
    EXPECT_EQ(empty.size(), 306);
    EXPECT_EQ(empty.indexOf(QStringLiteral("<!--StartFragment-->")) + 20, 274);
}

TEST(UrlAnchor, WrapsTheAddressOnly)
{
    struct TCase {
        const char* Text;
        const char* Prefix;
        bool Found;
        const char* Dest;
    };
    const TCase cases[] = {
        { "see www.example.com now", "WWW.", true, "see <a href=\"www.example.com\">www.example.com</a> now" },
        { "Visit WWW.Site.org", "WWW.", true, "Visit <a href=\"WWW.Site.org\">WWW.Site.org</a>" },
        { "<b>http://a.b/c</b>", "HTTP://", true,
            "&lt;b&gt;<a href=\"http://a.b/c\">http://a.b/c</a>&lt;/b&gt;" },
        { "mail mailto:me@x.org, thanks", "MAILTO:", true,
            "mail <a href=\"mailto:me@x.org\">mailto:me@x.org</a>, thanks" },
        { "path file://c:\\a_b\\{x}(1)%20.txt?q", "FILE://", true,
            "path <a href=\"file://c:\\a_b\\{x}(1)%20.txt\">file://c:\\a_b\\{x}(1)%20.txt</a>?q" },
        { "no link here", "WWW.", false, "unchanged" },
        { "a < b", "<", false, "unchanged" },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        String dest = QStringLiteral("unchanged");
        EXPECT_EQ(AddUrlAnchor(QString::fromLatin1(testCase.Text), QString::fromLatin1(testCase.Prefix), dest),
            testCase.Found);
        EXPECT_EQ(dest, QString::fromLatin1(testCase.Dest));
    }
    String dest;
    EXPECT_TRUE(AddUrlAnchor(QStringLiteral("www.a\u20ACb"), QStringLiteral("WWW."), dest));
    EXPECT_EQ(dest, QStringLiteral("<a href=\"www.a\">www.a</a>\u20ACb"));
    // A character whose upper case is longer keeps the positions in step.
    EXPECT_TRUE(AddUrlAnchor(QStringLiteral("Stra\u00DFe www.x.de"), QStringLiteral("WWW."), dest));
    EXPECT_EQ(dest, QStringLiteral("Stra\u00DFe <a href=\"www.x.de\">www.x.de</a>"));
}

TEST(LayeredWindows, CallsWithoutALayeredWindowReportFailure)
{
    const TBlendFunction blend;
    TBitmap picture(4, 4);
    EXPECT_FALSE(DynUpdateLayeredWindow(nullptr, nullptr, nullptr, &picture, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_FALSE(DynSetLayeredWindowAttributes(nullptr, clNone, 128, LWA_ALPHA));
    TForm plain(nullptr);
    EXPECT_FALSE(DynUpdateLayeredWindow(&plain, nullptr, nullptr, &picture, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_FALSE(DynSetLayeredWindowAttributes(&plain, clNone, 128, LWA_ALPHA));
    plain.SetLayered(true);
    EXPECT_FALSE(DynUpdateLayeredWindow(&plain, nullptr, nullptr, &picture, nullptr, clNone, &blend, ULW_COLORKEY));
    EXPECT_FALSE(DynSetLayeredWindowAttributes(&plain, clNone, 128, LWA_COLORKEY));
}

