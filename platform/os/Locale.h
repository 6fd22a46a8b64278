#pragma once

#include <QChar>

// The decimal separator of the user's locale settings, as the system gives
// it. Tests set a fixed one; setting a null character returns to the system's.
QChar LocaleDecimalSeparator();
void SetLocaleDecimalSeparator(QChar separator);
