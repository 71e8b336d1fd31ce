#include "platform/qt/Program.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace qtwin {

bool displayNamed(int argc, char** argv)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

std::string windowTarget(int argc, char** argv)
{
    std::string platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platform = argv[i + 1];
    const std::string kind = platform.substr(0, platform.find(':'));
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (kind.empty() || kind == "xcb") {
        if (x11 && *x11)
            return std::string("the display ") + x11;
        if (kind.empty() && wayland && *wayland)
            return std::string("the display ") + wayland;
    }
    if (kind.rfind("wayland", 0) == 0)
        return std::string("the display ") + (wayland && *wayland ? wayland : "wayland-0");
    return "a window on the platform \"" + platform + "\"";
}

namespace {

const char* guardedProgram = nullptr;
std::string guardedTarget;
QString heldBack;

void startupMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldBack += message.simplified() + QStringLiteral("; ");
        return;
    }
    std::fprintf(stderr, "%s: cannot open %s\n", guardedProgram, guardedTarget.c_str());
    std::fflush(stderr);
    _exit(1);
}

} // namespace

StartupGuard::StartupGuard(const char* program, std::string target)
{
    guardedProgram = program;
    guardedTarget = std::move(target);
    heldBack.clear();
    qInstallMessageHandler(startupMessage);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(nullptr);
    // Warnings that led to no failure go out as the toolkit would have shown them.
    if (!heldBack.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(heldBack.chopped(2)));
    heldBack.clear();
}

} // namespace qtwin
