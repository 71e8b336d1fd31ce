// Other ways in than the mouse: a finger or a pen on an interactive
// whiteboard, a hand resting on the glass, and what the window tells of them.
#include "Shown.h"
#include "platform/qt/DesktopForm.h"

#include <QRegularExpression>
#include <QSet>
#include <QTabletEvent>
#include <QtTest>
#include <memory>

using Form1 = qtwin::DesktopForm;

namespace {

// Devices as the window system names them, alive as long as the application.
const QPointingDevice* device(QInputDevice::DeviceType type)
{
    static const auto* pen = new QPointingDevice(QStringLiteral("pen"), 2, QInputDevice::DeviceType::Stylus,
                                                 QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position,
                                                 1, 3, {}, {}, qApp);
    static const auto* glass = new QPointingDevice(QStringLiteral("glass"), 3, QInputDevice::DeviceType::TouchScreen,
                                                   QPointingDevice::PointerType::Finger,
                                                   QInputDevice::Capability::Position, 10, 0, {}, {}, qApp);
    return type == QInputDevice::DeviceType::Stylus ? pen : glass;
}

void sendPen(QWidget* board, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
             quint64 time = 0)
{
    QTabletEvent event(type, device(QInputDevice::DeviceType::Stylus), at, board->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, {}, button, held);
    event.setTimestamp(time);
    QApplication::sendEvent(type == QEvent::TabletLeaveProximity ? qApp : static_cast<QObject*>(board), &event);
}

// Pointer events written as "pen down 100,100 20; touch1 move+3/2 500,100 30":
// who, what (down, move, up, cancel, leave: a pen out of range, hover: a
// move with no button, lost: a touch that lifts unheard), the buttons held
// and the button it is of where they are not the usual ones, where on the
// board, and when in milliseconds. A touch that lands on an empty glass is
// told so.
QVector<forms::PointerInput> pointerSteps(const QString& text)
{
    static const QStringList actions = {"down", "move", "up", "cancel", "leave", "hover", "lost"};
    QVector<forms::PointerInput> steps;
    QSet<int> glass; // the touches on it
    for (const QString& step : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ', Qt::SkipEmptyParts), at = w[2].split(',');
        const QStringList what = w[1].split(QRegularExpression("[+/]"));
        const int action = int(actions.indexOf(what[0])), id = w[0].mid(5).toInt();
        const auto kind = w[0] == "mouse" ? forms::PointerKind::Mouse : w[0] == "pen" ? forms::PointerKind::Pen
                                                                                      : forms::PointerKind::Touch;
        const bool touch = kind == forms::PointerKind::Touch, lifts = action == 2 || action == 3 || action == 6;
        forms::PointerInput in{kind, forms::PointerAction(action == 5 ? 1 : action), id, action <= 1 ? 1 : 0, 0,
                               at[0].toFloat(), at[1].toFloat(), w[3].toDouble(), action == 1 || action == 5 ? 0 : 1};
        if (w[1].contains('+'))
            in.buttons = what[1].toInt();
        if (w[1].contains('/'))
            in.button = what.back().toInt();
        in.alone = touch && action == 0 && (glass - QSet<int>{id}).isEmpty();
        if (touch && action == 0)
            glass << id;
        if (touch && lifts)
            glass.remove(id);
        if (action != 6)
            steps << in;
    }
    return steps;
}

// The same step as the desktop's toolkit delivers it to the board: a touch
// that is not alone comes beside another, resting on the glass.
void sendToBoard(QWidget* board, const forms::PointerInput& in)
{
    const int action = int(in.action); // press, move, release, cancel, leave
    const QPointF at(in.x, in.y), global = board->mapToGlobal(at);
    const auto button = Qt::MouseButton(in.action == forms::PointerAction::Move ? 0 : in.button);
    if (in.kind == forms::PointerKind::Touch) {
        static const QEvent::Type types[] = {QEvent::TouchBegin, QEvent::TouchUpdate, QEvent::TouchEnd, QEvent::TouchCancel};
        static const QEventPoint::State states[] = {QEventPoint::State::Pressed, QEventPoint::State::Updated,
                                                    QEventPoint::State::Released, QEventPoint::State::Released};
        QList<QEventPoint> points = {QEventPoint(in.id, states[action], at, global)};
        if (!in.alone)
            points << QEventPoint(in.id + 100, QEventPoint::State::Stationary, {}, {});
        QTouchEvent event(action == 0 && !in.alone ? QEvent::TouchUpdate : types[action],
                          device(QInputDevice::DeviceType::TouchScreen), {}, points);
        event.setTimestamp(quint64(in.time));
        QApplication::sendEvent(board, &event);
    } else if (in.kind == forms::PointerKind::Pen) {
        static const QEvent::Type types[] = {QEvent::TabletPress, QEvent::TabletMove, QEvent::TabletRelease,
                                             QEvent::None, QEvent::TabletLeaveProximity};
        sendPen(board, types[action], at, button, Qt::MouseButtons(in.buttons), quint64(in.time));
    } else {
        static const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
        QMouseEvent event(types[action], at, global, button, Qt::MouseButtons(in.buttons), {});
        QApplication::sendEvent(board, &event);
    }
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    // The pen over a hand on the glass: which pointer holds the board, and
    // what the board is told. Pens are at x 100 and up, touches at 500 and up.
    void thePenComesFirst_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("calls");
        QTest::newRow("a palm first: the pen takes the board, the palm's few moves stay")
            << "touch1 down 500,100 0; touch1 move 510,100 10; pen down 100,100 20; touch1 move 520,100 30;"
               "pen move 110,100 40; pen up 110,100 50; touch1 move 530,100 60; touch1 up 530,100 70"
            << "D1:500 M:510 U1 D1:100 M:110 U1";
        QTest::newRow("a pen that ends a finger's drag of DE")
            << "touch1 down 500,405 0; touch1 move 500,440 10; pen down 100,100 1500; touch1 up 500,440 1600;"
               "pen up 100,100 1700"
            << "D1:500 M:500 U1 D1:100 U1";
        QTest::newRow("a palm while the pen writes") << "pen down 100,100 0; touch1 down 500,100 10;"
                                                       "touch1 move 510,100 20; pen move 110,100 30; pen up 110,100 40;"
                                                       "touch1 move 520,100 50; touch1 up 520,100 60"
                                                    << "D1:100 M:110 U1";
        QTest::newRow("a palm within a second of the pen, still down long after")
            << "pen down 100,100 0; pen up 100,100 10; touch1 down 500,100 1009; touch1 move 510,100 3000;"
               "touch1 up 510,100 3100"
            << "D1:100 U1";
        QTest::newRow("a palm under a pen hovering on, and a finger a second after its last move")
            << "pen hover 100,100 0; pen hover 110,100 900; touch1 down 500,100 1800; touch1 up 500,100 1810;"
               "touch2 down 600,100 1900; touch2 up 600,100 1910"
            << "M:100 M:110 D1:600 U1";
        QTest::newRow("a pen's leave is its last event: a palm within a second of it, a finger after")
            << "pen hover 100,100 0; pen leave 100,100 800; touch2 down 600,100 1799; touch2 up 600,100 1800;"
               "touch3 down 700,100 1800; touch3 up 700,100 1810"
            << "M:100 D1:700 U1";
        QTest::newRow("a pen hovering still for a second: a finger writes")
            << "pen hover 100,100 0; touch1 down 500,100 1000; touch1 move 510,100 1010; touch1 up 510,100 1020"
            << "M:100 D1:500 M:510 U1";
        QTest::newRow("a leave that never comes: a finger writes long after the pen")
            << "pen down 100,100 0; pen up 100,100 10; pen hover 110,100 20; touch1 down 500,100 2620;"
               "touch1 up 500,100 2630"
            << "D1:100 U1 M:110 D1:500 U1";
        QTest::newRow("a finger after a quiet second")
            << "pen down 100,100 0; pen up 100,100 10; touch1 down 500,100 1010; touch1 move 510,100 1020;"
               "touch1 up 510,100 1030"
            << "D1:100 U1 D1:500 M:510 U1";
        QTest::newRow("the mouse at once") << "pen down 100,100 0; pen up 100,100 10; mouse down 300,100 11;"
                                             "mouse move 310,100 12; mouse up 310,100 13"
                                          << "D1:100 U1 D1:300 M:310 U1";
        QTest::newRow("a second finger waits for the first to lift, and for its own")
            << "touch1 down 500,100 0; touch2 down 600,100 10; touch1 up 500,100 20; touch2 move 610,100 30;"
               "touch2 up 610,100 40; touch2 down 620,100 50; touch2 up 620,100 60"
            << "D1:500 U1 D1:620 U1";
        QTest::newRow("ids never pressed, releases with no press")
            << "touch7 move 500,100 0; touch7 up 500,100 10; pen up 100,100 20; mouse up 300,100 30"
            << "";
        QTest::newRow("a time stamp going back counts as now")
            << "pen down 100,100 5000; pen up 100,100 5010; touch1 down 500,100 100; touch1 up 500,100 110;"
               "touch2 down 600,100 1100; touch2 up 600,100 1110"
            << "D1:100 U1 D1:600 U1";
        QTest::newRow("a lift lost mid-drag: a touch alone on the glass ends it, and the next writes")
            << "touch1 down 500,405 0; touch1 move 500,440 10; touch1 lost 500,440 20; touch2 down 600,100 5000;"
               "touch2 move 610,100 5010; touch2 up 610,100 5020; touch3 down 700,100 60000; touch3 up 700,100 60010;"
               "mouse down 300,100 60020; mouse up 300,100 60030"
            << "D1:500 M:500 U1 D1:600 M:610 U1 D1:700 U1 D1:300 U1";
        QTest::newRow("a lift lost beside a resting palm: the mouse takes the board")
            << "touch1 down 500,100 0; touch2 down 600,100 10; touch1 lost 500,100 20; touch3 down 700,100 5000;"
               "touch3 up 700,100 5010; mouse down 300,100 5020; mouse up 300,100 5030; touch2 up 600,100 5040"
            << "D1:500 U1 D1:300 U1";
        QTest::newRow("a pen's lift lost: its next press begins a new line")
            << "pen down 100,100 0; pen move 110,100 10; pen down 200,100 5000; pen move 210,100 5010;"
               "pen up 210,100 5020"
            << "D1:100 M:110 U1 D1:200 M:210 U1";
        QTest::newRow("the barrel held and let go under the tip, as a browser tells it")
            << "pen down 100,100 0; pen move+3 110,100 10; pen move+3 120,100 20; pen move+1 130,100 30;"
               "pen up 130,100 40"
            << "D1:100 M:110 M:120 M:130 U1";
        QTest::newRow("the barrel pressed and released under the tip, as the toolkit tells it")
            << "pen down 100,100 0; pen down+3/2 110,100 10; pen move+3 120,100 20; pen up+1/2 120,100 30;"
               "pen move 130,100 40; pen up 130,100 50"
            << "D1:100 M:120 M:130 U1";
        QTest::newRow("the tip lifted off a held barrel ends the line")
            << "pen down 100,100 0; pen move+3 110,100 10; pen move+2 120,100 20; pen up+0/2 120,100 30"
            << "D1:100 M:110 U1";
        QTest::newRow("a press with the barrel held is the right button") << "pen down+2/2 300,100 0; pen up+0/2 300,100 10"
                                                                        << "D2:300 U2";
        QTest::newRow("a pen's eraser end writes as its tip")
            << "pen down+32/32 100,100 0; pen move+32 110,100 10; pen up+0/32 110,100 20" << "D1:100 M:110 U1";
        QTest::newRow("a press that reports no button counts its own")
            << "mouse down+0/1 300,100 0; mouse move 310,100 5; mouse up 310,100 10; pen down+0/1 100,100 20;"
               "pen up 100,100 30"
            << "D1:300 M:310 U1 D1:100 U1";
        QTest::newRow("a finger is the left button, whatever it reports")
            << "touch1 down+0/0 500,100 0; touch1 move+4 510,100 10; touch1 up+2/2 510,100 20" << "D1:500 M:510 U1";
        QTest::newRow("a touch cancelled mid-drag ends as its release")
            << "touch1 down 500,405 0; touch1 move 500,440 10; touch1 cancel 500,440 20; touch1 move 500,470 30"
            << "D1:500 M:500 U1";
    }

