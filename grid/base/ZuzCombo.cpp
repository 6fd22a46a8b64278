#include "grid/base/ZuzCombo.h"

#include "grid/base/DudStyleIF.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Forms.h"

namespace {

// The platform's vertical scroll bar width; the drop button is 2 wider.
constexpr int32_t SystemScrollBarWidth = 17;
constexpr int32_t MinButtonWidth = 14;
constexpr int32_t MaxButtonWidth = 32;
// The frame of a disabled control in the themed look that does not keep its
// normal frame: red 127, green 157, blue 185.
constexpr TColor DisabledThemedBorderColor = 0xB99D7F;

void FrameWith(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(rect);
}

} // namespace

TZuzCustomCombo::TZuzCustomCombo(TComponent* owner)
    : TCustomComboBox(owner)
    , FButtonWidth(SystemScrollBarWidth + 2)
    , FIsThemed(IsComCtl6())
{
    FLabelFont.OnChange = [this](TFont*) { LabelFontChanged(); };
}

TZuzCustomCombo::~TZuzCustomCombo() { Destroying(); }

void TZuzCustomCombo::Notification(TComponent* component, TOperation operation)
{
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove && component == FLabel)
        FLabel = nullptr;
}

void TZuzCustomCombo::SelectItem(const String& text)
{
    const int32_t index = Items().IndexOf(text);
    if (index >= 0)
        SetItemIndex(index);
}

void TZuzCustomCombo::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    TCustomComboBox::SetBounds(left, top, width, height);
    if (FLabel && (ComponentState() & csDestroying) == 0)
        UpdateLabel();
}

void TZuzCustomCombo::SetEnabled(bool enabled)
{
    const bool changed = enabled != Enabled();
    TCustomComboBox::SetEnabled(enabled);
    if (changed && !Loading() && FLabel && !FLabelAlwaysEnabled) {
        FLabel->SetEnabled(enabled);
        UpdateLabel();
    }
}

void TZuzCustomCombo::SetVisible(bool visible)
{
    TCustomComboBox::SetVisible(visible);
    if (FLabel)
        FLabel->SetVisible(visible);
}

void TZuzCustomCombo::SetColor(TColor color)
{
    if (Loading())
        FLoadedColor = color;
    TCustomComboBox::SetColor(color);
}

void TZuzCustomCombo::SetFlat(bool flat)
{
    if (flat == FFlat)
        return;
    FFlat = flat;
    if (FFlatParentColor && FFlat) {
        if (Parent())
            TCustomComboBox::SetColor(Parent()->Color());
    } else
        TCustomComboBox::SetColor(FLoadedColor);
    Invalidate();
}

void TZuzCustomCombo::SetEtched(bool etched)
{
    if (etched == FEtched)
        return;
    FEtched = etched;
    Invalidate();
}

void TZuzCustomCombo::SetButtonWidth(int32_t buttonWidth)
{
    if (buttonWidth < MinButtonWidth || buttonWidth > MaxButtonWidth)
        return;
    FButtonWidth = buttonWidth;
    Invalidate();
}

void TZuzCustomCombo::SetDropWidth(int32_t dropWidth)
{
    FDropWidth = dropWidth;
    if (FDropWidth > 0)
        Perform(CB_SETDROPPEDWIDTH, FDropWidth);
}

void TZuzCustomCombo::SetFlatLineColor(TColor color)
{
    FFlatLineColor = color;
    Invalidate();
}

void TZuzCustomCombo::SetFlatParentColor(bool flatParentColor)
{
    FFlatParentColor = flatParentColor;
    Invalidate();
}

void TZuzCustomCombo::SetBorderColor(TColor color)
{
    FBorderColor = color;
    Invalidate();
}

// ---- label

String TZuzCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }

void TZuzCustomCombo::SetLabelCaption(const String& caption)
{
    if (!FLabel)
        CreateLabel();
    FLabel->SetCaption(caption);
    UpdateLabel();
}

void TZuzCustomCombo::SetLabelPosition(TLabelPosition position)
{
    FLabelPosition = position;
    if (FLabel)
        UpdateLabel();
}

