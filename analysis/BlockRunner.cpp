#include "analysis/BlockRunner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
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

bool runBlocks(std::int64_t blocks, unsigned threads, std::stop_token stop, const ProgressSink& progress,
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

    {
        std::vector<std::jthread> helpers;
        const unsigned workers = workerCount(blocks, threads);
        for (unsigned worker = 1; worker < workers; ++worker)
            helpers.emplace_back(runWorker, worker);
        runWorker(0);
    } // joins the helpers
    if (failure)
        std::rethrow_exception(failure);
    return nextBlock.load() >= blocks; // every block was taken, so every block was done
}
