#include "grid/DudOder_Unit.h"

#include "platform/core/FormatSettings.h"
#include "platform/ui/Controls.h"

QChar CurrentTimeSeparator() { return FormatSettings().TimeSeparator; }

QChar CurrentDateSeparator() { return FormatSettings().DateSeparator; }

QChar CurrentThousandSeparator() { return FormatSettings().ThousandSeparator; }

QChar CurrentDecimalSeparator() { return FormatSettings().DecimalSeparator; }

String CurrentShortDateFormat() { return FormatSettings().ShortDateFormat; }

String CurrentShortTimeFormat() { return FormatSettings().ShortTimeFormat; }

String CurrentLongTimeFormat() { return FormatSettings().LongTimeFormat; }

void SetWindowTransparent(TWinControl* window)
{
    window->SetExStyle(window->ExStyle() | WS_EX_TRANSPARENT);
}

TClipboardFormat GridCellsClipboardFormat()
{
    static const TClipboardFormat format = RegisterClipboardFormat(QStringLiteral("TDudStringGrid Cells"));
    return format;
}
