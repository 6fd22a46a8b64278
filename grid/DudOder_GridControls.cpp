#include "grid/DudOder_GridControls.h"

#include "grid/DudOder.h"
#include "grid/DudOder_EditorKeys.h"
#include "platform/graphics/CanvasExtras.h"

namespace {

TDudStringGrid* OwningGrid(TComponent* owner)
{
    auto* grid = dynamic_cast<TDudStringGrid*>(owner);
    if (!grid)
        throw EInvalidOperation(QStringLiteral("The grid's cell control belongs to a string grid"));
    return grid;
}

bool IsArrow(uint16_t key)
{
    return key >= VK_LEFT && key <= VK_DOWN;
}

} // namespace

// ---- TGridCheckBox

TGridCheckBox::TGridCheckBox(TComponent* owner) : TCheckBox(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
}

void TGridCheckBox::KeyDown(uint16_t& key, TShiftState shift)
{
    const bool special = key == VK_RETURN || key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrow(key);
    if (!special) {
        TCheckBox::KeyDown(key, shift);
        return;
    }
    TGridEditorKeys(*FGrid).HideAndFocusGrid();
    if (key == VK_RETURN)
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
    if (key == VK_UP || key == VK_DOWN)
        FGrid->KeyDown(key, shift);
    key = 0;
}

void TGridCheckBox::DoExit()
{
    TCheckBox::DoExit();
    FGrid->HideInplaceEdit();
}

void TGridCheckBox::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY && (message.WParam == VK_RETURN || IsArrow(static_cast<uint16_t>(message.WParam)))) {
        message.Result = 1;
        return;
    }
    TCheckBox::DefaultHandler(message);
}

// ---- TGridButton

TGridButton::TGridButton(TComponent* owner) : TCustomControl(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
}

void TGridButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    DrawFrameControl(canvas, rect, DFC_BUTTON, DFCS_BUTTONPUSH | (FDown ? DFCS_PUSHED : 0));
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    if (FDown)
        rect.Offset(1, 1);
    canvas.DrawText(Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused())
        canvas.DrawFocusRect(Rect(rect.Left + 3, rect.Top + 3, rect.Right - 3, rect.Bottom - 3));
}

void TGridButton::Pressed()
{
    FGrid->GridButtonClick();
    SetCaption(FGrid->DoEllipsClick(Caption()));
    FGrid->SetCurrentCell(Caption());
}

void TGridButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft) {
        FDown = true;
        Invalidate();
    }
}

void TGridButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    const bool wasDown = FDown;
    FDown = false;
    Invalidate();
    if (button == mbLeft && wasDown && x >= 0 && y >= 0 && x < Width() && y < Height())
        Pressed();
    TCustomControl::MouseUp(button, shift, x, y);
}

// An arrow ends the edit and moves the grid's cell; Esc also takes the
// cell's text back from before the button was pressed.
void TGridButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE)
        FSpaceDown = true;
    if (!IsArrow(key) && key != VK_ESCAPE) {
        TCustomControl::KeyDown(key, shift);
        return;
    }
    const uint16_t gridKey = key;
    key = 0;
    if (gridKey == VK_ESCAPE)
        FGrid->RestoreCellCache();
    TGridEditorKeys(*FGrid).HideAndFocusGrid();
    FGrid->Perform(WM_KEYDOWN, gridKey);
    if (gridKey != VK_ESCAPE)
        FGrid->Perform(WM_KEYUP, gridKey);
}

void TGridButton::KeyUp(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE || !FSpaceDown)
        return;
    FSpaceDown = false;
    Pressed();
    if (CanFocus())
        SetFocus();
    Invalidate();
}

void TGridButton::DoExit()
{
    FSpaceDown = false;
    TCustomControl::DoExit();
    FGrid->HideInplaceEdit();
}

void TGridButton::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_ESCAPE || IsArrow(static_cast<uint16_t>(message.WParam)))) {
        message.Result = 1;
        return;
    }
    TCustomControl::DefaultHandler(message);
}
