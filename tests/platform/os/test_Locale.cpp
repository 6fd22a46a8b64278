#include "platform/os/Locale.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleDecimalSeparator, GivesTheChosenSeparatorUntilResetToTheSystemOne)
{
    const QString system = QLocale::system().decimalPoint();
    SetLocaleDecimalSeparator(QChar(','));
    EXPECT_EQ(LocaleDecimalSeparator(), QChar(','));
    SetLocaleDecimalSeparator(QChar('.'));
    EXPECT_EQ(LocaleDecimalSeparator(), QChar('.'));
    SetLocaleDecimalSeparator(QChar());
    EXPECT_EQ(QString(LocaleDecimalSeparator()), system);
}
