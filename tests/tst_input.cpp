// Other ways in: a finger or a pen on an interactive whiteboard, the keyboard,
// and what a screen reader is told.
#include "platform/qt/RadioPalette.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/DesktopForm.h"
#include "forms/QBColor.h"
#include "window/FormLayout.h"

#include <QAccessible>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QtTest>
#include <memory>

using Form1 = qtwin::DesktopForm;

namespace {

void sendPen(QWidget* board, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    static const QPointingDevice pen(QStringLiteral("pen"), 2, QInputDevice::DeviceType::Stylus,
                                     QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 3);
    QTabletEvent event(type, &pen, at, board->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, {}, button, held);
    QApplication::sendEvent(board, &event);
    QVERIFY(event.isAccepted());
}

// The window shown and given the keyboard, as the program opens it.
bool shownActive(QWidget& form)
{
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

// The middle of a control, in the window.
QPoint middleOf(const char* name, int16_t index = -1)
{
    const forms::Rect& r = window::layoutOf(name, index).place;
    return {r.x + r.width / 2, r.y + r.height / 2};
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void oneFingerDragsDEWithOnePress()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* gamen = form.controls().gamen;
        QSignalSpy presses(form.controls().gamen, &qtwin::BoardView::MouseDown);
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        QTest::touchEvent(gamen, finger.get()).press(0, QPoint(300, 405));
        QTest::touchEvent(gamen, finger.get()).move(0, QPoint(300, 475));
        QTest::touchEvent(gamen, finger.get()).release(0, QPoint(300, 475));
        QCOMPARE(presses.count(), 1);
        QCOMPARE(form.scene().figure.Line2(1).Y1(), 480.f);
        QCOMPARE(form.scene().state.dragging, 0.f);
    }

    void aPenWritesChalkLikeTheLeftButton()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* gamen = form.controls().gamen;
        QSignalSpy presses(form.controls().gamen, &qtwin::BoardView::MouseDown);
        form.handlers().Command3_Click();
        sendPen(gamen, QEvent::TabletPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
        sendPen(gamen, QEvent::TabletMove, {200, 100}, Qt::NoButton, Qt::LeftButton);
        sendPen(gamen, QEvent::TabletRelease, {200, 100}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(presses.count(), 1);
        QCOMPARE(form.surface().image().pixel(150, 100), qRgb(255, 0, 0));
        QCOMPARE(form.scene().state.penDown, int16_t(0));
    }

    void aDoubleClickIsTwoPresses()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy presses(form.controls().gamen, &qtwin::BoardView::MouseDown);
        // Through the window, as the platform sends it: press, release, press, release.
        QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, QPoint(8 + 300, 48 + 410));
        QCOMPARE(presses.count(), 2);
        QCOMPARE(form.scene().state.dragging, 0.f); // the second release ends the second grab
    }

