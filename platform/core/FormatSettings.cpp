#include "platform/core/FormatSettings.h"

#include "platform/core/Format.h"

#include <QLocale>

#include <memory>

namespace {

constexpr std::array<const char*, 12> EnglishMonths = { "January", "February", "March", "April", "May", "June", "July",
                                                        "August", "September", "October", "November", "December" };
constexpr std::array<const char*, 7> EnglishDays = { "Sunday", "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday" };

// Qt writes minutes as "m", the 24-hour clock as "H" and the day half as "AP";
// the platform's patterns say "n", "h" and "AMPM".
String TranslateQtPattern(const String& pattern, bool timePattern)
{
    String result;
    for (qsizetype index = 0; index < pattern.size(); ++index) {
        const QChar character = pattern[index];
        if (character == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', index + 1);
            const qsizetype stop = end < 0 ? pattern.size() - 1 : end;
            result += pattern.mid(index, stop - index + 1);
            index = stop;
        } else if (timePattern && character == u'm') {
            result += u'n';
        } else if (character == u'H') {
            result += u'h';
        } else if (character == u'A' || character == u'a') {
            result += QStringLiteral("AMPM");
            if (index + 1 < pattern.size() && (pattern[index + 1] == u'P' || pattern[index + 1] == u'p')) ++index;
        } else if (character == u't') {
            continue; // time zone: the platform's patterns have none
        } else {
            result += character;
        }
    }
    return result.trimmed();
}

QChar FirstSeparator(const String& pattern, QChar fallback)
{
    bool quoted = false;
    for (const QChar character : pattern) {
        if (character == u'\'') quoted = !quoted;
        else if (!quoted && !character.isLetter() && character != u' ') return character;
    }
    return fallback;
}

// Where the locale puts its currency symbol, found by matching its own money
// texts against the platform's placements; unmatched placements stay.
void SetCurrencyFromLocale(const QLocale& locale, TFormatSettings& settings)
{
    const String symbol = locale.currencySymbol();
    if (symbol.isEmpty()) return;
    settings.CurrencyString = symbol;
    const auto plain = [](String text) {
        text.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ').replace(QChar(0x2212), u'-');
        return text;
    };
    const String amount = locale.toString(1);
    const String positive = plain(locale.toCurrencyString(1.0, symbol, 0));
    const String negative = plain(locale.toCurrencyString(-1.0, symbol, 0));
    TFormatSettings candidate = settings;
    for (uint8_t placement = 0; placement < 4; ++placement) {
        candidate.CurrencyFormat = placement;
        if (CurrencyText(amount, false, candidate) == positive) settings.CurrencyFormat = placement;
    }
    for (uint8_t placement = 0; placement < 16; ++placement) {
        candidate.NegCurrFormat = placement;
        if (CurrencyText(amount, true, candidate) == negative) settings.NegCurrFormat = placement;
    }
}

std::unique_ptr<TFormatSettings>& CurrentSettings()
{
    static std::unique_ptr<TFormatSettings> current;
    return current;
}

} // namespace

TFormatSettings::TFormatSettings()
{
    for (size_t month = 0; month < 12; ++month) {
        LongMonthNames[month] = String::fromLatin1(EnglishMonths[month]);
        ShortMonthNames[month] = LongMonthNames[month].left(3);
    }
    for (size_t day = 0; day < 7; ++day) {
        LongDayNames[day] = String::fromLatin1(EnglishDays[day]);
        ShortDayNames[day] = LongDayNames[day].left(3);
    }
}

TFormatSettings SystemFormatSettings()
{
    const QLocale locale = QLocale::system();
    TFormatSettings settings;
    const String decimal = locale.decimalPoint();
    const String group = locale.groupSeparator();
    if (!decimal.isEmpty()) settings.DecimalSeparator = decimal[0];
    if (!group.isEmpty()) settings.ThousandSeparator = group[0];
    settings.ShortDateFormat = TranslateQtPattern(locale.dateFormat(QLocale::ShortFormat), false);
    settings.LongDateFormat = TranslateQtPattern(locale.dateFormat(QLocale::LongFormat), false);
    settings.ShortTimeFormat = TranslateQtPattern(locale.timeFormat(QLocale::ShortFormat), true);
    settings.LongTimeFormat = TranslateQtPattern(locale.timeFormat(QLocale::LongFormat), true);
    settings.DateSeparator = FirstSeparator(settings.ShortDateFormat, u'/');
    settings.TimeSeparator = FirstSeparator(settings.LongTimeFormat, u':');
    SetCurrencyFromLocale(locale, settings);
    if (!locale.amText().isEmpty()) settings.TimeAMString = locale.amText();
    if (!locale.pmText().isEmpty()) settings.TimePMString = locale.pmText();
    for (int month = 1; month <= 12; ++month) {
        settings.LongMonthNames[static_cast<size_t>(month - 1)] = locale.monthName(month, QLocale::LongFormat);
        settings.ShortMonthNames[static_cast<size_t>(month - 1)] = locale.monthName(month, QLocale::ShortFormat);
    }
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day; // Qt counts Monday as 1 and Sunday as 7
        settings.LongDayNames[static_cast<size_t>(day)] = locale.dayName(qtDay, QLocale::LongFormat);
        settings.ShortDayNames[static_cast<size_t>(day)] = locale.dayName(qtDay, QLocale::ShortFormat);
    }
    return settings;
}

const TFormatSettings& FormatSettings()
{
    std::unique_ptr<TFormatSettings>& current = CurrentSettings();
    if (!current) current = std::make_unique<TFormatSettings>(SystemFormatSettings());
    return *current;
}

void SetFormatSettings(const TFormatSettings& settings)
{
    CurrentSettings() = std::make_unique<TFormatSettings>(settings);
}

TFormatSettingsScope::TFormatSettingsScope(const TFormatSettings& settings)
    : FSaved(FormatSettings())
{
    SetFormatSettings(settings);
}

TFormatSettingsScope::~TFormatSettingsScope() { SetFormatSettings(FSaved); }
