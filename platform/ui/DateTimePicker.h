#pragma once

#include "platform/core/DateUtils.h"
#include "platform/ui/Controls.h"

#include <memory>
#include <vector>

class TForm;
class TMonthCalendar;

enum class TDateTimeKind { dtkDate, dtkTime };
using enum TDateTimeKind;
enum class TDTDateMode { dmComboBox, dmUpDown };
using enum TDTDateMode;

// Notifications of the picker, reflected to itself as CN_NOTIFY with the
// code in WParam. DTN_DATETIMECHANGE carries GDT_VALID, or GDT_NONE when the
// check box was cleared, in LParam.
constexpr int32_t DTN_DATETIMECHANGE = -759;
constexpr int32_t DTN_DROPDOWN = -754;
constexpr int32_t DTN_CLOSEUP = -753;
// Sets the value (LParam points to a TDateTime) with GDT_VALID in WParam, or
// clears the check box with GDT_NONE; no notification follows.
constexpr uint32_t DTM_SETSYSTEMTIME = 0x1002;
constexpr intptr_t GDT_VALID = 0;
constexpr intptr_t GDT_NONE = 1;

// A date or a time of day shown in fields laid out by Format (the date and
// time pattern letters of FormatDateTime; empty: the short date of the
// locale for the date kind, its long time for the time kind). The keys work
// on the current field: Left/Right choose it, Up/Down step it (wrapping
// within the field), Home/End give its first and last value, and digits
// type it: a field takes digits until it is full or a further digit would
// make it invalid, and then starts again; the caret stays in the field.
// A date picker drops a month calendar below it (F4, Alt+Down, a click on
// its button); the calendar takes the arrow and page keys while open, and
// Enter or a click on a day chooses, Esc or a press elsewhere closes
// without a choice. In the up-down mode two arrow buttons step the field.
// With ShowCheckbox a check box leads the fields; Space toggles it, and
// while it is clear the value is greyed and the keys change nothing.
//
// Every change the user makes is reported as DTN_DATETIMECHANGE and then
// OnChange; values the program sets report nothing. The value stays within
// MinDate..MaxDate (0: no bound) whoever sets it.
class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    ~TDateTimePicker() override;

    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    // The whole days; setting them keeps the time of day.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    // The time of day; setting it keeps the date.
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode mode);
    const String& Format() const { return FFormat; }
    void SetFormat(const String& format);
    // The pattern in force: Format, or the locale's for the kind.
    String EffectiveFormat() const;
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool showCheckbox);
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime value);
    // The value as the fields show it.
    String Text() const;

    // The field the keys work on, counted among the editable fields.
    int32_t FieldIndex() const { return FField; }
    int32_t FieldCount() const;
    void SetFieldIndex(int32_t index);

    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool droppedDown);
    // The open calendar, null while closed.
    TMonthCalendar* Calendar() const;
    // The look of the calendar when it opens.
    bool CalendarWeekNumbers() const { return FWeekNumbers; }
    void SetCalendarWeekNumbers(bool value) { FWeekNumbers = value; }
    bool CalendarShowToday() const { return FShowToday; }
    void SetCalendarShowToday(bool value) { FShowToday = value; }
    bool CalendarShowTodayCircle() const { return FShowTodayCircle; }
    void SetCalendarShowTodayCircle(bool value) { FShowTodayCircle = value; }

    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool ctl3D);
    // The width of the drop button or the up-down pair.
    int32_t ButtonWidth() const;
    // The drop button or the up-down pair, in client coordinates.
    TRect ButtonRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    // Every value the program gives the control ends here.
    virtual void ApplyDateTime(TDateTime value);
    void DefaultHandler(TMessage& message) override;
    // A new window starts on the first field.
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void WMKillFocus(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void Paint() override;
    // The fields' area inside the frame, check box and button.
    TRect FieldsRect() const;

private:
    enum class TFieldKind { fkLiteral, fkDay, fkWeekDay, fkMonth, fkYear, fkHour, fkMinute, fkSecond, fkMilli, fkHalf };
    struct TSection {
        TFieldKind Kind;
        // The pattern letters, or the literal text.
        String Pattern;
    };
    std::vector<TSection> Sections() const;
    String SectionText(const TSection& section, bool twelveHour) const;
    // The editable sections' indexes among all sections.
    std::vector<size_t> FieldSections() const;
    const TSection* CurrentSection() const;
    // Changes by the user: clamped, shown and reported.
    void UserChange(TDateTime value);
    void StepField(int32_t delta);
    void SetFieldExtreme(bool last);
    void TypeDigit(int32_t digit);
    void ToggleChecked();
    TDateTime Clamped(TDateTime value) const;
    TRect CheckBoxRect() const;
    void OpenCalendar();
    void CloseCalendar(bool accept);
    void CreateDropForm();

    TDateTime FDateTime = 0;
    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    String FFormat;
    bool FShowCheckbox = false;
    bool FChecked = true;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    int32_t FField = 0;
    // The digits typed into the current field so far.
    String FTyped;
    bool FCtl3D = true;
    bool FDroppedDown = false;
    bool FClosing = false;
    bool FPressClosed = false;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    std::unique_ptr<TForm> FDropForm;
    TMonthCalendar* FCalendar = nullptr;
};
