#include "ui/qt/MenuBarMirror.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/qt/ControlLook.h"

namespace {
constexpr std::string_view kSeparatorCaption = "-";
constexpr int kMaxDepth = 3;

bool hasChildren(std::span<const MenuRow> tree, std::size_t i) {
    return i + 1 < tree.size() && tree[i + 1].depth > tree[i].depth;
}
} // namespace

MenuBarMirror::MenuBarMirror(QMenuBar* bar, Chosen onChosen) {
    const auto tree = menuTree();
    // The menu that receives the rows of each depth.
    std::array<QMenu*, kMaxDepth> parents{};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const MenuRow& row = tree[i];
        const QString caption = toQString(row.caption);
        QAction* action = nullptr;
        if (row.depth == 0) {
            QMenu* menu = bar->addMenu(caption);
            parents[1] = menu;
            action = menu->menuAction();
        } else if (row.caption == kSeparatorCaption) {
            action = parents[static_cast<std::size_t>(row.depth)]->addSeparator();
        } else if (hasChildren(tree, i)) {
            QMenu* menu = parents[static_cast<std::size_t>(row.depth)]->addMenu(caption);
            parents[static_cast<std::size_t>(row.depth) + 1] = menu;
            action = menu->menuAction();
        } else {
            action = parents[static_cast<std::size_t>(row.depth)]->addAction(caption);
            const MenuItem item = row.item;
            QObject::connect(action, &QAction::triggered, action, [onChosen, item] { onChosen(item); });
        }
        action->setObjectName(toQString(row.name));
        actions_[static_cast<std::size_t>(row.item)] = action;
    }
}

// Only a checked item is checkable, so an unchecked item shows no empty box
// and no choice toggles a mark the game did not set.
void MenuBarMirror::setChecked(MenuItem item, bool checked) {
    QAction* a = action(item);
    a->setCheckable(checked);
    a->setChecked(checked);
}

void MenuBarMirror::setEnabled(MenuItem item, bool enabled) { action(item)->setEnabled(enabled); }

void MenuBarMirror::sync(MenuItem item, bool checked, bool enabled) {
    setChecked(item, checked);
    setEnabled(item, enabled);
}
