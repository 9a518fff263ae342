#include "results/Settlement.h"

namespace {
// A number wins at most one straight, four splits, one street, four corners
// and two six lines; the zero area adds a few spots near 0 to 3.
constexpr std::size_t kMaxInsideWinners = 16;
constexpr std::size_t kOutsideWinnersPerNumber = 5;

// Odds are "to one"; the stake comes back with them.
constexpr std::int16_t returnPerChip(BetKind kind) { return static_cast<std::int16_t>(oddsOf(kind) + 1); }

struct PocketWinners {
    std::array<WinningSpot, kMaxInsideWinners> inside{};
    std::size_t insideCount = 0;
    std::array<WinningOutsideBet, kOutsideWinnersPerNumber> outside{};
    std::size_t outsideCount = 0;
};

using WheelWinners = std::array<PocketWinners, kPocketCount>;

struct WinnerTables {
    std::array<WheelWinners, 2> byWheel{};

    WinnerTables() {
        for (Wheel wheel : {Wheel::European, Wheel::American}) {
            WheelWinners& table = byWheel[static_cast<std::size_t>(wheel)];
            for (int pocket = 0; pocket < kPocketCount; ++pocket) {
                PocketWinners& winners = table[static_cast<std::size_t>(pocket)];
                for (const BetSpot& spot : betSpots()) {
                    if (spot.isOutside() || !spot.coversOn(wheel).contains(pocket))
                        continue;
                    winners.inside.at(winners.insideCount++) =
                        WinningSpot{static_cast<std::int16_t>(spot.slot), returnPerChip(spot.kindOn(wheel))};
                }
                for (std::size_t bet = 0; bet < kOutsideHitSlots.size(); ++bet) {
                    const BetSpot& spot = betSpot(kOutsideHitSlots[bet]);
                    if (spot.coversOn(wheel).contains(pocket))
                        winners.outside.at(winners.outsideCount++) = WinningOutsideBet{
                            static_cast<std::int8_t>(bet),
                            WinningSpot{static_cast<std::int16_t>(spot.slot), returnPerChip(spot.kindOn(wheel))}};
                }
            }
        }
    }
};

const WinnerTables& tables() {
    static const WinnerTables built;
    return built;
}

const PocketWinners* winnersOf(Wheel wheel, PocketCode pocket) {
    if (pocket < 0 || pocket >= kPocketCount)
        return nullptr;
    return &tables().byWheel[static_cast<std::size_t>(wheel)][static_cast<std::size_t>(pocket)];
}
} // namespace

std::span<const WinningSpot> winningInsideSpots(Wheel wheel, PocketCode pocket) {
    const PocketWinners* winners = winnersOf(wheel, pocket);
    if (winners == nullptr)
        return {};
    return std::span<const WinningSpot>(winners->inside).first(winners->insideCount);
}

std::span<const WinningOutsideBet> winningOutsideBets(Wheel wheel, PocketCode pocket) {
    const PocketWinners* winners = winnersOf(wheel, pocket);
    if (winners == nullptr)
        return {};
    return std::span<const WinningOutsideBet>(winners->outside).first(winners->outsideCount);
}

OutsideReturns settleOutsideChips(Wheel wheel, PocketCode pocket, Stakes stakes) {
    OutsideReturns returns{};
    for (const WinningOutsideBet& winner : winningOutsideBets(wheel, pocket)) {
        const auto spotSlot = static_cast<std::size_t>(winner.spot.slot);
        returns[spotSlot - kFirstOutsideSlot] = std::int64_t{stakes[spotSlot]} * winner.spot.returnPerChip;
    }
    return returns;
}

std::int64_t settleInsideChips(Wheel wheel, PocketCode pocket, Stakes stakes) {
    std::int64_t total = 0;
    for (const WinningSpot& winner : winningInsideSpots(wheel, pocket))
        total += std::int64_t{stakes[static_cast<std::size_t>(winner.slot)]} * winner.returnPerChip;
    return total;
}
