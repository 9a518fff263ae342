#include "ui/qt/LayoutFocus.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <optional>

#include "ui/LayoutGeometry.h"
#include "ui/LayoutNavigation.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FocusMark.h"
#include "ui/qt/SpotLabel.h"

namespace {
constexpr int kMarkOutset = 2;

std::optional<LayoutKey> arrow(int key) {
    switch (key) {
    case Qt::Key_Left: return LayoutKey::Left;
    case Qt::Key_Right: return LayoutKey::Right;
    case Qt::Key_Up: return LayoutKey::Up;
    case Qt::Key_Down: return LayoutKey::Down;
    default: return std::nullopt;
    }
}
} // namespace

LayoutFocus::LayoutFocus(WheelNow wheel, SpotAt spot, QWidget* parent)
    : QWidget(parent), wheel_(std::move(wheel)), spot_(std::move(spot)), slot_(layoutHome(wheel_())) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Betting layout"));
    setAccessibleDescription(tr("Arrow keys move between spots, Shift with an arrow moves half a step, Space adds a "
                                "chip, Delete removes the stake, Home goes to 0"));
}

QRect LayoutFocus::markRect(int displaySlot) const {
    return toQRect(spotGeometry(displaySlot).spot)
        .translated(-pos())
        .adjusted(-kMarkOutset, -kMarkOutset, kMarkOutset, kMarkOutset);
}

void LayoutFocus::setFocusedSlot(int displaySlot) {
    const int target = layoutSpotOn(displaySlot, wheel_());
    if (target == slot_)
        return;
    showMark(false);
    update(markRect(slot_));
    slot_ = target;
    showMark(hasFocus());
    update(markRect(slot_));
    announceFocus();
}

void LayoutFocus::wheelChanged() { setFocusedSlot(slot_); }

void LayoutFocus::showMark(bool on) {
    if (SpotLabel* spot = spot_(slot_))
        spot->setFocusMark(on);
}

void LayoutFocus::announceFocus() {
    SpotLabel* spot = spot_(slot_);
    if (!hasFocus() || spot == nullptr)
        return;
    QAccessibleEvent event(spot, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void LayoutFocus::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (const std::optional<LayoutKey> move = arrow(key)) {
        const LayoutStep step = event->modifiers() & Qt::ShiftModifier ? LayoutStep::Half : LayoutStep::Whole;
        setFocusedSlot(layoutMove(slot_, *move, step, wheel_()));
    } else if (key == Qt::Key_Home) {
        setFocusedSlot(layoutHome(wheel_()));
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (SpotLabel* spot = spot_(slot_))
            spot->release(SpotLabel::kLeftButton);
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        if (SpotLabel* spot = spot_(slot_))
            spot->release(SpotLabel::kRightButton);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LayoutFocus::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusMark(painter, markRect(slot_));
}

void LayoutFocus::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    slot_ = layoutSpotOn(slot_, wheel_());
    showMark(true);
    update();
    announceFocus();
}

void LayoutFocus::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    showMark(false);
    update();
}
