#include "TableDrawing.h"

#include <QPainterPath>

#include "PictureColours.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/TableGrid.h"

using namespace tablegrid;

namespace {
// The sides of the zero area rise this far above the grid before the roof
// (American) or the arch (European) closes it at kZeroAreaTop.
constexpr int kEavesTop = kZeroAreaTop + 195;
constexpr QSizeF kSingleZeroOval{28.0, 22.0};
constexpr QSizeF kDoubleZeroOval{28.0, 17.0};

// The roof or arch from eaves to eaves. Pixel centres lie half a pixel in,
// so a smoothed line there keeps its full colour along the middle.
QPainterPath zeroAreaTop(bool american) {
    constexpr double centreOfPixel = 0.5;
    const double left = linePixel(kGridLeft) + centreOfPixel;
    const double right = linePixel(kGridRight) + centreOfPixel;
    const double eaves = linePixel(kEavesTop) + centreOfPixel;
    const double middle = linePixel(kZeroAreaMiddle) + centreOfPixel;
    const double top = linePixel(kZeroAreaTop) + centreOfPixel;
    QPainterPath path(QPointF(left, eaves));
    if (american) {
        path.lineTo(middle, top);
        path.lineTo(right, eaves);
    } else {
        // A quadratic arch peaks halfway between its ends and its control
        // point; put the control point so that the peak is the roof's top.
        path.quadTo(QPointF(middle, 2 * top - eaves), QPointF(right, eaves));
    }
    return path;
}
} // namespace

void drawZeroArea(QPainter& painter, bool american) {
    if (american) {
        drawPocketOval(painter, pixelCentre(spotGeometry(slot::lblZeroA).spot), kDoubleZeroOval, 0);
        drawPocketOval(painter, pixelCentre(spotGeometry(slot::lblDoubleZero).spot), kDoubleZeroOval, kDoubleZero);
    } else {
        drawPocketOval(painter, pixelCentre(spotGeometry(slot::lblZeroE).spot), kSingleZeroOval, 0);
    }

    painter.save();
    painter.setPen(QPen(toQColor(picturecolours::line), 0));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawLine(linePixel(kGridLeft), linePixel(kEavesTop), linePixel(kGridLeft), linePixel(kGridTop));
    painter.drawLine(linePixel(kGridRight), linePixel(kEavesTop), linePixel(kGridRight), linePixel(kGridTop));
    if (american) {
        // 0 and 00 share the roof; the line between them runs up to its peak.
        const int middle = linePixel(kZeroAreaMiddle);
        painter.drawLine(middle, linePixel(kZeroAreaTop), middle, linePixel(kGridTop));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(toQColor(picturecolours::line), 1.0));
    painter.drawPath(zeroAreaTop(american));
    painter.restore();
}
