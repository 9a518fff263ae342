#pragma once

#include <vector>

#include "systems/System.h"

namespace systems {

// The systems that come with the program, each with its name and a paragraph
// on how it is played, on `wheel` with a $500 bankroll of $1 chips and
// 400-spin sessions.
std::vector<System> namedSystems(Wheel wheel = Wheel::European);

} // namespace systems
