#pragma once

#include <algorithm>
#include <optional>

namespace forms {

// A point in board pixels, in double precision so that clipping never rounds.
struct PointF {
    double x = 0, y = 0;
    friend bool operator==(PointF a, PointF b) { return a.x == b.x && a.y == b.y; }
};

// A straight segment from p1 to p2.
struct Segment {
    PointF p1, p2;
    friend bool operator==(const Segment& a, const Segment& b) { return a.p1 == b.p1 && a.p2 == b.p2; }
};

// An area with fractional edges: left <= x < right, top <= y < bottom.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool isEmpty() const { return !(left < right && top < bottom); }
    bool intersects(const Box& o) const
    {
        return !isEmpty() && !o.isEmpty() && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    Box grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

// A rectangle of whole pixels.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;

    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(const Rect& o) const
    {
        return !o.isEmpty() && o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    Rect intersected(const Rect& o) const
    {
        const int l = std::max(x, o.x), t = std::max(y, o.y);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{};
    }
    Rect united(const Rect& o) const
    {
        if (isEmpty())
            return o;
        if (o.isEmpty())
            return *this;
        const int l = std::min(x, o.x), t = std::min(y, o.y);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
    Box box() const { return {double(x), double(y), double(right()), double(bottom())}; }

    friend bool operator==(const Rect& a, const Rect& b)
    {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// Where a board coordinate is drawn: a whole coordinate names a pixel, as the
// mouse reports it, so strokes are centred on that pixel's middle. A 3-pixel
// chalk line at y = 300 then covers rows 299 to 301 exactly.
inline PointF pixelCentre(double x, double y) { return {x + 0.5, y + 0.5}; }

// The part of the segment p1-p2 that lies inside `box`, computed in double
// precision so that far-off or huge end points never reach a rasteriser.
// Empty when the segment misses the box or an end point is not finite.
std::optional<Segment> clipSegment(PointF p1, PointF p2, const Box& box);

// The smallest pixel rectangle covering `area`, with coordinates first clamped
// to a range that integer pixels can hold. Empty for an empty or non-finite area.
Rect pixelBounds(const Box& area);

// The area a straight stroke of the given width from p1 to p2 can touch, with
// round or square ends, including the anti-aliased fringe.
Box strokeBounds(PointF p1, PointF p2, double width);

// How a board is shown on a screen: device pixels per board pixel, across and
// down (the page's scale times the device pixel ratio, say).
struct DeviceScale {
    double x = 1, y = 1;
};

// The device pixels that show any part of `area`. A repaint of them covers
// every device pixel that a drawing inside `area` can have touched.
Rect devicePixels(const Rect& area, DeviceScale scale);

// Where device pixels lie on the board, in board pixels.
Box boardBox(const Rect& device, DeviceScale scale);

} // namespace forms
