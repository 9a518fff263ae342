#include "ui/qt/StatsGridFocus.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "ui/qt/ControlLook.h"
#include "ui/qt/FocusMark.h"

namespace {
constexpr int kMarkOutset = 2;
constexpr int kColumns = kStatsCellCount / kStatsRows;

// The grid's rectangle, with room for the mark around its outer entries.
QRect gridRect() {
    QRect all;
    for (int i : {0, kStatsCellCount - 1})
        all |= toQRect(statsCellRect(i));
    return all.adjusted(-2 * kMarkOutset, -2 * kMarkOutset, 2 * kMarkOutset, 2 * kMarkOutset);
}
} // namespace

StatsGridFocus::StatsGridFocus(const std::array<QLabel*, kStatsCellCount>& cells, QWidget* parent)
    : QWidget(parent), cells_(cells) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(gridRect());
    setAccessibleName(tr("Last 400 results"));
    setAccessibleDescription(tr("Arrow keys move between the results, top to bottom, left to right"));
}

QRect StatsGridFocus::markRect(int cell) const {
    return toQRect(statsCellRect(cell))
        .translated(-pos())
        .adjusted(-kMarkOutset, -kMarkOutset, kMarkOutset, kMarkOutset);
}

void StatsGridFocus::setFocusedCell(int cell) {
    if (cell < 0 || cell >= kStatsCellCount || cell == cell_)
        return;
    update(markRect(cell_));
    cell_ = cell;
    update(markRect(cell_));
    announceFocus();
}

void StatsGridFocus::announceFocus() {
    if (!hasFocus())
        return;
    QAccessibleEvent event(cells_[static_cast<std::size_t>(cell_)], QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void StatsGridFocus::keyPressEvent(QKeyEvent* event) {
    const int row = cell_ % kStatsRows;
    const int column = cell_ / kStatsRows;
    switch (event->key()) {
    case Qt::Key_Up:
        if (row > 0)
            setFocusedCell(cell_ - 1);
        break;
    case Qt::Key_Down:
        if (row < kStatsRows - 1)
            setFocusedCell(cell_ + 1);
        break;
    case Qt::Key_Left:
        if (column > 0)
            setFocusedCell(cell_ - kStatsRows);
        break;
    case Qt::Key_Right:
        if (column < kColumns - 1)
            setFocusedCell(cell_ + kStatsRows);
        break;
    case Qt::Key_Home: setFocusedCell(0); break;
    case Qt::Key_End: setFocusedCell(kStatsCellCount - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void StatsGridFocus::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusMark(painter, markRect(cell_));
}

void StatsGridFocus::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    announceFocus();
}

void StatsGridFocus::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
