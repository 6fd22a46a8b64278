#include "grid/base/DudDateTimePicker.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"

#include <cmath>

namespace {

// The flat outline of the themed look: red 127, green 157, blue 185.
constexpr TColor ThemedFrameColor = 0xB99D7F;

// The time picker a picker let go of is freed once the handler that let go
// of it has returned: it may be the sender of that handler's event.
uint32_t ReleaseTimePickerMessage()
{
    static const uint32_t message = RegisterWindowMessage(QStringLiteral("DudDateTimePickerRelease"));
    return message;
}

TDateTime WholeSeconds(TDateTime value)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milli = 0;
    const TDateTime days = std::trunc(value);
    DecodeTime(std::abs(value - days), hour, minute, second, milli);
    return ComposeDateTime(days, EncodeTime(hour, minute, second, 0));
}

} // namespace

TRect TimePartBounds(const TTimePartLook& look, int32_t width, int32_t height, int32_t textWidth)
{
    const int32_t w = textWidth + 31;
    if (!look.VistaOrLater)
        return Bounds(width - w - 21, -2, w, height);
    const int32_t b = look.Bevel ? 4 : 0;
    if (!look.ComCtl6 || !look.ThemeApi)
        return Bounds(width - w - b - 23, -2, w, height - b);
    if (!look.ThemeActive)
        return Bounds(width - w - b - 21, 2, w, height - b - 4);
    if (look.Metro)
        return Bounds(width - w - b - 21, 1, w, height - b - 2);
    return Bounds(width - w - b - 34, 1, w, height - b - 2);
}

uint32_t DTPShiftFocusMessage()
{
    static const uint32_t message = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return message;
}

// ---- TCustomDateTimePicker

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* owner) : TZuzDateTimePicker(owner)
{
    SetCtl3D(false);
    SetBorderColor(0);
}

TCustomDateTimePicker::~TCustomDateTimePicker() = default;

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle style) { TZuzDateTimePicker::SetBorderStyle(style); }

bool TCustomDateTimePicker::IsMetroActive() const { return MetroStyle() && !NativePaint(); }

bool TCustomDateTimePicker::FlatFrameWanted() const { return !Ctl3D(); }

void TCustomDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == DTPShiftFocusMessage())
        ShiftFocus();
    TZuzDateTimePicker::WndProc(message);
}

void TCustomDateTimePicker::KeyPress(TChar& key)
{
    const bool digit = FAutoTab && key >= u'0' && key <= u'9';
    if (digit && Kind() == dtkTime)
        DecodeTime(Time(), Fh, Fm, Fs, Fms);
    TZuzDateTimePicker::KeyPress(key);
    if (digit)
        PostMessage(this, DTPShiftFocusMessage());
}

void TCustomDateTimePicker::ShiftFocus()
{
    if (Kind() != dtkTime)
        return;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milli = 0;
    DecodeTime(Time(), hour, minute, second, milli);
    if (hour != Fh || minute != Fm || second != Fs)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT);
}

void TCustomDateTimePicker::Paint()
{
    TDateTimePicker::Paint();
    TCanvas& canvas = Canvas();
    if (IsMetroActive() && Kind() != dtkTime)
        PaintMetroButton(canvas, Rect(ClientWidth() - MetroButtonWidth() - 4, 1, ClientWidth(), Height()));
    DrawBorders(canvas);
    if (!Ctl3D()) {
        const TWinControl* parent = Parent();
        TColor pen = BorderColor();
        if (BorderStyle() == bsNone && parent)
            pen = parent->Color();
        else if (IsComCtl6())
            pen = ThemedFrameColor;
        canvas.Brush().SetStyle(bsClear);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(pen);
        const int32_t width = Width();
        const int32_t height = Height();
        const TPoint outline[] = { { 0, height }, { 0, 0 }, { width - 1, 0 }, { width - 1, height - 1 }, { 0, height - 1 } };
        canvas.Polyline(outline);
        if (IsVistaOrLater() && !VisualStylesActive()) {
            const TPoint second[] = { { 1, height }, { 1, 1 }, { width - 2, 1 }, { width - 2, height - 2 }, { 0, height - 2 } };
            canvas.Polyline(second);
        }
    }
    PaintNonClient(canvas);
}

