#include "view/Imagetool.h"

#include <algorithm>
#include <cmath>

#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QWidget>

#include "view/Artblocks.h"

namespace {
// A scale this near a whole one is that one: 1.5 x 2 is 3, not a little more.
constexpr qreal kScaleTolerance = 1e-6;
} // namespace

int bitmapScale(const QWidget* widget)
{
    qreal ratio = widget->devicePixelRatioF();
    // Shown through a view that scales it, a widget has the view's pixels.
    if (const QGraphicsProxyWidget* proxy = widget->window()->graphicsProxyWidget(); proxy && proxy->scene())
        if (const auto views = proxy->scene()->views(); !views.isEmpty())
            ratio = views.first()->devicePixelRatioF() * views.first()->transform().m11();
    // The art is drawn at the scale shown or the next larger one it has, so
    // it is only ever made smaller; never above the largest it has.
    return std::clamp(int(std::ceil(ratio - kScaleTolerance)), 1, kLargestArtScale);
}

namespace {
QString chosenArtLanguage;
} // namespace

void setArtLanguage(const QString& language)
{
    chosenArtLanguage = language;
    if (!language.isEmpty())
        readyArt(ArtBlock::Languages);
}

const QString& artLanguage()
{
    return chosenArtLanguage;
}

QImage loadArt(const QString& englishPath, int scale)
{
    // Art at a larger scale, or not among what a start draws, is in the rest.
    if (scale > 1 || !QFileInfo::exists(englishPath))
        readyArt(ArtBlock::Rest);
    QString path = englishPath;
    if (!chosenArtLanguage.isEmpty()) {
        const QFileInfo english(englishPath);
        const QString translated = english.path() + '/' + chosenArtLanguage + '/' + english.fileName();
        if (QFileInfo::exists(translated))
            path = translated;
    }
    if (scale > 1) {
        QImage large(QString(path).replace(".png", QString("@%1x.png").arg(scale)));
        if (!large.isNull()) {
            large.setDevicePixelRatio(scale);
            return large;
        }
    }
    return QImage(path);
}

QRect devicePixels(const QImage& bitmap, const QRect& logical)
{
    const int scale = qRound(bitmap.devicePixelRatio());
    return QRect(logical.topLeft() * scale, logical.size() * scale);
}

namespace {

void makeRgb32(QImage& bitmap)
{
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap.convertTo(QImage::Format_RGB32);
}

// The part of rect that lies on the bitmap (right and bottom exclusive).
QRect clipped(const QImage& bitmap, const QRect& rect)
{
    return rect.intersected(bitmap.rect());
}

// A copy of part of source (device pixels), stretched to size, in 32-bit format.
QImage stretchedCopy(const QImage& source, const QRect& rect, const QSize& size)
{
    QImage copy(size, QImage::Format_RGB32);
    copy.fill(Qt::black);
    const QRect from = clipped(source, rect);
    if (!from.isEmpty()) {
        QPainter painter(&copy);
        painter.drawImage(QRect(QPoint(0, 0), size), source, from);
    }
    return copy;
}

} // namespace

bool ChangeBrightness(QImage& bitmap, int amount, const QRect& rect, bool percent)
{
    makeRgb32(bitmap);
    const QRect area = clipped(bitmap, devicePixels(bitmap, rect));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar* pixel = bitmap.scanLine(y) + 4 * area.left();
        for (int x = area.left(); x <= area.right(); ++x, pixel += 4)
            for (int channel = 0; channel < 3; ++channel) {
                const int value = percent ? pixel[channel] * amount / 100 : pixel[channel] + amount;
                pixel[channel] = uchar(std::clamp(value, 0, 255));
            }
    }
    return true;
}

bool CrossFade(const QImage& first, const QRect& firstRect, const QImage& second, const QRect& secondRect,
               QImage& target, const QRect& targetRect, int weight)
{
    makeRgb32(target);
    const QRect targetPixels = devicePixels(target, targetRect);
    if (targetPixels.isEmpty())
        return true;
    const QImage a = stretchedCopy(first, devicePixels(first, firstRect), targetPixels.size());
    const QImage b = stretchedCopy(second, devicePixels(second, secondRect), targetPixels.size());
    // Only the part of the target rectangle that lies on the target is written.
    const QRect area = clipped(target, targetPixels);
    const int w = std::clamp(weight, 0, 100);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int row = y - targetPixels.top();
        const uchar* pa = a.constScanLine(row) + 4 * (area.left() - targetPixels.left());
        const uchar* pb = b.constScanLine(row) + 4 * (area.left() - targetPixels.left());
        uchar* out = target.scanLine(y) + 4 * area.left();
        for (int x = area.left(); x <= area.right(); ++x, pa += 4, pb += 4, out += 4)
            for (int channel = 0; channel < 3; ++channel)
                out[channel] = uchar((pa[channel] * (100 - w) + pb[channel] * w) / 100);
    }
    return true;
}
