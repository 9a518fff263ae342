#include "analysis/SpinAnalysis.h"

#include <cmath>

#include "analysis/ProgressionLadder.h"

SpinAnalysis analyseSpin(const BettingSystem& system) {
    // One spin is the progression's first step: the layout as laid out, each
    // spot at most at its limit.
    BettingSystem flat = system;
    flat.rules.progression = Progression::Flat;
    const StakeLevel level = ProgressionLadder(flat).level(0);
    const Money chipValue = unitRow(system.unit).chipValue;
    const int pockets = pocketsOn(system.wheel);

    SpinAnalysis spin;
    spin.empty = level.chipsBet == 0;
    spin.chipsBet = level.chipsBet;
    spin.amountBet = chipValue * level.chipsBet;
    spin.win.of = spin.lose.of = spin.even.of = pockets;

    // Stakes are capped at the table limits, so the sums of the net and its
    // square stay far inside 64 bits and the variance is rounded only once.
    std::int64_t sumSquares = 0;
    for (int pocket = 0; pocket < pockets; ++pocket) {
        const std::int64_t net = level.netChips[static_cast<std::size_t>(pocket)];
        const PocketResult result{static_cast<PocketCode>(pocket), net, chipValue * net};
        spin.pockets.push_back(result);
        spin.expectedNumerator += net;
        sumSquares += net * net;
        (net > 0 ? spin.win : net < 0 ? spin.lose : spin.even).pockets += 1;
        if (pocket == 0 || net > spin.best.netChips)
            spin.best = result;
        if (pocket == 0 || net < spin.worst.netChips)
            spin.worst = result;
    }

    const double dollarsPerChip = static_cast<double>(chipValue.tenThousandths()) / 10'000.0;
    spin.expectedChips = static_cast<double>(spin.expectedNumerator) / pockets;
    spin.expectedMoney = spin.expectedChips * dollarsPerChip;
    spin.houseEdge = spin.empty ? 0.0 : -spin.expectedChips / static_cast<double>(spin.chipsBet);
    // pockets^2 * variance = pockets * sum(x^2) - (sum x)^2, never negative.
    const std::int64_t scaledVariance = pockets * sumSquares - spin.expectedNumerator * spin.expectedNumerator;
    spin.stdDevChips = std::sqrt(static_cast<double>(scaledVariance)) / pockets;
    spin.stdDevMoney = spin.stdDevChips * dollarsPerChip;
    return spin;
}
