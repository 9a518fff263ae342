#include "ui/qt/ChipMarker.h"

#include <QPainter>

#include "ui/MainWindowControls.h"

namespace {
QColor toQColor(Rgb c) { return {c.red, c.green, c.blue}; }
constexpr qreal kCornerRadius = 4;
} // namespace

ChipMarker::ChipMarker(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ChipMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = overlay::markerBorderPixels / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(overlay::markerFill));
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
    painter.setBrush(QBrush(toQColor(overlay::markerHatch), Qt::BDiagPattern));
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toQColor(overlay::markerBorder), overlay::markerBorderPixels));
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
}
