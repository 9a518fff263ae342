#pragma once

class QSize;
class QWidget;

// Sizes `window` to `wanted` (no larger than the screen holds) and puts it
// beside `table`, on the side with more room, when it fits there at its
// `natural` width; otherwise over the right of the table, on the screen.
void placeBesideTable(QWidget& window, const QWidget& table, QSize natural, QSize wanted);

// Moves and if need be shrinks `window` so that it lies wholly on the screen
// of `table`, frame and all.
void keepOnScreen(QWidget& window, const QWidget& table);
