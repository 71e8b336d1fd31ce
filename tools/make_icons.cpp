// Draws the icons that go out with the program into the source, once, for a
// change of their look (cmake --build build --target draw-icons):
//   make_icons DATA_ICON_DIR  ->  the files of qtwin::kIconFiles
// The build copies those files as they are; a test checks that the painter
// still draws each within one level of it.
#include "platform/qt/BoardIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons DATA_ICON_DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const qtwin::IconFile& icon : qtwin::kIconFiles) {
        const QString file = out.filePath(QString::fromLatin1(icon.name));
        if (!out.mkpath(".") || !qtwin::iconImage(icon).save(file)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
