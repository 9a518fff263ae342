#pragma once

#include <QWidget>

#include <array>

#include "ui/StatsWindowControls.h"

class QLabel;

// The 400 history entries of the statistics window as one control for the
// keyboard. It lies over the grid and lets the mouse through to the entries.
// While it has focus, a mark stands on one entry: the arrow keys move it
// along the grid, Home and End go to the first and the last entry, and each
// move is told to assistive tools as a focus change on the entry, whose
// description says how often its number has come up.
class StatsGridFocus : public QWidget {
public:
    StatsGridFocus(const std::array<QLabel*, kStatsCellCount>& cells, QWidget* parent);

    int focusedCell() const { return cell_; }
    void setFocusedCell(int cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect markRect(int cell) const;
    void announceFocus();

    const std::array<QLabel*, kStatsCellCount>& cells_;
    int cell_ = 0;
};
