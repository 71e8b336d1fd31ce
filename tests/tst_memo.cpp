// The chalk: palette, memo mode and strokes on the board's surface.
#include "SceneFixture.h"
#include "Shown.h"
#include "memo/Palette.h"
#include "platform/qt/DesktopForm.h"
#include "platform/qt/RadioPalette.h"

#include <QRadioButton>
#include <QtTest>

namespace {

// How thick a horizontal stroke is at column x: the chalk's share of each
// pixel, summed down the column, read from a channel the board has none of.
double thicknessAt(const SceneFixture& b, int x, int yFrom, int yTo, QRgb color)
{
    double n = 0;
    for (int y = yFrom; y <= yTo; ++y)
        n += (color == kBlue ? qBlue(b.surfacePixel(x, y)) : qRed(b.surfacePixel(x, y))) / 255.0;
    return n;
}

// The board's pixels that are not as told, as "bare" (no chalk at all) or
// as "red 100,200 140,200; green 60,200": empty when all are.
QString wrongPixels(const SceneFixture& b, const QString& told)
{
    static const QHash<QString, QRgb> colours = {{"green", kGreen}, {"red", kRed}, {"yellow", kYellow}, {"blue", kBlue}};
    if (told == "bare")
        return b.bare() ? QString() : QStringLiteral("chalk on the board");
    QStringList wrong;
    for (const QString& group : told.split(';')) {
        QStringList words = group.split(' ', Qt::SkipEmptyParts);
        const QRgb want = colours.value(words.takeFirst());
        for (const QString& at : words)
            if (b.surfacePixel(at.section(',', 0, 0).toInt(), at.section(',', 1, 1).toInt()) != want)
                wrong << at;
    }
    return wrong.join(' ');
}

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
        b.play("memo opt5");
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
        b.play("memo opt6");
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

        QVERIFY(sameState(b.state(), before));
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(6));
        QCOMPARE(b.surface.image(), drawn);
    }

    // Presses, moves and releases in memo mode, the chalk they leave and the
    // board they leave.
    void chalkEventsInTurn_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("chalk");
        QTest::addColumn<QString>("board");
        QTest::newRow("a press alone draws nothing") << "memo M0:10,10 D1:100,200 U1:100,200" << "bare"
                                                     << "DE 410 red, dragging 0, memo on, chalk up, last 100,200";
        QTest::newRow("a stroke starts at its press, not where the pointer was before")
            << "memo M0:10,10 D1:100,200 U1:100,200 D1:100,200 M:140,200" << "red 100,200 140,200; green 60,200 20,20"
            << "DE 410 red, dragging 0, memo on, chalk down, last 140,200";
        QTest::newRow("moves with the chalk up draw nothing and keep their place")
            << "memo M0:30,30" << "bare" << "DE 410 red, dragging 0, memo on, chalk up, last 30,30";
        QTest::newRow("the middle button's release lifts the chalk")
            << "memo D1:100,300 U4:100,300 M:200,300" << "bare"
            << "DE 410 red, dragging 0, memo on, chalk up, last 200,300";
        QTest::newRow("memo off with the chalk down: moves draw nothing, a release lifts nothing")
            << "memo D1:100,400 memo M:150,400 U1:150,400" << "bare"
            << "DE 410 red, dragging 0, memo off, chalk down, last 100,400";
        QTest::newRow("... and back in memo mode, moves draw with no button held")
            << "memo D1:100,400 memo M:150,400 U1:150,400 memo M0:180,400 U1:180,400" << "red 140,400; green 90,400"
            << "DE 410 red, dragging 0, memo on, chalk up, last 180,400";
        QTest::newRow("a right press wipes the chalk, leaves memo mode and lifts the chalk")
            << "memo opt6 D1:100,100 M:300,100 D2:300,100 M:400,100" << "bare"
            << "DE 410 red, dragging 0, memo off, chalk up, last 300,100";
        QTest::newRow("... and the next memo mode writes the kept blue at width 3")
            << "memo opt6 D1:100,100 M:300,100 D2:300,100 memo D1:100,300 M:300,300 U1:300,300"
            << "blue 200,299 200,300 200,301; green 200,298 200,302"
            << "DE 410 red, dragging 0, memo on, chalk up, last 300,300";
        QTest::newRow("a segment from off the board draws the part on it")
            << "memo D1:-500,100 M:100,100" << "red 0,100 99,100"
            << "DE 410 red, dragging 0, memo on, chalk down, last 100,100";
        QTest::newRow("a far-off end: drawn to the edge, and the next segment goes on from it")
            << "memo D1:-500,100 M:100,100 M:2e9,100" << "red 792,100"
            << "DE 410 red, dragging 0, memo on, chalk down, last 2e+09,100";
        QTest::newRow("... to a place on the board") << "memo D1:-500,100 M:100,100 M:2e9,100 M:700,300"
                                                     << "red 700,300"
                                                     << "DE 410 red, dragging 0, memo on, chalk down, last 700,300";
    }
    void chalkEventsInTurn()
    {
        QFETCH(QString, events);
        QFETCH(QString, chalk);
        QFETCH(QString, board);
        SceneFixture b;
        b.play(events);
        QCOMPARE(wrongPixels(b, chalk), QString());
        QCOMPARE(b.summary(), board);
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
        b.play(QStringLiteral("memo opt%1").arg(index));
        b.stroke({{100, 300}, {300, 300}});
        QVERIFY(qAbs(thicknessAt(b, 200, 280, 320, color) - width) < 0.1);
        QCOMPARE(b.surfacePixel(200, 300), color);
        QCOMPARE(b.surfacePixel(200, 300 - width), kGreen);
        QCOMPARE(b.surfacePixel(200, 300 + width), kGreen);
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
        b.play("memo opt5");
        for (int x = 100; x <= 300; x += 5) // a yellow patch
            b.stroke({{float(x), 200}, {float(x), 400}});
        b.handlers.Option1_Click(int16_t(index));
        b.stroke({{150, 100}, {150, 500}});
        QCOMPARE(b.surfacePixel(150, 300), kGreen);
        QCOMPARE(b.surfacePixel(150 - band / 2 + 1, 300), kGreen);
        QCOMPARE(b.surfacePixel(150 + band / 2 - 1, 300), kGreen);
        QCOMPARE(b.surfacePixel(150 + band / 2 + 2, 300), kYellow);
    }

    void strokesSurviveHidingTheWindow()
    {
        qtwin::DesktopForm form;
        QVERIFY(exposed(form));
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
        QCOMPARE(shot.pixel(200, 110), kGreen);
    }

    void disabledPaletteIgnoresClicks()
    {
        qtwin::DesktopForm form;
        QVERIFY(exposed(form));
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
