#include "platform/graphics/Region.h"

#include <QRegion>

TRegion::TRegion() : FRegion(std::make_unique<QRegion>()) { }
TRegion::TRegion(const TRect& rect)
    : FRegion(std::make_unique<QRegion>(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0)))
{
}
TRegion::TRegion(const QRegion& region) : FRegion(std::make_unique<QRegion>(region)) { }
TRegion::TRegion(const TRegion& other) : FRegion(std::make_unique<QRegion>(*other.FRegion)) { }
TRegion& TRegion::operator=(const TRegion& other)
{
    *FRegion = *other.FRegion;
    return *this;
}
TRegion::~TRegion() = default;

bool TRegion::IsEmpty() const { return FRegion->isEmpty(); }
bool TRegion::Contains(TPoint point) const { return FRegion->contains(QPoint(point.X, point.Y)); }
TRect TRegion::BoundingRect() const
{
    const QRect box = FRegion->boundingRect();
    return Bounds(box.x(), box.y(), box.width(), box.height());
}
TRegion TRegion::United(const TRegion& other) const { return TRegion(FRegion->united(*other.FRegion)); }
TRegion TRegion::Intersected(const TRegion& other) const { return TRegion(FRegion->intersected(*other.FRegion)); }
TRegion TRegion::Subtracted(const TRegion& other) const { return TRegion(FRegion->subtracted(*other.FRegion)); }
TRegion TRegion::Xored(const TRegion& other) const { return TRegion(FRegion->xored(*other.FRegion)); }
TRegion TRegion::Translated(int32_t dx, int32_t dy) const { return TRegion(FRegion->translated(dx, dy)); }
