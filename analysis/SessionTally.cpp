#include "analysis/SessionTally.h"

#include "analysis/ConfidenceInterval.h"

namespace {

constexpr int kHistogramBars = 40;

Estimate shifted(Estimate estimate, double by) { return {estimate.value + by, estimate.low + by, estimate.high + by}; }

Estimate meanOf(SessionTally::Int128 sum, SessionTally::Int128 squares, std::int64_t count) {
    return meanInterval(static_cast<long double>(sum), static_cast<long double>(squares), count);
}

} // namespace

void SessionTally::add(const SessionResult& session, const SessionTables& tables) {
    ++sessions;
    ++ends[static_cast<std::size_t>(session.end)];
    ahead += session.chips > tables.startChips;
    broke += session.chips < tables.chipsBet[0];
    const Int128 gained = session.chips - tables.startChips;
    gain += gained;
    gainSquares += gained * gained;
    spins += session.spins;
    spinsByEnd[static_cast<std::size_t>(session.end)] += session.spins;
    spinSquares += Int128{session.spins} * session.spins;
    staked += session.staked;
    stakedSquares += Int128{session.staked} * session.staked;
    expectedLoss += session.expectedLoss;
    if (session.end == SessionEnd::NotCovered) {
        notCoveredChips += session.chips;
        notCoveredSquares += Int128{session.chips} * session.chips;
    }
    endChips[static_cast<std::size_t>(session.end)].add(session.chips);
}

void SessionTally::merge(const SessionTally& other) {
    sessions += other.sessions;
    ahead += other.ahead;
    broke += other.broke;
    for (std::size_t end = 0; end < kSessionEnds; ++end) {
        ends[end] += other.ends[end];
        spinsByEnd[end] += other.spinsByEnd[end];
        endChips[end].merge(other.endChips[end]);
    }
    gain += other.gain;
    gainSquares += other.gainSquares;
    spins += other.spins;
    spinSquares += other.spinSquares;
    staked += other.staked;
    stakedSquares += other.stakedSquares;
    expectedLoss += other.expectedLoss;
    notCoveredChips += other.notCoveredChips;
    notCoveredSquares += other.notCoveredSquares;
}

void SessionTally::fill(SessionOutcome& outcome, const SessionTables& tables) const {
    const std::int64_t n = sessions;
    outcome.sessions = n;
    outcome.startChips = tables.startChips;
    auto chance = [n](std::int64_t hits) { return wilsonInterval(hits, n); };
    outcome.target = chance(ends[static_cast<std::size_t>(SessionEnd::Target)]);
    outcome.stopLoss = chance(ends[static_cast<std::size_t>(SessionEnd::StopLoss)]);
    outcome.notCovered = chance(ends[static_cast<std::size_t>(SessionEnd::NotCovered)]);
    outcome.spinsDone = chance(ends[static_cast<std::size_t>(SessionEnd::SpinsDone)]);
    outcome.ahead = chance(ahead);
    outcome.broke = chance(broke);
    outcome.meanChipsLeftWhenNotCovered =
        meanOf(notCoveredChips, notCoveredSquares, ends[static_cast<std::size_t>(SessionEnd::NotCovered)]);
    outcome.meanEndChips = shifted(meanOf(gain, gainSquares, n), static_cast<double>(tables.startChips));
    outcome.meanSpinsPlayed = meanOf(spins, spinSquares, n);
    outcome.meanTotalStakedChips = meanOf(staked, stakedSquares, n);
    outcome.lossPerChipStaked = staked > 0 ? static_cast<double>(static_cast<long double>(expectedLoss) /
                                                                 (static_cast<long double>(staked) * tables.pockets))
                                           : 0.0;
    const CountHistogram& notCovered = endChips[static_cast<std::size_t>(SessionEnd::NotCovered)];
    if (notCovered.total() > 0) {
        outcome.fewestChipsLeftWhenNotCovered = static_cast<double>(notCovered.min());
        outcome.mostChipsLeftWhenNotCovered = static_cast<double>(notCovered.max());
    }
    for (std::size_t end = 0; end < kSessionEnds; ++end)
        if (ends[end] > 0)
            outcome.meanSpinsByEnd[end] =
                static_cast<double>(static_cast<long double>(spinsByEnd[end]) / static_cast<long double>(ends[end]));
    CountHistogram all;
    for (const CountHistogram& part : endChips)
        all.merge(part);
    outcome.medianEndChips = all.median();
    outcome.endHistogram = CountHistogram::barsByEnd(endChips, kHistogramBars, 1.0);
}
