#pragma once

#include "platform/graphics/Types.h"

#include <vector>

// One display of the desktop, in desktop coordinates.
struct TMonitor {
    int32_t MonitorNum = 0;
    TRect BoundsRect;
    // The part windows may cover: the bounds less the panels and docks.
    TRect WorkareaRect;
    bool Primary = false;

    int32_t Left() const { return BoundsRect.Left; }
    int32_t Top() const { return BoundsRect.Top; }
    int32_t Width() const { return BoundsRect.Width(); }
    int32_t Height() const { return BoundsRect.Height(); }
};

// What a monitor query answers when the point or rectangle lies on no
// monitor.
enum class TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };
using enum TMonitorDefaultTo;

// The index of the monitor that holds the largest part of rect, or else the
// nearest one (mdNearest), the primary one (mdPrimary) or -1 (mdNull).
int32_t MonitorIndexOf(const std::vector<TMonitor>& monitors, const TRect& rect, TMonitorDefaultTo defaultTo);

// rect moved (never resized) to lie inside area; a rectangle larger than
// the area keeps its left and top edges inside.
TRect KeepInside(const TRect& rect, const TRect& area);
