#include "ui/qt/SpotLabel.h"

#include <QMouseEvent>

namespace {
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
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
    const int code = buttonCode(event->button());
    if (code != 0 && onMouseUp_)
        onMouseUp_(displaySlot_, code);
}
