#include "grid/base/RovIvir.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings UsSettings()
{
    TFormatSettings settings;
    settings.ShortDateFormat = QStringLiteral("M/d/yyyy");
    return settings;
}

TFormatSettings GermanSettings()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.DateSeparator = u'.';
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    return settings;
}

String Text(const char* utf8) { return String::fromUtf8(utf8); }

class RovIvir : public testing::Test {
protected:
    TFormatSettingsScope FScope { UsSettings() };
};

} // namespace

TEST_F(RovIvir, ClassifiesCellTexts)
{
    struct Case {
        String text;
        bool markup;
        int32_t kind;
    };
    const Case cases[] = {
        { "", true, ckPlain },
        { "=", false, ckFormula },
        { "=A1+B1", false, ckFormula },
        { "{\\rtf1", false, ckRichText },
        { "<b>bold</b", false, ckPlain },
        { "<b>bold", true, ckPlain },
        { "<B>bold", true, ckMarkup },
        { "a</i>", true, ckMarkup },
        { "<C>", true, ckMarkup },
        { "plain", true, ckPlain },
        { EncodeWideCellText(QStringLiteral("=1")), false, ckFormula },
        { EncodeWideCellText(QStringLiteral("=")), false, ckWide },
        { EncodeWideCellText(QStringLiteral("ab")), false, ckWide },
        { EncodeWideCellText(QString(QChar(0x3D20)) + u'x'), false, ckWide },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ClassifyCellText(c.text, c.markup), c.kind);
    }
}

TEST_F(RovIvir, WideCellTextCarriesEveryUnitAsTwoBytes)
{
    const String euro = EncodeWideCellText(QString(QChar(0x20AC)));
    EXPECT_EQ(euro, QStringLiteral("|\\") + QChar(32) + QChar(172));
    EXPECT_EQ(DecodeWideCellText(euro), QString(QChar(0x20AC)));
    EXPECT_EQ(EncodeWideCellText(String()), "|\\");
    const String mixed = Text("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z");
    EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(mixed)), mixed);
    EXPECT_EQ(DecodeWideCellText(QStringLiteral("plain")), "plain");
    EXPECT_EQ(DecodeWideCellText(QStringLiteral("|\\") + QChar(0) + QChar(65) + QChar(0)), "A");
}

TEST_F(RovIvir, LineBreakEscapesRoundTrip)
{
    EXPECT_EQ(EncodeLineBreaks(QStringLiteral("a\r\nb")), "a\\nb");
    EXPECT_EQ(DecodeLineBreaks(QStringLiteral("a\\nb")), "a\rb");
    EXPECT_EQ(LineBreaksToTilde(QStringLiteral("a\r\nb\r\n")), "a~b~");
    EXPECT_EQ(TildeToLineBreaks(QStringLiteral("a~b")), "a\r\nb");
    EXPECT_EQ(TildeToLineBreaks(QStringLiteral("^")), "");
    EXPECT_EQ(TildeToLineBreaks(QStringLiteral("^^")), "^^");

    String quoted = QStringLiteral("one\r\ntwo");
    QuoteMultiLine(quoted);
    EXPECT_EQ(quoted, QStringLiteral("\"one") + QChar(11) + QStringLiteral("two\""));
    String vertical = QStringLiteral("one") + QChar(11) + QStringLiteral("two");
    VTToLineBreaks(vertical);
    EXPECT_EQ(vertical, "one\r\ntwo");

    const String cell = QStringLiteral("a\r\nb") + QChar(0) + u'c';
    const String escaped = EscapeCellLineBreaks(cell);
    EXPECT_EQ(escaped, QStringLiteral("a") + QChar(9) + QChar(8) + u'b' + QChar(1) + u'c');
    EXPECT_EQ(UnescapeCellLineBreaks(escaped, true), cell);
    EXPECT_EQ(UnescapeCellLineBreaks(escaped, false), "a");
    EXPECT_EQ(EscapeCellLineBreaks(QStringLiteral("no break\n")), "no break\n");
    EXPECT_EQ(UnescapeCellLineBreaks(QStringLiteral("tab\there"), true), "tab\there");
}

