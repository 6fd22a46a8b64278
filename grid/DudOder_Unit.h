#pragma once

#include "platform/core/Strings.h"
#include "platform/ui/Clipbrd.h"

class TWinControl;

// The locale's separators and formats as the grid's editors write them.
QChar CurrentTimeSeparator();
QChar CurrentDateSeparator();
QChar CurrentThousandSeparator();
QChar CurrentDecimalSeparator();
String CurrentShortDateFormat();
String CurrentShortTimeFormat();
String CurrentLongTimeFormat();

// Lets mouse input through the window to what lies below it; the other
// extended style bits stay.
void SetWindowTransparent(TWinControl* window);

// The private clipboard format of copied grid cells, "TDudStringGrid Cells".
TClipboardFormat GridCellsClipboardFormat();
