// The floor for start-up: an empty Qt Widgets window of the board's size,
// ending after its first frame.
#include "FirstFrame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(811, 702);
    FirstFrame watch(window);
    window.show();
    return app.exec();
}
