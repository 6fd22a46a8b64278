#include "platform/graphics/CanvasMapping.h"

#include <cstdlib>

namespace {

struct TFixedMode {
    int32_t Mode;
    int32_t UnitsPerInch;
};

constexpr TFixedMode FixedModes[] = {
    { MM_LOMETRIC, 254 },
    { MM_HIMETRIC, 2540 },
    { MM_LOENGLISH, 100 },
    { MM_HIENGLISH, 1000 },
    { MM_TWIPS, 1440 },
};

const TFixedMode* FixedModeOf(int32_t mode)
{
    for (const TFixedMode& fixed : FixedModes)
        if (fixed.Mode == mode)
            return &fixed;
    return nullptr;
}

// value * numerator / denominator, to the nearest integer, halves away from zero.
int32_t Scale(int64_t value, int64_t numerator, int64_t denominator)
{
    int64_t product = value * numerator;
    if (denominator < 0) {
        product = -product;
        denominator = -denominator;
    }
    const int64_t half = denominator / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

} // namespace

bool TCanvasMapping::SetMode(int32_t mode, int32_t pixelsPerInchX, int32_t pixelsPerInchY)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return false;
    FMode = mode;
    if (mode == MM_TEXT) {
        FWindowExt = { 1, 1 };
        FViewportExt = { 1, 1 };
    } else if (const TFixedMode* fixed = FixedModeOf(mode == MM_ISOTROPIC ? MM_LOMETRIC : mode)) {
        FWindowExt = { fixed->UnitsPerInch, fixed->UnitsPerInch };
        FViewportExt = { pixelsPerInchX, -pixelsPerInchY };
    }
    Update();
    return true;
}

void TCanvasMapping::SetWindowOrg(TPoint origin)
{
    FWindowOrg = origin;
    Update();
}

void TCanvasMapping::SetViewportOrg(TPoint origin)
{
    FViewportOrg = origin;
    Update();
}

bool TCanvasMapping::SetWindowExt(TSize extent)
{
    if (extent.cx == 0 || extent.cy == 0)
        return false;
    if (FMode != MM_ISOTROPIC && FMode != MM_ANISOTROPIC)
        return true;
    FWindowExt = extent;
    KeepIsotropic();
    Update();
    return true;
}

bool TCanvasMapping::SetViewportExt(TSize extent)
{
    if (extent.cx == 0 || extent.cy == 0)
        return false;
    if (FMode != MM_ISOTROPIC && FMode != MM_ANISOTROPIC)
        return true;
    FViewportExt = extent;
    KeepIsotropic();
    Update();
    return true;
}

// One logical unit is as long on both axes: the axis that would stretch
// more is shrunk to the other's scale, keeping its direction.
void TCanvasMapping::KeepIsotropic()
{
    if (FMode != MM_ISOTROPIC)
        return;
    const int64_t scaleX = std::abs(static_cast<int64_t>(FViewportExt.cx) * FWindowExt.cy);
    const int64_t scaleY = std::abs(static_cast<int64_t>(FViewportExt.cy) * FWindowExt.cx);
    if (scaleX < scaleY) {
        const int32_t length = std::abs(Scale(FWindowExt.cy, FViewportExt.cx, FWindowExt.cx));
        FViewportExt.cy = FViewportExt.cy < 0 ? -length : length;
    } else if (scaleY < scaleX) {
        const int32_t length = std::abs(Scale(FWindowExt.cx, FViewportExt.cy, FWindowExt.cy));
        FViewportExt.cx = FViewportExt.cx < 0 ? -length : length;
    }
}

void TCanvasMapping::Update()
{
    FIdentity = FWindowOrg == TPoint {} && FViewportOrg == TPoint {} && FWindowExt == FViewportExt;
}

TPoint TCanvasMapping::ToDevice(TPoint logical) const
{
    if (FIdentity)
        return logical;
    return { Scale(static_cast<int64_t>(logical.X) - FWindowOrg.X, FViewportExt.cx, FWindowExt.cx) + FViewportOrg.X,
        Scale(static_cast<int64_t>(logical.Y) - FWindowOrg.Y, FViewportExt.cy, FWindowExt.cy) + FViewportOrg.Y };
}

TPoint TCanvasMapping::ToLogical(TPoint device) const
{
    if (FIdentity)
        return device;
    return { Scale(static_cast<int64_t>(device.X) - FViewportOrg.X, FWindowExt.cx, FViewportExt.cx) + FWindowOrg.X,
        Scale(static_cast<int64_t>(device.Y) - FViewportOrg.Y, FWindowExt.cy, FViewportExt.cy) + FWindowOrg.Y };
}

namespace {

TRect Ordered(TPoint first, TPoint second)
{
    return { std::min(first.X, second.X), std::min(first.Y, second.Y), std::max(first.X, second.X),
        std::max(first.Y, second.Y) };
}

} // namespace

TRect TCanvasMapping::ToDevice(const TRect& logical) const
{
    if (FIdentity)
        return logical;
    return Ordered(ToDevice(logical.TopLeft()), ToDevice(logical.BottomRight()));
}

TRect TCanvasMapping::ToLogical(const TRect& device) const
{
    if (FIdentity)
        return device;
    const TPoint first = ToLogical(device.TopLeft());
    const TPoint second = ToLogical(device.BottomRight());
    // Logical rectangles keep the axis direction of the mapping, as the
    // callers of a y-up mode expect top above bottom in their own units.
    TRect result = Ordered(first, second);
    if ((FViewportExt.cy < 0) != (FWindowExt.cy < 0))
        std::swap(result.Top, result.Bottom);
    if ((FViewportExt.cx < 0) != (FWindowExt.cx < 0))
        std::swap(result.Left, result.Right);
    return result;
}

int32_t TCanvasMapping::WidthToDevice(int32_t width) const
{
    return FIdentity ? width : std::abs(Scale(width, FViewportExt.cx, FWindowExt.cx));
}

int32_t TCanvasMapping::HeightToDevice(int32_t height) const
{
    return FIdentity ? height : std::abs(Scale(height, FViewportExt.cy, FWindowExt.cy));
}

int32_t TCanvasMapping::WidthToLogical(int32_t width) const
{
    return FIdentity ? width : std::abs(Scale(width, FWindowExt.cx, FViewportExt.cx));
}

int32_t TCanvasMapping::HeightToLogical(int32_t height) const
{
    return FIdentity ? height : std::abs(Scale(height, FWindowExt.cy, FViewportExt.cy));
}
