#include "platform/qt/FocusRing.h"

#include <QFocusEvent>
#include <QPainter>

namespace qtwin {

namespace {

constexpr int kGap = 2, kWidth = 2;
const QColor kRingColor(0, 0, 255);

} // namespace

FocusRing::FocusRing(QWidget& watched)
    : QWidget(watched.parentWidget())
    , watched_(watched)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(watched.geometry().adjusted(-kGap - kWidth, -kGap - kWidth, kGap + kWidth, kGap + kWidth));
    stackUnder(&watched);
    hide();
    watched.installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &watched_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The window coming back to the front returns the focus it had, ring and all.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            byKeyboard_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        setVisible(byKeyboard_);
    } else if (watched == &watched_ && event->type() == QEvent::FocusOut) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(kRingColor, kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

} // namespace qtwin