// ---- TDudDateTimePicker

TDudDateTimePicker::TDudDateTimePicker(TComponent* owner) : TCustomDateTimePicker(owner)
{
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    CreateTimePicker();
    FLabelFont.OnChange = [this](TFont*) {
        if (FLabel)
            UpdateLabel();
    };
}

TDudDateTimePicker::~TDudDateTimePicker()
{
    Destroying();
    FLabelFont.OnChange = nullptr;
}

uint32_t TDudDateTimePicker::GetVersionNr() const { return 0x01020000; }

void TDudDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    CreateTimePicker();
    UpdateTimePicker();
    if (!Checked()) {
        SetChecked(false);
        if (FTimePicker)
            FTimePicker->SetEnabled(false);
    }
    if (!FLabel)
        return;
    if (!FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    UpdateLabel();
    if (ParentFont())
        FLabel->SetFont(Font());
    FParentFnt = ParentFont();
    UpdateLabel();
}

void TDudDateTimePicker::SetLabelFont(const TFont& font)
{
    if (!ParentFont())
        FLabelFont.Assign(font);
}

void TDudDateTimePicker::Notification(TComponent* component, TOperation operation)
{
    TCustomDateTimePicker::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FLabel)
        FLabel = nullptr;
    if (component == FTimePicker)
        FTimePicker = nullptr;
}

void TDudDateTimePicker::SetDudKind(TDudDateTimeKind kind)
{
    if (kind == FKind)
        return;
    FKind = kind;
    SetKind(kind == dkTime ? dtkTime : dtkDate);
    if (kind == dkTime && !FTimeFormat.isEmpty())
        SetFormat(FTimeFormat);
    if (kind == dkDateTime)
        CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TDudDateTimePicker::DateTime()
{
    if (FTimePicker)
        TDateTimePicker::SetTime(FTimePicker->Time());
    return TDateTimePicker::DateTime();
}

void TDudDateTimePicker::SetDateTime(TDateTime value)
{
    value = WholeSeconds(value);
    TDateTimePicker::SetDateTime(value);
    CreateTimePicker();
    if (FTimePicker)
        FTimePicker->SetDateTime(value);
}

void TDudDateTimePicker::SetDate(TDateTime value)
{
    SetDateTime(ComposeDateTime(std::trunc(value), TDateTimePicker::Time()));
}

TDateTime TDudDateTimePicker::Time() const
{
    if (FKind == dkDateTime && FTimePicker)
        return FTimePicker->Time();
    return TDateTimePicker::Time();
}

void TDudDateTimePicker::SetTime(TDateTime value)
{
    TDateTimePicker::SetTime(value);
    UpdateTimePicker();
}

void TDudDateTimePicker::SetTimeFormat(const String& format)
{
    if (FTimePicker)
        FTimePicker->SetFormat(format);
    if (FKind == dkTime)
        SetFormat(format);
    FTimeFormat = format;
    UpdateTimePicker();
}

void TDudDateTimePicker::SetAutoTab(bool autoTab)
{
    TCustomDateTimePicker::SetAutoTab(autoTab);
    if (FTimePicker)
        FTimePicker->SetAutoTab(autoTab);
}

void TDudDateTimePicker::SetBorderStyle(TBorderStyle style)
{
    TCustomDateTimePicker::SetBorderStyle(style);
    UpdateTimePicker();
}

void TDudDateTimePicker::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    TCustomDateTimePicker::SetBounds(left, top, width, height);
    if (FLabel && FLabel->Parent())
        UpdateLabel();
}

void TDudDateTimePicker::SetParent(TWinControl* parent)
{
    TCustomDateTimePicker::SetParent(parent);
    if (FLabel) {
        FLabel->SetParent(parent);
        UpdateLabel();
    }
}

void TDudDateTimePicker::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TDudDateTimePicker::DoClick()
{
    if (OnClick)
        OnClick(this);
}

void TDudDateTimePicker::TimePickerKeyPress(TChar&) { }

