#include "platform/os/Locale.h"

#include <QLocale>

#include <atomic>

namespace {

std::atomic<char16_t> ChosenSeparator { 0 };

} // namespace

QChar LocaleDecimalSeparator()
{
    if (const char16_t chosen = ChosenSeparator.load())
        return QChar(chosen);
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar() : point.front();
}

void SetLocaleDecimalSeparator(QChar separator)
{
    ChosenSeparator.store(separator.unicode());
}
