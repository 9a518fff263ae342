#include "ui/qt/BesideTable.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int kGapBesideTable = 8;

QMargins frameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame the window system draws, as the table has it, until the window
// has one of its own.
QMargins frameOf(const QWidget& window, const QWidget& table) {
    return window.isVisible() ? frameMargins(window) : frameMargins(table);
}

QRect roomOf(const QWidget& table) {
    const QScreen* screen = table.screen() != nullptr ? table.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QSize mostInside(const QRect& room, const QMargins& frame) {
    return {room.width() - frame.left() - frame.right(), room.height() - frame.top() - frame.bottom()};
}
} // namespace

void placeBesideTable(QWidget& window, const QWidget& table, QSize natural, QSize wanted) {
    const QRect room = roomOf(table);
    if (room.isNull())
        return;
    const QMargins frame = frameOf(window, table);
    wanted = wanted.boundedTo(mostInside(room, frame));
    const QRect beside = table.frameGeometry();
    const int sides = frame.left() + frame.right() + kGapBesideTable;
    const int right = room.right() - beside.right() - sides;
    const int left = beside.left() - room.left() - sides;
    const int side = std::max(right, left);
    const bool fits = side >= natural.width();
    window.resize(QSize(fits ? std::min(wanted.width(), side) : wanted.width(), wanted.height())
                      .expandedTo(window.minimumSize()));
    const int outerWidth = window.width() + frame.left() + frame.right();
    if (fits && right >= left)
        window.move(beside.right() + kGapBesideTable, beside.top());
    else if (fits)
        window.move(beside.left() - kGapBesideTable - outerWidth, beside.top());
    else
        window.move(room.right() + 1 - outerWidth, beside.top());
}

void keepOnScreen(QWidget& window, const QWidget& table) {
    const QRect room = roomOf(table);
    if (room.isNull())
        return;
    const QMargins frame = frameOf(window, table);
    const QSize most = mostInside(room, frame);
    if (window.width() > most.width() || window.height() > most.height())
        window.resize(window.size().boundedTo(most));
    const int outerWidth = window.width() + frame.left() + frame.right();
    const int outerHeight = window.height() + frame.top() + frame.bottom();
    const QPoint at(std::clamp(window.x(), room.left(), std::max(room.left(), room.right() + 1 - outerWidth)),
                    std::clamp(window.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outerHeight)));
    if (at != window.pos())
        window.move(at);
}
