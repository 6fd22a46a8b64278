#pragma once

// The tab strip's stateless routines: easing, rectangle and polygon
// geometry, colour arithmetic, the clip by polygon and the pictures of the
// floating drag image.

#include "controls/SlantTabsTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GPGraphics.h"
#include "platform/graphics/Types.h"

class TBitmap;
class TControl;
class TForm;
class TWinControl;

#include <cstdint>
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

// Copies the control's client area, as the screen shows it, into bitmap at (x, y).
void CopyControlToBitmap(TWinControl& control, TBitmap& bitmap, int32_t x, int32_t y);
// Makes source 24 bits per pixel and target a copy of it resized by factor
// (sizes rounded, halves to even); pixels are picked, not blended, so a key
// colour stays exact.
void ScaleBitmap(TBitmap& source, TBitmap& target, double factor);
// Makes the bitmap 32 bits per pixel; a bitmap without alpha becomes opaque.
void ConvertBitmapToARGB(TBitmap& bitmap);
// Every pixel of color gets opacity alpha; the others are left as they are.
void SetColorAlpha(TBitmap& bitmap, TColor color, uint8_t alpha);
// A borderless window that shows bitmap at its size, above the form of
// owner, letting the mouse through: pixels of alpha 0 are cut out of its
// shape and the whole window has opacity alpha where the window system
// blends windows (elsewhere it is drawn opaque). Not shown yet.
std::unique_ptr<TForm> CreateAlphaBlendForm(TControl& owner, const TBitmap& bitmap, uint8_t alpha);
