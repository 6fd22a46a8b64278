#include "platform/core/Format.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings English()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u',';
    settings.CurrencyString = QStringLiteral("$");
    settings.CurrencyFormat = 0;
    settings.NegCurrFormat = 0;
    settings.CurrencyDecimals = 2;
    return settings;
}

TFormatSettings German()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.CurrencyString = QString::fromUtf8("\u20ac");
    settings.CurrencyFormat = 3;
    settings.NegCurrFormat = 8;
    settings.CurrencyDecimals = 2;
    return settings;
}

} // namespace

TEST(Format, FormatsEachTypeAsThePlatformDoes)
{
    int marker = 0;
    const void* pointer = &marker;
    struct Case {
        const char* format;
        std::initializer_list<TVarRec> args;
        String expected;
    };
    const Case cases[] = {
        { "plain", {}, "plain" },
        { "100%%", {}, "100%" },
        { "%d|%5d|%-5d|%.3d|%.3d", { 42, 42, 42, 7, -7 }, "42|   42|42   |007|-007" },
        { "%d %d", { INT64_MIN, int8_t(-1) }, "-9223372036854775808 -1" },
        { "%u %u %u", { -1, int64_t(-1), 5u }, "4294967295 18446744073709551615 5" },
        { "%x %X %.4x %x", { 255, 255, 10, -1 }, "FF FF 000A FFFFFFFF" },
        { "%x", { int64_t(-2) }, "FFFFFFFFFFFFFFFE" },
        { "%s|%5s|%-5s|%.2s", { "abc", "abc", "abc", "abc" }, "abc|  abc|abc  |ab" },
        { "%s%s", { QChar(u'x'), String::fromUtf8("\u00e9") }, String::fromUtf8("x\u00e9") },
        { "%s%.8d", { "StartHTML:", 97 }, "StartHTML:00000097" },
        { "%f|%.0f|%.3f|%8.1f", { 3.14159, 2.5, -0.0005, 3.14159 }, "3.14|3|-0.001|     3.1" },
        { "%.2f", { 1e20 }, "1.00000000000000000E+020" },
        { "%n|%.0n|%.1n", { 1234567.891, 1234567.5, -999.99 }, "1,234,567.89|1,234,568|-1,000.0" },
        { "%e|%.3e|%E", { 1234.5, -0.000123456, 0.0 }, "1.23450000000000E+003|-1.23E-004|0.00000000000000E+000" },
        { "%g|%g|%g|%.3g", { 5.0, 0.1, 1e20, 3.14159 }, "5|0.1|1E20|3.14" },
        { "%g|%g", { 0.00001, 0.000001 }, "0.00001|1E-6" },
        { "%m|%m|%.0m", { 1234.5, -2.0, 1.5 }, "$1,234.50|($2.00)|$2" },
        { "%1:s %0:s %s", { "a", "b", "c" }, "b a b" },
        { "%2:s%s", { "a", "b", "c", "d" }, "cd" },
        { "%*d|%-*d|%.*f|%*.*f", { 4, 7, 3, 7, 1, 2.25, 6, 2, 1.5 }, "   7|7  |2.3|  1.50" },
        { "%*s", { -4, "ab" }, "ab  " },
    };
    const TFormatSettings settings = English();
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.format);
        EXPECT_EQ(Format(testCase.format, testCase.args, settings), testCase.expected);
    }
    EXPECT_EQ(Format("%p", { pointer }, settings), QStringLiteral("%1").arg(reinterpret_cast<uintptr_t>(pointer), 16, 16, QChar(u'0')).toUpper());
}

TEST(Format, SeparatorsAndCurrencyComeFromTheSettings)
{
    struct Case {
        const char* format;
        double value;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        { "%.2f", 1234.5, "1234.50", "1234,50" },
        { "%n", 1234.5, "1,234.50", "1.234,50" },
        { "%g", 0.25, "0.25", "0,25" },
        { "%.2e", 1234.5, "1.2E+003", "1,2E+003" },
        { "%m", 1234.5, "$1,234.50", "1.234,50 \u20ac" },
        { "%m", -1234.5, "($1,234.50)", "-1.234,50 \u20ac" },
        { "%m", -0.001, "$0.00", "0,00 \u20ac" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.format);
        EXPECT_EQ(Format(testCase.format, { testCase.value }, English()), String::fromUtf8(testCase.english));
        EXPECT_EQ(Format(testCase.format, { testCase.value }, German()), String::fromUtf8(testCase.german));
    }
    const TFormatSettingsScope scope(German());
    EXPECT_EQ(Format("%.1f", { 0.5 }), "0,5");
}

TEST(Format, EveryCurrencyPlacement)
{
    const char* const positive[] = { "$1.00", "1.00$", "$ 1.00", "1.00 $" };
    const char* const negative[] = { "($1.00)", "-$1.00", "$-1.00", "$1.00-", "(1.00$)", "-1.00$", "1.00-$", "1.00$-",
                                     "-1.00 $", "-$ 1.00", "1.00 $-", "$ 1.00-", "$ -1.00", "1.00- $", "($ 1.00)", "(1.00 $)" };
    TFormatSettings settings = English();
    for (uint8_t index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        settings.CurrencyFormat = index;
        EXPECT_EQ(Format("%m", { 1.0 }, settings), positive[index]);
    }
    for (uint8_t index = 0; index < 16; ++index) {
        SCOPED_TRACE(index);
        settings.NegCurrFormat = index;
        EXPECT_EQ(Format("%m", { -1.0 }, settings), negative[index]);
    }
}

TEST(Format, BadFormatsAndMismatchedArgumentsRaise)
{
    struct Case {
        const char* format;
        std::initializer_list<TVarRec> args;
        const char* messagePart;
    };
    const Case cases[] = {
        { "%d", { 1.5 }, "invalid or incompatible" },
        { "%f", { 5 }, "invalid or incompatible" },
        { "%s", { 5 }, "invalid or incompatible" },
        { "%d", { "5" }, "invalid or incompatible" },
        { "%p", { 5 }, "invalid or incompatible" },
        { "%x", { 1.0 }, "invalid or incompatible" },
        { "%k", { 1 }, "invalid or incompatible" },
        { "ends with %", { 1 }, "invalid or incompatible" },
        { "%5", { 1 }, "invalid or incompatible" },
        { "%*d", { "x", 1 }, "invalid or incompatible" },
        { "%99999s", { "x" }, "invalid or incompatible" },
        { "%.5000d", { 1 }, "invalid or incompatible" },
        { "%d %d", { 1 }, "No argument" },
        { "%3:d", { 1, 2 }, "No argument" },
        { "%*d", { 4 }, "No argument" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.format);
        try {
            Format(testCase.format, testCase.args, English());
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& error) {
            EXPECT_TRUE(error.Message().contains(testCase.messagePart)) << error.what();
            EXPECT_TRUE(error.Message().contains(testCase.format)) << error.what();
        }
    }
}
