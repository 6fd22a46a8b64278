#include "grid/DudOder_DatePickers.h"

#include "grid/DudOder.h"
#include "grid/DudOder_EditorKeys.h"

namespace {

TDudStringGrid* OwningGrid(TComponent* owner)
{
    auto* grid = dynamic_cast<TDudStringGrid*>(owner);
    if (!grid)
        throw EInvalidOperation(QStringLiteral("The grid's date picker belongs to a string grid"));
    return grid;
}

bool IsDigit(TChar key) { return key >= u'0' && key <= u'9'; }

} // namespace

// ---- TGridDatePicker

TGridDatePicker::TGridDatePicker(TComponent* owner) : TZuzDateTimePicker(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
}

void TGridDatePicker::ShowCellValue(const String& text)
{
    TDateTime value = 0;
    const bool converted = Kind() == dtkTime ? TryStrToTime(text, value) : TryStrToDate(text, value);
    if (!converted)
        value = Now();
    if (Kind() == dtkTime)
        SetTime(value);
    else
        SetDate(value);
}

bool TGridDatePicker::WriteAndValidate(uint16_t& key)
{
    TDudStringGrid& grid = Grid();
    grid.SetCurrentCellText(Text());
    grid.FDateEditChanged = true;
    if (!grid.ValidateCell(Text())) {
        ShowCellValue(grid.FNewCellText);
        Invalidate();
        key = 0;
        grid.FNoAutoAdvance = true;
        return false;
    }
    ShowCellValue(grid.CurrentCell());
    return true;
}

void TGridDatePicker::KeyDown(uint16_t& key, TShiftState shift)
{
    TDudStringGrid& grid = Grid();
    const bool special = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT
        || key == VK_END;
    // The open calendar keeps its keys: Enter chooses, Esc closes it.
    if (!special || DroppedDown()) {
        TZuzDateTimePicker::KeyDown(key, shift);
        return;
    }
    if (key == VK_ESCAPE) {
        ShowCellValue(grid.CurrentCell());
        grid.FDateEditRestored = true;
        TGridEditorKeys(grid).HideAndFocusGrid();
        key = 0;
        return;
    }
    if (key == VK_RETURN) {
        // A field typed only in part is taken as it stands.
        SendMessage(this, WM_KEYDOWN, VK_RIGHT);
        SendMessage(this, WM_KEYUP, VK_RIGHT);
        if (!WriteAndValidate(key))
            return;
    }
    if (key == VK_TAB && grid.EditorWantsTab()) {
        if (!WriteAndValidate(key) || TGridEditorKeys(grid).TabToNextCell(key, shift))
            return;
    }
    if (FOldDropped)
        key = 0;
    else
        TGridEditorKeys(grid).Done(key, shift);
}

void TGridDatePicker::KeyPress(TChar& key)
{
    if (IsDigit(key)) {
        DecodeDate(Date(), Fy, Fm, Fd);
        DecodeTime(Time(), Fth, Ftm, Fts, Ftms);
        TZuzDateTimePicker::KeyPress(key);
        PostMessage(this, DTPShiftFocusMessage());
    } else {
        TZuzDateTimePicker::KeyPress(key);
    }
    if (Grid().OnKeyPress)
        Grid().OnKeyPress(FGrid, key);
}

void TGridDatePicker::ShiftFocus()
{
    // The edit ended before the digit's notice came.
    if (!Visible())
        return;
    if (Kind() == dtkTime) {
        int hour = 0;
        int minute = 0;
        int second = 0;
        int milli = 0;
        DecodeTime(Time(), hour, minute, second, milli);
        if (hour != Fth || minute != Ftm || second != Fts)
            PostMessage(this, WM_KEYDOWN, VK_RIGHT);
        return;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(Date(), year, month, day);
    const bool dayChanged = day != Fd;
    const bool monthChanged = month != Fm;
    const bool yearChanged = year != Fy;
    if (Format().isEmpty()) {
        if (dayChanged || monthChanged)
            PostMessage(this, WM_KEYDOWN, VK_RIGHT);
        return;
    }
    // The part the format ends with was the one typed: the caret stays.
    const QChar last = Format().back().toLower();
    bool lastChanged = false;
    if (last == u'd')
        lastChanged = dayChanged;
    else if (last == u'm')
        lastChanged = monthChanged;
    else if (last == u'y')
        lastChanged = yearChanged;
    if (!lastChanged && (dayChanged || monthChanged || yearChanged))
        PostMessage(this, WM_KEYDOWN, VK_RIGHT);
}

void TGridDatePicker::DoExit()
{
    TZuzDateTimePicker::DoExit();
    Grid().HideInplaceEdit();
}

void TGridDatePicker::WndProc(TMessage& message)
{
    if (message.Msg == DTPShiftFocusMessage()) {
        ShiftFocus();
        return;
    }
    if (message.Msg == CN_NOTIFY) {
        if (message.WParam == DTN_DROPDOWN)
            FOldDropped = true;
        if (message.WParam == DTN_CLOSEUP)
            FOldDropped = false;
        if (message.WParam == DTN_DATETIMECHANGE)
            Grid().FDateEditChanged = true;
    }
    TZuzDateTimePicker::WndProc(message);
}

void TGridDatePicker::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && Grid().EditorWantsTab()))) {
        message.Result = 1;
        return;
    }
    TZuzDateTimePicker::DefaultHandler(message);
}

