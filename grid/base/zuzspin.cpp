#include "grid/base/zuzspin.h"

#include "grid/base/DudXPVS.h"
#include "grid/base/EditButtonLayout.h"
#include "grid/base/FocusControlLink.h"

#include "platform/core/FloatUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/CanvasExtras.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr uint32_t FirstRepeatDelay = 400;
constexpr uint32_t RepeatInterval = 100;
constexpr int32_t VerticalButtonWidth = 15;
constexpr int32_t HorizontalButtonWidth = 20;
constexpr TColor GlyphBackground = clOlive;

// The built-in arrow pictures, 9 by 6: '#' arrow, '.' transparent.
constexpr const char* UpArrowRows[] = { ".........", "....#....", "...###...", "..#####..", ".#######.", "........." };
constexpr const char* DownArrowRows[] = { ".........", ".#######.", "..#####..", "...###...", "....#....", "........." };

TBitmap ArrowGlyph(const char* const (&rows)[6])
{
    TBitmap glyph(9, 6);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 9; ++x)
            glyph.Canvas().SetPixels(x, y, rows[y][x] == '#' ? clBlack : GlyphBackground);
    return glyph;
}

bool Unbounded(double minimum, double maximum) { return minimum == maximum; }

template <typename T>
T Clamped(T value, T minimum, T maximum)
{
    if (Unbounded(minimum, maximum))
        return value;
    return value < minimum ? minimum : value > maximum ? maximum : value;
}

// The same day in a month months away, clipped to that month's length.
TDateTime IncMonthClipped(TDateTime date, int32_t months)
{
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    const int32_t monthIndex = year * 12 + (month - 1) + months;
    year = monthIndex / 12;
    month = monthIndex % 12 + 1;
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, std::min(day, DaysInAMonth(year, month)), result))
        return date;
    return result + (date - std::floor(date));
}

// 1-based position of the first separator and of the next one after it,
// 0 when absent.
std::pair<int32_t, int32_t> SeparatorPositions(const String& text, QChar separator)
{
    const auto first = static_cast<int32_t>(text.indexOf(separator)) + 1;
    const int32_t second = first > 0 ? static_cast<int32_t>(text.indexOf(separator, first)) + 1 : 0;
    return { first, second };
}

} // namespace

// ---- TDudTimerSpeedButton

TDudTimerSpeedButton::TDudTimerSpeedButton(TComponent* owner) : TSpeedButton(owner) { }

TDudTimerSpeedButton::~TDudTimerSpeedButton() = default;

TZuzSpinButton* TDudTimerSpeedButton::Owner() const { return dynamic_cast<TZuzSpinButton*>(Parent()); }

void TDudTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TSpeedButton::MouseDown(button, shift, x, y);
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->OnTimer = [this](TComponent*) { TimerExpired(); };
        }
        FRepeatTimer->SetInterval(FirstRepeatDelay);
        FRepeatTimer->SetEnabled(true);
    }
    if (Parent())
        Parent()->Invalidate();
}

void TDudTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TSpeedButton::MouseUp(button, shift, x, y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (Parent())
        Parent()->Invalidate();
}

void TDudTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(RepeatInterval);
    if (State() != bsDown || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TDudTimerSpeedButton::CMMouseEnter(TMessage& message)
{
    TSpeedButton::CMMouseEnter(message);
    FHasMouse = true;
    Invalidate();
}

void TDudTimerSpeedButton::CMMouseLeave(TMessage& message)
{
    TSpeedButton::CMMouseLeave(message);
    FHasMouse = false;
    Invalidate();
}

void TDudTimerSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect rect = ClientRect();
    const bool down = State() == bsDown || State() == bsExclusive;
    const TZuzSpinButton* owner = Owner();
    if (owner && owner->ButtonColor() != clNone) {
        const TColor face = down ? owner->ButtonColorDown() : FHasMouse ? owner->ButtonColorHot() : owner->ButtonColor();
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(face);
        canvas.Pen().SetColor(face);
        canvas.Rectangle(rect);
        struct TArrow {
            TPoint Points[3];
        };
        static constexpr TArrow Arrows[] = {
            { { { 5, 5 }, { 3, 7 }, { 5, 9 } } }, // bdLeft
            { { { 3, 5 }, { 5, 7 }, { 3, 9 } } }, // bdRight
            { { { 4, 4 }, { 8, 4 }, { 6, 2 } } }, // bdUp
            { { { 4, 2 }, { 8, 2 }, { 6, 4 } } }, // bdDown
        };
        TPoint points[3];
        for (int32_t index = 0; index < 3; ++index) {
            const TPoint& offset = Arrows[FButtonDirection].Points[index];
            points[index] = { rect.Left + offset.X, rect.Top + offset.Y };
        }
        canvas.Brush().SetColor(clBlack);
        canvas.Pen().SetColor(clBlack);
        canvas.Polygon(points);
        return;
    }
    // Visual-style parts by direction: left 4, right 3, up 1, down 2.
    static constexpr int32_t ThemeParts[] = { 4, 3, 1, 2 };
    if (FIsWinXP && DrawThemePart(canvas, owner, u"spin", ThemeParts[FButtonDirection], down ? 3 : FHasMouse ? 2 : 1, rect))
        return;
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        const uint32_t arrow = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        DrawFrameControl(canvas, rect, DFC_SCROLL, arrow | (down ? DFCS_PUSHED : 0) | (Flat() ? DFCS_FLAT : 0));
        return;
    }
    TSpeedButton::Paint();
}

// ---- TZuzSpinButton

TZuzSpinButton::TZuzSpinButton(TComponent* owner) : TWinControl(owner)
{
    TControlStyle style = ControlStyle();
    style >> csAcceptsControls >> csSetCaption;
    style << csOpaque;
    SetControlStyle(style);
    FUpButton = CreateButton(bdUp);
    FDownButton = CreateButton(bdDown);
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    SetBounds(0, 0, VerticalButtonWidth, 25);
    FFocusedButton = FUpButton;
}

TZuzSpinButton::~TZuzSpinButton() { Destroying(); }

TDudTimerSpeedButton* TZuzSpinButton::CreateButton(TButtonDirection direction)
{
    auto* button = new TDudTimerSpeedButton(this);
    button->OnClick = [this](TComponent* sender) { BtnClick(sender); };
    button->OnMouseDown = [this](TComponent* sender, TMouseButton mouseButton, TShiftState, int32_t, int32_t) {
        BtnMouseDown(sender, mouseButton);
    };
    button->SetTimeBtnState({ tbAllowTimer });
    button->SetButtonDirection(direction);
    button->SetParent(this);
    return button;
}

void TZuzSpinButton::BtnClick(TComponent* sender)
{
    if (sender == FUpButton) {
        if (OnUpClick)
            OnUpClick(this);
    } else if (OnDownClick)
        OnDownClick(this);
}

void TZuzSpinButton::BtnMouseDown(TComponent* sender, TMouseButton button)
{
    if (button != mbLeft)
        return;
    FocusBtn(static_cast<TDudTimerSpeedButton*>(sender));
    auto takesFocus = [](TWinControl* control) { return control->TabStop() && control->CanFocus() && !control->Focused(); };
    if (FFocusControl) {
        if (takesFocus(FFocusControl))
            FFocusControl->SetFocus();
    } else if (takesFocus(this))
        SetFocus();
}

void TZuzSpinButton::FocusBtn(TDudTimerSpeedButton* button)
{
    if (!TabStop() || !CanFocus() || button == FFocusedButton)
        return;
    TTimeBtnState state = FFocusedButton->TimeBtnState();
    FFocusedButton->SetTimeBtnState(state >> tbFocusRect);
    FFocusedButton = button;
    if (Focused()) {
        state = FFocusedButton->TimeBtnState();
        FFocusedButton->SetTimeBtnState(state << tbFocusRect);
        Invalidate();
    }
}

void TZuzSpinButton::SetFocusControl(TWinControl* control)
{
    SetLinkedFocusControl(this, FFocusControl, control);
}

void TZuzSpinButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TZuzSpinButton::SetDirection(TSpinDirection direction)
{
    if (direction == FDirection)
        return;
    FDirection = direction;
    const bool horizontal = FDirection == spHorizontal;
    FUpButton->SetButtonDirection(horizontal ? bdRight : bdUp);
    FDownButton->SetButtonDirection(horizontal ? bdLeft : bdDown);
    SetWidth(horizontal ? HorizontalButtonWidth : VerticalButtonWidth);
    Invalidate();
}

void TZuzSpinButton::SetUpGlyph(const TBitmap* glyph)
{
    if (glyph)
        FUpButton->SetGlyph(*glyph);
    else {
        FUpButton->SetGlyph(ArrowGlyph(UpArrowRows));
        FUpButton->SetNumGlyphs(1);
        FUpButton->Invalidate();
    }
}

void TZuzSpinButton::SetDownGlyph(const TBitmap* glyph)
{
    if (glyph)
        FDownButton->SetGlyph(*glyph);
    else {
        FDownButton->SetGlyph(ArrowGlyph(DownArrowRows));
        FDownButton->SetNumGlyphs(1);
        FDownButton->Invalidate();
    }
}

void TZuzSpinButton::SetWinXPLook(bool isWinXP)
{
    FIsWinXP = isWinXP;
    FUpButton->SetIsWinXP(isWinXP);
    FDownButton->SetIsWinXP(isWinXP);
}

void TZuzSpinButton::AdjustSize(int32_t& width, int32_t& height)
{
    if (!FUpButton || !FDownButton || (ComponentState() & csLoading) != 0)
        return;
    if (FDirection == spVertical) {
        width = std::max(width, VerticalButtonWidth);
        const int32_t upHeight = height / 2;
        FUpButton->SetBounds(0, 0, width, upHeight);
        FDownButton->SetBounds(0, upHeight - 1, width, height - upHeight + 1);
    } else {
        width = std::max(width, HorizontalButtonWidth);
        const int32_t half = width / 2;
        FDownButton->SetBounds(0, 0, half, height);
        FUpButton->SetBounds(half + 1, 0, half, height);
    }
}

void TZuzSpinButton::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    AdjustSize(width, height);
    TWinControl::SetBounds(left, top, width, height);
}

void TZuzSpinButton::Resize()
{
    int32_t width = Width();
    int32_t height = Height();
    AdjustSize(width, height);
    if (width != Width() || height != Height())
        TWinControl::SetBounds(Left(), Top(), width, height);
    TWinControl::Resize();
}

void TZuzSpinButton::Loaded()
{
    TWinControl::Loaded();
    int32_t width = Width();
    int32_t height = Height();
    AdjustSize(width, height);
    if (width != Width() || height != Height())
        TWinControl::SetBounds(Left(), Top(), width, height);
}

void TZuzSpinButton::KeyDown(uint16_t& key, TShiftState)
{
    switch (key) {
    case VK_SPACE:
        FFocusedButton->Click();
        break;
    case VK_UP:
        FocusBtn(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        FocusBtn(FDownButton);
        FDownButton->Click();
        break;
    default:
        break;
    }
}

void TZuzSpinButton::WMSetFocus(TMessage&)
{
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() << tbFocusRect);
    FFocusedButton->Invalidate();
}

void TZuzSpinButton::WMKillFocus(TMessage&)
{
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() >> tbFocusRect);
    FFocusedButton->Invalidate();
}

void TZuzSpinButton::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_GETDLGCODE) {
        message.Result = DLGC_WANTARROWS;
        return;
    }
    TWinControl::DefaultHandler(message);
}

// ---- TZuzSpinEdit

TZuzSpinEdit::TZuzSpinEdit(TComponent* owner) : TCustomMaskEdit(owner)
{
    FButton = new TZuzSpinButton(this);
    FButton->SetBounds(0, 0, VerticalButtonWidth, 17);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TComponent* sender) { UpButtonClick(sender); };
    FButton->OnDownClick = [this](TComponent* sender) { DownButtonClick(sender); };
    SetText(QStringLiteral("0"));
    TControlStyle style = ControlStyle();
    SetControlStyle(style >> csSetCaption);
    Resize();
}

TZuzSpinEdit::~TZuzSpinEdit()
{
    Destroying();
    FButton = nullptr;
}

