#pragma once

#include <QWidget>

#include <functional>

// The transparent, captionless label over one bet spot. It only reports the
// button of a mouse-up to its owner: 1 left, 2 right, 4 middle. The keyboard
// and assistive tools press it through the same report.
class SpotLabel : public QWidget {
public:
    using MouseUp = std::function<void(int displaySlot, int button)>;
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;

    SpotLabel(int displaySlot, MouseUp onMouseUp, QWidget* parent);

    int displaySlot() const { return displaySlot_; }

    // Does what releasing that mouse button over the spot does.
    void release(int button);

    // The chips shown on the spot, for assistive tools.
    int chips() const { return chips_; }
    void setChips(int chips) { chips_ = chips; }

    // Whether the keyboard's focus mark is on this spot while the layout has focus.
    bool hasFocusMark() const { return focusMark_; }
    void setFocusMark(bool on) { focusMark_ = on; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int displaySlot_;
    MouseUp onMouseUp_;
    int chips_ = 0;
    bool focusMark_ = false;
};
