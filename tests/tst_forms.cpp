// The window-system layer: colours, clipping, and that every drawing reports
// all the pixels it changed.
#include "Shown.h"
#include "forms/FigurePainter.h"
#include "forms/Geometry.h"
#include "forms/LineShape.h"
#include "forms/PictureBox.h"
#include "forms/QBColor.h"
#include "platform/qt/ImageSurface.h"
#include "platform/qt/PainterCanvas.h"
#include "platform/qt/QtTypes.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <stdexcept>

namespace {

// A picture box of the given size whose chalk lands in an image.
struct ImageBox {
    ImageBox(QSize size, QColor back)
        : surface(size, back)
        , box(size.width(), size.height(), {uint8_t(back.red()), uint8_t(back.green()), uint8_t(back.blue())}, surface)
    {
        box.setView(&sink);
        sink.region = QRegion();
    }
    qtwin::ImageSurface surface;
    forms::PictureBox box;
    RegionSink sink;
};

forms::Color toColor(QRgb rgb) { return {uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb))}; }

QRegion changedPixels(const QImage& before, const QImage& after)
{
    QRegion changed;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed += QRect(x, y, 1, 1);
    return changed;
}

// The device pixels that show the rectangles of `region` at `scale`.
QRegion devicePixels(const QRegion& region, double scale)
{
    QRegion device;
    for (const QRect& r : region)
        device += qtwin::toQRect(forms::devicePixels({r.x(), r.y(), r.width(), r.height()}, {scale, scale}));
    return device;
}

