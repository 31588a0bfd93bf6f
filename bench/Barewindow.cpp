// The yardstick of the start-up and memory figures: an empty Qt Widgets
// window of the game's size, built by the same project and flags.
#include <QApplication>
#include <QWidget>

#include "Firstframe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Wallwright");
    window.setFixedSize(640, 480);
    FirstFrameReport::watch(&window);
    window.show();
    return app.exec();
}
