#include "controls/SlantTabsWindowSearch.h"

#include "controls/SlantTabs.h"

TCustomSlantTabs* SlantTabsControlFromPoint(TPoint screenPoint, int32_t range, int32_t step, const std::function<TCustomSlantTabs*(TPoint)>& probe)
{
    // A step that never reaches 0 would search forever; only the point is left then.
    if (step <= 0)
        range = 0;
    for (int32_t half = range; half >= 0; half -= step) {
        if (half == 0)
            return probe(screenPoint);
        const TPoint corners[] = { { -half, -half }, { half, -half }, { half, half }, { -half, half } };
        for (const TPoint& corner : corners)
            if (TCustomSlantTabs* found = probe({ screenPoint.X + corner.X, screenPoint.Y + corner.Y }))
                return found;
    }
    // A step that skips 0 still ends with the point itself.
    return probe(screenPoint);
}

TCustomSlantTabs* SlantTabsAtScreenPoint(TPoint screenPoint)
{
    for (TCustomSlantTabs* strip : TCustomSlantTabs::LiveStrips())
        if (strip->Showing() && strip->ClientRect().Contains(strip->ScreenToClient(screenPoint)))
            return strip;
    return nullptr;
}
