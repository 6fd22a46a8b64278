#include "grid/DudOder_RetEdit.h"

TRetEdit::TRetEdit(TComponent* owner) : TEdit(owner) { SetMultiLine(true); }

void TRetEdit::WMKeyDown(TMessage& message)
{
    if (message.WParam != VK_RETURN) {
        TEdit::WMKeyDown(message);
        return;
    }
    const TNotifyEvent& event = GetKeyState(VK_CONTROL) < 0 ? OnCtrlReturn : OnReturn;
    if (event)
        event(this);
}

void TRetEdit::WMChar(TMessage& message)
{
    if (message.WParam != 10 && message.WParam != 13) {
        TEdit::WMChar(message);
        return;
    }
    auto key = static_cast<TChar>(message.WParam);
    if (OnKeyPress)
        OnKeyPress(this, key);
    message.Result = 0;
}
