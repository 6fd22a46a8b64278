#include "platform/core/FloatUtils.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings CommaDecimal()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    return settings;
}

} // namespace

TEST(FloatUtils, ReadsNumbersWithTheSettingsSeparator)
{
    struct Case {
        const char* text;
        bool comma;
        bool ok;
        double value;
    };
    const Case cases[] = {
        { "1.5", false, true, 1.5 },
        { " -2.25 ", false, true, -2.25 },
        { "+3", false, true, 3 },
        { ".5", false, true, 0.5 },
        { "5.", false, true, 5 },
        { "1e3", false, true, 1000 },
        { "1.5E-2", false, true, 0.015 },
        { "1,5", true, true, 1.5 },
        { "1.5", true, false, 0 },
        { "1,000", false, false, 0 },
        { "1e", false, false, 0 },
        { "", false, false, 0 },
        { "-", false, false, 0 },
        { ".", false, false, 0 },
        { "1.2.3", false, false, 0 },
        { "abc", false, false, 0 },
        { "1e999", false, false, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -99;
        const bool ok = TryStrToFloat(String::fromUtf8(c.text), value, c.comma ? CommaDecimal() : TFormatSettings());
        EXPECT_EQ(ok, c.ok);
        EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99);
    }
    EXPECT_THROW(StrToFloat(QStringLiteral("x"), TFormatSettings()), EConvertError);
    EXPECT_EQ(StrToFloatDef(QStringLiteral("x"), 4, TFormatSettings()), 4);
}

TEST(FloatUtils, WritesFifteenSignificantDigits)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        { 0, "0" },
        { 1.5, "1.5" },
        { -2.25, "-2.25" },
        { 100, "100" },
        { 0.1 + 0.2, "0.3" },
        { 1.0 / 3.0, "0.333333333333333" },
        { 123456789012345.0, "123456789012345" },
        { 1234567890123456.0, "1.23456789012346E15" },
        { 0.00001, "0.00001" },
        { 0.000001, "1E-6" },
        { 1e20, "1E20" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FloatToStr(c.value, TFormatSettings()), String::fromUtf8(c.expected));
    }
    EXPECT_EQ(FloatToStr(-1.5, CommaDecimal()), "-1,5");
}

TEST(FloatUtils, WritesFixedNumberAndExponentForms)
{
    struct Case {
        double value;
        TFloatFormat format;
        int precision, digits;
        const char* expected;
    };
    const Case cases[] = {
        { 1.5, TFloatFormat::ffFixed, 15, 2, "1.50" },
        { 2.675, TFloatFormat::ffFixed, 15, 0, "3" },
        { 0.996, TFloatFormat::ffFixed, 15, 2, "1.00" },
        { -0.001, TFloatFormat::ffFixed, 15, 2, "0.00" },
        { -12.5, TFloatFormat::ffFixed, 15, 1, "-12.5" },
        { 1.23456789, TFloatFormat::ffFixed, 3, 5, "1.23000" },
        { 1234567.891, TFloatFormat::ffNumber, 15, 2, "1,234,567.89" },
        { 999.5, TFloatFormat::ffNumber, 15, 0, "1,000" },
        { 12345, TFloatFormat::ffFixed, 3, 2, "1.23E+004" },
        { 1234.5, TFloatFormat::ffExponent, 4, 2, "1.235E+03" },
        { 0.5, TFloatFormat::ffGeneral, 15, 0, "0.5" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, TFormatSettings()), String::fromUtf8(c.expected));
    }
    EXPECT_EQ(FloatToStrF(1234.5, TFloatFormat::ffNumber, 15, 2, CommaDecimal()), "1.234,50");
}
