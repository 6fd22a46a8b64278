#include "platform/ui/DateTimePicker.h"

#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MonthCalendar.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t DropButtonWidth = 17;
constexpr int32_t CheckBoxSize = 13;

struct TParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Milli = 0;
};

TDateTime WholeDays(TDateTime value) { return std::trunc(value); }
TDateTime TimeOfDay(TDateTime value) { return std::abs(value - std::trunc(value)); }

TParts Decode(TDateTime value)
{
    TParts parts;
    DecodeDate(WholeDays(value), parts.Year, parts.Month, parts.Day);
    DecodeTime(TimeOfDay(value), parts.Hour, parts.Minute, parts.Second, parts.Milli);
    return parts;
}

TDateTime Encode(TParts parts)
{
    parts.Day = std::min(parts.Day, DaysInAMonth(parts.Year, parts.Month));
    return ComposeDateTime(EncodeDate(parts.Year, parts.Month, parts.Day),
        EncodeTime(parts.Hour, parts.Minute, parts.Second, parts.Milli));
}

int Wrapped(int value, int first, int last)
{
    const int span = last - first + 1;
    return first + (((value - first) % span) + span) % span;
}

String Padded(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar(u'0')); }

// The length of the day-half letters (AMPM, AM/PM or A/P) at a place of a
// pattern, 0 when there are none.
qsizetype HalfDayLength(const String& pattern, qsizetype at)
{
    for (const String& half : { QStringLiteral("ampm"), QStringLiteral("am/pm"), QStringLiteral("a/p") })
        if (pattern.mid(at, half.size()).compare(half, Qt::CaseInsensitive) == 0)
            return half.size();
    return 0;
}

} // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    FDateTime = Now();
}

TDateTimePicker::~TDateTimePicker() = default;

// ---- value

TDateTime TDateTimePicker::Clamped(TDateTime value) const
{
    if (FMaxDate != 0 && WholeDays(value) > WholeDays(FMaxDate))
        return ComposeDateTime(WholeDays(FMaxDate), TimeOfDay(value));
    if (FMinDate != 0 && WholeDays(value) < WholeDays(FMinDate))
        return ComposeDateTime(WholeDays(FMinDate), TimeOfDay(value));
    return value;
}

void TDateTimePicker::ApplyDateTime(TDateTime value)
{
    FDateTime = Clamped(value);
    FTyped.clear();
    Invalidate();
}

void TDateTimePicker::SetDateTime(TDateTime value) { ApplyDateTime(value); }

TDateTime TDateTimePicker::Date() const { return WholeDays(FDateTime); }

void TDateTimePicker::SetDate(TDateTime value) { ApplyDateTime(ComposeDateTime(WholeDays(value), Time())); }

TDateTime TDateTimePicker::Time() const { return TimeOfDay(FDateTime); }

void TDateTimePicker::SetTime(TDateTime value) { ApplyDateTime(ComposeDateTime(Date(), TimeOfDay(value))); }

void TDateTimePicker::SetMinDate(TDateTime value)
{
    FMinDate = value;
    ApplyDateTime(FDateTime);
}

void TDateTimePicker::SetMaxDate(TDateTime value)
{
    FMaxDate = value;
    ApplyDateTime(FDateTime);
}

void TDateTimePicker::SetKind(TDateTimeKind kind)
{
    if (kind == FKind)
        return;
    SetDroppedDown(false);
    FKind = kind;
    FField = 0;
    FTyped.clear();
    Invalidate();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode)
{
    SetDroppedDown(false);
    FDateMode = mode;
    Invalidate();
}

void TDateTimePicker::SetFormat(const String& format)
{
    FFormat = format;
    FField = std::clamp(FField, 0, std::max(FieldCount() - 1, 0));
    FTyped.clear();
    Invalidate();
}

String TDateTimePicker::EffectiveFormat() const
{
    if (!FFormat.isEmpty())
        return FFormat;
    return FKind == dtkDate ? FormatSettings().ShortDateFormat : FormatSettings().LongTimeFormat;
}

void TDateTimePicker::SetShowCheckbox(bool showCheckbox)
{
    FShowCheckbox = showCheckbox;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool checked)
{
    TDateTime value = FDateTime;
    Perform(DTM_SETSYSTEMTIME, checked ? GDT_VALID : GDT_NONE, reinterpret_cast<intptr_t>(&value));
}

