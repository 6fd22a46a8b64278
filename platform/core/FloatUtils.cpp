#include "platform/core/FloatUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// A value as its significant decimal digits: value = 0.d1d2d3... x 10^Exponent.
struct TDecimalDigits {
    std::string Digits; // without trailing zeros; empty for zero
    int Exponent = 0;
    bool Negative = false;
};

// Rounds on the decimal digits, halves away from zero, as the platform does:
// 1234.5 to four digits is 1235.
TDecimalDigits ToDecimal(double value, int precision)
{
    TDecimalDigits decimal;
    decimal.Negative = std::signbit(value) && value != 0;
    if (value == 0) return decimal;
    precision = std::clamp(precision, 1, 18);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
    const std::string text = buffer;
    const size_t exponentAt = text.find('e');
    for (size_t index = 0; index < exponentAt; ++index)
        if (text[index] != '.') decimal.Digits += text[index];
    decimal.Exponent = std::stoi(text.substr(exponentAt + 1)) + 1;
    const bool roundUp = decimal.Digits[static_cast<size_t>(precision)] >= '5';
    decimal.Digits.resize(static_cast<size_t>(precision));
    if (roundUp) {
        int index = precision - 1;
        while (index >= 0 && decimal.Digits[static_cast<size_t>(index)] == '9') decimal.Digits[static_cast<size_t>(index--)] = '0';
        if (index >= 0) {
            ++decimal.Digits[static_cast<size_t>(index)];
        } else {
            decimal.Digits.insert(decimal.Digits.begin(), '1');
            decimal.Digits.pop_back();
            ++decimal.Exponent;
        }
    }
    while (!decimal.Digits.empty() && decimal.Digits.back() == '0') decimal.Digits.pop_back();
    return decimal;
}

String NonFiniteText(double value)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

String ExponentText(const TDecimalDigits& decimal, int minimumDigits, bool plusSign)
{
    const int exponent = decimal.Digits.empty() ? 0 : decimal.Exponent - 1;
    String text = QStringLiteral("E");
    if (exponent < 0) text += u'-';
    else if (plusSign) text += u'+';
    text += String::number(std::abs(exponent)).rightJustified(minimumDigits, u'0');
    return text;
}

String Mantissa(const TDecimalDigits& decimal, int fractionDigits, bool padded, QChar decimalSeparator)
{
    const std::string digits = decimal.Digits.empty() ? std::string("0") : decimal.Digits;
    String text = QChar(digits[0]);
    std::string fraction = digits.substr(1);
    if (padded) fraction.resize(static_cast<size_t>(fractionDigits), '0');
    if (!fraction.empty()) text += decimalSeparator + String::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    return text;
}

String GeneralText(double value, int precision, int exponentDigits, const TFormatSettings& settings)
{
    if (!std::isfinite(value)) return NonFiniteText(value);
    precision = std::clamp(precision, 1, 18);
    const TDecimalDigits decimal = ToDecimal(value, precision);
    if (decimal.Digits.empty()) return QStringLiteral("0");
    const String sign = decimal.Negative ? QStringLiteral("-") : String();
    if (decimal.Exponent > precision || decimal.Exponent < -4)
        return sign + Mantissa(decimal, 0, false, settings.DecimalSeparator)
            + ExponentText(decimal, std::clamp(exponentDigits, 0, 4), false);
    const int digitCount = static_cast<int>(decimal.Digits.size());
    String text;
    if (decimal.Exponent <= 0) {
        text = QStringLiteral("0") + settings.DecimalSeparator + String(-decimal.Exponent, u'0')
            + String::fromLatin1(decimal.Digits.data(), digitCount);
    } else {
        const std::string whole = decimal.Digits.substr(0, static_cast<size_t>(std::min(digitCount, decimal.Exponent)));
        text = String::fromLatin1(whole.data(), static_cast<qsizetype>(whole.size()))
            + String(std::max(0, decimal.Exponent - digitCount), u'0');
        if (digitCount > decimal.Exponent) {
            const std::string fraction = decimal.Digits.substr(static_cast<size_t>(decimal.Exponent));
            text += settings.DecimalSeparator + String::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
        }
    }
    return sign + text;
}

