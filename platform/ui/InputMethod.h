#pragma once

#include "platform/graphics/Types.h"

#include <QString>

using String = QString;

// What an input method asks of the control it types into.
struct TInputMethodState {
    bool Enabled = false;
    // Passwords: no prediction, no learning, hidden text.
    bool Sensitive = false;
    // Where the caret stands, in client coordinates (candidate windows open there).
    TRect CaretRect;
    String SurroundingText;
    int32_t Cursor = 0;
    int32_t Anchor = 0;
};

// A control that takes text from input methods: dead keys and compose
// sequences of the system's keyboard handling, and the input methods of East
// Asian scripts. Committed text reaches the control through the input
// adapter as CN_CHAR and WM_CHAR, one message per UTF-16 unit, so its
// character handlers can change or swallow it as they do typed characters;
// text still being composed is only shown.
class TInputMethodClient {
public:
    virtual TInputMethodState InputMethodState() const = 0;
    // The text being composed at the caret and the input method's cursor in
    // it; an empty text ends the composition.
    virtual void InputMethodComposition(const String& preedit, int32_t cursor) = 0;
    // Selects the text an input method replaces with its next commit,
    // relative to the caret.
    virtual void InputMethodSelect(int32_t relativeStart, int32_t length) = 0;

protected:
    ~TInputMethodClient() = default;
};