void TDateTimePicker::SetCtl3D(bool ctl3D)
{
    FCtl3D = ctl3D;
    Invalidate();
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::UserChange(TDateTime value)
{
    value = Clamped(value);
    if (value == FDateTime)
        return;
    FDateTime = value;
    Invalidate();
    Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_VALID);
}

void TDateTimePicker::ToggleChecked()
{
    FChecked = !FChecked;
    FTyped.clear();
    Invalidate();
    Perform(CN_NOTIFY, DTN_DATETIMECHANGE, FChecked ? GDT_VALID : GDT_NONE);
}

// ---- the fields

// The pattern letters of FormatDateTime, cut into fields and literal text.
std::vector<TDateTimePicker::TSection> TDateTimePicker::Sections() const
{
    std::vector<TSection> sections;
    const TFormatSettings& settings = FormatSettings();
    bool afterHour = false;
    auto literal = [&](const String& text) {
        if (!sections.empty() && sections.back().Kind == TFieldKind::fkLiteral)
            sections.back().Pattern += text;
        else
            sections.push_back({ TFieldKind::fkLiteral, text });
    };
    auto expand = [&](const String& pattern, auto& self) -> void {
        qsizetype at = 0;
        while (at < pattern.size()) {
            const QChar character = pattern[at];
            const QChar lower = character.toLower();
            if (character == u'\'' || character == u'"') {
                const qsizetype end = pattern.indexOf(character, at + 1);
                const qsizetype stop = end < 0 ? pattern.size() : end;
                literal(pattern.mid(at + 1, stop - at - 1));
                at = stop + 1;
                continue;
            }
            const qsizetype half = HalfDayLength(pattern, at);
            if (half > 0) {
                sections.push_back({ TFieldKind::fkHalf, pattern.mid(at, half) });
                at += half;
                continue;
            }
            qsizetype run = 1;
            while (at + run < pattern.size() && pattern[at + run].toLower() == lower)
                ++run;
            const String letters = pattern.mid(at, run);
            switch (lower.unicode()) {
            case u'd':
                if (run >= 6)
                    self(settings.LongDateFormat, self);
                else if (run == 5)
                    self(settings.ShortDateFormat, self);
                else
                    sections.push_back({ run >= 3 ? TFieldKind::fkWeekDay : TFieldKind::fkDay, letters });
                break;
            case u'm':
                sections.push_back({ afterHour && run <= 2 ? TFieldKind::fkMinute : TFieldKind::fkMonth, letters });
                break;
            case u'n':
                sections.push_back({ TFieldKind::fkMinute, letters });
                break;
            case u'y':
                sections.push_back({ TFieldKind::fkYear, letters });
                break;
            case u'h':
                sections.push_back({ TFieldKind::fkHour, letters });
                break;
            case u's':
                sections.push_back({ TFieldKind::fkSecond, letters });
                break;
            case u'z':
                sections.push_back({ TFieldKind::fkMilli, letters });
                break;
            case u't':
                self(run >= 2 ? settings.LongTimeFormat : settings.ShortTimeFormat, self);
                break;
            case u'c':
                self(settings.ShortDateFormat + u' ' + settings.LongTimeFormat, self);
                break;
            case u'/':
                literal(String(run, settings.DateSeparator));
                break;
            case u':':
                literal(String(run, settings.TimeSeparator));
                break;
            default:
                literal(letters);
                break;
            }
            if (!sections.empty() && sections.back().Kind != TFieldKind::fkLiteral)
                afterHour = sections.back().Kind == TFieldKind::fkHour;
            at += run;
        }
    };
    expand(EffectiveFormat(), expand);
    return sections;
}

