#pragma once

#include <QColor>

#include "ui/Rgb.h"

// The colours the pictures are painted with. The table's background, felt
// and lines are fixed by the window that shows them; the rest only has to
// look like a real table, chip and wheel.
namespace picturecolours {
inline constexpr Rgb background{173, 201, 167};
inline constexpr Rgb felt{0, 128, 0};
// Pure white is kept for the printed lines alone, so that a line can be told
// from everything else on the table.
inline constexpr Rgb line{255, 255, 255};
inline constexpr Rgb feltShadow{0, 96, 0};
inline constexpr Rgb numberText{255, 255, 0};
inline constexpr Rgb printedText{250, 250, 222};
inline constexpr Rgb chipBlue{28, 64, 196};
inline constexpr Rgb chipEdge{14, 34, 120};
inline constexpr Rgb chipMarks{150, 196, 255};
inline constexpr Rgb chipInlay{214, 228, 255};
inline constexpr Rgb wood{122, 66, 24};
inline constexpr Rgb darkWood{72, 36, 12};
inline constexpr Rgb lightWood{176, 112, 52};
inline constexpr Rgb metal{228, 204, 120};
inline constexpr Rgb darkMetal{150, 120, 50};
inline constexpr Rgb ball{248, 248, 240};
} // namespace picturecolours

inline QColor toQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
