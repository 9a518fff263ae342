#include "Pictures.h"

#include <QPainter>

#include "PictureColours.h"
#include "PictureSizes.h"

namespace {
// The chip lies flat, seen a little from above: a round face over a band of
// edge. The face's middle is where the window writes the betting unit.
constexpr QPointF kFaceCentre{25.0, 24.0};
constexpr double kFaceRadiusX = 23.0;
constexpr double kFaceRadiusY = 22.0;
constexpr double kThickness = 5.0;
constexpr int kEdgeMarks = 6;
constexpr double kMarkSpan = 22.0;  // degrees of rim each mark covers
constexpr double kMarkDepth = 0.30; // of the face, measured in from the rim
constexpr double kInlay = 0.62;
constexpr double kFullCircle = 360.0;

QRectF face(QPointF centre, double scale) {
    return {centre.x() - kFaceRadiusX * scale, centre.y() - kFaceRadiusY * scale, 2 * kFaceRadiusX * scale,
            2 * kFaceRadiusY * scale};
}

void drawMarks(QPainter& painter, QPointF centre) {
    const double step = kFullCircle / kEdgeMarks;
    for (int i = 0; i < kEdgeMarks; ++i)
        painter.drawPie(face(centre, 1.0), static_cast<int>((step * i - kMarkSpan / 2) * 16),
                        static_cast<int>(kMarkSpan * 16));
}
} // namespace

QImage drawChipPicture() {
    QImage image(picturesizes::chip, QImage::Format_RGB32);
    image.fill(toQColor(picturecolours::background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    // The edge: the lower face, the band joining it to the upper one, and the
    // light-blue marks where they show on the side.
    const QPointF lowerCentre = kFaceCentre + QPointF(0, kThickness);
    painter.setBrush(toQColor(picturecolours::chipEdge));
    painter.drawEllipse(face(lowerCentre, 1.0));
    painter.drawRect(QRectF(kFaceCentre.x() - kFaceRadiusX, kFaceCentre.y(), 2 * kFaceRadiusX, kThickness));
    painter.setBrush(toQColor(picturecolours::chipMarks));
    drawMarks(painter, lowerCentre);

    painter.setBrush(toQColor(picturecolours::chipBlue));
    painter.drawEllipse(face(kFaceCentre, 1.0));
    painter.setBrush(toQColor(picturecolours::chipMarks));
    drawMarks(painter, kFaceCentre);
    painter.setBrush(toQColor(picturecolours::chipBlue));
    painter.drawEllipse(face(kFaceCentre, 1.0 - kMarkDepth));

    // A dashed ring and a pale inlay, so that the black betting unit reads.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toQColor(picturecolours::chipMarks), 1.0, Qt::DashLine));
    painter.drawEllipse(face(kFaceCentre, kInlay + 0.06));
    painter.setPen(QPen(toQColor(picturecolours::chipEdge), 1.0));
    painter.setBrush(toQColor(picturecolours::chipInlay));
    painter.drawEllipse(face(kFaceCentre, kInlay));
    return image;
}
