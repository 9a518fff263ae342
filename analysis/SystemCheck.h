#pragma once

#include <cstdint>

#include "analysis/BettingSystem.h"

// Throws std::invalid_argument with checkSystem's message when the system or
// the number of sessions cannot be analysed.
void requireValidSystem(const BettingSystem& system, std::int64_t sessions);
