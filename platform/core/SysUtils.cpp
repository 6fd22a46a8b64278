#include "platform/core/SysUtils.h"

#include <limits>

namespace {

int HexDigit(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit >= '0' && unit <= '9') return unit - '0';
    if (unit >= 'a' && unit <= 'f') return unit - 'a' + 10;
    if (unit >= 'A' && unit <= 'F') return unit - 'A' + 10;
    return -1;
}

// Reads the text into a 64-bit magnitude; bitsForHex bounds a hexadecimal
// value, maxDecimal a decimal one (a negative value may reach one more).
bool ParseInteger(const String& text, int hexBits, uint64_t maxDecimal, int64_t& value)
{
    qsizetype position = 0;
    const qsizetype length = text.size();
    while (position < length && text[position] == u' ') ++position;
    bool negative = false;
    if (position < length && (text[position] == u'-' || text[position] == u'+')) {
        negative = text[position] == u'-';
        ++position;
    }
    bool hex = false;
    if (position < length && (text[position] == u'$' || text[position] == u'x' || text[position] == u'X')) {
        hex = true;
        ++position;
    } else if (position + 1 < length && text[position] == u'0'
               && (text[position + 1] == u'x' || text[position + 1] == u'X')) {
        hex = true;
        position += 2;
    }
    if (position >= length) return false;

    uint64_t magnitude = 0;
    const uint64_t hexLimit = hexBits >= 64 ? std::numeric_limits<uint64_t>::max()
                                            : (uint64_t { 1 } << hexBits) - 1;
    for (; position < length; ++position) {
        if (hex) {
            const int digit = HexDigit(text[position]);
            if (digit < 0) return false;
            if (magnitude > (hexLimit >> 4)) return false;
            magnitude = magnitude * 16 + static_cast<uint64_t>(digit);
        } else {
            const char16_t unit = text[position].unicode();
            if (unit < '0' || unit > '9') return false;
            const uint64_t digit = unit - '0';
            if (magnitude > (maxDecimal + 1 - digit) / 10) return false;
            magnitude = magnitude * 10 + digit;
        }
    }
    if (!hex && magnitude > maxDecimal + (negative ? 1 : 0)) return false;
    if (hex && hexBits < 64) {
        // A full-width hexadecimal value wraps to the signed value of that width.
        const uint64_t signBit = uint64_t { 1 } << (hexBits - 1);
        const int64_t wrapped = (magnitude & signBit) ? static_cast<int64_t>(magnitude) - static_cast<int64_t>(signBit << 1)
                                                      : static_cast<int64_t>(magnitude);
        value = negative ? -wrapped : wrapped;
        return true;
    }
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

} // namespace

bool TryStrToInt(const String& text, int32_t& value)
{
    int64_t wide = 0;
    if (!ParseInteger(text, 32, std::numeric_limits<int32_t>::max(), wide)) return false;
    if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(wide);
    return true;
}

bool TryStrToInt64(const String& text, int64_t& value)
{
    return ParseInteger(text, 64, std::numeric_limits<int64_t>::max(), value);
}

int32_t StrToIntDef(const String& text, int32_t defaultValue)
{
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int64_t StrToInt64Def(const String& text, int64_t defaultValue)
{
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

int32_t StrToInt(const String& text)
{
    int32_t value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int64_t StrToInt64(const String& text)
{
    int64_t value = 0;
    if (!TryStrToInt64(text, value)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

String IntToStr(int64_t value) { return String::number(value); }

String IntToHex(uint64_t value, int digits)
{
    return String::number(value, 16).toUpper().rightJustified(digits, u'0');
}

String TrimLeft(const String& text)
{
    qsizetype first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    return text.mid(first);
}

String TrimRight(const String& text)
{
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.left(end);
}

String Trim(const String& text) { return TrimRight(TrimLeft(text)); }

String UpperCase(const String& text)
{
    String result = text;
    for (QChar& character : result)
        if (character >= u'a' && character <= u'z') character = QChar(character.unicode() - 32);
    return result;
}

String LowerCase(const String& text)
{
    String result = text;
    for (QChar& character : result)
        if (character >= u'A' && character <= u'Z') character = QChar(character.unicode() + 32);
    return result;
}

// Compared in place: component names are matched against every sibling's
// when a form builds its controls.
bool SameText(const String& left, const String& right)
{
    if (left.size() != right.size()) return false;
    const auto upper = [](char16_t unit) { return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit; };
    for (qsizetype index = 0; index < left.size(); ++index)
        if (upper(left[index].unicode()) != upper(right[index].unicode())) return false;
    return true;
}
