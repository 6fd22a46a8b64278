#pragma once

#include "platform/core/Exception.h"

#include <array>
#include <cstdint>

// The locale's number and date conventions in the platform's own terms: date
// patterns use d/m/y with "m" after an hour meaning minutes, "n" minutes,
// "AMPM" the locale's day-half names, "/" and ":" the separators below.
struct TFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    // Money: the symbol, its place around a positive amount (0 "$1", 1 "1$",
    // 2 "$ 1", 3 "1 $"), around a negative one (16 placements, 0 "($1)",
    // 1 "-$1", …, 8 "-1 $", …, 15 "(1 $)") and the decimals.
    String CurrencyString = QStringLiteral("$");
    uint8_t CurrencyFormat = 0;
    uint8_t NegCurrFormat = 0;
    uint8_t CurrencyDecimals = 2;
    String ShortDateFormat = QStringLiteral("M/d/yyyy");
    String LongDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    String ShortTimeFormat = QStringLiteral("h:mm AMPM");
    String LongTimeFormat = QStringLiteral("h:mm:ss AMPM");
    String TimeAMString = QStringLiteral("AM");
    String TimePMString = QStringLiteral("PM");
    std::array<String, 12> ShortMonthNames;
    std::array<String, 12> LongMonthNames;
    std::array<String, 7> ShortDayNames; // Sunday first
    std::array<String, 7> LongDayNames;
    // Two-digit years fall into the hundred years that end this many years
    // after the current one; 0 takes them in the current century.
    int TwoDigitYearCenturyWindow = 50;

    TFormatSettings();
};

// The settings of the user's locale, translated into the platform's patterns.
TFormatSettings SystemFormatSettings();

// The process-wide settings every conversion uses unless it is given others;
// seeded from the user's locale on first use.
const TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& settings);

// Puts settings in force for its lifetime and restores the previous ones, so
// a test can run under a fixed locale.
class TFormatSettingsScope {
public:
    explicit TFormatSettingsScope(const TFormatSettings& settings);
    ~TFormatSettingsScope();
    TFormatSettingsScope(const TFormatSettingsScope&) = delete;
    TFormatSettingsScope& operator=(const TFormatSettingsScope&) = delete;

private:
    TFormatSettings FSaved;
};
