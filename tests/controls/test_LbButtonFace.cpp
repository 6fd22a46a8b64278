#include "controls/LbButton.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TColor Marker = 0x123456;
constexpr TColor Face = 0xEDF7F8;
constexpr TColor Light = 0xFFFFFF;
constexpr TColor Shadow = 0x808080;
constexpr TColor WhenDown = 0x0080FF;

// A bitmap of the marker colour with the face drawn on it, so untouched
// pixels can be told apart.
class TFaceImage {
public:
    TFaceImage(int32_t width, int32_t height, const TLbButtonFace& face) : FBitmap(width, height)
    {
        FBitmap.Canvas().Brush().SetColor(Marker);
        FBitmap.Canvas().FillRect(Rect(0, 0, width, height));
        DrawLbButtonFace(FBitmap.Canvas(), width, height, face);
    }
    TColor At(int32_t x, int32_t y) { return FBitmap.Canvas().Pixels(x, y); }
    // The darkest channel value met in the rectangle.
    int32_t DarkestIn(const TRect& rect)
    {
        int32_t darkest = 255;
        for (int32_t y = rect.Top; y < rect.Bottom; ++y)
            for (int32_t x = rect.Left; x < rect.Right; ++x) {
                const TColor color = At(x, y);
                darkest = std::min({ darkest, int32_t { GetRValue(color) }, int32_t { GetGValue(color) }, int32_t { GetBValue(color) } });
            }
        return darkest;
    }
    // Rows of the rectangle holding a pixel darker than threshold.
    int32_t InkRows(const TRect& rect, int32_t threshold)
    {
        int32_t rows = 0;
        for (int32_t y = rect.Top; y < rect.Bottom; ++y)
            if (DarkestIn(Rect(rect.Left, y, rect.Right, y + 1)) < threshold)
                ++rows;
        return rows;
    }

private:
    TBitmap FBitmap;
};

TLbButtonFace PlainFace(TLbButtonStyle style)
{
    TLbButtonFace face;
    face.Style = style;
    face.Color = Face;
    face.LightColor = Light;
    face.ShadowColor = Shadow;
    face.ColorWhenDown = WhenDown;
    return face;
}

std::string Hex(TColor color) { return QString::number(color, 16).toStdString(); }

} // namespace

TEST(LbButtonFace, BevelledStylesFillTheFaceAndSwapTheirEdgesWhenDown)
{
    const TColor darkShadow = ColorToRGB(cl3DDkShadow);
    struct Case {
        const char* name;
        TLbButtonStyle style;
        bool down;
        TColor centre;
        TColor topLeft;
        TColor bottomRight;
    };
    const Case cases[] = {
        { "normal up", bsNormal, false, Face, Light, Shadow },
        { "normal down", bsNormal, true, WhenDown, Shadow, Light },
        { "encarta up", bsEncarta, false, Face, Light, Shadow },
        { "encarta down", bsEncarta, true, WhenDown, Shadow, Light },
        { "old up", bsOld, false, Face, Light, darkShadow },
        { "old down", bsOld, true, WhenDown, darkShadow, Light },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TLbButtonFace face = PlainFace(entry.style);
        face.Down = entry.down;
        TFaceImage image(100, 23, face);
        EXPECT_EQ(Hex(image.At(50, 11)), Hex(entry.centre));
        EXPECT_EQ(Hex(image.At(0, 0)), Hex(entry.topLeft));
        EXPECT_EQ(Hex(image.At(99, 22)), Hex(entry.bottomRight));
    }
}

TEST(LbButtonFace, OldStyleDrawsItsInnerShadowLine)
{
    TFaceImage up(100, 23, PlainFace(bsOld));
    EXPECT_EQ(up.At(98, 10), Shadow);
    EXPECT_EQ(up.At(50, 21), Shadow);
    TLbButtonFace pressed = PlainFace(bsOld);
    pressed.Down = true;
    TFaceImage down(100, 23, pressed);
    EXPECT_EQ(down.At(1, 10), Shadow);
    EXPECT_EQ(down.At(50, 1), Shadow);
}

