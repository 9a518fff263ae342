#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/SessionAnalysis.h"

// Counts of whole-number values (chips, or steps of money) in bins of width
// 2^k, k as small as keeps the bins at most kMaxBins: exact, one value per
// bin, until the values spread over more than that. The width depends only on
// the smallest and largest value counted, so histograms of parts of a run
// merge into the same histogram in any order.
class CountHistogram {
public:
    static constexpr std::int64_t kMaxBins = std::int64_t{1} << 16;

    void add(std::int64_t value) {
        // The bins always span [min, max] exactly, so a value inside needs no check.
        if (total_ > 0 && value >= min_ && value <= max_) {
            ++counts_[static_cast<std::size_t>((value >> shift_) - firstBin_)];
            ++total_;
            return;
        }
        addOutside(value);
    }
    void merge(const CountHistogram& other);

    std::int64_t total() const { return total_; }
    std::int64_t min() const { return min_; }
    std::int64_t max() const { return max_; }

    // The smallest value with at least half the count at or below it; within
    // a bin wider than one value, interpolated across the bin.
    double median() const;

    // At most `bars` bars of equal width from the 0.05th to the 99.95th
    // percentile, the first and last stretched to the smallest and largest
    // value, so every bar's bounds are true and the bars hold everything; each
    // edge times `scale` plus `offset`, probabilities shares of the total.
    std::vector<HistogramBin> bars(int bars, double scale, double offset = 0) const;

    // The bars of all the parts together, each bar's probability shared out
    // in byEnd by the part its values came from.
    static std::vector<HistogramBin> barsByEnd(const std::array<CountHistogram, kSessionEnds>& parts, int bars,
                                               double scale);

private:
    // The bars' placing: `count` bars of `width` values from `from`, the
    // first and last stretched to the smallest and largest value.
    struct BarLayout {
        std::int64_t from = 0, width = 1, count = 0;
        std::int64_t barOf(std::int64_t value) const {
            return value < from ? 0 : std::min((value - from) / width, count - 1);
        }
    };
    BarLayout layout(int bars) const;

    void addOutside(std::int64_t value);
    std::int64_t binAtShare(double share) const; // the bin holding the value of that rank
    void coarsenUntilItFits();
    void spanBins(std::int64_t firstBin, std::int64_t lastBin);

    int shift_ = 0;
    std::int64_t firstBin_ = 0;
    std::vector<std::int64_t> counts_; // from bin firstBin_
    std::int64_t total_ = 0;
    std::int64_t min_ = 0, max_ = 0;
};
