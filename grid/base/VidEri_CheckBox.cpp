#include "grid/base/VidEri_CheckBox.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"
#include "platform/graphics/CanvasExtras.h"

namespace {

// The visual style's check box states for unchecked, checked and mixed,
// each as normal, hot, pressed and disabled.
constexpr int32_t ThemeStates[3][4] = { { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 9, 10, 11, 12 } };

} // namespace

ZEdeVuzavIza::ZEdeVuzavIza(TComponent* owner) : TCustomControl(owner), FIsWinXP(IsWinXPOrLater())
{
    SetBounds(Left(), Top(), 98, 20);
    TControlStyle style = ControlStyle();
    style >> csClickEvents;
    SetControlStyle(style);
    SetCaption(QStringLiteral("ZEdeVuzavIza"));
}

ZEdeVuzavIza::~ZEdeVuzavIza() = default;

void ZEdeVuzavIza::SetChecked(bool value)
{
    SetState(value ? cbChecked : cbUnchecked);
    Invalidate();
}

void ZEdeVuzavIza::SetState(TCheckBoxState value)
{
    if (value == FState)
        return;
    FState = value;
    Invalidate();
}

void ZEdeVuzavIza::Toggle()
{
    if (!FReadOnly)
        SetChecked(!Checked());
}

void ZEdeVuzavIza::SetButtonVertAlign(TTextLayout value)
{
    if (value == FBtnVAlign)
        return;
    FBtnVAlign = value;
    Invalidate();
}

void ZEdeVuzavIza::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void ZEdeVuzavIza::SetEllipsis(bool value)
{
    if (value == FEllipsis)
        return;
    FEllipsis = value;
    Invalidate();
}

void ZEdeVuzavIza::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Repaint();
}

void ZEdeVuzavIza::SetDown(bool value)
{
    if (value == FDown)
        return;
    FDown = value;
    Invalidate();
}

// The mouse's toggle clicks by itself; a click the toggle might cause on
// the way is not a second one.
void ZEdeVuzavIza::Click()
{
    if (!FClicksDisabled)
        TCustomControl::Click();
}

// ---- painting

TRect ZEdeVuzavIza::BoxRect(int32_t size, int32_t bottomInset) const
{
    const int32_t left = FAlignment == taRightJustify ? ClientWidth() - size - (size == 14 ? 1 : 0) : 0;
    int32_t top = 4;
    if (FBtnVAlign == tlCenter)
        top = ClientHeight() / 2 - 6;
    else if (FBtnVAlign == tlBottom)
        top = ClientHeight() - bottomInset;
    return Bounds(left, top, size, size);
}

void ZEdeVuzavIza::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    const int32_t stateColumn = !Enabled() ? 3 : (FDown ? 2 : (FHot ? 1 : 0));
    const bool themed = FIsWinXP
        && DrawThemePart(canvas, this, u"button", 3, ThemeStates[static_cast<int32_t>(FState)][stateColumn],
            BoxRect(14, 14));
    if (!themed) {
        uint32_t flags = DFCS_BUTTONCHECK;
        if (FState == cbGrayed || !Enabled())
            flags |= DFCS_INACTIVE;
        if (FState == cbChecked)
            flags |= DFCS_CHECKED;
        DrawFrameControl(canvas, BoxRect(13, 17), DFC_BUTTON, flags);
    }

    TRect textRect = ClientRect();
    if (FAlignment == taRightJustify) {
        textRect.Left = 6;
        textRect.Right -= 9;
    } else {
        textRect.Left += 15;
    }
    textRect.Top += 4;
    canvas.Brush().SetStyle(bsClear);
    const uint32_t flags = DT_LEFT | (FEllipsis ? DT_END_ELLIPSIS : 0);
    if (!Enabled()) {
        TRect echo = textRect;
        echo.Offset(1, 1);
        canvas.Font().SetColor(clWhite);
        canvas.DrawText(Caption(), echo, flags);
        canvas.Font().SetColor(0x808080);
    }
    TRect drawn = textRect;
    canvas.DrawText(Caption(), drawn, flags);
    canvas.Brush().SetStyle(bsSolid);
    if (FFocused) {
        const TSize extent = canvas.TextExtent(Caption());
        canvas.DrawFocusRect(
            Rect(textRect.Left - 2, textRect.Top, textRect.Left + extent.cx + 1, textRect.Top + extent.cy + 1));
    }
}

// ---- input

void ZEdeVuzavIza::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    SetMouseCapture(true);
    FMouseDown = true;
    SetDown(true);
}

void ZEdeVuzavIza::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (MouseCapture())
        SetDown(ClientRect().Contains({ x, y }));
}

void ZEdeVuzavIza::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !FMouseDown)
        return;
    SetMouseCapture(false);
    const bool wasDown = FDown;
    FMouseDown = false;
    SetDown(false);
    const bool inside = x >= 0 && x <= ClientWidth() && y >= 0 && y <= ClientHeight();
    if (!inside || !Focused() || !wasDown)
        return;
    FClicksDisabled = true;
    Toggle();
    FClicksDisabled = false;
    Click();
}

void ZEdeVuzavIza::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_RETURN && FReturnIsTab) {
        key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB);
    }
    if (key == VK_SPACE)
        SetDown(true);
    TCustomControl::KeyDown(key, shift);
}

void ZEdeVuzavIza::KeyUp(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE)
        return;
    SetDown(false);
    Toggle();
    Click();
}

void ZEdeVuzavIza::CMMouseEnter(TMessage& message)
{
    TCustomControl::CMMouseEnter(message);
    FHot = true;
    Invalidate();
}

void ZEdeVuzavIza::CMMouseLeave(TMessage& message)
{
    TCustomControl::CMMouseLeave(message);
    FHot = false;
    Invalidate();
}

void ZEdeVuzavIza::CMDialogChar(TMessage& message)
{
    if (!IsAccel(static_cast<uint32_t>(message.WParam), Caption()) || !CanFocus()) {
        TCustomControl::CMDialogChar(message);
        return;
    }
    Toggle();
    if (TabStop())
        SetFocus();
    message.Result = 1;
}

void ZEdeVuzavIza::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void ZEdeVuzavIza::WMSetFocus(TMessage& message)
{
    TCustomControl::WMSetFocus(message);
    FFocused = true;
    Invalidate();
}

void ZEdeVuzavIza::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    FFocused = false;
    Invalidate();
}