TEST(LbButtonFace, FlatButtonsShowTheirBorderOnlyWhileHotOrPressed)
{
    struct Case {
        const char* name;
        bool flat;
        bool enabled;
        bool hot;
        bool down;
        bool border;
    };
    const Case cases[] = {
        { "flat idle", true, true, false, false, false },
        { "flat hot", true, true, true, false, true },
        { "flat down", true, true, false, true, true },
        { "flat disabled and hot", true, false, true, false, false },
        { "raised disabled", false, false, false, false, true },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TLbButtonFace face = PlainFace(bsNormal);
        face.ColorWhenDown = clNone;
        face.Flat = entry.flat;
        face.Enabled = entry.enabled;
        face.Hot = entry.hot;
        face.Down = entry.down;
        TFaceImage image(100, 23, face);
        EXPECT_EQ(image.At(0, 0) != Face, entry.border);
        EXPECT_EQ(image.At(99, 22) != Face, entry.border);
    }
}

TEST(LbButtonFace, ModernStyleDrawsGradientBandsInsideARoundedOutline)
{
    TLbButtonFace face = PlainFace(bsModern);
    face.Color = clBlack;
    face.LightColor = clWhite;
    face.ShadowColor = clNavy;
    TFaceImage image(100, 64, face);
    // Rows 2..16 run from the light colour to the face in 32 bands, later
    // bands over earlier ones: row 2 ends with band 2 (255 − 2·255/31 = 238),
    // row 9 with band 17 (255 − 17·255/31 = 115).
    EXPECT_EQ(Hex(image.At(50, 2)), Hex(RGB(238, 238, 238)));
    EXPECT_EQ(Hex(image.At(50, 9)), Hex(RGB(115, 115, 115)));
    EXPECT_EQ(Hex(image.At(50, 16)), Hex(clBlack));
    EXPECT_EQ(Hex(image.At(50, 0)), Hex(clNavy));
    EXPECT_EQ(Hex(image.At(0, 32)), Hex(clNavy));
    EXPECT_EQ(Hex(image.At(0, 0)), Hex(Marker));
    EXPECT_EQ(Hex(image.At(99, 63)), Hex(Marker));

    face.Down = true;
    face.ColorWhenDown = clNone;
    TFaceImage down(100, 64, face);
    EXPECT_EQ(Hex(down.At(50, 1)), Hex(clNavy));
    EXPECT_EQ(Hex(down.At(50, 17)), Hex(clBlack));
}

TEST(LbButtonFace, QuickenStyleHasRoundedCornersAndTwoShadowLines)
{
    TFaceImage image(100, 23, PlainFace(bsQuicken));
    EXPECT_EQ(Hex(image.At(50, 11)), Hex(Face));
    EXPECT_EQ(Hex(image.At(50, 0)), Hex(Shadow));
    EXPECT_EQ(Hex(image.At(50, 22)), Hex(Shadow));
    EXPECT_EQ(Hex(image.At(3, 0)), Hex(Marker));
    EXPECT_EQ(Hex(image.At(95, 0)), Hex(Marker));
    EXPECT_EQ(Hex(image.At(0, 1)), Hex(Marker));
    EXPECT_EQ(Hex(image.At(0, 11)), Hex(Face));
}

TEST(LbButtonFace, ShapeStyleLeavesTheFaceToTheKeyColour)
{
    TFaceImage image(100, 23, PlainFace(bsShape));
    EXPECT_EQ(Hex(image.At(50, 11)), Hex(clFuchsia));
    EXPECT_EQ(Hex(image.At(0, 0)), Hex(clFuchsia));
}

TEST(LbButtonFace, HotColourBlendsWithTheFaceByFadeLevel)
{
    struct Case {
        int32_t step;
        TColor hot;
        TColor expected;
    };
    const Case cases[] = {
        { 8, clYellow, clYellow },
        { 0, clYellow, Face },
        // 248·½ + 255·½ = 251.5, 247·½ + 255·½ = 251, 237·½ + 0 = 118.5: truncated.
        { 4, clYellow, RGB(251, 251, 118) },
        { 8, clNone, Face },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.step);
        TLbButtonFace face = PlainFace(bsEncarta);
        face.HotTrackColor = entry.hot;
        face.HotTrackStep = entry.step;
        TFaceImage image(100, 23, face);
        EXPECT_EQ(Hex(image.At(50, 11)), Hex(entry.expected));
    }
    EXPECT_EQ(LbBlendHotTrack(clBtnFace, clWhite, 8), clWhite);
    EXPECT_EQ(LbBlendHotTrack(clBtnFace, clWhite, 0), ColorToRGB(clBtnFace));
}

