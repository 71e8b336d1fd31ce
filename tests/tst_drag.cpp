// Dragging DE: the grab band, the twenty-step update, the press/move/release states.
#include "SceneFixture.h"
#include "forms/Keys.h"
#include "forms/QBColor.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/DesktopForm.h"
#include "platform/qt/QtTypes.h"

#include <QtTest>
#include <cmath>

namespace {

const forms::Color kMagenta = forms::QBColor(13);
const forms::Color kRed = forms::QBColor(12);

// D and E read back from the figure, and how far each is from its line.
double offLineAB(const board::Figure& f)
{
    const auto& de = f.Line2(1); // AB: from (400,200) to (150,550): x = 400 - (y-200)*250/350
    return std::abs(de.X1() - (400.0 - (de.Y1() - 200.0) * 250.0 / 350.0));
}
double offLineAC(const board::Figure& f)
{
    const auto& de = f.Line2(1); // AC: x = 400 + (y-200)*150/350
    return std::abs(de.X2() - (400.0 + (de.Y2() - 200.0) * 150.0 / 350.0));
}

// Everything the drag sets follows from DE's ends.
void verifyFollowsDE(const board::Figure& f)
{
    const auto& de = f.Line2(1);
    const float x1 = de.X1(), y1 = de.Y1(), x2 = de.X2();
    QCOMPARE(de.Y2(), y1);
    QCOMPARE(f.Line2(0).X2(), x1);
    QCOMPARE(f.Line2(0).Y2(), y1);
    QCOMPARE(f.Line2(2).X1(), x2);
    QCOMPARE(f.Line2(2).Y1(), y1);
    QCOMPARE(f.Line2(0).X1(), 400.f); // A stays put
    QCOMPARE(f.Line2(2).Y2(), 200.f);
    const float mid = float((double(x1) + x2) / 2);
    for (int i : {2, 3}) {
        QCOMPARE(f.Line3(i).X1(), mid);
        QCOMPARE(f.Line3(i).Y1(), y1);
        QCOMPARE(f.Line3(i).X2(), float((double(x1) + x2) / 2 - 20));
    }
    QCOMPARE(f.Line3(2).Y2(), float(double(y1) + 10));
    QCOMPARE(f.Line3(3).Y2(), float(double(y1) - 10));
    QCOMPARE(f.Label3(1).Top(), float(double(y1) - 15));
    QCOMPARE(f.Label3(2).Top(), float(double(y1) - 15));
}

// DE taken by the pointer from 410 to `y` and let go.
void dragDETo(SceneFixture& b, float y)
{
    b.press(1, 300, 410);
    b.move(300, y);
    b.release(1, 300, y);
}

} // namespace

