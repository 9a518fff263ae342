#include "TableDrawing.h"

#include <QFontMetricsF>

#include "PictureColours.h"
#include "game/Pocket.h"

namespace {
// The layout is printed in a heavy serif; fall back to whatever serif the
// desktop has.
constexpr const char* kLayoutFamily = "Liberation Serif";
constexpr QSizeF kOvalRim{1.0, 1.0};
} // namespace

QFont tableFont(int pixelSize) {
    QFont font(kLayoutFamily);
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

void drawCentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, double degrees) {
    painter.save();
    painter.setFont(font);
    painter.translate(centre);
    painter.rotate(degrees);
    const QFontMetricsF metrics(font);
    // Centre on the ink of the digits and letters, not on the line box, so
    // that text sits in the middle of its oval or box.
    const QRectF ink = metrics.tightBoundingRect(text);
    painter.drawText(QPointF(-ink.center().x(), -ink.center().y()), text);
    painter.restore();
}

void drawPocketOval(QPainter& painter, QPointF centre, QSizeF size, int pocket) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF oval(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
    // A zero's oval is felt-green; a thin yellow rim keeps it visible.
    if (isZero(pocket))
        painter.setPen(QPen(toQColor(picturecolours::numberText), kOvalRim.width()));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(pocketColour(pocket)));
    painter.drawEllipse(
        oval.adjusted(kOvalRim.width() / 2, kOvalRim.height() / 2, -kOvalRim.width() / 2, -kOvalRim.height() / 2));
    painter.setPen(toQColor(picturecolours::numberText));
    const int textPixels = static_cast<int>(size.height() * 0.72);
    drawCentredText(painter, centre,
                    QString::fromLatin1(pocketText(pocket).data(), static_cast<qsizetype>(pocketText(pocket).size())),
                    tableFont(textPixels));
    painter.restore();
}
