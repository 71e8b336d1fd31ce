// The board as the program starts it, ending after its first frame.
#include "FirstFrame.h"
#include "platform/qt/DesktopForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qtwin::DesktopForm form;
    FirstFrame watch(form);
    form.show();
    return app.exec();
}
