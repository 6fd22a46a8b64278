#pragma once

#include "platform/graphics/Canvas.h"

class TBitmap;

// DrawFrameControl kinds and states, with the platform's values.
constexpr uint32_t DFC_SCROLL = 3;
constexpr uint32_t DFC_BUTTON = 4;
constexpr uint32_t DFCS_SCROLLUP = 0x0;
constexpr uint32_t DFCS_SCROLLDOWN = 0x1;
constexpr uint32_t DFCS_SCROLLLEFT = 0x2;
constexpr uint32_t DFCS_SCROLLRIGHT = 0x3;
constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x5;
constexpr uint32_t DFCS_BUTTONCHECK = 0x0;
constexpr uint32_t DFCS_BUTTONRADIO = 0x4;
constexpr uint32_t DFCS_BUTTON3STATE = 0x8;
constexpr uint32_t DFCS_BUTTONPUSH = 0x10;
constexpr uint32_t DFCS_CHECKED = 0x400;
constexpr uint32_t DFCS_INACTIVE = 0x100;
constexpr uint32_t DFCS_PUSHED = 0x200;
constexpr uint32_t DFCS_HOT = 0x1000;
constexpr uint32_t DFCS_FLAT = 0x4000;

// The classic frame controls: a push button, or a scroll-bar button with its
// arrow (up, down, left, right, or the combo box's drop arrow). Raised 3-D edges, sunken
// when pushed, a one-pixel shadow frame when flat; the arrow is grey with a
// white echo when inactive. A check box (sunken box, or a shadow frame when
// flat, with a tick when checked, a grey tick on face colour for the third
// state) and a radio button (a ring with a dot when checked) fill rect. The
// canvas pen and brush are left as they were.
void DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t kind, uint32_t state);

// A sector of the ellipse in box, outlined with the pen (both radii and the
// arc) and filled with the brush. Angles in degrees, clockwise from 12
// o'clock; a sweep of 360 or more is the whole ellipse.
void DrawPie(TCanvas& canvas, const TRect& box, double startDegrees, double sweepDegrees);

// Text in the canvas font, turned counter-clockwise by tenths of a degree
// about (x, y), its top-left corner before turning. No background.
void TextOutRotated(TCanvas& canvas, int32_t x, int32_t y, const String& text, int32_t tenthsOfDegree);

// The bitmap at (x, y) in its own size, every pixel of colour key painted in
// replacement instead.
void DrawBitmapReplacingColor(TCanvas& canvas, int32_t x, int32_t y, const TBitmap& bitmap, TColor key,
    TColor replacement);

// The colour of one pixel of the bitmap; clNone outside it.
TColor BitmapPixel(const TBitmap& bitmap, int32_t x, int32_t y);

// Every pixel of colour (its alpha aside) becomes that colour at opacity
// alpha; the bitmap becomes 32 bits per pixel. Bitmaps keep colours
// unmultiplied, so a pixel made fully transparent is stored as 0.
void SetBitmapColorAlpha(TBitmap& bitmap, TColor color, uint8_t alpha);

// The pixels of the bitmap that are not fully transparent.
TRegion BitmapOpaqueRegion(const TBitmap& bitmap);