TEST_F(RovIvir, TakesLinesAndCountsThem)
{
    struct Case {
        const char* text;
        bool keep;
        const char* line;
        const char* rest;
    };
    const Case cases[] = {
        { "one\r\ntwo\r\nthree", true, "one", "two\r\nthree" },
        { "one\rtwo", true, "one", "two" },
        { "one\r\n\ntwo", true, "one", "\ntwo" },
        { "one\r\ntwo", false, "one", "" },
        { "single", true, "single", "" },
        { "", true, "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        String text = Text(c.text);
        String line = QStringLiteral("stale");
        TakeLine(text, c.keep, line);
        EXPECT_EQ(line, Text(c.line));
        EXPECT_EQ(text, Text(c.rest));
    }
    EXPECT_EQ(CountLines(QStringLiteral("a\r\nb\r\nc"), true), 3);
    EXPECT_EQ(CountLines(QStringLiteral("a\r\nb\r\nc"), false), 1);
    EXPECT_EQ(RemoveCRs(QStringLiteral("a\r\nb\r")), "a\nb");
    EXPECT_EQ(CRToLF(QStringLiteral("a\rb")), "a\nb");
    String crlf = QStringLiteral("a\r\nb\rc");
    CRLFToLF(crlf);
    EXPECT_EQ(crlf, "a\nb\rc");
    EXPECT_EQ(LineBreaksToHtml(QStringLiteral("a\r\nb")), "a<br>\nb");
    EXPECT_EQ(LineBreaksToHtml(QStringLiteral("a\nb")), "a\nb");
}

TEST_F(RovIvir, FindsCharactersAndTokens)
{
    EXPECT_EQ(CharPos(u'b', QStringLiteral("abc")), 2);
    EXPECT_EQ(CharPos(u'z', QStringLiteral("abc")), 0);
    int32_t position = 9;
    EXPECT_EQ(VarCharPos(u'z', QStringLiteral("abc"), position), 0);
    EXPECT_EQ(position, 9);
    EXPECT_EQ(VarCharPos(u'c', QStringLiteral("abc"), position), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(VarPos(QStringLiteral("bc"), QStringLiteral("abc"), position), 2);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(UpperCasePos(QStringLiteral("BC"), QStringLiteral("abc")), 2);
    EXPECT_EQ(UpperCasePos(QStringLiteral("bc"), QStringLiteral("abc")), 0);
    EXPECT_EQ(WidePos(QStringLiteral("\u20ac"), QStringLiteral("a\u20ac")), 2);
    EXPECT_EQ(CountChar(u'a', QStringLiteral("banana")), 3);

    String text = QStringLiteral("key=value=more");
    EXPECT_EQ(TakeToken(text, QStringLiteral("=")), "key");
    EXPECT_EQ(text, "value=more");
    EXPECT_EQ(TakeToken(text, QStringLiteral(";")), "");
    EXPECT_EQ(text, "value=more");

    EXPECT_EQ(ConcatStrings(std::vector<String> { QStringLiteral("a"), QStringLiteral("bc"), String() }), "abc");
    String password = QStringLiteral("secret");
    FillWithChar(password, u'*');
    EXPECT_EQ(password, "******");
}

TEST_F(RovIvir, CapitalizesWords)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        { "hello WORLD", "Hello World" },
        { "o'neil-smith jr.x", "O'Neil-Smith Jr.X" },
        { "mcdonald", "McDonald" },
        { "ronald mcdonald", "Ronald McDonald" },
        { "john smith iii", "John Smith III" },
        { "john smith ii", "John Smith II" },
        { "king louis i", "King Louis I" },
        { "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CapitalizeWords(Text(c.text)), Text(c.expected));
    }
}

TEST_F(RovIvir, ClampsOnlyToPositiveLimits)
{
    struct Case {
        int32_t value, minimum, maximum, expected;
    };
    const Case cases[] = {
        { 5, 10, 20, 10 }, { 25, 10, 0, 25 }, { 25, 10, 10, 25 }, { 25, 10, 20, 20 },
        { -5, 0, 20, -5 }, { 15, 10, 20, 15 }, { -5, -2, 20, -5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.minimum << " " << c.maximum);
        EXPECT_EQ(ClampToLimits(c.value, c.minimum, c.maximum), c.expected);
    }
}

TEST_F(RovIvir, ParsesRowColumnReferences)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t column, row;
    };
    const Case cases[] = {
        { "r12c3", true, 3, 12 }, { "R1C1", true, 1, 1 }, { "R1C", false, 0, 0 },
        { "X1C2", false, 0, 0 }, { "R1X2", false, 0, 0 }, { "RaC2", false, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t column = -1, row = -1;
        EXPECT_EQ(ParseRowColRef(Text(c.text), column, row), c.ok);
        if (c.ok) {
            EXPECT_EQ(column, c.column);
            EXPECT_EQ(row, c.row);
        }
    }
}

