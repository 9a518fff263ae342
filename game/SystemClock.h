#pragma once

#include "ui/Screen.h"

// Seconds of the monotonic system clock. Unlike the time of day it never
// jumps back, so a pause that spans midnight or a clock change still ends.
class SystemClock final : public Clock {
public:
    double now() override;
};
