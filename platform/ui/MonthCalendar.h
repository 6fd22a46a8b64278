#pragma once

#include "platform/core/DateUtils.h"
#include "platform/ui/Controls.h"

// One month as a grid of days, Sunday first, six weeks high: the month's
// title between two arrows that turn the months, the day names, the days
// (those of the neighbouring months greyed), and below them today's date.
// The chosen day is highlighted; today is circled. The arrow keys move the
// chosen day by a day or a week, PgUp/PgDn by a month; a click on a day
// chooses it and fires OnClick, a click on an arrow turns the month, and a
// click on the today line chooses today.
class TMonthCalendar : public TCustomControl {
public:
    explicit TMonthCalendar(TComponent* owner);
    ~TMonthCalendar() override;

    // The chosen day, without a time of day.
    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime date);
    // The month on show, as its first day.
    TDateTime ShownMonth() const { return FMonth; }
    // Days outside MinDate..MaxDate (0: no bound) cannot be chosen.
    void SetRange(TDateTime minDate, TDateTime maxDate);

    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool weekNumbers);
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool showToday);
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool showTodayCircle);

    // The size that shows the whole month.
    TSize MinimumSize() const;
    // Where a day of the shown month's six weeks is drawn; empty when it
    // is not shown.
    TRect DayRect(TDateTime date) const;
    // The day at a client point, 0 when the point is on no day.
    TDateTime DayAt(TPoint point) const;

    // The date moves by key as in the open calendar; true when the key is
    // one of the calendar's.
    bool CalendarKey(uint16_t key);

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;

private:
    TDateTime Clamped(TDateTime date) const;
    // The first day of the six weeks on show.
    TDateTime FirstShownDay() const;
    int32_t GridLeft() const;
    TRect TitleRect() const;
    TRect PreviousArrowRect() const;
    TRect NextArrowRect() const;
    TRect TodayRect() const;
    void TurnMonth(int32_t months);

    TDateTime FDate = 0;
    TDateTime FMonth = 0;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};
