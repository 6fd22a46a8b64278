#include "platform/core/Exception.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

TBitmap WhiteBitmap(int32_t width, int32_t height)
{
    TBitmap bitmap(width, height);
    return bitmap;
}

// The columns of row y that hold colour, as a string of '#' and '.'.
std::string Row(TBitmap& bitmap, int32_t y, TColor color)
{
    std::string row;
    for (int32_t x = 0; x < bitmap.Width(); ++x)
        row += bitmap.Canvas().Pixels(x, y) == color ? '#' : '.';
    return row;
}

std::string Column(TBitmap& bitmap, int32_t x, TColor color)
{
    std::string column;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        column += bitmap.Canvas().Pixels(x, y) == color ? '#' : '.';
    return column;
}

} // namespace

TEST(Canvas, NewBitmapIsWhite)
{
    TBitmap bitmap = WhiteBitmap(3, 2);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(2, 1), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(3, 1), clNone);
}

TEST(Canvas, RectanglesLeaveTheRightAndBottomEdgesOut)
{
    TBitmap bitmap = WhiteBitmap(8, 8);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(Row(bitmap, 1, clRed), ".###....");
    EXPECT_EQ(Column(bitmap, 1, clRed), ".##.....");

    TBitmap outlined = WhiteBitmap(8, 8);
    outlined.Canvas().Pen().SetColor(clBlue);
    outlined.Canvas().Brush().SetColor(clYellow);
    outlined.Canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Row(outlined, 1, clBlue), ".#####..");
    EXPECT_EQ(Row(outlined, 4, clBlue), ".#####..");
    EXPECT_EQ(Row(outlined, 2, clBlue), ".#...#..");
    EXPECT_EQ(Row(outlined, 2, clYellow), "..###...");
    EXPECT_EQ(Row(outlined, 5, clBlue), "........");

    // Without a pen the fill stops one pixel short on the right and bottom.
    TBitmap penless = WhiteBitmap(8, 8);
    penless.Canvas().Pen().SetStyle(psClear);
    penless.Canvas().Brush().SetColor(clGreen);
    penless.Canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Row(penless, 1, clGreen), ".####...");
    EXPECT_EQ(Column(penless, 1, clGreen), ".###....");
}

TEST(Canvas, LinesLeaveTheirLastPixelOut)
{
    struct Case {
        const char* name;
        TPoint from;
        TPoint to;
        int32_t row;
        const char* expected;
    };
    const Case cases[] = {
        { "rightwards", { 1, 2 }, { 6, 2 }, 2, ".#####.." },
        { "leftwards", { 6, 2 }, { 1, 2 }, 2, "..#####." },
        { "single step", { 3, 2 }, { 4, 2 }, 2, "...#...." },
        { "empty", { 3, 2 }, { 3, 2 }, 2, "........" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TBitmap bitmap = WhiteBitmap(8, 8);
        bitmap.Canvas().MoveTo(entry.from.X, entry.from.Y);
        bitmap.Canvas().LineTo(entry.to.X, entry.to.Y);
        EXPECT_EQ(Row(bitmap, entry.row, clBlack), entry.expected);
        EXPECT_EQ(bitmap.Canvas().PenPos(), entry.to);
    }

    TBitmap diagonal = WhiteBitmap(5, 5);
    diagonal.Canvas().MoveTo(0, 0);
    diagonal.Canvas().LineTo(4, 4);
    for (int32_t step = 0; step < 4; ++step)
        EXPECT_EQ(diagonal.Canvas().Pixels(step, step), clBlack) << step;
    EXPECT_EQ(diagonal.Canvas().Pixels(4, 4), clWhite);

    // A polyline draws every corner but not its final point.
    TBitmap corner = WhiteBitmap(6, 6);
    const TPoint points[] = { { 1, 4 }, { 1, 1 }, { 4, 1 } };
    corner.Canvas().Polyline(points);
    EXPECT_EQ(Column(corner, 1, clBlack), ".####.");
    EXPECT_EQ(Row(corner, 1, clBlack), ".###..");
}

TEST(Canvas, ShapesAreNotAntialiased)
{
    TBitmap bitmap = WhiteBitmap(20, 20);
    bitmap.Canvas().Brush().SetColor(clBlack);
    bitmap.Canvas().Ellipse(0, 0, 20, 20);
    bitmap.Canvas().RoundRect(2, 2, 18, 18, 6, 6);
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x) {
            const TColor pixel = bitmap.Canvas().Pixels(x, y);
            ASSERT_TRUE(pixel == clBlack || pixel == clWhite) << x << "," << y;
        }
}

