// The real program in a real X server: a drag of DE, a chalk stroke in memo
// mode, a right press and "終了", sent as X events by xdotool and judged by
// screenshots and the exit status.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

int failures = 0, passes = 0;
QString shotDir;

void expect(bool ok, const QString& what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", qPrintable(what));
    std::fflush(stdout);
    ++(ok ? passes : failures);
}

// Runs xdotool; what it printed, or nothing when it failed.
QString xdotoolOutput(const QStringList& args, int ms = 10000)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(ms))
        p.kill();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput())
                                                                        : QString();
}

void xdotool(const QStringList& args) { xdotoolOutput(args); }

QString startXvfb(QProcess& server)
{
    for (int n = 90; n < 130; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        const QString display = QStringLiteral(":%1").arg(n);
        server.start(QStringLiteral("Xvfb"), {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server.waitForStarted(5000))
            return {};
        for (int i = 0; i < 100 && server.state() == QProcess::Running; ++i) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                return display;
            QThread::msleep(50);
        }
        server.kill();
        server.waitForFinished();
    }
    return {};
}

// The board's top-left corner on the screen: the window's client area, less nothing, plus (8, 48).
QPoint boardOrigin;

QImage board(const char* name)
{
    QThread::msleep(300); // let the program paint what the last event changed
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, boardOrigin.x(), boardOrigin.y(), 793, 641).toImage();
    shot.save(QDir(shotDir).filePath(QStringLiteral("real-window-%1.png").arg(name)));
    return shot;
}

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

void move(int x, int y) { xdotool({"mousemove", QString::number(boardOrigin.x() + x), QString::number(boardOrigin.y() + y)}); }

} // namespace

int main(int argc, char** argv)
{
    const QString program = qEnvironmentVariable("PARALLEL_BOARD_EXE");
    if (program.isEmpty()) {
        std::printf("FAIL: PARALLEL_BOARD_EXE does not name the program to test\n");
        return 1;
    }
    shotDir = QDir::currentPath();
    QProcess server;
    const QString display = startXvfb(server);
    if (display.isEmpty()) {
        std::printf("FAIL: cannot start Xvfb (install the xvfb package)\n");
        return 1;
    }
    qputenv("DISPLAY", display.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    QProcess board_;
    board_.setProcessChannelMode(QProcess::ForwardedChannels);
    board_.start(program, {});
    expect(board_.waitForStarted(5000), "the program starts");
    const QString window = xdotoolOutput({"search", "--sync", "--name", "平行線ボード"}, 15000).section('\n', 0, 0);
    expect(!window.isEmpty(), "its window appears");
    if (window.isEmpty()) {
        board_.kill();
        board_.waitForFinished();
        server.kill();
        return 1;
    }
    int wx = 0, wy = 0;
    for (const QString& line : xdotoolOutput({"getwindowgeometry", "--shell", window}).split('\n')) {
        if (line.startsWith("X="))
            wx = line.mid(2).toInt();
        if (line.startsWith("Y="))
            wy = line.mid(2).toInt();
    }
    boardOrigin = QPoint(wx + 8, wy + 48);

    const QColor red(255, 0, 0), magenta(255, 0, 255), white(255, 255, 255), green(0, 128, 0);
    QImage shot = board("start");
    expect(at(shot, 300, 410) == red && at(shot, 300, 550) == white, "the first picture shows DE red and BC white");

    // A presenter's remote, from its first key and after a click on 初期画面,
    // with the pointer away from the window.
    const auto remoteMovesDE = [&](const char* name, const QString& what) {
        xdotool({"mousemove", QString::number(wx + 831), QString::number(wy + 722), "key", "Page_Down"});
        const QImage moved = board(name);
        expect(at(moved, 300, 420) == red && at(moved, 300, 410) == green, what);
        xdotool({"key", "Page_Up"});
    };
    remoteMovesDE("first-key", "Page Down moves DE from the first key, with no click");

    // Grab DE 5 pixels above it and pull it down onto BC.
    move(300, 405);
    xdotool({"mousedown", "1"});
    for (int y = 425; y <= 545; y += 20)
        move(300, y);
    shot = board("dragging");
    expect(at(shot, 300, 550) == magenta && at(shot, 300, 410) == green, "DE follows the pointer onto BC, magenta while held");
    xdotool({"mouseup", "1"});
    shot = board("dropped");
    expect(at(shot, 300, 550) == red, "DE turns red when released");

    // "メモ", then a red stroke.
    xdotool({"mousemove", QString::number(wx + 340), QString::number(wy + 24), "click", "1"});
    move(100, 100);
    xdotool({"mousedown", "1"});
    for (int x = 120; x <= 300; x += 20)
        move(x, 100);
    xdotool({"mouseup", "1"});
    shot = board("chalk");
    expect(at(shot, 200, 100) == red && at(shot, 200, 110) == green, "the chalk draws a red stroke");

    // A right press wipes it and puts the figure back.
    move(600, 600);
    xdotool({"click", "3"});
    shot = board("reset");
    expect(at(shot, 200, 100) == green && at(shot, 300, 410) == red && at(shot, 300, 550) == white,
           "a right press wipes the chalk and restores the figure");

    xdotool({"mousemove", QString::number(wx + 212), QString::number(wy + 24), "click", "1"});
    remoteMovesDE("after-reset-button", "Page Down moves DE after a click on 初期画面");

    // "終了"
    xdotool({"mousemove", QString::number(wx + 768), QString::number(wy + 24), "click", "1"});
    const bool ended = board_.waitForFinished(5000);
    expect(ended && board_.exitStatus() == QProcess::NormalExit && board_.exitCode() == 0, "終了 ends the program with status 0");
    if (!ended)
        board_.kill();

    server.terminate();
    server.waitForFinished(3000);
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures ? 1 : 0;
}
