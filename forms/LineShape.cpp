#include "forms/LineShape.h"

#include "forms/DirtySink.h"

namespace forms {

void LineShape::setBorderColor(Color color)
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

Box LineShape::extent() const { return strokeBounds(pixelCentre(x1_, y1_), pixelCentre(x2_, y2_), width_); }

std::optional<Segment> LineShape::visiblePart(const Box& visible) const
{
    return clipSegment(pixelCentre(x1_, y1_), pixelCentre(x2_, y2_), visible.grown(width_ / 2.0 + 1));
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
