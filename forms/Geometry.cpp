#include "forms/Geometry.h"

#include <cmath>

namespace forms {

namespace {

bool finite(PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// One Liang-Barsky boundary: narrows [t0, t1] so that p + t*d stays on the
// inner side of the boundary q - p*t >= 0. False when nothing is left.
bool clipAgainst(double p, double q, double& t0, double& t1)
{
    if (p == 0)
        return q >= 0;
    const double t = q / p;
    if (p < 0) {
        if (t > t1)
            return false;
        t0 = std::max(t0, t);
    } else {
        if (t < t0)
            return false;
        t1 = std::min(t1, t);
    }
    return true;
}

} // namespace

std::optional<Segment> clipSegment(PointF p1, PointF p2, const Box& box)
{
    if (!finite(p1) || !finite(p2) || box.isEmpty())
        return std::nullopt;
    const double dx = p2.x - p1.x;
    const double dy = p2.y - p1.y;
    double t0 = 0, t1 = 1;
    if (!clipAgainst(-dx, p1.x - box.left, t0, t1) || !clipAgainst(dx, box.right - p1.x, t0, t1)
        || !clipAgainst(-dy, p1.y - box.top, t0, t1) || !clipAgainst(dy, box.bottom - p1.y, t0, t1))
        return std::nullopt;
    // Keep the original end points where they were not cut, so that a segment
    // lying wholly inside the box is drawn exactly as given.
    const PointF a = t0 > 0 ? PointF{p1.x + t0 * dx, p1.y + t0 * dy} : p1;
    const PointF b = t1 < 1 ? PointF{p1.x + t1 * dx, p1.y + t1 * dy} : p2;
    return Segment{a, b};
}

Rect pixelBounds(const Box& area)
{
    constexpr double limit = 1 << 24;
    if (!std::isfinite(area.left) || !std::isfinite(area.top) || !std::isfinite(area.right)
        || !std::isfinite(area.bottom))
        return {};
    const Box clamped{std::clamp(area.left, -limit, limit), std::clamp(area.top, -limit, limit),
                      std::clamp(area.right, -limit, limit), std::clamp(area.bottom, -limit, limit)};
    if (clamped.isEmpty())
        return {};
    const int left = int(std::floor(clamped.left)), top = int(std::floor(clamped.top));
    return {left, top, int(std::ceil(clamped.right)) - left, int(std::ceil(clamped.bottom)) - top};
}

Box strokeBounds(PointF p1, PointF p2, double width)
{
    // A square end's corner stands width/sqrt(2) from the end point; one more
    // pixel for the anti-aliased fringe.
    const double pad = width * 0.75 + 1;
    return Box{std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x), std::max(p1.y, p2.y)}.grown(pad);
}

Rect devicePixels(const Rect& area, DeviceScale scale)
{
    return pixelBounds({area.x * scale.x, area.y * scale.y, area.right() * scale.x, area.bottom() * scale.y});
}

Box boardBox(const Rect& device, DeviceScale scale)
{
    return {device.x / scale.x, device.y / scale.y, device.right() / scale.x, device.bottom() / scale.y};
}

} // namespace forms
