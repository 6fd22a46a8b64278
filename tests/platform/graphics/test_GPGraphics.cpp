#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GPGraphics.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr TGPColor Black = MakeGPColor(255, 0, 0, 0);
constexpr TGPColor Red = MakeGPColor(255, 255, 0, 0);
constexpr TGPColor Blue = MakeGPColor(255, 0, 0, 255);

// A white bitmap and a graphics on it; At reads a pixel after flushing.
class TPaper {
public:
    explicit TPaper(int32_t width = 40, int32_t height = 40, TGPSmoothingMode mode = TGPSmoothingMode::AntiAlias)
        : FBitmap(width, height)
    {
        FBitmap.SetPixelFormat(pf32bit);
        FGraphics = std::make_unique<TGPGraphics>(FBitmap);
        FGraphics->Clear(MakeGPColor(255, 255, 255, 255));
        FGraphics->SetSmoothingMode(mode);
    }
    TGPGraphics& G() { return *FGraphics; }
    TColor At(int32_t x, int32_t y)
    {
        FGraphics->Flush();
        return FBitmap.Canvas().Pixels(x, y);
    }
    bool Untouched(int32_t x, int32_t y) { return At(x, y) == clWhite; }

private:
    TBitmap FBitmap;
    std::unique_ptr<TGPGraphics> FGraphics;
};

TEST(GPGraphics, IntegerCoordinatesNamePixelCentresUnlessHalfOffset)
{
    TPaper plain;
    plain.G().DrawLine(TGPPen(Black, 1), 2, 5, 20, 5);
    EXPECT_EQ(plain.At(10, 5), clBlack);
    EXPECT_TRUE(plain.Untouched(10, 4));
    EXPECT_TRUE(plain.Untouched(10, 6));

    TPaper half;
    half.G().SetPixelOffsetMode(TGPPixelOffsetMode::Half);
    half.G().DrawLine(TGPPen(Black, 1), 2, 5, 20, 5);
    // The line runs along the boundary of rows 4 and 5 and greys both.
    EXPECT_NE(half.At(10, 4), clWhite);
    EXPECT_NE(half.At(10, 5), clWhite);
    EXPECT_NE(half.At(10, 5), clBlack);
}

TEST(GPGraphics, PenEndsAreFlatAndCornersMitred)
{
    TPaper paper;
    paper.G().DrawLine(TGPPen(Black, 3), 10, 10, 20, 10);
    EXPECT_EQ(paper.At(15, 10), clBlack);
    EXPECT_TRUE(paper.Untouched(21, 10)) << "a square or round cap would reach past the end point";
    EXPECT_TRUE(paper.Untouched(9, 10));

    TPaper corner;
    const std::array<TPoint, 3> points { { { 5, 30 }, { 5, 5 }, { 30, 5 } } };
    corner.G().DrawPolygon(TGPPen(Black, 4), points);
    // A mitre fills the outer corner square; a bevel would leave it white.
    EXPECT_EQ(corner.At(4, 4), clBlack);
}

TEST(GPGraphics, ArcsRunClockwiseFromTheXAxis)
{
    TPaper paper;
    paper.G().DrawArc(TGPPen(Black, 2), { 0, 0, 30, 30 }, 0, 90);
    // 45 degrees clockwise from three o'clock lies below the centre.
    EXPECT_NE(paper.At(25, 25), clWhite);
    EXPECT_TRUE(paper.Untouched(25, 4));
    EXPECT_TRUE(paper.Untouched(4, 25));
}

