#include "grid/base/VidEri_AlphaMask.h"
#include "platform/core/Exception.h"
#include "platform/graphics/CanvasExtras.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// A 24-bit bitmap of one colour.
TBitmap Plain(int32_t width, int32_t height, TColor color)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

std::array<uint8_t, 4> BytesAt(const TBitmap& bitmap, int32_t x, int32_t y)
{
    const uint8_t* pixel = bitmap.ScanLine(y) + x * 4;
    return { pixel[0], pixel[1], pixel[2], pixel[3] };
}

std::vector<int32_t> RedOfRow(const TBitmap& bitmap, int32_t y)
{
    std::vector<int32_t> levels;
    for (int32_t x = 0; x < bitmap.Width(); ++x)
        levels.push_back(GetRValue(BitmapPixel(bitmap, x, y)));
    return levels;
}

} // namespace

TEST(GridAlphaMask, StartsOpaqueIn32BitsAndCopiesAnotherMaskWhole)
{
    TGridAlphaMask mask;
    EXPECT_EQ(mask.Opacity(), 255);
    EXPECT_EQ(mask.PixelFormat(), pf32bit);

    TGridAlphaMask source;
    source.MergeMask(Plain(3, 2, 0x404040), Plain(3, 2, clWhite), clNone);
    source.SetOpacity(77);
    mask.Assign(source);
    EXPECT_EQ(mask.Opacity(), 77);
    EXPECT_EQ(mask.Width(), 3);
    EXPECT_EQ(mask.Height(), 2);
    EXPECT_EQ(BytesAt(mask, 2, 1), (std::array<uint8_t, 4> { 64, 64, 64, 64 }));

    mask.Assign(Plain(5, 5, clRed));
    EXPECT_EQ(mask.PixelFormat(), pf32bit);
    EXPECT_EQ(mask.Width(), 5);
    EXPECT_EQ(mask.Opacity(), 77);
}

