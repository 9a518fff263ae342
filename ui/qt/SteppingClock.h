#pragma once

#include "ui/Screen.h"

// A clock for unattended runs (tests, screenshots, benchmarks): every
// reading moves it on by a fixed step, so the game's timed pauses and the
// wheel sweep finish after a few yields instead of seconds.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(double secondsPerReading) : step_(secondsPerReading) {}

    double now() override {
        seconds_ += step_;
        return seconds_;
    }

private:
    double step_;
    double seconds_ = 0;
};