TEST(Canvas, FocusRectangleInvertsEveryOtherPixelAndUndoesItself)
{
    TBitmap bitmap = WhiteBitmap(6, 4);
    bitmap.Canvas().DrawFocusRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(Row(bitmap, 0, clBlack), "#.#.#.");
    EXPECT_EQ(Row(bitmap, 3, clBlack), ".#.#.#");
    EXPECT_EQ(Row(bitmap, 1, clBlack), ".....#");
    EXPECT_EQ(Row(bitmap, 2, clBlack), "#.....");
    bitmap.Canvas().DrawFocusRect(Rect(0, 0, 6, 4));
    for (int32_t y = 0; y < 4; ++y)
        EXPECT_EQ(Row(bitmap, y, clWhite), "######");
}

TEST(Canvas, Frame3DDrawsTopLeftAndBottomRightAndShrinks)
{
    TBitmap bitmap = WhiteBitmap(6, 6);
    TRect rect = Rect(0, 0, 6, 6);
    Frame3D(bitmap.Canvas(), rect, clRed, clBlue, 1);
    EXPECT_EQ(rect, Rect(1, 1, 5, 5));
    EXPECT_EQ(Row(bitmap, 0, clRed), "#####.");
    EXPECT_EQ(Row(bitmap, 5, clBlue), "######");
    EXPECT_EQ(Column(bitmap, 0, clRed), "#####.");
    EXPECT_EQ(Column(bitmap, 5, clBlue), "######");

    TBitmap edged = WhiteBitmap(6, 6);
    TRect edge = Rect(0, 0, 6, 6);
    DrawEdge(edged.Canvas(), edge, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
    EXPECT_EQ(edge, Rect(2, 2, 4, 4));
    EXPECT_EQ(edged.Canvas().Pixels(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(edged.Canvas().Pixels(5, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(edged.Canvas().Pixels(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(edged.Canvas().Pixels(4, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(edged.Canvas().Pixels(2, 2), ColorToRGB(clBtnFace));
}

TEST(Canvas, ClipRectangleLimitsDrawingUntilRestored)
{
    TBitmap bitmap = WhiteBitmap(8, 2);
    TCanvas& canvas = bitmap.Canvas();
    const TCanvasClip saved = canvas.SaveClip();
    canvas.SetClipRect(Rect(2, 0, 6, 2));
    canvas.IntersectClipRect(Rect(0, 0, 4, 2));
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 8, 1));
    EXPECT_EQ(Row(bitmap, 0, clRed), "..##....");
    canvas.RestoreClip(saved);
    canvas.FillRect(Rect(0, 1, 8, 2));
    EXPECT_EQ(Row(bitmap, 1, clRed), "########");

    // A clip of several rectangles set again after the clip was lifted holds
    // as the first one did.
    canvas.ExcludeClipRect(Rect(2, 0, 4, 2));
    canvas.RestoreClip(saved);
    canvas.ExcludeClipRect(Rect(4, 0, 6, 2));
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, 8, 2));
    EXPECT_EQ(Row(bitmap, 0, clBlue), "####..##");
}

// Changing only the colour keeps the font drawn with; every other change of
// the canvas font reaches what is drawn and measured.
TEST(Canvas, TextFollowsEveryChangeOfTheFont)
{
    TBitmap bitmap = WhiteBitmap(40, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsClear);
    auto count = [&](int32_t left, TColor color) {
        int32_t found = 0;
        for (int32_t y = 0; y < bitmap.Height(); ++y)
            for (int32_t x = left; x < left + 20; ++x)
                found += canvas.Pixels(x, y) == color ? 1 : 0;
        return found;
    };
    canvas.Font().SetColor(clRed);
    canvas.TextOut(0, 0, "H");
    canvas.Font().SetColor(clBlue);
    canvas.TextOut(20, 0, "H");
    EXPECT_GT(count(0, clRed), 0);
    EXPECT_EQ(count(0, clBlue), 0);
    EXPECT_GT(count(20, clBlue), 0);

    const int32_t height = canvas.TextHeight("H");
    canvas.Font().SetHeight(2 * canvas.Font().Height());
    EXPECT_GT(canvas.TextHeight("H"), height);
    const int32_t width = canvas.TextWidth("WWW");
    canvas.Font().SetStyle({ fsBold });
    EXPECT_GT(canvas.TextWidth("WWW"), width);
}

// Text that overflows its rectangle is clipped inside a save of the painter.
// After it, fills and lines still draw over what lies beneath (not inverted
// by a focus rectangle's composition from before the text), and later text
// keeps the canvas font.
TEST(Canvas, ClippedTextLeavesTheCanvasAsItFoundIt)
{
    struct Case {
        const char* name;
        std::function<void(TCanvas&)> draw;
    };
    const Case cases[] = {
        { "TextRect", [](TCanvas& canvas) { canvas.TextRect(Rect(0, 10, 12, 20), 0, 10, "overflowing text"); } },
        { "DrawText",
            [](TCanvas& canvas) {
                TRect rect = Rect(0, 10, 12, 20);
                canvas.DrawText("overflowing text", rect, DT_LEFT);
            } },
    };
    // The ink height of a tall "H" on a canvas that drew nothing before.
    const auto inkHeight = [](TBitmap& bitmap, int32_t left) {
        int32_t top = bitmap.Height();
        int32_t bottom = -1;
        for (int32_t y = 0; y < bitmap.Height(); ++y)
            for (int32_t x = left; x < left + 30; ++x)
                if (bitmap.Canvas().Pixels(x, y) == clBlack) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    TBitmap fresh = WhiteBitmap(40, 60);
    fresh.Canvas().Brush().SetStyle(bsClear);
    fresh.Canvas().Font().SetHeight(-30);
    fresh.Canvas().TextOut(0, 0, "H");
    const int32_t tall = inkHeight(fresh, 0);
    ASSERT_GT(tall, 15);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TBitmap bitmap = WhiteBitmap(100, 60);
        TCanvas& canvas = bitmap.Canvas();
        canvas.DrawFocusRect(Rect(0, 0, 4, 4));
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetHeight(-30);
        entry.draw(canvas);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clSilver);
        canvas.FillRect(Rect(20, 0, 30, 5));
        canvas.Pen().SetColor(clSilver);
        canvas.MoveTo(35, 0);
        canvas.LineTo(35, 5);
        EXPECT_EQ(canvas.Pixels(25, 2), clSilver) << "a fill";
        EXPECT_EQ(canvas.Pixels(35, 2), clSilver) << "a line";
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut(60, 0, "H");
        EXPECT_EQ(inkHeight(bitmap, 60), tall) << "text after it";
    }
}

// Measured widths are kept per font: the same text measured again in a font
// that differs in one attribute must get that font's own width.
TEST(Canvas, DrawTextCalcRectMeasuresEachFontOnItsOwn)
{
    struct TCase {
        const char* Name;
        int32_t Height;
        TFontStyles Style;
    };
    const TCase cases[] = {
        { "DejaVu Sans", -11, {} },
        { "DejaVu Sans", -24, {} },
        { "DejaVu Sans", -11, { fsBold } },
        { "DejaVu Sans", -11, { fsItalic } },
        { "DejaVu Sans Mono", -11, {} },
        { "DejaVu Sans", -11, {} },
    };
    TBitmap bitmap = WhiteBitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    std::vector<int32_t> widths;
    for (const TCase& item : cases) {
        SCOPED_TRACE(std::string(item.Name) + " " + std::to_string(item.Height));
        canvas.Font().SetName(item.Name);
        canvas.Font().SetHeight(item.Height);
        canvas.Font().SetStyle(item.Style);
        for (const char* text : { "Wide Mill 0123", "iiii" }) {
            TRect rect = Rect(0, 0, 0, 0);
            canvas.DrawText(text, rect, DT_CALCRECT | DT_SINGLELINE);
            EXPECT_EQ(rect.Right, canvas.TextWidth(text)) << text;
        }
        TRect rect = Rect(0, 0, 0, 0);
        canvas.DrawText("Wide Mill 0123", rect, DT_CALCRECT | DT_SINGLELINE);
        widths.push_back(rect.Right);
    }
    EXPECT_LT(widths[0], widths[1]) << "a larger font is wider";
    EXPECT_NE(widths[0], widths[2]) << "bold has its own width";
    EXPECT_NE(widths[0], widths[4]) << "a fixed pitch has its own width";
    EXPECT_EQ(widths[0], widths[5]) << "the same font again";
}

TEST(Canvas, DrawTextCalcRectMeasuresLinesAndWordBreaks)
{
    TBitmap bitmap = WhiteBitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    const int32_t lineHeight = canvas.TextHeight("Ag");
    const int32_t wordWidth = canvas.TextWidth("alpha");

    TRect single = Rect(5, 5, 6, 6);
    EXPECT_EQ(canvas.DrawText("alpha beta", single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    EXPECT_EQ(single, Rect(5, 5, 5 + canvas.TextWidth("alpha beta"), 5 + lineHeight));

    TRect wrapped = Rect(0, 0, wordWidth + 2, 0);
    EXPECT_EQ(canvas.DrawText("alpha beta gamma", wrapped, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);
    EXPECT_EQ(wrapped.Right, std::max({ wordWidth, canvas.TextWidth("beta"), canvas.TextWidth("gamma") }));

    // A word wider than the rectangle is not broken; the rectangle grows.
    TRect narrow = Rect(0, 0, 3, 0);
    EXPECT_EQ(canvas.DrawText("alpha", narrow, DT_CALCRECT | DT_WORDBREAK), lineHeight);
    EXPECT_EQ(narrow.Right, wordWidth);

    TRect lines = Rect(0, 0, 100, 0);
    EXPECT_EQ(canvas.DrawText("one\r\ntwo\nthree\n", lines, DT_CALCRECT), 3 * lineHeight);

    // The prefix character takes no room; with DT_NOPREFIX it does.
    TRect prefixed = Rect(0, 0, 100, 0);
    canvas.DrawText("&Save", prefixed, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefixed.Right, canvas.TextWidth("Save"));
    TRect literal = Rect(0, 0, 100, 0);
    canvas.DrawText("&Save", literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(literal.Right, canvas.TextWidth("&Save"));
    TRect doubled = Rect(0, 0, 100, 0);
    canvas.DrawText("A&&B", doubled, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(doubled.Right, canvas.TextWidth("A&B"));

    TRect ellipsis = Rect(0, 0, canvas.TextWidth("alph..."), 0);
    canvas.DrawText("alphabet soup", ellipsis, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(ellipsis.Right, canvas.TextWidth("alph..."));
    EXPECT_GE(ellipsis.Right, canvas.TextWidth("..."));
}

TEST(Canvas, DrawTextPlacesAlignsUnderlinesAndClips)
{
    TBitmap bitmap = WhiteBitmap(120, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
    const int32_t width = canvas.TextWidth("W");
    const int32_t lineHeight = canvas.TextHeight("W");
    auto inkColumns = [&](int32_t top, int32_t bottom) {
        int32_t first = -1, last = -1;
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            for (int32_t y = top; y < bottom; ++y)
                if (bitmap.Canvas().Pixels(x, y) != clWhite) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        return std::pair { first, last };
    };

    TRect right = Rect(0, 0, 100, 20);
    canvas.DrawText("W", right, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    const auto [first, last] = inkColumns(0, 20);
    EXPECT_GE(first, 100 - width);
    EXPECT_LT(last, 100);

    // The underline of the accelerator spans the glyph's advance.
    TBitmap underlined = WhiteBitmap(60, 30);
    underlined.Canvas().Brush().SetStyle(bsClear);
    underlined.Canvas().Font().SetColor(clRed);
    TRect box = Rect(0, 0, 60, 30);
    underlined.Canvas().DrawText("&W", box, DT_LEFT | DT_SINGLELINE);
    int32_t underlineRow = -1;
    for (int32_t y = 0; y < lineHeight + 2 && underlineRow < 0; ++y)
        if (Row(underlined, y, clRed).substr(0, static_cast<size_t>(width)) == std::string(static_cast<size_t>(width), '#'))
            underlineRow = y;
    EXPECT_GT(underlineRow, 0);
    TBitmap hidden = WhiteBitmap(60, 30);
    hidden.Canvas().Brush().SetStyle(bsClear);
    hidden.Canvas().Font().SetColor(clRed);
    TRect plain = Rect(0, 0, 60, 30);
    hidden.Canvas().DrawText("&W", plain, DT_LEFT | DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(Row(hidden, underlineRow, clRed).substr(0, static_cast<size_t>(width)), std::string(static_cast<size_t>(width), '.'));

    TBitmap clipped = WhiteBitmap(60, 30);
    clipped.Canvas().Brush().SetStyle(bsClear);
    TRect tiny = Rect(0, 0, 3, 30);
    clipped.Canvas().DrawText("WWWW", tiny, DT_SINGLELINE);
    for (int32_t y = 0; y < 30; ++y)
        EXPECT_EQ(Row(clipped, y, clWhite).substr(3), std::string(57, '#'));
}

namespace {

// The first row of bitmap that holds any pixel other than white, or -1.
int32_t FirstInkRow(TBitmap& bitmap)
{
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        if (Row(bitmap, y, clWhite).find('.') != std::string::npos)
            return y;
    return -1;
}

// The row where the accelerator underline of the default font lies: the row
// fully red under the underlined glyph, which stands at the left.
int32_t UnderlineRow()
{
    TBitmap bitmap = WhiteBitmap(40, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clRed);
    const auto width = static_cast<size_t>(canvas.TextWidth("S"));
    TRect box = Rect(0, 0, 40, 40);
    canvas.DrawText("&S", box, DT_SINGLELINE);
    for (int32_t y = 0; y < 40; ++y)
        if (Row(bitmap, y, clRed).substr(0, width) == std::string(width, '#'))
            return y;
    return -1;
}

} // namespace

// A single line stands at the top, in the middle or at the bottom of a
// rectangle taller than the line; the ink keeps its distance to the line's top.
TEST(Canvas, DrawTextPlacesASingleLineVertically)
{
    constexpr int32_t top = 4;
    constexpr int32_t height = 41;
    TBitmap probe = WhiteBitmap(10, 10);
    const int32_t lineHeight = probe.Canvas().TextHeight("H");
    auto inkTop = [&](uint32_t flags) {
        TBitmap bitmap = WhiteBitmap(40, top + height + 4);
        bitmap.Canvas().Brush().SetStyle(bsClear);
        bitmap.Canvas().Font().SetColor(clBlack);
        TRect box = Rect(0, top, 40, top + height);
        bitmap.Canvas().DrawText("H", box, DT_SINGLELINE | flags);
        return FirstInkRow(bitmap);
    };
    const int32_t bearing = inkTop(DT_TOP) - top;
    ASSERT_GE(bearing, 0);
    const struct {
        const char* Name;
        uint32_t Flags;
        int32_t LineTop;
    } cases[] = {
        { "top", DT_TOP, top },
        { "centred", DT_VCENTER, top + (height - lineHeight) / 2 },
        { "bottom", DT_BOTTOM, top + height - lineHeight },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(inkTop(entry.Flags), entry.LineTop + bearing);
    }
}

// An ellipsis that cuts the underlined character away takes its underline
// too; one that keeps the character keeps the underline under it.
TEST(Canvas, EndEllipsisKeepsTheUnderlineOnlyWithItsCharacter)
{
    const int32_t underlineRow = UnderlineRow();
    ASSERT_GT(underlineRow, 0);
    TBitmap probe = WhiteBitmap(10, 10);
    const struct {
        const char* Name;
        const char* Fits;
        bool Underlined;
    } cases[] = {
        { "cut before the accelerator", "Save...", false },
        { "cut after the accelerator", "Save A...", true },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TBitmap bitmap = WhiteBitmap(120, 40);
        bitmap.Canvas().Brush().SetStyle(bsClear);
        bitmap.Canvas().Font().SetColor(clRed);
        TRect box = Rect(0, 0, probe.Canvas().TextWidth(entry.Fits), 40);
        bitmap.Canvas().DrawText("Save &As it is", box, DT_SINGLELINE | DT_END_ELLIPSIS);
        const std::string row = Row(bitmap, underlineRow, clRed);
        EXPECT_EQ(row.find('#') != std::string::npos, entry.Underlined) << row;
    }
}

TEST(Bitmap, AutomaticTransparencyKeysOnTheBottomLeftPixel)
{
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().SetPixels(1, 1, clBlue);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentMode(), tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);

    TBitmap target(4, 4);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(Rect(0, 0, 4, 4));
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clGreen);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clBlue);

    glyph.SetTransparentColor(clBlue);
    EXPECT_EQ(glyph.TransparentMode(), tmFixed);
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clFuchsia);
}

TEST(Bitmap, DrawsOntoItsOwnCanvasAndStretches)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas().SetPixels(0, 0, clRed);
    bitmap.Canvas().Draw(1, 1, bitmap);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clRed);

    TBitmap big(8, 8);
    big.Canvas().StretchDraw(Rect(0, 0, 8, 8), bitmap);
    EXPECT_EQ(big.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(big.Canvas().Pixels(7, 0), clWhite);
}

TEST(Bitmap, SavesAndLoadsBmpAndPngAndCopiesOnAssign)
{
    QTemporaryDir folder;
    TBitmap bitmap(3, 2);
    bitmap.Canvas().SetPixels(2, 1, 0x123456);
    for (const char* name : { "/picture.bmp", "/picture.png" }) {
        SCOPED_TRACE(name);
        const String path = folder.path() + name;
        bitmap.SaveToFile(path);
        TBitmap loaded;
        loaded.LoadFromFile(path);
        EXPECT_EQ(loaded.Width(), 3);
        EXPECT_EQ(loaded.Height(), 2);
        EXPECT_EQ(loaded.Canvas().Pixels(2, 1), 0x123456u);
    }
    TBitmap copy;
    copy.Assign(bitmap);
    bitmap.Canvas().SetPixels(2, 1, clRed);
    EXPECT_EQ(copy.Canvas().Pixels(2, 1), 0x123456u);
    TBitmap missing;
    EXPECT_THROW(missing.LoadFromFile(folder.path() + "/none.bmp"), Exception);
}

TEST(ImageList, SplitsStripsAndDrawsByIndex)
{
    TImageList images(nullptr, 2, 2);
    TBitmap strip(5, 2);
    strip.Canvas().SetPixels(0, 0, clRed);
    strip.Canvas().SetPixels(2, 0, clBlue);
    strip.Canvas().SetPixels(1, 1, clFuchsia);
    EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(images.Count(), 2);

    TBitmap target(2, 2);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(Rect(0, 0, 2, 2));
    images.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clBlue);
    target.Canvas().FillRect(Rect(0, 0, 2, 2));
    images.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clGreen);
}

// A turned font draws its line turned about the start of the baseline and
// outside the rectangle it was laid out in; measuring stays upright.
TEST(Canvas, TurnedFontsDrawTheirLinesTurned)
{
    TBitmap bitmap(200, 200);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
    canvas.Font().SetSize(12);
    canvas.Brush().SetStyle(bsClear);
    auto inkBox = [&] {
        TRect box = Rect(200, 200, -1, -1);
        for (int32_t y = 0; y < 200; ++y)
            for (int32_t x = 0; x < 200; ++x)
                if (canvas.Pixels(x, y) != clWhite)
                    box = Rect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                        std::max(box.Bottom, y + 1));
        return box;
    };
    TRect measured = Rect(20, 150, 200, 170);
    canvas.DrawText(QStringLiteral("turned text"), measured, DT_CALCRECT | DT_SINGLELINE);
    const int32_t width = measured.Width();
    canvas.Font().SetOrientation(900);
    TRect upright = Rect(20, 150, 200, 170);
    canvas.DrawText(QStringLiteral("turned text"), upright, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(upright.Width(), width);
    TRect line = Rect(20, 150, 200, 170);
    canvas.DrawText(QStringLiteral("turned text"), line, DT_SINGLELINE);
    const TRect ink = inkBox();
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_NEAR(ink.Height(), width, 3);
    EXPECT_LT(ink.Top, 150) << "not clipped to the rectangle";
    EXPECT_LT(ink.Left, 20) << "the glyphs stand left of the turned baseline";
}
