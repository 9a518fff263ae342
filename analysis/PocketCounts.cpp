#include "analysis/PocketCounts.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "analysis/ConfidenceInterval.h"

namespace {

constexpr double kNegligible = 1e-30;

double logBinomialChance(std::int64_t n, double p, std::int64_t k) {
    const auto nd = static_cast<double>(n), kd = static_cast<double>(k);
    return std::lgamma(nd + 1) - std::lgamma(kd + 1) - std::lgamma(nd - kd + 1) + kd * std::log(p) +
           (nd - kd) * std::log1p(-p);
}

// The sum of the binomial chances from `from` walking by `by` (+1 or -1)
// while inside [0, n], until the terms no longer count.
double binomialTail(std::int64_t n, double p, std::int64_t from, int by) {
    if (from < 0)
        return by > 0 ? 1.0 : 0.0;
    if (from > n)
        return by > 0 ? 0.0 : 1.0;
    double sum = 0;
    const double ratioUp = p / (1 - p);
    double term = std::exp(logBinomialChance(n, p, from));
    for (std::int64_t k = from; k >= 0 && k <= n; k += by) {
        sum += term;
        if (term < sum * 1e-17 && term > 0)
            break;
        // P(k+1) / P(k) = (n - k) / (k + 1) * p / (1 - p)
        term *= by > 0 ? static_cast<double>(n - k) / static_cast<double>(k + 1) * ratioUp
                       : static_cast<double>(k) / static_cast<double>(n - k + 1) / ratioUp;
    }
    return std::min(1.0, sum);
}

// The Poisson chances of counts low..high for the mean `lambda`, leaving out
// those negligible beside the largest, scaled so the largest is 1; `first` is
// the count of element 0 and `logScale` the log of the scale taken out.
struct CutPoisson {
    std::int64_t first = 0;
    std::vector<double> chance;
    double logScale = 0;
};

CutPoisson cutPoisson(double lambda, std::int64_t low, std::int64_t high) {
    CutPoisson cut;
    auto logChance = [lambda](std::int64_t k) {
        const auto kd = static_cast<double>(k);
        return -lambda + kd * std::log(lambda) - std::lgamma(kd + 1);
    };
    const auto mode = std::clamp(static_cast<std::int64_t>(std::floor(lambda)), low, high);
    cut.logScale = logChance(mode);
    std::int64_t from = mode, to = mode;
    while (from > low && logChance(from - 1) - cut.logScale > std::log(kNegligible))
        --from;
    while (to < high && logChance(to + 1) - cut.logScale > std::log(kNegligible))
        ++to;
    cut.first = from;
    for (std::int64_t k = from; k <= to; ++k)
        cut.chance.push_back(std::exp(logChance(k) - cut.logScale));
    return cut;
}

double countWork(int pockets, std::int64_t spins) {
    // Each of the pockets' convolutions spans some 24 standard deviations of
    // the partial sum against 24 of one count.
    const double lambda = static_cast<double>(spins) / pockets;
    const double spread = 24 * std::sqrt(lambda + 1);
    return pockets * spread * spread * std::sqrt(static_cast<double>(pockets));
}

// Fair wheels simulated: the share whose most hit pocket has at least
// `hottest` and whose least hit has at most `coldest`, each wheel's counts
// drawn one pocket at a time as binomials of the spins left.
ExtremeCountChances simulated(int pockets, std::int64_t spins, std::int64_t hottest, std::int64_t coldest,
                              std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::int64_t hot = 0, cold = 0;
    for (std::int64_t trial = 0; trial < kCountTrials; ++trial) {
        std::int64_t left = spins;
        std::int64_t lowest = spins, highest = 0;
        for (int pocket = 0; pocket < pockets; ++pocket) {
            std::int64_t count = left;
            if (pocket < pockets - 1) {
                std::binomial_distribution<std::int64_t> draw(left, 1.0 / (pockets - pocket));
                count = draw(random);
            }
            left -= count;
            lowest = std::min(lowest, count);
            highest = std::max(highest, count);
        }
        hot += highest >= hottest;
        cold += lowest <= coldest;
    }
    return {wilsonInterval(hot, kCountTrials), wilsonInterval(cold, kCountTrials)};
}

Estimate exact(double value) { return {value, value, value}; }

} // namespace

