#include "grid/DudOder_GridSpin.h"

#include "grid/DudOder.h"
#include "grid/DudOder_EditorKeys.h"

TGridSpin::TGridSpin(TComponent* owner) : TZuzSpinEdit(owner), FGrid(dynamic_cast<TDudStringGrid*>(owner))
{
    if (!FGrid)
        throw EInvalidOperation(QStringLiteral("The grid spin editor belongs to a string grid"));
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
    SetTabStop(false);
}

void TGridSpin::Reread()
{
    // Setting the kind again makes the spin re-read its text by that kind.
    SetSpinType(SpinType());
}

void TGridSpin::FireSpinClick(bool up)
{
    if (FGrid->OnSpinClick)
        FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
}

bool TGridSpin::StepByKey(uint16_t key)
{
    const bool integer = SpinType() == sptNormal;
    const bool number = SpinType() == sptFloat;
    // Equal bounds are no bounds: a page step always goes, and there is no
    // end to go to.
    const bool bounded = integer ? MinValue() != MaxValue() : MinFloatValue() != MaxFloatValue();
    switch (key) {
    case VK_PRIOR:
        if (integer && (!bounded || int64_t { Value() } + Increment() <= MaxValue()))
            SetValue(Value() + Increment());
        else if (number && (!bounded || FloatValue() + IncrementFloat() <= MaxFloatValue()))
            SetFloatValue(FloatValue() + IncrementFloat());
        FireSpinClick(true);
        return true;
    case VK_NEXT:
        if (integer && (!bounded || int64_t { Value() } - Increment() >= MinValue()))
            SetValue(Value() - Increment());
        else if (number && (!bounded || FloatValue() - IncrementFloat() >= MinFloatValue()))
            SetFloatValue(FloatValue() - IncrementFloat());
        FireSpinClick(false);
        return true;
    case VK_END:
    case VK_HOME: {
        const bool home = key == VK_HOME;
        if (integer && bounded)
            SetValue(home ? MaxValue() : MinValue());
        else if (number && bounded)
            SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
        FireSpinClick(home);
        return false;
    }
    default:
        return false;
    }
}

void TGridSpin::WndProc(TMessage& message)
{
    if (message.Msg == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0
        && StepByKey(static_cast<uint16_t>(message.WParam))) {
        message.Result = 0;
        return;
    }
    if (message.Msg == WM_CHAR && (message.WParam == VK_TAB || message.WParam == VK_RETURN))
        return;
    TZuzSpinEdit::WndProc(message);
}

void TGridSpin::KeyDown(uint16_t& key, TShiftState shift)
{
    const bool special = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_UP || key == VK_DOWN;
    if (!special) {
        TZuzSpinEdit::KeyDown(key, shift);
        return;
    }
    const TGridEditorKeys keys(*FGrid);
    if (key == VK_ESCAPE) {
        // The cell gets its text back as it was, even one the spin cannot
        // read as its value.
        const String cache = FGrid->FCellCache;
        SetText(cache);
        Reread();
        keys.HideAndFocusGrid();
        FGrid->SetCurrentCell(cache);
        FGrid->FCellCache = cache;
        key = 0;
        return;
    }
    const bool writes = key == VK_RETURN || key == VK_UP || key == VK_DOWN;
    const bool tab = key == VK_TAB && FGrid->Options().Contains(goTabs);
    if (writes || tab) {
        // A typed value beyond the bounds is written as its nearest bound.
        Reread();
        const bool accepted = keys.WriteAndValidate(Text(), key);
        SetText(FGrid->CurrentCell());
        SetSelStart(static_cast<int32_t>(Text().size()));
        if (!accepted) {
            Invalidate();
            return;
        }
        if (tab && keys.TabToNextCell(key, shift))
            return;
    }
    keys.Done(key, shift);
}

void TGridSpin::KeyPress(TChar& key)
{
    if (key == VK_ESCAPE)
        key = 0;
    if (key != VK_RETURN)
        TZuzSpinEdit::KeyPress(key);
}

void TGridSpin::UpButtonClick(TComponent* sender)
{
    TZuzSpinEdit::UpButtonClick(sender);
    switch (SpinType()) {
    case sptNormal:
        FireSpinClick(true);
        break;
    case sptFloat:
        if (FGrid->OnFloatSpinClick)
            FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), true);
        break;
    case sptDate:
        if (FGrid->OnDateSpinClick)
            FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), true);
        break;
    case sptTime:
        if (FGrid->OnTimeSpinClick)
            FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), true);
        break;
    }
}

void TGridSpin::DownButtonClick(TComponent* sender)
{
    TZuzSpinEdit::DownButtonClick(sender);
    switch (SpinType()) {
    case sptNormal:
        FireSpinClick(false);
        break;
    case sptFloat:
        if (FGrid->OnFloatSpinClick)
            FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), false);
        break;
    case sptDate:
        if (FGrid->OnDateSpinClick)
            FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), false);
        break;
    case sptTime:
        if (FGrid->OnTimeSpinClick)
            FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), false);
        break;
    }
}

void TGridSpin::DoExit()
{
    TZuzSpinEdit::DoExit();
    FGrid->HideInplaceEdit();
}

void TGridSpin::Change()
{
    TZuzSpinEdit::Change();
    TGridEditorKeys(*FGrid).TextChanged(*this, Text());
}

void TGridSpin::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && FGrid->Options().Contains(goTabs)))) {
        message.Result = 1;
        return;
    }
    TZuzSpinEdit::DefaultHandler(message);
}