void TDudDateTimePicker::CreateTimePicker()
{
    if (FTimePicker || FKind != dkDateTime)
        return;
    FTimePicker = new TCustomDateTimePicker(this);
    FreeNotification(FTimePicker);
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->SetKind(dtkTime);
    FTimePicker->SetTabStop(false);
    FTimePicker->OnChange = [this](TComponent*) {
        // The value keeps the time part's time of day.
        TDateTimePicker::ApplyDateTime(ComposeDateTime(Date(), FTimePicker->Time()));
        DoChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TComponent*) { DoClick(); };
    FTimePicker->OnKeyPress = [this](TComponent*, TChar& key) { TimePickerKeyPress(key); };
    FTimePicker->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState shift) { KeyDown(key, shift); };
}

void TDudDateTimePicker::UpdateTimePicker()
{
    if (!FTimePicker)
        return;
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    if (FKind != dkDateTime) {
        // Let go of it now, free it once whatever event is running is over.
        TCustomDateTimePicker* released = FTimePicker;
        FTimePicker = nullptr;
        released->SetVisible(false);
        released->SetEnabled(false);
        PostMessage(this, ReleaseTimePickerMessage(), 0, reinterpret_cast<intptr_t>(released));
        return;
    }
    FTimePicker->SetVisible(Visible());
    FTimePicker->SetDateTime(TDateTimePicker::DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->SetFont(Font());
    TRect measured = Rect(0, 0, 1000, 200);
    Canvas().SetFont(Font());
    Canvas().DrawText(FTimePicker->Text().left(255), measured, DT_CALCRECT | DT_SINGLELINE);
    // The platform's controls have no bevels.
    const TTimePartLook look { IsVistaOrLater(), IsComCtl6(), DudThemeLibrary().Loaded(), VisualStylesActive(),
        MetroStyle(), false };
    TRect bounds = TimePartBounds(look, Width(), Height(), measured.Width());
    bounds.Bottom = std::max(bounds.Bottom, bounds.Top + 1);
    FTimePicker->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

void TDudDateTimePicker::SyncTimePickerEnabled()
{
    if (FTimePicker)
        FTimePicker->SetEnabled(Enabled() && Checked());
}

void TDudDateTimePicker::ApplyDateTime(TDateTime value)
{
    TCustomDateTimePicker::ApplyDateTime(value);
    if (ShowCheckbox() && FTimePicker) {
        SyncTimePickerEnabled();
        FIgnoreTimePickerCheck = FTimePicker->Enabled();
    }
}

void TDudDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == ReleaseTimePickerMessage()) {
        delete reinterpret_cast<TCustomDateTimePicker*>(message.LParam);
        return;
    }
    if (message.Msg == CN_NOTIFY && ShowCheckbox() && message.WParam == DTN_DATETIMECHANGE) {
        TCustomDateTimePicker::WndProc(message);
        if (!FIgnoreTimePickerCheck)
            SyncTimePickerEnabled();
        if (message.LParam == GDT_NONE && FTimePicker)
            FTimePicker->SetEnabled(false);
        FIgnoreTimePickerCheck = false;
        return;
    }
    TCustomDateTimePicker::WndProc(message);
    if (message.Msg == DTM_SETSYSTEMTIME && message.WParam == GDT_NONE && ShowCheckbox())
        SyncTimePickerEnabled();
}

void TDudDateTimePicker::KeyPress(TChar& key)
{
    if (AutoTab() && key >= u'0' && key <= u'9')
        DecodeDate(Date(), Fy, Fmo, Fd);
    TCustomDateTimePicker::KeyPress(key);
}

// After a typed digit of the date: the last field of the format completed
// hands over to the time part; any other completed field moves on.
void TDudDateTimePicker::ShiftFocus()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::ShiftFocus();
        return;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(Date(), year, month, day);
    const bool dayChanged = day != Fd;
    const bool monthChanged = month != Fmo;
    const bool yearChanged = year != Fy;
    auto toTimePart = [this] {
        if (FTimePicker && FTimePicker->CanFocus())
            FTimePicker->SetFocus();
    };
    const String format = Format();
    if (!format.isEmpty()) {
        const QChar last = format.back().toLower();
        const bool lastCompleted = (last == u'd' && dayChanged) || (last == u'm' && monthChanged)
            || (last == u'y' && yearChanged);
        if (lastCompleted)
            toTimePart();
        else if (dayChanged || monthChanged || yearChanged)
            PostMessage(this, WM_KEYDOWN, VK_RIGHT);
        return;
    }
    if (dayChanged || monthChanged)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT);
    else if (yearChanged)
        toTimePart();
}

