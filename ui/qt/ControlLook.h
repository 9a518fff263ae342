#pragma once

#include <QRect>
#include <QString>

#include <string_view>

#include "ui/Rgb.h"
#include "ui/Twips.h"

class QWidget;

// Small conversions the window builders and the screen share.

QRect toQRect(TwipRect rect);
QString toQString(std::string_view text);

// Text and background colours of a label. They go into the active and
// inactive palette groups only, so a disabled label still draws greyed text.
// Both return at once when the colour is already set: they sit on the path
// of every spin.
void setWidgetTextColour(QWidget* widget, Rgb colour);
void setWidgetBackColour(QWidget* widget, Rgb colour);