TEST_F(RovIvir, HandlesQuotesOfDelimitedFiles)
{
    EXPECT_EQ(DoubleQuotes(QStringLiteral("say \"hi\"")), "say \"\"hi\"\"");
    EXPECT_EQ(UndoubleChar(u'"', QStringLiteral("a\"\"b\"\"\"c")), "a\"b\"\"c");
    EXPECT_EQ(UndoubleChar(u'"', QStringLiteral("plain")), "plain");

    struct Case {
        const char* text;
        int32_t closing;
        int32_t count;
    };
    const Case cases[] = {
        { "abc\",next", 4, 1 },
        { "a\"\"b\",x", 5, 1 },
        { "a\"\"b", 0, 0 },
        { "abc\"", 4, 1 },
        { "a\",b\",c", 2, 2 },
        { "", 0, 0 },
        { "a\"\"\"", 4, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t position = -1;
        EXPECT_EQ(FindClosingQuote(u'"', Text(c.text), position), c.closing);
        EXPECT_EQ(position, c.closing);
        EXPECT_EQ(CountClosingQuotes(u'"', Text(c.text)), c.count);
    }

    int32_t position = 0;
    EXPECT_EQ(FindCharOutsideQuotes(QStringLiteral(",;"), QStringLiteral("\"a,b\";c"), position), u';');
    EXPECT_EQ(position, 6);
    EXPECT_TRUE(FindCharOutsideQuotes(QStringLiteral(","), QStringLiteral("\"a,b\""), position).isNull());
    EXPECT_EQ(position, -1);
}

TEST_F(RovIvir, ClassifiesNumberTexts)
{
    struct Case {
        const char* text;
        int32_t kind;
    };
    const Case cases[] = {
        { "", ntNotANumber }, { "-12", ntInteger }, { "12", ntInteger }, { "-", ntInteger },
        { "1,234.5", ntDecimal }, { "1234.5", ntDecimal }, { "1,234,567", ntDecimal },
        { "1.5e-3", ntScientific }, { "-1.5e-3", ntScientific }, { "2E5", ntScientific },
        { "1,23,456", ntNotANumber }, { "12-3", ntNotANumber }, { "1.2.3", ntNotANumber },
        { "e5", ntNotANumber }, { "5e", ntNotANumber }, { "1e2e3", ntNotANumber }, { "abc", ntNotANumber },
        { "1,5e3", ntNotANumber }, { "--1", ntNotANumber },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClassifyNumberText(Text(c.text)), c.kind);
    }
    const TFormatSettingsScope german(GermanSettings());
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1.234,5")), ntDecimal);
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1,2,3")), ntNotANumber);
}

