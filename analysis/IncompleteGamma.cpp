#include "analysis/IncompleteGamma.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kMaxTerms = 1000;
constexpr double kTolerance = 1e-15;

// P(a, x) by its power series, which converges quickly for x < a + 1.
double lowerBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kTolerance)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by its continued fraction (modified Lentz), for x >= a + 1.
double upperByContinuedFraction(double a, double x) {
    constexpr double tiny = std::numeric_limits<double>::min() / kTolerance;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int n = 1; n < kMaxTerms; ++n) {
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
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double upperRegularisedGamma(double a, double x) {
    if (x <= 0.0)
        return 1.0;
    if (x < a + 1.0)
        return 1.0 - lowerBySeries(a, x);
    return upperByContinuedFraction(a, x);
}
