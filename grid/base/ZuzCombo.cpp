#include "grid/base/ZuzCombo.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"
#include "platform/ui/Forms.h"

namespace {

// The platform's vertical scroll bar width; the drop button is 2 wider.
constexpr int32_t SystemScrollBarWidth = 17;
constexpr int32_t MinButtonWidth = 14;
constexpr int32_t MaxButtonWidth = 32;

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
    SetCtl3D(!flat);
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
    FLabel->SetFocusControl(this);
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
    const TPoint place = LabelPlacement(FLabelPosition, BoundsRect(), measured.Width(),
        TSize { FLabel->Width(), FLabel->Height() }, FLabelMargin);
    FLabel->SetBounds(place.X, place.Y, FLabel->Width(), FLabel->Height());
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

bool TZuzCustomCombo::UseThemes() const { return FIsThemed && VisualStylesActive(); }

bool TZuzCustomCombo::IsActive() const { return FMouseInControl || Screen->ActiveControl() == this; }

bool TZuzCustomCombo::IsFocusBorderShown() const
{
    return (FMouseInControl || Screen->ActiveControl() == this) && FFocusBorder;
}

// The frame and drop button are drawn at the end of the paint, where the
// platform would paint the non-client area.
void TZuzCustomCombo::Paint()
{
    TCanvas& canvas = Canvas();
    const TComboLook look = Look();
    const TComboPainter painter(look, ComboEditorLook);
    if (!(FIsVista && FButtonColor == clNone) && painter.CustomPainted()) {
        const TCanvasClip clip = canvas.SaveClip();
        if (Style() != csSimple) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(Color());
            canvas.FillRect(ClientRect());
            painter.DrawButton(canvas);
        }
        TCustomComboBox::Paint();
        canvas.RestoreClip(clip);
        painter.DrawBorders(canvas);
        return;
    }
    TCustomComboBox::Paint();
    if (FFlat || (!Enabled() && look.UseThemes && !FDisabledBorder) || (FFocusBorderColor != clNone && Focused())
        || FBorderColor != clNone)
        painter.DrawBorders(canvas);
}

TComboLook TZuzCustomCombo::Look() const
{
    TComboLook look;
    look.Width = Width();
    look.Height = Height();
    look.ClientWidth = ClientWidth();
    look.ClientHeight = ClientHeight();
    look.ButtonWidth = FButtonWidth;
    look.Enabled = Enabled();
    look.Flat = FFlat;
    look.Simple = Style() == csSimple;
    look.IsThemed = FIsThemed;
    look.UseThemes = UseThemes();
    look.IsWinXP = FIsWinXP;
    look.IsVista = FIsVista;
    look.HasFocus = FHasFocus;
    look.Active = IsActive();
    look.FocusBorderShown = IsFocusBorderShown();
    look.ButtonHover = FButtonHover;
    look.MouseButtonDown = IsMouseButtonDown(mbRight) || IsMouseButtonDown(mbLeft);
    look.DroppedDown = DroppedDown();
    look.DisabledBorder = FDisabledBorder;
    look.Color = Color();
    look.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.FlatLineColor = FFlatLineColor;
    look.ButtonColor = FButtonColor;
    look.ButtonColorHot = FButtonColorHot;
    look.ButtonColorDown = FButtonColorDown;
    look.ButtonBorderColor = FButtonBorderColor;
    look.ButtonTextColor = FButtonTextColor;
    look.ButtonTextColorDown = FButtonTextColorDown;
    look.Window = this;
    return look;
}
