#pragma once

#include "analysis/BettingSystem.h"
#include "systems/System.h"

namespace systems {

// The name the layout on the table goes by as a system.
inline constexpr const char* kLayoutSystemName = "The chips on the table";

// The layout on the table with its session rules as a system of one fixed
// bet: the same spots and chips every spin, staked along the progression.
System systemOfLayout(const BettingSystem& table);

} // namespace systems
