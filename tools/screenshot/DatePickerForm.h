#pragma once

#include "platform/ui/Forms.h"

class TBitmap;
class TDudColumnGrid;

// A column grid with date, time and date-and-time columns, for people to
// look at the date editor with its calendar open.
class TDatePickerForm : public TForm {
public:
    explicit TDatePickerForm(TComponent* owner);

    // Opens the date editor on a cell and drops its calendar; needs the form
    // to be showing.
    void OpenCalendar();
    // The form with the open calendar below the edited cell.
    void GrabWithCalendar(TBitmap& bitmap);

private:
    TDudColumnGrid* FGrid = nullptr;
};
