#include "grid/base/ZuzCombo.h"

#include "grid/base/DudXPVS.h"
#include "platform/graphics/CanvasExtras.h"

namespace {

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

const TComboLookVariant ComboEditorLook = { -1, { { { 4, 7 }, { 10, 7 }, { 7, 10 } } }, true, true, false };
const TComboLookVariant DatePickerLook = { 2, { { { 5, 7 }, { 11, 7 }, { 8, 10 } } }, false, false, true };

TPoint LabelPlacement(TLabelPosition position, const TRect& control, int32_t captionWidth, TSize labelSize,
    int32_t margin)
{
    const int32_t height = labelSize.cy;
    const int32_t width = labelSize.cx;
    const int32_t centredTop = height > control.Height() ? control.Top - (height - control.Height()) / 2
                                                        : control.Top + (control.Height() - height) / 2;
    const int32_t centredLeft = width < control.Width() ? control.Left + (control.Width() - width) / 2
                                                       : control.Left - (width - control.Width()) / 2;
    const int32_t bottomTop = control.Top + control.Height() - height;
    const int32_t above = control.Top - height - margin;
    const int32_t below = control.Top + control.Height() + margin;
    const int32_t leftOf = control.Left - captionWidth - margin;
    const int32_t rightOf = control.Left + control.Width() + margin;
    const TPoint places[] = {
        { leftOf, control.Top }, // lpLeftTop
        { leftOf, centredTop }, // lpLeftCenter
        { leftOf, bottomTop }, // lpLeftBottom
        { control.Left, above }, // lpTopLeft
        { control.Left, below }, // lpBottomLeft
        { control.Left - margin, control.Top }, // lpLeftTopLeft
        { control.Left - margin, centredTop }, // lpLeftCenterLeft
        { control.Left - margin, bottomTop }, // lpLeftBottomLeft
        { centredLeft, above }, // lpTopCenter
        { centredLeft, below }, // lpBottomCenter
        { rightOf, control.Top }, // lpRightTop
        { rightOf, centredTop }, // lpRightCenter
        { rightOf, bottomTop }, // lpRighBottom
    };
    return places[position];
}

bool TComboPainter::CustomPainted() const
{
    return FLook.Flat || FLook.ButtonColor != clNone || FLook.BorderColor != clNone
        || (FLook.FocusBorderColor != clNone && FLook.HasFocus)
        || (!FLook.Enabled && FLook.UseThemes && !FLook.DisabledBorder);
}

// Disabled 4, pressed 3, hot 2, normal 1.
int32_t TComboPainter::ThemedButtonState() const
{
    if (!FLook.Enabled)
        return 4;
    if (FLook.MouseButtonDown && FLook.DroppedDown)
        return 3;
    if (!FLook.MouseButtonDown && FLook.ButtonHover && !FLook.DroppedDown)
        return 2;
    return 1;
}

void TComboPainter::DrawButton(TCanvas& canvas) const
{
    TRect rect = Rect(0, 0, FLook.Width, FLook.Height);
    rect.Left += FLook.ClientWidth - FLook.ButtonWidth + 2;
    rect.Inflate(-1, -1);
    if (FLook.ButtonColor != clNone) {
        TColor face = FLook.ButtonColor;
        if (FLook.ButtonHover)
            face = FLook.ButtonColorHot;
        if (FLook.MouseButtonDown && FLook.ButtonHover)
            face = FLook.ButtonColorDown;
        rect = Rect(rect.Left + FVariant.ButtonFaceLeft, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(face);
        canvas.FillRect(rect);
        canvas.Pen().SetColor(FLook.ButtonBorderColor);
        canvas.MoveTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Left, rect.Bottom);
        // Without a colour of its own the held arrow keeps the normal one.
        const TColor arrowColor = FLook.MouseButtonDown && FLook.ButtonTextColorDown != clNone
            ? FLook.ButtonTextColorDown
            : FLook.ButtonTextColor;
        canvas.Brush().SetColor(arrowColor);
        canvas.Pen().SetColor(arrowColor);
        std::array<TPoint, 3> arrow = FVariant.Arrow;
        for (TPoint& point : arrow)
            point = { rect.Left + point.X, rect.Top + point.Y };
        canvas.Polygon(arrow);
    } else if (!FLook.UseThemes || !DrawThemePart(canvas, FLook.Window, u"combobox", 1, ThemedButtonState(), rect)) {
        if (FVariant.ClassicButtonMoved)
            rect = Rect(rect.Left - 4, rect.Top + 1, rect.Right, rect.Bottom - 1);
        DrawFrameControl(
            canvas, rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (FLook.Enabled ? DFCS_FLAT : DFCS_INACTIVE));
    }
    canvas.ExcludeClipRect(
        Rect(FLook.ClientWidth - FLook.ButtonWidth - 4, 0, FLook.ClientWidth + 2, FLook.ClientHeight));
}

void TComboPainter::DrawBorders(TCanvas& canvas) const
{
    if ((FLook.Enabled && !FLook.Flat && FLook.BorderColor == clNone && FLook.FocusBorderColor == clNone)
        || (FLook.IsVista && FLook.BorderColor == clNone))
        return;
    DrawBorder(canvas);
    if (!FLook.Simple && !(FLook.IsWinXP && FLook.UseThemes))
        DrawFlatButton(canvas);
}

void TComboPainter::DrawBorder(TCanvas& canvas) const
{
    const TRect whole = Rect(0, 0, FLook.Width, FLook.Height);
    if (!FLook.Enabled && FLook.IsThemed && !FLook.DisabledBorder) {
        FrameWith(canvas, whole, DisabledThemedBorderColor);
        return;
    }
    if (FLook.BorderColor != clNone && !(FLook.HasFocus && FLook.FocusBorderColor != clNone)) {
        FrameWith(canvas, whole, FLook.BorderColor);
        return;
    }
    if (FLook.FocusBorderColor != clNone) {
        if (FLook.HasFocus)
            FrameWith(canvas, whole, FLook.FocusBorderColor);
        return;
    }
    const TColor outer = FLook.FocusBorderShown ? clBtnFace : FLook.ParentColor;
    const TColor inner = FLook.Color;
    TRect rect = whole;
    if (FLook.FocusBorderShown) {
        DrawEdge(canvas, rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameWith(canvas, rect, outer);
        FrameWith(canvas, Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), inner);
    } else {
        FrameWith(canvas, rect, outer);
        rect.Inflate(-1, -1);
        rect.Right -= FLook.ButtonWidth;
        FrameWith(canvas, rect, outer);
        rect.Inflate(-1, -1);
        FrameWith(canvas, rect, inner);
        rect.Right += FLook.ButtonWidth;
    }
    if (FVariant.FlatUnderline && FLook.Flat && FLook.FlatLineColor != clNone) {
        canvas.Pen().SetColor(FLook.FlatLineColor);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        canvas.MoveTo(rect.Left - 2, FLook.Height - 1);
        canvas.LineTo(rect.Right - FLook.ButtonWidth - 1, FLook.Height - 1);
    }
}

// Outside hover and focus the drop button loses its 3-D edges.
void TComboPainter::DrawFlatButton(TCanvas& canvas) const
{
    const TCanvasClip clip = canvas.SaveClip();
    canvas.ExcludeClipRect(Rect(FLook.ClientWidth - FLook.ButtonWidth + 4, 4, FLook.ClientWidth - 4,
        FLook.ClientHeight - 4));
    TRect rect = Rect(FLook.ClientWidth - FLook.ButtonWidth - 2, 0, FLook.Width, FLook.Height);
    rect.Inflate(-2, -2);
    if (FLook.Active && FVariant.RaisedWhenActive) {
        TRect edge = rect;
        DrawEdge(canvas, edge, EDGE_RAISED, BF_RECT | (FLook.DroppedDown ? BF_FLAT : 0));
    } else if (!FLook.Active) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(Rect(rect.Left, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    }
    canvas.RestoreClip(clip);
}
