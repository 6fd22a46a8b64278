#include "grid/base/RovIvir.h"

#include "platform/core/FloatUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/core/TextCodec.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
constexpr QChar VerticalTab = QChar(11);
const String CRLF = QStringLiteral("\r\n");
const String WideMarker = QStringLiteral("|\\");

int32_t Pos(const String& sub, const String& text) { return static_cast<int32_t>(text.indexOf(sub) + 1); }

String Replaced(String text, const String& before, const String& after) { return text.replace(before, after); }

// Numbers read by the filter comparisons are plain already ("." as point).
const TFormatSettings& PlainNumberSettings()
{
    static const TFormatSettings settings = [] {
        TFormatSettings plain;
        plain.DecimalSeparator = u'.';
        plain.ThousandSeparator = u',';
        return plain;
    }();
    return settings;
}

// The field index (0..2) of day, month and year, in the order the short date
// pattern names them.
struct TFieldOrder {
    int Day = 0;
    int Month = 1;
    int Year = 2;
};

TFieldOrder FieldOrderOf(const String& pattern)
{
    const String upper = pattern.toUpper();
    struct Letter {
        qsizetype Position;
        int* Field;
    };
    TFieldOrder order;
    // A letter the pattern lacks sorts last, keeping month-day-year otherwise.
    auto positionOf = [&upper](QChar letter, qsizetype fallback) {
        const qsizetype found = upper.indexOf(letter);
        return found < 0 ? upper.size() + fallback : found;
    };
    const std::array<Letter, 3> letters = { Letter { positionOf(u'M', 0), &order.Month },
                                            Letter { positionOf(u'D', 1), &order.Day },
                                            Letter { positionOf(u'Y', 2), &order.Year } };
    for (const Letter& letter : letters) {
        int field = 0;
        for (const Letter& other : letters)
            if (other.Position < letter.Position) ++field;
        *letter.Field = field;
    }
    return order;
}

TDateTime ParseShortDate(const String& text, bool dayFirst)
{
    QChar separator = u'/';
    if (!text.contains(separator)) separator = u'.';
    if (!text.contains(separator)) separator = u'-';
    const qsizetype first = text.indexOf(separator);
    if (first < 0) return 0;
    const qsizetype second = text.indexOf(separator, first + 1);
    if (second < 0) return 0;
    int32_t leading = 0, middle = 0, year = 0;
    if (!TryStrToInt(text.left(first), leading) || !TryStrToInt(text.mid(first + 1, second - first - 1), middle)
        || !TryStrToInt(text.mid(second + 1), year))
        return 0;
    // Only a two-digit year is placed in a century; a written-out year stays.
    if (year >= 0 && year <= 25) year += 2000;
    else if (year > 25 && year < 100) year += 1900;
    return dayFirst ? EncodeDate(year, middle, leading) : EncodeDate(year, leading, middle);
}

bool ReadNumber(const String& text, double& value)
{
    TDateTime date = 0;
    if (!TryStrToFloat(NormalizeDecimalText(text), value, PlainNumberSettings())) return false;
    return !ParseDateTimeText(text, date);
}

// <0, 0, >0 as value is below, equal to or above operand.
int CompareValues(const String& value, const String& operand)
{
    double valueNumber = 0;
    double operandNumber = 0;
    if (ReadNumber(value, valueNumber) && ReadNumber(operand, operandNumber))
        return valueNumber < operandNumber ? -1 : (valueNumber > operandNumber ? 1 : 0);
    TDateTime valueDate = 0;
    TDateTime operandDate = 0;
    if (ParseDateTimeText(value, valueDate) && ParseDateTimeText(operand, operandDate))
        return valueDate < operandDate ? -1 : (valueDate > operandDate ? 1 : 0);
    constexpr qsizetype ComparedLength = 255;
    return QStringView(value).left(ComparedLength).compare(QStringView(operand).left(ComparedLength));
}