// The picker's own frame gives way to the cell's: two pixels in the window
// colour over its outer edge.
void TGridDatePicker::Paint()
{
    TZuzDateTimePicker::Paint();
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clWindow);
    TRect frame = Rect(0, 0, Width(), Height());
    canvas.FrameRect(frame);
    frame.Inflate(-1, -1);
    canvas.FrameRect(frame);
}

// ---- TGridDateTimePicker

TGridDateTimePicker::TGridDateTimePicker(TComponent* owner) : TDudDateTimePicker(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
    OnChange = [this](TComponent*) {
        TDudStringGrid& grid = Grid();
        grid.FDateEditChanged = true;
        if (grid.OnDateTimeChange)
            grid.OnDateTimeChange(&grid, grid.Col(), grid.Row(), DateTime());
    };
}

void TGridDateTimePicker::KeyDown(uint16_t& key, TShiftState shift)
{
    TDudStringGrid& grid = Grid();
    if (DroppedDown() || !(key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)) {
        TDudDateTimePicker::KeyDown(key, shift);
        return;
    }
    if (key == VK_ESCAPE) {
        SetDateTime(grid.FOriginalDateTime);
        grid.FDateEditRestored = true;
        TGridEditorKeys(grid).HideAndFocusGrid();
        key = 0;
        return;
    }
    if (key == VK_RETURN) {
        TGridEditorKeys(grid).HideAndFocusGrid();
        if (grid.Navigation().AdvanceOnEnter())
            grid.AdvanceEdit(grid.Col(), grid.Row(), false, true, true, false, false);
        key = 0;
        return;
    }
    if (grid.EditorWantsTab()) {
        TGridEditorKeys(grid).HideAndFocusGrid();
        grid.NavigateTab(shift.Contains(ssShift));
        key = 0;
        return;
    }
    TDudDateTimePicker::KeyDown(key, shift);
}

void TGridDateTimePicker::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && Grid().EditorWantsTab()))) {
        message.Result = 1;
        return;
    }
    TDudDateTimePicker::DefaultHandler(message);
}

// ---- the grid's side

TGridDatePicker* TDudStringGrid::DateTimePicker()
{
    EnsureDatePicker();
    return FEditDate;
}

void TDudStringGrid::EnsureDatePicker()
{
    if (FEditDate)
        return;
    FEditDate = new TGridDatePicker(this);
    FEditDate->SetVisible(false);
    FEditDate->SetEnabled(false);
    FEditDate->SetParent(this);
    FEditDate->OnChange = [this](TComponent*) {
        if (!OnEditChange)
            return;
        const TDateTime value = FEditDate->DateTime();
        OnEditChange(this, Col(), Row(), FEditDate->Kind() == dtkTime ? TimeToStr(value) : DateToStr(value));
    };
    FEditDate->OnDropDown = [this](TComponent*) {
        if (OnDatePickerDropDown)
            OnDatePickerDropDown(this, Row(), Col());
    };
    FEditDate->OnCloseUp = [this](TComponent*) {
        if (OnDatePickerCloseUp)
            OnDatePickerCloseUp(this, Row(), Col());
        if (FMouseActions->DirectDateClose())
            HideInplaceEdit();
    };
}

TGridDateTimePicker* TDudStringGrid::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = new TGridDateTimePicker(this);
        FEditDateTime->SetVisible(false);
        FEditDateTime->SetEnabled(false);
        FEditDateTime->SetParent(this);
    }
    return FEditDateTime;
}

