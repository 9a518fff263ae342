#pragma once

class QWidget;

// Places a top-level window centred on the primary screen by the design's
// rule: (screen - window) div 2 in twips, so a window larger than the screen
// starts off its top-left edge.
void centreOnScreen(QWidget* window);
