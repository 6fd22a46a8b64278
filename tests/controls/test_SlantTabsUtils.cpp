#include "controls/SlantTabsUtils.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <array>
#include <cmath>

namespace {

struct TEaseCase {
    TSlantTabsEaseType Type;
    double AtStart;  // fraction of the change at t = 0
    double AtMiddle; // at t = d / 2
    double AtEnd;    // at t = d
};

// Values worked out from the curves' definitions, not from the code.
const TEaseCase EaseCases[] = {
    { ttLinearTween, 0, 0.5, 1 },
    { ttEaseInQuad, 0, 0.25, 1 },
    { ttEaseOutQuad, 0, 0.75, 1 },
    { ttEaseInOutQuad, 0, 0.5, 1 },
    { ttEaseInCubic, 0, 0.125, 1 },
    { ttEaseOutCubic, 0, 0.875, 1 },
    { ttEaseInOutCubic, 0, 0.5, 1 },
    { ttEaseInQuart, 0, 1.0 / 16, 1 },
    { ttEaseOutQuart, 0, 15.0 / 16, 1 },
    { ttEaseInOutQuart, 0, 0.5, 1 },
    { ttEaseInQuint, 0, 1.0 / 32, 1 },
    { ttEaseOutQuint, 0, 31.0 / 32, 1 },
    { ttEaseInOutQuint, 0, 0.5, 1 },
    { ttEaseInSine, 0, 1 - std::sqrt(0.5), 1 },
    { ttEaseOutSine, 0, std::sqrt(0.5), 1 },
    { ttEaseInOutSine, 0, 0.5, 1 },
    // The exponential curves never quite reach their ends.
    { ttEaseInExpo, 1.0 / 1024, 1.0 / 32, 1 },
    { ttEaseOutExpo, 0, 31.0 / 32, 1023.0 / 1024 },
    { ttEaseInOutExpo, 1.0 / 2048, 0.5, 2047.0 / 2048 },
    { ttEaseInCirc, 0, 1 - std::sqrt(0.75), 1 },
    { ttEaseOutCirc, 0, std::sqrt(0.75), 1 },
    { ttEaseInOutCirc, 0, 0.5, 1 },
};

TEST(SlantTabsUtils, EveryCurveStartsMeetsAndEndsWhereItsDefinitionSays)
{
    const double b = 10;
    const double c = 90;
    const double d = 400;
    for (const TEaseCase& e : EaseCases) {
        SCOPED_TRACE(int(e.Type));
        EXPECT_NEAR(CalculateEase(0, b, c, d, e.Type), b + c * e.AtStart, 1e-9);
        EXPECT_NEAR(CalculateEase(d / 2, b, c, d, e.Type), b + c * e.AtMiddle, 1e-9);
        EXPECT_NEAR(CalculateEase(d, b, c, d, e.Type), b + c * e.AtEnd, 1e-9);
    }
}

TEST(SlantTabsUtils, NoEaseGivesZeroAndAZeroDurationEndsAtTheEndValue)
{
    EXPECT_EQ(CalculateEase(50, 10, 90, 100, ttNone), 0);
    EXPECT_EQ(CalculateEase(0, 10, 90, 0, ttNone), 0);
    for (const TEaseCase& e : EaseCases) {
        SCOPED_TRACE(int(e.Type));
        EXPECT_EQ(CalculateEase(0, 10, 90, 0, e.Type), 100);
        EXPECT_EQ(CalculateEase(5, 10, 90, -1, e.Type), 100);
    }
}

TEST(SlantTabsUtils, RectangleEaseRoundsHalvesToTheEvenNeighbour)
{
    struct TCase {
        int32_t FromRight, ToRight;
        uint32_t Time;
        int32_t Right;
    };
    const TCase cases[] = { { 10, 11, 50, 10 }, { 10, 13, 50, 12 }, { 10, 13, 0, 10 }, { 10, 13, 100, 13 }, { 13, 10, 50, 12 } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.ToRight);
        const TRect r = CalculateRectEase(Rect(0, 0, c.FromRight, 10), Rect(0, 0, c.ToRight, 10), c.Time, 100, ttLinearTween);
        EXPECT_EQ(r, Rect(0, 0, c.Right, 10));
    }
}

TEST(SlantTabsUtils, RectangleRoutines)
{
    EXPECT_EQ(BidiFlipRect(Rect(0, 0, 100, 20), Rect(10, 0, 30, 5)), Rect(70, 0, 90, 5));
    EXPECT_EQ(BidiFlipRect(Rect(50, 0, 150, 20), Rect(60, 1, 80, 5)), Rect(120, 1, 140, 5));
    EXPECT_EQ(ContractRect(Rect(0, 0, 10, 20), 2), Rect(2, 2, 8, 18));
    EXPECT_EQ(RectangleWidth(Rect(3, 0, 10, 4)), 7);
    EXPECT_EQ(RectangleHeight(Rect(3, 1, 10, 4)), 3);
}

