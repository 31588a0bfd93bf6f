#include "view/Articon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <utility>

#include "view/Imagetool.h"

namespace {
class ArtIconEngine : public QIconEngine {
public:
    explicit ArtIconEngine(QImage art)
        : art(std::move(art))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        // Drawn whole into the rectangle, the painter's scaling takes the
        // art's own pixels rather than an enlarged copy of fewer.
        painter->drawPixmap(rect, inMode(mode));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        return inMode(mode).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QIconEngine* clone() const override { return new ArtIconEngine(art); }

private:
    // A chosen or disabled icon looks as the style shows any icon so.
    QPixmap inMode(QIcon::Mode mode) const
    {
        QPixmap normal = QPixmap::fromImage(art);
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return normal;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, normal, &option);
    }

    QImage art;
};
} // namespace

QIcon artIcon(const QString& path, int scale)
{
    return QIcon(new ArtIconEngine(loadArt(path, scale)));
}