void TZuzCustomCombo::SetLabelMargin(int32_t margin)
{
    FLabelMargin = margin;
    if (FLabel)
        UpdateLabel();
}

void TZuzCustomCombo::SetLabelTransparent(bool transparent)
{
    FLabelTransparent = transparent;
    if (FLabel)
        UpdateLabel();
}

void TZuzCustomCombo::SetLabelAlwaysEnabled(bool alwaysEnabled)
{
    FLabelAlwaysEnabled = alwaysEnabled;
    if (FLabel)
        UpdateLabel();
}

void TZuzCustomCombo::SetLabelFont(const TFont& font)
{
    if (!ParentFont())
        FLabelFont.Assign(font);
}

void TZuzCustomCombo::CreateLabel()
{
    FLabel = new TLabel(this);
    FreeNotification(FLabel);
    if (Parent())
        FLabel->SetParent(Parent());
    FLabel->SetFont(FLabelFont);
    FLabel->SetParentFont(ParentFont());
}

void TZuzCustomCombo::UpdateLabel()
{
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont())
        FLabel->SetFont(FLabelFont);
    TRect measured = Rect(0, 0, 1000, 255);
    FLabel->Canvas().SetFont(FLabel->Font());
    FLabel->Canvas().DrawText(FLabel->Caption(), measured, DT_CALCRECT | DT_HIDEPREFIX);
    const int32_t labelWidth = measured.Width();
    const int32_t margin = FLabelMargin;
    const TRect control = BoundsRect();
    const int32_t height = FLabel->Height();
    const int32_t width = FLabel->Width();
    const int32_t centredTop = height > control.Height() ? control.Top - (height - control.Height()) / 2
                                                        : control.Top + (control.Height() - height) / 2;
    const int32_t centredLeft = width < control.Width() ? control.Left + (control.Width() - width) / 2
                                                       : control.Left - (width - control.Width()) / 2;
    const int32_t bottomTop = control.Top + control.Height() - height;
    const int32_t above = control.Top - height - margin;
    const int32_t below = control.Top + control.Height() + margin;
    const int32_t leftOf = control.Left - labelWidth - margin;
    const int32_t rightOf = control.Left + control.Width() + margin;
    struct TPlace {
        int32_t Top;
        int32_t Left;
    };
    const TPlace places[] = {
        { control.Top, leftOf }, // lpLeftTop
        { centredTop, leftOf }, // lpLeftCenter
        { bottomTop, leftOf }, // lpLeftBottom
        { above, control.Left }, // lpTopLeft
        { below, control.Left }, // lpBottomLeft
        { control.Top, control.Left - margin }, // lpLeftTopLeft
        { centredTop, control.Left - margin }, // lpLeftCenterLeft
        { bottomTop, control.Left - margin }, // lpLeftBottomLeft
        { above, centredLeft }, // lpTopCenter
        { below, centredLeft }, // lpBottomCenter
        { control.Top, rightOf }, // lpRightTop
        { centredTop, rightOf }, // lpRightCenter
        { bottomTop, rightOf }, // lpRighBottom
    };
    const TPlace& place = places[FLabelPosition];
    FLabel->SetBounds(place.Left, place.Top, width, height);
    FLabel->SetVisible(Visible());
}

void TZuzCustomCombo::LabelFontChanged()
{
    if (FLabel)
        UpdateLabel();
}

void TZuzCustomCombo::SetLabelBold(bool bold)
{
    if (!FFocusLabel || !FLabel)
        return;
    TFontStyles style = FLabel->Font().Style();
    if (bold)
        style << fsBold;
    else
        style >> fsBold;
    FLabel->Font().SetStyle(style);
}

// ---- load end, messages

void TZuzCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    if (FDropWidth > 0)
        Perform(CB_SETDROPPEDWIDTH, FDropWidth);
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && FFlat))
        TCustomComboBox::SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        if (ParentFont())
            FLabel->SetFont(Font());
        UpdateLabel();
    }
    Init();
}

