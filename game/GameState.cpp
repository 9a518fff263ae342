#include "game/GameState.h"

std::array<MenuFlag, kMenuItemCount> GameState::designMenuFlags() {
    std::array<MenuFlag, kMenuItemCount> flags{};
    for (const MenuRow& row : menuTree())
        flags[static_cast<std::size_t>(row.item)] = MenuFlag{row.checkedAtDesign, true};
    return flags;
}