TEST(SlantTabsUtils, PlacedPolygonsFlipForBottomTabsAndMirrorInPlace)
{
    const std::array<TPoint, 2> points { { { 5, 0 }, { 5, 30 } } };
    const TPolygon top = PlacePolygon(Rect(10, 20, 60, 50), points, toTop);
    EXPECT_EQ((*top)[0], Point(15, 20));
    EXPECT_EQ((*top)[1], Point(15, 50));
    const TPolygon bottom = PlacePolygon(Rect(0, 0, 50, 30), points, toBottom);
    EXPECT_EQ((*bottom)[0], Point(5, 30));
    EXPECT_EQ((*bottom)[1], Point(5, 0));

    const TPolygon shared = bottom;
    const TPolygon flipped = BidiFlipPolygon(Rect(0, 0, 100, 30), bottom);
    EXPECT_EQ(flipped, shared);
    EXPECT_EQ((*shared)[0], Point(95, 30));
}

TEST(SlantTabsUtils, PointInPolygonCountsLeftAndTopEdgesInside)
{
    const TPolygon square = MakePolygon({ { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 } });
    struct TCase {
        int32_t X, Y;
        bool Inside;
    };
    const TCase cases[] = {
        { 0, 0, true }, { 5, 0, true }, { 0, 5, true }, { 5, 5, true }, { 9, 9, true },
        { 10, 5, false }, { 5, 10, false }, { -1, 5, false }, { 5, -1, false },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        EXPECT_EQ(PointInPolygon(square, c.X, c.Y), c.Inside);
    }
    EXPECT_FALSE(PointInPolygon(MakePolygon({}), 0, 0));
    EXPECT_FALSE(PointInPolygon(nullptr, 0, 0));
    // Far-off coordinates would overflow a 32-bit product.
    const TPolygon huge = MakePolygon({ { -2000000000, -2000000000 }, { 2000000000, -2000000000 }, { 2000000000, 2000000000 }, { -2000000000, 2000000000 } });
    EXPECT_TRUE(PointInPolygon(huge, 0, 1000000000));
}

TEST(SlantTabsUtils, BlendsTruncate)
{
    EXPECT_EQ(IntegerBetween(10, 20, 55), 15);
    EXPECT_EQ(IntegerBetween(20, 10, 55), 15);
    EXPECT_FLOAT_EQ(SingleBetween(1, 2, 50), 1.5f);
    struct TCase {
        TColor From, To;
        int32_t Percent;
        TColor Expected;
    };
    const TCase cases[] = {
        { 0x000000, 0x0000FF, 50, 0x00007F },
        { 0x0000FF, 0x000000, 50, 0x000080 },
        { 0x102030, 0x304050, 100, 0x304050 },
        { 0x102030, 0x304050, 0, 0x102030 },
        { 0xFF000000 | 5, 0x000000, 0, 0x000005 }, // a system colour is not resolved
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(ColorBetween(c.From, c.To, c.Percent), c.Expected);
    }
}

TEST(SlantTabsUtils, GdipColoursPutAlphaOnTopAndRedAboveBlue)
{
    EXPECT_EQ(MakeGDIPColor(0x00332211, 0x80), 0x80112233u);
    EXPECT_EQ(MakeGDIPColor(clNone, 255), 0xFFFFFFFFu);
}

TEST(SlantTabsUtils, ClipByPolygonCombinesWithTheCurrentClip)
{
    TBitmap bitmap(30, 30);
    {
        TGPGraphics graphics(bitmap);
        graphics.Clear(MakeGPColor(255, 255, 255, 255));
        graphics.SetClip(TGPRectF { 0, 0, 20, 30 });
        SetClipByPolygon(graphics, MakePolygon({ { 10, 0 }, { 30, 0 }, { 30, 30 }, { 10, 30 } }), TGPCombineMode::Exclude);
        graphics.FillRectangle(TGPSolidBrush(MakeGPColor(255, 0, 0, 0)), { 0, 0, 30, 30 });
    }
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 5), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixels(15, 5), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(25, 5), clWhite);
}

// A one-row bitmap of the given colours, 24 bits per pixel.
TBitmap Row(std::initializer_list<TColor> colors)
{
    TBitmap bitmap(static_cast<int32_t>(colors.size()), 1);
    bitmap.SetPixelFormat(pf24bit);
    int32_t x = 0;
    for (TColor color : colors)
        bitmap.Canvas().SetPixels(x++, 0, color);
    return bitmap;
}

