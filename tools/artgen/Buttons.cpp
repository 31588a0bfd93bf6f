// Toolbar and dialog buttons: a script word on black, in three states.
#include "Art.h"
#include "view/Artwords.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QTranslator>

#include <algorithm>

namespace art {
namespace {

// pic: resting, up: under the mouse, down: pressed.
struct Look {
    const char *suffix;
    Rgb top, bottom;    // lettering gradient
    QColor glow;        // halo behind the letters (transparent: none)
    qreal glowRadius;   // logical pixels
    QPointF offset;     // pressed buttons sink right and down
};

const Look kLooks[] = {
    {"pic", rgb(0xe6e4de), rgb(0xa9a7a1), Qt::transparent, 0, {0, 0}},
    {"up", rgb(0xffffff), rgb(0xe8eeff), QColor(170, 200, 255, 170), 5, {0, 0}},
    {"down", rgb(0xfff6b8), rgb(0xf2b52a), QColor(255, 160, 30, 140), 4, {2, 2}},
};

constexpr QSizeF kSize(80, 60);
constexpr qreal kMargin = 7;

QPainterPath wordPath(const QFont &font, const QString &word)
{
    QPainterPath path;
    path.addText(0, 0, font, word);
    return path;
}

// One letter size and one baseline for every word in every language, taken
// from the English words, so a row of buttons reads evenly and the English
// art stays as it was.
struct Fit {
    QFont font;
    qreal baseline;
};

Fit fitAllWords()
{
    QFont font = scriptFont(100);
    qreal widest = 0;
    QRectF all;
    for (const ButtonWord &b : kButtonWords) {
        const QRectF r = wordPath(font, QString::fromLatin1(b.word)).boundingRect();
        widest = std::max(widest, r.width());
        all = all.united(r);
    }
    const qreal k = std::min((kSize.width() - 2 * kMargin) / widest, (kSize.height() - 2 * kMargin) / all.height());
    font.setPixelSize(int(100 * k));
    const qreal ratio = font.pixelSize() / 100.0;
    return {font, kSize.height() / 2 - (all.top() + all.bottom()) * ratio / 2};
}

QImage renderButton(const Fit &fit, const QString &word, const Look &look, int scale)
{
    QPainterPath path = wordPath(fit.font, word);
    // A word wider than the button is drawn narrower, never cut.
    const qreal room = kSize.width() - 2 * kMargin;
    if (path.boundingRect().width() > room)
        path = QTransform::fromScale(room / path.boundingRect().width(), 1).map(path);
    path.translate((kSize.width() - path.boundingRect().width()) / 2 - path.boundingRect().left() + look.offset.x(),
                   fit.baseline + look.offset.y());

    QImage img((kSize * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    if (look.glow.alpha() > 0) {
        QImage halo(img.size(), QImage::Format_ARGB32_Premultiplied);
        halo.fill(Qt::transparent);
        QPainter hp(&halo);
        hp.setRenderHint(QPainter::Antialiasing);
        hp.scale(scale, scale);
        hp.setPen(QPen(look.glow, 2.5));
        hp.setBrush(look.glow);
        hp.drawPath(path);
        hp.end();
        blur(halo, int(look.glowRadius * scale));
        p.drawImage(QRectF(QPointF(0, 0), kSize), halo);
    }
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, toQColor(look.top));
    fill.setColorAt(1, toQColor(look.bottom));
    // A hairline of the same paint gives the thin script strokes a little more body.
    p.setPen(QPen(QBrush(fill), 0.35));
    p.setBrush(fill);
    p.drawPath(path);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void writeButtons(const QString &dir, int scale, const QTranslator *language)
{
    const Fit fit = fitAllWords();
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    for (const ButtonWord &b : kButtonWords) {
        const QString translated = language ? language->translate("Art", b.word) : QString();
        const QString word = translated.isEmpty() ? QString::fromLatin1(b.word) : translated;
        for (const Look &look : kLooks)
            save(renderButton(fit, word, look, scale),
                 QStringLiteral("%1/%2_%3%4.png").arg(dir, QLatin1String(b.face), QLatin1String(look.suffix), suffix));
    }
}

}  // namespace art
