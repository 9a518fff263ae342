#include "analysis/CountHistogram.h"

#include <algorithm>
#include <cmath>

void CountHistogram::addOutside(std::int64_t value) {
    if (total_ == 0) {
        min_ = max_ = value;
    } else {
        min_ = std::min(min_, value);
        max_ = std::max(max_, value);
    }
    coarsenUntilItFits();
    spanBins(min_ >> shift_, max_ >> shift_);
    ++counts_[static_cast<std::size_t>((value >> shift_) - firstBin_)];
    ++total_;
}

void CountHistogram::coarsenUntilItFits() {
    int shift = shift_;
    while ((max_ >> shift) - (min_ >> shift) + 1 > kMaxBins)
        ++shift;
    if (shift == shift_)
        return;
    std::vector<std::int64_t> coarse(static_cast<std::size_t>((max_ >> shift) - (min_ >> shift) + 1));
    const std::int64_t firstCoarse = min_ >> shift;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        if (counts_[i] == 0)
            continue;
        const std::int64_t fineBin = firstBin_ + static_cast<std::int64_t>(i);
        coarse[static_cast<std::size_t>((fineBin >> (shift - shift_)) - firstCoarse)] += counts_[i];
    }
    counts_ = std::move(coarse);
    firstBin_ = firstCoarse;
    shift_ = shift;
}

// Widens the bins held to [firstBin, lastBin], keeping the counts.
void CountHistogram::spanBins(std::int64_t firstBin, std::int64_t lastBin) {
    if (counts_.empty()) {
        firstBin_ = firstBin;
        counts_.assign(static_cast<std::size_t>(lastBin - firstBin + 1), 0);
        return;
    }
    const std::int64_t lastHeld = firstBin_ + static_cast<std::int64_t>(counts_.size()) - 1;
    if (firstBin < firstBin_) {
        counts_.insert(counts_.begin(), static_cast<std::size_t>(firstBin_ - firstBin), 0);
        firstBin_ = firstBin;
    }
    if (lastBin > lastHeld)
        counts_.resize(counts_.size() + static_cast<std::size_t>(lastBin - lastHeld), 0);
}

void CountHistogram::merge(const CountHistogram& other) {
    if (other.total_ == 0)
        return;
    if (total_ == 0) {
        *this = other;
        return;
    }
    const std::int64_t low = std::min(min_, other.min_);
    const std::int64_t high = std::max(max_, other.max_);
    int shift = std::max(shift_, other.shift_);
    while ((high >> shift) - (low >> shift) + 1 > kMaxBins)
        ++shift;
    std::vector<std::int64_t> merged(static_cast<std::size_t>((high >> shift) - (low >> shift) + 1));
    for (const CountHistogram* part : {static_cast<const CountHistogram*>(this), &other}) {
        for (std::size_t i = 0; i < part->counts_.size(); ++i) {
            const std::int64_t bin = (part->firstBin_ + static_cast<std::int64_t>(i)) >> (shift - part->shift_);
            merged[static_cast<std::size_t>(bin - (low >> shift))] += part->counts_[i];
        }
    }
    counts_ = std::move(merged);
    firstBin_ = low >> shift;
    shift_ = shift;
    min_ = low;
    max_ = high;
    total_ += other.total_;
}

double CountHistogram::median() const {
    if (total_ == 0)
        return 0;
    const std::int64_t half = (total_ + 1) / 2; // at least half the count
    std::int64_t below = 0;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        if (below + counts_[i] >= half) {
            const std::int64_t low = (firstBin_ + static_cast<std::int64_t>(i)) << shift_;
            if (shift_ == 0)
                return static_cast<double>(low);
            const double within = static_cast<double>(half - below) / static_cast<double>(counts_[i]);
            const double widest = static_cast<double>((std::int64_t{1} << shift_) - 1);
            return std::clamp(static_cast<double>(low) + within * widest, static_cast<double>(min_),
                              static_cast<double>(max_));
        }
        below += counts_[i];
    }
    return static_cast<double>(max_);
}

std::int64_t CountHistogram::binAtShare(double share) const {
    const auto rank =
        std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(share * static_cast<double>(total_))));
    std::int64_t below = 0;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        below += counts_[i];
        if (below >= rank)
            return firstBin_ + static_cast<std::int64_t>(i);
    }
    return firstBin_ + static_cast<std::int64_t>(counts_.size()) - 1;
}

CountHistogram::BarLayout CountHistogram::layout(int bars) const {
    const std::int64_t width = std::int64_t{1} << shift_;
    // The bars share out the bulk, from the 0.05th to the 99.95th percentile,
    // a whole number of bins each, so no bin is split between two bars.
    const std::int64_t from = binAtShare(0.0005) << shift_;
    const std::int64_t to = (binAtShare(0.9995) + 1) << shift_;
    const std::int64_t span = to - from;
    const std::int64_t barWidth = std::max<std::int64_t>(1, (span + width * bars - 1) / (width * bars)) * width;
    return {from, barWidth, (span + barWidth - 1) / barWidth};
}

std::vector<HistogramBin> CountHistogram::bars(int bars, double scale, double offset) const {
    std::vector<HistogramBin> result;
    if (total_ == 0 || bars <= 0)
        return result;
    const BarLayout at = layout(bars);
    for (std::int64_t bar = 0; bar < at.count; ++bar) {
        // The first and last bars stretch to take in the rare results beyond.
        const std::int64_t low = bar == 0 ? min_ : at.from + bar * at.width;
        const std::int64_t high =
            bar == at.count - 1 ? std::max(max_ + 1, at.from + at.count * at.width) : at.from + (bar + 1) * at.width;
        result.push_back({static_cast<double>(low) * scale + offset, static_cast<double>(high) * scale + offset, 0.0});
    }
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        if (counts_[i] == 0)
            continue;
        const std::int64_t low = (firstBin_ + static_cast<std::int64_t>(i)) << shift_;
        result[static_cast<std::size_t>(at.barOf(low))].probability +=
            static_cast<double>(counts_[i]) / static_cast<double>(total_);
    }
    return result;
}

std::vector<HistogramBin> CountHistogram::barsByEnd(const std::array<CountHistogram, kSessionEnds>& parts, int bars,
                                                    double scale) {
    CountHistogram all;
    for (const CountHistogram& part : parts)
        all.merge(part);
    std::vector<HistogramBin> result = all.bars(bars, scale);
    if (result.empty())
        return result;
    // A part spans no more than the whole, so its bins are no wider than the
    // whole's and each lies inside one of the whole's bins, hence one bar.
    const BarLayout at = all.layout(bars);
    for (std::size_t end = 0; end < kSessionEnds; ++end) {
        const CountHistogram& part = parts[end];
        for (std::size_t i = 0; i < part.counts_.size(); ++i) {
            if (part.counts_[i] == 0)
                continue;
            const std::int64_t low = (part.firstBin_ + static_cast<std::int64_t>(i)) << part.shift_;
            result[static_cast<std::size_t>(at.barOf(low))].byEnd[end] +=
                static_cast<double>(part.counts_[i]) / static_cast<double>(all.total_);
        }
    }
    return result;
}
