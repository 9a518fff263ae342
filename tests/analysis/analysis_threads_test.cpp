// The analyser on a system that runs out of threads or is stopped in the
// middle of its work: what started shares the work, what did not start is
// told in a sentence, and whoever owns a job never waits for its threads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "analysis/AnalysisJob.h"
#include "analysis/BlockRunner.h"
#include "analysis/ExactPlan.h"

namespace {

// A starter that starts `allowed` threads and then fails as the system does
// when it has none to spare, or (outOfMemory) as it does when memory is short.
ThreadStarter failingAfter(int allowed, bool outOfMemory = false) {
    auto left = std::make_shared<std::atomic<int>>(allowed);
    return [left, outOfMemory](std::function<void()> body) {
        if (left->fetch_sub(1) <= 0) {
            if (outOfMemory)
                throw std::bad_alloc();
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::thread(std::move(body));
    };
}

void waitForAllJobs() {
    while (AnalysisJob::jobsAtWork() != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Monte Carlo's ground: too large for the exact method, quick to simulate.
BettingSystem straightOnSeventeen() {
    BettingSystem system;
    system.stakes[static_cast<std::size_t>(*slotOfName("lblSeventeen"))] = 1;
    system.rules.bankroll = Money::fromDollars(1'000'000);
    system.rules.spinsPerSession = 5'000;
    return system;
}

} // namespace

TEST(BlockRunner, everyBlockIsDoneOnceByTheThreadsThatStartedWhateverFailsToStart) {
    constexpr std::int64_t kBlocks = 64;
    for (unsigned threads = 1; threads <= 16; ++threads) {
        for (unsigned helpers = 0; helpers < threads; ++helpers) {
            std::vector<std::atomic<int>> done(kBlocks);
            std::vector<std::atomic<bool>> workerSeen(threads);
            WorkerThreads workers(threads, failingAfter(static_cast<int>(helpers), helpers % 2 == 1));
            unsigned told = 0;
            workers.shortOfThreads = [&](unsigned started, unsigned wanted) {
                EXPECT_EQ(wanted, threads);
                told = started;
            };
            const bool complete = runBlocks(kBlocks, workers, {}, {}, [&](std::int64_t block, unsigned worker) {
                ++done[static_cast<std::size_t>(block)];
                workerSeen[worker] = true;
            });
            EXPECT_TRUE(complete);
            for (std::int64_t block = 0; block < kBlocks; ++block)
                ASSERT_EQ(done[static_cast<std::size_t>(block)], 1) << threads << " threads, " << helpers << " helpers";
            EXPECT_EQ(told, helpers + 1 < threads ? helpers + 1 : 0) << threads << " threads";
            for (unsigned worker = helpers + 1; worker < threads; ++worker)
                EXPECT_FALSE(workerSeen[worker]) << "worker " << worker << " never started";
        }
    }
}

TEST(AnalysisJob, threadsThatCannotStartEndTheJobWithASentenceOrLeaveTheSameFiguresOnFewer) {
    const BettingSystem system = straightOnSeventeen();
    ASSERT_FALSE(exactMethodFits(system));
    constexpr std::int64_t kSessions = 600;
    const SessionOutcome alone = simulateSessions(system, kSessions, 7, 1);

    for (const bool outOfMemory : {false, true}) {
        AnalysisJob none(system, std::nullopt, kSessions, 7, 4, failingAfter(0, outOfMemory));
        EXPECT_TRUE(none.finished()) << "nothing started, so nothing to wait for";
        EXPECT_FALSE(none.result());
        EXPECT_EQ(none.error(), outOfMemory ? AnalysisJob::kNoMemory : AnalysisJob::kNoThreads);
    }

    // The job's own thread and one helper of the four asked for.
    AnalysisJob fewer(system, std::nullopt, kSessions, 7, 4, failingAfter(2));
    while (!fewer.finished())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(fewer.result()) << fewer.error();
    EXPECT_EQ(fewer.result()->threadsStarted, 2U);
    EXPECT_EQ(fewer.result()->threadsWanted, 4U);
    EXPECT_EQ(fewer.result()->sessions.sessions, kSessions);
    EXPECT_EQ(fewer.result()->sessions.notCovered.value, alone.notCovered.value);
    EXPECT_EQ(fewer.result()->sessions.meanEndChips.value, alone.meanEndChips.value);
    EXPECT_EQ(fewer.result()->sessions.medianEndChips, alone.medianEndChips);
}

TEST(AnalysisJob, itsOwnerNeverWaitsForItsThreads) {
    // Threads that cannot begin until the test lets them: an owner that
    // waited for them would never get past the end of the block below.
    std::promise<void> gate;
    std::shared_future<void> open = gate.get_future().share();
    ThreadStarter held = [open](std::function<void()> body) {
        return std::thread([open, body = std::move(body)] {
            open.wait();
            body();
        });
    };
    BettingSystem endless = straightOnSeventeen();
    endless.rules.spinsPerSession = kMaxSpinsPerSession;
    {
        AnalysisJob job(endless, endless, kMaxSessions, 1, 3, held);
        job.cancel();
        EXPECT_FALSE(job.finished());
    }
    EXPECT_EQ(AnalysisJob::jobsAtWork(), 1) << "cancelled and abandoned, it is still on its way out";
    gate.set_value();
    waitForAllJobs();
}

TEST(ExactSessions, aStopAtAnyMomentOfTheLargestTablesEndsTheWork) {
    // Red alone from 100,000 chips for 15,000 spins: the exact method's
    // budget, a second of work unheeded.
    BettingSystem system;
    system.unit = BettingUnit::OneDollar;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(100'000);
    system.rules.spinsPerSession = 15'000;
    ASSERT_TRUE(exactMethodFits(system));
    for (const int afterMs : {0, 1, 3, 10}) {
        std::stop_source stop;
        std::future<SessionOutcome> outcome =
            std::async(std::launch::async, [&] { return analyseExactly(system, stop.get_token()); });
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        stop.request_stop();
        EXPECT_LT(outcome.get().bands.size(), 15'001U) << "stopped after " << afterMs << " ms";
    }
}