String TDateTimePicker::SectionText(const TSection& section, bool twelveHour) const
{
    const TFormatSettings& settings = FormatSettings();
    const TParts parts = Decode(FDateTime);
    const auto width = static_cast<int>(section.Pattern.size());
    switch (section.Kind) {
    case TFieldKind::fkLiteral:
        return section.Pattern;
    case TFieldKind::fkDay:
        return Padded(parts.Day, width);
    case TFieldKind::fkWeekDay: {
        const auto index = static_cast<size_t>(DayOfWeek(FDateTime) - 1);
        return width == 3 ? settings.ShortDayNames[index] : settings.LongDayNames[index];
    }
    case TFieldKind::fkMonth:
        if (width >= 3)
            return (width == 3 ? settings.ShortMonthNames : settings.LongMonthNames)[static_cast<size_t>(parts.Month - 1)];
        return Padded(parts.Month, width);
    case TFieldKind::fkYear:
        return width <= 2 ? Padded(parts.Year % 100, 2) : Padded(parts.Year, 4);
    case TFieldKind::fkHour: {
        int hour = parts.Hour;
        if (twelveHour)
            hour = hour % 12 == 0 ? 12 : hour % 12;
        return Padded(hour, std::min(width, 2));
    }
    case TFieldKind::fkMinute:
        return Padded(parts.Minute, std::min(width, 2));
    case TFieldKind::fkSecond:
        return Padded(parts.Second, std::min(width, 2));
    case TFieldKind::fkMilli:
        return Padded(parts.Milli, width >= 3 ? 3 : 1);
    case TFieldKind::fkHalf: {
        const bool pm = parts.Hour >= 12;
        if (section.Pattern.compare(QStringLiteral("ampm"), Qt::CaseInsensitive) == 0)
            return pm ? settings.TimePMString : settings.TimeAMString;
        const qsizetype slash = section.Pattern.indexOf(u'/');
        return pm ? section.Pattern.mid(slash + 1) : section.Pattern.left(slash);
    }
    }
    return {};
}

String TDateTimePicker::Text() const
{
    const std::vector<TSection> sections = Sections();
    const bool twelveHour = std::any_of(sections.begin(), sections.end(),
        [](const TSection& section) { return section.Kind == TFieldKind::fkHalf; });
    String text;
    for (const TSection& section : sections)
        text += SectionText(section, twelveHour);
    return text;
}

std::vector<size_t> TDateTimePicker::FieldSections() const
{
    const std::vector<TSection> sections = Sections();
    std::vector<size_t> fields;
    for (size_t index = 0; index < sections.size(); ++index)
        if (sections[index].Kind != TFieldKind::fkLiteral && sections[index].Kind != TFieldKind::fkWeekDay)
            fields.push_back(index);
    return fields;
}

int32_t TDateTimePicker::FieldCount() const { return static_cast<int32_t>(FieldSections().size()); }

void TDateTimePicker::SetFieldIndex(int32_t index)
{
    FField = std::clamp(index, 0, std::max(FieldCount() - 1, 0));
    FTyped.clear();
    Invalidate();
}

void TDateTimePicker::StepField(int32_t delta)
{
    const std::vector<TSection> sections = Sections();
    const std::vector<size_t> fields = FieldSections();
    if (fields.empty())
        return;
    FTyped.clear();
    TParts parts = Decode(FDateTime);
    switch (sections[fields[static_cast<size_t>(FField)]].Kind) {
    case TFieldKind::fkDay:
        parts.Day = Wrapped(parts.Day + delta, 1, DaysInAMonth(parts.Year, parts.Month));
        break;
    case TFieldKind::fkMonth:
        parts.Month = Wrapped(parts.Month + delta, 1, 12);
        break;
    case TFieldKind::fkYear:
        parts.Year = std::clamp(parts.Year + delta, 1, 9999);
        break;
    case TFieldKind::fkHour:
        parts.Hour = Wrapped(parts.Hour + delta, 0, 23);
        break;
    case TFieldKind::fkMinute:
        parts.Minute = Wrapped(parts.Minute + delta, 0, 59);
        break;
    case TFieldKind::fkSecond:
        parts.Second = Wrapped(parts.Second + delta, 0, 59);
        break;
    case TFieldKind::fkMilli:
        parts.Milli = Wrapped(parts.Milli + delta, 0, 999);
        break;
    case TFieldKind::fkHalf:
        parts.Hour = (parts.Hour + 12) % 24;
        break;
    default:
        return;
    }
    UserChange(Encode(parts));
}

void TDateTimePicker::SetFieldExtreme(bool last)
{
    const std::vector<TSection> sections = Sections();
    const std::vector<size_t> fields = FieldSections();
    if (fields.empty())
        return;
    FTyped.clear();
    TParts parts = Decode(FDateTime);
    switch (sections[fields[static_cast<size_t>(FField)]].Kind) {
    case TFieldKind::fkDay:
        parts.Day = last ? DaysInAMonth(parts.Year, parts.Month) : 1;
        break;
    case TFieldKind::fkMonth:
        parts.Month = last ? 12 : 1;
        break;
    case TFieldKind::fkHour:
        parts.Hour = last ? 23 : 0;
        break;
    case TFieldKind::fkMinute:
        parts.Minute = last ? 59 : 0;
        break;
    case TFieldKind::fkSecond:
        parts.Second = last ? 59 : 0;
        break;
    default:
        return;
    }
    UserChange(Encode(parts));
}

