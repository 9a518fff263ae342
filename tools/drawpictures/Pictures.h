#pragma once

#include <QImage>

#include "game/Pocket.h"

// Every picture of the program, drawn from the layout geometry, the bet spot
// catalogue and the pocket colours. Each call paints a new image.
QImage drawTablePicture(Wheel wheel);
QImage drawChipPicture();
QImage drawWheelPicture();
QImage drawMainIcon();
QImage drawStatsIcon();
QImage drawAboutPicture();
