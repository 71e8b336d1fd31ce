#include "forms/BoardLabel.h"

#include "forms/DirtySink.h"

#include <cmath>

namespace forms {

void BoardLabel::setLook(const std::string& caption, const FontRequest& font, Color fore, Color back, int width,
                         int height)
{
    markExtent();
    caption_ = caption;
    font_ = font;
    fore_ = fore;
    back_ = back;
    width_ = width;
    height_ = height;
    markExtent();
}

Box BoardLabel::extent() const
{
    // The box snaps to whole pixels when painted; one pixel of margin covers it.
    return Box{left_, top_, double(left_) + width_, double(top_) + height_}.grown(1);
}

std::optional<Rect> BoardLabel::drawnBox() const
{
    if (!std::isfinite(left_) || !std::isfinite(top_))
        return std::nullopt;
    const double left = std::round(left_), top = std::round(top_);
    const Rect box = pixelBounds({left, top, left + width_, top + height_});
    if (box.isEmpty())
        return std::nullopt;
    return box;
}

void BoardLabel::move(float& field, float value)
{
    if (field == value)
        return;
    markExtent();
    field = value;
    markExtent();
}

void BoardLabel::markExtent() const
{
    if (sink_)
        sink_->markDirty(pixelBounds(extent()));
}

} // namespace forms
