#include "platform/core/FormatSettings.h"

#include "platform/core/Format.h"

#include <gtest/gtest.h>

TEST(FormatSettings, ScopeReplacesAndRestoresTheProcessSettings)
{
    const TFormatSettings before = FormatSettings();
    {
        TFormatSettings german;
        german.DecimalSeparator = u',';
        german.DateSeparator = u'.';
        const TFormatSettingsScope scope(german);
        EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
        EXPECT_EQ(FormatSettings().DateSeparator, u'.');
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, before.DecimalSeparator);
    EXPECT_EQ(FormatSettings().DateSeparator, before.DateSeparator);
    EXPECT_EQ(FormatSettings().ShortDateFormat, before.ShortDateFormat);
}

TEST(FormatSettings, SystemSettingsUseThePlatformPatternLetters)
{
    const TFormatSettings system = SystemFormatSettings();
    EXPECT_FALSE(system.ShortDateFormat.isEmpty());
    EXPECT_FALSE(system.LongTimeFormat.contains(u'H'));
    EXPECT_FALSE(system.LongTimeFormat.contains(u'm')); // minutes are written "n"
    EXPECT_EQ(system.LongMonthNames.size(), 12u);
    EXPECT_FALSE(system.LongDayNames[0].isEmpty());
}

TEST(FormatSettings, SystemMoneyTextsCarryTheCurrencyAndTheSign)
{
    const TFormatSettings system = SystemFormatSettings();
    ASSERT_FALSE(system.CurrencyString.isEmpty());
    const String positive = CurrencyText(QStringLiteral("1"), false, system);
    const String negative = CurrencyText(QStringLiteral("1"), true, system);
    EXPECT_TRUE(positive.contains(system.CurrencyString));
    EXPECT_TRUE(negative.contains(system.CurrencyString));
    EXPECT_TRUE(negative.contains(u'-') || negative.startsWith(u'('));
    EXPECT_FALSE(positive.contains(u'-'));
}
