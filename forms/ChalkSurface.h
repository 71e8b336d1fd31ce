#pragma once

#include "forms/Color.h"
#include "forms/Geometry.h"

namespace forms {

// Where a picture box keeps what is drawn on it: each platform keeps the
// pixels its own way (an image, an offscreen canvas) and shows them under the
// retained objects. Positions arrive in board pixels, already cut to the
// surface and centred on the pixels they name.
class ChalkSurface {
public:
    virtual ~ChalkSurface() = default;
    // Every pixel becomes the background colour.
    virtual void clear(Color background) = 0;
    // A straight stroke with round ends and joins, so that a chain of segments
    // reads as one stroke; a segment of no length leaves a round dot.
    virtual void stroke(const Segment& segment, double width, Color color) = 0;
};

} // namespace forms
