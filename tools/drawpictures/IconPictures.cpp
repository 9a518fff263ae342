#include "Pictures.h"

#include <QPainter>

#include "PictureColours.h"
#include "PictureSizes.h"
#include "WheelDrawing.h"

QImage drawMainIcon() {
    QImage image(picturesizes::icon, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawWheelFromAbove(painter, QPointF(16.0, 16.0), 15.8);
    return image;
}