int32_t TZuzSpinEdit::Value() const
{
    const String text = Trim(Text());
    if (text.isEmpty())
        return 0;
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : FMinValue;
}

void TZuzSpinEdit::SetValue(int32_t value)
{
    SetText(IntToStr(Clamped(value, FMinValue, FMaxValue)));
    if (!FEditorEnabled)
        SelectAll();
}

double TZuzSpinEdit::FloatValue() const
{
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : FMinFloatValue;
}

void TZuzSpinEdit::SetFloatValue(double value)
{
    value = Clamped(value, FMinFloatValue, FMaxFloatValue);
    SetText(FPrecision != 0 ? FloatToStrF(value, TFloatFormat::ffFixed, 15, FPrecision) : FloatToStr(value));
}

TDateTime TZuzSpinEdit::DateValue() const
{
    if (Text().isEmpty() || Text() == QStringLiteral("0"))
        return Now();
    TDateTime value = 0;
    return TryStrToDate(Text(), value) ? value : FMinDateValue;
}

void TZuzSpinEdit::SetTextKeepingCaret(const String& text)
{
    const int32_t caret = SelStart();
    SetText(text);
    SetSelStart(caret);
}

void TZuzSpinEdit::SetDateValue(TDateTime value)
{
    FDateValue = value;
    if (Loading())
        return;
    SetTextKeepingCaret(DateToStr(Clamped(value, FMinDateValue, FMaxDateValue)));
}

TDateTime TZuzSpinEdit::TimeValue() const
{
    TDateTime value = 0;
    return TryStrToTime(Text(), value) ? value : 0;
}

void TZuzSpinEdit::SetTimeValue(TDateTime value)
{
    FTimeValue = value;
    if (Loading())
        return;
    value = Clamped(value, FMinDateValue, FMaxDateValue);
    SetTextKeepingCaret(FShowSeconds ? TimeToStr(value) : FormatDateTime(QStringLiteral("h:nn"), value));
}

void TZuzSpinEdit::SetSpinType(TZuzSpinType spinType)
{
    FSpinType = spinType;
    switch (FSpinType) {
    case sptNormal:
        SetValue(Value());
        break;
    case sptFloat:
        SetFloatValue(FloatValue());
        break;
    case sptDate:
        SetDateValue(DateValue());
        break;
    case sptTime:
        SetTimeValue(TimeValue());
        break;
    }
}

void TZuzSpinEdit::SetPrecision(int32_t precision)
{
    FPrecision = precision;
    if (FSpinType == sptFloat)
        SetFloatValue(FloatValue());
}

