#include "ui/MenuItem.h"

#include <array>

namespace {
using M = MenuItem;
constexpr std::array<MenuRow, kMenuItemCount> kTree = {{
    {M::mnuFile, "mnuFile", "&New", 0, false},
    {M::mnuExit, "mnuExit", "E&xit", 1, false},
    {M::mnuView, "mnuView", "&View", 0, false},
    {M::mnuNumHits, "mnuNumHits", "Number of Hits", 1, false},
    {M::mnuLastResults, "mnuLastResults", "Last Results", 1, false},
    {M::mnuSystemAnalysis, "mnuSystemAnalysis", "System Analysis", 1, false},
    {M::mnuSelect, "mnuSelect", "S&elect", 0, false},
    {M::mnuWheel, "mnuWheel", "&Wheel", 1, false},
    {M::mnuAmerican, "mnuAmerican", "&American 0, 00", 2, true},
    {M::mnuEuropean, "mnuEuropean", "E&uropean 0", 2, false},
    {M::mnuFileBar1, "mnuFileBar1", "-", 1, false},
    {M::mnuSpin, "mnuSpin", "&Spin", 1, false},
    {M::mnuQuickSpin, "mnuQuickSpin", "&Quick Spin", 2, false},
    {M::mnuNormalSpin, "mnuNormalSpin", "N&ormal Spin", 2, true},
    {M::mnuFileBar2, "mnuFileBar2", "-", 1, false},
    {M::mnuBettingUnits, "mnuBettingUnits", "&Betting Units", 1, false},
    {M::mnuTwentyFive, "mnuTwentyFive", ".25\u00a2", 2, false},
    {M::mnuFifty, "mnuFifty", ".50\u00a2", 2, false},
    {M::mnuOneDollar, "mnuOneDollar", "$1.00", 2, false},
    {M::mnuFiveDollar, "mnuFiveDollar", "$5.00", 2, false},
    {M::mnuTenDollar, "mnuTenDollar", "$10.00", 2, false},
    {M::mnuFileBar3, "mnuFileBar3", "-", 1, false},
    {M::mnuTableLimits, "mnuTableLimits", "&Table Minimums", 1, false},
    {M::mnuOn, "mnuOn", "ON", 2, true},
    {M::mnuOff, "mnuOff", "OFF", 2, false},
    {M::mnuNumberOfSpins, "mnuNumberOfSpins", "S&pins", 0, false},
    {M::mnuOneSpins, "mnuOneSpins", "1", 1, true},
    {M::mnuTenSpins, "mnuTenSpins", "10", 1, false},
    {M::mnuTwentyFiveSpins, "mnuTwentyFiveSpins", "25", 1, false},
    {M::mnuFiftySpins, "mnuFiftySpins", "50", 1, false},
    {M::mnuHundredSpins, "mnuHundredSpins", "100", 1, false},
    {M::mnuDaySpins, "mnuDaySpins", "1 Day (400)", 1, false},
    {M::mnuAfter, "mnuAfter", "&After", 0, false},
    {M::mnuAfterSpin, "mnuAfterSpin", "Each Spin", 1, false},
    {M::mnuRemoveChips, "mnuRemoveChips", "Remove Chips", 2, false},
    {M::mnuHelp, "mnuHelp", "&Help", 0, false},
    {M::mnuIntroduction, "mnuIntroduction", "&Introduction", 1, false},
    {M::mnuFileBar4, "mnuFileBar4", "-", 1, false},
    {M::mnuAbout, "mnuAbout", "About", 1, false},
}};

constexpr bool rowsInEnumOrder() {
    for (std::size_t i = 0; i < kTree.size(); ++i)
        if (static_cast<std::size_t>(kTree[i].item) != i)
            return false;
    return true;
}
static_assert(rowsInEnumOrder());
} // namespace

std::span<const MenuRow> menuTree() { return kTree; }

const MenuRow& menuRow(MenuItem item) { return kTree[static_cast<std::size_t>(item)]; }