// The operand after a relation: up to a space, the end, or "&" / "|" outside
// double quotes; quotes around it are dropped.
String ReadOperand(const String& condition, qsizetype start, bool quotedSpacesBelong)
{
    while (start < condition.size() && condition[start] == u' ') ++start;
    String operand;
    bool quoted = false;
    for (qsizetype index = start; index < condition.size(); ++index) {
        const QChar character = condition[index];
        if (character == u'"') quoted = !quoted;
        else if (character == u' ' && (!quoted || !quotedSpacesBelong)) break;
        else if ((character == u'&' || character == u'|') && !quoted) break;
        operand += character;
    }
    if (operand.startsWith(u'"')) operand.remove(0, 1);
    if (operand.endsWith(u'"')) operand.chop(1);
    return operand;
}

struct TRelation {
    bool Present = false;
    bool Holds = false;
};

// A relation of a condition (">x", ">=x", "<x", "<=x"), read once.
struct TRelationTerm {
    QChar Relation;
    bool Present = false;
    bool OrEqual = false;
    String Operand;
};

TRelationTerm ReadRelation(const String& condition, QChar relation)
{
    TRelationTerm term { relation };
    const qsizetype at = condition.indexOf(relation);
    if (at < 0) return term;
    term.Present = true;
    term.OrEqual = at + 1 < condition.size() && condition[at + 1] == u'=';
    term.Operand = ReadOperand(condition, at + 1 + (term.OrEqual ? 1 : 0), relation == u'>');
    return term;
}

TRelation EvaluateRelation(const TRelationTerm& term, const String& value)
{
    TRelation result;
    if (!term.Present) return result;
    const int order = CompareValues(value, term.Operand);
    result.Present = true;
    result.Holds = term.Relation == u'>' ? (term.OrEqual ? order >= 0 : order > 0)
                                         : (term.OrEqual ? order <= 0 : order < 0);
    return result;
}

// "*" any run (shortest first), "?" one character; quotes are ignored and
// "!" negates the answer. One remembered star makes this linear per star.
bool MatchPattern(const String& pattern, bool negated, const String& value)
{
    qsizetype patternIndex = 0;
    qsizetype valueIndex = 0;
    qsizetype starIndex = -1;
    qsizetype starValue = 0;
    while (valueIndex < value.size()) {
        if (patternIndex < pattern.size() && pattern[patternIndex] == u'*') {
            starIndex = patternIndex++;
            starValue = valueIndex;
        } else if (patternIndex < pattern.size()
                   && (pattern[patternIndex] == u'?' || pattern[patternIndex] == value[valueIndex])) {
            ++patternIndex;
            ++valueIndex;
        } else if (starIndex >= 0) {
            patternIndex = starIndex + 1;
            valueIndex = ++starValue;
        } else {
            return negated;
        }
    }
    while (patternIndex < pattern.size() && pattern[patternIndex] == u'*') ++patternIndex;
    return (patternIndex == pattern.size()) != negated;
}

// One condition read once, to be matched against the cells of many rows.
class TConditionTerm {
public:
    explicit TConditionTerm(const String& condition)
        : FGreater(ReadRelation(condition, u'>')), FLess(ReadRelation(condition, u'<')),
          FNegated(condition.contains(u'!')), FEither(condition.contains(u'^')), FBoth(condition.contains(u'&'))
    {
        for (const QChar character : condition)
            if (character != u'!' && character != u'"') FPattern += character;
    }

    bool Matches(const String& value) const
    {
        TRelation greater = EvaluateRelation(FGreater, value);
        TRelation less = EvaluateRelation(FLess, value);
        if (FNegated) {
            if (!greater.Present) greater = { true, true };
            if (!less.Present) less = { true, true };
        }
        if (FEither && (greater.Present || less.Present)) return greater.Holds || less.Holds;
        if (FBoth && greater.Present && less.Present) return greater.Holds && less.Holds;
        if ((FGreater.Present && greater.Holds) || (FLess.Present && less.Holds)) return true;
        return MatchPattern(FPattern, FNegated, value);
    }

private:
    TRelationTerm FGreater;
    TRelationTerm FLess;
    bool FNegated;
    bool FEither;
    bool FBoth;
    String FPattern;
};

} // namespace

// ---- locale --------------------------------------------------------------

QChar GetDateSeparator() { return FormatSettings().DateSeparator; }
QChar GetTimeSeparator() { return FormatSettings().TimeSeparator; }
QChar GetThousandSeparator() { return FormatSettings().ThousandSeparator; }
QChar GetDecimalSeparator() { return FormatSettings().DecimalSeparator; }
String GetShortDateFormat() { return FormatSettings().ShortDateFormat; }

