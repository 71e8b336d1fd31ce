#pragma once

#include "forms/DirtySink.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;

namespace forms {

class BoardLabel;
class LineShape;
class Surface;

// The only coordinate unit this window system knows: pixels.
constexpr int16_t vbPixels = 3;

// Mouse button codes as the handlers receive them.
constexpr int16_t vbLeftButton = 1;
constexpr int16_t vbRightButton = 2;
constexpr int16_t vbMiddleButton = 4;

// A picture box: shows its Surface with its retained line shapes on top and
// its labels above those, and reports the mouse in its own pixels. Only the
// rectangles that its surface and objects report as changed are repainted.
class PictureBox : public QWidget, public DirtySink {
    Q_OBJECT
public:
    PictureBox(Surface& surface, QWidget* parent = nullptr);

    // Shapes and labels paint in the order they are added; labels above shapes.
    void addShape(LineShape& shape);
    void addLabel(BoardLabel& label);

    int16_t ScaleMode() const { return scaleMode_; }
    // Pixels are the only unit; any other is refused and the unit stays.
    void setScaleMode(int16_t mode);

    void markDirty(const QRect& area) override;

signals:
    // Button: 1 left, 2 right, 4 middle (on a move, the buttons held, summed);
    // Shift: 1 Shift, 2 Ctrl, 4 Alt, summed; X, Y in the box's pixels.
    void MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void MouseUp(int16_t Button, int16_t Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A pen acts as the mouse, its tip as the left button. The events are
    // taken here, so the toolkit does not make a second, mouse copy of them.
    void tabletEvent(QTabletEvent* event) override;

private:
    // Copies one slab of the surface, or the board colour while it is blank.
    void paintSurface(QPainter& painter, const QRect& area) const;

    Surface& surface_;
    std::vector<LineShape*> shapes_;
    std::vector<BoardLabel*> labels_;
    int16_t scaleMode_ = vbPixels;
    // Everything marked since the last paint, as one rectangle: the figure's
    // lines rasterise far faster against one rectangle than against a region
    // of many, and one event's changes lie close together.
    QRect pending_;
};

} // namespace forms
