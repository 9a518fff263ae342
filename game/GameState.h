#pragma once

#include <array>
#include <cstdint>

#include "game/Money.h"
#include "game/Pocket.h"
#include "game/SessionLedger.h"
#include "layout/BetSpotCatalogue.h"
#include "results/ResultHistory.h"
#include "ui/MenuItem.h"
#include "ui/Screen.h"

// The checked and enabled flags of one menu item. The flags are the
// selections: the logic reads them, the menu bar only mirrors them.
struct MenuFlag {
    bool checked = false;
    bool enabled = true;
};

// The statistics window's part of the game: whether it is loaded and the
// history it holds. Unloading the window discards the history.
struct StatsWindowModel {
    bool loaded = false;
    bool noteShown = false; // lbl400(2), "Last 400 can only be displayed"
    ResultHistory history;
};

// Everything the main window holds for the life of the process.
struct GameState {
    std::int32_t SpinCount = 0;
    Money Winnings;
    Money TotalAmountBet;
    std::array<ChipCount, kSpotCount> Stakes{};
    PocketCode WinningNumber = kNoNumber;
    // slots 2 to 10 of the last-ten strip: RecentNumbers[k - 2] is slot k
    std::array<PocketCode, 9> RecentNumbers = filledWith<9>(kNoNumber);
    bool FreshWheel = true;
    NumberHitCounts NumberHits{};
    // Low, High, Even, Red, Black, Odd, 1st/2nd/3rd dozen, 1st/2nd/3rd column
    std::array<std::int32_t, 12> OutsideHits{};

    // Advanced by every re-initialisation: a spin that finds it changed after
    // its chips' removal pause was discarded with the table it was made on.
    std::uint32_t reinitialisations = 0;

    std::array<MenuFlag, kMenuItemCount> menus = designMenuFlags();
    StatsWindowModel stats;
    SessionLedger ledger;

    const MenuFlag& flag(MenuItem item) const { return menus[static_cast<std::size_t>(item)]; }
    bool checked(MenuItem item) const { return flag(item).checked; }
    bool enabled(MenuItem item) const { return flag(item).enabled; }

private:
    template <std::size_t N>
    static constexpr std::array<PocketCode, N> filledWith(PocketCode code) {
        std::array<PocketCode, N> slots{};
        slots.fill(code);
        return slots;
    }
    static std::array<MenuFlag, kMenuItemCount> designMenuFlags();
};

// Order of OutsideHits and of the hit-count labels.
enum class OutsideBet : std::uint8_t {
    Low,
    High,
    Even,
    Red,
    Black,
    Odd,
    FirstDozen,
    SecondDozen,
    ThirdDozen,
    FirstColumn,
    SecondColumn,
    ThirdColumn
};