// ---- small text routines -------------------------------------------------

int32_t CharPos(QChar character, const String& text) { return static_cast<int32_t>(text.indexOf(character) + 1); }

int32_t VarCharPos(QChar character, const String& text, int32_t& position)
{
    const int32_t found = CharPos(character, text);
    if (found > 0) position = found;
    return found;
}

int32_t VarPos(const String& sub, const String& text, int32_t& position)
{
    position = Pos(sub, text);
    return position;
}

int32_t UpperCasePos(const String& sub, const String& text) { return Pos(sub, text.toUpper()); }

int32_t WidePos(const String& sub, const String& text) { return Pos(sub, text); }

String TakeToken(String& text, const String& delimiter)
{
    const qsizetype at = text.indexOf(delimiter);
    if (delimiter.isEmpty() || at < 0) return String();
    const String token = text.left(at);
    text.remove(0, at + delimiter.size());
    return token;
}

int32_t CountChar(QChar character, const String& text) { return static_cast<int32_t>(text.count(character)); }

void FillWithChar(String& text, QChar mask) { text.fill(mask); }

bool IsWordSeparator(QChar character)
{
    return character == u' ' || character == u'\'' || character == u',' || character == u'-' || character == u'.';
}

String CapitalizeWords(const String& text)
{
    String result = text;
    for (qsizetype index = 0; index < result.size(); ++index)
        result[index] = index == 0 || IsWordSeparator(result[index - 1]) ? result[index].toUpper() : result[index].toLower();
    if (result.startsWith(QStringLiteral("Mc")) && result.size() > 2) result[2] = result[2].toUpper();
    const qsizetype mc = result.indexOf(QStringLiteral(" Mc"));
    if (mc >= 0 && mc + 3 < result.size()) result[mc + 3] = result[mc + 3].toUpper();
    // A trailing roman II or III stays in capitals.
    for (qsizetype index = std::max<qsizetype>(0, result.size() - 3); index < result.size(); ++index) {
        const QStringView before = QStringView(result).left(index);
        if (before.endsWith(u" I") || before.endsWith(u" II")) result[index] = result[index].toUpper();
    }
    return result;
}

int32_t ClampToLimits(int32_t value, int32_t minimum, int32_t maximum)
{
    if (minimum == maximum) return value;
    if (value < minimum && minimum > 0) return minimum;
    if (value > maximum && maximum > 0) return maximum;
    return value;
}

bool ParseRowColRef(const String& text, int32_t& column, int32_t& row)
{
    const String upper = text.toUpper();
    const qsizetype columnMark = upper.indexOf(u'C');
    if (upper.size() < 4 || !upper.startsWith(u'R') || columnMark < 0) return false;
    int32_t rowNumber = 0;
    int32_t columnNumber = 0;
    if (!TryStrToInt(upper.mid(1, columnMark - 1), rowNumber) || !TryStrToInt(upper.mid(columnMark + 1), columnNumber))
        return false;
    row = rowNumber;
    column = columnNumber;
    return true;
}

void TakeLine(String& text, bool keepRest, String& line)
{
    const qsizetype at = text.indexOf(CR);
    if (at < 0) {
        line = text;
        text.clear();
        return;
    }
    line = text.left(at);
    qsizetype cut = at + 1;
    if (cut < text.size() && text[cut] == LF) ++cut;
    if (keepRest) text.remove(0, cut);
    else text.clear();
}

int32_t CountLines(const String& text, bool multiLine) { return multiLine ? CountChar(CR, text) + 1 : 1; }

String RemoveCRs(const String& text)
{
    String result = text;
    return result.remove(CR);
}

String CRToLF(const String& text)
{
    String result = text;
    return result.replace(CR, LF);
}

void CRLFToLF(String& text) { text.replace(CRLF, String(LF)); }

String LineBreaksToHtml(const String& text)
{
    if (!text.contains(CR)) return text;
    return Replaced(text, String(CR), QStringLiteral("<br>"));
}

