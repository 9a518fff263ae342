#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Every item of the main window's menu bar, in menu-bar order.
enum class MenuItem : std::uint8_t {
    mnuFile,
    mnuExit,
    mnuView,
    mnuNumHits,
    mnuLastResults,
    mnuSystemAnalysis,
    mnuSelect,
    mnuWheel,
    mnuAmerican,
    mnuEuropean,
    mnuFileBar1,
    mnuSpin,
    mnuQuickSpin,
    mnuNormalSpin,
    mnuFileBar2,
    mnuBettingUnits,
    mnuTwentyFive,
    mnuFifty,
    mnuOneDollar,
    mnuFiveDollar,
    mnuTenDollar,
    mnuFileBar3,
    mnuTableLimits,
    mnuOn,
    mnuOff,
    mnuNumberOfSpins,
    mnuOneSpins,
    mnuTenSpins,
    mnuTwentyFiveSpins,
    mnuFiftySpins,
    mnuHundredSpins,
    mnuDaySpins,
    mnuAfter,
    mnuAfterSpin,
    mnuRemoveChips,
    mnuHelp,
    mnuIntroduction,
    mnuFileBar4,
    mnuAbout,
};

inline constexpr int kMenuItemCount = static_cast<int>(MenuItem::mnuAbout) + 1;

// One row of the menu tree. depth 0 is a menu of the bar, 1 an item or
// submenu of it, 2 an item of a submenu. A caption "-" is a separator.
struct MenuRow {
    MenuItem item;
    std::string_view name;
    std::string_view caption;
    int depth;
    bool checkedAtDesign;
};

// The whole tree in menu-bar order; rows[i].item == MenuItem(i).
std::span<const MenuRow> menuTree();
const MenuRow& menuRow(MenuItem item);
