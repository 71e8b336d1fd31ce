#include "platform/qt/BoardView.h"

#include "forms/BoardLabel.h"
#include "forms/FigurePainter.h"
#include "forms/PictureBox.h"
#include "platform/qt/ImageSurface.h"
#include "platform/qt/PainterCanvas.h"
#include "platform/qt/QtTypes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTabletEvent>
#include <algorithm>

namespace qtwin {

namespace {

int16_t buttonCode(Qt::MouseButtons buttons)
{
    return int16_t((buttons & Qt::LeftButton ? forms::vbLeftButton : 0)
                   | (buttons & Qt::RightButton ? forms::vbRightButton : 0)
                   | (buttons & Qt::MiddleButton ? forms::vbMiddleButton : 0));
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

BoardView::BoardView(forms::PictureBox& box, ImageSurface& surface, QWidget* parent)
    : QWidget(parent)
    , box_(box)
    , surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // moves arrive with no button held too
    surface_.setDevicePixelRatio(devicePixelRatioF());
    for (const forms::BoardLabel* label : box_.labels())
        letters_.add(*label);
    box_.setView(this);
}

BoardView::~BoardView() { box_.setView(nullptr); }

void BoardView::markDirty(const forms::Rect& area)
{
    const QRect visible = toQRect(area) & rect();
    if (visible.isEmpty())
        return;
    pending_ |= visible;
    update(pending_);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    pending_ = QRect(); // the event loop has taken what was pending
    if (surface_.setDevicePixelRatio(devicePixelRatioF())) // the window moved to another screen
        update();
    QPainter painter(this);
    for (const QRect& part : event->region())
        for (int top = part.top(); top <= part.bottom(); top += kSlabRows)
            paintSurface(painter, QRect(part.left(), top, part.width(), std::min(kSlabRows, part.bottom() - top + 1)));

    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter, letters_);
    forms::paintFigure(box_, toBox(QRectF(event->region().boundingRect())), canvas);
}

void BoardView::paintSurface(QPainter& painter, const QRect& area) const
{
    if (surface_.isBlank())
        painter.fillRect(area, surface_.background());
    else
        painter.drawImage(area, surface_.image(), deviceRect(area, surface_.devicePixelRatio()));
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void BoardView::tabletEvent(QTabletEvent* event)
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

} // namespace qtwin
