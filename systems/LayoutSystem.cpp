#include "systems/LayoutSystem.h"

#include "layout/BetSpotCatalogue.h"

namespace systems {
namespace {

MoneyManagement moneyOf(Progression progression) {
    switch (progression) {
    case Progression::Flat: return Flat{};
    case Progression::Martingale: return Martingale{};
    case Progression::DAlembert: return DAlembert{};
    case Progression::Fibonacci: return Fibonacci{};
    case Progression::Paroli: return Paroli{3};
    }
    return Flat{};
}

} // namespace

System systemOfLayout(const BettingSystem& table) {
    FixedSpots spots;
    for (int slot = 0; slot < kSpotCount; ++slot)
        if (const ChipCount chips = table.stakes[static_cast<std::size_t>(slot)]; chips > 0)
            spots.spots.push_back({std::string(betSpot(slot).name), chips});
    System system;
    system.name = kLayoutSystemName;
    system.description = "The chips on the table, the same every spin.";
    system.bets.push_back(Bet{std::move(spots), moneyOf(table.rules.progression), 1, AtCap::Stay});
    system.rules.wheel = table.wheel;
    system.rules.unit = table.unit;
    system.rules.bankroll = table.rules.bankroll;
    system.rules.spins = table.rules.spinsPerSession;
    system.rules.stopLoss = table.rules.stopLoss;
    system.rules.target = table.rules.target;
    return system;
}

} // namespace systems
