#include "platform/core/DateUtils.h"

#include <QDateTime>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int64_t MillisecondsPerDay = 86'400'000;
// Days from 1 January 1970 back to the base day 30 December 1899.
constexpr int64_t UnixEpochOffset = 25'569;
// Beyond 31 December 9999 (and before 1 January 1) no date exists.
constexpr double MaxDateValue = 2'958'466.0;
constexpr double MinDateValue = -693'594.0;

int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day)
{
    days += 719'468;
    const int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const int64_t dayOfEra = days - era * 146'097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Splits a value into whole days and milliseconds of the day, the platform's
// way: the fraction counts from midnight whatever the sign of the day.
void SplitDateTime(TDateTime value, int64_t& days, int64_t& milliseconds)
{
    if (!(value > MinDateValue - 1 && value < MaxDateValue + 1))
        throw EConvertError(QStringLiteral("Invalid date value"));
    const int64_t total = std::llround(value * static_cast<double>(MillisecondsPerDay));
    days = total / MillisecondsPerDay;
    milliseconds = std::llabs(total % MillisecondsPerDay);
}

// ---- formatting -------------------------------------------------------

class TDateFormatter {
public:
    TDateFormatter(TDateTime value, const TFormatSettings& settings)
        : FSettings(settings)
    {
        int64_t days = 0;
        int64_t milliseconds = 0;
        SplitDateTime(value, days, milliseconds);
        CivilFromDays(days - UnixEpochOffset, FYear, FMonth, FDay);
        FHour = static_cast<int>(milliseconds / 3'600'000);
        FMinute = static_cast<int>(milliseconds / 60'000 % 60);
        FSecond = static_cast<int>(milliseconds / 1000 % 60);
        FMillisecond = static_cast<int>(milliseconds % 1000);
        FHasTime = milliseconds != 0;
        FDayOfWeek = DayOfWeek(value);
    }

    void Append(const String& pattern, int depth);
    const String& Result() const { return FResult; }

private:
    static bool StartsWithNoCase(const String& pattern, qsizetype index, const char* word)
    {
        const String text = String::fromLatin1(word);
        return pattern.mid(index, text.size()).compare(text, Qt::CaseInsensitive) == 0;
    }
    static bool DayHalfFollows(const String& pattern, qsizetype index);
    void AppendNumber(int value, int digits) { FResult += String::number(value).rightJustified(digits, u'0'); }

    const TFormatSettings& FSettings;
    String FResult;
    int FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMinute = 0, FSecond = 0, FMillisecond = 0, FDayOfWeek = 1;
    bool FHasTime = false;
};

bool TDateFormatter::DayHalfFollows(const String& pattern, qsizetype index)
{
    QChar quote;
    for (; index < pattern.size(); ++index) {
        const QChar character = pattern[index];
        if (!quote.isNull()) {
            if (character == quote) quote = QChar();
        } else if (character == u'\'' || character == u'"') {
            quote = character;
        } else if (StartsWithNoCase(pattern, index, "am/pm") || StartsWithNoCase(pattern, index, "a/p")
                   || StartsWithNoCase(pattern, index, "ampm")) {
            return true;
        }
    }
    return false;
}

void TDateFormatter::Append(const String& pattern, int depth)
{
    if (depth > 2) return; // a pattern that names itself would never end
    QChar lastLetter;
    qsizetype index = 0;
    while (index < pattern.size()) {
        const QChar character = pattern[index];
        QChar token = character.toUpper();
        if (token >= u'A' && token <= u'Z') {
            if (token == u'M' && lastLetter == u'H') token = u'N';
            lastLetter = token;
        }
        qsizetype count = 1;
        while (index + count < pattern.size() && pattern[index + count].toUpper() == character.toUpper()) ++count;
        switch (token.unicode()) {
        case u'Y':
            if (count <= 2) AppendNumber(FYear % 100, 2);
            else AppendNumber(FYear, 4);
            index += count;
            break;
        case u'M':
            if (count > 4) count = 4;
            if (count <= 2) AppendNumber(FMonth, static_cast<int>(count));
            else if (count == 3) FResult += FSettings.ShortMonthNames[static_cast<size_t>(FMonth - 1)];
            else FResult += FSettings.LongMonthNames[static_cast<size_t>(FMonth - 1)];
            index += count;
            break;
        case u'D':
            if (count > 6) count = 6;
            if (count <= 2) AppendNumber(FDay, static_cast<int>(count));
            else if (count == 3) FResult += FSettings.ShortDayNames[static_cast<size_t>(FDayOfWeek - 1)];
            else if (count == 4) FResult += FSettings.LongDayNames[static_cast<size_t>(FDayOfWeek - 1)];
            else Append(count == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, depth + 1);
            index += count;
            break;
        case u'H': {
            if (count > 2) count = 2;
            int hour = FHour;
            if (DayHalfFollows(pattern, index + count)) {
                hour %= 12;
                if (hour == 0) hour = 12;
            }
            AppendNumber(hour, static_cast<int>(count));
            index += count;
            break;
        }
        case u'N':
            if (count > 2) count = 2;
            AppendNumber(FMinute, static_cast<int>(count));
            index += count;
            break;
        case u'S':
            if (count > 2) count = 2;
            AppendNumber(FSecond, static_cast<int>(count));
            index += count;
            break;
        case u'Z':
            if (count > 3) count = 3;
            AppendNumber(FMillisecond, count == 1 ? 1 : 3);
            index += count;
            break;
        case u'T':
            if (count > 2) count = 2;
            Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth + 1);
            index += count;
            break;
        case u'C':
            Append(FSettings.ShortDateFormat, depth + 1);
            if (FHasTime) {
                FResult += u' ';
                Append(FSettings.LongTimeFormat, depth + 1);
            }
            index += 1;
            break;
        case u'A': {
            const bool afternoon = FHour >= 12;
            if (StartsWithNoCase(pattern, index, "am/pm")) {
                FResult += pattern.mid(index + (afternoon ? 3 : 0), 2);
                index += 5;
            } else if (StartsWithNoCase(pattern, index, "a/p")) {
                FResult += pattern[index + (afternoon ? 2 : 0)];
                index += 3;
            } else if (StartsWithNoCase(pattern, index, "ampm")) {
                FResult += afternoon ? FSettings.TimePMString : FSettings.TimeAMString;
                index += 4;
            } else {
                FResult += character;
                index += 1;
            }
            break;
        }
        case u'/':
            FResult += FSettings.DateSeparator;
            index += 1;
            break;
        case u':':
            FResult += FSettings.TimeSeparator;
            index += 1;
            break;
        case u'\'':
        case u'"': {
            const qsizetype end = pattern.indexOf(character, index + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            FResult += pattern.mid(index + 1, stop - index - 1);
            index = stop + 1;
            break;
        }
        default:
            FResult += character;
            index += 1;
            break;
        }
    }
}

// ---- parsing ----------------------------------------------------------

class TDateScanner {
public:
    TDateScanner(const String& text, const TFormatSettings& settings)
        : FText(text), FSettings(settings) { }

    bool ScanDate(TDateTime& date);
    bool ScanTime(TDateTime& time);
    bool AtEnd() const { return FPosition >= FText.size(); }

private:
    void ScanBlanks()
    {
        while (FPosition < FText.size() && FText[FPosition] == u' ') ++FPosition;
    }
    bool ScanChar(QChar character)
    {
        ScanBlanks();
        if (FPosition < FText.size() && FText[FPosition] == character) {
            ++FPosition;
            return true;
        }
        return false;
    }
    bool ScanWord(const String& word)
    {
        ScanBlanks();
        if (word.isEmpty() || FText.mid(FPosition, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
        FPosition += word.size();
        return true;
    }
    // Up to four digits, as typed dates and times never need more.
    bool ScanNumber(int& number, int& digits)
    {
        ScanBlanks();
        qsizetype index = FPosition;
        number = 0;
        while (index < FText.size() && FText[index] >= u'0' && FText[index] <= u'9' && number < 1000) {
            number = number * 10 + (FText[index].unicode() - u'0');
            ++index;
        }
        digits = static_cast<int>(index - FPosition);
        FPosition = index;
        return digits > 0;
    }
    // A date written with the month's name ("14 Mar 2026") reads back as
    // the month's number; long names first, as a short one is their prefix.
    bool ScanNumberOrMonth(int& number, int& digits)
    {
        if (ScanNumber(number, digits)) return true;
        for (const auto* names : { &FSettings.LongMonthNames, &FSettings.ShortMonthNames })
            for (size_t month = 0; month < names->size(); ++month)
                if (ScanWord((*names)[month])) {
                    number = static_cast<int>(month) + 1;
                    digits = 2;
                    return true;
                }
        return false;
    }
    // A short date that parts its fields by blanks alone ("d mmm yyyy")
    // is read with any run of blanks between them; a '/' in the format
    // stands for the date separator.
    bool ScanDateSeparator()
    {
        const String& format = FSettings.ShortDateFormat;
        if (FSettings.DateSeparator != u' ' && (format.contains(u'/') || format.contains(FSettings.DateSeparator)))
            return ScanChar(FSettings.DateSeparator);
        const qsizetype start = FPosition;
        ScanBlanks();
        return FPosition > start;
    }
    int ScanDayHalf()
    {
        if (ScanWord(FSettings.TimeAMString) || ScanWord(QStringLiteral("AM"))) return 0;
        if (ScanWord(FSettings.TimePMString) || ScanWord(QStringLiteral("PM"))) return 12;
        return -1;
    }

    const String& FText;
    const TFormatSettings& FSettings;
    qsizetype FPosition = 0;
};

enum class TDateOrder { MDY, DMY, YMD };

TDateOrder DateOrderOf(const String& pattern)
{
    for (const QChar character : pattern) {
        switch (character.toUpper().unicode()) {
        case u'Y': return TDateOrder::YMD;
        case u'M': return TDateOrder::MDY;
        case u'D': return TDateOrder::DMY;
        default: break;
        }
    }
    return TDateOrder::MDY;
}

bool TDateScanner::ScanDate(TDateTime& date)
{
    const TDateOrder order = DateOrderOf(FSettings.ShortDateFormat);
    int first = 0, second = 0, third = 0;
    int firstDigits = 0, secondDigits = 0, thirdDigits = 0;
    if (!(ScanNumberOrMonth(first, firstDigits) && ScanDateSeparator() && ScanNumberOrMonth(second, secondDigits)))
        return false;
    int year = 0, month = 0, day = 0;
    if (ScanDateSeparator()) {
        if (!ScanNumberOrMonth(third, thirdDigits)) return false;
        int yearDigits = thirdDigits;
        switch (order) {
        case TDateOrder::MDY: year = third; month = first; day = second; break;
        case TDateOrder::DMY: year = third; month = second; day = first; break;
        case TDateOrder::YMD: year = first; month = second; day = third; yearDigits = firstDigits; break;
        }
        if (yearDigits <= 2) {
            int currentYear = 0, currentMonth = 0, currentDay = 0;
            DecodeDate(Date(), currentYear, currentMonth, currentDay);
            const int centuryBase = currentYear - FSettings.TwoDigitYearCenturyWindow;
            year += centuryBase / 100 * 100;
            if (FSettings.TwoDigitYearCenturyWindow > 0 && year < centuryBase) year += 100;
        }
    } else {
        int currentMonth = 0, currentDay = 0;
        DecodeDate(Date(), year, currentMonth, currentDay);
        if (order == TDateOrder::DMY) {
            day = first;
            month = second;
        } else {
            month = first;
            day = second;
        }
    }
    ScanChar(u'.');
    ScanBlanks();
    return TryEncodeDate(year, month, day, date);
}

bool TDateScanner::ScanTime(TDateTime& time)
{
    int baseHour = ScanDayHalf();
    int hour = 0, minute = 0, second = 0, millisecond = 0, digits = 0;
    if (!ScanNumber(hour, digits)) return false;
    if (ScanChar(FSettings.TimeSeparator)) {
        if (!ScanNumber(minute, digits)) return false;
        if (ScanChar(FSettings.TimeSeparator)) {
            if (!ScanNumber(second, digits)) return false;
            if (ScanChar(FSettings.DecimalSeparator)) {
                int fraction = 0;
                if (!ScanNumber(fraction, digits)) return false;
                // A fraction of a second: ".5" is half a second, not 5 ms.
                while (digits < 3) {
                    fraction *= 10;
                    ++digits;
                }
                while (digits > 3) {
                    fraction /= 10;
                    --digits;
                }
                millisecond = fraction;
            }
        }
    }
    if (baseHour < 0) baseHour = ScanDayHalf();
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return false;
        if (hour == 12) hour = 0;
        hour += baseHour;
    }
    ScanBlanks();
    return TryEncodeTime(hour, minute, second, millisecond, time);
}

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month)
{
    static constexpr int Days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
    date = static_cast<double>(DaysFromCivil(year, month, day) + UnixEpochOffset);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return date;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    int64_t days = 0;
    int64_t milliseconds = 0;
    SplitDateTime(date, days, milliseconds);
    CivilFromDays(days - UnixEpochOffset, year, month, day);
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0
        || millisecond > 999)
        return false;
    time = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond)
        / static_cast<double>(MillisecondsPerDay);
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, time))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return time;
}

