#pragma once

#include "forms/ChalkSurface.h"

#include <QColor>
#include <QImage>

namespace qtwin {

// The board's chalk kept in a persistent image, whatever happens to the window
// that shows it, until it is cleared. A blank surface holds no image at all;
// the first stroke allocates it and a clear gives it back, so a board nobody
// has written on costs no memory.
class ImageSurface : public forms::ChalkSurface {
public:
    ImageSurface(QSize size, QColor background);

    // Device pixels per board pixel: on a 2x screen the chalk is kept at twice
    // the resolution so it stays sharp; every position stays in board pixels.
    // A change rescales what is drawn already and returns true when there was
    // something to rescale.
    qreal devicePixelRatio() const { return ratio_; }
    bool setDevicePixelRatio(qreal ratio);

    void clear(forms::Color background) override;
    void stroke(const forms::Segment& segment, double width, forms::Color color) override;

    // True while nothing has been drawn since the last clear: every pixel is
    // the background colour.
    bool isBlank() const { return image_.isNull(); }
    // The surface's pixels, in device pixels; a blank surface is materialised
    // for the caller.
    const QImage& image() const;
    QSize size() const { return size_; }
    QColor background() const { return background_; }

private:
    QSize size_;
    qreal ratio_ = 1;
    mutable QImage image_;
    QColor background_;
};

} // namespace qtwin
