#pragma once

#include "platform/graphics/Bitmap.h"

#include <cstdint>

// A picture with an alpha channel for a translucent window: 32 bits a pixel,
// blue, green, red, alpha, the colours already multiplied by alpha (the form
// a layered window takes; drawn on a canvas it would look wrong).
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    // The constant opacity applied on top of the pixels' own alpha when the
    // picture is shown in a window.
    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t value) { FOpacity = value; }

    // From another alpha mask: its opacity, size and pixels; from any other
    // bitmap: the bitmap. The format stays 32 bits either way.
    void Assign(const TGridAlphaMask& source);
    void Assign(const TBitmap& source);

    // Takes bitmap's size; each pixel's alpha is the red byte of mask at the
    // same place and its colour the bitmap's multiplied by that alpha. Does
    // nothing unless bitmap and mask are 24-bit and the mask is at least as
    // large as the bitmap. Color is not used.
    void MergeMask(const TBitmap& mask, const TBitmap& bitmap, TColor color);

private:
    uint8_t FOpacity = 255;
};

// A 24-bit width x height mask: black, with a white rounded rectangle (filled
// when penWidth < 1, else outlined that wide) inset by penWidth div 2 + 2 with
// corner ellipses of corner x corner, then blurred by blurRadius when it is
// above 0.
void MakeRoundRectMask(TBitmap& bitmap, int32_t width, int32_t height, int32_t blurRadius, int32_t corner,
    int32_t penWidth);

// Gaussian blur in place. Rows and columns more than 20 pixels from every
// edge are copies of row and column 15, which holds for the rounded masks it
// is made for. Raises for a bitmap that is not 24-bit.
void BlurBitmap(TBitmap& bitmap, double radius);
