#pragma once

#include "platform/graphics/Types.h"

#include <memory>

class QRegion;

// A set of pixels made of rectangles, the clip shape of a canvas.
class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& rect);
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    ~TRegion();

    bool IsEmpty() const;
    bool Contains(TPoint point) const;
    TRect BoundingRect() const;
    TRegion United(const TRegion& other) const;
    TRegion Intersected(const TRegion& other) const;
    TRegion Subtracted(const TRegion& other) const;
    TRegion Xored(const TRegion& other) const;
    TRegion Translated(int32_t dx, int32_t dy) const;

    const QRegion& Native() const { return *FRegion; }
    explicit TRegion(const QRegion& region);

private:
    std::unique_ptr<QRegion> FRegion;
};
