#include "grid/DudOder_FormControlEditors.h"

#include "grid/DudOder.h"
#include "platform/ui/Messages.h"

namespace {

// Enter and Tab end the form control's edit; true when the key was taken.
bool EndsControlEdit(TWinControl& editor, TChar& key)
{
    auto* grid = dynamic_cast<TDudStringGrid*>(editor.Parent());
    if (!grid || (key != u'\r' && key != u'\t'))
        return false;
    const bool tab = key == u'\t';
    key = 0;
    grid->EndHTMLControlEdit();
    if (!tab) {
        if (grid->CanFocus())
            grid->SetFocus();
        return true;
    }
    if (grid->Navigation().AdvanceAuto())
        grid->AdvanceEdit(grid->Col(), grid->Row(), true, false, true, false, true);
    else
        grid->EditNextHTMLControl();
    return true;
}

} // namespace

void TControlEdit::KeyPress(TChar& key)
{
    if (!EndsControlEdit(*this, key))
        TMaskEdit::KeyPress(key);
}

void TControlEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY && (message.WParam == VK_RETURN || message.WParam == VK_TAB)) {
        message.Result = message.WParam == VK_TAB ? 1 : 0;
        return;
    }
    TMaskEdit::DefaultHandler(message);
}

void TControlCombo::KeyPress(TChar& key)
{
    if (!EndsControlEdit(*this, key))
        TZuzComboBox::KeyPress(key);
}

void TControlCombo::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_TAB) {
        message.Result = 1;
        return;
    }
    TZuzComboBox::DefaultHandler(message);
}
