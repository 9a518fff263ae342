#pragma once

// The regularised upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a),
// for 0 < a <= kMaxGammaShape and x >= 0: the chance that a chi-square with
// 2a degrees of freedom exceeds 2x. Accurate to some 1e-12 relative over that
// domain (the sums take of the order of sqrt(a) terms); throws
// std::domain_error outside it.
inline constexpr double kMaxGammaShape = 1e8;
double upperRegularisedGamma(double a, double x);
