#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/SessionAnalysis.h"

// A distribution of whole-chip bankrolls held as the chances of consecutive
// bankrolls: mass[i] is the chance of a bankroll of first + i chips.
struct ChipDistribution {
    std::int64_t first = 0;
    std::span<const double> mass;
};

// The smallest bankroll at or below which lies the share q of the mass.
double quantileOf(const ChipDistribution& d, double q);
BankrollBand bandOf(const ChipDistribution& d);

// About `bars` bars of equal whole-chip width from the 0.05th to the 99.95th
// percentile; the first and last bars stretch to take in the rare results
// beyond, so every bar's bounds are true and the bars hold all the mass.
std::vector<HistogramBin> histogramOf(const ChipDistribution& d, int bars = 40);

// The same, each bar's probability shared out in byEnd by the parts of `d`
// (distributions over the same bankrolls) that ended each way.
std::vector<HistogramBin> histogramOf(const ChipDistribution& d,
                                      const std::array<ChipDistribution, kSessionEnds>& byEnd, int bars = 40);
