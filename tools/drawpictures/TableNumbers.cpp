#include "TableDrawing.h"

#include "PictureColours.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/TableGrid.h"

using namespace tablegrid;

namespace {
// An oval fills most of its cell and leaves the felt showing round it.
constexpr QSizeF kNumberOval{36.0, 19.0};
} // namespace

void drawNumberGrid(QPainter& painter) {
    // Each number is printed where its straight-up spot lies, so a click on
    // the oval always lands on the spot. The zeros belong to the zero area.
    for (const BetSpot& spot : betSpots()) {
        if (spot.isOutside() || spot.kindOn(Wheel::European) != BetKind::Straight)
            continue;
        const PocketSet covered = spot.coversOn(Wheel::European);
        for (int number = 1; number <= 36; ++number)
            if (covered.contains(number))
                drawPocketOval(painter, pixelCentre(spotGeometry(spot.slot).spot), kNumberOval, number);
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(picturecolours::line), 0));
    for (int row = 0; row <= kRows; ++row)
        painter.drawLine(linePixel(kGridLeft), linePixel(rowLine(row)), linePixel(kGridRight), linePixel(rowLine(row)));
    for (int column = 0; column <= kColumns; ++column)
        painter.drawLine(linePixel(columnLine(column)), linePixel(kGridTop), linePixel(columnLine(column)),
                         linePixel(kColumnBetsBottom));
    painter.drawLine(linePixel(kGridLeft), linePixel(kColumnBetsBottom), linePixel(kGridRight),
                     linePixel(kColumnBetsBottom));
    painter.restore();
}