TEST_F(RovIvir, NormalizesFormattedNumbers)
{
    struct Case {
        const char* text;
        bool german;
        const char* expected;
    };
    const Case cases[] = {
        { "", false, "" },
        { "1,234.50", false, "1234.50" },
        { "(12.5)", false, "-12.5" },
        { "$ -3", false, "-3" },
        { "USD 1,000 total", false, "1000" },
        { "  42  ", false, "42" },
        { "1.234,5", true, "1234.5" },
        { "-1.000,25 EUR", true, "-1000.25" },
        { "x", false, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TFormatSettingsScope scope(c.german ? GermanSettings() : UsSettings());
        EXPECT_EQ(NormalizeNumberText(Text(c.text)), Text(c.expected));
    }
    const TFormatSettingsScope german(GermanSettings());
    EXPECT_EQ(NormalizeDecimalText(QStringLiteral("1.234,5 x")), "1234.5 x");
}

TEST_F(RovIvir, RecognisesNumberCharacters)
{
    EXPECT_TRUE(IsDigitChar(u'7'));
    EXPECT_TRUE(IsDigitChar(QChar(0x0663))); // Arabic-Indic three
    EXPECT_FALSE(IsDigitChar(u'a'));
    EXPECT_TRUE(IsDigitOrMinus(u'-'));
    EXPECT_TRUE(IsNumberChar(u','));
    EXPECT_TRUE(IsNumberChar(u'E'));
    EXPECT_FALSE(IsNumberChar(u'-'));
    EXPECT_TRUE(IsNumberTextChar(u'+'));
    EXPECT_FALSE(IsNumberTextChar(u','));
    EXPECT_TRUE(IsSignedNumberChar(u'-'));
}

TEST_F(RovIvir, RecognisesAndStripsUrls)
{
    EXPECT_TRUE(IsUrlText(QStringLiteral("see http://host")));
    EXPECT_TRUE(IsUrlText(QStringLiteral("mailto:a@b")));
    EXPECT_FALSE(IsUrlText(QStringLiteral("host.com")));
    String link = QStringLiteral("https://host/path");
    StripUrlScheme(link);
    EXPECT_EQ(link, "host/path");
    link = QStringLiteral("mailto:a@b");
    StripUrlScheme(link);
    EXPECT_EQ(link, "a@b");
    link = QStringLiteral("plain");
    StripUrlScheme(link);
    EXPECT_EQ(link, "plain");
}

TEST_F(RovIvir, ConvertsToAndFromTheOemCodePage)
{
    String text = Text("K\xc3\xa4se \xe2\x82\xac \xe2\x95\x94");
    StringToOem(text);
    EXPECT_EQ(text, QStringLiteral("K") + QChar(0x84) + QStringLiteral("se ? ") + QChar(0xC9));
    OemToString(text);
    EXPECT_EQ(text, Text("K\xc3\xa4se ? \xe2\x95\x94"));
}

TEST_F(RovIvir, ParsesShortDatesByPartOrder)
{
    struct Case {
        const char* text;
        bool dayFirst;
        int year, month, day; // year 0: the answer is 0
    };
    const Case cases[] = {
        { "12/31/99", false, 1999, 12, 31 },
        { "1.2.25", false, 2025, 1, 2 },
        { "1.2.26", false, 1926, 1, 2 },
        { "5/1/2023", false, 2023, 5, 1 },
        { "31/12/07", true, 2007, 12, 31 },
        { "31.12.2024", true, 2024, 12, 31 },
        { "12/31", false, 0, 0, 0 },
        { "12-x-99", false, 0, 0, 0 },
        { "nothing", false, 0, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TDateTime value = c.dayFirst ? ParseDateDMY(Text(c.text)) : ParseDateMDY(Text(c.text));
        EXPECT_EQ(value, c.year == 0 ? 0 : EncodeDate(c.year, c.month, c.day));
    }
    EXPECT_THROW(ParseDateMDY(QStringLiteral("2023-01-05")), EConvertError);
    EXPECT_THROW(ParseDateDMY(QStringLiteral("31/2/20")), EConvertError);
}

TEST_F(RovIvir, RecognisesDateLikeTexts)
{
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("1/2/3")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("/1/2")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("1//2")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("1/2")));
    const TFormatSettingsScope german(GermanSettings());
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("31.12.2024")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("12/31/2024")));
}

