// Writes the program's icon as PNG files for installation:
//   make_icons OUTPUT_DIR NAME  ->  OUTPUT_DIR/<size>x<size>/apps/NAME.png
#include "platform/qt/BoardIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_DIR NAME\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 256}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(dir + QStringLiteral("/%1.png").arg(QString::fromLocal8Bit(argv[2])));
        if (!out.mkpath(dir) || !qtwin::boardIcon(size).save(file)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
