#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>

#include "analysis/SessionAnalysis.h"
#include "analysis/WorkerThreads.h"

// Runs `work(block, worker)` for every block 0 to blocks - 1 on
// `threads.count` threads (0: one per core), the calling thread being worker
// 0. Workers take the blocks in order, one at a time, so whatever a block
// computes must not depend on which worker runs it. Between blocks each
// worker checks `stop` and reports the share of blocks done. Returns false
// when stopped before every block was done; an exception thrown by a block
// stops the others at once and is rethrown here. When some helper threads
// cannot be started, the work goes on with those that were, and
// `threads.shortOfThreads` is told.
bool runBlocks(std::int64_t blocks, const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress,
               const std::function<void(std::int64_t block, unsigned worker)>& work);

// Sessions of this length that make a block of about a quarter of a million
// spins, a millisecond or so: short enough for a stop to be noticed at once,
// long enough that taking a block costs nothing. At least one.
std::int64_t sessionsPerBlock(std::int32_t spinsPerSession);

// How many workers runBlocks will start for this request, at most.
unsigned workerCount(std::int64_t blocks, unsigned threads);
