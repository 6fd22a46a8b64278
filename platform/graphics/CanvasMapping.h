#pragma once

#include "platform/graphics/Types.h"

// Mapping modes, with the platform's values.
constexpr int32_t MM_TEXT = 1;
constexpr int32_t MM_LOMETRIC = 2;
constexpr int32_t MM_HIMETRIC = 3;
constexpr int32_t MM_LOENGLISH = 4;
constexpr int32_t MM_HIENGLISH = 5;
constexpr int32_t MM_TWIPS = 6;
constexpr int32_t MM_ISOTROPIC = 7;
constexpr int32_t MM_ANISOTROPIC = 8;

// How a canvas turns logical coordinates into device pixels:
// device = (logical - window origin) * viewport extent / window extent
//          + viewport origin, rounded to the nearest pixel.
// The metric and English modes have y growing upwards; their extents follow
// the device's resolution.
class TCanvasMapping {
public:
    int32_t Mode() const { return FMode; }
    // Unknown modes are refused (false). The scaled modes start from the
    // extents the previous mode had; MM_ISOTROPIC from those of MM_LOMETRIC.
    bool SetMode(int32_t mode, int32_t pixelsPerInchX, int32_t pixelsPerInchY);

    TPoint WindowOrg() const { return FWindowOrg; }
    TPoint ViewportOrg() const { return FViewportOrg; }
    TSize WindowExt() const { return FWindowExt; }
    TSize ViewportExt() const { return FViewportExt; }
    void SetWindowOrg(TPoint origin);
    void SetViewportOrg(TPoint origin);
    // Only the two scaled modes take extents; a zero extent is refused.
    bool SetWindowExt(TSize extent);
    bool SetViewportExt(TSize extent);

    bool IsIdentity() const { return FIdentity; }
    TPoint ToDevice(TPoint logical) const;
    TPoint ToLogical(TPoint device) const;
    // Both corners mapped, then ordered so that the rectangle is not inverted
    // when an axis points the other way.
    TRect ToDevice(const TRect& logical) const;
    TRect ToLogical(const TRect& device) const;
    // Lengths without direction (pen widths, font heights, text extents).
    int32_t WidthToDevice(int32_t width) const;
    int32_t HeightToDevice(int32_t height) const;
    int32_t WidthToLogical(int32_t width) const;
    int32_t HeightToLogical(int32_t height) const;

private:
    void KeepIsotropic();
    void Update();

    int32_t FMode = MM_TEXT;
    TPoint FWindowOrg;
    TPoint FViewportOrg;
    TSize FWindowExt { 1, 1 };
    TSize FViewportExt { 1, 1 };
    bool FIdentity = true;
};
