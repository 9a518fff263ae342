#pragma once

class QLabel;
class QWidget;

// A hidden red label for a field's problem. It wraps within the width the
// fields already have, so a long message never widens the window.
QLabel* makeProblemLabel(QWidget& parent, const char* objectName);

// A hidden label that says the figures beside it were computed from inputs
// that have changed since.
QLabel* makeStaleMark(QWidget& parent, const char* objectName);
