// Dragging DE: the grab band, the twenty-step update, the press/move/release states.
#include "Invariants.h"
#include "SceneFixture.h"
#include "Shown.h"
#include "platform/qt/DesktopForm.h"
#include "platform/qt/QtTypes.h"

#include <QtTest>
#include <cmath>

using namespace board;

namespace {

// How far D and E are from the lines AB and AC.
double offLineAB(const Figure& f)
{
    const auto& de = f.Line2(kDE); // AB: from (400,200) to (150,550): x = 400 - (y-200)*250/350
    return std::abs(de.X1() - (400.0 - (de.Y1() - 200.0) * 250.0 / 350.0));
}
double offLineAC(const Figure& f)
{
    const auto& de = f.Line2(kDE); // AC: x = 400 + (y-200)*150/350
    return std::abs(de.X2() - (400.0 + (de.Y2() - 200.0) * 150.0 / 350.0));
}

// Everything the drag sets follows from DE's ends.
void verifyFollowsDE(const Figure& f)
{
    const std::string failed = followsDE(f);
    QVERIFY2(failed.empty(), failed.c_str());
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
        QCOMPARE(b.de().BorderColor(), grabs ? kDEMagenta : kDERed);
        QCOMPARE(b.state().lastX, x);
        QCOMPARE(b.state().lastY, y);
    }

