#include "TableDrawing.h"

#include <array>

#include <QPolygonF>

#include "PictureColours.h"
#include "ui/TableGrid.h"

using namespace tablegrid;

namespace {

enum class Mark : std::uint8_t { Text, RedDiamond, BlackDiamond };

// What each outside box shows, in the order of tablegrid::outsideBox. Along
// the narrow columns the lettering runs upright, reading from the bottom.
struct OutsideMark {
    Mark mark;
    const char* text;
    int pixelSize;
    double degrees;
};
constexpr double kUpright = -90.0;
constexpr int kEvenMoneyPixels = 13;
constexpr int kDozenPixels = 15;
constexpr int kColumnPixels = 12;
constexpr std::array<OutsideMark, kOutsideBoxCount> kMarks = {{
    {Mark::Text, "1-18", kEvenMoneyPixels, kUpright},
    {Mark::Text, "Even", kEvenMoneyPixels, kUpright},
    {Mark::RedDiamond, "", 0, 0.0},
    {Mark::BlackDiamond, "", 0, 0.0},
    {Mark::Text, "Odd", kEvenMoneyPixels, kUpright},
    {Mark::Text, "19-36", kEvenMoneyPixels, kUpright},
    {Mark::Text, "1st 12", kDozenPixels, kUpright},
    {Mark::Text, "2nd 12", kDozenPixels, kUpright},
    {Mark::Text, "3rd 12", kDozenPixels, kUpright},
    {Mark::Text, "2 To 1", kColumnPixels, 0.0},
    {Mark::Text, "2 To 1", kColumnPixels, 0.0},
    {Mark::Text, "2 To 1", kColumnPixels, 0.0},
}};

// The diamond stands upright in its box, a few pixels clear of the lines.
constexpr double kDiamondHalfWidth = 10.0;
constexpr double kDiamondHalfHeight = 19.0;

void drawDiamond(QPainter& painter, QPointF centre, Rgb fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(toQColor(picturecolours::printedText), 1.0));
    painter.setBrush(toQColor(fill));
    const QPolygonF diamond({centre + QPointF(0, -kDiamondHalfHeight), centre + QPointF(kDiamondHalfWidth, 0),
                             centre + QPointF(0, kDiamondHalfHeight), centre + QPointF(-kDiamondHalfWidth, 0)});
    painter.drawPolygon(diamond);
    painter.restore();
}

void outlineBox(QPainter& painter, TwipRect box) {
    const QRect r = linedRect(box);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.drawLine(r.bottomRight(), r.bottomLeft());
    painter.drawLine(r.bottomLeft(), r.topLeft());
}

} // namespace

void drawOutsideBoxes(QPainter& painter) {
    for (int i = 0; i < kOutsideBoxCount; ++i) {
        const OutsideMark& mark = kMarks[static_cast<std::size_t>(i)];
        const QPointF centre = QRectF(linedRect(outsideBox(i))).center();
        switch (mark.mark) {
        case Mark::RedDiamond: drawDiamond(painter, centre, colours::red); break;
        case Mark::BlackDiamond: drawDiamond(painter, centre, colours::black); break;
        case Mark::Text:
            painter.setPen(toQColor(picturecolours::printedText));
            drawCentredText(painter, centre, QString::fromLatin1(mark.text), tableFont(mark.pixelSize), mark.degrees);
            break;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(picturecolours::line), 0));
    for (int i = 0; i < kOutsideBoxCount; ++i)
        outlineBox(painter, outsideBox(i));
    painter.restore();
}