TEST_F(RovIvir, ParsesDateTimeTextsInTheShortDateOrder)
{
    struct Case {
        const char* text;
        bool german;
        bool ok;
        double expected;
    };
    const double march5 = EncodeDate(2024, 3, 5);
    const Case cases[] = {
        { "3/5/2024", false, true, march5 },
        { "3/5/ 2024 ", false, true, march5 },
        { "3/5/2024 12:30", false, true, march5 + EncodeTime(12, 30, 0, 0) },
        { "3/5/2024 12:30:15", false, true, march5 + EncodeTime(12, 30, 15, 0) },
        { "05.03.2024 06:00", true, true, march5 + 0.25 },
        { "3/5/24", false, true, EncodeDate(24, 3, 5) },
        { "13/5/2024", false, false, 0 },
        { "3/32/2024", false, false, 0 },
        { "2/30/2024", false, false, 0 },
        { "3/5", false, false, 0 },
        { "a/5/2024", false, false, 0 },
        { "3/5/2024 24:00", false, false, 0 },
        { "3/5/2024 12:60", false, false, 0 },
        { "3/5/2024 12:30:60", false, false, 0 },
        { "3/5/2024 x:30", false, false, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TFormatSettingsScope scope(c.german ? GermanSettings() : UsSettings());
        TDateTime value = -1;
        EXPECT_EQ(ParseDateTimeText(Text(c.text), value), c.ok);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.expected);
        }
    }
    TDateTime value = -1;
    EXPECT_FALSE(ParseDateTimeText(QStringLiteral("3/5/2024 noon"), value));
    EXPECT_EQ(value, march5); // the date stands though the time is unreadable
    const TDateTime early = [] {
        TDateTime parsed = 0;
        ParseDateTimeText(QStringLiteral("12/29/1899 06:00"), parsed);
        return parsed;
    }();
    EXPECT_DOUBLE_EQ(early, -1.25);
}

TEST_F(RovIvir, StepsDateSeries)
{
    const TDateTime noon = 0.5;
    struct Case {
        const char* name;
        int32_t years, months, days;
        TDateTime date;
        TDateTime expected;
    };
    const Case cases[] = {
        { "one month over the year end", 0, 1, 0, EncodeDate(2023, 12, 15) + noon, EncodeDate(2024, 1, 15) },
        { "one month back over the year start", 0, -1, 0, EncodeDate(2024, 1, 15), EncodeDate(2023, 12, 15) },
        { "thirteen months", 0, 13, 0, EncodeDate(2023, 12, 15), EncodeDate(2025, 1, 15) },
        { "minus twenty-five months", 0, -25, 0, EncodeDate(2024, 1, 15), EncodeDate(2021, 12, 15) },
        { "years", 2, 0, 0, EncodeDate(2024, 2, 28) + noon, EncodeDate(2026, 2, 28) },
        { "days keep the time", 0, 0, 3, EncodeDate(2024, 2, 28) + noon, EncodeDate(2024, 3, 2) + noon },
        { "negative days", 0, 0, -1, EncodeDate(2024, 3, 1), EncodeDate(2024, 2, 29) },
        { "mixed steps take the default", 1, 1, 0, 100, 107 },
        { "no step takes the default", 0, 0, 0, 100, 107 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(StepDate(c.years, c.months, c.days, c.date, 7), c.expected);
    }
    EXPECT_THROW(StepDate(0, 1, 0, EncodeDate(2024, 1, 31), 1), EConvertError);
    EXPECT_THROW(StepDate(1, 0, 0, EncodeDate(2024, 2, 29), 1), EConvertError);
    EXPECT_THROW(StepDate(20000, 0, 0, EncodeDate(2024, 2, 1), 1), EConvertError);
}

TEST_F(RovIvir, MatchesFilterExpressions)
{
    struct Case {
        const char* expression;
        const char* value;
        bool caseSensitive;
        bool expected;
    };
    const Case cases[] = {
        { ">5 & <10", "7", false, true },
        { ">5 & <10", "12", false, false },
        { ">5&<10", "5", false, false },
        { ">=5&<=10", "5", false, true },
        { "A*|B*", "bob", false, true },
        { "A*|B*", "bob", true, false },
        { "A*;C*", "carl", false, true },
        { "A*^C*", "dave", false, false },
        { "!A*", "Anna", false, false },
        { "!A*", "Bert", false, true },
        { "=bob", "BOB", false, true },
        { "b?b", "bob", false, true },
        { "b?b", "bb", false, false },
        { "*an*", "banana", false, true },
        { "*x", "banana", false, false },
        { "\"a b\"", "a b", false, true },
        { "(A*|B*)&*n", "ben", false, true },
        { "(A*|B*)&*n", "bob", false, false },
        { "C*|(A*&*z)", "anz", false, true },
        { "((A*)", "((ab)", false, true },
        { "((A*)", "anna", false, false },
        { ">9", "10", false, true },
        { ">b", "c", false, true },
        { "<1,000.5", "999", false, true },
        { ">1/1/2024", "2/1/2024", false, true },
        { ">1/2/2024", "12/1/2023", false, false },
        { "", "", false, true },
        { "", "x", false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.expression << " ~ " << c.value);
        EXPECT_EQ(MatchFilterCondition(Text(c.expression), Text(c.value), c.caseSensitive), c.expected);
    }
}

// An expression is read once and kept among the last few read: the same
// expression with and without case, and one read again after many others,
// answers as when first read.
TEST_F(RovIvir, AFilterExpressionAnswersAlikeWhenMatchedAgainAmongOthers)
{
    struct Case {
        const char* expression;
        const char* value;
        bool caseSensitive;
        bool expected;
    };
    const Case cases[] = {
        { "ab*", "ABC", true, false },
        { "ab*", "ABC", false, true },
        { "ab*", "abc", true, true },
        { "(A*|B*)&*n", "ben", false, true },
        { ">5&<10", "7", false, true },
        { "!A*", "Anna", false, false },
    };
    for (int round = 0; round < 3; ++round) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "round " << round << ": " << c.expression << " ~ " << c.value);
            EXPECT_EQ(MatchFilterCondition(Text(c.expression), Text(c.value), c.caseSensitive), c.expected);
        }
        for (int other = 0; other < 20; ++other) {
            SCOPED_TRACE(other);
            EXPECT_EQ(MatchFilterCondition(QStringLiteral("x%1y*").arg(other), QStringLiteral("x7yz"), false), other == 7);
        }
    }
}

