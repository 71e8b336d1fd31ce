// DE from the keyboard, the keys reaching the board on the desktop, the
// focus that a presenter's remote needs, and what a screen reader is told.
#include "Invariants.h"
#include "SceneFixture.h"
#include "Shown.h"
#include "forms/Keys.h"
#include "platform/qt/DesktopForm.h"
#include "platform/qt/RadioPalette.h"
#include "window/FormLayout.h"

#include <QAccessible>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

using Form1 = qtwin::DesktopForm;
using namespace board;

namespace {

// DE taken by the pointer from 410 to `y` and let go.
void dragDETo(SceneFixture& b, float y)
{
    b.press(1, 300, 410);
    b.move(300, y);
    b.release(1, 300, y);
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

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    // Keys leave DE where a pointer whose moves travel as far leaves it, to
    // the last bit. 405.1 uses the last bit of a float, so that a sum rounds
    // once DE passes 512: a key step worked out from heights would show.
    void keyStepsAreThePointersMoves_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("travel");
        QTest::newRow("an arrow moves one pixel") << "Down Down Up Down" << QList<int>{1, 1, -1, 1};
        QTest::newRow("a page key moves ten") << "PageDown PageDown PageUp" << QList<int>{10, 10, -10};
        QTest::newRow("Shift with an arrow moves ten") << "Shift+Down Shift+Up Shift+Up" << QList<int>{10, -10, -10};
        QTest::newRow("up past A, the letters change sides") << "PageUp*21 Up*3"
                                                              << (QList<int>(21, -10) + QList<int>(3, -1));
        QTest::newRow("a long walk, rounding past 512") << "Down*37 Shift+Down*9 PageUp*5 Up*8"
                                     << (QList<int>(37, 1) + QList<int>(9, 10) + QList<int>(5, -10) + QList<int>(8, -1));
    }
    void keyStepsAreThePointersMoves()
    {
        QFETCH(QString, keys);
        QFETCH(QList<int>, travel);
        SceneFixture byKeys, byPointer;
        dragDETo(byKeys, 405.1f);
        dragDETo(byPointer, 405.1f);
        const BoardState before = byKeys.state();
        byKeys.play(keys);
        float y = 400;
        byPointer.press(1, 300, y);
        for (int dy : travel)
            byPointer.move(300, y += float(dy));
        byPointer.release(1, 300, y);
        QVERIFY(sameFigure(byKeys.scene, byPointer.scene));
        QVERIFY(sameState(byKeys.state(), before)); // not even dragging or the last position
        QCOMPARE(byKeys.de().BorderColor(), kDERed);
    }

    void keyStepsStopAtTheBoardsEdges_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<float>("end");
        QTest::newRow("down to the last row") << 410.f << "PageDown*30 Down" << 640.f;
        QTest::newRow("a step short of the last row stops on it") << 405.5f << "PageDown*24" << 640.f;
        QTest::newRow("up to the first row") << 410.f << "PageUp*50 Up" << 0.f;
        QTest::newRow("a step short of the first row stops on it") << 404.5f << "Shift+Up*41" << 0.f;
        QTest::newRow("dragged below the board, down does nothing") << 700.f << "Down PageDown" << 700.f;
        QTest::newRow("dragged below the board, up comes back") << 700.f << "Up Shift+Up" << 689.f;
        QTest::newRow("dragged above the board, up does nothing") << -60.f << "Up PageUp" << -60.f;
    }
    void keyStepsStopAtTheBoardsEdges()
    {
        QFETCH(float, start);
        QFETCH(QString, keys);
        QFETCH(float, end);
        SceneFixture b;
        dragDETo(b, start);
        b.play(keys);
        QCOMPARE(b.de().Y1(), end);
        const std::string failed = followsDE(b.figure());
        QVERIFY2(failed.empty(), failed.c_str());
    }

    // Keys while something else holds the board, or that belong to the
    // browser and the desktop; once the button is let go, the keys move DE.
    void keysThatMoveNothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("letGo");
        QTest::newRow("in memo mode") << "memo" << int(forms::vbKeyDown) << 0 << true << "";
        QTest::newRow("a left button held off DE") << "D1:300,600" << int(forms::vbKeyPageDown) << 0 << true
                                                   << "U1:300,600";
        QTest::newRow("the middle button held") << "D4:300,410" << int(forms::vbKeyUp) << 0 << true << "U4:300,600";
        QTest::newRow("Ctrl with a page key, the browser's")
            << "" << int(forms::vbKeyPageDown) << int(forms::vbCtrlMask) << false << "";
        QTest::newRow("Meta with an arrow") << "" << int(forms::vbKeyUp) << int(forms::kMetaMask) << false << "";
        QTest::newRow("the left arrow") << "" << 37 << 0 << false << "";
    }
    void keysThatMoveNothing()
    {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(bool, taken);
        QFETCH(QString, letGo);
        SceneFixture b, untouched;
        b.play(before);
        untouched.play(before);
        QCOMPARE(b.keyDown(int16_t(key), int16_t(shift)), taken);
        b.keyUp(int16_t(key));
        QVERIFY(sameFigure(b.scene, untouched.scene));
        QVERIFY(sameState(b.state(), untouched.state()));
        if (!letGo.isEmpty()) {
            b.play(letGo);
            b.play("Down");
            QCOMPARE(b.de().Y1(), 411.f);
        }
    }

    void keyboardChoosesChalkAndPressesButtons()
    {
        Form1 form;
        QVERIFY(exposed(form));
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
        const auto& de = form.scene().figure.Line2(board::kDE);
        QTest::mouseClick(c.gamen, Qt::LeftButton, {}, QPoint(700, 100));
        QVERIFY(c.gamen->hasFocus());
        QTest::keyPress(c.gamen, Qt::Key_Down);
        QCOMPARE(de.Y1(), 411.f);
        QCOMPARE(de.BorderColor(), kDEMagenta);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(c.gamen, &repeated);
        QCOMPARE(de.BorderColor(), kDEMagenta); // the key is still down, repeating
        QTest::keyRelease(c.gamen, Qt::Key_Down);
        QCOMPARE(de.BorderColor(), kDERed);
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
        QCOMPARE(de.BorderColor(), kDERed);
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
        QCOMPARE(form.scene().figure.Line2(board::kDE).Y1(), 420.f);
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
        QCOMPARE(form.scene().figure.Line2(board::kDE).Y1(), 410.f);
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

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
