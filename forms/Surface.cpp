#include "forms/Surface.h"

#include "forms/DirtySink.h"
#include "forms/Geometry.h"

#include <QPainter>

namespace forms {

Surface::Surface(QSize size, QColor background)
    : size_(size)
    , background_(background)
{
}

const QImage& Surface::image() const
{
    if (image_.isNull()) {
        image_ = QImage(size_ * ratio_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio_);
        image_.fill(background_);
    }
    return image_;
}

void Surface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == ratio_)
        return;
    ratio_ = ratio;
    if (image_.isNull())
        return;
    QImage chalk = image_.scaled(size_ * ratio_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    chalk.setDevicePixelRatio(ratio_);
    image_ = chalk;
    if (sink_)
        sink_->markDirty(QRect(QPoint(0, 0), size_));
}

void Surface::setDrawWidth(int16_t width)
{
    drawWidth_ = width < 1 ? int16_t(1) : width;
}

void Surface::Cls()
{
    image_ = QImage();
    if (sink_)
        sink_->markDirty(QRect(QPoint(0, 0), size_));
}

QRect Surface::Line(float x1, float y1, float x2, float y2, const QColor& color)
{
    const QRect whole(QPoint(0, 0), size_);
    const qreal pad = drawWidth_ / 2.0 + 1;
    const QRectF reach = QRectF(whole).adjusted(-pad, -pad, pad, pad);
    const auto seg = clipSegment(pixelCentre(x1, y1), pixelCentre(x2, y2), reach);
    if (!seg)
        return {};

    image(); // a blank surface gets its pixels now
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // drawLine of a point draws nothing with a wide pen; drawPoint gives the dot.
    if (seg->p1() == seg->p2())
        painter.drawPoint(seg->p1());
    else
        painter.drawLine(*seg);

    const QRect dirty = pixelBounds(strokeBounds(seg->p1(), seg->p2(), drawWidth_)) & whole;
    if (sink_ && !dirty.isEmpty())
        sink_->markDirty(dirty);
    return dirty;
}

} // namespace forms