class DragTest : public QObject {
    Q_OBJECT
private slots:
    void grabBand_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("grabs");
        QTest::newRow("upper edge included") << 370.f << 360.f << true;
        QTest::newRow("just above the band") << 370.f << 359.99f << false;
        QTest::newRow("on DE") << 370.f << 410.f << true;
        QTest::newRow("just inside the lower edge") << 370.f << 459.99f << true;
        QTest::newRow("lower edge excluded") << 370.f << 460.f << false;
        QTest::newRow("far left of the segment") << 0.f << 400.f << true;
        QTest::newRow("far right of the segment") << 792.f << 420.f << true;
        QTest::newRow("outside the board sideways") << -5000.f << 410.f << true;
    }
    void grabBand()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, grabs);
        SceneFixture b;
        b.press(1, x, y);
        QCOMPARE(b.state().dragging, grabs ? 1.f : 0.f);
        QCOMPARE(b.figure().Line2(1).BorderColor(), grabs ? kMagenta : kRed);
        QCOMPARE(b.state().lastX, x);
        QCOMPARE(b.state().lastY, y);
    }

    void otherButtonsAndMemoModeGrabNothing()
    {
        SceneFixture middle;
        middle.press(4, 123, 410);
        QCOMPARE(middle.state().dragging, 0.f);
        QCOMPARE(middle.state().lastX, 123.f);

        SceneFixture memo;
        memo.handlers.Command3_Click();
        memo.press(1, 370, 410);
        QCOMPARE(memo.state().dragging, 0.f);
        QCOMPARE(memo.state().penDown, int16_t(1));
        QCOMPARE(memo.figure().Line2(1).BorderColor(), kRed);
    }

    void singleMovesLandExactlyOnTheVertices_data()
    {
        QTest::addColumn<float>("dy");
        QTest::addColumn<float>("dx");
        QTest::addColumn<float>("ex");
        QTest::addColumn<float>("dLeft");
        QTest::addColumn<float>("eLeft");
        QTest::newRow("140 down onto BC") << 140.f << 150.f << 550.f << 115.f << 560.f;
        QTest::newRow("210 up onto A") << -210.f << 400.f << 400.f << 365.f << 410.f;
    }
    void singleMovesLandExactlyOnTheVertices()
    {
        QFETCH(float, dy);
        QFETCH(float, dx);
        QFETCH(float, ex);
        QFETCH(float, dLeft);
        QFETCH(float, eLeft);
        SceneFixture b;
        b.press(1, 300, 400);
        b.move(555, 400 + dy);
        const auto& de = b.figure().Line2(1);
        QCOMPARE(de.Y1(), 410 + dy);
        QCOMPARE(de.X1(), dx);
        QCOMPARE(de.X2(), ex);
        QCOMPARE(b.figure().Label3(1).Left(), dLeft);
        QCOMPARE(b.figure().Label3(2).Left(), eLeft);
        verifyFollowsDE(b.figure());
    }

    void lettersSwapSidesAboveA()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        b.move(300, 199); // DE one pixel above A
        const auto& f = b.figure();
        QVERIFY(std::abs(f.Line2(1).X1() - 400.714f) < 0.001f);
        QVERIFY(std::abs(f.Line2(1).X2() - 399.571f) < 0.001f);
        QVERIFY(f.Line2(1).X1() > f.Line2(1).X2());
        QVERIFY(std::abs(f.Label3(1).Left() - (f.Line2(1).X1() + 10)) < 1e-4f);
        QVERIFY(std::abs(f.Label3(2).Left() - (f.Line2(1).X2() - 35)) < 1e-4f);
        // Back down to A's height: the placement below A holds again.
        b.move(300, 200);
        QCOMPARE(f.Line2(1).Y1(), 200.f);
        QVERIFY(std::abs(f.Label3(1).Left() - (f.Line2(1).X1() - 35)) < 1e-4f);
        QVERIFY(std::abs(f.Label3(2).Left() - (f.Line2(1).X2() + 10)) < 1e-4f);
    }

    void dragKeepsTheOffsetAndIgnoresSidewaysTravel()
    {
        SceneFixture b;
        b.press(1, 100, 450); // 40 below DE
        b.move(700, 450);     // sideways only
        QCOMPARE(b.figure().Line2(1).Y1(), 410.f);
        QCOMPARE(b.figure().Line2(1).X1(), 250.f);
        QCOMPARE(b.state().lastX, 700.f);
        b.move(10, 470);
        QCOMPARE(b.figure().Line2(1).Y1(), 430.f); // still 40 above the pointer
        verifyFollowsDE(b.figure());
    }

    void releaseOfAnyButtonEndsTheDrag()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        b.move(300, 420);
        b.release(4, 300, 420); // middle released, left still held
        QCOMPARE(b.state().dragging, 0.f);
        QCOMPARE(b.figure().Line2(1).BorderColor(), kRed);
        b.move(300, 500);
        QCOMPARE(b.figure().Line2(1).Y1(), 420.f);
        QCOMPARE(b.state().lastY, 420.f); // idle moves do not even store the position
    }

    void rightPressDuringADragResetsAndKeepsMagenta()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        b.move(300, 480);
        b.press(2, 10, 20);
        QCOMPARE(b.state().dragging, 0.f);
        QCOMPARE(b.figure().Line2(1).Y1(), 410.f);
        QCOMPARE(b.figure().Line2(1).BorderColor(), kMagenta);
        b.release(1, 10, 20); // ends no drag, so no colour change
        QCOMPARE(b.figure().Line2(1).BorderColor(), kMagenta);
        b.press(1, 300, 410);
        b.release(1, 300, 410);
        QCOMPARE(b.figure().Line2(1).BorderColor(), kRed);
    }

    void memoModeSwitchedOnMidDragServesTheChalk()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        b.handlers.Command3_Click();
        b.move(300, 500);
        b.release(1, 300, 500);
        QCOMPARE(b.state().dragging, 1.f);
        QCOMPARE(b.figure().Line2(1).Y1(), 410.f);
        b.handlers.Command3_Click();
        b.move(300, 520, 0); // no button held: DE still follows
        QCOMPARE(b.figure().Line2(1).Y1(), 430.f);
        b.release(1, 300, 520);
        QCOMPARE(b.state().dragging, 0.f);
    }

    void manyMovesStayOnTheLines()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        float y = 410;
        for (int i = 0; i < 20000; ++i) {
            y += (i % 7 < 4) ? 0.37f : -0.61f;
            if (y < 100 || y > 600)
                y = 410;
            b.move(300, y);
        }
        // Each move rounds at most about one unit in the last place (6e-5 near
        // 400) into D and E. This walk repeats a short pattern, so the errors
        // partly add up; a fraction of a pixel is what is owed, and a wrong
        // slope or a lost step would be off by whole pixels.
        QVERIFY2(offLineAB(b.figure()) < 0.25, qPrintable(QString::number(offLineAB(b.figure()))));
        QVERIFY2(offLineAC(b.figure()) < 0.25, qPrintable(QString::number(offLineAC(b.figure()))));
        verifyFollowsDE(b.figure());
    }

    void absurdPositionsChangeNothing()
    {
        SceneFixture b;
        b.press(1, 300, 410);
        b.move(0, 3e38f); // the slide would overflow single precision
        QCOMPARE(b.figure().Line2(1).Y1(), 410.f);
        QCOMPARE(b.state().lastY, 410.f);
        b.move(0, std::nanf(""));
        QCOMPARE(b.state().lastY, 410.f);
        b.move(0, 420);
        QCOMPARE(b.figure().Line2(1).Y1(), 420.f);
    }

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
        const board::BoardState before = byKeys.state();
        byKeys.typeKeys(keys);
        float y = 400;
        byPointer.press(1, 300, y);
        for (int dy : travel)
            byPointer.move(300, y += float(dy));
        byPointer.release(1, 300, y);
        QVERIFY(sameFigure(byKeys.figure(), byPointer.figure()));
        QVERIFY(sameState(byKeys.state(), before)); // not even dragging or the last position
        QCOMPARE(byKeys.figure().Line2(1).BorderColor(), kRed);
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
        b.typeKeys(keys);
        QCOMPARE(b.figure().Line2(1).Y1(), end);
        verifyFollowsDE(b.figure());
    }

    void keysThatMoveNothing_data()
    {
        QTest::addColumn<int>("situation");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("taken");
        enum { Plain, MemoMode, LeftHeld, MiddleHeld };
        QTest::newRow("in memo mode") << int(MemoMode) << int(forms::vbKeyDown) << 0 << true;
        QTest::newRow("a left button held off DE") << int(LeftHeld) << int(forms::vbKeyPageDown) << 0 << true;
        QTest::newRow("the middle button held") << int(MiddleHeld) << int(forms::vbKeyUp) << 0 << true;
        QTest::newRow("Ctrl with a page key, the browser's") << int(Plain) << int(forms::vbKeyPageDown)
                                                              << int(forms::vbCtrlMask) << false;
        QTest::newRow("Meta with an arrow") << int(Plain) << int(forms::vbKeyUp) << int(forms::kMetaMask) << false;
        QTest::newRow("the left arrow") << int(Plain) << 37 << 0 << false;
    }
    void keysThatMoveNothing()
    {
        QFETCH(int, situation);
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(bool, taken);
        SceneFixture b, untouched;
        for (SceneFixture* f : {&b, &untouched}) {
            if (situation == 1)
                f->handlers.Command3_Click();
            if (situation == 2)
                f->press(1, 300, 600);
            if (situation == 3)
                f->press(4, 300, 410);
        }
        QCOMPARE(b.keyDown(int16_t(key), int16_t(shift)), taken);
        b.keyUp(int16_t(key));
        QVERIFY(sameFigure(b.figure(), untouched.figure()));
        QVERIFY(sameState(b.state(), untouched.state()));
        // Once the button is let go, the keys move DE again.
        b.release(situation == 3 ? 4 : 1, 300, 600);
        if (situation >= 2) {
            b.typeKeys("Down");
            QCOMPARE(b.figure().Line2(1).Y1(), 411.f);
        }
    }

    void deIsMagentaWhileAMoveKeyIsDown()
    {
        SceneFixture b;
        const auto colour = [&b] { return b.figure().Line2(1).BorderColor(); };
        b.keyDown(forms::vbKeyDown);
        b.keyDown(forms::vbKeyDown); // the key's own repeat
        QCOMPARE(colour(), kMagenta);
        QCOMPARE(b.figure().Line2(1).Y1(), 412.f);
        b.keyDown(forms::vbKeyPageUp);
        b.keyUp(forms::vbKeyDown);
        QCOMPARE(colour(), kMagenta); // one move key still down
        b.keyUp(forms::vbKeyPageUp);
        QCOMPARE(colour(), kRed);

        b.keyDown(forms::vbKeyUp);
        b.handlers.gamen_LostFocus(); // its release goes elsewhere
        QCOMPARE(colour(), kRed);
        b.keyUp(forms::vbKeyUp);
        QCOMPARE(colour(), kRed);

        // The pointer takes DE while a key is down: DE stays its until released.
        b.keyDown(forms::vbKeyDown);
        b.press(1, 300, 410);
        b.keyUp(forms::vbKeyDown);
        QCOMPARE(colour(), kMagenta);
        QCOMPARE(b.state().dragging, 1.f);
        b.release(1, 300, 410);
        QCOMPARE(colour(), kRed);
    }

    // A move repaints what changed, not the whole board.
    void aMoveRepaintsOnlyWhatMoved()
    {
        qtwin::DesktopForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        struct Spy : forms::DirtySink {
            QRegion region;
            void markDirty(const forms::Rect& r) override { region += qtwin::toQRect(r); }
        } spy;
        auto& f = form.scene().figure;
        auto& h = form.handlers();
        h.gamen_MouseDown(1, 0, 300, 410);
        form.scene().gamen.setView(&spy);
        h.gamen_MouseMove(1, 0, 300, 420);
        form.scene().gamen.setView(form.controls().gamen);
        const QRect whole(0, 0, board::kBoardWidth, board::kBoardHeight);
        QVERIFY(!spy.region.isEmpty());
        QVERIFY(spy.region.boundingRect().width() * spy.region.boundingRect().height()
                < whole.width() * whole.height() / 4);
        // It covers DE's old and new places and both letters.
        QVERIFY(spy.region.contains(QRect(251, 409, 238, 2)));
        QVERIFY(spy.region.contains(QRect(245, 419, 240, 2)));
        QVERIFY(spy.region.contains(qtwin::toQRect(forms::pixelBounds(f.Label3(1).extent()))));
    }

    // The same drag through real mouse events on the board widget.
    void dragThroughQtMouseEvents()
    {
        qtwin::DesktopForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* gamen = form.controls().gamen;
        QTest::mousePress(gamen, Qt::LeftButton, {}, QPoint(370, 400));
        QCOMPARE(form.scene().state.dragging, 1.f);
        QTest::mouseMove(gamen, QPoint(370, 540));
        QCOMPARE(form.scene().figure.Line2(1).Y1(), 550.f);
        QCOMPARE(form.scene().figure.Line2(1).X1(), 150.f);
        QTest::mouseRelease(gamen, Qt::LeftButton, {}, QPoint(370, 540));
        QCOMPARE(form.scene().state.dragging, 0.f);
        QCOMPARE(form.scene().figure.Line2(1).BorderColor(), kRed);

        // Painted: DE lies on BC now, red over white; the old place shows the board.
        const QImage shot = gamen->grab().toImage();
        QCOMPARE(QColor(shot.pixel(300, 550)), qtwin::toQColor(kRed));
        QCOMPARE(QColor(shot.pixel(300, 410)), QColor(0, 128, 0));
    }
};

QTEST_MAIN(DragTest)
#include "tst_drag.moc"
