#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "analysis/SessionPlay.h"

// How many sessions the bands are taken from: sessions 0, 1, ... of the run,
// at most 2,000 and fewer for long sessions, so that the bands cost a small
// fixed share of the run whatever its size.
std::int64_t bandSessionCount(std::int64_t sessions, std::int32_t spins);

// Percentiles of the bankroll before the first spin and after every spin,
// taken from the first `sessions` sessions of the seed (played in step with
// each other, so only one bankroll per session is held). A percentile p is
// the nearest rank: the ceil(p * sessions)-th smallest bankroll. Empty when
// stopped.
// Nearest-rank percentiles of one spin's bankrolls, reordering them.
// Bankrolls usually lie close together, so counting them is cheaper than
// selecting; a wide spread falls back to selection.
class PercentilePicker {
public:
    BankrollBand of(std::vector<std::int64_t>& chips);

private:
    std::vector<std::int32_t> counts_;
};

std::vector<BankrollBand> bankrollBands(const SessionTables& tables, std::uint64_t seed, std::int64_t sessions,
                                        std::stop_token stop);
