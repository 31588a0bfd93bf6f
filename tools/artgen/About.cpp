// The about box picture: the title over a dimmed brick wall with a golden brick
// dropping into its gap. The game draws links at the lower left and a caption
// along the top right, so those areas are kept dark and quiet.
#include "Art.h"
#include "view/Artwords.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QTranslator>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace art {
namespace {

constexpr QSizeF kSize(388, 241);
constexpr QSizeF kBrick(36, 12);
constexpr int kGapRow = 17, kGapCol = 9;

// Mostly clay, with a sprinkling of the other styles as in a puzzle wall.
int wallStyle(int row, int col)
{
    const float h = hash01(col, row, 7);
    return h < 0.68f ? 0 : int(hash01(col, row, 8) * 12.f) % kBrickStyles;
}

QRectF brickRect(int row, int col)
{
    const qreal shift = (row % 2) ? -kBrick.width() / 2 : 0;
    return {QPointF(col * kBrick.width() + shift, row * kBrick.height() - 4), kBrick};
}

void drawWall(QPainter &p, int scale)
{
    for (int row = 0; row * kBrick.height() - 4 < kSize.height(); ++row) {
        for (int col = 0; col * kBrick.width() - kBrick.width() < kSize.width(); ++col) {
            const QRectF r = brickRect(row, col);
            if (row == kGapRow && col == kGapCol)
                p.fillRect(r, QColor(0x0c, 0x08, 0x06));
            else
                p.drawImage(r, renderBrick(wallStyle(row, col), kBrick, scale, 1.6, row * 31 + col));
        }
    }
}

// Darkens the wall so the lettering stands out, most of all where the game writes.
void dimWall(QPainter &p)
{
    p.fillRect(QRectF(QPointF(0, 0), kSize), QColor(0, 0, 0, 120));
    QRadialGradient vignette(kSize.width() / 2, 105, 260);
    vignette.setColorAt(0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.5, QColor(0, 0, 0, 40));
    vignette.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(QRectF(QPointF(0, 0), kSize), vignette);

    QLinearGradient top(0, 0, 0, 44);
    top.setColorAt(0, QColor(0, 0, 0, 210));
    top.setColorAt(0.7, QColor(0, 0, 0, 190));
    top.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, kSize.width(), 44), top);

    QLinearGradient links(0, 178, 0, 196);
    links.setColorAt(0, QColor(0, 0, 0, 0));
    links.setColorAt(1, QColor(0, 0, 0, 215));
    QLinearGradient side(200, 0, 236, 0);
    side.setColorAt(0, QColor(0, 0, 0, 255));
    side.setColorAt(1, QColor(0, 0, 0, 0));
    // The link panel: dark below y 196 left of x 210, fading out to the right and above.
    QImage mask(kSize.toSize() * 4, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter mp(&mask);
    mp.scale(4, 4);
    mp.fillRect(QRectF(0, 178, 236, kSize.height() - 178), links);
    mp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    mp.fillRect(QRectF(0, 178, 236, kSize.height() - 178), side);
    mp.end();
    p.drawImage(QRectF(QPointF(0, 0), kSize), mask);
}

// A soft dark shadow of a shape, cast down and to the right.
void drawShadow(QPainter &p, int scale, const QPainterPath &shape, QPointF offset, qreal blurRadius)
{
    QImage shadow((kSize * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter sp(&shadow);
    sp.setRenderHint(QPainter::Antialiasing);
    sp.scale(scale, scale);
    sp.translate(offset);
    sp.setPen(QPen(QColor(0, 0, 0, 230), 2));
    sp.setBrush(QColor(0, 0, 0, 230));
    sp.drawPath(shape);
    sp.end();
    blur(shadow, int(blurRadius * scale));
    p.drawImage(QRectF(QPointF(0, 0), kSize), shadow);
}

void drawDroppingBrick(QPainter &p, int scale)
{
    const QRectF gap = brickRect(kGapRow, kGapCol);
    const QSizeF big = kBrick * 1.2;
    QPainterPath outline;
    outline.addRect(QRectF(QPointF(0, 0), big));
    QTransform t;
    t.translate(gap.center().x() + 6, gap.top() - 16);
    t.rotate(-9);
    t.translate(-big.width() / 2, -big.height() / 2);
    drawShadow(p, scale, t.map(outline), QPointF(4, 6), 5);
    p.save();
    p.setTransform(t, true);
    p.drawImage(QRectF(QPointF(0, 0), big), renderBrick(8, big, scale * 2, 1.5));
    p.restore();
}

QPainterPath centredText(const QFont &font, const QString &text, qreal baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    path.translate(kSize.width() / 2 - r.center().x(), baseline);
    return path;
}

void drawTitle(QPainter &p, int scale, const QString &subtitle)
{
    QFont title = scriptFont(100);
    QPainterPath probe;
    probe.addText(0, 0, title, QStringLiteral("Wallwright"));
    title.setPixelSize(int(100 * std::min(330 / probe.boundingRect().width(), 78 / probe.boundingRect().height())));
    const QPainterPath word = centredText(title, QStringLiteral("Wallwright"), 118);

    // Warm halo so the gold reads against the wall.
    QImage halo((kSize * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    QPainter hp(&halo);
    hp.setRenderHint(QPainter::Antialiasing);
    hp.scale(scale, scale);
    hp.setPen(QPen(QColor(255, 170, 60, 90), 6));
    hp.setBrush(QColor(255, 170, 60, 90));
    hp.drawPath(word);
    hp.end();
    blur(halo, 14 * scale);
    p.drawImage(QRectF(QPointF(0, 0), kSize), halo);

    const QRectF box = word.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xf8, 0xd0));
    gold.setColorAt(0.45, QColor(0xff, 0xd6, 0x5a));
    gold.setColorAt(1, QColor(0xd8, 0x80, 0x12));
    drawShadow(p, scale, word, QPointF(3, 4), 4);
    p.setPen(QPen(QColor(0x3a, 0x1c, 0x04), 1.2));
    p.setBrush(gold);
    p.drawPath(word);

    QFont sub(QStringLiteral("DejaVu Serif"));
    sub.setItalic(true);
    sub.setPixelSize(16);
    const QPainterPath line = centredText(sub, subtitle, 150);
    drawShadow(p, scale, line, QPointF(1.5, 2), 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xea, 0xdc));
    p.drawPath(line);
}

}  // namespace

void writeAbout(const QString &dir, int scale, const QTranslator *language)
{
    const QString translated = language ? language->translate("Art", kAboutPictureWords) : QString();
    QImage img((kSize * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    drawWall(p, scale);
    dimWall(p);
    drawDroppingBrick(p, scale);
    drawTitle(p, scale, translated.isEmpty() ? QString::fromLatin1(kAboutPictureWords) : translated);
    p.end();
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    save(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("%1/about%2.png").arg(dir, suffix));
}

}  // namespace art