void TZuzSpinEdit::SetDirection(TSpinDirection direction)
{
    FDirection = direction;
    FButton->SetDirection(direction);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TZuzSpinEdit::SetEditAlign(TEditAlign align)
{
    FEditAlign = align;
    SetAlignment(align == eaRight ? taRightJustify : align == eaCenter ? taCenter : taLeftJustify);
}

void TZuzSpinEdit::SetSpinFlat(bool flat)
{
    FSpinFlat = flat;
    FButton->UpButton()->SetFlat(flat);
    FButton->DownButton()->SetFlat(flat);
}

void TZuzSpinEdit::SetSpinTransparent(bool transparent)
{
    FSpinTransparent = transparent;
    FButton->UpButton()->SetTransparent(transparent);
    FButton->DownButton()->SetTransparent(transparent);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TZuzSpinEdit::SetWinXPLook(bool isWinXP)
{
    FIsWinXP = isWinXP;
    FButton->SetWinXPLook(isWinXP);
}

void TZuzSpinEdit::UpButtonClick(TComponent*) { StepUp(false); }
void TZuzSpinEdit::DownButtonClick(TComponent*) { StepDown(false); }
void TZuzSpinEdit::StepUp(bool page) { Step(1, page); }
void TZuzSpinEdit::StepDown(bool page) { Step(-1, page); }

void TZuzSpinEdit::Step(int32_t sign, bool page)
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    switch (FSpinType) {
    case sptNormal: {
        // An unbounded editor at the end of the integer range stays there
        // instead of wrapping round to the other end.
        const int64_t stepped = int64_t { Value() } + int64_t { sign } * FIncrement;
        SetValue(static_cast<int32_t>(std::clamp<int64_t>(stepped, std::numeric_limits<int32_t>::min(),
                                                          std::numeric_limits<int32_t>::max())));
        break;
    }
    case sptFloat:
        SetFloatValue(FloatValue() + sign * (page ? FIncrementFloatPage : FIncrementFloat));
        break;
    case sptDate:
        StepDate(sign);
        break;
    case sptTime:
        StepTime(sign);
        break;
    }
}

void TZuzSpinEdit::StepDate(int32_t sign)
{
    const String format = FormatSettings().ShortDateFormat.toUpper();
    const auto monthAt = format.indexOf(u'M');
    const auto dayAt = format.indexOf(u'D');
    FUsDates = monthAt >= 0 && (dayAt < 0 || monthAt < dayAt);
    const auto [first, second] = SeparatorPositions(Text(), FormatSettings().DateSeparator);
    const int32_t caret = SelStart();
    enum { Day, Month, Year } field = Year;
    if (caret < first)
        field = FUsDates ? Month : Day;
    else if (caret < second)
        field = FUsDates ? Day : Month;
    const TDateTime date = DateValue();
    switch (field) {
    case Day:
        SetDateValue(date + sign);
        break;
    case Month:
        SetDateValue(IncMonthClipped(date, sign));
        break;
    case Year:
        // 29 February steps to 28 February in a year without that day.
        SetDateValue(IncMonthClipped(date, sign * 12));
        break;
    }
}

void TZuzSpinEdit::StepTime(int32_t sign)
{
    const auto [first, second] = SeparatorPositions(Text(), FormatSettings().TimeSeparator);
    const int32_t caret = SelStart();
    // Increments are fractions of a day, so any count of hours, minutes or
    // seconds steps instead of failing as a time of day would.
    double delta = 0;
    if (caret < first)
        delta = FIncrementHours / 24.0;
    else if (FShowSeconds && caret >= second)
        delta = FIncrementSeconds / 86400.0;
    else
        delta = FIncrementMinutes / 1440.0;
    if (sign > 0) {
        SetTimeValue(TimeValue() + delta);
        return;
    }
    double value = TimeValue() + 1 - delta;
    if (value > 1)
        value -= 1;
    SetTimeValue(value);
}

bool TZuzSpinEdit::CharAllowed(TChar& key)
{
    if (key == 8)
        return FEditorEnabled;
    const TFormatSettings& settings = FormatSettings();
    const QChar character(key);
    const QChar decimal = settings.DecimalSeparator;
    const QChar thousand = settings.ThousandSeparator;
    const int32_t selStart = SelStart();
    const String text = Text();
    const bool number = character.isNumber();
    bool allowed = character == decimal || character == thousand || character == settings.TimeSeparator
        || character == settings.DateSeparator || number || character == u'-' || (key < 32 && key != 13);
    auto keptAsNumberSeparator = [&] {
        return (character == decimal || character == thousand || character == u'-' || character == u'+')
            && (FSpinType == sptNormal || FSpinType == sptFloat);
    };
    if (character == settings.TimeSeparator && FSpinType != sptTime)
        allowed = allowed && keptAsNumberSeparator();
    if (character == settings.DateSeparator && FSpinType != sptDate)
        allowed = allowed && keptAsNumberSeparator();
    if (character == u'-') {
        if (selStart != 0)
            allowed = false;
        else if (text.contains(u'-') && !SelText().contains(u'-'))
            allowed = false;
    }
    if (FSpinType == sptNormal)
        allowed = allowed && (number || character == u'-');
    if (FSpinType == sptFloat && key != 27 && key != 13 && key != 8) {
        if (character == thousand)
            allowed = false;
        if (character == decimal && text.contains(decimal) && !SelText().contains(decimal))
            allowed = false;
        const auto decimalAt = static_cast<int32_t>(text.indexOf(decimal)) + 1;
        if (FPrecision > 0 && decimalAt > 0 && selStart >= decimalAt && SelLength() == 0
            && text.size() >= decimalAt + FPrecision)
            allowed = false;
    }
    if (FSpinType == sptTime && character == settings.TimeSeparator && text.count(settings.TimeSeparator) >= 2)
        allowed = false;
    if (!FEditorEnabled && key >= 32)
        allowed = false;
    return allowed;
}

void TZuzSpinEdit::KeyPress(TChar& key)
{
    if (!CharAllowed(key)) {
        key = 0;
        MessageBeep(0);
    }
    if (key != 0)
        TCustomMaskEdit::KeyPress(key);
}

void TZuzSpinEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_RETURN && FReturnIsTab) {
        key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    if (key == VK_DELETE && !FEditorEnabled)
        key = 0;
    TCustomMaskEdit::KeyDown(key, shift);
}

