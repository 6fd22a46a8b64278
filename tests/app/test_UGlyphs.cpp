#include "app/UGlyphs.h"

#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Fuchsia = RGB(255, 0, 255);

TEST(Glyphs, EachGlyphIsDrawnOnTheTransparentColour)
{
    const struct {
        const char* Name;
        TGlyph_Kind Kind;
        TPoint Point;
        TColor Colour;
    } cases[] = {
        { "info disc", gkInfo, { 5, 16 }, RGB(30, 100, 190) },
        { "info letter", gkInfo, { 16, 20 }, clWhite },
        { "gear tooth", gkOptions, { 29, 16 }, RGB(96, 104, 116) },
        { "gear hole", gkOptions, { 16, 16 }, Fuchsia },
        { "close disc", gkClose, { 5, 16 }, RGB(200, 40, 40) },
        { "close cross", gkClose, { 16, 16 }, clWhite },
        { "add disc", gkAdd, { 5, 16 }, RGB(40, 150, 60) },
        { "add upright", gkAdd, { 16, 10 }, clWhite },
        { "remove bar", gkRemove, { 10, 16 }, clWhite },
        { "remove, no upright", gkRemove, { 16, 10 }, RGB(200, 40, 40) },
        { "modify disc", gkModify, { 5, 16 }, RGB(30, 100, 190) },
        { "modify pencil", gkModify, { 14, 18 }, clWhite },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TBitmap glyph;
        Draw_Glyph(entry.Kind, glyph);
        EXPECT_EQ(glyph.Width(), Glyph_Size);
        EXPECT_EQ(glyph.Height(), Glyph_Size);
        EXPECT_EQ(glyph.Canvas().Pixels(0, Glyph_Size - 1), Fuchsia);
        EXPECT_EQ(glyph.Canvas().Pixels(entry.Point.X, entry.Point.Y), entry.Colour);
    }
}

TEST(Glyphs, AboutPictureFillsItsSquare)
{
    TBitmap picture;
    Draw_About_Picture(picture);
    EXPECT_EQ(picture.Width(), About_Picture_Size);
    EXPECT_EQ(picture.Height(), About_Picture_Size);
    EXPECT_EQ(picture.Canvas().Pixels(40, 20), RGB(30, 100, 190));
    EXPECT_EQ(picture.Canvas().Pixels(40, 27), RGB(255, 128, 0));
}

} // namespace