String FixedText(double value, int precision, int digits, bool grouped, const TFormatSettings& settings)
{
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    TDecimalDigits decimal = ToDecimal(value, precision);
    if (decimal.Exponent > precision) {
        return (decimal.Negative ? QStringLiteral("-") : String()) + Mantissa(decimal, precision - 1, true, settings.DecimalSeparator)
            + ExponentText(decimal, 3, true);
    }
    // Digits beyond the requested decimals are rounded away here, on the
    // already rounded significant digits.
    const int keep = decimal.Exponent + digits;
    if (keep < 0 || decimal.Digits.empty()) {
        decimal.Digits.clear();
    } else if (static_cast<int>(decimal.Digits.size()) > keep) {
        const bool roundUp = decimal.Digits[static_cast<size_t>(keep)] >= '5';
        decimal.Digits.resize(static_cast<size_t>(keep));
        if (roundUp) {
            int index = keep - 1;
            while (index >= 0 && decimal.Digits[static_cast<size_t>(index)] == '9') decimal.Digits[static_cast<size_t>(index--)] = '0';
            if (index >= 0) ++decimal.Digits[static_cast<size_t>(index)];
            else {
                decimal.Digits.insert(decimal.Digits.begin(), '1');
                ++decimal.Exponent;
            }
        }
    }
    while (!decimal.Digits.empty() && decimal.Digits.back() == '0') decimal.Digits.pop_back();
    const bool zero = decimal.Digits.empty();
    std::string whole;
    std::string fraction;
    if (zero || decimal.Exponent <= 0) {
        whole = "0";
    } else {
        whole = decimal.Digits.substr(0, static_cast<size_t>(std::min<int>(decimal.Exponent, static_cast<int>(decimal.Digits.size()))));
        whole.resize(static_cast<size_t>(decimal.Exponent), '0');
    }
    for (int place = 1; place <= digits; ++place) {
        const int index = decimal.Exponent + place - 1;
        fraction += !zero && index >= 0 && index < static_cast<int>(decimal.Digits.size()) ? decimal.Digits[static_cast<size_t>(index)] : '0';
    }
    String text;
    const qsizetype wholeLength = static_cast<qsizetype>(whole.size());
    for (qsizetype index = 0; index < wholeLength; ++index) {
        if (grouped && index > 0 && (wholeLength - index) % 3 == 0) text += settings.ThousandSeparator;
        text += QChar(whole[static_cast<size_t>(index)]);
    }
    if (digits > 0) text += settings.DecimalSeparator + String::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    return (decimal.Negative && !zero ? QStringLiteral("-") : String()) + text;
}

} // namespace

bool TryStrToFloat(const String& text, double& value, const TFormatSettings& settings)
{
    const String trimmed = text.trimmed();
    std::string plain;
    qsizetype index = 0;
    const qsizetype length = trimmed.size();
    if (index < length && (trimmed[index] == u'+' || trimmed[index] == u'-')) {
        if (trimmed[index] == u'-') plain += '-';
        ++index;
    }
    int mantissaDigits = 0;
    bool point = false;
    for (; index < length; ++index) {
        const QChar character = trimmed[index];
        if (character >= u'0' && character <= u'9') {
            plain += static_cast<char>(character.unicode());
            ++mantissaDigits;
        } else if (character == settings.DecimalSeparator && !point) {
            plain += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (index < length && (trimmed[index] == u'e' || trimmed[index] == u'E')) {
        plain += 'e';
        ++index;
        if (index < length && (trimmed[index] == u'+' || trimmed[index] == u'-')) plain += static_cast<char>(trimmed[index++].unicode());
        int exponentDigits = 0;
        for (; index < length && trimmed[index] >= u'0' && trimmed[index] <= u'9'; ++index, ++exponentDigits)
            plain += static_cast<char>(trimmed[index].unicode());
        if (exponentDigits == 0) return false;
    }
    if (index != length) return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (error != std::errc() || end != plain.data() + plain.size()) return false;
    value = parsed;
    return true;
}

double StrToFloat(const String& text, const TFormatSettings& settings)
{
    double value = 0;
    if (!TryStrToFloat(text, value, settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

double StrToFloatDef(const String& text, double defaultValue, const TFormatSettings& settings)
{
    double value = 0;
    return TryStrToFloat(text, value, settings) ? value : defaultValue;
}

String FloatToStr(double value, const TFormatSettings& settings) { return GeneralText(value, 15, 0, settings); }

String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings)
{
    if (!std::isfinite(value)) return NonFiniteText(value);
    switch (format) {
    case TFloatFormat::ffGeneral:
        return GeneralText(value, precision, digits, settings);
    case TFloatFormat::ffExponent: {
        const TDecimalDigits decimal = ToDecimal(value, precision);
        return (decimal.Negative ? QStringLiteral("-") : String())
            + Mantissa(decimal, std::clamp(precision, 1, 18) - 1, true, settings.DecimalSeparator)
            + ExponentText(decimal, std::clamp(digits, 0, 4), true);
    }
    case TFloatFormat::ffFixed:
        return FixedText(value, precision, digits, false, settings);
    case TFloatFormat::ffNumber:
        return FixedText(value, precision, digits, true, settings);
    }
    return String();
}
