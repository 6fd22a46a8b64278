#pragma once

#include <functional>

class TControl;

// The thread's window-position hook: called after any window of the program
// has moved or changed its size, with that window. One hook at a time; an
// empty one removes it. Moves the hook itself makes do not call it again.
using TWindowPosHook = std::function<void(TControl* window)>;
void SetWindowPosHook(TWindowPosHook hook);
// For the layer: runs the hook for window.
void CallWindowPosHook(TControl* window);
