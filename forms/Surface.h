#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>

namespace forms {

class DirtySink;

// The drawing surface of a picture box: a persistent image that keeps every
// line drawn on it until Cls, whatever happens to the window that shows it.
// A blank surface holds no image at all; the first line allocates it and Cls
// gives it back, so a board nobody has written on costs no memory.
class Surface {
public:
    Surface(QSize size, QColor background);

    void attach(DirtySink* sink) { sink_ = sink; }

    // Device pixels per board pixel: on a 2x screen the chalk is kept at twice
    // the resolution so it stays sharp; every position stays in board pixels.
    // A change rescales what is drawn already.
    qreal devicePixelRatio() const { return ratio_; }
    void setDevicePixelRatio(qreal ratio);

    int16_t DrawWidth() const { return drawWidth_; }
    // Widths below one pixel are taken as one.
    void setDrawWidth(int16_t width);

    // Paints the whole surface in the background colour.
    void Cls();
    // Draws a straight line at the current DrawWidth, with round ends and joins
    // so that a chain of segments reads as one stroke. A line of no length
    // leaves a round dot. Returns the pixels it may have changed, which is also
    // what it reports to the sink; empty when the line misses the surface.
    QRect Line(float x1, float y1, float x2, float y2, const QColor& color);

    // True while nothing has been drawn since the last Cls: every pixel is the
    // background colour.
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
    int16_t drawWidth_ = 1;
    DirtySink* sink_ = nullptr;
};

} // namespace forms
