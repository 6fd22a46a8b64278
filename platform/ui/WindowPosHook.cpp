#include "platform/ui/WindowPosHook.h"

#include <utility>

namespace {

TWindowPosHook& Hook()
{
    static TWindowPosHook hook;
    return hook;
}

bool Calling = false;

} // namespace

void SetWindowPosHook(TWindowPosHook hook) { Hook() = std::move(hook); }

void CallWindowPosHook(TControl* window)
{
    if (!Hook() || Calling)
        return;
    Calling = true;
    try {
        Hook()(window);
    } catch (...) {
        Calling = false;
        throw;
    }
    Calling = false;
}
