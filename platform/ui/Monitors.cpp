#include "platform/ui/Monitors.h"

#include "platform/ui/Forms.h"

#include <QGuiApplication>
#include <QScreen>

#include <limits>

namespace {

int64_t Area(const TRect& rect) { return rect.IsEmpty() ? 0 : int64_t { rect.Width() } * rect.Height(); }

// Squared distance between the nearest points of two rectangles (0 when
// they touch or overlap).
int64_t Distance(const TRect& a, const TRect& b)
{
    const int64_t dx = std::max({ int64_t { 0 }, int64_t { b.Left } - a.Right + 1, int64_t { a.Left } - b.Right + 1 });
    const int64_t dy = std::max({ int64_t { 0 }, int64_t { b.Top } - a.Bottom + 1, int64_t { a.Top } - b.Bottom + 1 });
    return dx * dx + dy * dy;
}

} // namespace

int32_t MonitorIndexOf(const std::vector<TMonitor>& monitors, const TRect& rect, TMonitorDefaultTo defaultTo)
{
    // A point is a rectangle of one pixel; an empty rectangle counts as one.
    const TRect probe = rect.IsEmpty() ? Bounds(rect.Left, rect.Top, 1, 1) : rect;
    int32_t best = -1;
    int64_t bestArea = 0;
    for (size_t index = 0; index < monitors.size(); ++index) {
        const int64_t area = Area(IntersectRect(monitors[index].BoundsRect, probe));
        if (area > bestArea) {
            bestArea = area;
            best = static_cast<int32_t>(index);
        }
    }
    if (best >= 0 || defaultTo == mdNull)
        return best;
    if (defaultTo == mdPrimary) {
        for (size_t index = 0; index < monitors.size(); ++index)
            if (monitors[index].Primary)
                return static_cast<int32_t>(index);
        return monitors.empty() ? -1 : 0;
    }
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (size_t index = 0; index < monitors.size(); ++index) {
        const int64_t distance = Distance(monitors[index].BoundsRect, probe);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int32_t>(index);
        }
    }
    return best;
}

TRect KeepInside(const TRect& rect, const TRect& area)
{
    const int32_t left = std::max(std::min(rect.Left, area.Right - rect.Width()), area.Left);
    const int32_t top = std::max(std::min(rect.Top, area.Bottom - rect.Height()), area.Top);
    return Bounds(left, top, rect.Width(), rect.Height());
}

// ---- TScreen: monitors

namespace {

TRect RectOf(const QRect& rect) { return Bounds(rect.x(), rect.y(), rect.width(), rect.height()); }

std::vector<TMonitor> DesktopMonitors()
{
    std::vector<TMonitor> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.push_back({ static_cast<int32_t>(monitors.size()), RectOf(screen->geometry()),
            RectOf(screen->availableGeometry()), screen == primary });
    return monitors;
}

std::optional<TMonitor> Pick(const std::vector<TMonitor>& monitors, int32_t index)
{
    return index < 0 ? std::nullopt : std::optional<TMonitor>(monitors[static_cast<size_t>(index)]);
}

} // namespace

int32_t TScreen::MonitorCount() const { return static_cast<int32_t>(QGuiApplication::screens().size()); }

TMonitor TScreen::Monitors(int32_t index) const { return DesktopMonitors().at(static_cast<size_t>(index)); }

TMonitor TScreen::PrimaryMonitor() const
{
    const std::vector<TMonitor> monitors = DesktopMonitors();
    for (const TMonitor& monitor : monitors)
        if (monitor.Primary)
            return monitor;
    return monitors.empty() ? TMonitor {} : monitors.front();
}

std::optional<TMonitor> TScreen::MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo) const
{
    return MonitorFromRect(Bounds(point.X, point.Y, 1, 1), defaultTo);
}

std::optional<TMonitor> TScreen::MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo) const
{
    const std::vector<TMonitor> monitors = DesktopMonitors();
    return Pick(monitors, MonitorIndexOf(monitors, rect, defaultTo));
}

TRect TScreen::WorkAreaRect() const { return PrimaryMonitor().WorkareaRect; }
