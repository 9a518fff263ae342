#include "analysis/ChipDistribution.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Sums carry rounding of the order of 1e-16 per term; a quantile that falls
// exactly on a step of the distribution must still land on that step.
constexpr double kSlack = 1e-12;

double totalOf(const ChipDistribution& d) { return std::accumulate(d.mass.begin(), d.mass.end(), 0.0); }

// The bankrolls of the given shares, in one walk; shares ascending.
template <std::size_t N>
std::array<double, N> quantilesOf(const ChipDistribution& d, const std::array<double, N>& shares) {
    std::array<double, N> bankrolls{};
    const double total = totalOf(d);
    double below = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < d.mass.size() && next < N; ++i) {
        below += d.mass[i];
        while (next < N && below >= (shares[next] - kSlack) * total)
            bankrolls[next++] = static_cast<double>(d.first + static_cast<std::int64_t>(i));
    }
    for (; next < N; ++next)
        bankrolls[next] = static_cast<double>(d.first + static_cast<std::int64_t>(d.mass.size()) - 1);
    return bankrolls;
}

} // namespace

double quantileOf(const ChipDistribution& d, double q) { return quantilesOf<1>(d, {q})[0]; }

BankrollBand bandOf(const ChipDistribution& d) {
    const auto q = quantilesOf<5>(d, {0.05, 0.25, 0.5, 0.75, 0.95});
    return {q[0], q[1], q[2], q[3], q[4]};
}

std::vector<HistogramBin> histogramOf(const ChipDistribution& d, int bars) {
    std::vector<HistogramBin> histogram;
    const double total = totalOf(d);
    if (d.mass.empty() || total <= 0)
        return histogram;
    const auto lowest = static_cast<std::int64_t>(
        std::find_if(d.mass.begin(), d.mass.end(), [](double m) { return m > 0; }) - d.mass.begin());
    const auto highest = static_cast<std::int64_t>(
        d.mass.rend() - std::find_if(d.mass.rbegin(), d.mass.rend(), [](double m) { return m > 0; }) - 1);
    const auto [from, to] = quantilesOf<2>(d, {0.0005, 0.9995});
    const auto span = static_cast<std::int64_t>(to - from) + 1;
    const std::int64_t width = (span + bars - 1) / bars;
    const std::int64_t count = (span + width - 1) / width;

    for (std::int64_t k = 0; k < count; ++k) {
        const std::int64_t low = k == 0 ? d.first + lowest : static_cast<std::int64_t>(from) + k * width;
        const std::int64_t high =
            k == count - 1 ? d.first + highest + 1 : static_cast<std::int64_t>(from) + (k + 1) * width;
        double mass = 0;
        for (std::int64_t b = low; b < high; ++b)
            mass += d.mass[static_cast<std::size_t>(b - d.first)];
        histogram.push_back({static_cast<double>(low), static_cast<double>(high), mass / total});
    }
    return histogram;
}

std::vector<HistogramBin> histogramOf(const ChipDistribution& d,
                                      const std::array<ChipDistribution, kSessionEnds>& byEnd, int bars) {
    std::vector<HistogramBin> histogram = histogramOf(d, bars);
    const double total = totalOf(d);
    for (HistogramBin& bar : histogram)
        for (std::size_t how = 0; how < kSessionEnds; ++how) {
            const ChipDistribution& part = byEnd[how];
            for (auto b = static_cast<std::int64_t>(bar.low); b < static_cast<std::int64_t>(bar.high); ++b) {
                const std::int64_t i = b - part.first;
                if (i >= 0 && i < static_cast<std::int64_t>(part.mass.size()))
                    bar.byEnd[how] += part.mass[static_cast<std::size_t>(i)] / total;
            }
        }
    return histogram;
}
