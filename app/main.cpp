#include <QApplication>

#include "Gamewindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    TGameWindow game;
    game.form.show();
    return app.exec();
}
