#pragma once

#include "forms/DirtySink.h"
#include "forms/PointerInput.h"
#include "platform/qt/PainterCanvas.h"

#include <QRect>
#include <QWidget>
#include <cstdint>

class QTouchEvent;

namespace forms {
class PictureBox;
}

namespace qtwin {

class ImageSurface;

// The widget that shows a picture box: its chalk surface with the retained
// line shapes on top and the labels above those, repainting only the
// rectangles the box reports as changed. It hands every event of the mouse,
// a pen and touches to its pointer sink as it comes, in the box's pixels, and
// reports the keys it has a use for.
class BoardView : public QWidget, public forms::DirtySink {
    Q_OBJECT
public:
    BoardView(forms::PictureBox& box, ImageSurface& surface, forms::PointerSink& pointers, QWidget* parent = nullptr);
    ~BoardView() override;

    void markDirty(const forms::Rect& area) override;

signals:
    // The keys the board has a use for, while it has the focus: the arrow
    // and page keys (forms/Keys.h), with Shift 1 Shift, 2 Ctrl, 4 Alt, 8 Meta,
    // summed. A receiver that takes the key sets KeyCode to 0, and it goes no
    // further. Auto-repeat sends presses only.
    void KeyDown(int16_t& KeyCode, int16_t Shift);
    void KeyUp(int16_t& KeyCode, int16_t Shift);
    void LostFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A pen acts as the mouse, its tip as the left button, and so does a
    // finger. The events are taken here, so the toolkit does not make a
    // second, mouse copy of them.
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;
    // A pen leaving the tablet's range is told to the application only.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouseEvent(forms::PointerAction action, QMouseEvent* event);
    void touchEvent(QTouchEvent* event);

    // Copies one slab of the surface, or the board colour while it is blank.
    void paintSurface(QPainter& painter, const QRect& area) const;

    forms::PictureBox& box_;
    ImageSurface& surface_;
    LetterTexts letters_;
    // Everything marked since the last paint, as one rectangle: the figure's
    // lines rasterise far faster against one rectangle than against a region
    // of many, and one event's changes lie close together.
    QRect pending_;
    forms::PointerSink& pointers_;
};

} // namespace qtwin
