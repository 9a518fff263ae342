#include "Pictures.h"

#include <QPainter>

#include "PictureColours.h"
#include "PictureSizes.h"
#include "WheelDrawing.h"

QImage drawAboutPicture() {
    QImage image(picturesizes::about, QImage::Format_RGB32);
    image.fill(toQColor(picturecolours::felt));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // A wheel from above over the felt, with a short stack of chips in front.
    constexpr QPointF wheelCentre{42.0, 40.0};
    constexpr double wheelRadius = 37.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(picturecolours::feltShadow));
    painter.drawEllipse(wheelCentre + QPointF(2.0, 3.0), wheelRadius, wheelRadius);
    drawWheelFromAbove(painter, wheelCentre, wheelRadius);
    painter.setBrush(toQColor(picturecolours::ball));
    painter.setPen(QPen(toQColor(picturecolours::darkMetal), 0.5));
    painter.drawEllipse(ballPosition(wheelCentre, wheelRadius, 35.0), 2.2, 2.2);

    constexpr int chips = 4;
    constexpr double chipThickness = 3.0;
    const QRectF chip(24.0, 92.0, 36.0, 12.0);
    for (int i = 0; i < chips; ++i) {
        const QRectF level = chip.translated(0, -chipThickness * i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(picturecolours::chipEdge));
        painter.drawEllipse(level.translated(0, chipThickness));
        painter.drawRect(QRectF(level.left(), level.center().y(), level.width(), chipThickness));
        painter.setBrush(toQColor(picturecolours::chipBlue));
        painter.setPen(QPen(toQColor(picturecolours::chipMarks), 1.0, Qt::DashLine));
        painter.drawEllipse(level);
    }
    painter.setPen(QPen(toQColor(picturecolours::chipMarks), 1.0));
    painter.setBrush(toQColor(picturecolours::chipInlay));
    painter.drawEllipse(chip.translated(0, -chipThickness * (chips - 1)).adjusted(10, 3, -10, -3));
    return image;
}
