#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include "ui/Rgb.h"
#include "ui/Twips.h"

// Reading the pictures back, pixel by pixel.

inline bool isColour(QRgb pixel, Rgb rgb) {
    return qRed(pixel) == rgb.red && qGreen(pixel) == rgb.green && qBlue(pixel) == rgb.blue;
}

// The pixels a rectangle of the overlay covers on the picture.
inline QRect pixelsOf(TwipRect r) {
    const PixelRect p = toPixels(r);
    return {p.x, p.y, p.width, p.height};
}

// The pixel under the centre of a rectangle of the overlay.
inline QPoint centrePixelOf(TwipRect r) {
    return {(2 * r.left + r.width) / (2 * kTwipsPerPixel), (2 * r.top + r.height) / (2 * kTwipsPerPixel)};
}

template <typename Predicate>
int countPixels(const QImage& image, QRect area, Predicate predicate) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (predicate(image.pixel(x, y)))
                ++count;
    return count;
}

// Yellow lettering, allowing for the smoothing of its edges.
inline bool looksYellow(QRgb pixel) { return qRed(pixel) > 160 && qGreen(pixel) > 160 && qBlue(pixel) < 100; }
