#pragma once

class QWidget;

// Places a top-level window centred on the primary screen by the design's
// rule: (screen - window) div 2 in twips, so a window larger than the screen
// starts off its top-left edge. The frame counts only once the platform has
// given the window one, so a window centred before it is shown is centred
// again when it first appears.
void centreOnScreen(QWidget* window);
