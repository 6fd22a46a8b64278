#pragma once

#include "platform/core/FormatSettings.h"

#include <cstdint>

// Days since 30 December 1899; the fraction is the time of day. Before that
// day the fraction still counts forward from midnight (-1.25 is 29 December
// 1899, 06:00).
using TDateTime = double;

// Dates run from 1 January 1 to 31 December 9999; the encoders raise
// EConvertError for anything else, the Try forms answer false.
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond);
// Joins a date and a time of day, also for dates before the base day.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);
// The local date and time, or the time a TNowScope fixed.
TDateTime Now();
TDateTime Date();

// Fixes the time Now() and Date() answer for the scope's life (tests of what
// a program writes with a date in it), then puts the previous answer back.
class TNowScope {
public:
    explicit TNowScope(TDateTime now);
    ~TNowScope();
    TNowScope(const TNowScope&) = delete;
    TNowScope& operator=(const TNowScope&) = delete;

private:
    const TDateTime* FPrevious;
    TDateTime FNow;
};

// Pattern letters: d dd ddd dddd ddddd (short date) dddddd (long date),
// m mm mmm mmmm, yy yyyy, h hh (12-hour when AM/PM, A/P or AMPM follows),
// n nn, m/mm right after an hour, s ss, z zzz, t (short time), tt (long time),
// c (short date and long time), "/" and ":" the settings' separators,
// '...' and "..." literal text.
String FormatDateTime(const String& pattern, TDateTime value, const TFormatSettings& settings = FormatSettings());
String DateToStr(TDateTime value, const TFormatSettings& settings = FormatSettings());
String TimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings());
String DateTimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings());

// Typed dates: numbers in the order of the short date pattern, joined by the
// date separator; a missing year is the current one, a year of one or two
// digits is placed by the settings' century window. Times: hour, minutes,
// seconds and milliseconds joined by the time and decimal separators, with an
// optional AM/PM before or after.
bool TryStrToDate(const String& text, TDateTime& value, const TFormatSettings& settings = FormatSettings());
bool TryStrToTime(const String& text, TDateTime& value, const TFormatSettings& settings = FormatSettings());
bool TryStrToDateTime(const String& text, TDateTime& value, const TFormatSettings& settings = FormatSettings());
TDateTime StrToDate(const String& text, const TFormatSettings& settings = FormatSettings());
TDateTime StrToTime(const String& text, const TFormatSettings& settings = FormatSettings());
TDateTime StrToDateTime(const String& text, const TFormatSettings& settings = FormatSettings());
