#include "platform/core/DateUtils.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings UsSettings() { return TFormatSettings(); }

TFormatSettings GermanSettings()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.DateSeparator = u'.';
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    settings.ShortTimeFormat = QStringLiteral("hh:nn");
    return settings;
}

} // namespace

TEST(DateUtils, EncodesDaysFromTheBaseDay)
{
    struct Case {
        int year, month, day;
        double value;
    };
    const Case cases[] = {
        { 1899, 12, 30, 0 },
        { 1899, 12, 29, -1 },
        { 1900, 1, 1, 2 },
        { 1900, 3, 1, 61 },
        { 2000, 1, 1, 36526 },
        { 2000, 2, 29, 36585 },
        { 2024, 1, 15, 45306 },
        { 1, 1, 1, -693593 },
        { 9999, 12, 31, 2958465 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.value);
        int year = 0, month = 0, day = 0;
        DecodeDate(c.value, year, month, day);
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
    }
}

TEST(DateUtils, RejectsImpossibleDatesAndTimes)
{
    TDateTime value = 0;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, value));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(2023, 4, 31, value));
    EXPECT_FALSE(TryEncodeDate(2023, 13, 1, value));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, value));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, value));
    EXPECT_THROW(EncodeDate(2023, 0, 1), EConvertError);
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, value));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, value));
    EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, value));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, value));
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
    int year = 0, month = 0, day = 0;
    EXPECT_THROW(DecodeDate(1e12, year, month, day), EConvertError);
}

TEST(DateUtils, TimeOfDayCountsFromMidnightBeforeTheBaseDayToo)
{
    const TDateTime value = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
    EXPECT_DOUBLE_EQ(value, -1.25);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, millisecond);
    EXPECT_EQ(day, 29);
    EXPECT_EQ(hour, 6);
    EXPECT_DOUBLE_EQ(ComposeDateTime(2, 0.5), 2.5);
    DecodeTime(EncodeTime(23, 59, 59, 999), hour, minute, second, millisecond);
    EXPECT_EQ(hour * 10000000 + minute * 100000 + second * 1000 + millisecond, 235959999);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 15)), 2); // a Monday
    EXPECT_EQ(DayOfWeek(0), 7);
}

TEST(DateUtils, FormatsWithThePlatformPatternLetters)
{
    const TDateTime value = ComposeDateTime(EncodeDate(2024, 3, 5), EncodeTime(14, 7, 9, 45));
    const TFormatSettings us = UsSettings();
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        { "d/m/yy", "5/3/24" },
        { "dd-mm-yyyy", "05-03-2024" },
        { "ddd dddd", "Tue Tuesday" },
        { "mmm mmmm", "Mar March" },
        { "ddddd", "3/5/2024" },
        { "dddddd", "Tuesday, March 5, 2024" },
        { "h:mm", "14:07" },
        { "hh:nn:ss.zzz", "14:07:09.045" },
        { "h:mm am/pm", "2:07 pm" },
        { "h:mm A/P", "2:07 P" },
        { "hh:nn ampm", "02:07 PM" },
        { "t", "2:07 PM" },
        { "tt", "2:07:09 PM" },
        { "c", "3/5/2024 2:07:09 PM" },
        { "'d' d \"m\" m", "d 5 m 3" },
        { "yyyy/mm/dd", "2024/03/05" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatDateTime(String::fromUtf8(c.pattern), value, us), String::fromUtf8(c.expected));
    }
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), EncodeDate(2024, 3, 5), us), "3/5/2024");
    EXPECT_EQ(FormatDateTime(QStringLiteral("h am/pm"), EncodeTime(0, 30, 0, 0), us), "12 am");
    EXPECT_EQ(DateToStr(value, GermanSettings()), "05.03.2024");
    EXPECT_EQ(TimeToStr(value, GermanSettings()), "14:07:09");
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm/yyyy"), value, GermanSettings()), "05.03.2024");
}

