#include "systems/SystemAnalysis.h"

#include <stdexcept>
#include <string>

#include "systems/SystemSimulation.h"

namespace systems {
namespace {

void requirePlayable(const System& system, std::int64_t sessions) {
    if (const auto problem = problemWith(system))
        throw std::invalid_argument(*problem);
    if (sessions < 1 || sessions > kMaxSessions)
        throw std::invalid_argument("The number of sessions must be from 1 to " + std::to_string(kMaxSessions) + ".");
}

// The exact figures with the path figures of a simulation beside them.
SystemOutcome withPathFigures(SystemOutcome exact, const SystemOutcome& simulated) {
    exact.seed = simulated.seed;
    exact.sessions = simulated.sessions;
    exact.largestDrawdown = simulated.largestDrawdown;
    exact.meanLargestDrawdown = simulated.meanLargestDrawdown;
    exact.longestLosingStreak = simulated.longestLosingStreak;
    exact.meanLongestLosingStreak = simulated.meanLongestLosingStreak;
    exact.largestStake = simulated.largestStake;
    exact.meanLargestStake = simulated.meanLargestStake;
    exact.limitStopped = simulated.limitStopped;
    exact.bankrollStopped = exact.end(EndReason::NotCovered);
    exact.samplePaths = simulated.samplePaths;
    exact.bands = simulated.bands;
    return exact;
}

// Progress of two parts of one run, the first taking `share` of it.
ProgressSink part(const ProgressSink& progress, double from, double share) {
    if (!progress)
        return {};
    return [progress, from, share](double done) { progress(from + share * done); };
}

} // namespace

bool exactMethodTakes(const System& system) {
    if (problemWith(system))
        return false;
    const auto graph = buildStateGraph(system, kMostGraphStates);
    return graph && exactFits(system, *graph);
}

SystemOutcome simulateSystem(const System& system, std::int64_t sessions, std::uint64_t seed, unsigned threads,
                             std::stop_token stop, const ProgressSink& progress) {
    requirePlayable(system, sessions);
    const auto graph = buildStateGraph(system, kMostGraphStates);
    return simulateOn(system, graph ? &*graph : nullptr, sessions, seed, threads, std::move(stop), progress);
}

SystemOutcome analyseSystemExactly(const System& system, std::int64_t sessions, std::uint64_t seed, unsigned threads,
                                   std::stop_token stop, const ProgressSink& progress) {
    requirePlayable(system, sessions);
    const auto graph = buildStateGraph(system, kMostGraphStates);
    std::optional<SystemOutcome> exact;
    if (graph)
        exact = solveExactly(system, *graph, stop, part(progress, 0, 0.5));
    if (!exact)
        throw std::invalid_argument("The system has too many states to analyse exactly.");
    if (stop.stop_requested())
        return *exact;
    const SystemOutcome simulated =
        simulateOn(system, &*graph, sessions, seed, threads, stop, part(progress, 0.5, 0.5));
    return withPathFigures(std::move(*exact), simulated);
}

SystemOutcome analyseSystem(const System& system, MethodChoice choice, std::int64_t sessions, std::uint64_t seed,
                            unsigned threads, std::stop_token stop, const ProgressSink& progress) {
    requirePlayable(system, sessions);
    switch (choice) {
    case MethodChoice::Exact: return analyseSystemExactly(system, sessions, seed, threads, stop, progress);
    case MethodChoice::MonteCarlo: return simulateSystem(system, sessions, seed, threads, stop, progress);
    case MethodChoice::Auto: break;
    }
    const auto graph = buildStateGraph(system, kMostGraphStates);
    if (graph && exactFits(system, *graph)) {
        if (auto exact = solveExactly(system, *graph, stop, part(progress, 0, 0.5))) {
            if (stop.stop_requested())
                return *exact;
            const SystemOutcome simulated =
                simulateOn(system, &*graph, sessions, seed, threads, stop, part(progress, 0.5, 0.5));
            return withPathFigures(std::move(*exact), simulated);
        }
    }
    return simulateOn(system, graph ? &*graph : nullptr, sessions, seed, threads, std::move(stop), progress);
}

} // namespace systems

namespace systems {

std::optional<SystemOutcome> exactFiguresOf(const System& system, MethodChoice choice, std::stop_token stop,
                                            const ProgressSink& progress) {
    if (const auto problem = problemWith(system))
        throw std::invalid_argument(*problem);
    if (choice == MethodChoice::MonteCarlo)
        return std::nullopt;
    const auto graph = buildStateGraph(system, kMostGraphStates);
    std::optional<SystemOutcome> exact;
    if (graph && (choice == MethodChoice::Exact || exactFits(system, *graph)))
        exact = solveExactly(system, *graph, std::move(stop), progress);
    if (!exact && choice == MethodChoice::Exact)
        throw std::invalid_argument("The system has too many states to analyse exactly.");
    return exact;
}

SystemOutcome completeAnalysis(const System& system, std::optional<SystemOutcome> exact, std::int64_t sessions,
                               std::uint64_t seed, const WorkerThreads& threads, std::stop_token stop,
                               const ProgressSink& progress) {
    requirePlayable(system, sessions);
    const auto graph = buildStateGraph(system, kMostGraphStates);
    const SystemOutcome simulated =
        simulateOn(system, graph ? &*graph : nullptr, sessions, seed, threads, std::move(stop), progress);
    return exact ? withPathFigures(std::move(*exact), simulated) : simulated;
}

} // namespace systems