    void thePenComesFirst()
    {
        QFETCH(QString, steps);
        QFETCH(QString, calls);
        CallLog log;
        forms::PointerArbiter arbiter(log);
        for (const forms::PointerInput& step : pointerSteps(steps))
            arbiter.pointer(step);
        QCOMPARE(log.calls.join(' '), calls);
        QVERIFY(!arbiter.holding());
    }

    // The same, from tablet, touch and mouse events as Qt delivers them to
    // the board's widget, on their way to the handlers.
    void thePenComesFirstOnTheDesktop_data() { thePenComesFirst_data(); }
    void thePenComesFirstOnTheDesktop()
    {
        QFETCH(QString, steps);
        QFETCH(QString, calls);
        ViewedBoard b;
        for (const forms::PointerInput& step : pointerSteps(steps))
            sendToBoard(&b.view, step);
        QCOMPARE(b.log.calls.join(' '), calls);
        QCOMPARE(b.board.state().dragging, 0.f); // every row lets go in the end
        QCOMPARE(b.board.de().BorderColor(), kDERed);
    }

    // Whether the last event drew chalk, as the window tells a platform that
    // shows the ink ahead of the board's next frame.
    void theWindowSaysWhichEventDrew_data()
    {
        QTest::addColumn<QString>("steps"); // the last one asked about
        QTest::addColumn<bool>("memo");
        QTest::addColumn<bool>("drew");
        QTest::newRow("a pen's move with the chalk down") << "pen down 100,100 0; pen move 150,100 10" << true << true;
        QTest::newRow("its press") << "pen down 100,100 0" << true << false;
        QTest::newRow("a hovering pen") << "pen hover 100,100 0; pen hover 150,100 10" << true << false;
        QTest::newRow("a palm set aside") << "pen down 100,100 0; touch1 down 500,100 5; touch1 move 550,100 10" << true
                                          << false;
        QTest::newRow("a drag of DE") << "pen down 300,405 0; pen move 300,425 10" << false << false;
        QTest::newRow("a move wholly off the board") << "pen down 100,100 0; pen move -50,-60 5; pen move -80,-90 10"
                                                     << true << false;
    }
    void theWindowSaysWhichEventDrew()
    {
        QFETCH(QString, steps);
        QFETCH(bool, memo);
        QFETCH(bool, drew);
        Form1 form;
        if (memo)
            form.handlers().Command3_Click();
        for (const forms::PointerInput& step : pointerSteps(steps))
            form.form1().pointer(step);
        QCOMPARE(form.form1().pointerDrewChalk(), drew);
    }

