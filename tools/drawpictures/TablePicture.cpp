#include "Pictures.h"

#include <QPainter>

#include "PictureColours.h"
#include "PictureSizes.h"
#include "TableDrawing.h"
#include "ui/LayoutGeometry.h"

QImage drawTablePicture(Wheel wheel) {
    QImage image(picturesizes::table, QImage::Format_RGB32);
    image.fill(toQColor(picturecolours::background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const QRect table = linedRect(kTableArea).adjusted(0, 0, -1, -1);
    painter.fillRect(table, toQColor(picturecolours::felt));
    // A darker rim gives the felt an edge against the background.
    painter.setPen(QPen(toQColor(picturecolours::feltShadow), 0));
    painter.drawRect(table.adjusted(0, 0, -1, -1));

    drawZeroArea(painter, wheel == Wheel::American);
    drawNumberGrid(painter);
    drawOutsideBoxes(painter);
    return image;
}
