#pragma once

#include "forms/Color.h"
#include "forms/DirtySink.h"
#include "forms/Geometry.h"

#include <cstdint>
#include <vector>

namespace forms {

class BoardLabel;
class ChalkSurface;
class LineShape;

// The only coordinate unit this window system knows: pixels.
constexpr int16_t vbPixels = 3;

// Mouse button codes as the handlers receive them; on a move, the buttons
// held, summed.
constexpr int16_t vbLeftButton = 1;
constexpr int16_t vbRightButton = 2;
constexpr int16_t vbMiddleButton = 4;

// A picture box: a drawing surface that keeps what is drawn on it until Cls,
// with retained line shapes on top and labels above those. It tells its view
// (the platform's widget or canvas) which pixels changed, nothing more.
class PictureBox : public DirtySink {
public:
    PictureBox(int width, int height, Color background, ChalkSurface& surface);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color BackColor() const { return background_; }
    Rect area() const { return {0, 0, width_, height_}; }

    int16_t ScaleMode() const { return scaleMode_; }
    // Pixels are the only unit; any other is refused (false) and the unit stays.
    bool setScaleMode(int16_t mode);

    int16_t DrawWidth() const { return drawWidth_; }
    // Widths below one pixel are taken as one.
    void setDrawWidth(int16_t width);

    // Paints the whole surface in the background colour.
    void Cls();
    // Draws a straight line at the current DrawWidth onto the surface. Returns
    // the pixels it may have changed, which is also what it reports to the
    // view; empty when the line misses the surface.
    Rect Line(float x1, float y1, float x2, float y2, Color color);
    // How many lines were drawn on the surface since the box was made: a
    // line that misses it is none.
    uint32_t linesDrawn() const { return linesDrawn_; }

    // Shapes and labels paint in the order they are added; labels above shapes.
    void addShape(LineShape& shape);
    void addLabel(BoardLabel& label);
    const std::vector<const LineShape*>& shapes() const { return shapes_; }
    const std::vector<const BoardLabel*>& labels() const { return labels_; }

    // Whoever shows the box; it learns of every changed pixel inside it.
    void setView(DirtySink* view);
    void markDirty(const Rect& area) override;

private:
    int width_, height_;
    Color background_;
    ChalkSurface& surface_;
    int16_t scaleMode_ = vbPixels;
    int16_t drawWidth_ = 1;
    uint32_t linesDrawn_ = 0;
    std::vector<const LineShape*> shapes_;
    std::vector<const BoardLabel*> labels_;
    DirtySink* view_ = nullptr;
};

} // namespace forms
