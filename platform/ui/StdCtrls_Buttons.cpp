#include "platform/ui/StdCtrls.h"

#include "platform/graphics/CanvasExtras.h"

namespace {

constexpr int32_t MarkSize = 13;

uint32_t MarkState(bool round, TCheckBoxState state, bool enabled)
{
    if (!round)
        return CheckBoxFrameState(state, enabled);
    return DFCS_BUTTONRADIO | (state == cbChecked ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE);
}

// The box or circle and the caption beside it, as check and radio buttons share.
void PaintMarkAndCaption(TCustomControl& control, bool round, TCheckBoxState state, bool captionLeft)
{
    TCanvas& canvas = control.Canvas();
    const int32_t top = (control.Height() - MarkSize) / 2;
    const int32_t left = captionLeft ? control.Width() - MarkSize : 0;
    DrawFrameControl(canvas, Bounds(left, top, MarkSize, MarkSize), DFC_BUTTON, MarkState(round, state, control.Enabled()));
    canvas.SetFont(control.Font());
    if (!control.Enabled())
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    TRect textRect = captionLeft ? Rect(0, 0, left - 4, control.Height()) : Rect(MarkSize + 4, 0, control.Width(), control.Height());
    canvas.DrawText(control.Caption(), textRect, DT_SINGLELINE | DT_VCENTER | (captionLeft ? DT_RIGHT : DT_LEFT));
    if (control.Focused())
        canvas.DrawFocusRect(Rect(textRect.Left - 1, textRect.Top + 1, textRect.Right, textRect.Bottom - 1));
}

} // namespace

uint32_t CheckBoxFrameState(TCheckBoxState state, bool enabled)
{
    uint32_t flags = DFCS_BUTTONCHECK;
    if (state != cbUnchecked)
        flags |= DFCS_CHECKED;
    if (state == cbGrayed)
        flags |= DFCS_BUTTON3STATE;
    if (!enabled)
        flags |= DFCS_INACTIVE;
    return flags;
}

// ---- TCustomCheckBox

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

TCustomCheckBox::~TCustomCheckBox() = default;

void TCustomCheckBox::SetState(TCheckBoxState state)
{
    if (state == FState)
        return;
    FState = state;
    Invalidate();
    TCustomControl::Click();
}

void TCustomCheckBox::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Invalidate();
}

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    default:
        SetState(cbUnchecked);
        break;
    }
}

void TCustomCheckBox::Click()
{
    if (CanFocus() && !Focused())
        SetFocus();
    Toggle();
}

void TCustomCheckBox::KeyPress(TChar& key)
{
    TCustomControl::KeyPress(key);
    if (key == u' ') {
        Toggle();
        key = 0;
    }
}

void TCustomCheckBox::CMDialogChar(TMessage& message)
{
    if (Enabled() && Showing() && IsAccel(static_cast<uint32_t>(message.WParam), Caption())) {
        if (CanFocus())
            SetFocus();
        Toggle();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

void TCustomCheckBox::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TCustomCheckBox::Paint()
{
    PaintMarkAndCaption(*this, false, FState, FAlignment == taLeftJustify);
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 113, 17);
}

TRadioButton::~TRadioButton() = default;

void TRadioButton::SetChecked(bool checked)
{
    if (checked == FChecked)
        return;
    FChecked = checked;
    // Only the checked button of a group is a tab stop, as on the platform.
    SetTabStop(checked);
    Invalidate();
    if (!checked)
        return;
    if (Parent())
        for (int32_t index = 0; index < Parent()->ControlCount(); ++index)
            if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(index)); sibling && sibling != this)
                sibling->SetChecked(false);
    TCustomControl::Click();
}

void TRadioButton::Click()
{
    if (CanFocus() && !Focused())
        SetFocus();
    SetChecked(true);
}

void TRadioButton::KeyPress(TChar& key)
{
    TCustomControl::KeyPress(key);
    if (key == u' ') {
        SetChecked(true);
        key = 0;
    }
}

void TRadioButton::CMDialogChar(TMessage& message)
{
    if (Enabled() && Showing() && IsAccel(static_cast<uint32_t>(message.WParam), Caption())) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

void TRadioButton::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TRadioButton::Paint()
{
    PaintMarkAndCaption(*this, true, FChecked ? cbChecked : cbUnchecked, false);
}
