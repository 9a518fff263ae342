#pragma once

#include <cstdint>

#include "analysis/SessionAnalysis.h"

// 95% intervals for Monte Carlo figures.
// A probability from `hits` of `trials`: the Wilson score interval, which
// stays inside [0, 1] and is sound for rare events, even at zero hits.
Estimate wilsonInterval(std::int64_t hits, std::int64_t trials);

// A mean from the sum and the sum of squares of `count` values: the normal
// interval, mean +- 1.96 standard errors.
Estimate meanInterval(long double sum, long double sumOfSquares, std::int64_t count);
