#pragma once

// The regularised upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a),
// for a > 0 and x >= 0: the chance that a chi-square with 2a degrees of
// freedom exceeds 2x.
double upperRegularisedGamma(double a, double x);
