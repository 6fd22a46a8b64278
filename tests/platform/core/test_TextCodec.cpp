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
        { "long ascii", "0123456789abcdefghijklmnopq"sv, -1 },
        { "bad byte after two runs of eight", "0123456789abcdef\xE9gh"sv, 16 },
        { "bad byte inside a run of eight", "0123456789a\x80" "cdefgh"sv, 11 },
        { "letters across runs of eight", "012345\xC3\xA9\xE2\x82\xAC" "9abcdefgh\xF0\x9F\x98\x80xyz"sv, -1 },
        { "bad byte after a letter across runs", "0123456\xC3\xA9" "0123456789\xFF"sv, 19 },
        { "cut after a run of eight", "01234567\xE2\x82"sv, 8 },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(InvalidUtf8Offset(testCase.bytes), testCase.offset);
    }
}

TEST(TextCodec, EncodesEachEncodingWithAQuestionMarkForWhatItCannotHold)
{
    struct Case {
        const char* name;
        TTextEncoding encoding;
        const char16_t* text;
        std::string_view bytes;
    };
    const Case cases[] = {
        { "ansi letters and euro", TTextEncoding::Ansi, u"a\u20ACe\u00E9\u00FF", "a\x80" "e\xE9\xFF"sv },
        { "ansi unassigned byte keeps its control", TTextEncoding::Ansi, u"\u0081\u009D", "\x81\x9D"sv },
        { "ansi unmappable", TTextEncoding::Ansi, u"\u0100\u0080\u4E2D", "???"sv },
        { "ascii", TTextEncoding::Ascii, u"a\u00E9\u20AC\x7F", "a??\x7F"sv },
        { "utf-8 without mark", TTextEncoding::Utf8, u"a\u00E9\u20AC", "a\xC3\xA9\xE2\x82\xAC"sv },
        { "utf-8 with mark", TTextEncoding::Utf8Bom, u"a", "\xEF\xBB\xBF" "a"sv },
        { "utf-8 outside the 16-bit range", TTextEncoding::Utf8, u"\U0001F600", "\xF0\x9F\x98\x80"sv },
        { "utf-16 with mark", TTextEncoding::Utf16Le, u"a\U0001F600", "\xFF\xFE" "a\0\x3D\xD8\x00\xDE"sv },
        { "oem 437", TTextEncoding::Oem437, u"\u00C7\u2591\u00E9\u00F8\u20AC", "\x80\xB0\x82??"sv },
        { "oem 850", TTextEncoding::Oem850, u"\u00C7\u00F8\u00A9\u00C1\u2591\u20AC", "\x80\x9B\xB8\xB5\xB0?"sv },
        { "one mark for a pair", TTextEncoding::Ansi, u"x\U0001F600y", "x?y"sv },
        { "unpaired surrogates", TTextEncoding::Utf8, u"\xD800" "a\xDC00", "?a?"sv },
        { "unpaired surrogate in utf-16", TTextEncoding::Utf16Le, u"\xDC00", "\xFF\xFE?\0"sv },
        { "empty with mark", TTextEncoding::Utf8Bom, u"", "\xEF\xBB\xBF"sv },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(EncodeText(String::fromUtf16(testCase.text), testCase.encoding), std::string(testCase.bytes));
    }
}

TEST(TextCodec, EightBitCodePagesRoundTripEveryByte)
{
    const TTextEncoding encodings[] = { TTextEncoding::Ansi, TTextEncoding::Oem437, TTextEncoding::Oem850, TTextEncoding::Ascii };
    for (const TTextEncoding encoding : encodings) {
        SCOPED_TRACE(static_cast<int>(encoding));
        const int byteCount = encoding == TTextEncoding::Ascii ? 128 : 256;
        std::string bytes;
        for (int code = 0; code < byteCount; ++code) bytes += static_cast<char>(code);
        String text;
        ASSERT_TRUE(DecodeText(bytes, encoding, text));
        EXPECT_EQ(text.size(), byteCount);
        EXPECT_EQ(EncodeText(text, encoding), bytes);
    }
    // Code page 850 holds every Latin-1 letter.
    String latin1;
    for (char16_t code = 0xA0; code <= 0xFF; ++code) latin1 += QChar(code);
    String back;
    ASSERT_TRUE(DecodeText(EncodeText(latin1, TTextEncoding::Oem850), TTextEncoding::Oem850, back));
    EXPECT_EQ(back, latin1);
}

TEST(TextCodec, DecodesAKnownEncodingAndDropsItsMark)
{
    struct Case {
        const char* name;
        TTextEncoding encoding;
        std::string_view bytes;
        const char16_t* expected; // nullptr: refused
    };
    const Case cases[] = {
        { "utf-8 mark dropped", TTextEncoding::Utf8Bom, "\xEF\xBB\xBF" "a\xC3\xA9"sv, u"a\u00E9" },
        { "utf-8 without mark", TTextEncoding::Utf8, "a\xC3\xA9"sv, u"a\u00E9" },
        { "utf-8 broken", TTextEncoding::Utf8, "a\xE9"sv, nullptr },
        { "utf-16 mark dropped", TTextEncoding::Utf16Le, "\xFF\xFE" "a\0"sv, u"a" },
        { "utf-16 without mark", TTextEncoding::Utf16Le, "a\0b\0"sv, u"ab" },
        { "utf-16 odd length", TTextEncoding::Utf16Le, "a\0b"sv, nullptr },
        { "ansi reads a mark as letters", TTextEncoding::Ansi, "\xEF\xBB\xBF"sv, u"\u00EF\u00BB\u00BF" },
        { "ascii high byte", TTextEncoding::Ascii, "a\xE9"sv, u"a?" },
        { "oem 437", TTextEncoding::Oem437, "\x84\xC9"sv, u"\u00E4\u2554" },
        { "oem 850", TTextEncoding::Oem850, "\x84\xC9\xD5"sv, u"\u00E4\u2554\u0131" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        String text = QStringLiteral("old");
        EXPECT_EQ(DecodeText(testCase.bytes, testCase.encoding, text), testCase.expected != nullptr);
        EXPECT_EQ(text, testCase.expected ? String::fromUtf16(testCase.expected) : QStringLiteral("old"));
    }
}

TEST(TextCodec, UnicodeEncodingsRoundTripAnyText)
{
    const String text = QStringLiteral("a\u00E9\u20AC\r\n\u4E2D") + String::fromUtf16(u"\U0001F600") + QChar(0xFEFF);
    for (const TTextEncoding encoding : { TTextEncoding::Utf8, TTextEncoding::Utf8Bom, TTextEncoding::Utf16Le }) {
        SCOPED_TRACE(static_cast<int>(encoding));
        String back;
        ASSERT_TRUE(DecodeText(EncodeText(text, encoding), encoding, back));
        EXPECT_EQ(back, text);
        if (encoding != TTextEncoding::Utf8) {
            ASSERT_TRUE(DecodeText(EncodeText(text, encoding), back));
            EXPECT_EQ(back, text);
        }
    }
}
