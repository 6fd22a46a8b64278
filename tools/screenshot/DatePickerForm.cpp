#include "tools/screenshot/DatePickerForm.h"

#include "grid/DudCGrid.h"
#include "grid/DudOder_DatePickers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Grab.h"
#include "platform/ui/MonthCalendar.h"
#include "tools/screenshot/DemoColumnGrid.h"

#include <iterator>

namespace {

constexpr TDemoColumn ColumnSettings[] = {
    { "", edNormal, 28 },
    { "Service", edNormal, 140 },
    { "Due", edDateEdit, 96 },
    { "At", edTimeEdit, 80 },
    { "Logged", edDateTimeEdit, 150 },
};

struct TRowValues {
    const char* Service;
    // Dates and times as the locale writes them; a due date of 0 is a text
    // that is no date.
    int DueDay;
    int AtHour;
    int LoggedDay;
};

constexpr TRowValues Rows[] = {
    { "Bilge pump check", 14, 9, 2 },
    { "Gateway firmware", 21, 14, 5 },
    { "Sensor batteries", 2, 11, 6 },
    { "Shore power test", 0, -1, 0 },
};

// Room below the grid for the dropped calendar.
constexpr int32_t CalendarRoom = 170;

} // namespace

TDatePickerForm::TDatePickerForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Date editors"));
    const TDemoGrid demo = MakeDemoColumnGrid(*this, ColumnSettings, static_cast<int32_t>(std::size(Rows)));
    FGrid = demo.Grid;
    for (int32_t row = 1; row <= static_cast<int32_t>(std::size(Rows)); ++row) {
        const TRowValues& values = Rows[row - 1];
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(values.Service));
        const TFormatSettings& settings = FormatSettings();
        FGrid->SetCells(2, row, values.DueDay > 0 ? DateToStr(EncodeDate(2026, 3, values.DueDay)) : QStringLiteral("someday"));
        if (values.AtHour >= 0)
            FGrid->SetCells(3, row, TimeToStr(EncodeTime(values.AtHour, 30, 0, 0)));
        if (values.LoggedDay > 0)
            FGrid->SetCells(4, row, FormatDateTime(settings.ShortDateFormat + u' ' + settings.ShortTimeFormat,
                EncodeDate(2026, 3, values.LoggedDay) + EncodeTime(16, 45, 0, 0)));
    }
    SetClientWidth(2 * DemoMargin + demo.Width);
    SetClientHeight(2 * DemoMargin + demo.Height + CalendarRoom);
}

void TDatePickerForm::OpenCalendar()
{
    FGrid->SetFocus();
    FGrid->SetCol(2);
    FGrid->SetRow(2);
    ActiveControl()->Perform(WM_KEYDOWN, VK_F2);
    ActiveControl()->Perform(WM_KEYDOWN, VK_F4);
}

void TDatePickerForm::GrabWithCalendar(TBitmap& bitmap)
{
    GrabControl(*this, bitmap);
    TMonthCalendar* calendar = FGrid->DateTimePicker()->Calendar();
    if (!calendar)
        return;
    TBitmap dropped;
    GrabControl(*calendar, dropped);
    const TPoint origin = ClientToScreen({ 0, 0 });
    const TPoint place = calendar->ClientToScreen({ 0, 0 });
    bitmap.Canvas().Draw(place.X - origin.X, place.Y - origin.Y, dropped);
}
