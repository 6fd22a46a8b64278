#include "platform/core/TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace std::string_view_literals;

TEST(TextCodec, DecodesByMarkThenUtf8ThenWindows1252)
{
    struct Case {
        const char* name;
        std::string_view bytes;
        const char16_t* expected;
    };
    const Case cases[] = {
        { "utf-8 mark", "\xEF\xBB\xBF" "a\xC2\xB6" "b"sv, u"a\u00B6b" },
        { "utf-16le mark", "\xFF\xFE" "a\0\xB6\0"sv, u"a\u00B6" },
        { "utf-16be mark", "\xFE\xFF" "\0a\0\xB6"sv, u"a\u00B6" },
        { "utf-16le second mark is text", "\xFF\xFE\xFF\xFE" "a\0"sv, u"\uFEFFa" },
        { "valid utf-8 without mark", "x\xE2\x82\xAC"sv, u"x\u20AC" },
        { "plain ascii", "STR1 = a"sv, u"STR1 = a" },
        { "1252 pilcrow", "a\xB6" "b"sv, u"a\u00B6b" },
        { "1252 high block", "\x80\x81\x8A\x9F"sv, u"\u20AC\u0081\u0160\u0178" },
        { "1252 latin letters", "caf\xE9 \xC4"sv, u"caf\u00E9 \u00C4" },
        { "empty", ""sv, u"" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        String text = QStringLiteral("old");
        ASSERT_TRUE(DecodeText(testCase.bytes, text));
        EXPECT_EQ(text.toStdU16String(), std::u16string(testCase.expected));
    }
}

TEST(TextCodec, RefusesBytesThatBreakTheirMark)
{
    const std::string_view broken[] = {
        "\xEF\xBB\xBF" "a\xC3"sv,
        "\xEF\xBB\xBF" "\xFF"sv,
        "\xFF\xFE" "a\0b"sv,
        "\xFF\xFE" "\x00\xD8" "a\0"sv,
        "\xFF\xFE" "\x00\xDC" "a\0"sv,
        "\xFE\xFF" "\xDC\x00"sv,
    };
    for (const std::string_view bytes : broken) {
        SCOPED_TRACE(std::string(bytes));
        String text = QStringLiteral("kept");
        EXPECT_FALSE(DecodeText(bytes, text));
        EXPECT_EQ(text, QStringLiteral("kept"));
    }
}

TEST(TextCodec, FindsTheFirstByteThatIsNotUtf8)
{
    struct Case {
        const char* name;
        std::string_view bytes;
        ptrdiff_t offset;
    };
    const Case cases[] = {
        { "ascii", "abc"sv, -1 },
        { "two to four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"sv, -1 },
        { "highest code point", "\xF4\x8F\xBF\xBF"sv, -1 },
        { "nul is utf-8", "a\0b"sv, -1 },
        { "lone 8-bit letter", "Caf\xE9"sv, 3 },
        { "continuation without lead", "a\x80"sv, 1 },
        { "overlong two bytes", "\xC0\xAF"sv, 0 },
        { "overlong three bytes", "x\xE0\x80\xAF"sv, 1 },
        { "surrogate", "\xED\xA0\x80"sv, 0 },
        { "past the last code point", "\xF4\x90\x80\x80"sv, 0 },
        { "cut at the end", "ab\xE2\x82"sv, 2 },
        { "bad third byte", "\xE2\x82x"sv, 0 },
        { "lead byte F5", "\xF5\x80\x80\x80"sv, 0 },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(InvalidUtf8Offset(testCase.bytes), testCase.offset);
    }
}
