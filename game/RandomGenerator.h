#pragma once

#include <array>
#include <cstdint>

#include "ui/Screen.h"

// xoshiro256** with 53-bit fractions. seed() mixes the value into the
// current state instead of replacing it, so reseeding with an unchanged clock
// value never replays earlier draws.
class RandomGenerator final : public RandomSource {
public:
    // Starts from fresh entropy of the system.
    RandomGenerator();
    // Starts from a fixed state, for reproducible runs.
    explicit RandomGenerator(std::uint64_t initial);

    void seed(double value) override;
    // 0 <= r < 1, uniform on a grid of 2^-53.
    double fraction() override;

private:
    std::uint64_t next();
    void mixIn(std::uint64_t value);

    std::array<std::uint64_t, 4> state_{};
};
