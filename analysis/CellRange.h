#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// The live cells of one step of an exact method: indices first..last, none
// when first > last. Taking a span widens it to cover the span too.
struct CellRange {
    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    bool empty() const { return first > last; }
    void take(std::int64_t from, std::int64_t to) {
        first = std::min(first, from);
        last = std::max(last, to);
    }
    std::int64_t width() const { return empty() ? 0 : last - first + 1; }
};
