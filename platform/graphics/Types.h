#pragma once

#include <algorithm>
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive: the rectangle (0, 0, 10, 5) covers columns
// 0..9 and rows 0..4, as every canvas operation of the platform expects.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint point) const
    {
        return point.X >= Left && point.X < Right && point.Y >= Top && point.Y < Bottom;
    }
    constexpr TPoint TopLeft() const { return { Left, Top }; }
    constexpr TPoint BottomRight() const { return { Right, Bottom }; }
    constexpr void Offset(int32_t dx, int32_t dy)
    {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }
    constexpr void Inflate(int32_t dx, int32_t dy)
    {
        Left -= dx;
        Right += dx;
        Top -= dy;
        Bottom += dy;
    }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return { left, top, right, bottom }; }
constexpr TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return { left, top, left + width, top + height };
}
constexpr TPoint Point(int32_t x, int32_t y) { return { x, y }; }

// Empty result when the rectangles do not overlap.
constexpr TRect IntersectRect(const TRect& a, const TRect& b)
{
    TRect r { std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom) };
    return r.IsEmpty() ? TRect {} : r;
}
