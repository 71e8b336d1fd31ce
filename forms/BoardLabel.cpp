#include "forms/BoardLabel.h"

#include "forms/DirtySink.h"
#include "forms/Geometry.h"

#include <QPainter>
#include <cmath>

namespace forms {

void BoardLabel::setLook(const QString& caption, const QFont& font, QColor fore, QColor back, int width, int height)
{
    markExtent();
    font_ = font;
    text_ = QStaticText(caption);
    text_.setTextFormat(Qt::PlainText);
    text_.prepare(QTransform(), font);
    fore_ = fore;
    back_ = back;
    width_ = width;
    height_ = height;
    markExtent();
}

QRectF BoardLabel::extent() const
{
    // The box snaps to whole pixels when painted; one pixel of margin covers it.
    return QRectF(left_, top_, width_, height_).adjusted(-1, -1, 1, 1);
}

void BoardLabel::paint(QPainter& painter) const
{
    if (!std::isfinite(left_) || !std::isfinite(top_))
        return;
    const QRect box = pixelBounds(QRectF(std::round(left_), std::round(top_), width_, height_));
    if (box.isEmpty())
        return;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, back_);
    painter.setFont(font_);
    painter.setPen(fore_);
    painter.drawStaticText(box.topLeft(), text_);
    painter.restore();
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
