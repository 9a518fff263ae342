#pragma once

class QPainter;
class QRect;

// The keyboard's focus mark around a rectangle: black dashes on a white
// line, so that one of the two shows on any colour below, red, black and
// green pockets alike.
void drawFocusMark(QPainter& painter, const QRect& around);