TEST(LbButtonFace, DisabledFaceIgnoresHotAndPressedColours)
{
    TLbButtonFace face = PlainFace(bsNormal);
    face.Enabled = false;
    face.HotTrackColor = clYellow;
    face.HotTrackStep = 8;
    face.Down = true;
    TFaceImage image(100, 23, face);
    EXPECT_EQ(Hex(image.At(50, 11)), Hex(Face));
    EXPECT_EQ(Hex(image.At(0, 0)), Hex(Light));
}

namespace {

// Cells of 24 by 24 pixels in solid colours; each cell's bottom-left pixel
// is the key colour, so only that pixel is see-through.
TBitmap Strip(int32_t cells)
{
    constexpr TColor CellColors[] = { clBlue, clGray, clRed, clGreen };
    TBitmap strip(24 * cells, 24);
    for (int32_t cell = 0; cell < cells; ++cell) {
        strip.Canvas().Brush().SetColor(CellColors[cell]);
        strip.Canvas().FillRect(Rect(cell * 24, 0, cell * 24 + 24, 24));
        strip.Canvas().SetPixels(cell * 24, 23, clFuchsia);
    }
    return strip;
}

} // namespace

TEST(LbButtonFace, GlyphCellFollowsTheStateAndFallsBackToCellZero)
{
    struct Case {
        const char* name;
        int32_t cells;
        bool enabled;
        bool hot;
        bool down;
        TColor expected;
    };
    const Case cases[] = {
        { "normal", 4, true, false, false, clBlue },
        { "disabled", 4, false, false, false, clGray },
        { "pressed", 4, true, false, true, clRed },
        { "hot", 4, true, true, false, clGreen },
        { "pressed wins over hot", 4, true, true, true, clRed },
        { "three cells hot", 3, true, true, false, clBlue },
        { "three cells pressed", 3, true, false, true, clRed },
        { "one cell disabled", 1, false, false, false, clBlue },
        { "one cell pressed", 1, true, false, true, clBlue },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        const TBitmap strip = Strip(entry.cells);
        TLbButtonFace face = PlainFace(bsEncarta);
        face.Glyph = &strip;
        face.NumGlyphs = entry.cells;
        face.Enabled = entry.enabled;
        face.Hot = entry.hot;
        face.Down = entry.down;
        TFaceImage image(100, 40, face);
        // Centred without a caption: cell at (38, 8); encarta does not shift.
        EXPECT_EQ(Hex(image.At(50, 20)), Hex(entry.expected));
        EXPECT_EQ(Hex(image.At(38, 31)), Hex(entry.down && entry.enabled ? WhenDown : Face));
    }
}

