#include "controls/SlantTabsUtils.h"

#include "platform/core/Exception.h"

#include <cmath>
#include <numbers>

double CalculateEase(double t, double b, double c, double d, TSlantTabsEaseType easeType)
{
    if (easeType == ttNone)
        return 0;
    // A zero duration has nothing to ease through: the movement is over.
    if (d <= 0)
        return b + c;
    const double p = t / d;
    const double h = t / (d / 2);
    const double pi = std::numbers::pi;
    switch (easeType) {
    case ttNone:
        return 0;
    case ttLinearTween:
        return c * t / d + b;
    case ttEaseInQuad:
        return c * p * p + b;
    case ttEaseOutQuad:
        return -c * p * (p - 2) + b;
    case ttEaseInOutQuad:
        return h < 1 ? c / 2 * h * h + b : -c / 2 * ((h - 1) * (h - 3) - 1) + b;
    case ttEaseInCubic:
        return c * std::pow(p, 3) + b;
    case ttEaseOutCubic:
        return c * (std::pow(p - 1, 3) + 1) + b;
    case ttEaseInOutCubic:
        return h < 1 ? c / 2 * std::pow(h, 3) + b : c / 2 * (std::pow(h - 2, 3) + 2) + b;
    case ttEaseInQuart:
        return c * std::pow(p, 4) + b;
    case ttEaseOutQuart:
        return -c * (std::pow(p - 1, 4) - 1) + b;
    case ttEaseInOutQuart:
        return h < 1 ? c / 2 * std::pow(h, 4) + b : -c / 2 * (std::pow(h - 2, 4) - 2) + b;
    case ttEaseInQuint:
        return c * std::pow(p, 5) + b;
    case ttEaseOutQuint:
        return c * (std::pow(p - 1, 5) + 1) + b;
    case ttEaseInOutQuint:
        return h < 1 ? c / 2 * std::pow(h, 5) + b : c / 2 * (std::pow(h - 2, 5) + 2) + b;
    case ttEaseInSine:
        return -c * std::cos(p * pi / 2) + c + b;
    case ttEaseOutSine:
        return c * std::sin(p * pi / 2) + b;
    case ttEaseInOutSine:
        return -c / 2 * (std::cos(pi * t / d) - 1) + b;
    case ttEaseInExpo:
        return c * std::pow(2, 10 * (p - 1)) + b;
    case ttEaseOutExpo:
        return c * (1 - std::pow(2, -10 * p)) + b;
    case ttEaseInOutExpo:
        return h < 1 ? c / 2 * std::pow(2, 10 * (h - 1)) + b : c / 2 * (2 - std::pow(2, -10 * (h - 1))) + b;
    case ttEaseInCirc:
        return -c * (std::sqrt(1 - p * p) - 1) + b;
    case ttEaseOutCirc:
        return c * std::sqrt(1 - (p - 1) * (p - 1)) + b;
    case ttEaseInOutCirc:
        return h < 1 ? -c / 2 * (std::sqrt(1 - h * h) - 1) + b : c / 2 * (std::sqrt(1 - (h - 2) * (h - 2)) + 1) + b;
    }
    throw Exception(QStringLiteral("Invalid Ease Type"));
}

TRect CalculateRectEase(const TRect& startRect, const TRect& endRect, uint32_t currentTime, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    // Halves go to the even neighbour, as the rounding of the drawing code.
    const auto side = [&](int32_t from, int32_t to) {
        return static_cast<int32_t>(std::nearbyint(CalculateEase(currentTime, from, double(to) - from, animationTime, easeType)));
    };
    return { side(startRect.Left, endRect.Left), side(startRect.Top, endRect.Top), side(startRect.Right, endRect.Right),
        side(startRect.Bottom, endRect.Bottom) };
}

TRect BidiFlipRect(const TRect& container, const TRect& rect)
{
    const int32_t mirror = container.Left + container.Right;
    return { mirror - rect.Right, rect.Top, mirror - rect.Left, rect.Bottom };
}

TPolygon BidiFlipPolygon(const TRect& container, const TPolygon& polygon)
{
    if (polygon)
        for (TPoint& point : *polygon)
            point.X = container.Left + container.Right - point.X;
    return polygon;
}

TPolygon PlacePolygon(const TRect& rect, std::span<const TPoint> points, TTabOrientation orientation)
{
    std::vector<TPoint> placed;
    placed.reserve(points.size());
    for (const TPoint& point : points)
        placed.push_back(orientation == toTop ? TPoint { point.X + rect.Left, point.Y + rect.Top }
                                              : TPoint { point.X + rect.Left, RectangleHeight(rect) - point.Y + rect.Top });
    return MakePolygon(std::move(placed));
}

bool PointInPolygon(const TPolygon& polygon, int32_t x, int32_t y)
{
    if (!polygon || polygon->empty())
        return false;
    const std::vector<TPoint>& points = *polygon;
    bool inside = false;
    size_t previous = points.size() - 1;
    for (size_t index = 0; index < points.size(); previous = index++) {
        const TPoint& a = points[index];
        const TPoint& b = points[previous];
        if ((y >= a.Y && y < b.Y) || (y >= b.Y && y < a.Y)) {
            // 64-bit product: far-off coordinates must not wrap round.
            const int64_t product = (int64_t { b.X } - a.X) * (int64_t { y } - a.Y);
            if (x < double(product) / (double(b.Y) - a.Y) + a.X)
                inside = !inside;
        }
    }
    return inside;
}

void SetClipByPolygon(TGPGraphics& graphics, const TPolygon& polygon, TGPCombineMode combineMode)
{
    TGPGraphicsPath path;
    if (polygon)
        path.AddPolygon(*polygon);
    graphics.SetClip(path, combineMode);
}

int32_t IntegerBetween(int32_t startValue, int32_t stopValue, int32_t percent)
{
    return startValue + percent * (stopValue - startValue) / 100;
}

float SingleBetween(float startValue, float stopValue, int32_t percent)
{
    return startValue + (stopValue - startValue) * float(percent) / 100;
}

TColor ColorBetween(TColor startColor, TColor stopColor, int32_t percent)
{
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int32_t from = int32_t((startColor >> shift) & 0xFF);
        const int32_t to = int32_t((stopColor >> shift) & 0xFF);
        result |= TColor((from + (to - from) * percent / 100) & 0xFF) << shift;
    }
    return result;
}

TGPColor MakeGDIPColor(TColor color, uint8_t alpha)
{
    const TColor rgb = ColorToRGB(color);
    return MakeGPColor(alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