TEST(GPGraphics, ExcludingAPathLeavesItsInsideUnpainted)
{
    TPaper paper(40, 40, TGPSmoothingMode::None);
    paper.G().SetClip(TGPRectF { 0, 0, 30, 30 });
    TGPGraphicsPath hole;
    const std::array<TPoint, 4> square { { { 10, 10 }, { 20, 10 }, { 20, 20 }, { 10, 20 } } };
    hole.AddPolygon(square);
    paper.G().SetClip(hole, TGPCombineMode::Exclude);
    paper.G().FillRectangle(TGPSolidBrush(Red), { 0, 0, 40, 40 });
    EXPECT_EQ(paper.At(5, 5), clRed);
    EXPECT_TRUE(paper.Untouched(15, 15));
    EXPECT_TRUE(paper.Untouched(35, 35)) << "outside the first clip";

    paper.G().ResetClip();
    paper.G().FillRectangle(TGPSolidBrush(Blue), { 0, 0, 40, 40 });
    EXPECT_EQ(paper.At(15, 15), clBlue);
}

TEST(GPGraphics, RegionsCombineByMode)
{
    TGPGraphicsPath left;
    left.AddRectangle({ 0, 0, 10, 10 });
    TGPGraphicsPath right;
    right.AddRectangle({ 5, 0, 10, 10 });
    struct TCase {
        TGPCombineMode Mode;
        bool OnlyLeft, Both, OnlyRight;
    };
    const TCase cases[] = {
        { TGPCombineMode::Replace, false, true, true },
        { TGPCombineMode::Intersect, false, true, false },
        { TGPCombineMode::Union, true, true, true },
        { TGPCombineMode::Xor, true, false, true },
        { TGPCombineMode::Exclude, true, false, false },
        { TGPCombineMode::Complement, false, false, true },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Mode));
        const TGPRegion region = TGPRegion(left).Combined(TGPRegion(right), c.Mode);
        EXPECT_EQ(region.IsVisible(2.5f, 5), c.OnlyLeft);
        EXPECT_EQ(region.IsVisible(7.5f, 5), c.Both);
        EXPECT_EQ(region.IsVisible(12.5f, 5), c.OnlyRight);
    }
    EXPECT_TRUE(TGPRegion().IsVisible(1e5f, -1e5f));
    EXPECT_FALSE(TGPRegion().Combined(TGPRegion(left), TGPCombineMode::Exclude).IsVisible(5, 5));
}

TEST(GPGraphics, VerticalGradientRunsFromTopColourToBottomColour)
{
    TPaper paper(20, 41, TGPSmoothingMode::None);
    paper.G().FillRectangle(TGPLinearGradientBrush(TGPPointF { 0, 0 }, TGPPointF { 0, 40 }, Red, Blue), { 0, 0, 20, 40 });
    const TColor top = paper.At(10, 0);
    const TColor bottom = paper.At(10, 39);
    EXPECT_GT(GetRValue(top), 240);
    EXPECT_LT(GetBValue(top), 15);
    EXPECT_GT(GetBValue(bottom), 230);
    EXPECT_LT(GetRValue(bottom), 25);
}

TEST(GPGraphics, BlendFactorsShapeTheGradient)
{
    TGPLinearGradientBrush brush(TGPRectF { 0, 0, 100, 10 }, Red, MakeGPColor(0, 255, 0, 0), TGPLinearGradientMode::Horizontal);
    const float factors[] = { 0, 0, 1 };
    const float positions[] = { 0, 0.85f, 1 };
    brush.SetBlend(factors, positions);
    EXPECT_EQ(GPAlpha(brush.ColorAt(0.5f)), 255);
    EXPECT_EQ(GPAlpha(brush.ColorAt(0.85f)), 255);
    EXPECT_NEAR(GPAlpha(brush.ColorAt(0.925f)), 128, 1);
    EXPECT_EQ(GPAlpha(brush.ColorAt(1)), 0);
    EXPECT_EQ(brush.To().X, 100);
}

TEST(GPGraphics, PathGradientFadesFromCentreToOutline)
{
    TPaper paper(41, 41, TGPSmoothingMode::AntiAlias);
    TGPPathGradientBrush glow({ 0, 0, 40, 40 });
    glow.SetCenterColor(Black);
    glow.SetSurroundColor(MakeGPColor(0, 0, 0, 0));
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse({ 0, 0, 40, 40 });
    paper.G().FillPath(glow, ellipse);
    EXPECT_LT(GetRValue(paper.At(20, 20)), 20);
    EXPECT_GT(GetRValue(paper.At(20, 2)), GetRValue(paper.At(20, 12)));
    EXPECT_TRUE(paper.Untouched(1, 1));
}

