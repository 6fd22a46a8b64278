#include "platform/ui/Messages.h"

#include "platform/ui/ControlWidget.h"

#include <QHash>

namespace {

TShiftState KeyboardState;

} // namespace

void SetKeyboardShiftState(TShiftState state) { KeyboardState = state; }

int16_t GetKeyState(int32_t virtualKey)
{
    constexpr int16_t down = -128;
    switch (virtualKey) {
    case VK_SHIFT:
        return KeyboardState.Contains(ssShift) ? down : 0;
    case VK_CONTROL:
        return KeyboardState.Contains(ssCtrl) ? down : 0;
    case VK_MENU:
        return KeyboardState.Contains(ssAlt) ? down : 0;
    default:
        return 0;
    }
}

TShiftState KeyboardStateToShiftState() { return KeyboardState * TShiftState { ssShift, ssCtrl, ssAlt }; }

TShiftState KeyDataToShiftState(intptr_t keyData)
{
    TShiftState shift = KeyboardState * TShiftState { ssShift, ssCtrl };
    if (keyData & KF_ALTDOWN)
        shift << ssAlt;
    return shift;
}

uint32_t RegisterWindowMessage(const String& name)
{
    static QHash<String, uint32_t> registered;
    static uint32_t next = 0xC000;
    auto found = registered.constFind(name);
    if (found != registered.constEnd())
        return *found;
    registered.insert(name, next);
    return next++;
}

String StripHotkey(const String& caption)
{
    String result;
    result.reserve(caption.size());
    for (qsizetype index = 0; index < caption.size(); ++index) {
        if (caption[index] == u'&') {
            if (index + 1 >= caption.size())
                break;
            ++index;
        }
        result += caption[index];
    }
    return result;
}

bool IsAccel(uint32_t character, const String& caption)
{
    for (qsizetype index = 0; index + 1 < caption.size(); ++index) {
        if (caption[index] != u'&')
            continue;
        if (caption[index + 1] == u'&') {
            ++index;
            continue;
        }
        return QChar(static_cast<char16_t>(character)).toUpper() == caption[index + 1].toUpper();
    }
    return false;
}
