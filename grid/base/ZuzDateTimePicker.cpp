#include "grid/base/ZuzDateTimePicker.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"
#include "platform/ui/Forms.h"

namespace {

// The platform's vertical scroll bar width; the drop button is 2 wider.
constexpr int32_t SystemScrollBarWidth = 17;
// The flat frame of the themed look: red 127, green 157, blue 185.
constexpr TColor ThemedFrameColor = 0xB99D7F;

} // namespace

String VersionText(uint32_t version)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version >> 24)
        .arg((version >> 16) & 0xFF)
        .arg((version >> 8) & 0xFF)
        .arg(version & 0xFF);
}

TZuzDateTimePicker::TZuzDateTimePicker(TComponent* owner)
    : TDateTimePicker(owner)
    , FIsThemed(IsComCtl6())
    , FButtonWidth(SystemScrollBarWidth + 2)
    , FIsWinXP(IsWinXPOrLater())
{
    SetBorderStyle(bsSingle);
    FBorderStyle = bsNone;
    SetCtl3D(true);
}

TZuzDateTimePicker::~TZuzDateTimePicker() = default;

uint32_t TZuzDateTimePicker::GetVersionNr() const { return 0x01000000; }

String TZuzDateTimePicker::Version() const { return VersionText(GetVersionNr()); }

void TZuzDateTimePicker::SetBorderStyle(TBorderStyle style)
{
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    Invalidate();
}

void TZuzDateTimePicker::SetBorderColor(TColor color)
{
    if (color == FBorderColor)
        return;
    FBorderColor = color;
    Invalidate();
}

void TZuzDateTimePicker::SetMetroStyle(bool metroStyle)
{
    if (metroStyle == FMetroStyle)
        return;
    FMetroStyle = metroStyle;
    Invalidate();
}

bool TZuzDateTimePicker::IsMetroActive() const { return FMetroStyle; }

bool TZuzDateTimePicker::FlatFrameWanted() const { return !Ctl3D() && FBorderColor != clNone; }

bool TZuzDateTimePicker::UseThemes() const { return FIsThemed && VisualStylesActive(); }

TComboLook TZuzDateTimePicker::Look() const
{
    TComboLook look;
    look.Width = Width();
    look.Height = Height();
    look.ClientWidth = ClientWidth();
    look.ClientHeight = ClientHeight();
    look.ButtonWidth = FButtonWidth;
    look.Enabled = Enabled();
    look.IsThemed = FIsThemed;
    look.UseThemes = UseThemes();
    look.IsWinXP = FIsWinXP;
    look.IsVista = IsVistaOrLater();
    look.HasFocus = FHasFocus;
    look.Active = FMouseInControl || Screen->ActiveControl() == this;
    look.FocusBorderShown = look.Active && FFocusBorder;
    look.ButtonHover = FButtonHover;
    look.MouseButtonDown = IsMouseButtonDown(mbRight) || IsMouseButtonDown(mbLeft);
    look.DroppedDown = DroppedDown();
    look.DisabledBorder = FDisabledBorder;
    look.Color = Color();
    look.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    look.BorderColor = FBorderColor;
    look.FocusBorderColor = FFocusBorderColor;
    look.ButtonColor = FButtonColor;
    look.ButtonColorHot = FButtonColorHot;
    look.ButtonColorDown = FButtonColorDown;
    look.ButtonBorderColor = FButtonBorderColor;
    look.ButtonTextColor = FButtonTextColor;
    look.ButtonTextColorDown = FButtonTextColorDown;
    look.Window = this;
    return look;
}

void TZuzDateTimePicker::DrawBorders(TCanvas& canvas) const
{
    if (!IsMetroActive())
        return;
    if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    const TComboLook look = Look();
    const TComboPainter painter(look, DatePickerLook);
    painter.DrawBorder(canvas);
    if (!(FIsWinXP && look.UseThemes))
        painter.DrawFlatButton(canvas);
}

void TZuzDateTimePicker::DrawFlatFrame(TCanvas& canvas) const
{
    if (!FlatFrameWanted())
        return;
    const TWinControl* parent = Parent();
    TColor pen = FBorderColor;
    if (FBorderStyle == bsNone && parent)
        pen = parent->Color();
    else if (FIsThemed)
        pen = ThemedFrameColor;
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(pen);
    const int32_t width = Width();
    const int32_t height = Height();
    const TPoint outline[] = { { 0, height }, { 0, 0 }, { width - 1, 0 }, { width - 1, height - 1 }, { 0, height - 1 } };
    canvas.Polyline(outline);
    if (parent) {
        if (FBorderStyle == bsSingle)
            canvas.Pen().SetColor(parent->Color());
        const TPoint inner[] = { { 1, height - 2 }, { 1, 1 }, { width - 1, 1 } };
        canvas.Polyline(inner);
    }
}

void TZuzDateTimePicker::PaintNonClient(TCanvas& canvas) const
{
    DrawFlatFrame(canvas);
    const bool disabledThemed = !Enabled() && UseThemes() && !FDisabledBorder;
    const bool focusFrame = FFocusBorderColor != clNone && Focused();
    if (disabledThemed)
        DrawBorders(canvas);
    if (focusFrame || FBorderColor != clNone)
        DrawBorders(canvas);
}

void TZuzDateTimePicker::PaintMetroButton(TCanvas& canvas, const TRect& themedArea) const
{
    const TComboLook look = Look();
    if (IsComCtl6()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(
            VisualStylesActive() ? themedArea
                                 : Rect(ClientWidth() - FButtonWidth - 2, 4, ClientWidth() - 2, Height() - 4));
    }
    const TCanvasClip clip = canvas.SaveClip();
    TComboPainter(look, DatePickerLook).DrawButton(canvas);
    canvas.RestoreClip(clip);
}

void TZuzDateTimePicker::Paint()
{
    TDateTimePicker::Paint();
    TCanvas& canvas = Canvas();
    if ((Ctl3D() && !IsMetroActive()) || !IsVistaOrLater()) {
        PaintNonClient(canvas);
        return;
    }
    if (IsMetroActive() && Kind() != dtkTime)
        PaintMetroButton(canvas, Rect(ClientWidth() - FButtonWidth - 15, 1, ClientWidth(), Height()));
    DrawBorders(canvas);
    PaintNonClient(canvas);
}

void TZuzDateTimePicker::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TDateTimePicker::MouseMove(shift, x, y);
    const bool hover = x > Width() - FButtonWidth && x < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TZuzDateTimePicker::CMMouseEnter(TMessage& message)
{
    TDateTimePicker::CMMouseEnter(message);
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
}

void TZuzDateTimePicker::CMMouseLeave(TMessage& message)
{
    TDateTimePicker::CMMouseLeave(message);
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        Invalidate();
    }
    FButtonHover = false;
}

void TZuzDateTimePicker::DoEnter()
{
    TDateTimePicker::DoEnter();
    FHasFocus = true;
    Invalidate();
}

void TZuzDateTimePicker::DoExit()
{
    TDateTimePicker::DoExit();
    FHasFocus = false;
    Invalidate();
}