// A line drawn on a screen of `scale` device pixels per board pixel.
QImage render(const forms::LineShape& line, QSize size, double scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale); // not the image's ratio, which Qt does not take below 1
    painter.setRenderHint(QPainter::Antialiasing);
    qtwin::LetterTexts noLetters;
    qtwin::PainterCanvas canvas(painter, noLetters);
    if (const auto seg = line.visiblePart({0, 0, double(size.width()), double(size.height())}))
        canvas.drawLine(*seg, line.BorderWidth(), line.BorderColor());
    return image;
}

} // namespace

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    // QBColor's table, by the indices the board uses and a few more.
    void colourTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("color"); // none: out of the table
        QTest::newRow("2 green, the board") << 2 << QColor(0, 128, 0);
        QTest::newRow("9 blue") << 9 << QColor(0, 0, 255);
        QTest::newRow("12 red") << 12 << QColor(255, 0, 0);
        QTest::newRow("13 magenta") << 13 << QColor(255, 0, 255);
        QTest::newRow("14 yellow") << 14 << QColor(255, 255, 0);
        QTest::newRow("0 black") << 0 << QColor(0, 0, 0);
        QTest::newRow("7 light grey") << 7 << QColor(192, 192, 192);
        QTest::newRow("15 white") << 15 << QColor(255, 255, 255);
        QTest::newRow("16 is past the end") << 16 << QColor();
        QTest::newRow("-1 is before the start") << -1 << QColor();
    }
    void colourTable()
    {
        QFETCH(int, index);
        QFETCH(QColor, color);
        if (color.isValid())
            QCOMPARE(qtwin::toQColor(forms::QBColor(int16_t(index))), color);
        else
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, forms::QBColor(int16_t(index)));
    }

    void clipping_data()
    {
        QTest::addColumn<QPointF>("p1");
        QTest::addColumn<QPointF>("p2");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QLineF>("expected");
        const QRectF box(0, 0, 100, 50);
        QTest::newRow("inside stays exact") << QPointF(10.25, 20.5) << QPointF(90, 30) << true
                                            << QLineF(10.25, 20.5, 90, 30);
        QTest::newRow("crossing the left edge") << QPointF(-100, 10) << QPointF(50, 10) << true
                                                << QLineF(0, 10, 50, 10);
        QTest::newRow("huge end") << QPointF(50, 25) << QPointF(1e30, 25) << true << QLineF(50, 25, 100, 25);
        QTest::newRow("wholly outside") << QPointF(-10, -10) << QPointF(-5, 200) << false << QLineF();
        QTest::newRow("infinite end") << QPointF(50, 25) << QPointF(qInf(), 25) << false << QLineF();
        QTest::newRow("a point inside") << QPointF(5, 5) << QPointF(5, 5) << true << QLineF(5, 5, 5, 5);
        Q_UNUSED(box);
    }
    void clipping()
    {
        QFETCH(QPointF, p1);
        QFETCH(QPointF, p2);
        QFETCH(bool, visible);
        QFETCH(QLineF, expected);
        const auto seg = forms::clipSegment({p1.x(), p1.y()}, {p2.x(), p2.y()}, {0, 0, 100, 50});
        QCOMPARE(seg.has_value(), visible);
        if (visible)
            QCOMPARE(qtwin::toQLine(*seg), expected);
    }

    void pixelBoundsNeverOverflows()
    {
        QVERIFY(forms::pixelBounds({-1e30, -1e30, 1e30, 1e30}).contains({0, 0, 800, 700}));
        QVERIFY(forms::pixelBounds({0, 0, qInf(), 1}).isEmpty());
        QCOMPARE(qtwin::toQRect(forms::pixelBounds({1.5, 2.5, 2.5, 3.5})), QRect(1, 2, 2, 2));
        // Every device pixel that shows part of a board pixel, and at 1 just those.
        QCOMPARE(qtwin::toQRect(forms::devicePixels({10, 20, 5, 5}, {1, 1})), QRect(10, 20, 5, 5));
        QCOMPARE(qtwin::toQRect(forms::devicePixels({10, 20, 5, 5}, {1.5, 1.25})), QRect(15, 25, 8, 7));
        QCOMPARE(qtwin::toQRect(forms::devicePixels({1, 1, 1, 1}, {0.57, 0.57})), QRect(0, 0, 2, 2));
    }

    // Screens of that many device pixels per board pixel.
    void atScales_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("board pixels") << 1.0;
        QTest::newRow("a tablet") << 1.4713;
        QTest::newRow("a projector at 1.5") << 2.3077;
    }

    // Whatever direction and width, a chalk segment reports every pixel it
    // changed; strokes running up or left are where a careless rectangle
    // loses one. At any scale its device pixels cover every one it changed.
    void surfaceReportsEveryChangedPixel_data() { atScales_data(); }
    void surfaceReportsEveryChangedPixel()
    {
        QFETCH(double, scale);
        QRandomGenerator rng(20261208);
        ImageBox board(QSize(120, 90), QColor(0, 128, 0));
        board.surface.setDevicePixelRatio(scale);
        for (int i = 0; i < 300; ++i) {
            const int16_t width = std::array<int16_t, 5>{1, 3, 6, 10, 20}[rng.bounded(5)];
            board.box.setDrawWidth(width);
            const float x1 = float(rng.bounded(-30.0) + rng.bounded(180.0));
            const float y1 = float(rng.bounded(-30.0) + rng.bounded(150.0));
            const bool dot = rng.bounded(6) == 0;
            const float x2 = dot ? x1 : float(x1 + rng.bounded(40.0) - 20);
            const float y2 = dot ? y1 : float(y1 + rng.bounded(40.0) - 20);
            const QImage before = board.surface.image();
            board.sink.region = QRegion();
            const QRect returned = qtwin::toQRect(board.box.Line(x1, y1, x2, y2, toColor(rng.generate())));
            const QRegion changed = changedPixels(before, board.surface.image());
            QVERIFY2(changed.subtracted(devicePixels(returned, scale)).isEmpty(),
                     qPrintable(QStringLiteral("segment %1: (%2,%3)-(%4,%5) width %6")
                                    .arg(i).arg(x1).arg(y1).arg(x2).arg(y2).arg(width)));
            QCOMPARE(board.sink.region, QRegion(returned));
            QVERIFY(returned.width() <= std::abs(x2 - x1) + 1.5 * width + 4); // never the whole surface
        }
    }

    void aDotIsDrawnWhereTheLineHasNoLength()
    {
        ImageBox board(QSize(50, 50), Qt::black);
        board.box.setDrawWidth(6);
        board.box.Line(20, 20, 20, 20, {255, 255, 255});
        const QImage& image = board.surface.image();
        QCOMPARE(image.pixel(20, 20), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(20, 18), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(22, 20), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(20, 25), qRgb(0, 0, 0));
    }

    // On a 2x screen chalk is kept at twice the resolution, positions stay in
    // board pixels, and what was drawn survives a change of screen.
    void surfaceKeepsDevicePixels()
    {
        ImageBox board(QSize(100, 80), Qt::black);
        qtwin::ImageSurface& surface = board.surface;
        surface.setDevicePixelRatio(2);
        board.box.setDrawWidth(3);
        const QRect dirty = qtwin::toQRect(board.box.Line(10, 30, 90, 30, {255, 255, 255}));
        QVERIFY(dirty.contains(QRect(10, 29, 81, 3)) && dirty.bottom() < 40);
        QCOMPARE(surface.image().size(), QSize(200, 160));
        for (int y = 58; y <= 63; ++y) // rows 29..31, each two device rows, fully covered
            QCOMPARE(surface.image().pixel(100, y), qRgb(255, 255, 255));
        QCOMPARE(surface.image().pixel(100, 57), qRgb(0, 0, 0));
        QCOMPARE(surface.image().pixel(100, 64), qRgb(0, 0, 0));
        surface.setDevicePixelRatio(1);
        QCOMPARE(surface.image().size(), QSize(100, 80));
        QCOMPARE(surface.image().pixel(50, 30), qRgb(255, 255, 255));
    }

    void clsWipesAndReportsTheWholeSurface()
    {
        ImageBox board(QSize(40, 30), QColor(0, 128, 0));
        board.box.setDrawWidth(20);
        board.box.Line(0, 0, 40, 30, {255, 0, 0});
        board.sink.region = QRegion();
        board.box.Cls();
        QCOMPARE(board.sink.region, QRegion(0, 0, 40, 30));
        QImage green(40, 30, QImage::Format_RGB32);
        green.fill(QColor(0, 128, 0));
        QCOMPARE(board.surface.image(), green);
        board.box.setDrawWidth(0);
        QCOMPARE(board.box.DrawWidth(), int16_t(1));
    }

    // Moving a retained line marks both where it was and where it goes, to
    // the last device pixel at any scale.
    void movedLineReportsOldAndNewPixels_data()
    {
        atScales_data();
        QTest::newRow("a small window") << 0.57;
    }
    void movedLineReportsOldAndNewPixels()
    {
        QFETCH(double, scale);
        QRandomGenerator rng(7);
        forms::LineShape line;
        line.setBorderWidth(4);
        line.setBorderColor({255, 255, 255});
        RegionSink sink;
        line.attach(&sink);
        for (int i = 0; i < 100; ++i) {
            const QImage before = render(line, QSize(100, 100), scale);
            sink.region = QRegion();
            line.setX1(float(rng.bounded(100.0)));
            line.setY2(float(rng.bounded(100.0)));
            const QRegion changed = changedPixels(before, render(line, QSize(100, 100), scale));
            QVERIFY(changed.subtracted(devicePixels(sink.region, scale)).isEmpty());
        }
        sink.region = QRegion();
        line.setX1(line.X1()); // an unchanged value repaints nothing
        QVERIFY(sink.region.isEmpty());
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