void StringToOem(String& text)
{
    const std::string bytes = EncodeText(text, TTextEncoding::Oem437);
    text = String::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void OemToString(String& text)
{
    for (QChar& character : text) {
        const char16_t unit = character.unicode();
        if (unit < 128 || unit >= 256) continue;
        const char byte = static_cast<char>(unit);
        String decoded;
        DecodeText(std::string_view(&byte, 1), TTextEncoding::Oem437, decoded);
        character = decoded[0];
    }
}

// ---- line-break escapes --------------------------------------------------

String EncodeLineBreaks(const String& text)
{
    String result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (character == CR) result += QStringLiteral("\\n");
        else if (character != LF) result += character;
    }
    return result;
}

String DecodeLineBreaks(const String& text) { return Replaced(text, QStringLiteral("\\n"), String(CR)); }

String LineBreaksToTilde(const String& text)
{
    String result = text;
    result.remove(LF);
    return result.replace(CR, u'~');
}

String TildeToLineBreaks(const String& text)
{
    const String result = Replaced(text, QStringLiteral("~"), CRLF);
    return result == QStringLiteral("^") ? String() : result;
}

void QuoteMultiLine(String& text)
{
    text.replace(CRLF, String(VerticalTab));
    text = u'"' + text + u'"';
}

void VTToLineBreaks(String& text)
{
    if (text.contains(VerticalTab)) text.replace(String(VerticalTab), CRLF);
}

String EscapeCellLineBreaks(const String& text)
{
    if (!text.contains(CR)) return text;
    String result = text;
    for (QChar& character : result) {
        if (character == CR) character = QChar(9);
        else if (character == LF) character = QChar(8);
        else if (character == QChar(0)) character = QChar(1);
    }
    return result;
}

String UnescapeCellLineBreaks(const String& text, bool multiLine)
{
    if (!text.contains(QChar(8))) return text;
    String result = text;
    for (QChar& character : result) {
        if (character == QChar(9)) character = CR;
        else if (character == QChar(8)) character = LF;
        else if (character == QChar(1)) character = QChar(0);
    }
    if (multiLine) return result;
    String line;
    TakeLine(result, false, line);
    return line;
}

// ---- quotes --------------------------------------------------------------

String DoubleQuotes(const String& text) { return Replaced(text, QStringLiteral("\""), QStringLiteral("\"\"")); }

String UndoubleChar(QChar character, const String& text)
{
    if (!text.contains(character)) return text;
    String result;
    result.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        result += text[index];
        if (text[index] == character && index + 1 < text.size() && text[index + 1] == character) ++index;
    }
    return result;
}

int32_t FindClosingQuote(QChar quote, const String& text, int32_t& position)
{
    qsizetype run = 0;
    position = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == quote) {
            if (index == text.size() - 1) {
                position = static_cast<int32_t>(index + 1);
                break;
            }
            ++run;
        } else {
            if (run % 2 == 1) {
                position = static_cast<int32_t>(index);
                break;
            }
            run = 0;
        }
    }
    return position;
}

int32_t CountClosingQuotes(QChar quote, const String& text)
{
    int32_t count = 0;
    String rest = text;
    int32_t position = 0;
    while (FindClosingQuote(quote, rest, position) > 0) {
        ++count;
        rest.remove(0, position);
    }
    return count;
}

QChar FindCharOutsideQuotes(const String& chars, const String& text, int32_t& position)
{
    bool quoted = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        if (character == u'"') quoted = !quoted;
        else if (!quoted && chars.contains(character)) {
            position = static_cast<int32_t>(index + 1);
            return character;
        }
    }
    position = -1;
    return QChar();
}

// ---- numbers -------------------------------------------------------------

bool IsDigitChar(QChar character) { return character.isNumber(); }

bool IsDigitOrMinus(QChar character) { return IsDigitChar(character) || character == u'-'; }

bool IsNumberChar(QChar character)
{
    return IsDigitChar(character) || character == GetThousandSeparator() || character == GetDecimalSeparator()
        || character == u'e' || character == u'E';
}

bool IsNumberTextChar(QChar character)
{
    return IsDigitChar(character) || character == u'-' || character == u'.' || character == u'e' || character == u'E'
        || character == u'+';
}

bool IsSignedNumberChar(QChar character) { return IsNumberChar(character) || character == u'+' || character == u'-'; }