TEST(GPGraphics, TrimmingKeepsWhatFits)
{
    const TGPFont font("DejaVu Sans", 9);
    const String text = QStringLiteral("Alpha Beta Gamma Delta");
    const float width = 60;
    EXPECT_EQ(TrimGPString(text, font, width, TGPStringTrimming::None), text);
    EXPECT_EQ(TrimGPString(QStringLiteral("Ab"), font, width, TGPStringTrimming::Character), QStringLiteral("Ab"));
    const String character = TrimGPString(text, font, width, TGPStringTrimming::Character);
    const String word = TrimGPString(text, font, width, TGPStringTrimming::Word);
    const String ellipsis = TrimGPString(text, font, width, TGPStringTrimming::EllipsisCharacter);
    const String ellipsisWord = TrimGPString(text, font, width, TGPStringTrimming::EllipsisWord);
    EXPECT_TRUE(text.startsWith(character));
    EXPECT_LT(character.size(), text.size());
    EXPECT_TRUE(text.startsWith(word));
    EXPECT_TRUE(text.at(word.size()).isSpace()) << word.toStdString();
    EXPECT_TRUE(ellipsis.endsWith(QChar(0x2026)));
    EXPECT_TRUE(ellipsisWord.endsWith(QChar(0x2026)));
    EXPECT_TRUE(text.startsWith(ellipsisWord.chopped(1)));
}

TEST(GPGraphics, MeasureStringAddsAThirdOfTheEmSize)
{
    TPaper paper;
    const TGPFont font("DejaVu Sans", 9);
    const TGPRectF empty = paper.G().MeasureString(String(), font, { 3, 4, 1000, 30 }, {});
    EXPECT_FLOAT_EQ(empty.Width, 4.0f) << "9 points are 12 pixels; a sixth of that on each side";
    EXPECT_EQ(empty.X, 3);
    const TGPRectF word = paper.G().MeasureString(QStringLiteral("Wide text"), font, { 0, 0, 1000, 30 }, {});
    EXPECT_GT(word.Width, 40);
}

TEST(GPGraphics, TextStaysInsideItsLayoutRectangleAndFollowsDirection)
{
    TPaper paper(100, 20, TGPSmoothingMode::AntiAlias);
    TGPStringFormat format;
    format.FormatFlags = StringFormatFlagsNoWrap;
    format.Trimming = TGPStringTrimming::None;
    format.LineAlignment = TGPStringAlignment::Center;
    paper.G().DrawString(QStringLiteral("WWWWWWWWWWWWWWWW"), TGPFont("DejaVu Sans", 9), { 10, 0, 30, 20 }, format, TGPSolidBrush(Black));
    int32_t inside = 0;
    for (int32_t x = 0; x < 100; ++x)
        for (int32_t y = 0; y < 20; ++y)
            if (!paper.Untouched(x, y)) {
                EXPECT_TRUE(x >= 10 && x < 41) << x;
                ++inside;
            }
    EXPECT_GT(inside, 20);

    TPaper rtl(100, 20, TGPSmoothingMode::AntiAlias);
    format.FormatFlags |= StringFormatFlagsDirectionRightToLeft;
    rtl.G().DrawString(QStringLiteral("ii"), TGPFont("DejaVu Sans", 9), { 0, 0, 100, 20 }, format, TGPSolidBrush(Black));
    int32_t leftmost = 100;
    for (int32_t x = 0; x < 100; ++x)
        for (int32_t y = 0; y < 20; ++y)
            if (!rtl.Untouched(x, y))
                leftmost = std::min(leftmost, x);
    EXPECT_GT(leftmost, 80) << "near alignment is the right edge for right-to-left text";
}

} // namespace
