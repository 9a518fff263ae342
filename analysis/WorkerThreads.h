#pragma once

#include <functional>
#include <thread>
#include <utility>

// Starts a thread running `body`, or throws (std::system_error, as
// std::thread does, when the system has no thread to spare; std::bad_alloc
// when memory is short). Every thread of an analysis is started through one,
// so that a caller can put the analysis on threads of its own kind and a test
// can make the system run out of threads after any number of them.
using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

// The ordinary starter: a plain std::thread.
std::thread startPlainThread(std::function<void()> body);

// How many threads an analysis may use (0: one per core) and how it starts
// them. A bare count converts to it, starting plain threads.
struct WorkerThreads {
    WorkerThreads(unsigned count = 0, ThreadStarter starter = startPlainThread) // NOLINT: a count is enough
        : count(count), start(std::move(starter)) {}

    unsigned count = 0;
    ThreadStarter start;
    // Told, on the calling thread, when fewer workers than asked for could
    // be started and the work went on with the ones that did.
    std::function<void(unsigned started, unsigned wanted)> shortOfThreads;
};
