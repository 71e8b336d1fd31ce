#pragma once

#include <QLineF>
#include <QRect>
#include <QRectF>
#include <optional>

namespace forms {

// Where a board coordinate is drawn: a whole coordinate names a pixel, as the
// mouse reports it, so strokes are centred on that pixel's middle. A 3-pixel
// chalk line at y = 300 then covers rows 299 to 301 exactly.
inline QPointF pixelCentre(double x, double y) { return QPointF(x + 0.5, y + 0.5); }

// The part of the segment p1-p2 that lies inside `box`, computed in double
// precision so that far-off or huge end points never reach the rasteriser.
// Empty when the segment misses the box or an end point is not finite.
std::optional<QLineF> clipSegment(QPointF p1, QPointF p2, const QRectF& box);

// The smallest pixel rectangle covering `area`, with coordinates first clamped
// to a range that integer pixels can hold. Empty for an empty or non-finite area.
QRect pixelBounds(const QRectF& area);

// The area a straight stroke of the given width from p1 to p2 can touch, with
// round or square ends, including the anti-aliased fringe.
QRectF strokeBounds(QPointF p1, QPointF p2, qreal width);

} // namespace forms
