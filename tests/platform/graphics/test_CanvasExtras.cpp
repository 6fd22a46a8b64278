#include "platform/graphics/CanvasExtras.h"

#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

int CountColor(TBitmap& bitmap, const TRect& area, TColor color)
{
    int count = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x)
            count += bitmap.Canvas().Pixels(x, y) == color ? 1 : 0;
    return count;
}

} // namespace

TEST(FrameControl, EdgesAndArrowsByKindAndState)
{
    struct TCase {
        const char* Name;
        uint32_t Kind;
        uint32_t State;
        TColor TopLeft;
        TColor BottomRight;
        TColor Arrow;
        int ArrowPixels;
    };
    const TCase cases[] = {
        { "push", DFC_BUTTON, DFCS_BUTTONPUSH, cl3DLight, cl3DDkShadow, clBtnText, 0 },
        { "push pushed", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, clBtnShadow, clBtnHighlight, clBtnText, 0 },
        { "push flat", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT, clBtnShadow, clBtnShadow, clBtnText, 0 },
        { "combo", DFC_SCROLL, DFCS_SCROLLCOMBOBOX, cl3DLight, cl3DDkShadow, clBtnText, 16 },
        { "up", DFC_SCROLL, DFCS_SCROLLUP, cl3DLight, cl3DDkShadow, clBtnText, 16 },
        { "down inactive", DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE, cl3DLight, cl3DDkShadow, clGrayText, 16 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap bitmap(20, 20);
        bitmap.Canvas().Brush().SetColor(clRed);
        bitmap.Canvas().Pen().SetColor(clLime);
        DrawFrameControl(bitmap.Canvas(), Rect(1, 1, 18, 18), testCase.Kind, testCase.State);
        EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), ColorToRGB(testCase.TopLeft));
        EXPECT_EQ(bitmap.Canvas().Pixels(17, 17), ColorToRGB(testCase.BottomRight));
        EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clWhite);
        EXPECT_EQ(bitmap.Canvas().Pixels(18, 18), clWhite);
        EXPECT_EQ(CountColor(bitmap, Rect(3, 3, 16, 16), ColorToRGB(testCase.Arrow)), testCase.ArrowPixels);
        EXPECT_EQ(bitmap.Canvas().Brush().Color(), clRed);
        EXPECT_EQ(bitmap.Canvas().Pen().Color(), clLime);
    }
}

TEST(FrameControl, ArrowPointsItsWay)
{
    // Four lines of 1, 3, 5, 7 pixels from the tip: rows 6..9 for up and
    // down, columns 6..9 for left and right.
    struct TCase {
        const char* Name;
        uint32_t State;
        TRect FirstLine;
        int FirstPixels;
        TRect LastLine;
        int LastPixels;
    };
    const TCase cases[] = {
        { "up", DFCS_SCROLLUP, Rect(0, 6, 17, 7), 1, Rect(0, 9, 17, 10), 7 },
        { "down", DFCS_SCROLLDOWN, Rect(0, 6, 17, 7), 7, Rect(0, 9, 17, 10), 1 },
        { "left", DFCS_SCROLLLEFT, Rect(6, 0, 7, 17), 1, Rect(9, 0, 10, 17), 7 },
        { "right", DFCS_SCROLLRIGHT, Rect(6, 0, 7, 17), 7, Rect(9, 0, 10, 17), 1 },
        { "right pushed moves by one", DFCS_SCROLLRIGHT | DFCS_PUSHED, Rect(7, 0, 8, 17), 7, Rect(10, 0, 11, 17), 1 },
        { "left flat", DFCS_SCROLLLEFT | DFCS_FLAT, Rect(6, 0, 7, 17), 1, Rect(9, 0, 10, 17), 7 },
    };
    const TColor text = ColorToRGB(clBtnText);
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap bitmap(17, 17);
        DrawFrameControl(bitmap.Canvas(), Rect(0, 0, 17, 17), DFC_SCROLL, testCase.State);
        EXPECT_EQ(CountColor(bitmap, testCase.FirstLine, text), testCase.FirstPixels);
        EXPECT_EQ(CountColor(bitmap, testCase.LastLine, text), testCase.LastPixels);
    }
}

TEST(Pie, SectorClockwiseFromTwelve)
{
    TBitmap bitmap(41, 41);
    bitmap.Canvas().Pen().SetColor(clRed);
    bitmap.Canvas().Brush().SetColor(clBlue);
    DrawPie(bitmap.Canvas(), Rect(0, 0, 41, 41), 0, 90);
    EXPECT_EQ(bitmap.Canvas().Pixels(28, 12), clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixels(12, 12), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(28, 28), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(20, 10), clRed);

    TBitmap whole(41, 41);
    whole.Canvas().Brush().SetColor(clBlue);
    DrawPie(whole.Canvas(), Rect(0, 0, 41, 41), 0, 360);
    for (const TPoint point : { Point(12, 12), Point(28, 12), Point(12, 28), Point(28, 28) })
        EXPECT_EQ(whole.Canvas().Pixels(point.X, point.Y), clBlue);
}