void TZuzSpinEdit::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_PRIOR:
            StepUp(true);
            message.Result = 0;
            return;
        case VK_NEXT:
            StepDown(true);
            message.Result = 0;
            return;
        case VK_UP:
            StepUp(false);
            message.Result = 0;
            return;
        case VK_DOWN:
            StepDown(false);
            message.Result = 0;
            return;
        default:
            break;
        }
        break;
    case WM_CHAR:
        if (FExcelStyleDecimalSeparator && message.WParam == u'.' && (message.LParam & KeypadScanCodeFlag) != 0)
            message.WParam = FormatSettings().DecimalSeparator.unicode();
        break;
    case WM_PASTE:
    case WM_CUT:
        if (!FEditorEnabled || ReadOnly())
            return;
        break;
    case CM_ENTER:
        if (AutoSelect() && (!IsMouseButtonDown(mbLeft) || !FEditorEnabled))
            SelectAll();
        break;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(message);
    if (message.Msg != CM_EXIT)
        return;
    switch (FSpinType) {
    case sptNormal:
        if (const int32_t value = Value(); Clamped(value, FMinValue, FMaxValue) != value)
            SetValue(value);
        break;
    case sptFloat:
        if (const double value = FloatValue(); Clamped(value, FMinFloatValue, FMaxFloatValue) != value)
            SetFloatValue(value);
        break;
    case sptDate:
        if (const TDateTime value = DateValue(); Clamped(value, FMinDateValue, FMaxDateValue) != value)
            SetDateValue(value);
        break;
    case sptTime:
        if (const TDateTime value = TimeValue(); Clamped(value, FMinDateValue, FMaxDateValue) != value)
            SetTimeValue(value);
        break;
    }
}

void TZuzSpinEdit::Loaded()
{
    TCustomMaskEdit::Loaded();
    if (FSpinType == sptDate)
        SetText(DateToStr(FDateValue));
    else if (FSpinType == sptTime)
        SetText(FShowSeconds ? TimeToStr(FTimeValue) : FormatDateTime(QStringLiteral("h:nn"), FTimeValue));
    SetSpinType(FSpinType);
}

int32_t TZuzSpinEdit::GetMinHeight() const
{
    TCanvas canvas;
    const int32_t systemHeight = canvas.TextHeight(QStringLiteral("W"));
    canvas.SetFont(Font());
    const int32_t fontHeight = canvas.TextHeight(QStringLiteral("W"));
    constexpr int32_t SystemBorderHeight = 1;
    return fontHeight + std::min(fontHeight, systemHeight) / 4 + 2
        + (BorderStyle() == bsSingle ? 4 * SystemBorderHeight : 0);
}

// Positions are those of the platform's client area, which begins inside the
// sunken border.
void TZuzSpinEdit::Resize()
{
    TCustomMaskEdit::Resize();
    if (!FButton)
        return;
    if (PlaceEditButton(*this, BorderStyle(), BorderInset(), *FButton, GetMinHeight()))
        SetEditRect();
}

void TZuzSpinEdit::SetEditRect()
{
    const int32_t margin = BorderStyle() == bsNone ? 3 : 0;
    const TRect client = InsideBorder(*this, BorderInset());
    TRect rect = Rect(margin, margin, client.Width() - FButton->Width() - 2 - margin, client.Height() + 1);
    rect.Offset(client.Left, client.Top);
    TCustomMaskEdit::SetEditRect(rect);
}
