#include "platform/os/Locale.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleDecimalSeparator, GivesTheChosenSeparatorUntilResetToTheSystemOne)
{
    const String system = QLocale::system().decimalPoint();
    SetLocaleDecimalSeparator(QChar(','));
    EXPECT_EQ(LocaleDecimalSeparator(), QChar(','));
    SetLocaleDecimalSeparator(QChar('.'));
    EXPECT_EQ(LocaleDecimalSeparator(), QChar('.'));
    SetLocaleDecimalSeparator(QChar());
    EXPECT_EQ(String(LocaleDecimalSeparator()), system);
}
