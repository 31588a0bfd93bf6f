#include "view/Solvedmark.h"

#include <cmath>

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>

#include "view/Layout.h"

namespace {
const QColor kStarColour(255, 200, 0);
constexpr double kOuterRadius = kCaptionHeight * 0.36;
constexpr double kInnerRadius = kOuterRadius * 0.45;
constexpr double kStarLineWidth = 2;
// A dark rim reaches this far beyond the caption's and the star's ink.
const QColor kRimColour(24, 16, 8);
constexpr double kRimWidth = 2.5;
} // namespace

QString minutesAndSeconds(std::uint32_t milliseconds)
{
    const std::uint32_t seconds = milliseconds / 1000;
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

QString bestText(const BestSolve& best)
{
    if (best.milliseconds == 0 || best.moves == 0)
        return {};
    return QCoreApplication::translate("SolvedMark", "Best: %1, %n moves", nullptr, int(best.moves))
        .arg(minutesAndSeconds(best.milliseconds));
}

QPen rimPen(double inkWidth)
{
    return QPen(kRimColour, inkWidth + 2 * kRimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

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
    painter.setPen(rimPen(kStarLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(star);
    painter.setPen(QPen(kStarColour, kStarLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(solved == Solved::Alone ? QBrush(kStarColour) : Qt::NoBrush);
    painter.drawPolygon(star);
    painter.restore();
}