    // Presses, moves and releases in turn, and the board they leave; D and E
    // stay on their lines and everything follows DE throughout.
    void pointerEventsInTurn_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("board");
        QTest::newRow("the middle button grabs nothing")
            << "D4:123,410" << "DE 410 red, dragging 0, memo off, chalk up, last 123,410";
        QTest::newRow("in memo mode a press on DE puts the chalk down")
            << "memo D1:370,410" << "DE 410 red, dragging 0, memo on, chalk down, last 370,410";
        QTest::newRow("a drag ignores sideways travel")
            << "D1:100,450 M:700,450" << "DE 410 magenta, dragging 1, memo off, chalk up, last 700,450";
        QTest::newRow("a drag keeps the offset it was taken at")
            << "D1:100,450 M:700,450 M:10,470" << "DE 430 magenta, dragging 1, memo off, chalk up, last 10,470";
        QTest::newRow("any button's release ends a drag, and idle moves store nothing")
            << "D1:300,410 M:300,420 U4:300,420 M:300,500"
            << "DE 420 red, dragging 0, memo off, chalk up, last 300,420";
        QTest::newRow("a right press during a drag resets and keeps DE magenta")
            << "D1:300,410 M:300,480 D2:10,20 U1:10,20"
            << "DE 410 magenta, dragging 0, memo off, chalk up, last 10,20";
        QTest::newRow("... until the next drag's release")
            << "D1:300,410 M:300,480 D2:10,20 U1:10,20 D1:300,410 U1:300,410"
            << "DE 410 red, dragging 0, memo off, chalk up, last 300,410";
        QTest::newRow("memo mode switched on mid-drag serves the chalk")
            << "D1:300,410 memo M:300,500 U1:300,500"
            << "DE 410 magenta, dragging 1, memo on, chalk up, last 300,500";
        QTest::newRow("... and off again, DE follows with no button held")
            << "D1:300,410 memo M:300,500 U1:300,500 memo M0:300,520"
            << "DE 430 magenta, dragging 1, memo off, chalk up, last 300,520";
        QTest::newRow("... until a release") << "D1:300,410 memo M:300,500 U1:300,500 memo M0:300,520 U1:300,520"
                                             << "DE 430 red, dragging 0, memo off, chalk up, last 300,520";
        QTest::newRow("heights that would overflow, or are no number, change nothing")
            << "D1:300,410 M:0,3e38 M:0,nan" << "DE 410 magenta, dragging 1, memo off, chalk up, last 300,410";
        QTest::newRow("... and the next move is taken") << "D1:300,410 M:0,3e38 M:0,nan M:0,420"
                                                        << "DE 420 magenta, dragging 1, memo off, chalk up, last 0,420";
        // DE is magenta while a move key is down.
        QTest::newRow("a move key down, and its own repeat") << "Down+ Down+"
                                                             << "DE 412 magenta, dragging 0, memo off, chalk up, last 0,0";
        QTest::newRow("another key down, the first let go") << "Down+ Down+ PageUp+ Down-"
                                                            << "DE 402 magenta, dragging 0, memo off, chalk up, last 0,0";
        QTest::newRow("the last move key let go") << "Down+ Down+ PageUp+ Down- PageUp-"
                                                  << "DE 402 red, dragging 0, memo off, chalk up, last 0,0";
        QTest::newRow("a key held as the board loses the focus, let go elsewhere")
            << "Up+ blur" << "DE 409 red, dragging 0, memo off, chalk up, last 0,0";
        QTest::newRow("... and its release when the focus is back") << "Up+ blur Up-"
                                                                    << "DE 409 red, dragging 0, memo off, chalk up, last 0,0";
        QTest::newRow("the pointer takes DE while a key is down, and keeps it when the key goes")
            << "Down+ D1:300,410 Down-" << "DE 411 magenta, dragging 1, memo off, chalk up, last 300,410";
        QTest::newRow("... until its release") << "Down+ D1:300,410 Down- U1:300,410"
                                               << "DE 411 red, dragging 0, memo off, chalk up, last 300,410";
    }
    void pointerEventsInTurn()
    {
        QFETCH(QString, events);
        QFETCH(QString, board);
        SceneFixture b;
        b.play(events);
        QCOMPARE(b.summary(), board);
        QVERIFY(offLineAB(b.figure()) < 1e-3 && offLineAC(b.figure()) < 1e-3);
        verifyFollowsDE(b.figure());
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
        QCOMPARE(b.de().Y1(), 410 + dy);
        QCOMPARE(b.de().X1(), dx);
        QCOMPARE(b.de().X2(), ex);
        QCOMPARE(b.figure().Label3(kLetterD).Left(), dLeft);
        QCOMPARE(b.figure().Label3(kLetterE).Left(), eLeft);
        verifyFollowsDE(b.figure());
    }

    void lettersSwapSidesAboveA()
    {
        SceneFixture b;
        const auto& f = b.figure();
        const auto near = [](float a, double b) { return std::abs(a - b) < 1e-3; };
        b.press(1, 300, 410);
        b.move(300, 199); // DE one pixel above A
        QVERIFY(near(b.de().X1(), 400.714) && near(b.de().X2(), 399.571));
        QVERIFY(near(f.Label3(kLetterD).Left(), b.de().X1() + 10) && near(f.Label3(kLetterE).Left(), b.de().X2() - 35));
        // Back down to A's height: the placement below A holds again.
        b.move(300, 200);
        QCOMPARE(b.de().Y1(), 200.f);
        QVERIFY(near(f.Label3(kLetterD).Left(), b.de().X1() - 35) && near(f.Label3(kLetterE).Left(), b.de().X2() + 10));
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

    // A move repaints what changed, not the whole board: DE's old and new
    // places and both letters.
    void aMoveRepaintsOnlyWhatMoved()
    {
        SceneFixture b;
        RegionSink spy;
        b.press(1, 300, 410);
        b.scene.gamen.setView(&spy);
        b.move(300, 420);
        const QRect box = spy.region.boundingRect();
        QVERIFY(!spy.region.isEmpty() && box.width() * box.height() < kBoardWidth * kBoardHeight / 4);
        QVERIFY(spy.region.contains(QRect(251, 409, 238, 2)));
        QVERIFY(spy.region.contains(QRect(245, 419, 240, 2)));
        QVERIFY(spy.region.contains(qtwin::toQRect(forms::pixelBounds(b.figure().Label3(kLetterD).extent()))));
    }

    // The same drag through real mouse events on the board widget, painted:
    // DE lies on BC now, red over white; the old place shows the board.
    void dragThroughQtMouseEvents()
    {
        qtwin::DesktopForm form;
        QVERIFY(exposed(form));
        QWidget* gamen = form.controls().gamen;
        const auto& de = form.scene().figure.Line2(kDE);
        QTest::mousePress(gamen, Qt::LeftButton, {}, QPoint(370, 400));
        QCOMPARE(form.scene().state.dragging, 1.f);
        QTest::mouseMove(gamen, QPoint(370, 540));
        QCOMPARE(de.Y1(), 550.f);
        QCOMPARE(de.X1(), 150.f);
        QTest::mouseRelease(gamen, Qt::LeftButton, {}, QPoint(370, 540));
        QCOMPARE(form.scene().state.dragging, 0.f);
        QCOMPARE(de.BorderColor(), kDERed);
        const QImage shot = gamen->grab().toImage();
        QCOMPARE(shot.pixel(300, 550), kRed);
        QCOMPARE(shot.pixel(300, 410), kGreen);
    }
};

QTEST_MAIN(DragTest)
#include "tst_drag.moc"
