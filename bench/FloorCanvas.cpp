#include "FloorCanvas.h"

#include <QPainter>
#include <QPaintEvent>

FloorCanvas::FloorCanvas(QSize size)
    : image_(size, QImage::Format_RGB32)
{
    image_.fill(QColor(0, 128, 0));
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FloorCanvas::drawSegment(QPointF from, QPointF to, int width, const QColor& color)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    const qreal pad = width / 2.0 + 2;
    update(QRectF(from, to).normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect());
}

void FloorCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}
