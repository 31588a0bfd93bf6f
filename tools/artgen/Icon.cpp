// The program icon: a small wall with one brick dropping into its gap. One list of
// shapes feeds both the SVG text and the QPainter drawing of every PNG size.
#include "Art.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace art {
namespace {

constexpr int kGrid = 16;  // design units; every PNG size is a whole multiple

struct Shape {
    QRectF rect;
    QColor top, bottom;  // vertical gradient
    qreal radius;
    qreal angle;  // degrees, about the shape's centre
};

const QColor kMortarTop(0x4a, 0x3c, 0x36), kMortarBottom(0x2a, 0x21, 0x1d);
const QColor kClayTop(0xd8, 0x6a, 0x48), kClayBottom(0x8e, 0x30, 0x1e);
const QColor kGoldTop(0xff, 0xe8, 0x6a), kGoldBottom(0xe0, 0x8e, 0x0a);

Shape clay(qreal x, qreal y, qreal w)
{
    return {{x, y, w, 3}, kClayTop, kClayBottom, 0.4, 0};
}

const Shape kShapes[] = {
    {{0, 4, 16, 12}, kMortarTop, kMortarBottom, 0.8, 0},
    {{8, 5, 7, 3}, QColor(0x12, 0x0c, 0x0a), QColor(0x1e, 0x16, 0x12), 0.3, 0},  // the gap
    clay(1, 5, 6),
    clay(1, 9, 2), clay(4, 9, 7), clay(12, 9, 3),
    clay(1, 13, 6), clay(8, 13, 7),
    {{8.5, 0.4, 7, 3}, kGoldTop, kGoldBottom, 0.4, -8},  // the brick being dropped in
};

QString svgText()
{
    QString defs, body;
    int id = 0;
    for (const Shape &s : kShapes) {
        defs += QStringLiteral("    <linearGradient id=\"g%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                               "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
                    .arg(id)
                    .arg(s.top.name(), s.bottom.name());
        const QPointF c = s.rect.center();
        body += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#g%6)\"%7/>\n")
                    .arg(s.rect.x())
                    .arg(s.rect.y())
                    .arg(s.rect.width())
                    .arg(s.rect.height())
                    .arg(s.radius)
                    .arg(id)
                    .arg(s.angle == 0 ? QString() : QStringLiteral(" transform=\"rotate(%1 %2 %3)\"").arg(s.angle).arg(c.x()).arg(c.y()));
        ++id;
    }
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 %1 %1\">\n"
                          "  <defs>\n%2  </defs>\n%3</svg>\n")
        .arg(kGrid)
        .arg(defs, body);
}

QImage renderIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / kGrid, qreal(size) / kGrid);
    p.setPen(Qt::NoPen);
    for (const Shape &s : kShapes) {
        p.save();
        p.translate(s.rect.center());
        p.rotate(s.angle);
        const QRectF r = s.rect.translated(-s.rect.center());
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, s.top);
        fill.setColorAt(1, s.bottom);
        p.setBrush(fill);
        p.drawRoundedRect(r, s.radius, s.radius);
        p.restore();
    }
    p.end();
    return img;
}

}  // namespace

void writeProgramIcon(const QString &dir)
{
    for (int size : {16, 32, 48, 64, 128, 256})
        save(renderIcon(size), QStringLiteral("%1/wallwright-%2.png").arg(dir).arg(size));
    QFile svg(dir + QStringLiteral("/wallwright.svg"));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(svgText().toUtf8()) < 0) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(svg.fileName()));
        std::exit(1);
    }
}

}  // namespace art
