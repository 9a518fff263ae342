#pragma once

#include <QWidget>

// shpChip(m): the blue chip drawn under a spot's chip count. It never takes
// the mouse, so a click on it reaches the spot beneath.
class ChipMarker : public QWidget {
public:
    explicit ChipMarker(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
