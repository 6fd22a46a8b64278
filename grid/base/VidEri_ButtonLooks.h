#pragma once

#include "platform/graphics/Color.h"

#include <array>
#include <cstdint>

// The colours of one preset of the search-footer button's Look.
struct TDudOderButtonLook {
    TColor Color;
    TColor ColorTo;
    TColor ColorHot;
    TColor ColorHotTo;
    TColor ColorDown;
    TColor ColorDownTo;
    TColor ColorChecked;
    TColor ColorCheckedTo;
    TColor BorderDownColor;
    TColor BorderHotColor;
    bool Rounded;
};

extern const std::array<TDudOderButtonLook, 7> DudOderButtonLooks;
