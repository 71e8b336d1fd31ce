// The chalk: palette, memo mode and strokes on the board's surface.
#include "SceneFixture.h"
#include "platform/qt/RadioPalette.h"
#include "platform/qt/BoardView.h"
#include "memo/Palette.h"
#include "platform/qt/DesktopForm.h"

#include <QRadioButton>
#include <QtTest>

namespace {

const QRgb kBoard = qRgb(0, 128, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// How thick a horizontal stroke is at column x: the chalk's share of each
// pixel, summed down the column, read from a channel the board has none of.
double thicknessAt(const SceneFixture& b, int x, int yFrom, int yTo, int (*channel)(QRgb))
{
    double n = 0;
    for (int y = yFrom; y <= yTo; ++y)
        n += channel(b.surfacePixel(x, y)) / 255.0;
    return n;
}
int redOf(QRgb c) { return qRed(c); }
int blueOf(QRgb c) { return qBlue(c); }

} // namespace

class MemoTest : public QObject {
    Q_OBJECT
private slots:
    void paletteTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("penColor");
        QTest::addColumn<int>("width");
        QTest::newRow("0 thin red") << 0 << 12.f << 3;
        QTest::newRow("1 thin yellow") << 1 << 14.f << 3;
        QTest::newRow("2 thin blue") << 2 << 9.f << 3;
        QTest::newRow("3 thin eraser") << 3 << 2.f << 10;
        QTest::newRow("4 thick red") << 4 << 12.f << 6;
        QTest::newRow("5 thick yellow") << 5 << 14.f << 6;
        QTest::newRow("6 thick blue") << 6 << 9.f << 6;
        QTest::newRow("7 thick eraser") << 7 << 2.f << 20;
        QTest::newRow("8 no such button") << 8 << 14.f << 6;
        QTest::newRow("-1 no such button") << -1 << 14.f << 6;
    }
    void paletteTable()
    {
        QFETCH(int, index);
        QFETCH(float, penColor);
        QFETCH(int, width);
        SceneFixture b;
        b.handlers.Command3_Click();
        b.handlers.Option1_Click(5);
        const auto before = b.state();
        b.handlers.Option1_Click(int16_t(index));
        QCOMPARE(b.state().penColor, penColor);
        QCOMPARE(int(b.scene.gamen.DrawWidth()), width);
        QCOMPARE(b.state().memoMode, 1.f);
        QCOMPARE(b.state().penDown, before.penDown);
    }

    void memoButtonTogglesThePaletteAndNothingElse()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.handlers.Option1_Click(6);
        b.stroke({{100, 100}, {200, 100}});
        const QImage drawn = b.surface.image();
        b.press(1, 50, 50); // chalk down, then memo off and on again
        const auto before = b.state();

        b.palette.enableLog.clear();
        b.handlers.Command3_Click();
        QCOMPARE(b.state().memoMode, 0.f);
        QVERIFY(b.palette.allEnabled(false));
        b.handlers.Command3_Click();
        QCOMPARE(b.state().memoMode, 1.f);
        QVERIFY(b.palette.allEnabled(true));
        for (int i = 0; i < 16; ++i) // ascending, off then on
            QCOMPARE(b.palette.enableLog[std::size_t(i)], std::make_pair(int16_t(i % 8), i >= 8));

