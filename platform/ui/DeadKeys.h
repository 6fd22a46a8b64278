#pragma once

// Dead keys the system's input method passed on uncomposed (no compose
// input context, or one that leaves them to the program): the layer composes
// them itself, as the platform's key translation does. Used only inside the
// layer, by the bridge.

#include <QString>

class QKeyEvent;

struct TDeadKeyResult {
    // The key is a dead key: it is remembered and makes no character.
    bool Swallow = false;
    // A dead key that does not combine with this key stands as its own
    // character before the key's (0: none).
    char16_t Spacing = 0;
    // The text the key makes: composed with the remembered dead key, or its own.
    QString Text;
};

TDeadKeyResult ComposeDeadKey(const QKeyEvent& event);
