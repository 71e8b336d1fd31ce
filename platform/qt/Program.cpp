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

namespace {

const char* guardedProgram = nullptr;
QString heldBack;

void startupMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldBack += message.simplified() + QStringLiteral("; ");
        return;
    }
    // The toolkit's own warnings name the cause; its fatal line adds only advice
    // that does not apply here, so it is shown only when nothing came before it.
    const QString cause = heldBack.isEmpty() ? message.simplified() : heldBack.chopped(2);
    std::fprintf(stderr, "%s: cannot open a window: %s\n", guardedProgram, qPrintable(cause));
    std::fflush(stderr);
    _exit(1);
}

} // namespace

StartupGuard::StartupGuard(const char* program)
{
    guardedProgram = program;
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
