#include "platform/core/SysUtils.h"

#include <gtest/gtest.h>

TEST(SysUtils, IntegerConversionFollowsTheTypedTextRules)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        { "12", true, 12 },
        { "   12", true, 12 },
        { "-7", true, -7 },
        { "+7", true, 7 },
        { "$1F", true, 31 },
        { "x1f", true, 31 },
        { "0x10", true, 16 },
        { "-$10", true, -16 },
        { "$FFFFFFFF", true, -1 },
        { "2147483647", true, 2147483647 },
        { "-2147483648", true, -2147483647 - 1 },
        { "2147483648", false, 0 },
        { "$100000000", false, 0 },
        { "", false, 0 },
        { "   ", false, 0 },
        { "12 ", false, 0 },
        { "1a", false, 0 },
        { "abc", false, 0 },
        { "$", false, 0 },
        { "0x", false, 0 },
        { "-", false, 0 },
        { "1.5", false, 0 },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        int32_t value = 0;
        EXPECT_EQ(TryStrToInt(String::fromUtf8(testCase.text), value), testCase.ok);
        EXPECT_EQ(StrToIntDef(String::fromUtf8(testCase.text), -1), testCase.ok ? testCase.value : -1);
        if (testCase.ok)
            EXPECT_EQ(StrToInt(String::fromUtf8(testCase.text)), testCase.value);
        else
            EXPECT_THROW(StrToInt(String::fromUtf8(testCase.text)), EConvertError);
    }
}

TEST(SysUtils, SixtyFourBitConversionKeepsLargeValues)
{
    EXPECT_EQ(StrToInt64Def("$FFFFFFFFFF", -1), 0xFFFFFFFFFFLL);
    EXPECT_EQ(StrToInt64Def("4294967296", -1), 4294967296LL);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", -1), -1);
}

TEST(SysUtils, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim(String::fromUtf8(" \t\r\nab c\x01 ")), "ab c");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(UpperCase("abc.csv\u00e9"), String::fromUtf8("ABC.CSV\u00e9"));
    EXPECT_TRUE(SameText("Proj", "pROJ"));
}