String NormalizeNumberText(const String& text)
{
    if (text.isEmpty()) return text;
    String rest = Trim(text);
    bool negative = rest.startsWith(u'(') && rest.endsWith(u')');
    while (rest.size() >= 2 && !IsNumberChar(rest[0])) {
        if (rest[0] == u'-') negative = true;
        rest.remove(0, 1);
    }
    const QChar thousands = GetThousandSeparator();
    const QChar decimal = GetDecimalSeparator();
    String result;
    for (const QChar character : rest) {
        if (character == thousands) continue;
        if (character == decimal) result += u'.';
        else if (IsNumberTextChar(character)) result += character;
        else break;
    }
    return negative ? u'-' + result : result;
}

String NormalizeDecimalText(const String& text)
{
    const QChar thousands = GetThousandSeparator();
    const QChar decimal = GetDecimalSeparator();
    String result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (character == thousands) continue;
        result += character == decimal ? QChar(u'.') : character;
    }
    return result;
}

int32_t ClassifyNumberText(const String& text)
{
    if (text.isEmpty()) return ntNotANumber;
    const QChar thousands = GetThousandSeparator();
    const QChar decimal = GetDecimalSeparator();
    bool isInteger = true;
    bool isDecimal = true;
    bool isScientific = !(text[0] == u'e' || text[0] == u'E');
    const QChar last = text.back();
    if (last == u'e' || last == u'E' || last == u'+' || last == u'-') isScientific = false;
    int minusCount = 0;
    int decimalCount = 0;
    int exponentCount = 0;
    qsizetype lastThousands = -1;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        const bool digit = IsDigitChar(character);
        const bool minus = character == u'-';
        if (minus) ++minusCount;
        if (character == decimal) ++decimalCount;
        if (character == u'e' || character == u'E') ++exponentCount;
        if (!(digit || minus) || (minus && index > 0)) isInteger = false;
        if (!(digit || minus || character == thousands || character == decimal) || (minus && index > 0)) isDecimal = false;
        if (character == thousands) {
            if (lastThousands >= 0 && index - lastThousands < 4) isDecimal = false;
            lastThousands = index;
        }
        if (!(digit || minus || character == decimal || character == u'e' || character == u'E' || character == u'+'))
            isScientific = false;
    }
    if (exponentCount > 1) isScientific = false;
    if (isInteger) return ntInteger;
    int32_t kind = isDecimal && exponentCount == 0 ? ntDecimal : ntNotANumber;
    if (isScientific && exponentCount > 0) {
        kind = ntScientific;
        if (minusCount == 2) minusCount = 1; // a negative mantissa with a negative exponent
    }
    if (minusCount > 1 || decimalCount > 1) return ntNotANumber;
    return kind;
}

// ---- cell texts ----------------------------------------------------------

int32_t ClassifyCellText(const String& text, bool markup)
{
    const String working = text + u' ';
    if (working.size() < 2) return ckPlain;
    if (working[0] == u'=') return ckFormula;
    if (working.startsWith(WideMarker)) {
        // A wide text whose first unit is "=" and whose second has a zero high byte.
        if (working.size() > 4 && working[3] == u'=' && working[4] == QChar(0)) return ckFormula;
        return ckWide;
    }
    if (working.startsWith(QStringLiteral("{\\"))) return ckRichText;
    if (!markup) return ckPlain;
    for (const char16_t* tag : { u"</", u"<B", u"<I", u"<C" })
        if (text.contains(QStringView(tag))) return ckMarkup;
    return ckPlain;
}

String EncodeWideCellText(const String& wide)
{
    String result = WideMarker;
    result.reserve(2 + wide.size() * 2);
    for (const QChar unit : wide) {
        result += QChar(static_cast<char16_t>(unit.unicode() >> 8));
        result += QChar(static_cast<char16_t>(unit.unicode() & 0xFF));
    }
    return result;
}

String DecodeWideCellText(const String& text)
{
    if (!text.startsWith(WideMarker)) return text;
    String result;
    result.reserve((text.size() - 2) / 2);
    for (qsizetype index = 2; index + 1 < text.size(); index += 2)
        result += QChar(static_cast<char16_t>(((text[index].unicode() & 0xFF) << 8) | (text[index + 1].unicode() & 0xFF)));
    return result;
}

