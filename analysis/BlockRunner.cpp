#include "analysis/BlockRunner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {
constexpr unsigned kMostThreads = 256; // more would only cost memory and switching
}

std::int64_t sessionsPerBlock(std::int32_t spinsPerSession) {
    return std::max<std::int64_t>(1, 262'144 / std::max<std::int32_t>(spinsPerSession, 1));
}

unsigned workerCount(std::int64_t blocks, unsigned threads) {
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min(threads, kMostThreads);
    return static_cast<unsigned>(std::clamp<std::int64_t>(blocks, 1, threads));
}

bool runBlocks(std::int64_t blocks, const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress,
               const std::function<void(std::int64_t block, unsigned worker)>& work) {
    std::atomic<std::int64_t> nextBlock{0};
    std::atomic<bool> failed{false};
    std::int64_t blocksDone = 0; // under progressMutex, so reports never go backwards
    std::mutex progressMutex;
    std::exception_ptr failure;

    auto runWorker = [&](unsigned worker) {
        try {
            while (!stop.stop_requested() && !failed.load(std::memory_order_relaxed)) {
                const std::int64_t block = nextBlock.fetch_add(1, std::memory_order_relaxed);
                if (block >= blocks)
                    return;
                work(block, worker);
                if (progress) {
                    const std::scoped_lock lock(progressMutex);
                    ++blocksDone;
                    progress(static_cast<double>(blocksDone) / static_cast<double>(blocks));
                }
            }
        } catch (...) {
            const std::scoped_lock lock(progressMutex);
            if (!failure)
                failure = std::current_exception();
            failed.store(true, std::memory_order_relaxed);
        }
    };

    const unsigned workers = workerCount(blocks, threads.count);
    std::vector<std::thread> helpers;
    helpers.reserve(workers - 1); // so that keeping a started thread cannot throw
    for (unsigned worker = 1; worker < workers; ++worker) {
        try {
            helpers.push_back(threads.start([&runWorker, worker] { runWorker(worker); }));
        } catch (const std::system_error&) {
            break; // no thread to spare: the ones started share the blocks
        } catch (const std::bad_alloc&) {
            break;
        }
    }
    runWorker(0);
    for (std::thread& helper : helpers)
        helper.join();
    const auto started = static_cast<unsigned>(helpers.size()) + 1;
    if (failure)
        std::rethrow_exception(failure);
    if (started < workers && threads.shortOfThreads)
        threads.shortOfThreads(started, workers);
    return nextBlock.load() >= blocks; // every block was taken, so every block was done
}
