#pragma once

#include <Qt>

class QGridLayout;
class QLabel;
class QString;
class QWidget;

// The property of a value label that holds its caption, for copying the
// figures as text.
inline constexpr const char* kFigureCaptionProperty = "quelta.caption";

// Puts "caption:" at (row, column) of `grid` and beside it a blank value label
// named `objectName` that the player can select and copy; returns the value
// label, which the analysis panels fill in later.
QLabel* addFigureRow(QGridLayout& grid, QWidget& parent, const char* objectName, const QString& caption, int row,
                     int column = 0, Qt::Alignment alignment = {});

// Every figure in `window` that shows something, one "caption: value" line
// each, in the order the figures were made.
QString figuresText(const QWidget& window);