void TZuzCustomCombo::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER:
        FHasFocus = true;
        Invalidate();
        if (FFocusColor != clNone)
            TCustomComboBox::SetColor(FFocusColor);
        SetLabelBold(true);
        break;
    case CM_EXIT:
        FHasFocus = false;
        Invalidate();
        if (FFocusColor != clNone && FNormalColorSet)
            TCustomComboBox::SetColor(FNormalColor);
        SetLabelBold(false);
        break;
    default:
        break;
    }
    TCustomComboBox::WndProc(message);
    if (message.Msg == CN_COMMAND) {
        const int32_t code = CommandCode(message.WParam);
        if (code == CBN_DROPDOWN || code == CBN_CLOSEUP)
            Invalidate();
        if (code == CBN_CLOSEUP && OnDropUp)
            OnDropUp(this);
    }
}

void TZuzCustomCombo::WMSetFocus(TMessage& message)
{
    TCustomComboBox::WMSetFocus(message);
    if (FFocusBorderColor != clNone)
        Invalidate();
    if (FFocusColor != clNone)
        TCustomComboBox::SetColor(FFocusColor);
    SetLabelBold(true);
}

void TZuzCustomCombo::WMKillFocus(TMessage& message)
{
    TCustomComboBox::WMKillFocus(message);
    if (FFocusColor != clNone && FNormalColorSet)
        TCustomComboBox::SetColor(FNormalColor);
    SetLabelBold(false);
    Invalidate();
}

void TZuzCustomCombo::CMMouseEnter(TMessage& message)
{
    TCustomComboBox::CMMouseEnter(message);
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
    if (FAutoFocus) {
        const TForm* form = ParentForm();
        if ((!form || form == Screen->ActiveForm()) && CanFocus() && !Focused())
            SetFocus();
    }
    if (FIsWinXP)
        Invalidate();
}

void TZuzCustomCombo::CMMouseLeave(TMessage& message)
{
    TCustomComboBox::CMMouseLeave(message);
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        Invalidate();
    }
    FButtonHover = false;
    if (FIsWinXP)
        Invalidate();
}

void TZuzCustomCombo::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomComboBox::MouseMove(shift, x, y);
    const bool hover = x > Width() - FButtonWidth && x < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

// A disabled flat combo shows its parent's colour.
void TZuzCustomCombo::CMEnabledChanged(TMessage& message)
{
    if (FFlat && !Loading()) {
        if (Enabled()) {
            SetParentColor(FOldParentColor);
            TCustomComboBox::SetColor(FOldColor);
        } else {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        }
    }
    TCustomComboBox::CMEnabledChanged(message);
}

void TZuzCustomCombo::CMFontChanged(TMessage& message)
{
    if (Loading() && FLabel && ParentFont())
        FLabel->SetFont(Font());
    TCustomComboBox::CMFontChanged(message);
}

void TZuzCustomCombo::CMParentFontChanged(TMessage& message)
{
    TCustomComboBox::CMParentFontChanged(message);
    if (FLabel && ParentFont()) {
        FLabel->SetFont(Font());
        UpdateLabel();
    }
}

// ---- painting

bool TZuzCustomCombo::UseThemes() const
{
    if (!FIsThemed)
        return false;
    const TThemeLibrary& library = DudThemeLibrary();
    const auto isThemeActive = library.EntryAs<TIsThemeActiveProc>(teIsThemeActive);
    return library.Loaded() && isThemeActive && isThemeActive() != 0;
}

bool TZuzCustomCombo::IsActive() const { return FMouseInControl || Screen->ActiveControl() == this; }

bool TZuzCustomCombo::IsFocusBorderShown() const
{
    return (FMouseInControl || Screen->ActiveControl() == this) && FFocusBorder;
}

bool TZuzCustomCombo::CustomPainted() const
{
    return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus)
        || (!Enabled() && UseThemes() && !FDisabledBorder);
}

// The frame and drop button are drawn at the end of the paint, where the
// platform would paint the non-client area.
void TZuzCustomCombo::Paint()
{
    TCanvas& canvas = Canvas();
    if (!(FIsVista && FButtonColor == clNone) && CustomPainted()) {
        const TCanvasClip clip = canvas.SaveClip();
        if (Style() != csSimple) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(Color());
            canvas.FillRect(ClientRect());
            DrawButton(canvas);
        }
        TCustomComboBox::Paint();
        canvas.RestoreClip(clip);
        DrawBorders(canvas);
        return;
    }
    TCustomComboBox::Paint();
    if (FFlat || (!Enabled() && UseThemes() && !FDisabledBorder) || (FFocusBorderColor != clNone && Focused())
        || FBorderColor != clNone)
        DrawBorders(canvas);
}

