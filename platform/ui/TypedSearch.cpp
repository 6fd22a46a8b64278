#include "platform/ui/TypedSearch.h"

#include "platform/os/Clock.h"

#include <algorithm>

namespace {

constexpr uint32_t PrefixPause = 1000;

int32_t FindFrom(int32_t count, const TTypedSearch::TTextOf& textOf, int32_t start, const String& prefix)
{
    for (int32_t step = 0; step < count; ++step) {
        const int32_t index = (start + step) % count;
        if (textOf(index).startsWith(prefix, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

bool OneLetterRepeated(const String& text) { return text.count(text.front(), Qt::CaseInsensitive) == text.size(); }

} // namespace

int32_t TTypedSearch::Find(int32_t count, const TTextOf& textOf, int32_t current, TChar character)
{
    const uint32_t now = Clock().TickCount();
    if (now - FLastTick >= PrefixPause)
        FPrefix.clear();
    FLastTick = now;
    FPrefix += QChar(character);
    if (count <= 0) {
        FPrefix.clear();
        return -1;
    }
    const int32_t from = std::clamp(current, 0, count - 1);
    int32_t found = -1;
    if (OneLetterRepeated(FPrefix)) {
        // The same letter again moves on to the next entry with it.
        found = FindFrom(count, textOf, current < 0 ? 0 : from + 1, FPrefix.left(1));
    } else {
        found = FindFrom(count, textOf, from, FPrefix);
    }
    if (found < 0)
        FPrefix.clear();
    return found;
}
