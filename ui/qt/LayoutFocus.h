#pragma once

#include <QWidget>

#include <functional>

#include "game/Pocket.h"

class SpotLabel;

// The layout as one control for the keyboard. It lies over the table but
// lets every mouse event through to the spots below. While it has focus it
// draws a mark around one spot: the arrow keys (Shift for half a step) move
// the mark, Space or Enter presses the spot as a left click does, Delete or
// Backspace as a right click does, and Home goes to 0. Each move is told to
// assistive tools as a focus change on the spot.
class LayoutFocus : public QWidget {
public:
    using WheelNow = std::function<Wheel()>;
    using SpotAt = std::function<SpotLabel*(int displaySlot)>;

    LayoutFocus(WheelNow wheel, SpotAt spot, QWidget* parent);

    int focusedSlot() const { return slot_; }
    // Puts the mark on a spot that takes chips on the wheel now.
    void setFocusedSlot(int displaySlot);
    // Moves the mark off a spot the wheel no longer has.
    void wheelChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect markRect(int displaySlot) const;
    void showMark(bool on);
    void announceFocus();

    WheelNow wheel_;
    SpotAt spot_;
    int slot_;
};
