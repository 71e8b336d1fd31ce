#pragma once

#include "forms/Color.h"
#include "forms/Geometry.h"

namespace forms {

class DirtySink;

// A retained straight line on a picture box, from (X1, Y1) to (X2, Y2) in the
// box's pixels. The box draws it at every repaint; each change of a property
// reports the pixels it leaves and the pixels it takes to the attached sink.
class LineShape {
public:
    void attach(DirtySink* sink) { sink_ = sink; }

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    Color BorderColor() const { return color_; }
    int BorderWidth() const { return width_; }

    void setX1(float value) { change(x1_, value); }
    void setY1(float value) { change(y1_, value); }
    void setX2(float value) { change(x2_, value); }
    void setY2(float value) { change(y2_, value); }
    void setBorderColor(Color color);
    void setBorderWidth(int width);

    // Everything this line may paint, anti-aliased fringe included.
    Box extent() const;
    // The part of the line to draw when `visible` is repainted, centred on
    // the pixels it names; none when it stays outside. Far-off ends are cut
    // here, so they never reach a rasteriser.
    std::optional<Segment> visiblePart(const Box& visible) const;

private:
    void change(float& field, float value);
    void markExtent() const;

    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color color_{};
    int width_ = 1;
    DirtySink* sink_ = nullptr;
};

} // namespace forms