double chanceOfAtLeast(int pockets, std::int64_t spins, std::int64_t hits) {
    return binomialTail(spins, 1.0 / pockets, hits, +1);
}

double chanceOfAtMost(int pockets, std::int64_t spins, std::int64_t hits) {
    return binomialTail(spins, 1.0 / pockets, hits, -1);
}

double chanceEveryCountWithin(int pockets, std::int64_t spins, std::int64_t low, std::int64_t high) {
    low = std::max<std::int64_t>(low, 0);
    high = std::min(high, spins);
    if (low > high || low * pockets > spins || high * pockets < spins)
        return 0.0;
    if (spins == 0)
        return 1.0;
    const double lambda = static_cast<double>(spins) / pockets;
    const CutPoisson one = cutPoisson(lambda, low, high);
    const auto oneLast = one.first + static_cast<std::int64_t>(one.chance.size()) - 1;

    // sum[i]: the chance, scaled, that the pockets so far hold first + i hits.
    std::int64_t first = 0;
    std::vector<double> sum{1.0}, next;
    double logScale = 0;
    for (int pocket = 1; pocket <= pockets; ++pocket) {
        // Sums that the pockets still to come cannot bring to `spins` are dropped.
        const std::int64_t left = pockets - pocket;
        const std::int64_t from = std::max(first + one.first, spins - left * oneLast);
        const std::int64_t to =
            std::min(first + static_cast<std::int64_t>(sum.size()) - 1 + oneLast, spins - left * one.first);
        if (from > to)
            return 0.0;
        next.assign(static_cast<std::size_t>(to - from + 1), 0.0);
        for (std::size_t i = 0; i < sum.size(); ++i) {
            if (sum[i] == 0)
                continue;
            const std::int64_t base = first + static_cast<std::int64_t>(i) + one.first;
            for (std::size_t j = 0; j < one.chance.size(); ++j) {
                const std::int64_t at = base + static_cast<std::int64_t>(j);
                if (at >= from && at <= to)
                    next[static_cast<std::size_t>(at - from)] += sum[i] * one.chance[j];
            }
        }
        // Rescale so the largest is 1, and trim what is negligible beside it.
        const double largest = *std::max_element(next.begin(), next.end());
        if (largest <= 0)
            return 0.0;
        for (double& x : next)
            x /= largest;
        logScale += std::log(largest) + one.logScale;
        std::size_t keepFrom = 0, keepTo = next.size();
        while (keepFrom < next.size() && next[keepFrom] < kNegligible)
            ++keepFrom;
        while (keepTo > keepFrom && next[keepTo - 1] < kNegligible)
            --keepTo;
        first = from + static_cast<std::int64_t>(keepFrom);
        sum.assign(next.begin() + static_cast<std::ptrdiff_t>(keepFrom),
                   next.begin() + static_cast<std::ptrdiff_t>(keepTo));
        if (sum.empty())
            return 0.0;
    }
    if (first != spins || sum.size() != 1)
        return 0.0;
    const auto n = static_cast<double>(spins);
    const double logSumChance = -n + n * std::log(n) - std::lgamma(n + 1);
    return std::clamp(std::exp(std::log(sum[0]) + logScale - logSumChance), 0.0, 1.0);
}

ExtremeCountChances chanceOfExtremeCounts(int pockets, std::int64_t spins, std::int64_t hottest, std::int64_t coldest,
                                          std::uint64_t seed) {
    if (countWork(pockets, spins) > kExactCountWork)
        return simulated(pockets, spins, hottest, coldest, seed);
    return {exact(1.0 - chanceEveryCountWithin(pockets, spins, 0, hottest - 1)),
            exact(1.0 - chanceEveryCountWithin(pockets, spins, coldest + 1, spins))};
}
