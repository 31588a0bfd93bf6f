#include <QApplication>
#include <QIcon>

#include "Mainform.h"
#include "bench/Firstframe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wallwright");
    // Ties the window to its menu entry and icon: the id of the installed .desktop file.
    QGuiApplication::setDesktopFileName("example.wallwright.Wallwright");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/wallwright-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    TFormMain form;
    FirstFrameReport::watch(&form); // for `make bench` only
    form.show();
    return app.exec();
}
