#pragma once

#include <QImage>
#include <QWidget>

// The floor for a chalk segment: the least a Qt widget can do to show one, a
// persistent image, a segment painted into it, only its rectangle repainted.
class FloorCanvas : public QWidget {
public:
    explicit FloorCanvas(QSize size);
    void drawSegment(QPointF from, QPointF to, int width, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
