#include "ui/qt/SpotLabel.h"

#include <QMouseEvent>

namespace {
int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return SpotLabel::kLeftButton;
    case Qt::RightButton: return SpotLabel::kRightButton;
    case Qt::MiddleButton: return SpotLabel::kMiddleButton;
    default: return 0;
    }
}
} // namespace

SpotLabel::SpotLabel(int displaySlot, MouseUp onMouseUp, QWidget* parent)
    : QWidget(parent), displaySlot_(displaySlot), onMouseUp_(std::move(onMouseUp)) {}

// Accepting the press keeps the release with this spot rather than the table.
void SpotLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void SpotLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (const int code = buttonCode(event->button()); code != 0)
        release(code);
}

void SpotLabel::release(int button) {
    if (onMouseUp_)
        onMouseUp_(displaySlot_, button);
}