TEST(LbButtonFace, GlyphAndCaptionPlacementFollowLayoutAndAlignment)
{
    const TBitmap strip = Strip(1);
    struct Case {
        const char* name;
        TLbButtonLayout layout;
        TAlignment alignment;
        TPoint glyphPixel;
    };
    // 120 by 60, cell 24: left/right layouts centre the cell vertically at 18..41.
    const Case cases[] = {
        { "left, left aligned", blGlyphLeft, taLeftJustify, { 4, 18 } },
        { "right, right aligned", blGlyphRight, taRightJustify, { 92, 18 } },
        { "top, left aligned", blGlyphTop, taLeftJustify, { 4, 0 } },
        { "bottom, right aligned", blGlyphBottom, taRightJustify, { 92, 0 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TLbButtonFace face = PlainFace(bsEncarta);
        face.Caption = QStringLiteral("Go");
        face.Glyph = &strip;
        face.NumGlyphs = 1;
        face.Layout = entry.layout;
        face.Alignment = entry.alignment;
        TFaceImage image(120, 60, face);
        const TPoint corner = entry.glyphPixel;
        if (entry.layout == blGlyphLeft || entry.layout == blGlyphRight) {
            EXPECT_EQ(Hex(image.At(corner.X + 1, corner.Y)), Hex(clBlue));
            EXPECT_EQ(Hex(image.At(corner.X + 23, corner.Y + 23)), Hex(clBlue));
            EXPECT_EQ(Hex(image.At(corner.X + 1, corner.Y - 1)), Hex(Face));
        } else {
            // The cell sits above (top) or below (bottom) the caption line.
            int32_t glyphRows = 0;
            int32_t firstGlyphRow = -1;
            for (int32_t y = 1; y < 59; ++y)
                if (image.At(corner.X + 12, y) == clBlue) {
                    ++glyphRows;
                    if (firstGlyphRow < 0)
                        firstGlyphRow = y;
                }
            EXPECT_EQ(glyphRows, 24);
            const int32_t inkAbove = image.InkRows(Rect(4, 1, 116, firstGlyphRow), 0x60);
            const int32_t inkBelow = image.InkRows(Rect(4, firstGlyphRow + 24, 116, 59), 0x60);
            EXPECT_EQ(entry.layout == blGlyphTop, inkBelow > 0);
            EXPECT_EQ(entry.layout == blGlyphBottom, inkAbove > 0);
        }
    }
}

namespace {

// Columns [first, last] of the black caption ink in the rows [top, bottom), or {-1, -1}.
std::pair<int32_t, int32_t> InkColumns(TFaceImage& image, int32_t width, int32_t top, int32_t bottom)
{
    std::pair<int32_t, int32_t> columns { -1, -1 };
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = top; y < bottom; ++y) {
            const TColor c = image.At(x, y);
            if (GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60) {
                if (columns.first < 0)
                    columns.first = x;
                columns.second = x;
                break;
            }
        }
    return columns;
}

// Columns [first, last] of the blue glyph cell on row y.
std::pair<int32_t, int32_t> GlyphColumns(TFaceImage& image, int32_t width, int32_t y)
{
    std::pair<int32_t, int32_t> columns { -1, -1 };
    for (int32_t x = 0; x < width; ++x)
        if (image.At(x, y) == clBlue) {
            if (columns.first < 0)
                columns.first = x;
            columns.second = x;
        }
    return columns;
}

} // namespace

TEST(LbButtonFace, ACentredGlyphSitsBesideTheCaptionAndTheTwoAreCentredTogether)
{
    // The dialogs' buttons: one-cell glyph, centred, a short caption.
    const TBitmap strip = Strip(1);
    TFont font;
    font.SetColor(clBlack);
    font.SetHeight(-16);
    for (const TLbButtonLayout layout : { blGlyphLeft, blGlyphRight }) {
        SCOPED_TRACE(layout == blGlyphLeft ? "glyph left" : "glyph right");
        TLbButtonFace face = PlainFace(bsEncarta);
        face.Caption = QStringLiteral("OK");
        face.Font = &font;
        face.Glyph = &strip;
        face.NumGlyphs = 1;
        face.Alignment = taCenter;
        face.Layout = layout;
        TFaceImage image(120, 60, face);
        const auto glyph = GlyphColumns(image, 120, 30);
        ASSERT_EQ(glyph.second - glyph.first, 23);
        const auto ink = layout == blGlyphLeft ? InkColumns(image, 120, 18, 42) : InkColumns(image, glyph.first, 18, 42);
        ASSERT_GE(ink.first, 0);
        const int32_t gap = layout == blGlyphLeft ? ink.first - glyph.second - 1 : glyph.first - ink.second - 1;
        EXPECT_GE(gap, 3);
        EXPECT_LE(gap, 5);
        const int32_t blockLeft = std::min(glyph.first, ink.first);
        const int32_t blockRight = std::max(glyph.second, ink.second);
        EXPECT_NEAR(blockLeft + blockRight + 1, 120, 6) << "glyph and caption together sit in the middle";
    }
}

TEST(LbButtonFace, EncartaCaptionTurnsBoldWhilePressedOthersShift)
{
    TFont font;
    font.SetColor(clBlack);
    font.SetHeight(-16);
    struct Case {
        TLbButtonStyle style;
        int32_t shift;
        bool wider;
    };
    const Case cases[] = { { bsEncarta, 0, true }, { bsNormal, 1, false } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(static_cast<int>(entry.style));
        TLbButtonFace face = PlainFace(entry.style);
        face.Caption = QStringLiteral("OK");
        face.Font = &font;
        face.Enabled = true;
        TFaceImage up(120, 40, face);
        face.Down = true;
        TFaceImage down(120, 40, face);
        const auto upInk = InkColumns(up, 120, 2, 38);
        const auto downInk = InkColumns(down, 120, 2, 38);
        ASSERT_GE(upInk.first, 0);
        const int32_t upWidth = upInk.second - upInk.first;
        const int32_t downWidth = downInk.second - downInk.first;
        if (entry.wider) {
            EXPECT_GT(downWidth, upWidth);
        } else {
            EXPECT_EQ(downWidth, upWidth);
            EXPECT_EQ(downInk.first, upInk.first + entry.shift);
        }
    }
}

TEST(LbButtonFace, DisabledCaptionTurnsGreyExceptInShapeStyle)
{
    TFont font;
    font.SetColor(clBlack);
    font.SetHeight(-16);
    struct Case {
        const char* name;
        TLbButtonStyle style;
        bool enabled;
        bool grey;
    };
    const Case cases[] = {
        { "enabled", bsNormal, true, false },
        { "disabled", bsNormal, false, true },
        { "disabled shape", bsShape, false, false },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TLbButtonFace face = PlainFace(entry.style);
        face.Caption = QStringLiteral("HHHH");
        face.Font = &font;
        face.Enabled = entry.enabled;
        TFaceImage image(100, 30, face);
        const int32_t darkest = image.DarkestIn(Rect(4, 2, 96, 28));
        if (entry.grey) {
            EXPECT_GE(darkest, 0x70);
            EXPECT_LE(darkest, 0x80);
        } else {
            EXPECT_LT(darkest, 0x40);
        }
    }
}

TEST(LbButtonFace, CaptionIsCutAtTheEndUnlessItWraps)
{
    TFont font;
    font.SetColor(clBlack);
    const String caption = QStringLiteral("Wide wide wide wide wide caption");
    TLbButtonFace face = PlainFace(bsNormal);
    face.Caption = caption;
    face.Font = &font;
    face.Alignment = taLeftJustify;
    TFaceImage cut(80, 80, face);
    face.WordWrap = true;
    TFaceImage wrapped(80, 80, face);
    TBitmap measure(1, 1);
    measure.Canvas().SetFont(font);
    const int32_t lineHeight = measure.Canvas().TextHeight(caption);
    EXPECT_LE(cut.InkRows(Rect(1, 1, 79, 79), 0x60), lineHeight);
    EXPECT_GT(wrapped.InkRows(Rect(1, 1, 79, 79), 0x60), 2 * lineHeight);
    // Cut, the caption keeps within the text area (4 .. W−4).
    EXPECT_GT(cut.DarkestIn(Rect(76, 1, 79, 79)), 0x60);
}

TEST(LbButtonFace, PopupArrowSitsAtTheRight)
{
    TLbButtonFace face = PlainFace(bsNormal);
    face.HasPopupMenu = true;
    TFaceImage image(100, 23, face);
    // Rows 10..12 from x = 89: 5, 3 and 1 black pixels.
    EXPECT_EQ(image.At(89, 10), clBlack);
    EXPECT_EQ(image.At(93, 10), clBlack);
    EXPECT_EQ(image.At(91, 12), clBlack);
    EXPECT_EQ(image.At(89, 12), Face);
}

TEST(LbButtonPictures, StockPicturesHaveTwoCellsOnTheKeyColour)
{
    struct Case {
        const char* name;
        int32_t height;
    };
    const Case cases[] = {
        { "LBOK", 18 }, { "LBCANCEL", 18 }, { "LBHELP", 18 }, { "LBYES", 18 }, { "LBNO", 18 },
        { "LBCLOSE", 18 }, { "LBABORT", 18 }, { "LBRETRY", 18 }, { "LBIGNORE", 18 }, { "LBALL", 19 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TBitmap picture;
        LoadLbButtonPicture(QString::fromLatin1(entry.name), picture);
        ASSERT_EQ(picture.Width(), 36);
        ASSERT_EQ(picture.Height(), entry.height);
        EXPECT_EQ(picture.TransparentColor(), clFuchsia);
        int32_t normalInk = 0;
        int32_t greyInk = 0;
        for (int32_t y = 0; y < entry.height; ++y)
            for (int32_t x = 0; x < 18; ++x) {
                normalInk += picture.Canvas().Pixels(x, y) != clFuchsia ? 1 : 0;
                greyInk += picture.Canvas().Pixels(x + 18, y) == clGray ? 1 : 0;
            }
        EXPECT_GT(normalInk, 10);
        EXPECT_GT(greyInk, 10);
    }
    TBitmap arrow;
    LoadLbButtonPicture(QStringLiteral("LBARROW"), arrow);
    EXPECT_EQ(arrow.Width(), 5);
    EXPECT_EQ(arrow.Height(), 3);
    EXPECT_THROW(LoadLbButtonPicture(QStringLiteral("LBMISSING"), arrow), Exception);
}