void TZuzCustomCombo::DrawButton(TCanvas& canvas)
{
    TRect rect = Rect(0, 0, Width(), Height());
    rect.Left += ClientWidth() - FButtonWidth + 2;
    rect.Inflate(-1, -1);
    const bool mouseDown = IsMouseButtonDown(mbRight) || IsMouseButtonDown(mbLeft);
    if (FButtonColor != clNone) {
        TColor face = FButtonColor;
        if (FButtonHover)
            face = FButtonColorHot;
        if (mouseDown && FButtonHover)
            face = FButtonColorDown;
        rect = Rect(rect.Left - 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(face);
        canvas.FillRect(rect);
        canvas.Pen().SetColor(FButtonBorderColor);
        canvas.MoveTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Left, rect.Bottom);
        const TColor arrowColor = mouseDown && FButtonTextColorDown != clNone ? FButtonTextColorDown : FButtonTextColor;
        canvas.Brush().SetColor(arrowColor);
        canvas.Pen().SetColor(arrowColor);
        const TPoint arrow[] = { { rect.Left + 4, rect.Top + 7 }, { rect.Left + 10, rect.Top + 7 }, { rect.Left + 7, rect.Top + 10 } };
        canvas.Polygon(arrow);
    } else if (!UseThemes()) {
        // With an active visual style the platform's themed button stays.
        DrawFrameControl(canvas, Rect(rect.Left - 4, rect.Top + 1, rect.Right, rect.Bottom - 1), DFC_SCROLL,
            DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
    canvas.ExcludeClipRect(Rect(ClientWidth() - FButtonWidth - 4, 0, ClientWidth() + 2, ClientHeight()));
}

void TZuzCustomCombo::DrawBorders(TCanvas& canvas)
{
    if ((Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone)
        || (FIsVista && FBorderColor == clNone))
        return;
    DrawBorder(canvas);
    if (Style() != csSimple && !(FIsWinXP && UseThemes()))
        DrawFlatButton(canvas);
}

void TZuzCustomCombo::DrawBorder(TCanvas& canvas)
{
    const TRect whole = Rect(0, 0, Width(), Height());
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        FrameWith(canvas, whole, DisabledThemedBorderColor);
        return;
    }
    if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
        FrameWith(canvas, whole, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (FHasFocus)
            FrameWith(canvas, whole, FFocusBorderColor);
        return;
    }
    const bool focusBorder = IsFocusBorderShown();
    const TColor outer = focusBorder ? clBtnFace : Parent() ? Parent()->Color() : clBtnFace;
    const TColor inner = Color();
    TRect rect = whole;
    if (focusBorder) {
        DrawEdge(canvas, rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameWith(canvas, rect, outer);
        FrameWith(canvas, Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), inner);
    } else {
        FrameWith(canvas, rect, outer);
        rect.Inflate(-1, -1);
        rect.Right -= FButtonWidth;
        FrameWith(canvas, rect, outer);
        rect.Inflate(-1, -1);
        FrameWith(canvas, rect, inner);
        rect.Right += FButtonWidth;
    }
    if (FFlat && FFlatLineColor != clNone) {
        canvas.Pen().SetColor(FFlatLineColor);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        canvas.MoveTo(rect.Left - 2, Height() - 1);
        canvas.LineTo(rect.Right - FButtonWidth - 1, Height() - 1);
    }
}

// Outside hover and focus the drop button loses its 3-D edges.
void TZuzCustomCombo::DrawFlatButton(TCanvas& canvas)
{
    const TCanvasClip clip = canvas.SaveClip();
    canvas.ExcludeClipRect(Rect(ClientWidth() - FButtonWidth + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
    TRect rect = Rect(ClientWidth() - FButtonWidth - 2, 0, Width(), Height());
    rect.Inflate(-2, -2);
    if (!IsActive()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(Rect(rect.Left, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    }
    canvas.RestoreClip(clip);
}
