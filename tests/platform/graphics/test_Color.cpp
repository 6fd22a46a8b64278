#include "platform/core/Exception.h"
#include "platform/graphics/Color.h"

#include <gtest/gtest.h>

TEST(Color, SystemColoursResolveThroughTheFixedScheme)
{
    struct Case {
        TColor color;
        TColor rgb;
    };
    const Case cases[] = {
        { clBtnFace, 0xF0F0F0 },
        { cl3DDkShadow, 0x696969 },
        { clWindow, 0xFFFFFF },
        { clWindowText, 0x000000 },
        { clHighlight, 0xFF9933 },
        { clInfoBk, 0xE1FFFF },
        { clGradientActiveCaption, 0xEAD1B9 },
        { clBtnShadow, 0xA0A0A0 },
        { clGray, 0x808080 },
        { 0xEDF7F8, 0xEDF7F8 },
        { clNone, 0x1FFFFFFF },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(ColorToString(entry.color).toStdString());
        EXPECT_EQ(ColorToRGB(entry.color), entry.rgb);
    }
}

TEST(Color, IdentifiersRoundTripAndIntegersParse)
{
    EXPECT_EQ(ColorToString(clSkyBlue), "clSkyBlue");
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("$00FF8000"), 0xFF8000u);
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
}