void TDudDateTimePicker::CMEnabledChanged(TMessage& message)
{
    TCustomDateTimePicker::CMEnabledChanged(message);
    if (FTimePicker)
        FTimePicker->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
}

void TDudDateTimePicker::CMVisibleChanged(TMessage& message)
{
    TCustomDateTimePicker::CMVisibleChanged(message);
    if (FLabel)
        FLabel->SetVisible(Visible());
    UpdateTimePicker();
}

void TDudDateTimePicker::CMColorChanged(TMessage& message)
{
    TCustomDateTimePicker::CMColorChanged(message);
    UpdateTimePicker();
}

void TDudDateTimePicker::CMFontChanged(TMessage& message)
{
    TCustomDateTimePicker::CMFontChanged(message);
    if (FLabel && ParentFont() && (ComponentState() & csLoading) != 0)
        FLabel->SetFont(Font());
}

void TDudDateTimePicker::CMParentFontChanged(TMessage& message)
{
    TCustomDateTimePicker::CMParentFontChanged(message);
    if (FLabel && ParentFont())
        FLabel->SetFont(Font());
}

void TDudDateTimePicker::WMSetFocus(TMessage& message)
{
    TCustomDateTimePicker::WMSetFocus(message);
    SetLabelBold(true);
}

void TDudDateTimePicker::WMKillFocus(TMessage& message)
{
    TCustomDateTimePicker::WMKillFocus(message);
    SetLabelBold(false);
}

void TDudDateTimePicker::Resize()
{
    TCustomDateTimePicker::Resize();
    UpdateTimePicker();
}

void TDudDateTimePicker::Paint()
{
    if (FFirstRun) {
        FFirstRun = false;
        UpdateTimePicker();
    }
    TCustomDateTimePicker::Paint();
}

// ---- the label

String TDudDateTimePicker::LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }

void TDudDateTimePicker::SetLabelCaption(const String& caption)
{
    if (!FLabel)
        CreateLabel();
    FLabel->SetCaption(caption);
    UpdateLabel();
}

void TDudDateTimePicker::SetLabelPosition(TLabelPosition position)
{
    FLabelPosition = position;
    if (FLabel)
        UpdateLabel();
}

void TDudDateTimePicker::SetLabelMargin(int32_t margin)
{
    FLabelMargin = margin;
    if (FLabel)
        UpdateLabel();
}

void TDudDateTimePicker::SetLabelTransparent(bool transparent)
{
    FLabelTransparent = transparent;
    if (FLabel)
        UpdateLabel();
}

void TDudDateTimePicker::SetLabelAlwaysEnabled(bool alwaysEnabled)
{
    FLabelAlwaysEnabled = alwaysEnabled;
    if (FLabel && alwaysEnabled)
        FLabel->SetEnabled(true);
    Invalidate();
}

void TDudDateTimePicker::CreateLabel()
{
    FLabel = new TLabel(this);
    FreeNotification(FLabel);
    if (Parent())
        FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->SetFont(FLabelFont);
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TComponent*) {
        if (OnLabelClick)
            OnLabelClick(this);
    };
    FLabel->OnDblClick = [this](TComponent*) {
        if (OnLabelDblClick)
            OnLabelDblClick(this);
    };
}

// The combo's placements, with the caption's width measured on the label.
void TDudDateTimePicker::UpdateLabel()
{
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FParentFnt ? Font() : FLabelFont);
    FLabel->Canvas().SetFont(FLabel->Font());
    const int32_t captionWidth = FLabel->Canvas().TextWidth(FLabel->Caption());
    const TPoint place = LabelPlacement(FLabelPosition, BoundsRect(), captionWidth,
        TSize { FLabel->Width(), FLabel->Height() }, FLabelMargin);
    FLabel->SetBounds(place.X, place.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TDudDateTimePicker::SetLabelBold(bool bold)
{
    if (!FLabel || !FFocusLabel)
        return;
    TFontStyles style = FLabel->Font().Style();
    if (bold)
        style << fsBold;
    else
        style = style - TFontStyles { fsBold };
    FLabel->Font().SetStyle(style);
}
