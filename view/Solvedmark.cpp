#include "Solvedmark.h"

#include <cmath>

#include <QPainter>
#include <QPolygonF>

#include "Layout.h"

namespace {
const QColor kGold(255, 200, 0);
const QColor kShadow(0, 0, 0, 160); // keeps the star readable on a pale picture
constexpr double kOuterRadius = kCaptionHeight * 0.36;
constexpr double kInnerRadius = kOuterRadius * 0.45;
constexpr double kPenWidth = 1.5;
} // namespace

void drawSolvedMark(QPainter& painter, QPointF centre, Solved solved)
{
    if (solved == Solved::No)
        return;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? kOuterRadius : kInnerRadius;
        star << QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kShadow, kPenWidth));
    painter.setBrush(solved == Solved::Alone ? kGold : Qt::transparent);
    painter.drawPolygon(star.translated(1, 1));
    painter.setPen(QPen(kGold, kPenWidth));
    painter.drawPolygon(star);
    painter.restore();
}
