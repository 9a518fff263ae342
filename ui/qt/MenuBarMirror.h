#pragma once

#include <array>
#include <functional>

#include "ui/MenuItem.h"

class QAction;
class QMenuBar;

// The menu bar built from the menu tree. Its check marks and enabled flags
// only mirror the game's flags; a chosen leaf is reported to the owner,
// which runs the game's handler and then calls sync() for it, because a
// checkable action toggles itself before anyone asks the game.
class MenuBarMirror {
public:
    using Chosen = std::function<void(MenuItem)>;

    // Fills bar; the actions live as long as the bar.
    MenuBarMirror(QMenuBar* bar, Chosen onChosen);

    void setChecked(MenuItem item, bool checked);
    void setEnabled(MenuItem item, bool enabled);
    void sync(MenuItem item, bool checked, bool enabled);

    QAction* action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }

private:
    std::array<QAction*, kMenuItemCount> actions_{};
};