// A field takes digits until it is full or a further digit would make it
// invalid; a digit that cannot continue the typed ones starts the field anew.
void TDateTimePicker::TypeDigit(int32_t digit)
{
    const std::vector<TSection> sections = Sections();
    const std::vector<size_t> fields = FieldSections();
    if (fields.empty())
        return;
    const TSection& section = sections[fields[static_cast<size_t>(FField)]];
    const bool twelveHour = std::any_of(sections.begin(), sections.end(),
        [](const TSection& each) { return each.Kind == TFieldKind::fkHalf; });
    TParts parts = Decode(FDateTime);
    int first = 0;
    int last = 0;
    int digits = 2;
    switch (section.Kind) {
    case TFieldKind::fkDay:
        first = 1;
        last = DaysInAMonth(parts.Year, parts.Month);
        break;
    case TFieldKind::fkMonth:
        first = 1;
        last = 12;
        break;
    case TFieldKind::fkYear:
        first = 0;
        last = 9999;
        digits = section.Pattern.size() <= 2 ? 2 : 4;
        break;
    case TFieldKind::fkHour:
        first = twelveHour ? 1 : 0;
        last = twelveHour ? 12 : 23;
        break;
    case TFieldKind::fkMinute:
    case TFieldKind::fkSecond:
        last = 59;
        break;
    case TFieldKind::fkMilli:
        last = 999;
        digits = 3;
        break;
    default:
        return;
    }
    String typed = FTyped + QChar(u'0' + digit);
    if (typed.toInt() > last)
        typed = QString(QChar(u'0' + digit));
    const int value = typed.toInt();
    const bool full = typed.size() >= digits || value * 10 > last;
    FTyped = full ? String() : typed;
    if (section.Kind == TFieldKind::fkYear) {
        // A year is taken once all its digits are there.
        if (!full)
            return;
        parts.Year = digits == 2 ? (parts.Year / 100) * 100 + value : std::max(value, 1);
    } else {
        if (value < first)
            return;
        switch (section.Kind) {
        case TFieldKind::fkDay:
            parts.Day = value;
            break;
        case TFieldKind::fkMonth:
            parts.Month = value;
            break;
        case TFieldKind::fkHour:
            parts.Hour = twelveHour ? value % 12 + (parts.Hour >= 12 ? 12 : 0) : value;
            break;
        case TFieldKind::fkMinute:
            parts.Minute = value;
            break;
        case TFieldKind::fkSecond:
            parts.Second = value;
            break;
        default:
            parts.Milli = value;
            break;
        }
    }
    UserChange(Encode(parts));
    Invalidate();
}

// ---- the calendar

TMonthCalendar* TDateTimePicker::Calendar() const { return FDroppedDown ? FCalendar : nullptr; }

void TDateTimePicker::SetDroppedDown(bool droppedDown)
{
    if (droppedDown == FDroppedDown)
        return;
    if (droppedDown)
        OpenCalendar();
    else
        CloseCalendar(false);
}

void TDateTimePicker::CreateDropForm()
{
    FDropForm = std::make_unique<TForm>(nullptr);
    FDropForm->SetBorderStyle(bsNone);
    FDropForm->SetWindowKind(wkNoActivatePopup);
    FCalendar = new TMonthCalendar(FDropForm.get());
    FCalendar->SetParent(FDropForm.get());
    FCalendar->SetAlign(alClient);
    FCalendar->SetTabStop(false);
    FCalendar->OnClick = [this](TComponent*) { CloseCalendar(true); };
    // A press outside closes the calendar without a choice; a press on the
    // picker's own button then only closes it.
    FDropForm->OnClose = [this](TComponent*, TCloseAction& action) {
        action = caHide;
        if (!FDroppedDown || FClosing)
            return;
        FPressClosed = true;
        QTimer::singleShot(0, Widget(), [this] { FPressClosed = false; });
        CloseCalendar(false);
    };
}

