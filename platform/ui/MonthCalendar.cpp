#include "platform/ui/MonthCalendar.h"

#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Messages.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t CellWidth = 24;
constexpr int32_t CellHeight = 16;
constexpr int32_t TitleHeight = 22;
constexpr int32_t WeekNumberWidth = 22;
constexpr int32_t Margin = 4;
constexpr int32_t Weeks = 6;

TDateTime FirstOfMonth(TDateTime date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    return EncodeDate(year, month, 1);
}

TDateTime AddMonths(TDateTime date, int32_t months)
{
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    const int32_t index = year * 12 + (month - 1) + months;
    const int target = std::clamp(index / 12, 1, 9999);
    const int targetMonth = index % 12 + 1;
    return EncodeDate(target, targetMonth, std::min(day, DaysInAMonth(target, targetMonth)));
}

int32_t IsoWeek(TDateTime date)
{
    return QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(date))).weekNumber();
}

} // namespace

TMonthCalendar::TMonthCalendar(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    // A click is a day chosen, reported when the press lands on one.
    SetControlStyle(ControlStyle() - TControlStyle { csClickEvents });
    SetDate(::Date());
    const TSize size = MinimumSize();
    SetBounds(0, 0, size.cx, size.cy);
}

TMonthCalendar::~TMonthCalendar() = default;

TDateTime TMonthCalendar::Clamped(TDateTime date) const
{
    date = std::floor(date);
    if (FMaxDate != 0)
        date = std::min(date, std::floor(FMaxDate));
    if (FMinDate != 0)
        date = std::max(date, std::floor(FMinDate));
    return date;
}

void TMonthCalendar::SetDate(TDateTime date)
{
    FDate = Clamped(date);
    FMonth = FirstOfMonth(FDate);
    Invalidate();
}

void TMonthCalendar::SetRange(TDateTime minDate, TDateTime maxDate)
{
    FMinDate = minDate;
    FMaxDate = maxDate;
    SetDate(FDate);
}

void TMonthCalendar::SetWeekNumbers(bool weekNumbers)
{
    FWeekNumbers = weekNumbers;
    Invalidate();
}

void TMonthCalendar::SetShowToday(bool showToday)
{
    FShowToday = showToday;
    Invalidate();
}

void TMonthCalendar::SetShowTodayCircle(bool showTodayCircle)
{
    FShowTodayCircle = showTodayCircle;
    Invalidate();
}

TSize TMonthCalendar::MinimumSize() const
{
    const int32_t width = 2 * Margin + GridLeft() + 7 * CellWidth;
    const int32_t height = 2 * Margin + TitleHeight + CellHeight * (Weeks + 1) + (FShowToday ? CellHeight + 4 : 0);
    return { width, height };
}

int32_t TMonthCalendar::GridLeft() const { return FWeekNumbers ? WeekNumberWidth : 0; }

TRect TMonthCalendar::TitleRect() const { return Rect(Margin, Margin, ClientWidth() - Margin, Margin + TitleHeight); }

TRect TMonthCalendar::PreviousArrowRect() const
{
    const TRect title = TitleRect();
    return Rect(title.Left, title.Top + 2, title.Left + 18, title.Bottom - 2);
}

TRect TMonthCalendar::NextArrowRect() const
{
    const TRect title = TitleRect();
    return Rect(title.Right - 18, title.Top + 2, title.Right, title.Bottom - 2);
}

TRect TMonthCalendar::TodayRect() const
{
    const int32_t top = Margin + TitleHeight + CellHeight * (Weeks + 1) + 4;
    return Rect(Margin, top, ClientWidth() - Margin, top + CellHeight);
}

TDateTime TMonthCalendar::FirstShownDay() const
{
    // A month that starts on a Sunday shows the week before it first.
    const int32_t lead = DayOfWeek(FMonth) - 1;
    return FMonth - (lead == 0 ? 7 : lead);
}

TRect TMonthCalendar::DayRect(TDateTime date) const
{
    const auto index = static_cast<int32_t>(std::floor(date) - FirstShownDay());
    if (index < 0 || index >= 7 * Weeks)
        return {};
    const int32_t left = Margin + GridLeft() + (index % 7) * CellWidth;
    const int32_t top = Margin + TitleHeight + CellHeight * (1 + index / 7);
    return Rect(left, top, left + CellWidth, top + CellHeight);
}

