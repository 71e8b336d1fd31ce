// Renders the window as it first appears into the PNG file named on the
// command line; the README shows that picture.
#include "platform/qt/DesktopForm.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-snapshot OUTPUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    qtwin::DesktopForm form;
    form.show();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "window-snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