// The cell text a picker opens with; false when it does not convert (the
// picker then opens at the current date and time).
bool TDudStringGrid::CellDateValue(const String& text, double& value)
{
    bool converted = false;
    if (text.isEmpty())
        converted = false;
    else if (EditControl == edTimeEdit)
        converted = TryStrToTime(text, value);
    else if (EditControl == edDateTimeEdit)
        converted = TryStrToDateTime(text, value);
    else if (OnCustomStrToDate) {
        value = Now();
        OnCustomStrToDate(this, text, value);
        converted = true;
    } else
        converted = TryStrToDate(text, value) || TryStrToDateTime(text, value);
    if (!converted)
        value = Now();
    return converted;
}

void TDudStringGrid::ShowDateEditor(int32_t aCol, int32_t aRow, const TRect& rect, TColor color)
{
    const int32_t realCol = RemapColToReal(aCol);
    const int32_t width = rect.Width() - 1;
    const int32_t height = rect.Height() - 1;
    const String text = GetEditText(aCol, aRow);
    TDateTime value = 0;
    FDateEditParsed = CellDateValue(text, value);
    FDateEditChanged = false;
    FDateEditRestored = false;
    EditMode = true;
    TWinControl* shown = nullptr;
    if (EditControl == edDateTimeEdit) {
        TGridDateTimePicker* picker = DateAndTimePicker();
        picker->SetParent(this);
        picker->SetBounds(rect.Left, rect.Top, width, picker->Height() < height ? height : picker->Height());
        picker->SetDudKind(dkDateTime);
        picker->SetDateTime(value);
        FOriginalDateTime = picker->DateTime();
        picker->SetBorderStyle(bsNone);
        DoGetEditorProp(realCol, aRow, FEditLink);
        shown = picker;
    } else {
        TGridDatePicker* picker = DateTimePicker();
        picker->SetParent(this);
        picker->ReCreate();
        picker->SetBounds(rect.Left, rect.Top, width, height);
        if (EditControl == edTimeEdit) {
            picker->SetKind(dtkTime);
            picker->SetTime(value);
        } else {
            picker->SetKind(dtkDate);
            picker->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
            picker->SetDateTime(value);
        }
        DoGetEditorProp(realCol, aRow, FEditLink);
        shown = picker;
    }
    // Whatever the application did in its editor properties, the loaded
    // value is not yet the user's change.
    FDateEditChanged = false;
    shown->SetEnabled(true);
    shown->SetVisible(true);
    shown->SetColor(color);
    if (shown->CanFocus())
        shown->SetFocus();
    if (EditControl == edDateEdit && FMouseActions->DirectDateDrop())
        SendMessage(shown, WM_KEYDOWN, VK_F4);
    if ((EditControl == edDateEdit || EditControl == edDateEditUpDown) && FStartEditChar != 0)
        PostMessage(shown, WM_CHAR, FStartEditChar);
    if (EditControl != edDateTimeEdit)
        EditCtrl = shown;
}

void TDudStringGrid::CommitDateEditor(int32_t realCol, int32_t aRow)
{
    const bool isDateTime = EditControl == edDateTimeEdit;
    TDateTimePicker* picker = isDateTime ? static_cast<TDateTimePicker*>(FEditDateTime)
                                         : static_cast<TDateTimePicker*>(FEditDate);
    if (!picker)
        return;
    // Esc leaves the cell as it was, and so does an edit that changed
    // nothing of a text that was no date.
    const bool keepText = FDateEditRestored || (!FDateEditParsed && !FDateEditChanged);
    if (!keepText) {
        String value;
        if (picker->Checked())
            value = isDateTime ? FormatDateTime(
                                     FormatSettings().ShortDateFormat + u' ' + FormatSettings().ShortTimeFormat,
                                     FEditDateTime->DateTime())
                               : picker->Text();
        StoreEditValue(realCol, aRow, value);
    }
    // A second commit of the same edit writes nothing more.
    FDateEditRestored = false;
    FDateEditParsed = false;
    FDateEditChanged = false;
    EditMode = false;
    // The grid keeps the focus when its editor goes away under it.
    if ((picker->Focused() || (isDateTime && FEditDateTime->TimePicker() && FEditDateTime->TimePicker()->Focused()))
        && CanFocus()) {
        FBlockFocus = true;
        SetFocus();
        FBlockFocus = false;
    }
    picker->SetDroppedDown(false);
    picker->SetEnabled(false);
    picker->SetVisible(false);
}
