#pragma once

#include <random>

#include "ui/Screen.h"

// A clock that moves on a hundredth of a second each time it is read, so the
// game's pauses end at once and a benchmark measures the work, not the wait.
class SteppingClock final : public Clock {
public:
    double now() override { return seconds += 0.01; }
    double seconds = 0;
};

// Cheap, repeatable draws that ignore the game's reseeding, so every run of a
// benchmark plays the same numbers.
class FastRandom final : public RandomSource {
public:
    void seed(double) override {}
    double fraction() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_{42};
};