TEST(GridAlphaMask, MergeTakesAlphaFromTheMasksRedAndPremultipliesTheColour)
{
    struct TCase {
        const char* Name;
        TColor Colour;
        TColor Mask;
        std::array<uint8_t, 4> Expected; // blue, green, red, alpha
    };
    const TCase cases[] = {
        { "white at half", clWhite, RGB(128, 0, 0), { 128, 128, 128, 128 } },
        { "only the mask's red counts", clWhite, RGB(128, 255, 255), { 128, 128, 128, 128 } },
        { "opaque keeps the colour", RGB(50, 100, 200), RGB(255, 0, 0), { 200, 100, 50, 255 } },
        { "clear is all zero", RGB(50, 100, 200), RGB(0, 255, 255), { 0, 0, 0, 0 } },
        { "rounded", RGB(1, 2, 3), RGB(128, 0, 0), { 2, 1, 1, 128 } },
        { "frame colour at 100", 0xFDD397, RGB(100, 0, 0), { 99, 83, 59, 100 } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TGridAlphaMask mask;
        mask.MergeMask(Plain(4, 3, test.Mask), Plain(4, 3, test.Colour), clNone);
        ASSERT_EQ(mask.Width(), 4);
        ASSERT_EQ(mask.Height(), 3);
        EXPECT_EQ(BytesAt(mask, 3, 2), test.Expected);
    }
}

TEST(GridAlphaMask, MergeLeavesTheMaskAloneForA32BitOrTooLargeSource)
{
    TGridAlphaMask mask;
    mask.MergeMask(Plain(2, 2, clWhite), Plain(2, 2, clWhite), clNone);
    TBitmap wide = Plain(4, 2, clWhite);
    TBitmap deep = Plain(2, 2, clWhite);
    deep.SetPixelFormat(pf32bit);
    mask.MergeMask(Plain(2, 2, clWhite), wide, clNone);
    mask.MergeMask(Plain(2, 2, clWhite), deep, clNone);
    mask.MergeMask(deep, Plain(2, 2, clBlack), clNone);
    EXPECT_EQ(mask.Width(), 2);
    EXPECT_EQ(BytesAt(mask, 1, 1), (std::array<uint8_t, 4> { 255, 255, 255, 255 }));
}

TEST(BlurBitmap, ALineOfKnownPixelsBlursToTheKernelsLevels)
{
    struct TCase {
        double Radius;
        std::vector<int32_t> Line;
        std::vector<int32_t> Expected;
    };
    const TCase cases[] = {
        { 1, { 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0 }, { 0, 0, 0, 14, 62, 103, 62, 14, 0, 0, 0 } },
        { 3, { 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0 }, { 8, 14, 21, 27, 32, 34, 32, 27, 21, 14, 8 } },
        { 3, { 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255 }, { 8, 16, 30, 51, 78, 110, 145, 177, 204, 225, 239 } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Radius);
        TBitmap line = Plain(static_cast<int32_t>(test.Line.size()), 1, clBlack);
        for (size_t x = 0; x < test.Line.size(); ++x)
            line.Canvas().SetPixels(static_cast<int32_t>(x), 0, RGB(static_cast<uint8_t>(test.Line[x]), 0, 0));
        BlurBitmap(line, test.Radius);
        EXPECT_EQ(RedOfRow(line, 0), test.Expected);
    }
}

TEST(BlurBitmap, BothPassesSpreadAPointAndKeepAUniformArea)
{
    TBitmap point = Plain(5, 5, clBlack);
    point.Canvas().SetPixels(2, 2, clWhite);
    BlurBitmap(point, 1);
    const std::vector<std::vector<int32_t>> expected = { { 1, 3, 6, 3, 1 }, { 3, 15, 25, 15, 3 }, { 6, 25, 41, 25, 6 },
        { 3, 15, 25, 15, 3 }, { 1, 3, 6, 3, 1 } };
    for (int32_t y = 0; y < 5; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(RedOfRow(point, y), expected[static_cast<size_t>(y)]);
    }
    const TColor grey = BitmapPixel(point, 1, 2);
    EXPECT_EQ(GetGValue(grey), GetRValue(grey));
    EXPECT_EQ(GetBValue(grey), GetRValue(grey));

    TBitmap white = Plain(60, 50, clWhite);
    BlurBitmap(white, 3);
    for (const TPoint at : { TPoint { 0, 0 }, TPoint { 30, 25 }, TPoint { 59, 49 }, TPoint { 18, 40 } })
        EXPECT_EQ(BitmapPixel(white, at.X, at.Y), ColorToRGB(clWhite));
}

TEST(BlurBitmap, InteriorLinesCopyLineFifteenOnlyInLargeBitmaps)
{
    // 41 columns: no column lies more than 20 from both edges, so a dot in
    // the middle column is blurred on its own line.
    TBitmap narrow = Plain(41, 1, clBlack);
    narrow.Canvas().SetPixels(20, 0, clWhite);
    BlurBitmap(narrow, 1);
    EXPECT_EQ(RedOfRow(narrow, 0)[20], 103);

    // 60 rows: rows 21 .. 39 are taken from row 15, so a dot in row 30 is
    // gone and the result is that of the bitmap without it.
    TBitmap tall = Plain(3, 60, clBlack);
    tall.Canvas().SetPixels(1, 15, RGB(90, 90, 90));
    TBitmap dotted(tall);
    dotted.Canvas().SetPixels(1, 30, clWhite);
    BlurBitmap(tall, 1);
    BlurBitmap(dotted, 1);
    for (int32_t y = 0; y < 60; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(RedOfRow(dotted, y), RedOfRow(tall, y));
    }
    EXPECT_EQ(RedOfRow(tall, 30), RedOfRow(tall, 25));
    EXPECT_NE(RedOfRow(tall, 30), (std::vector<int32_t> { 0, 0, 0 }));
}

TEST(BlurBitmap, RefusesABitmapThatIsNot24Bit)
{
    TBitmap deep = Plain(4, 4, clWhite);
    deep.SetPixelFormat(pf32bit);
    try {
        BlurBitmap(deep, 3);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Blur only works for 24-bit bitmaps");
    }
}

TEST(MakeRoundRectMask, DrawsAFilledOrOutlinedWhiteRoundedRectangleOnBlack)
{
    TBitmap filled;
    MakeRoundRectMask(filled, 30, 20, 0, 5, 0);
    EXPECT_EQ(filled.PixelFormat(), pf24bit);
    EXPECT_EQ(filled.Width(), 30);
    EXPECT_EQ(filled.Height(), 20);
    struct TCase {
        const char* Name;
        TPoint At;
        TColor Expected;
    };
    const TCase filledCases[] = {
        { "outside left", { 1, 10 }, clBlack },
        { "left edge", { 2, 10 }, clWhite },
        { "centre", { 15, 10 }, clWhite },
        { "right edge", { 27, 10 }, clWhite },
        { "past the right edge", { 28, 10 }, clBlack },
        { "rounded corner", { 2, 2 }, clBlack },
    };
    for (const TCase& test : filledCases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(BitmapPixel(filled, test.At.X, test.At.Y), test.Expected);
    }

    TBitmap outline;
    MakeRoundRectMask(outline, 40, 30, 0, 5, 4);
    const TCase outlineCases[] = {
        { "outside", { 0, 15 }, clBlack },
        { "on the left line", { 4, 15 }, clWhite },
        { "on the top line", { 20, 4 }, clWhite },
        { "on the right line", { 35, 15 }, clWhite },
        { "inside", { 20, 15 }, clBlack },
        { "inside near the line", { 8, 15 }, clBlack },
    };
    for (const TCase& test : outlineCases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(BitmapPixel(outline, test.At.X, test.At.Y), test.Expected);
    }
}

TEST(MakeRoundRectMask, TheGridsRingIsASoftOutlineAroundAClearCell)
{
    TBitmap ring;
    MakeRoundRectMask(ring, 89, 29, 3, 5, 4);
    const std::vector<int32_t> middle = RedOfRow(ring, 14);
    const auto left = std::max_element(middle.begin(), middle.begin() + 10);
    const auto right = std::max_element(middle.end() - 10, middle.end());
    EXPECT_GE(*left, 100);
    EXPECT_GE(*right, 100);
    EXPECT_GE(left - middle.begin(), 2);
    EXPECT_LE(left - middle.begin(), 5);
    EXPECT_GE(middle.end() - 1 - right, 2);
    EXPECT_LE(middle.end() - 1 - right, 5);
    EXPECT_GT(middle.front(), 0) << "the blur reaches the outer edge";
    EXPECT_GT(middle.back(), 0);
    EXPECT_LT(middle[44], 10) << "the cell stays clear";
}