TDateTime TMonthCalendar::DayAt(TPoint point) const
{
    const int32_t x = point.X - Margin - GridLeft();
    const int32_t y = point.Y - Margin - TitleHeight - CellHeight;
    if (x < 0 || y < 0 || x >= 7 * CellWidth || y >= Weeks * CellHeight)
        return 0;
    return FirstShownDay() + (y / CellHeight) * 7 + x / CellWidth;
}

void TMonthCalendar::TurnMonth(int32_t months)
{
    FMonth = FirstOfMonth(AddMonths(FMonth, months));
    Invalidate();
}

bool TMonthCalendar::CalendarKey(uint16_t key)
{
    int32_t days = 0;
    switch (key) {
    case VK_LEFT:
        days = -1;
        break;
    case VK_RIGHT:
        days = 1;
        break;
    case VK_UP:
        days = -7;
        break;
    case VK_DOWN:
        days = 7;
        break;
    case VK_PRIOR:
        SetDate(AddMonths(FDate, -1));
        return true;
    case VK_NEXT:
        SetDate(AddMonths(FDate, 1));
        return true;
    case VK_HOME:
        SetDate(FirstOfMonth(FDate));
        return true;
    case VK_END:
        SetDate(AddMonths(FirstOfMonth(FDate), 1) - 1);
        return true;
    default:
        return false;
    }
    SetDate(FDate + days);
    return true;
}

void TMonthCalendar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const TPoint point { x, y };
    if (PreviousArrowRect().Contains(point)) {
        TurnMonth(-1);
        return;
    }
    if (NextArrowRect().Contains(point)) {
        TurnMonth(1);
        return;
    }
    TDateTime chosen = DayAt(point);
    if (chosen == 0 && FShowToday && TodayRect().Contains(point))
        chosen = ::Date();
    if (chosen == 0 || Clamped(chosen) != chosen)
        return;
    SetDate(chosen);
    Click();
}

void TMonthCalendar::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.SetFont(Font());

    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(FMonth, year, month, day);
    const TFormatSettings& settings = FormatSettings();
    const TRect title = TitleRect();
    canvas.Brush().SetColor(clActiveCaption);
    canvas.FillRect(title);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clCaptionText);
    TRect titleText = title;
    canvas.DrawText(settings.LongMonthNames[static_cast<size_t>(month - 1)] + u' ' + QString::number(year), titleText,
        DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    DrawFrameControl(canvas, PreviousArrowRect(), DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(canvas, NextArrowRect(), DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);

    const int32_t headerTop = Margin + TitleHeight;
    canvas.Font().SetColor(clWindowText);
    for (int32_t column = 0; column < 7; ++column) {
        TRect cell = Rect(Margin + GridLeft() + column * CellWidth, headerTop, Margin + GridLeft() + (column + 1) * CellWidth,
            headerTop + CellHeight);
        canvas.DrawText(settings.ShortDayNames[static_cast<size_t>(column)].left(2), cell,
            DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(Margin + GridLeft(), headerTop + CellHeight - 1);
    canvas.LineTo(Margin + GridLeft() + 7 * CellWidth, headerTop + CellHeight - 1);

    const TDateTime first = FirstShownDay();
    const TDateTime today = ::Date();
    for (int32_t index = 0; index < 7 * Weeks; ++index) {
        const TDateTime shown = first + index;
        TRect cell = DayRect(shown);
        int shownYear = 0;
        int shownMonth = 0;
        int shownDay = 0;
        DecodeDate(shown, shownYear, shownMonth, shownDay);
        if (FWeekNumbers && index % 7 == 0) {
            TRect weekCell = Rect(Margin, cell.Top, Margin + WeekNumberWidth - 2, cell.Bottom);
            canvas.Font().SetColor(clGrayText);
            canvas.DrawText(QString::number(IsoWeek(shown + 1)), weekCell, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        }
        const bool chosen = shown == FDate;
        if (chosen) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(cell);
            canvas.Brush().SetStyle(bsClear);
        }
        canvas.Font().SetColor(chosen ? clHighlightText
                : shownMonth != month || Clamped(shown) != shown ? clGrayText
                                                                  : clWindowText);
        canvas.DrawText(QString::number(shownDay), cell, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        if (FShowTodayCircle && shown == today) {
            canvas.Pen().SetColor(clRed);
            canvas.Brush().SetStyle(bsClear);
            canvas.Rectangle(cell);
        }
    }
    if (FShowToday) {
        TRect todayText = TodayRect();
        canvas.Font().SetColor(clWindowText);
        canvas.DrawText(QStringLiteral("Today: ") + DateToStr(today), todayText,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
}
