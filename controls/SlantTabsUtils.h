#pragma once

// The tab strip's stateless routines: easing, rectangle and polygon
// geometry, colour arithmetic and the clip by polygon.

#include "controls/SlantTabsTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GPGraphics.h"
#include "platform/graphics/Types.h"

#include <memory>
#include <span>
#include <vector>

// Assigning a polygon shares it, so mirroring a shared polygon mirrors it
// for every holder, as the drawing objects expect.
using TPolygon = std::shared_ptr<std::vector<TPoint>>;

inline TPolygon MakePolygon(std::vector<TPoint> points) { return std::make_shared<std::vector<TPoint>>(std::move(points)); }

double CalculateEase(double currentTime, double startValue, double changeInValue, double duration, TSlantTabsEaseType easeType);
TRect CalculateRectEase(const TRect& startRect, const TRect& endRect, uint32_t currentTime, uint32_t animationTime, TSlantTabsEaseType easeType);

inline int32_t RectangleWidth(const TRect& rect) { return rect.Right - rect.Left; }
inline int32_t RectangleHeight(const TRect& rect) { return rect.Bottom - rect.Top; }
inline bool SameRect(const TRect& a, const TRect& b) { return a == b; }
inline TRect ContractRect(const TRect& rect, int32_t by) { return { rect.Left + by, rect.Top + by, rect.Right - by, rect.Bottom - by }; }
TRect BidiFlipRect(const TRect& container, const TRect& rect);
// Mirrors polygon in place and returns it.
TPolygon BidiFlipPolygon(const TRect& container, const TPolygon& polygon);
TPolygon PlacePolygon(const TRect& rect, std::span<const TPoint> points, TTabOrientation orientation);
bool PointInPolygon(const TPolygon& polygon, int32_t x, int32_t y);
void SetClipByPolygon(TGPGraphics& graphics, const TPolygon& polygon, TGPCombineMode combineMode);

int32_t IntegerBetween(int32_t startValue, int32_t stopValue, int32_t percent);
float SingleBetween(float startValue, float stopValue, int32_t percent);
TColor ColorBetween(TColor startColor, TColor stopColor, int32_t percent);
TGPColor MakeGDIPColor(TColor color, uint8_t alpha);
