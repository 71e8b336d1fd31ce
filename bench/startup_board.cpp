// The board as the program starts it, ending after its first frame.
#include "FirstFrame.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    window::Form1 form;
    FirstFrame watch(form);
    form.show();
    return app.exec();
}
