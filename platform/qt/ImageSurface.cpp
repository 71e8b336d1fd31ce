#include "platform/qt/ImageSurface.h"

#include "platform/qt/PainterCanvas.h"
#include "platform/qt/QtTypes.h"

#include <QPainter>

namespace qtwin {

ImageSurface::ImageSurface(QSize size, QColor background)
    : size_(size)
    , background_(background)
{
}

const QImage& ImageSurface::image() const
{
    if (image_.isNull()) {
        image_ = QImage(size_ * ratio_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio_);
        image_.fill(background_);
    }
    return image_;
}

bool ImageSurface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == ratio_)
        return false;
    ratio_ = ratio;
    if (image_.isNull())
        return false;
    QImage chalk = image_.scaled(size_ * ratio_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    chalk.setDevicePixelRatio(ratio_);
    image_ = chalk;
    return true;
}

void ImageSurface::clear(forms::Color background)
{
    background_ = toQColor(background);
    image_ = QImage();
}

void ImageSurface::stroke(const forms::Segment& segment, double width, forms::Color color)
{
    image(); // a blank surface gets its pixels now
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawSegment(painter, segment);
}

} // namespace qtwin
