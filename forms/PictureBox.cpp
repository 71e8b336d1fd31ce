#include "forms/PictureBox.h"

#include "forms/BoardLabel.h"
#include "forms/LineShape.h"
#include "forms/Surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTabletEvent>
#include <algorithm>

namespace forms {

namespace {

int16_t buttonCode(Qt::MouseButtons buttons)
{
    return int16_t((buttons & Qt::LeftButton ? vbLeftButton : 0) | (buttons & Qt::RightButton ? vbRightButton : 0)
                   | (buttons & Qt::MiddleButton ? vbMiddleButton : 0));
}

int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    return int16_t((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                   | (modifiers & Qt::AltModifier ? 4 : 0));
}

// Qt's raster engine hands any fill of more than about 96 rows to its thread
// pool and waits for it; for a narrow dirty rectangle the hand-over costs more
// than the copy. Tall rectangles are copied in slabs below that.
constexpr int kSlabRows = 64;

QRectF deviceRect(const QRect& area, qreal ratio)
{
    return QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
}

} // namespace

PictureBox::PictureBox(Surface& surface, QWidget* parent)
    : QWidget(parent)
    , surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // moves arrive with no button held too
    surface_.attach(this);
    surface_.setDevicePixelRatio(devicePixelRatioF());
}

void PictureBox::addShape(LineShape& shape)
{
    shapes_.push_back(&shape);
    shape.attach(this);
    markDirty(rect());
}

void PictureBox::addLabel(BoardLabel& label)
{
    labels_.push_back(&label);
    label.attach(this);
    markDirty(rect());
}

void PictureBox::setScaleMode(int16_t mode)
{
    if (mode != vbPixels) {
        qWarning("PictureBox: scale mode %d is not supported; the board stays in pixels", int(mode));
        return;
    }
    scaleMode_ = mode;
}

void PictureBox::markDirty(const QRect& area)
{
    const QRect visible = area & rect();
    if (visible.isEmpty())
        return;
    pending_ |= visible;
    update(pending_);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    pending_ = QRect(); // the event loop has taken what was pending
    surface_.setDevicePixelRatio(devicePixelRatioF()); // the window may have moved to another screen
    QPainter painter(this);
    for (const QRect& part : event->region())
        for (int top = part.top(); top <= part.bottom(); top += kSlabRows)
            paintSurface(painter, QRect(part.left(), top, part.width(), std::min(kSlabRows, part.bottom() - top + 1)));

    const QRectF exposed = event->region().boundingRect();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LineShape* shape : shapes_)
        if (shape->extent().intersects(exposed))
            shape->paint(painter, exposed);
    for (const BoardLabel* label : labels_)
        if (label->extent().intersects(exposed))
            label->paint(painter);
}

void PictureBox::paintSurface(QPainter& painter, const QRect& area) const
{
    if (surface_.isBlank())
        painter.fillRect(area, surface_.background());
    else
        painter.drawImage(area, surface_.image(), deviceRect(area, surface_.devicePixelRatio()));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void PictureBox::tabletEvent(QTabletEvent* event)
{
    const QPointF at = event->position();
    const int16_t shift = shiftCode(event->modifiers());
    switch (event->type()) {
    case QEvent::TabletPress:
        emit MouseDown(buttonCode(event->button()), shift, float(at.x()), float(at.y()));
        break;
    case QEvent::TabletMove:
        emit MouseMove(buttonCode(event->buttons()), shift, float(at.x()), float(at.y()));
        break;
    case QEvent::TabletRelease:
        emit MouseUp(buttonCode(event->button()), shift, float(at.x()), float(at.y()));
        break;
    default:
        return;
    }
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

} // namespace forms
