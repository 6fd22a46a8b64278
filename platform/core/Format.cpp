#include "platform/core/Format.h"

#include "platform/core/FloatUtils.h"

#include <array>
#include <optional>

namespace {

// '$' stands for the currency string and '1' for the amount.
constexpr std::array<const char*, 4> PositiveCurrencyPatterns = { "$1", "1$", "$ 1", "1 $" };
constexpr std::array<const char*, 16> NegativeCurrencyPatterns = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)",
};

// The floating types: the format they give FloatToStrF, whether the
// precision counts decimals (else significant digits), its default, and the
// other argument (significant digits, or the least exponent digits).
struct TFloatType {
    char16_t Type;
    TFloatFormat FloatFormat;
    bool PrecisionIsDecimals;
    int DefaultPrecision;
    int Other;
};
constexpr std::array<TFloatType, 4> FloatTypes = { {
    { u'e', TFloatFormat::ffExponent, false, 15, 3 },
    { u'f', TFloatFormat::ffFixed, true, 2, 18 },
    { u'g', TFloatFormat::ffGeneral, false, 15, 0 },
    { u'n', TFloatFormat::ffNumber, true, 2, 18 },
} };
// Formats may come from settings files; a width or precision beyond this is
// a mistake, not a request for a text of gigabytes.
constexpr int64_t MaxFieldSize = 4096;

// The digits of a magnitude, padded with zeros to the precision.
String Digits(uint64_t magnitude, int base, int precision)
{
    String digits = String::number(magnitude, base).toUpper();
    if (digits.size() < precision) digits.prepend(String(precision - digits.size(), u'0'));
    return digits;
}

class TFormatter {
public:
    TFormatter(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings)
        : FFormat(format), FArgs(args), FSettings(settings)
    {
    }

    String Run()
    {
        String result;
        while (FPosition < FFormat.size()) {
            const qsizetype percent = FFormat.indexOf(u'%', FPosition);
            if (percent < 0) {
                result += QStringView(FFormat).mid(FPosition);
                break;
            }
            result += QStringView(FFormat).mid(FPosition, percent - FPosition);
            FPosition = percent + 1;
            if (FPosition < FFormat.size() && FFormat[FPosition] == u'%') {
                result += u'%';
                ++FPosition;
                continue;
            }
            result += Specifier();
        }
        return result;
    }

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(FFormat));
    }

    const TVarRec& NextArgument()
    {
        if (FArgIndex >= FArgs.size()) throw EConvertError(QStringLiteral("No argument for format '%1'").arg(FFormat));
        return FArgs.begin()[FArgIndex++];
    }

    // Digits, or "*" for the next argument; nullopt when neither is there.
    std::optional<int64_t> Number()
    {
        if (FPosition >= FFormat.size()) return std::nullopt;
        if (FFormat[FPosition] == u'*') {
            ++FPosition;
            const TVarRec& argument = NextArgument();
            if (argument.Kind() != TVarRec::vtInteger) Invalid();
            if (argument.Integer() > MaxFieldSize || argument.Integer() < -MaxFieldSize) Invalid();
            return argument.Integer();
        }
        const qsizetype start = FPosition;
        int64_t value = 0;
        while (FPosition < FFormat.size() && FFormat[FPosition].isDigit() && FFormat[FPosition].unicode() < 0x80) {
            value = value * 10 + (FFormat[FPosition].unicode() - u'0');
            if (value > MaxFieldSize) Invalid();
            ++FPosition;
        }
        if (FPosition == start) return std::nullopt;
        return value;
    }

    String Specifier()
    {
        std::optional<int64_t> first = Number();
        if (FPosition < FFormat.size() && FFormat[FPosition] == u':') {
            ++FPosition;
            FArgIndex = static_cast<size_t>(std::max<int64_t>(0, first.value_or(0)));
            first.reset();
        }
        bool leftJustify = false;
        if (!first) {
            if (FPosition < FFormat.size() && FFormat[FPosition] == u'-') {
                leftJustify = true;
                ++FPosition;
            }
            first = Number();
        }
        int64_t width = first.value_or(0);
        if (width < 0) {
            leftJustify = true;
            width = -width;
        }
        int precision = -1;
        if (FPosition < FFormat.size() && FFormat[FPosition] == u'.') {
            ++FPosition;
            const int64_t value = Number().value_or(0);
            precision = value < 0 ? -1 : static_cast<int>(value);
        }
        if (FPosition >= FFormat.size()) Invalid();
        const QChar type = FFormat[FPosition++].toLower();
        const String text = Convert(type, NextArgument(), precision);
        if (text.size() >= width) return text;
        const String padding(static_cast<qsizetype>(width) - text.size(), u' ');
        return leftJustify ? text + padding : padding + text;
    }

    String Convert(QChar type, const TVarRec& argument, int precision) const
    {
        const auto needs = [&](TVarRec::TKind kind) {
            if (argument.Kind() != kind) Invalid();
        };
        for (const TFloatType& floatType : FloatTypes) {
            if (type != floatType.Type) continue;
            needs(TVarRec::vtFloat);
            const int digits = precision < 0 ? floatType.DefaultPrecision : precision;
            return floatType.PrecisionIsDecimals ? FloatToStrF(argument.Float(), floatType.FloatFormat, floatType.Other, digits, FSettings)
                                                 : FloatToStrF(argument.Float(), floatType.FloatFormat, digits, floatType.Other, FSettings);
        }
        switch (type.unicode()) {
        case u'd': {
            needs(TVarRec::vtInteger);
            const int64_t value = argument.Integer();
            const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
            return (value < 0 ? QStringLiteral("-") : String()) + Digits(magnitude, 10, precision);
        }
        case u'u': needs(TVarRec::vtInteger); return Digits(argument.Unsigned(), 10, precision);
        case u'x': needs(TVarRec::vtInteger); return Digits(argument.Unsigned(), 16, precision);
        case u'p': needs(TVarRec::vtPointer); return Digits(argument.Unsigned(), 16, 16);
        case u'm': {
            needs(TVarRec::vtFloat);
            const double value = argument.Float();
            const int decimals = precision < 0 ? FSettings.CurrencyDecimals : precision;
            const String amount = FloatToStrF(std::abs(value), TFloatFormat::ffNumber, 18, decimals, FSettings);
            const bool negative = value < 0 && amount != FloatToStrF(0.0, TFloatFormat::ffNumber, 18, decimals, FSettings);
            return CurrencyText(amount, negative, FSettings);
        }
        case u's':
            if (argument.Kind() != TVarRec::vtString && argument.Kind() != TVarRec::vtChar) Invalid();
            return precision < 0 ? argument.Text() : argument.Text().left(precision);
        default: Invalid();
        }
    }

    const String& FFormat;
    std::initializer_list<TVarRec> FArgs;
    const TFormatSettings& FSettings;
    qsizetype FPosition = 0;
    size_t FArgIndex = 0;
};

} // namespace

String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings)
{
    return TFormatter(format, args, settings).Run();
}

String CurrencyText(const String& amount, bool negative, const TFormatSettings& settings)
{
    const char* pattern = negative ? NegativeCurrencyPatterns[settings.NegCurrFormat % NegativeCurrencyPatterns.size()]
                                   : PositiveCurrencyPatterns[settings.CurrencyFormat % PositiveCurrencyPatterns.size()];
    String text;
    for (const char* character = pattern; *character; ++character) {
        if (*character == '$') text += settings.CurrencyString;
        else if (*character == '1') text += amount;
        else text += QChar::fromLatin1(*character);
    }
    return text;
}
