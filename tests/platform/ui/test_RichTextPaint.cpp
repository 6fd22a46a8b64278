#include "platform/graphics/Bitmap.h"
#include "platform/ui/RichTextPaint.h"
#include "platform/ui/Rtf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TRichText Read(const std::string& rtf) { return ReadRtf(rtf, TRichTextFormat {}); }

// Only the paragraphs that reach into the rectangle are laid out, however
// many follow and however tall they are.
TEST(RichTextLayout, StopsAtTheHeightAskedFor)
{
    struct Case {
        const char* name;
        std::string rtf;
        int32_t height;
        size_t maxLines;
    };
    std::string tall = "{\\rtf1\\fs3276 ";
    std::string many = "{\\rtf1 ";
    for (int32_t paragraph = 0; paragraph < 100000; ++paragraph) {
        tall += "\\par ";
        many += "x\\par ";
    }
    tall += "}";
    many += "}";
    const Case cases[] = {
        { "tall paragraphs", tall, 60, 1 },
        { "many short paragraphs", many, 60, 8 },
    };
    TBitmap bitmap;
    bitmap.SetSize(200, 60);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        const TRichTextLayout layout = LayoutRichText(bitmap.Canvas(), Read(entry.rtf), entry.height);
        EXPECT_FALSE(layout.Complete);
        EXPECT_LE(layout.Lines.size(), entry.maxLines);
        EXPECT_GE(layout.Height, entry.height);
        const TSize drawn = DrawRichTextLayout(bitmap.Canvas(), Rect(0, 0, 200, 60), layout);
        EXPECT_GT(drawn.cy, 0);
        EXPECT_LE(drawn.cy, layout.Height);
    }
}

// A long line is cut into pieces: together they keep every character once
// and in order, and measure about what the whole line would.
TEST(RichTextLayout, LongLinesComeInPiecesOfTheWholeText)
{
    std::string rtf = "{\\rtf1 ";
    String expected;
    for (int32_t word = 0; word < 1000; ++word) {
        rtf += "ab ";
        expected += QStringLiteral("ab ");
    }
    rtf += "{\\b bold}}";
    expected += QStringLiteral("bold");
    TBitmap bitmap;
    bitmap.SetSize(200, 60);
    const TRichTextLayout layout = LayoutRichText(bitmap.Canvas(), Read(rtf), 60);
    ASSERT_EQ(layout.Lines.size(), 1u);
    EXPECT_TRUE(layout.Complete);
    String joined;
    for (const TRichTextLayout::TPiece& piece : layout.Lines[0].Pieces)
        joined += piece.Text;
    EXPECT_EQ(joined, expected);
    EXPECT_GT(layout.Lines[0].Pieces.size(), 10u);
    EXPECT_TRUE(layout.Lines[0].Pieces.back().Format.Style.Contains(fsBold));
}

} // namespace