TEST(SlantTabsUtils, ScalingRoundsSizesToEvenAndPicksPixelsWithoutBlending)
{
    struct TCase {
        int32_t Width;
        int32_t Height;
        double Factor;
        int32_t ExpectedWidth;
        int32_t ExpectedHeight;
    };
    const TCase cases[] = {
        { 10, 4, 0.5, 5, 2 },
        { 5, 3, 0.5, 2, 2 }, // 2.5 and 1.5 go to the even neighbour
        { 7, 9, 1.0, 7, 9 },
        { 3, 1, 2.0, 6, 2 },
        { 1, 1, 0.25, 0, 0 },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testing::Message() << testCase.Width << "x" << testCase.Height << " by " << testCase.Factor);
        TBitmap source(testCase.Width, testCase.Height);
        source.SetPixelFormat(pf32bit);
        TBitmap target(50, 50);
        ScaleBitmap(source, target, testCase.Factor);
        EXPECT_EQ(source.PixelFormat(), pf24bit);
        EXPECT_EQ(target.Width(), testCase.ExpectedWidth);
        EXPECT_EQ(target.Height(), testCase.ExpectedHeight);
    }
    // Halving a row of two-pixel runs keeps one pixel of each run, exactly:
    // a key colour blended with its neighbour would no longer be keyed.
    const TColor key = 0xFFFEFF;
    const TColor red = RGB(200, 10, 20);
    const TColor runs[] = { red, red, key, key, red, red, key, key };
    TBitmap source(8, 2);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 8; ++x)
            source.Canvas().SetPixels(x, y, runs[x]);
    TBitmap target;
    ScaleBitmap(source, target, 0.5);
    ASSERT_EQ(target.Width(), 4);
    const TColor expected[] = { red, key, red, key };
    for (int32_t x = 0; x < 4; ++x)
        EXPECT_EQ(target.Canvas().Pixels(x, 0), expected[x]) << "pixel " << x;
}

TEST(SlantTabsUtils, ArgbConversionKeepsColoursOpaque)
{
    TBitmap bitmap = Row({ RGB(1, 2, 3), clWhite, clBlack });
    ConvertBitmapToARGB(bitmap);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    const QRgb expected[] = { qRgba(1, 2, 3, 255), qRgba(255, 255, 255, 255), qRgba(0, 0, 0, 255) };
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(bitmap.Image().pixel(x, 0), expected[x]) << "pixel " << x;
}

TEST(SlantTabsUtils, ColorAlphaTouchesOnlyTheKeyedColour)
{
    // The key has different red and blue, so a swapped channel shows.
    const TColor key = RGB(10, 20, 30);
    struct TCase {
        uint8_t Alpha;
        QRgb Keyed;
    };
    const TCase cases[] = {
        { 0, 0 }, // fully transparent pixels are all zero
        { 128, qRgba(10, 20, 30, 128) },
        { 255, qRgba(10, 20, 30, 255) },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testing::Message() << "alpha " << int(testCase.Alpha));
        TBitmap bitmap = Row({ key, RGB(30, 20, 10), key, RGB(10, 20, 31) });
        ConvertBitmapToARGB(bitmap);
        SetColorAlpha(bitmap, key, testCase.Alpha);
        const QImage& image = bitmap.Image();
        EXPECT_EQ(image.pixel(0, 0), testCase.Keyed);
        EXPECT_EQ(image.pixel(1, 0), qRgba(30, 20, 10, 255));
        EXPECT_EQ(image.pixel(2, 0), testCase.Keyed);
        EXPECT_EQ(image.pixel(3, 0), qRgba(10, 20, 31, 255));
    }
}

TEST(SlantTabsUtils, AlphaBlendFormShowsTheBitmapInTheShapeOfItsVisiblePixels)
{
    TForm owner(nullptr);
    TPanel control(nullptr);
    control.SetParent(&owner);
    // Clear: the left column.
    TBitmap bitmap(6, 4);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(0, 0, 1, 4));
    ConvertBitmapToARGB(bitmap);
    SetColorAlpha(bitmap, clRed, 0);
    const std::unique_ptr<TForm> form = CreateAlphaBlendForm(control, bitmap, 200);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->ClientWidth(), 6);
    EXPECT_EQ(form->ClientHeight(), 4);
    EXPECT_EQ(form->WindowKind(), wkOverlay);
    EXPECT_EQ(form->PopupParent(), &owner);
    EXPECT_TRUE(form->AlphaBlend());
    EXPECT_EQ(form->AlphaBlendValue(), 200);
    const QRegion shape = form->Widget()->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(0, 3)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(5, 3)));
    control.SetParent(nullptr);
}

} // namespace