        QCOMPARE(b.state().penColor, before.penColor);
        QCOMPARE(b.state().penDown, int16_t(1));
        QCOMPARE(b.state().dragging, before.dragging);
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(6));
        QCOMPARE(b.surface.image(), drawn);
    }

    void pressAloneDrawsNothingAndTheStrokeStartsThere()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.move(10, 10, 0); // pointer somewhere before the press
        b.press(1, 100, 200);
        b.release(1, 100, 200);
        QCOMPARE(b.pixelsOfColor(kBoard), board::kBoardWidth * board::kBoardHeight);

        b.press(1, 100, 200);
        b.move(140, 200);
        QCOMPARE(b.surfacePixel(100, 200), kRed);
        QCOMPARE(b.surfacePixel(140, 200), kRed);
        QCOMPARE(b.surfacePixel(60, 200), kBoard);
        QCOMPARE(b.surfacePixel(20, 20), kBoard); // nothing from the earlier pointer place
    }

    void penDownRules()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.move(30, 30, 0); // chalk up: position kept, nothing drawn
        QCOMPARE(b.state().lastX, 30.f);
        b.press(1, 100, 300);
        b.release(4, 100, 300); // middle released: chalk up
        QCOMPARE(b.state().penDown, int16_t(0));
        b.move(200, 300);
        QCOMPARE(b.surfacePixel(150, 300), kBoard);

        // Memo switched off with the chalk down: moves do nothing, a release does
        // not lift the chalk, and back in memo mode moves draw with no button held.
        b.press(1, 100, 400);
        b.handlers.Command3_Click();
        b.move(150, 400);
        b.release(1, 150, 400);
        QCOMPARE(b.state().penDown, int16_t(1));
        QCOMPARE(b.state().lastX, 100.f);
        b.handlers.Command3_Click();
        b.move(180, 400, 0);
        QCOMPARE(b.surfacePixel(140, 400), kRed);
        b.release(1, 180, 400);
        QCOMPARE(b.state().penDown, int16_t(0));
    }

    void rightPressWipesAndLiftsTheChalk()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.handlers.Option1_Click(6);
        b.press(1, 100, 100);
        b.move(300, 100);
        b.press(2, 300, 100);
        QCOMPARE(b.pixelsOfColor(kBoard), board::kBoardWidth * board::kBoardHeight);
        QCOMPARE(b.state().memoMode, 0.f);
        QCOMPARE(b.state().penDown, int16_t(0));
        b.move(400, 100); // left still held: nothing
        QCOMPARE(b.pixelsOfColor(kBoard), board::kBoardWidth * board::kBoardHeight);
        // The next memo mode draws in the kept blue at width 3.
        b.handlers.Command3_Click();
        b.stroke({{100, 300}, {300, 300}});
        QVERIFY(qAbs(thicknessAt(b, 200, 290, 310, blueOf) - 3) < 0.1);
        QCOMPARE(b.surfacePixel(200, 300), kBlue);
    }

    void widthsAndColoursOnTheSurface_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<int>("width");
        QTest::newRow("thin yellow") << 1 << kYellow << 3;
        QTest::newRow("thick red") << 4 << kRed << 6;
        QTest::newRow("thick blue") << 6 << kBlue << 6;
    }
    void widthsAndColoursOnTheSurface()
    {
        QFETCH(int, index);
        QFETCH(QRgb, color);
        QFETCH(int, width);
        SceneFixture b;
        b.handlers.Command3_Click();
        b.handlers.Option1_Click(int16_t(index));
        b.stroke({{100, 300}, {300, 300}});
        auto channel = color == kBlue ? blueOf : redOf;
        QVERIFY(qAbs(thicknessAt(b, 200, 280, 320, channel) - width) < 0.1);
        QCOMPARE(b.surfacePixel(200, 300), color);
        QCOMPARE(b.surfacePixel(200, 300 - width), kBoard);
        QCOMPARE(b.surfacePixel(200, 300 + width), kBoard);
    }

    void erasersBareTheBoard_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("band");
        QTest::newRow("thin eraser") << 3 << 10;
        QTest::newRow("thick eraser") << 7 << 20;
    }
    void erasersBareTheBoard()
    {
        QFETCH(int, index);
        QFETCH(int, band);
        SceneFixture b;
        b.handlers.Command3_Click();
        b.handlers.Option1_Click(5);
        for (int x = 100; x <= 300; x += 5) // a yellow patch
            b.stroke({{float(x), 200}, {float(x), 400}});
        b.handlers.Option1_Click(int16_t(index));
        b.stroke({{150, 100}, {150, 500}});
        QCOMPARE(b.surfacePixel(150, 300), kBoard);
        QCOMPARE(b.surfacePixel(150 - band / 2 + 1, 300), kBoard);
        QCOMPARE(b.surfacePixel(150 + band / 2 - 1, 300), kBoard);
        QCOMPARE(b.surfacePixel(150 + band / 2 + 2, 300), kYellow);
    }

    void offBoardSegmentsDrawWhatLiesOnTheBoard()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.press(1, -500, 100);
        b.move(100, 100);
        QCOMPARE(b.surfacePixel(0, 100), kRed);
        QCOMPARE(b.surfacePixel(99, 100), kRed);
        b.move(2e9f, 100); // far off: drawn to the edge, next segment continues from there
        QCOMPARE(b.surfacePixel(792, 100), kRed);
        QCOMPARE(b.state().lastX, 2e9f);
        b.move(700, 300);
        QCOMPARE(b.surfacePixel(700, 300), kRed);
    }

    void strokesSurviveHidingTheWindow()
    {
        qtwin::DesktopForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* gamen = form.controls().gamen;
        QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
        QTest::mouseClick(form.controls().Option1->button(5), Qt::LeftButton);
        QCOMPARE(form.scene().state.penColor, 14.f);
        QTest::mousePress(gamen, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(gamen, QPoint(300, 100));
        QTest::mouseRelease(gamen, Qt::LeftButton, {}, QPoint(300, 100));
        form.hide();
        form.showMinimized();
        form.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = gamen->grab().toImage();
        QCOMPARE(shot.pixel(200, 100), kYellow);
        QCOMPARE(shot.pixel(200, 110), kBoard);
    }

    void disabledPaletteIgnoresClicks()
    {
        qtwin::DesktopForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QRadioButton* thickBlue = form.controls().Option1->button(6);
        QVERIFY(!thickBlue->isEnabled());
        QTest::mouseClick(thickBlue, Qt::LeftButton);
        QCOMPARE(form.scene().state.penColor, 12.f);
        QVERIFY(form.controls().Option1->button(0)->isChecked());
        // Clicking the selected button again after a reset gives its width back.
        QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
        QTest::mouseClick(thickBlue, Qt::LeftButton);
        QTest::mouseClick(form.controls().Command1, Qt::LeftButton);
        QCOMPARE(form.scene().gamen.DrawWidth(), int16_t(3));
        QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
        QTest::mouseClick(thickBlue, Qt::LeftButton);
        QCOMPARE(form.scene().gamen.DrawWidth(), int16_t(6));
    }
};

QTEST_MAIN(MemoTest)
#include "tst_memo.moc"