    // Qt's own ways of sending a finger, a pen and a double click: each
    // reaches the handlers as the left button does, and only once.
    void qtsOwnEventsReachTheBoardOnce_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<float>("deY");  // where DE is afterwards
        QTest::addColumn<bool>("chalk"); // memo mode on, and chalk where the pen went
        QTest::newRow("a finger drags DE with one press") << 0 << "D1:300 M:300 U1" << 480.f << false;
        QTest::newRow("a pen writes chalk as the left button does") << 1 << "D1:100 M:200 U1" << 410.f << true;
        QTest::newRow("a double click is two presses") << 2 << "M:300 D1:300 U1 D1:300 U1" << 410.f << false;
    }
    void qtsOwnEventsReachTheBoardOnce()
    {
        QFETCH(int, way);
        QFETCH(QString, calls);
        QFETCH(float, deY);
        QFETCH(bool, chalk);
        ViewedBoard b;
        QVERIFY(exposed(b.view));
        if (chalk)
            b.board.handlers.Command3_Click();
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        if (way == 0) {
            QTest::touchEvent(&b.view, finger.get()).press(0, QPoint(300, 405));
            QTest::touchEvent(&b.view, finger.get()).move(0, QPoint(300, 475));
            QTest::touchEvent(&b.view, finger.get()).release(0, QPoint(300, 475));
        } else if (way == 1) {
            sendPen(&b.view, QEvent::TabletPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
            sendPen(&b.view, QEvent::TabletMove, {200, 100}, Qt::NoButton, Qt::LeftButton);
            sendPen(&b.view, QEvent::TabletRelease, {200, 100}, Qt::LeftButton, Qt::NoButton);
        } else {
            QTest::mouseDClick(b.view.windowHandle(), Qt::LeftButton, {}, QPoint(300, 410));
        }
        QCOMPARE(b.log.calls.join(' '), calls);
        QCOMPARE(b.board.de().Y1(), deY);
        QCOMPARE(b.board.surfacePixel(150, 100), chalk ? kRed : kGreen);
        QCOMPARE(b.board.state().dragging, 0.f); // the second release ends the second grab
        QCOMPARE(b.board.state().penDown, int16_t(0));
    }
};

QTEST_MAIN(InputTest)
#include "tst_input.moc"