bool IsUrlText(const String& text) { return text.contains(QStringLiteral("://")) || text.contains(QStringLiteral("mailto:")); }

void StripUrlScheme(String& text)
{
    qsizetype at = text.indexOf(QStringLiteral("://"));
    if (at >= 0) {
        text.remove(0, at + 3);
        return;
    }
    at = text.indexOf(QStringLiteral("mailto:"));
    if (at >= 0) text.remove(0, at + 7);
}

// ---- dates ---------------------------------------------------------------

TDateTime ParseDateMDY(const String& text) { return ParseShortDate(text, false); }

TDateTime ParseDateDMY(const String& text) { return ParseShortDate(text, true); }

bool LooksLikeDate(const String& text)
{
    const QChar separator = GetDateSeparator();
    const qsizetype first = text.indexOf(separator);
    if (first < 1) return false;
    return text.indexOf(separator, first + 1) - (first + 1) >= 1;
}

bool ParseDateTimeText(const String& text, TDateTime& value)
{
    const QChar dateSeparator = GetDateSeparator();
    const QChar timeSeparator = GetTimeSeparator();
    const TFieldOrder order = FieldOrderOf(GetShortDateFormat());
    const qsizetype first = text.indexOf(dateSeparator);
    if (first < 0) return false;
    const qsizetype secondSeparator = text.indexOf(dateSeparator, first + 1);
    if (secondSeparator < 0) return false;
    String last = Trim(text.mid(secondSeparator + 1));
    String timePart;
    const qsizetype space = last.indexOf(u' ');
    if (space >= 0) {
        timePart = Trim(last.mid(space));
        last = last.left(space);
    }
    std::array<int32_t, 3> fields {};
    if (!TryStrToInt(text.left(first), fields[0]) || !TryStrToInt(text.mid(first + 1, secondSeparator - first - 1), fields[1])
        || !TryStrToInt(last, fields[2]))
        return false;
    const int32_t day = fields[static_cast<size_t>(order.Day)];
    const int32_t month = fields[static_cast<size_t>(order.Month)];
    const int32_t year = fields[static_cast<size_t>(order.Year)];
    if (day > 31 || month > 12) return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) return false;
    if (timePart.isEmpty()) {
        value = date;
        return true;
    }
    const qsizetype firstColon = timePart.indexOf(timeSeparator);
    if (firstColon < 0) {
        value = date; // the date part stands even though the time is unreadable
        return false;
    }
    const qsizetype secondColon = timePart.indexOf(timeSeparator, firstColon + 1);
    int32_t hour = 0, minute = 0, seconds = 0;
    if (!TryStrToInt(timePart.left(firstColon), hour) || hour > 23) return false;
    if (secondColon >= 0) {
        if (!TryStrToInt(timePart.mid(firstColon + 1, secondColon - firstColon - 1), minute)) return false;
        if (!TryStrToInt(timePart.mid(secondColon + 1), seconds) || seconds > 60) return false;
    } else if (!TryStrToInt(timePart.mid(firstColon + 1), minute)) {
        return false;
    }
    if (minute > 59) return false;
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, seconds, 0, time)) return false;
    value = ComposeDateTime(date, time);
    return true;
}

TDateTime StepDate(int32_t years, int32_t months, int32_t days, TDateTime date, TDateTime defaultStep)
{
    int year = 0, month = 0, day = 0;
    if (days != 0 && years == 0 && months == 0) return date + days;
    if (years != 0 && months == 0 && days == 0) {
        DecodeDate(date, year, month, day);
        const int64_t targetYear = static_cast<int64_t>(year) + years;
        if (targetYear < 1 || targetYear > 9999) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
        return EncodeDate(static_cast<int>(targetYear), month, day);
    }
    if (months != 0 && years == 0 && days == 0) {
        DecodeDate(date, year, month, day);
        // Any number of months, also more than a year either way.
        const int64_t monthIndex = static_cast<int64_t>(year) * 12 + (month - 1) + months;
        const int64_t targetYear = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
        if (targetYear < 1 || targetYear > 9999) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
        return EncodeDate(static_cast<int>(targetYear), static_cast<int>(monthIndex - targetYear * 12) + 1, day);
    }
    return date + defaultStep;
}

// ---- filter expressions --------------------------------------------------

