#include "analysis/ConfidenceInterval.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kZ = 1.959963984540054; // the normal quantile of 0.975
}

Estimate wilsonInterval(std::int64_t hits, std::int64_t trials) {
    if (trials <= 0)
        return {};
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(hits) / n;
    const double z2 = kZ * kZ;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = kZ / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // At no hits (all hits) the interval's low (high) end is 0 (1) exactly;
    // rounding would otherwise leave it a hair inside and the interval would
    // not hold its own value.
    const double low = hits <= 0 ? 0.0 : std::clamp(centre - half, 0.0, p);
    const double high = hits >= trials ? 1.0 : std::clamp(centre + half, p, 1.0);
    return {p, low, high};
}

Estimate meanInterval(long double sum, long double sumOfSquares, std::int64_t count) {
    if (count <= 0)
        return {};
    const long double n = static_cast<long double>(count);
    const long double mean = sum / n;
    if (count == 1)
        return {static_cast<double>(mean), static_cast<double>(mean), static_cast<double>(mean)};
    const long double variance = std::max(0.0L, (sumOfSquares - sum * mean) / (n - 1));
    const long double half = kZ * std::sqrt(variance / n);
    return {static_cast<double>(mean), static_cast<double>(mean - half), static_cast<double>(mean + half)};
}
