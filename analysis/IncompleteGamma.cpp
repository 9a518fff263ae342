#include "analysis/IncompleteGamma.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double kTolerance = 1e-15;

// Both sums below shrink their terms only after some sqrt(a) of them when x
// is near a; allow that many and a margin.
int maxTermsFor(double a) { return 1000 + static_cast<int>(50 * std::sqrt(a)); }

// log(1 + t) - t, without the cancellation of the difference for small t.
double log1pMinus(double t) {
    if (std::fabs(t) >= 0.25)
        return std::log1p(t) - t;
    double power = t * t, sum = 0;
    for (int k = 2; k < 60; ++k) {
        const double term = (k % 2 == 0 ? -power : power) / k;
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kTolerance)
            break;
        power *= t;
    }
    return sum;
}

// log(x^a e^-x / Γ(a)). For large a the three terms are each near a log a
// and cancel; written around x = a with Stirling's series for log Γ(a) they
// do not.
double logPrefactor(double a, double x) {
    if (a < 10)
        return a * std::log(x) - x - std::lgamma(a);
    const double a2 = a * a;
    const double stirling = (1.0 / 12 - (1.0 / 360 - (1.0 / 1260 - 1.0 / (1680 * a2)) / a2) / a2) / a;
    return a * log1pMinus((x - a) / a) + 0.5 * std::log(a / (2 * std::numbers::pi)) - stirling;
}

// P(a, x) by its power series, which converges for x < a + 1.
double lowerBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    const int terms = maxTermsFor(a);
    for (int n = 1; n < terms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kTolerance)
            break;
    }
    return sum * std::exp(logPrefactor(a, x));
}

// Q(a, x) by its continued fraction (modified Lentz), for x >= a + 1.
double upperByContinuedFraction(double a, double x) {
    constexpr double tiny = std::numeric_limits<double>::min() / kTolerance;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    const int terms = maxTermsFor(a);
    for (int n = 1; n < terms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < kTolerance)
            break;
    }
    return std::exp(logPrefactor(a, x)) * h;
}

} // namespace

double upperRegularisedGamma(double a, double x) {
    if (!(a > 0 && a <= kMaxGammaShape) || !(x >= 0))
        throw std::domain_error("The incomplete gamma function takes 0 < a <= 1e8 and x >= 0.");
    if (x == 0.0)
        return 1.0;
    if (std::isinf(x))
        return 0.0;
    if (x < a + 1.0)
        return std::clamp(1.0 - lowerBySeries(a, x), 0.0, 1.0);
    return std::clamp(upperByContinuedFraction(a, x), 0.0, 1.0);
}