void TDateTimePicker::OpenCalendar()
{
    if (FKind != dtkDate || FDateMode != dmComboBox || !FChecked)
        return;
    FDroppedDown = true;
    Perform(CN_NOTIFY, DTN_DROPDOWN);
    if (!FDroppedDown)
        return;
    if (!FDropForm)
        CreateDropForm();
    FDropForm->SetPopupParent(ParentForm());
    FCalendar->SetFont(Font());
    FCalendar->SetWeekNumbers(FWeekNumbers);
    FCalendar->SetShowToday(FShowToday);
    FCalendar->SetShowTodayCircle(FShowTodayCircle);
    FCalendar->SetRange(FMinDate, FMaxDate);
    FCalendar->SetDate(Date());
    const TSize size = FCalendar->MinimumSize();
    const TPoint below = ClientToScreen({ 0, Height() });
    const int32_t top = below.Y + size.cy > Screen->Height() ? ClientToScreen({ 0, 0 }).Y - size.cy : below.Y;
    const int32_t left = std::max(std::min(below.X, Screen->Width() - size.cx), 0);
    FDropForm->SetBounds(left, top, size.cx, size.cy);
    FDropForm->Show();
    Invalidate();
}

void TDateTimePicker::CloseCalendar(bool accept)
{
    if (!FDroppedDown)
        return;
    FDroppedDown = false;
    const TDateTime chosen = FCalendar ? FCalendar->Date() : Date();
    if (FDropForm) {
        FClosing = true;
        FDropForm->Hide();
        FClosing = false;
    }
    Invalidate();
    if (accept)
        UserChange(ComposeDateTime(chosen, Time()));
    Perform(CN_NOTIFY, DTN_CLOSEUP);
}

void TDateTimePicker::CreateWnd()
{
    TCustomControl::CreateWnd();
    FField = 0;
    FTyped.clear();
}

void TDateTimePicker::WMKillFocus(TMessage& message)
{
    CloseCalendar(false);
    FTyped.clear();
    TCustomControl::WMKillFocus(message);
    Invalidate();
}

void TDateTimePicker::CMVisibleChanged(TMessage& message)
{
    if (!Visible())
        CloseCalendar(false);
    TCustomControl::CMVisibleChanged(message);
}

// ---- messages and input

void TDateTimePicker::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FDroppedDown ? DLGC_WANTALLKEYS : 0);
        return;
    case CN_NOTIFY:
        if (message.WParam == DTN_DATETIMECHANGE)
            Change();
        else if (message.WParam == DTN_DROPDOWN && OnDropDown)
            OnDropDown(this);
        else if (message.WParam == DTN_CLOSEUP && OnCloseUp)
            OnCloseUp(this);
        return;
    case DTM_SETSYSTEMTIME:
        if (message.WParam == GDT_NONE) {
            FChecked = false;
            Invalidate();
        } else {
            FChecked = true;
            ApplyDateTime(*reinterpret_cast<const TDateTime*>(message.LParam));
        }
        message.Result = 1;
        return;
    case WM_KEYDOWN: {
        const auto key = static_cast<uint16_t>(message.WParam);
        const bool alt = GetKeyState(VK_MENU) < 0;
        if (FDroppedDown) {
            if (key == VK_RETURN || key == VK_F4 || (alt && (key == VK_UP || key == VK_DOWN)))
                CloseCalendar(true);
            else if (key == VK_ESCAPE)
                CloseCalendar(false);
            else
                FCalendar->CalendarKey(key);
            return;
        }
        if (key == VK_F4 || (alt && key == VK_DOWN)) {
            OpenCalendar();
            return;
        }
        if (key == VK_SPACE && FShowCheckbox) {
            ToggleChecked();
            return;
        }
        if (!FChecked)
            break;
        switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
            SetFieldIndex(FField + (key == VK_LEFT ? -1 : 1));
            return;
        case VK_UP:
        case VK_DOWN:
            StepField(key == VK_UP ? 1 : -1);
            return;
        case VK_HOME:
        case VK_END:
            SetFieldExtreme(key == VK_END);
            return;
        default:
            break;
        }
        break;
    }
    case WM_CHAR: {
        const auto character = static_cast<TChar>(message.WParam);
        if (!FDroppedDown && FChecked && character >= u'0' && character <= u'9')
            TypeDigit(character - u'0');
        return;
    }
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

int32_t TDateTimePicker::ButtonWidth() const { return DropButtonWidth; }

TRect TDateTimePicker::ButtonRect() const
{
    const int32_t frame = FCtl3D ? 2 : 1;
    return Rect(ClientWidth() - frame - DropButtonWidth, frame, ClientWidth() - frame, ClientHeight() - frame);
}

