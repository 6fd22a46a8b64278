#pragma once

#include "platform/graphics/Types.h"

#include <functional>

class TCustomSlantTabs;

// Finds a strip near a screen point, for a tab dragged between strips:
// the corners of squares of half-size range, range − step, ... around the
// point, outermost first, then the point itself. probe answers for one point.
TCustomSlantTabs* SlantTabsControlFromPoint(TPoint screenPoint, int32_t range, int32_t step, const std::function<TCustomSlantTabs*(TPoint)>& probe);

// The showing strip of this program whose screen area holds the point, or null.
TCustomSlantTabs* SlantTabsAtScreenPoint(TPoint screenPoint);
