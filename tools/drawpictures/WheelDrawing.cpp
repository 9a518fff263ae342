#include "WheelDrawing.h"

#include <cmath>
#include <numbers>
#include <vector>

#include <QPainterPath>
#include <QRadialGradient>

#include "PictureColours.h"
#include "game/WheelSweep.h"

namespace {
// Rings of the wheel as fractions of its radius, from the rim inwards.
constexpr double kBallTrack = 0.90;
constexpr double kPocketsOuter = 0.78;
constexpr double kPocketsInner = 0.56;
constexpr double kCone = 0.52;
constexpr double kTurret = 0.12;
constexpr double kFullCircle = 360.0;
// Below this radius the frets between pockets would only smudge them.
constexpr double kFretMinRadius = 20.0;

std::vector<int> wheelPockets() {
    std::vector<int> pockets;
    for (PocketCode code : kWheelSweep)
        if (code != kDoubleZero)
            pockets.push_back(code);
    return pockets;
}

QRectF circle(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

void drawRing(QPainter& painter, QPointF centre, double radius, const QBrush& brush) {
    painter.setBrush(brush);
    painter.drawEllipse(circle(centre, radius));
}
} // namespace

QPointF ballPosition(QPointF centre, double radius, double degrees) {
    const double track = radius * (kPocketsOuter + kBallTrack) / 2;
    const double angle = degrees * std::numbers::pi / (kFullCircle / 2);
    return centre + QPointF(track * std::cos(angle), -track * std::sin(angle));
}

void drawWheelFromAbove(QPainter& painter, QPointF centre, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    QRadialGradient rim(centre, radius);
    rim.setColorAt(0.80, toQColor(picturecolours::darkWood));
    rim.setColorAt(0.93, toQColor(picturecolours::lightWood));
    rim.setColorAt(1.00, toQColor(picturecolours::darkWood));
    drawRing(painter, centre, radius, rim);
    drawRing(painter, centre, radius * kBallTrack, toQColor(picturecolours::wood));

    const std::vector<int> pockets = wheelPockets();
    const double step = kFullCircle / static_cast<double>(pockets.size());
    const QRectF outer = circle(centre, radius * kPocketsOuter);
    for (std::size_t i = 0; i < pockets.size(); ++i) {
        // Zero at the top, the rest clockwise in wheel order.
        const double start = kFullCircle / 4 - step / 2 - step * static_cast<double>(i);
        QPainterPath wedge(centre);
        wedge.arcTo(outer, start, step);
        wedge.closeSubpath();
        painter.setBrush(toQColor(pocketColour(pockets[i])));
        painter.drawPath(wedge);
    }
    if (radius >= kFretMinRadius) {
        painter.setPen(QPen(toQColor(picturecolours::metal), radius / 90.0));
        const double angleStep = 2 * std::numbers::pi / static_cast<double>(pockets.size());
        for (std::size_t i = 0; i < pockets.size(); ++i) {
            const double angle = std::numbers::pi / 2 + angleStep / 2 + angleStep * static_cast<double>(i);
            const QPointF direction(std::cos(angle), -std::sin(angle));
            painter.drawLine(centre + direction * radius * kPocketsInner, centre + direction * radius * kPocketsOuter);
        }
        painter.setPen(Qt::NoPen);
    }

    QRadialGradient cone(centre, radius * kCone);
    cone.setColorAt(0.0, toQColor(picturecolours::lightWood));
    cone.setColorAt(1.0, toQColor(picturecolours::wood));
    drawRing(painter, centre, radius * kPocketsInner, toQColor(picturecolours::metal));
    drawRing(painter, centre, radius * kCone, cone);

    // The turret: a hub with four arms.
    painter.setPen(QPen(toQColor(picturecolours::metal), std::max(1.0, radius * 0.05), Qt::SolidLine, Qt::RoundCap));
    const double arm = radius * kCone * 0.75;
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    painter.setPen(QPen(toQColor(picturecolours::darkMetal), std::max(0.5, radius * 0.015)));
    drawRing(painter, centre, radius * kTurret, toQColor(picturecolours::metal));
    painter.restore();
}
