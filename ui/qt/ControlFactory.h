#pragma once

#include <optional>

#include "ui/ControlStyle.h"

class QWidget;
class QLabel;

// Builds the widget of one design row as a child of parent, at its place,
// with its caption, font, look and tooltip, and names it after the row.
// Rows are built in stacking order: each new widget lies above the earlier.
QWidget* createControl(const ControlRow& row, QWidget* parent);

// Gives a label one of the design looks; a text colour left empty keeps the
// desktop's window text.
void applyLabelStyle(QLabel* label, LabelStyle style, std::optional<Rgb> textColour, std::optional<Rgb> backColour);
