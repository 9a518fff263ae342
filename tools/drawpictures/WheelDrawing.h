#pragma once

#include <QPainter>
#include <QPointF>

// A single-zero wheel seen from straight above, filling a circle of the given
// radius. Drawn through the painter's transform, a squashed transform turns
// it into the wheel seen at an angle.
void drawWheelFromAbove(QPainter& painter, QPointF centre, double radius);

// The ball, resting in the pocket track at the given angle (degrees,
// counter-clockwise from three o'clock), in the same frame as the wheel.
QPointF ballPosition(QPointF centre, double radius, double degrees);
