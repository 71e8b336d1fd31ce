#pragma once

#include "forms/Color.h"
#include "forms/Geometry.h"

namespace forms {

class BoardLabel;
class PictureBox;

// What a platform draws a picture box's retained objects with.
class FigureCanvas {
public:
    virtual ~FigureCanvas() = default;
    // A straight line with square ends, so that the corners where two sides
    // meet are closed; a point when the segment has no length.
    virtual void drawLine(const Segment& segment, int width, Color color) = 0;
    // The label's box filled with its back colour and its caption at the
    // box's top-left corner, nothing outside the box.
    virtual void drawLabel(const BoardLabel& label, const Rect& box) = 0;
};

// Draws, in stacking order, every retained object of `box` that meets
// `exposed`; the surface beneath is the platform's to show first.
void paintFigure(const PictureBox& box, const Box& exposed, FigureCanvas& canvas);

} // namespace forms