TEST(RotatedText, TurnedQuarterRunsUpwards)
{
    TBitmap bitmap(40, 120);
    bitmap.Canvas().Font().SetColor(clBlack);
    bitmap.Canvas().Font().SetHeight(-14);
    const int32_t width = bitmap.Canvas().TextWidth(QStringLiteral("WWWW"));
    TextOutRotated(bitmap.Canvas(), 10, 110, QStringLiteral("WWWW"), 900);
    auto dark = [&bitmap](const TRect& area) {
        int count = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x)
                count += GetRValue(bitmap.Canvas().Pixels(x, y)) < 128 ? 1 : 0;
        return count;
    };
    EXPECT_GT(dark(Rect(10, 110 - width, 30, 110)), 0);
    EXPECT_EQ(dark(Rect(0, 0, 40, 110 - width - 2)), 0);
    EXPECT_EQ(dark(Rect(0, 112, 40, 120)), 0);
    EXPECT_EQ(dark(Rect(0, 0, 9, 120)), 0);
}

TEST(BitmapColors, ReplaceAndReadPixels)
{
    TBitmap glyph(2, 2);
    glyph.Canvas().SetPixels(1, 0, clRed);
    EXPECT_EQ(BitmapPixel(glyph, 1, 0), clRed);
    EXPECT_EQ(BitmapPixel(glyph, 0, 0), clWhite);
    EXPECT_EQ(BitmapPixel(glyph, 2, 0), clNone);

    TBitmap target(4, 4);
    DrawBitmapReplacingColor(target.Canvas(), 1, 1, glyph, clWhite, clBlue);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(2, 1), clRed);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clWhite);
}

TEST(BitmapColors, OpaqueRegionLeavesOutTheClearPixels)
{
    // Clear: the left column and the middle of the bottom row.
    TBitmap bitmap(4, 3);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(0, 0, 1, 3));
    bitmap.Canvas().FillRect(Rect(1, 2, 3, 3));
    SetBitmapColorAlpha(bitmap, clRed, 0);
    const TRegion region = BitmapOpaqueRegion(bitmap);
    const struct {
        TPoint Point;
        bool Inside;
    } cases[] = {
        { { 0, 0 }, false }, { { 0, 2 }, false }, { { 1, 2 }, false }, { { 2, 2 }, false },
        { { 1, 0 }, true }, { { 3, 0 }, true }, { { 3, 2 }, true }, { { 2, 1 }, true },
        { { 4, 0 }, false }, { { 1, 3 }, false },
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(region.Contains(testCase.Point), testCase.Inside) << testCase.Point.X << "," << testCase.Point.Y;
    EXPECT_EQ(region.BoundingRect(), Rect(1, 0, 4, 3));
}

TEST(FrameControl, CheckAndRadioShowTheirState)
{
    struct TCase {
        const char* Name;
        uint32_t State;
        TColor Fill;
        TColor Mark;
        int MarkPixels;
    };
    // A 15-pixel box: the tick is seven columns of three pixels.
    const TCase cases[] = {
        { "check", DFCS_BUTTONCHECK, clWindow, clWindowText, 0 },
        { "checked", DFCS_BUTTONCHECK | DFCS_CHECKED, clWindow, clWindowText, 21 },
        { "checked flat", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, clWindow, clWindowText, 21 },
        { "mixed", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_BUTTON3STATE, clBtnFace, clGrayText, 21 },
        { "checked inactive", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBtnFace, clGrayText, 21 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TBitmap bitmap(20, 20);
        bitmap.Canvas().Brush().SetColor(clRed);
        DrawFrameControl(bitmap.Canvas(), Rect(2, 2, 17, 17), DFC_BUTTON, testCase.State);
        EXPECT_EQ(bitmap.Canvas().Pixels(5, 5), ColorToRGB(testCase.Fill));
        EXPECT_EQ(CountColor(bitmap, Rect(4, 4, 15, 15), ColorToRGB(testCase.Mark)), testCase.MarkPixels);
        EXPECT_EQ(bitmap.Canvas().Brush().Color(), clRed);
    }
    TBitmap radio(20, 20);
    DrawFrameControl(radio.Canvas(), Rect(2, 2, 17, 17), DFC_BUTTON, DFCS_BUTTONRADIO);
    EXPECT_EQ(radio.Canvas().Pixels(9, 9), ColorToRGB(clWindow));
    DrawFrameControl(radio.Canvas(), Rect(2, 2, 17, 17), DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    EXPECT_EQ(radio.Canvas().Pixels(9, 9), ColorToRGB(clWindowText));
}
