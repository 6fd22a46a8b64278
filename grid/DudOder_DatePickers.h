#pragma once

// The date pickers the string grid lays over a cell: TGridDatePicker for
// the date kinds (a drop-down calendar or up-down buttons) and the time
// kind, TGridDateTimePicker for a date with its time. Their keys end the
// edit; Esc leaves the cell as it was.

#include "grid/base/DudDateTimePicker.h"

class TDudStringGrid;

class TGridDatePicker : public TZuzDateTimePicker {
public:
    // The owner is the grid the picker edits.
    explicit TGridDatePicker(TComponent* owner);

    void ReCreate() { RecreateWnd(); }
    bool Weeknumbers() const { return CalendarWeekNumbers(); }
    void SetWeeknumbers(bool value) { SetCalendarWeekNumbers(value); }
    bool ShowToday() const { return CalendarShowToday(); }
    void SetShowToday(bool value) { SetCalendarShowToday(value); }
    bool ShowTodayCircle() const { return CalendarShowTodayCircle(); }
    void SetShowTodayCircle(bool value) { SetCalendarShowTodayCircle(value); }
    // The value shown for a cell text: the time or the date converted with
    // the locale's settings; now when it does not convert.
    void ShowCellValue(const String& text);

protected:
    // Moves to the next field once a typed digit completed the current one.
    virtual void ShiftFocus();
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Paint() override;

private:
    TDudStringGrid& Grid() const { return *FGrid; }
    // Writes the picker's text into the current cell and validates it; a
    // refusal shows the text as the validation left it and consumes the key.
    bool WriteAndValidate(uint16_t& key);

    int Fy = 0;
    int Fm = 0;
    int Fd = 0;
    int Fth = 0;
    int Ftm = 0;
    int Fts = 0;
    int Ftms = 0;
    bool FOldDropped = false;
    TDudStringGrid* FGrid;
};

class TGridDateTimePicker : public TDudDateTimePicker {
public:
    // The owner is the grid the picker edits.
    explicit TGridDateTimePicker(TComponent* owner);

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudStringGrid& Grid() const { return *FGrid; }

    TDudStringGrid* FGrid;
};
