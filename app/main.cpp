#include "platform/qt/DesktopForm.h"
#include "platform/qt/Program.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (!qtwin::displayNamed(argc, argv)) {
        std::fprintf(stderr, "parallel-board: no display to open a window on "
                             "(DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    std::unique_ptr<QApplication> app;
    {
        qtwin::StartupGuard guard("parallel-board", qtwin::windowTarget(argc, argv));
        app = std::make_unique<QApplication>(argc, argv);
    }
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    qtwin::DesktopForm form;
    form.show();
    // The keyboard from the first key, for a presenter's remote: a window
    // manager may weigh this request; with none (a kiosk session) nothing
    // else would give the window the keys.
    form.activateWindow();
    return app->exec();
}
