#pragma once

#include <cstdint>
#include <stop_token>

#include "systems/StateGraph.h"
#include "systems/SystemAnalysis.h"

namespace systems {

// The Monte Carlo run of simulateSystem over `graph`'s tables, or over the
// rules themselves when `graph` is null; both give the same figures for the
// same seed. The system must be one problemWith accepts.
SystemOutcome simulateOn(const System& system, const StateGraph* graph, std::int64_t sessions, std::uint64_t seed,
                         const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress);

// Whether the exact method's work and memory for the graph are within its budget.
bool exactFits(const System& system, const StateGraph& graph);

// The exact figures over the graph, or nothing when they are beyond the
// exact method's budget. The path figures are left empty. When stopped the
// figures are to be discarded.
std::optional<SystemOutcome> solveExactly(const System& system, const StateGraph& graph, std::stop_token stop,
                                          const ProgressSink& progress);

} // namespace systems