String RemoveSpacesOutsideQuotes(const String& text)
{
    String result;
    result.reserve(text.size());
    bool quoted = false;
    for (const QChar character : text) {
        if (character == u'"') quoted = !quoted;
        if (character != u' ' || quoted) result += character;
    }
    return result;
}

int32_t FindClosingParen(const String& text)
{
    int32_t opened = 0;
    int32_t closed = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == u'(') ++opened;
        else if (text[index] == u')' && ++closed == opened) return static_cast<int32_t>(index + 1);
    }
    return 0;
}

namespace {

// Far beyond any filter written by hand; deeper groups would only serve to
// exhaust the stack.
constexpr int32_t MaxGroupDepth = 64;

// A filter expression read once: its conditions and groups, each with the
// operator before it. Without case the conditions are kept in upper case
// and a value is matched in upper case.
class TFilterExpression {
public:
    TFilterExpression(const String& expression, bool caseSensitive, int32_t depth)
    {
        String rest = RemoveSpacesOutsideQuotes(Trim(expression));
        if (rest.startsWith(u'=')) rest.remove(0, 1);
        const String operators = QStringLiteral("(;^&|");
        QChar previous;
        const auto addCondition = [&](const String& condition) {
            FTerms.push_back({ previous, nullptr,
                std::make_unique<TConditionTerm>(caseSensitive ? condition : condition.toUpper()) });
        };
        for (;;) {
            int32_t position = 0;
            const QChar found = FindCharOutsideQuotes(operators, rest, position);
            if (position < 1) break;
            if (rest.startsWith(u'(')) {
                const int32_t closing = FindClosingParen(rest);
                // An unbalanced or too deeply nested group is read as one plain
                // condition, so the loop always consumes its input.
                if (closing == 0 || depth >= MaxGroupDepth) break;
                FTerms.push_back({ previous,
                    std::make_unique<TFilterExpression>(rest.mid(1, closing - 2), caseSensitive, depth + 1), nullptr });
                rest.remove(0, closing);
                previous = u'(';
            } else {
                addCondition(rest.left(position - 1));
                rest.remove(0, position);
                previous = found;
            }
        }
        addCondition(rest);
    }

    // Every term is matched, in order, whatever the result so far.
    bool Matches(const String& value) const
    {
        bool result = false;
        bool hasResult = false;
        for (const TTerm& term : FTerms) {
            const bool partial = term.Group ? term.Group->Matches(value) : term.Condition->Matches(value);
            if (!hasResult) {
                result = partial;
                hasResult = true;
            } else if (term.Joiner == u'&') {
                result = result && partial;
            } else if (term.Joiner != u'(') {
                result = result || partial;
            }
        }
        return result;
    }

private:
    struct TTerm {
        QChar Joiner;
        std::unique_ptr<TFilterExpression> Group;
        std::unique_ptr<TConditionTerm> Condition;
    };
    std::vector<TTerm> FTerms;
};

// A filter matches every row against the same expression: the last few
// expressions are kept as read.
const TFilterExpression& ReadFilterExpression(const String& expression, bool caseSensitive)
{
    struct TKept {
        String Expression;
        bool CaseSensitive;
        TFilterExpression Read;
    };
    constexpr size_t KeptExpressions = 8;
    thread_local std::vector<std::unique_ptr<TKept>> kept;
    for (const std::unique_ptr<TKept>& entry : kept)
        if (entry->CaseSensitive == caseSensitive && entry->Expression == expression) return entry->Read;
    if (kept.size() == KeptExpressions) kept.erase(kept.begin());
    kept.push_back(std::make_unique<TKept>(TKept { expression, caseSensitive, { expression, caseSensitive, 0 } }));
    return kept.back()->Read;
}

} // namespace

bool MatchFilterCondition(const String& expression, const String& value, bool caseSensitive)
{
    return ReadFilterExpression(expression, caseSensitive).Matches(caseSensitive ? value : value.toUpper());
}

bool MatchCondition(const String& condition, const String& value, bool caseSensitive)
{
    if (caseSensitive) return CompareCondition(condition, value);
    return CompareCondition(condition.toUpper(), value.toUpper());
}

bool CompareCondition(const String& condition, const String& value)
{
    return TConditionTerm(condition).Matches(value);
}
