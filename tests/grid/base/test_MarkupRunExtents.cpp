#include "grid/base/MarkupRunExtents.h"

#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

int32_t LaidOutWidth(TCanvas& canvas, const String& run)
{
    TRect rect = Rect(0, 0, 1000, 40);
    canvas.DrawText(run, rect, DT_CALCRECT | DT_SINGLELINE);
    return rect.Width();
}

} // namespace

// The memo must answer what the layout measures, in every face it met, and
// leave to the layout what only the layout knows.
TEST(MarkupRunExtents, WidthsAreTheLayoutsInEachFace)
{
    TBitmap bitmap(100, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
    const struct {
        const char* Run;
        bool Memo;
    } cases[] = {
        { "Gateway", true },
        { "& more", true },
        { "a&&b", true },
        { "&File", true },
        { "end&", true },
        { "", true },
        { "tab\there", false },
        { "two\r\nlines", false },
    };
    for (const int32_t size : { 9, 14 })
        for (const bool bold : { false, true })
            for (const auto& test : cases) {
                SCOPED_TRACE(testing::Message() << test.Run << " size " << size << " bold " << bold);
                canvas.Font().SetSize(size);
                canvas.Font().SetStyle(bold ? TFontStyles { fsBold } : TFontStyles {});
                const String run = QString::fromUtf8(test.Run);
                // Asked twice: the second answer comes from the memo.
                for (int round = 0; round < 2; ++round)
                    EXPECT_EQ(MarkupRunWidth(canvas, run), test.Memo ? LaidOutWidth(canvas, run) : -1);
                EXPECT_EQ(MarkupLineHeight(canvas), canvas.TextHeight(QStringLiteral("gh")));
            }
}

TEST(MarkupRunExtents, AMappedCanvasMeasuresItself)
{
    TBitmap bitmap(100, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(MarkupRunWidth(canvas, QStringLiteral("Gateway")), -1);
    EXPECT_EQ(MarkupLineHeight(canvas), canvas.TextHeight(String()));
}