TRect TDateTimePicker::CheckBoxRect() const
{
    if (!FShowCheckbox)
        return {};
    const int32_t frame = FCtl3D ? 2 : 1;
    const int32_t top = (ClientHeight() - CheckBoxSize) / 2;
    return Rect(frame + 2, top, frame + 2 + CheckBoxSize, top + CheckBoxSize);
}

TRect TDateTimePicker::FieldsRect() const
{
    const int32_t frame = FCtl3D ? 2 : 1;
    const int32_t left = FShowCheckbox ? CheckBoxRect().Right + 3 : frame + 2;
    return Rect(left, frame, ButtonRect().Left - 1, ClientHeight() - frame);
}

void TDateTimePicker::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (FPressClosed) {
        FPressClosed = false;
        return;
    }
    if (FDroppedDown) {
        CloseCalendar(false);
        return;
    }
    if (CanFocus())
        SetFocus();
    const TPoint point { x, y };
    if (CheckBoxRect().Contains(point)) {
        ToggleChecked();
        return;
    }
    if (!FChecked)
        return;
    const TRect buttons = ButtonRect();
    if (buttons.Contains(point)) {
        if (FKind == dtkDate && FDateMode == dmComboBox)
            OpenCalendar();
        else
            StepField(y < (buttons.Top + buttons.Bottom) / 2 ? 1 : -1);
        return;
    }
    // A click on a field makes it the current one.
    const std::vector<TSection> sections = Sections();
    const bool twelveHour = std::any_of(sections.begin(), sections.end(),
        [](const TSection& section) { return section.Kind == TFieldKind::fkHalf; });
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    int32_t left = FieldsRect().Left;
    int32_t field = -1;
    for (const TSection& section : sections) {
        const int32_t right = left + canvas.TextWidth(SectionText(section, twelveHour));
        const bool editable = section.Kind != TFieldKind::fkLiteral && section.Kind != TFieldKind::fkWeekDay;
        if (editable)
            ++field;
        if (editable && x < right) {
            SetFieldIndex(field);
            return;
        }
        left = right;
    }
}

void TDateTimePicker::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(client);
    if (FCtl3D) {
        TRect edge = client;
        DrawEdge(canvas, edge, EDGE_SUNKEN, BF_RECT);
    } else {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(client);
    }
    if (FShowCheckbox)
        DrawFrameControl(canvas, CheckBoxRect(), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (FChecked ? DFCS_CHECKED : 0));

    const TRect buttons = ButtonRect();
    const uint32_t inactive = Enabled() && FChecked ? 0 : DFCS_INACTIVE;
    if (FKind == dtkDate && FDateMode == dmComboBox) {
        DrawFrameControl(canvas, buttons, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | inactive | (FDroppedDown ? DFCS_PUSHED : 0));
    } else {
        const int32_t middle = (buttons.Top + buttons.Bottom) / 2;
        DrawFrameControl(canvas, Rect(buttons.Left, buttons.Top, buttons.Right, middle), DFC_SCROLL, DFCS_SCROLLUP | inactive);
        DrawFrameControl(canvas, Rect(buttons.Left, middle, buttons.Right, buttons.Bottom), DFC_SCROLL,
            DFCS_SCROLLDOWN | inactive);
    }

    const std::vector<TSection> sections = Sections();
    const bool twelveHour = std::any_of(sections.begin(), sections.end(),
        [](const TSection& section) { return section.Kind == TFieldKind::fkHalf; });
    const TRect fields = FieldsRect();
    canvas.SetFont(Font());
    const TCanvasClip clip = canvas.SaveClip();
    canvas.IntersectClipRect(fields);
    int32_t left = fields.Left;
    int32_t field = -1;
    const bool showCurrent = Focused() && FChecked && !FDroppedDown;
    for (const TSection& section : sections) {
        const String text = SectionText(section, twelveHour);
        const int32_t width = canvas.TextWidth(text);
        TRect rect = Rect(left, fields.Top, left + width, fields.Bottom);
        const bool editable = section.Kind != TFieldKind::fkLiteral && section.Kind != TFieldKind::fkWeekDay;
        if (editable)
            ++field;
        const bool current = showCurrent && editable && field == FField;
        if (current) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(rect);
        }
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(!Enabled() || !FChecked ? clGrayText : current ? clHighlightText : Font().Color());
        canvas.DrawText(text, rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        left += width;
    }
    canvas.RestoreClip(clip);
}
