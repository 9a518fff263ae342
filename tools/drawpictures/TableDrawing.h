#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "ui/Twips.h"

// Helpers shared by the parts of the table picture. The table is laid out in
// twips, like the overlay; these turn twips into the picture's pixels.

// A printed line at a whole pixel, where the overlay's rounding puts it.
inline int linePixel(int twips) { return twipsToPixels(twips); }

inline QRectF pixelRect(TwipRect r) {
    const double scale = kTwipsPerPixel;
    return {r.left / scale, r.top / scale, r.width / scale, r.height / scale};
}

inline QPointF pixelCentre(TwipRect r) { return pixelRect(r).center(); }

// The rectangle of whole pixels whose edges are the printed lines of r.
inline QRect linedRect(TwipRect r) {
    return QRect(QPoint(linePixel(r.left), linePixel(r.top)), QPoint(linePixel(r.right()), linePixel(r.bottom())));
}

// The lettering of the layout, in pixels.
QFont tableFont(int pixelSize);

// Draws text centred on a point, turned by the given angle in degrees.
void drawCentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, double degrees = 0.0);

// The parts of the table, each drawn over the felt.
void drawNumberGrid(QPainter& painter);
void drawOutsideBoxes(QPainter& painter);
void drawZeroArea(QPainter& painter, bool american);
// A coloured oval with a number on it, as the layout prints every pocket.
void drawPocketOval(QPainter& painter, QPointF centre, QSizeF size, int pocket);