TEST(DateUtils, ReadsTypedDatesInThePatternOrder)
{
    struct Case {
        const char* text;
        bool german;
        bool ok;
        int year, month, day;
    };
    const Case cases[] = {
        { "3/5/2024", false, true, 2024, 3, 5 },
        { " 3 / 5 / 2024 ", false, true, 2024, 3, 5 },
        { "05.03.2024", true, true, 2024, 3, 5 },
        { "5.3.24", true, true, 2024, 3, 5 },
        { "5.3.2024.", true, true, 2024, 3, 5 },
        { "2/30/2024", false, false, 0, 0, 0 },
        { "3-5-2024", false, false, 0, 0, 0 },
        { "3/5/2024x", false, false, 0, 0, 0 },
        { "", false, false, 0, 0, 0 },
        { "3/", false, false, 0, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = -7;
        const bool ok = TryStrToDate(String::fromUtf8(c.text), value, c.german ? GermanSettings() : UsSettings());
        EXPECT_EQ(ok, c.ok);
        if (!ok) {
            EXPECT_EQ(value, -7);
            continue;
        }
        int year = 0, month = 0, day = 0;
        DecodeDate(value, year, month, day);
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
    }
    EXPECT_THROW(StrToDate(QStringLiteral("13/1/2024"), UsSettings()), EConvertError);
}

// A locale whose short date names the month writes dates that must read
// back, or a date editor opened on such a cell would start at another day.
TEST(DateUtils, ReadsBackDatesWrittenWithTheMonthsName)
{
    struct Case {
        const char* pattern;
        char separator;
    };
    const Case cases[] = {
        { "d mmm yyyy", ' ' },
        // The separator a locale without one in its short date is given.
        { "d mmm yyyy", '/' },
        { "dd-mmmm-yyyy", '-' },
        { "mmm d yyyy", ' ' },
        { "yyyy mmmm d", ' ' },
    };
    const TDateTime dates[] = { EncodeDate(2026, 3, 2), EncodeDate(2026, 5, 14), EncodeDate(1999, 12, 31) };
    for (const Case& c : cases) {
        TFormatSettings settings;
        settings.ShortDateFormat = String::fromUtf8(c.pattern);
        settings.DateSeparator = QChar::fromLatin1(c.separator);
        for (const TDateTime date : dates) {
            const String text = DateToStr(date, settings);
            SCOPED_TRACE(text.toStdString());
            TDateTime value = -7;
            EXPECT_TRUE(TryStrToDate(text, value, settings));
            EXPECT_EQ(value, date);
        }
    }
    TFormatSettings settings;
    settings.ShortDateFormat = QStringLiteral("d mmm yyyy");
    settings.DateSeparator = u' ';
    TDateTime value = -7;
    EXPECT_FALSE(TryStrToDate(QStringLiteral("14 Marx 2026"), value, settings));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("14Mar2026"), value, settings));
    EXPECT_EQ(value, -7);
}

TEST(DateUtils, PlacesTwoDigitYearsByTheCenturyWindow)
{
    int currentYear = 0, month = 0, day = 0;
    DecodeDate(Date(), currentYear, month, day);
    TFormatSettings settings;
    settings.TwoDigitYearCenturyWindow = 0;
    int year = 0;
    DecodeDate(StrToDate(QStringLiteral("1/1/05"), settings), year, month, day);
    EXPECT_EQ(year, currentYear / 100 * 100 + 5);
    DecodeDate(StrToDate(QStringLiteral("7/4"), settings), year, month, day);
    EXPECT_EQ(year, currentYear);
    EXPECT_EQ(month, 7);
    EXPECT_EQ(day, 4);
}

TEST(DateUtils, ReadsTypedTimes)
{
    struct Case {
        const char* text;
        bool ok;
        int hour, minute, second, millisecond;
    };
    const Case cases[] = {
        { "14:07", true, 14, 7, 0, 0 },
        { "14:07:09", true, 14, 7, 9, 0 },
        { "14:07:09.5", true, 14, 7, 9, 500 },
        { "2:07 PM", true, 14, 7, 0, 0 },
        { "12:00 am", true, 0, 0, 0, 0 },
        { "PM 1:30", true, 13, 30, 0, 0 },
        { "13:00 PM", false, 0, 0, 0, 0 },
        { "24:00", false, 0, 0, 0, 0 },
        { "12:60", false, 0, 0, 0, 0 },
        { "12:", false, 0, 0, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime value = 0;
        ASSERT_EQ(TryStrToTime(String::fromUtf8(c.text), value, UsSettings()), c.ok);
        if (!c.ok) continue;
        int hour = 0, minute = 0, second = 0, millisecond = 0;
        DecodeTime(value, hour, minute, second, millisecond);
        EXPECT_EQ(hour, c.hour);
        EXPECT_EQ(minute, c.minute);
        EXPECT_EQ(second, c.second);
        EXPECT_EQ(millisecond, c.millisecond);
    }
}

TEST(DateUtils, ReadsDateAndTimeTogetherOrEitherAlone)
{
    const TFormatSettings us = UsSettings();
    EXPECT_DOUBLE_EQ(StrToDateTime(QStringLiteral("3/5/2024 12:00"), us), EncodeDate(2024, 3, 5) + 0.5);
    EXPECT_DOUBLE_EQ(StrToDateTime(QStringLiteral("3/5/2024"), us), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime(QStringLiteral("6:00"), us), 0.25);
    EXPECT_THROW(StrToDateTime(QStringLiteral("3/5/2024 noon"), us), EConvertError);
}

TEST(DateUtils, NowAnswersTheFixedTimeWithinItsScopesOnly)
{
    const TDateTime noon = EncodeDate(2026, 12, 11) + EncodeTime(12, 0, 0, 0);
    const TDateTime evening = EncodeDate(2027, 1, 2) + EncodeTime(20, 30, 0, 0);
    {
        TNowScope fixed(noon);
        EXPECT_EQ(Now(), noon);
        EXPECT_EQ(Date(), EncodeDate(2026, 12, 11));
        {
            TNowScope inner(evening);
            EXPECT_EQ(Now(), evening);
        }
        EXPECT_EQ(Now(), noon) << "the outer scope's time comes back";
    }
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1)) << "the clock runs again";
    EXPECT_NE(Now(), noon);
}