void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond)
{
    int64_t days = 0;
    int64_t milliseconds = 0;
    SplitDateTime(time, days, milliseconds);
    hour = static_cast<int>(milliseconds / 3'600'000);
    minute = static_cast<int>(milliseconds / 60'000 % 60);
    second = static_cast<int>(milliseconds / 1000 % 60);
    millisecond = static_cast<int>(milliseconds % 1000);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time)
{
    return date < 0 ? date - std::fabs(time) : date + std::fabs(time);
}

int DayOfWeek(TDateTime date)
{
    int64_t days = 0;
    int64_t milliseconds = 0;
    SplitDateTime(date, days, milliseconds);
    // The base day, 30 December 1899, was a Saturday.
    const int64_t weekday = ((days + 6) % 7 + 7) % 7;
    return static_cast<int>(weekday) + 1;
}

namespace {

const TDateTime* Fixed_Now = nullptr;

} // namespace

TNowScope::TNowScope(TDateTime now) : FPrevious(Fixed_Now), FNow(now) { Fixed_Now = &FNow; }

TNowScope::~TNowScope() { Fixed_Now = FPrevious; }

TDateTime Now()
{
    if (Fixed_Now)
        return *Fixed_Now;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate today = now.date();
    const QTime time = now.time();
    return ComposeDateTime(EncodeDate(today.year(), today.month(), today.day()),
                           EncodeTime(time.hour(), time.minute(), time.second(), time.msec()));
}

TDateTime Date() { return std::trunc(Now()); }

String FormatDateTime(const String& pattern, TDateTime value, const TFormatSettings& settings)
{
    TDateFormatter formatter(value, settings);
    formatter.Append(pattern.isEmpty() ? QStringLiteral("c") : pattern, 0);
    return formatter.Result();
}

String DateToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(QStringLiteral("ddddd"), value, settings);
}

String TimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(QStringLiteral("tt"), value, settings);
}

String DateTimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(QStringLiteral("c"), value, settings);
}

bool TryStrToDate(const String& text, TDateTime& value, const TFormatSettings& settings)
{
    TDateScanner scanner(text, settings);
    TDateTime date = 0;
    if (!scanner.ScanDate(date) || !scanner.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(const String& text, TDateTime& value, const TFormatSettings& settings)
{
    TDateScanner scanner(text, settings);
    TDateTime time = 0;
    if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(const String& text, TDateTime& value, const TFormatSettings& settings)
{
    TDateScanner scanner(text, settings);
    TDateTime date = 0;
    TDateTime time = 0;
    if (!scanner.ScanDate(date) || !(scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd())))
        return TryStrToTime(text, value, settings);
    value = ComposeDateTime(date, time);
    return true;
}

TDateTime StrToDate(const String& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToDate(text, value, settings)) throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return value;
}

TDateTime StrToTime(const String& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToTime(text, value, settings)) throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
    return value;
}

TDateTime StrToDateTime(const String& text, const TFormatSettings& settings)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return value;
}
