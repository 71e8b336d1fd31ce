// The window as the teacher sees it: layout, the first picture, the commands,
// and starting where no window can be opened.
#include "Shown.h"
#include "platform/qt/BoardIcon.h"
#include "platform/qt/DesktopForm.h"
#include "platform/qt/QtTypes.h"
#include "platform/qt/RadioPalette.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using Form1 = qtwin::DesktopForm;

namespace {

QString exe() { return qEnvironmentVariable("PARALLEL_BOARD_EXE"); }

struct Outcome {
    int exitCode;
    QStringList stderrLines;
};

Outcome runProgram(const QProcessEnvironment& env, const QString& program = exe(), const QStringList& args = {})
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}};
    }
    const QString err = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            err.split('\n', Qt::SkipEmptyParts)};
}

// The window as window-snapshot renders it offscreen, with more in the environment.
Outcome snapshot(const QProcessEnvironment& more, QImage& image)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(more);
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    const Outcome outcome = runProgram(env, qEnvironmentVariable("WINDOW_SNAPSHOT_EXE"), {shot});
    image.load(shot);
    return outcome;
}

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionSizeAndColours()
    {
        Form1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("平行線ボード (by n.Tavio)"));
        QCOMPARE(form.size(), QSize(811, 702));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 255, 192));
        const auto& c = form.controls();
        QCOMPARE(c.gamen->geometry(), QRect(8, 48, 793, 641));
        QCOMPARE(c.Label1->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(c.Label1->palette().color(QPalette::Window).rgb(), kGreen);
        QCOMPARE(c.Label1->font().pixelSize(), 32);
        QVERIFY(c.Label1->font().bold());
        QCOMPARE(c.Command3->font().pixelSize(), 16);
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::newRow("title") << "Label1" << "相似と比" << QRect(16, 8, 125, 33);
        QTest::newRow("reset") << "Command1" << "初期画面" << QRect(176, 8, 73, 33);
        QTest::newRow("quit") << "Command2" << "終了" << QRect(736, 8, 65, 33);
        QTest::newRow("memo") << "Command3" << "メモ" << QRect(304, 8, 73, 33);
        QTest::newRow("thick caption") << "Label4_0" << "太字" << QRect(384, 8, 24, 12);
        QTest::newRow("thin caption") << "Label4_1" << "細字" << QRect(384, 24, 24, 12);
        QTest::newRow("thin red") << "Option1_0" << "赤色" << QRect(416, 24, 57, 17);
        QTest::newRow("thin yellow") << "Option1_1" << "黄色" << QRect(472, 24, 57, 17);
        QTest::newRow("thin blue") << "Option1_2" << "青色" << QRect(528, 24, 57, 17);
        QTest::newRow("thin eraser") << "Option1_3" << "消しゴム" << QRect(584, 24, 81, 17);
        QTest::newRow("thick red") << "Option1_4" << "赤色" << QRect(416, 8, 57, 17);
        QTest::newRow("thick yellow") << "Option1_5" << "黄色" << QRect(472, 8, 57, 17);
        QTest::newRow("thick blue") << "Option1_6" << "青色" << QRect(528, 8, 57, 17);
        QTest::newRow("thick eraser") << "Option1_7" << "消しゴム" << QRect(584, 8, 81, 17);
    }
    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        Form1 form;
        QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
        QCOMPARE(control->property("text").toString(), caption);
    }

    void paletteStartsGreyedWithThinRedSelected()
    {
        Form1 form;
        for (int16_t i = 0; i < 8; ++i) {
            QRadioButton* option = form.controls().Option1->button(i);
            QVERIFY(!option->isEnabled());
            QCOMPARE(option->isChecked(), i == 0);
        }
    }

    void tabOrderFollowsTheLayout()
    {
        Form1 form;
        const auto& c = form.controls();
        QList<QWidget*> expected = {c.gamen, c.Command1, c.Command2, c.Command3};
        for (int16_t i = 0; i < 8; ++i)
            expected << c.Option1->button(i);
        for (int i = 0; i + 1 < expected.size(); ++i)
            QCOMPARE(expected[i]->nextInFocusChain(), expected[i + 1]);
    }

    void firstPictureShowsTheFigure_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("AB below D") << QPoint(200, 480) << kWhite;
        QTest::newRow("BC") << QPoint(250, 550) << kWhite;
        QTest::newRow("CA below E") << QPoint(520, 480) << kWhite;
        QTest::newRow("AD over AB") << QPoint(325, 305) << kRed;
        QTest::newRow("DE") << QPoint(300, 410) << kRed;
        QTest::newRow("EA over CA") << QPoint(445, 305) << kRed;
        QTest::newRow("mark on BC, lower") << QPoint(340, 555) << kYellow;
        QTest::newRow("mark on BC, upper") << QPoint(340, 545) << kYellow;
        QTest::newRow("mark on DE, lower") << QPoint(360, 415) << kYellow;
        QTest::newRow("mark on DE, upper") << QPoint(360, 405) << kYellow;
        QTest::newRow("inside ABC") << QPoint(350, 500) << kGreen;
        QTest::newRow("outside") << QPoint(700, 100) << kGreen;
    }
    void firstPictureShowsTheFigure()
    {
        QFETCH(QPoint, at);
        QFETCH(QRgb, color);
        Form1 form;
        QVERIFY(exposed(form));
        QCOMPARE(form.controls().gamen->grab().toImage().pixel(at), color);
    }

    void lettersShowInTheirBoxes_data()
    {
        QTest::addColumn<int>("letter"); // in the order the board draws them
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int i = 0; i < 5; ++i)
            QTest::newRow(names[i]) << i;
    }
    void lettersShowInTheirBoxes()
    {
        QFETCH(int, letter);
        Form1 form;
        QVERIFY(exposed(form));
        const QImage shot = form.controls().gamen->grab().toImage();
        const forms::BoardLabel& label = *form.scene().gamen.labels()[std::size_t(letter)];
        const QRect box(int(label.Left()), int(label.Top()), label.Width(), label.Height());
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ink += QColor(shot.pixel(x, y)) == qtwin::toQColor(label.ForeColor());
        QVERIFY2(ink > 30, qPrintable(QStringLiteral("%1 pixels").arg(ink)));
        QCOMPARE(shot.pixel(box.center().x(), box.bottom() + 3), kGreen);
    }

    // 終了, mid-drag as a teacher might, and the window closed: the event loop
    // returns 0, and the program ends with it.
    void theProgramEnds_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::newRow("終了 pressed during a drag") << true;
        QTest::newRow("the window closed") << false;
    }
    void theProgramEnds()
    {
        QFETCH(bool, quit);
        Form1 form;
        QVERIFY(exposed(form));
        QTest::mousePress(form.controls().gamen, Qt::LeftButton, {}, QPoint(300, 410));
        QTimer::singleShot(0, &form, [&form, quit] {
            quit ? QTest::mouseClick(form.controls().Command2, Qt::LeftButton) : void(form.close());
        });
        QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // Where no window can be opened: one line of the program's own, naming
    // what it could not open, and none of the toolkit's advice about its plugins.
    void windowThatCannotOpenGivesOneClearLine_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("no display at all") << "" << "" << "parallel-board: no display to open a window on "
                                                          "(DISPLAY and WAYLAND_DISPLAY are not set)";
        QTest::newRow("an unreachable X display") << "DISPLAY" << ":4321"
                                                  << "parallel-board: cannot open the display :4321";
        QTest::newRow("an unreachable Wayland display") << "WAYLAND_DISPLAY" << "wayland-4321"
                                                        << "parallel-board: cannot open the display wayland-4321";
        QTest::newRow("a platform that does not exist")
            << "QT_QPA_PLATFORM" << "nowhere" << "parallel-board: cannot open a window on the platform \"nowhere\"";
    }
    void windowThatCannotOpenGivesOneClearLine()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, line);
        QProcessEnvironment env = withoutDisplay();
        if (!variable.isEmpty())
            env.insert(variable, value);
        if (variable == QStringLiteral("WAYLAND_DISPLAY"))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        const Outcome outcome = runProgram(env);
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.stderrLines, QStringList{line});
    }

    // Projected at twice the size, the figure is drawn at the screen's own
    // resolution: DE, 2 board pixels thick, covers exactly 4 device rows.
    void scaledWindowStaysSharp()
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        QImage image;
        QCOMPARE(snapshot(env, image).exitCode, 0);
        QCOMPARE(image.size(), QSize(2 * 811, 2 * 702));
        const int x = 2 * (8 + 300), top = 2 * (48 + 409) + 1; // DE's rows 409.5 .. 411.5
        for (int y = top; y < top + 4; ++y)
            QCOMPARE(image.pixel(x, y), kRed);
        QCOMPARE(image.pixel(x, top - 1), kGreen);
        QCOMPARE(image.pixel(x, top + 4), kGreen);
    }

    // The icons that go out are files of the source, and the painter still
    // draws each of them, every channel within one level.
    void theIconFilesAreThePaintersOwn_data()
    {
        QTest::addColumn<int>("file");
        for (std::size_t i = 0; i < qtwin::kIconFiles.size(); ++i)
            QTest::newRow(qtwin::kIconFiles[i].name) << int(i);
    }
    void theIconFilesAreThePaintersOwn()
    {
        QFETCH(int, file);
        const qtwin::IconFile& icon = qtwin::kIconFiles[std::size_t(file)];
        const QImage kept(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/icons/") + QLatin1String(icon.name));
        const QImage drawn = qtwin::iconImage(icon).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(kept.size(), QSize(icon.size, icon.size));
        int worst = 0;
        for (int y = 0; y < icon.size; ++y)
            for (int x = 0; x < icon.size; ++x)
                for (int shift : {0, 8, 16, 24})
                    worst = std::max(worst, std::abs(int(kept.pixel(x, y) >> shift & 255) - int(drawn.pixel(x, y) >> shift & 255)));
        QVERIFY2(worst <= 1, qPrintable(QStringLiteral("%1 levels off: cmake --build build --target draw-icons").arg(worst)));
    }

    // With no font at all the board still opens and shows the figure.
    void startsWithoutAnyJapaneseFont()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("fonts")));
        QFile conf(dir.filePath(QStringLiteral("fonts.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("<?xml version=\"1.0\"?><fontconfig><dir>%1/fonts</dir><cachedir>%1/cache</cachedir>"
                                  "</fontconfig>").arg(dir.path()).toUtf8());
        conf.close();
        QProcessEnvironment env;
        env.insert(QStringLiteral("FONTCONFIG_FILE"), conf.fileName());
        QImage image;
        const Outcome outcome = snapshot(env, image);
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY(outcome.stderrLines.join('\n').contains(QStringLiteral("no Japanese font")));
        QCOMPARE(image.pixel(8 + 300, 48 + 410), kRed);
        QCOMPARE(image.pixel(8 + 700, 48 + 100), kGreen);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
