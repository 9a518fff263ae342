#include "ui/qt/FocusMark.h"

#include <QPainter>

namespace {
constexpr int kPen = 2;
constexpr qreal kDash = 2;
} // namespace

void drawFocusMark(QPainter& painter, const QRect& around) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, kPen));
    painter.drawRect(around);
    QPen dashes(Qt::black, kPen, Qt::CustomDashLine);
    dashes.setDashPattern({kDash, kDash});
    painter.setPen(dashes);
    painter.drawRect(around);
    painter.restore();
}
