#pragma once

#include "platform/ui/Messages.h"

using TChar = char16_t;

#include <functional>

// Finding an entry of a list by the start of its text, as the user types
// it: characters typed less than a second apart add to the prefix, a longer
// pause starts a new one. Typing one letter again and again steps through
// the entries that start with it. Case does not matter.
class TTypedSearch {
public:
    using TTextOf = std::function<String(int32_t index)>;

    // The entry the typed character leads to from current, or -1 when none
    // starts with the prefix (the prefix is then forgotten).
    int32_t Find(int32_t count, const TTextOf& textOf, int32_t current, TChar character);
    void Reset() { FPrefix.clear(); }

private:
    String FPrefix;
    uint32_t FLastTick = 0;
};
