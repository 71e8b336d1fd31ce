#include "platform/qt/BoardView.h"

#include "forms/BoardLabel.h"
#include "forms/FigurePainter.h"
#include "forms/Keys.h"
#include "forms/PictureBox.h"
#include "platform/qt/ImageSurface.h"
#include "platform/qt/PainterCanvas.h"
#include "platform/qt/QtTypes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <algorithm>

namespace qtwin {

namespace {

// Qt numbers the buttons as the pointer's buttons are coded: 1 left, 2
// right, 4 middle, then the others.
int buttonBits(Qt::MouseButtons buttons) { return int(buttons); }

int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    return int16_t((modifiers & Qt::ShiftModifier ? forms::vbShiftMask : 0)
                   | (modifiers & Qt::ControlModifier ? forms::vbCtrlMask : 0)
                   | (modifiers & Qt::AltModifier ? forms::vbAltMask : 0)
                   | (modifiers & Qt::MetaModifier ? forms::kMetaMask : 0));
}

// The window system's code of the keys the board has a use for; 0 for the rest.
int16_t keyCode(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return forms::vbKeyUp;
    case Qt::Key_Down:
        return forms::vbKeyDown;
    case Qt::Key_PageUp:
        return forms::vbKeyPageUp;
    case Qt::Key_PageDown:
        return forms::vbKeyPageDown;
    default:
        return 0;
    }
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

BoardView::BoardView(forms::PictureBox& box, ImageSurface& surface, forms::PointerSink& pointers, QWidget* parent)
    : QWidget(parent)
    , box_(box)
    , surface_(surface)
    , pointers_(pointers)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // moves arrive with no button held too
    setTabletTracking(true); // and a pen's while it hovers
    setAttribute(Qt::WA_AcceptTouchEvents);
    QCoreApplication::instance()->installEventFilter(this);
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

void BoardView::mousePressEvent(QMouseEvent* event) { mouseEvent(forms::PointerAction::Press, event); }

void BoardView::mouseMoveEvent(QMouseEvent* event) { mouseEvent(forms::PointerAction::Move, event); }

void BoardView::mouseReleaseEvent(QMouseEvent* event) { mouseEvent(forms::PointerAction::Release, event); }

void BoardView::mouseEvent(forms::PointerAction action, QMouseEvent* event)
{
    // The mouse Qt makes of a touch that went unaccepted; the touch itself counts.
    if (event->device() && event->device()->type() == QInputDevice::DeviceType::TouchScreen)
        return;
    const QPointF at = event->position();
    pointers_.pointer({forms::PointerKind::Mouse, action, 0, buttonBits(event->buttons()),
                      shiftCode(event->modifiers()), float(at.x()), float(at.y()), double(event->timestamp()),
                      buttonBits(event->button())});
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    int16_t code = keyCode(event->key());
    if (code != 0) {
        emit KeyDown(code, shiftCode(event->modifiers()));
        if (code == 0)
            return; // the board took it
    }
    QWidget::keyPressEvent(event);
}

void BoardView::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats as presses; the releases between them are no let-go.
    int16_t code = event->isAutoRepeat() ? int16_t(0) : keyCode(event->key());
    if (code != 0) {
        emit KeyUp(code, shiftCode(event->modifiers()));
        if (code == 0)
            return;
    }
    QWidget::keyReleaseEvent(event);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    emit LostFocus();
    QWidget::focusOutEvent(event);
}

void BoardView::tabletEvent(QTabletEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::TabletPress && type != QEvent::TabletMove && type != QEvent::TabletRelease)
        return;
    const auto action = type == QEvent::TabletPress ? forms::PointerAction::Press
        : type == QEvent::TabletMove                ? forms::PointerAction::Move
                                                    : forms::PointerAction::Release;
    const QPointF at = event->position();
    pointers_.pointer({forms::PointerKind::Pen, action, int32_t(event->pointingDevice()->systemId()),
                       buttonBits(event->buttons()), shiftCode(event->modifiers()), float(at.x()), float(at.y()),
                       double(event->timestamp()), buttonBits(event->button())});
    event->accept();
}

bool BoardView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        touchEvent(static_cast<QTouchEvent*>(event));
        return true;
    case QEvent::TouchCancel:
        pointers_.touchesCancelled(double(static_cast<QTouchEvent*>(event)->timestamp()));
        return true;
    default:
        return QWidget::event(event);
    }
}

// The points a touch event lists are the touches on the glass, and a touch
// sequence's beginning has no other: a touch pressed then ends every touch
// still counted whose lift went missing. The board counts a finger as the
// left button.
void BoardView::touchEvent(QTouchEvent* event)
{
    const int16_t shift = shiftCode(event->modifiers());
    bool alone = event->type() == QEvent::TouchBegin || event->points().size() == 1;
    for (const QEventPoint& point : event->points()) {
        using State = QEventPoint::State;
        const State state = point.state();
        if (state != State::Pressed && state != State::Updated && state != State::Released)
            continue; // a finger that stayed where it was
        const auto action = state == State::Pressed ? forms::PointerAction::Press
            : state == State::Updated               ? forms::PointerAction::Move
                                                    : forms::PointerAction::Release;
        // Where the toolkit places a touch on a widget: also for one a test
        // or another program sends, which carries only its global place.
        const QPointF at = mapFromGlobal(point.globalPosition());
        forms::PointerInput input{forms::PointerKind::Touch, action, int32_t(point.id()), 0, shift, float(at.x()),
                                  float(at.y()), double(event->timestamp())};
        input.alone = alone && action == forms::PointerAction::Press;
        alone = alone && !input.alone; // of touches pressed together, the first ends the old ones
        pointers_.pointer(input);
    }
    event->accept();
}

bool BoardView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::TabletLeaveProximity) {
        const auto* pen = static_cast<QTabletEvent*>(event);
        pointers_.pointer({forms::PointerKind::Pen, forms::PointerAction::Leave, int32_t(pen->pointingDevice()->systemId()),
                          0, 0, 0, 0, double(pen->timestamp())});
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qtwin
