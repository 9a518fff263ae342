#pragma once

#include <QFont>

struct FontDesign;

// Maps the design fonts onto installed metric-compatible ones. Call once,
// after the application object exists and before any window is built.
void installFontSubstitutions();

// The font of a design row, in points as designed.
QFont designFont(const FontDesign& design);
