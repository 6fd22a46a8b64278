#include "controls/SlantTabsUtils.h"

#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

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

} // namespace
