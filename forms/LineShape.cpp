#include "forms/LineShape.h"

#include "forms/DirtySink.h"
#include "forms/Geometry.h"

#include <QPainter>

namespace forms {

void LineShape::setBorderColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    markExtent();
}

void LineShape::setBorderWidth(int width)
{
    if (width == width_)
        return;
    markExtent();
    width_ = width;
    markExtent();
}

QRectF LineShape::extent() const
{
    return strokeBounds(pixelCentre(x1_, y1_), pixelCentre(x2_, y2_), width_);
}

void LineShape::paint(QPainter& painter, const QRectF& visible) const
{
    const qreal pad = width_ / 2.0 + 1;
    const auto seg = clipSegment(pixelCentre(x1_, y1_), pixelCentre(x2_, y2_), visible.adjusted(-pad, -pad, pad, pad));
    if (!seg)
        return;
    // Square ends close the corners where two sides meet, and keep Qt on its
    // fast line rasteriser, which round ends would leave for the general stroker.
    painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (seg->p1() == seg->p2())
        painter.drawPoint(seg->p1());
    else
        painter.drawLine(*seg);
}

void LineShape::change(float& field, float value)
{
    // Setting a value it already has repaints nothing.
    if (field == value)
        return;
    markExtent();
    field = value;
    markExtent();
}

void LineShape::markExtent() const
{
    if (sink_)
        sink_->markDirty(pixelBounds(extent()));
}

} // namespace forms