TEST_F(RovIvir, DeeplyNestedFilterGroupsAreReadWithoutExhaustingTheStack)
{
    struct Case {
        int depth;
        const char* value;
        bool expected;
    };
    const Case cases[] = {
        { 3, "bob", true },
        { 3, "ann", false },
        { 60, "bob", true },
        // Past any hand-written depth the group is one plain condition.
        { 20000, "bob", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        const String expression = String(c.depth, u'(') + QStringLiteral("B*") + String(c.depth, u')');
        EXPECT_EQ(MatchFilterCondition(expression, Text(c.value), false), c.expected);
    }
}

TEST_F(RovIvir, ComparesConditionsAsNumbersDatesOrTexts)
{
    struct Case {
        const char* condition;
        const char* value;
        bool expected;
    };
    const Case cases[] = {
        { ">=2023-01-01", "2023-05-01", true },   // no date in the short date order: texts
        { ">=2023-01-01", "2022-12-31", false },
        { ">10", "9", false },                    // numbers, not texts ("9" > "10")
        { ">10", "abc", true },                   // a text side compares as text
        { ">5&<10", "7", true },
        { ">5&<10", "11", false },
        { "<5^>10", "11", true },
        { "<5^>10", "7", false },
        { "> \"b c\"", "b d", true },
        { "ab", "ab", true },
        { "a\"b", "ab", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.condition << " ~ " << c.value);
        EXPECT_EQ(CompareCondition(Text(c.condition), Text(c.value)), c.expected);
    }
}

TEST_F(RovIvir, HelpsReadFilterExpressions)
{
    EXPECT_EQ(RemoveSpacesOutsideQuotes(QStringLiteral(" a b \" c d \" e ")), "ab\" c d \"e");
    EXPECT_EQ(FindClosingParen(QStringLiteral("(a(b)c)d")), 7);
    EXPECT_EQ(FindClosingParen(QStringLiteral("((a)")), 0);
    EXPECT_EQ(FindClosingParen(QStringLiteral("abc")), 0);
}

TEST_F(RovIvir, ReadsTheLocaleThroughItsAccessors)
{
    const TFormatSettingsScope german(GermanSettings());
    EXPECT_EQ(GetDecimalSeparator(), u',');
    EXPECT_EQ(GetThousandSeparator(), u'.');
    EXPECT_EQ(GetDateSeparator(), u'.');
    EXPECT_EQ(GetTimeSeparator(), u':');
    EXPECT_EQ(GetShortDateFormat(), "dd.MM.yyyy");
}
