// The floor of the start-up and memory figures: the least any such game
// must do. It starts the toolkit, decodes one of the game's JPEG pictures
// and shows it in a window of the game's size with one line of text over
// it; nothing more. Built by the same project and flags as the game.
//   floorwindow PICTURE.jpg
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "Firstframe.h"

namespace {
class PictureWindow : public QWidget {
public:
    explicit PictureWindow(const QString& file)
        : picture(file)
    {
        setWindowTitle("Wallwright");
        setFixedSize(640, 480);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(rect(), picture);
        painter.setPen(Qt::yellow);
        painter.drawText(QPoint(12, 24), "Level: 1");
    }

private:
    QImage picture;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PictureWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    FirstFrameReport::watch(&window);
    window.show();
    return app.exec();
}
