#pragma once

#include <utility>
#include <vector>

#include "game/QueltaGame.h"
#include "tests/FakeScreen.h"

// The game wired to the recording fakes: a clock that moves only at yields,
// a screen that records, and a random source that draws the given fractions.
// Fixtures derive from it and add the set-up their tests share.
struct FakeTable {
    explicit FakeTable(std::vector<double> fractions = {0.0}, double secondsPerYield = 0.01)
        : screen(&clock, secondsPerYield), random(std::move(fractions)) {}

    FakeClock clock;
    FakeScreen screen;
    ScriptedRandom random;
    QueltaGame game{screen, clock, random};
};
