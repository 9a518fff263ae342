#pragma once

#include <QWidget>

#include <functional>

// The transparent, captionless label over one bet spot. It only reports the
// button of a mouse-up to its owner: 1 left, 2 right, 4 middle.
class SpotLabel : public QWidget {
public:
    using MouseUp = std::function<void(int displaySlot, int button)>;

    SpotLabel(int displaySlot, MouseUp onMouseUp, QWidget* parent);

    int displaySlot() const { return displaySlot_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int displaySlot_;
    MouseUp onMouseUp_;
};
