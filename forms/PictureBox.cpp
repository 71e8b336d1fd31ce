#include "forms/PictureBox.h"

#include "forms/BoardLabel.h"
#include "forms/ChalkSurface.h"
#include "forms/LineShape.h"

namespace forms {

PictureBox::PictureBox(int width, int height, Color background, ChalkSurface& surface)
    : width_(width)
    , height_(height)
    , background_(background)
    , surface_(surface)
{
}

bool PictureBox::setScaleMode(int16_t mode)
{
    if (mode != vbPixels)
        return false;
    scaleMode_ = mode;
    return true;
}

void PictureBox::setDrawWidth(int16_t width) { drawWidth_ = width < 1 ? int16_t(1) : width; }

void PictureBox::Cls()
{
    surface_.clear(background_);
    markDirty(area());
}

Rect PictureBox::Line(float x1, float y1, float x2, float y2, Color color)
{
    const double pad = drawWidth_ / 2.0 + 1;
    const auto seg = clipSegment(pixelCentre(x1, y1), pixelCentre(x2, y2), area().box().grown(pad));
    if (!seg)
        return {};
    surface_.stroke(*seg, drawWidth_, color);
    ++linesDrawn_;
    const Rect dirty = pixelBounds(strokeBounds(seg->p1, seg->p2, drawWidth_)).intersected(area());
    markDirty(dirty);
    return dirty;
}

void PictureBox::addShape(LineShape& shape)
{
    shapes_.push_back(&shape);
    shape.attach(this);
    markDirty(area());
}

void PictureBox::addLabel(BoardLabel& label)
{
    labels_.push_back(&label);
    label.attach(this);
    markDirty(area());
}

void PictureBox::setView(DirtySink* view) { view_ = view; }

void PictureBox::markDirty(const Rect& changed)
{
    const Rect visible = changed.intersected(area());
    if (view_ && !visible.isEmpty())
        view_->markDirty(visible);
}

} // namespace forms