    void keyboardChoosesChalkAndPressesButtons()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto& c = form.controls();
        c.Command3->setFocus();
        QTest::keyClick(c.Command3, Qt::Key_Return); // memo on
        QCOMPARE(form.scene().state.memoMode, 1.f);
        QRadioButton* thinRed = c.Option1->button(0);
        thinRed->setFocus();
        QTest::keyClick(thinRed, Qt::Key_Right); // along the thin row to yellow
        QVERIFY(c.Option1->button(1)->isChecked());
        QCOMPARE(form.scene().state.penColor, 14.f);
        QTest::keyClick(c.Option1->button(1), Qt::Key_Up); // up to the thick row
        QVERIFY(c.Option1->button(5)->isChecked());
        QCOMPARE(form.scene().gamen.DrawWidth(), int16_t(6));
        form.handlers().Command1_Click(); // width back to 3; Enter on the shown button restores it
        form.handlers().Command3_Click();
        QTest::keyClick(c.Option1->button(5), Qt::Key_Enter);
        QCOMPARE(form.scene().gamen.DrawWidth(), int16_t(6));
        c.Command1->setFocus();
        QTest::keyClick(c.Command1, Qt::Key_Space);
        QCOMPARE(form.scene().state.memoMode, 0.f);
    }

    void keysMoveDEOnceTheBoardHasTheFocus()
    {
        Form1 form;
        QVERIFY(shownActive(form));
        const auto& c = form.controls();
        const auto& de = form.scene().figure.Line2(1);
        const forms::Color magenta = forms::QBColor(13), red = forms::QBColor(12);
        QTest::mouseClick(c.gamen, Qt::LeftButton, {}, QPoint(700, 100));
        QVERIFY(c.gamen->hasFocus());
        QTest::keyPress(c.gamen, Qt::Key_Down);
        QCOMPARE(de.Y1(), 411.f);
        QCOMPARE(de.BorderColor(), magenta);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(c.gamen, &repeated);
        QCOMPARE(de.BorderColor(), magenta); // the key is still down, repeating
        QTest::keyRelease(c.gamen, Qt::Key_Down);
        QCOMPARE(de.BorderColor(), red);
        QTest::keyClick(c.gamen, Qt::Key_PageDown);
        QTest::keyClick(c.gamen, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(de.Y1(), 411.f);
        // The board's keys stop at it; others go on to the window.
        QKeyEvent pageUp(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier), left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(c.gamen, &pageUp);
        QApplication::sendEvent(c.gamen, &left);
        QVERIFY(pageUp.isAccepted() && !left.isAccepted());
        QCOMPARE(de.Y1(), 401.f);
        QTest::keyRelease(c.gamen, Qt::Key_PageUp);
        // Held while Tab moves the focus on: DE is let go.
        QTest::keyPress(c.gamen, Qt::Key_Down);
        QTest::keyClick(c.gamen, Qt::Key_Tab);
        QVERIFY(c.Command1->hasFocus());
        QCOMPARE(de.BorderColor(), red);
    }

    // A presenter's remote sends Page Down: it moves DE from the start, and
    // after clicks anywhere but on the board, which leave the focus where it was.
    void theRemoteMovesDEWhateverWasClicked_data()
    {
        QTest::addColumn<QPolygon>("clicks"); // in the window
        QTest::addColumn<bool>("chordOffTheBoard");
        QTest::newRow("right after start") << QPolygon() << false;
        QTest::newRow("初期画面") << QPolygon({middleOf("Command1")}) << false;
        QTest::newRow("a palette radio, memo mode on and off")
            << QPolygon({middleOf("Command3"), middleOf("Option1", 5), middleOf("Command3")}) << false;
        QTest::newRow("the margin beside the board") << QPolygon({QPoint(4, 300)}) << false;
        QTest::newRow("the strip's background") << QPolygon({QPoint(700, 24)}) << false;
        QTest::newRow("a right press off the board during a drag") << QPolygon() << true;
    }

    void theRemoteMovesDEWhateverWasClicked()
    {
        QFETCH(QPolygon, clicks);
        QFETCH(bool, chordOffTheBoard);
        Form1 form;
        QVERIFY(shownActive(form));
        QWindow* window = form.windowHandle();
        for (const QPoint& at : clicks)
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        if (chordOffTheBoard) {
            QTest::mousePress(window, Qt::LeftButton, {}, QPoint(8 + 300, 48 + 405));
            QTest::mouseMove(window, QPoint(4, 48 + 440));
            QTest::mousePress(window, Qt::RightButton, {}, QPoint(4, 48 + 440));
            QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(4, 48 + 440));
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(4, 48 + 440));
        }
        QVERIFY(form.controls().gamen->hasFocus());
        QTest::keyClick(window, Qt::Key_PageDown);
        QCOMPARE(form.scene().figure.Line2(1).Y1(), 420.f);
    }

    void aControlReachedByTabKeepsTheFocus()
    {
        Form1 form;
        QVERIFY(shownActive(form));
        const auto& c = form.controls();
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        QVERIFY(c.Command1->hasFocus());
        QTest::keyClick(form.windowHandle(), Qt::Key_PageDown);
        QVERIFY(c.Command1->hasFocus());
        QCOMPARE(form.scene().figure.Line2(1).Y1(), 410.f);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, middleOf("Command3")); // memo on
        QVERIFY(c.Command1->hasFocus());
        QCOMPARE(form.scene().state.memoMode, 1.f);
    }

    void everyControlHasAnAccessibleName()
    {
        Form1 form;
        const auto& c = form.controls();
        QCOMPARE(accessibleName(c.gamen), QStringLiteral("図形ボード"));
        const QString howToUse = QAccessible::queryAccessibleInterface(c.gamen)->text(QAccessible::Description);
        QVERIFY2(howToUse.contains("矢印キー") && howToUse.contains("PageUp"), qPrintable(howToUse));
        QCOMPARE(accessibleName(c.Command1), QStringLiteral("初期画面"));
        QCOMPARE(accessibleName(c.Command2), QStringLiteral("終了"));
        QCOMPARE(accessibleName(c.Command3), QStringLiteral("メモ"));
        // Each palette button is told apart by its row, which the eye takes from the caption beside it.
        QSet<QString> names;
        for (int16_t i = 0; i < 8; ++i) {
            const QString row = i < 4 ? QStringLiteral("細字") : QStringLiteral("太字");
            QCOMPARE(accessibleName(c.Option1->button(i)), row + ' ' + c.Option1->button(i)->text());
            names.insert(accessibleName(c.Option1->button(i)));
        }
        QCOMPARE(names.size(), 8);
    }

    void theBoardShowsARingOnlyWhenTheKeyboardBringsItTheFocus()
    {
        Form1 form;
        QVERIFY(shownActive(form));
        const auto& c = form.controls();
        const auto ringShown = [&form] { return form.grab().toImage().pixelColor(5, 300) == QColor(0, 0, 255); };
        QVERIFY(c.gamen->hasFocus()); // from the start, and without a ring
        QVERIFY(!ringShown());
        c.Command1->setFocus();
        QTest::keyClick(c.Command1, Qt::Key_Backtab);
        QVERIFY(c.gamen->hasFocus());
        QVERIFY(ringShown());
        c.Command1->setFocus();
        QVERIFY(!ringShown());
        QTest::mouseClick(c.gamen, Qt::LeftButton, {}, QPoint(700, 100));
        QVERIFY(c.gamen->hasFocus());
        QVERIFY(!ringShown());
    }
};

QTEST_MAIN(InputTest)
#include "tst_input.moc"
