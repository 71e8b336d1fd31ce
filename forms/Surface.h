#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>

namespace forms {

class DirtySink;

// The drawing surface of a picture box: a persistent image that keeps every
// line drawn on it until Cls, whatever happens to the window that shows it.
class Surface {
public:
    Surface(QSize size, QColor background);

    void attach(DirtySink* sink) { sink_ = sink; }

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

    const QImage& image() const { return image_; }
    QColor background() const { return background_; }

private:
    QImage image_;
    QColor background_;
    int16_t drawWidth_ = 1;
    DirtySink* sink_ = nullptr;
};

} // namespace forms
