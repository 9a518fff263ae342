// The whole program played at random through its real windows: whatever the
// player clicks, and whenever, no money goes astray and nothing breaks.
//
//   QUELTA_SEED=n      replays the game of seed n (the default is fixed)
//   QUELTA_ACTIONS=n   plays n top-level actions
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "RandomPlayer.h"
#include "TableInvariants.h"
#include "TableLedger.h"
#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/SteppingClock.h"

#ifndef QUELTA_RANDOM_PLAY_ACTIONS
#define QUELTA_RANDOM_PLAY_ACTIONS 2000
#endif

namespace {
constexpr std::uint64_t kDefaultSeed = 20'240'611;
constexpr long long kDefaultActions = QUELTA_RANDOM_PLAY_ACTIONS;
// Every reading of the clock moves it on, so a sweep or the pause of chip
// removal passes in a few yields, each one a chance for the player to act.
constexpr double kSecondsPerReading = 0.05;
constexpr std::size_t kLogLinesShown = 60;

long long fromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    return std::strtoll(text, nullptr, 10);
}

std::string saveLog(const std::vector<std::string>& log, std::uint64_t seed) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quelta_random_play_" + std::to_string(seed) + ".log");
    std::ofstream out(path);
    for (const std::string& line : log)
        out << line << '\n';
    return path.string();
}

std::string report(const std::vector<std::string>& faults, const RandomPlayer& player, std::uint64_t seed,
                   long long action) {
    std::string text = "after top-level action " + std::to_string(action) + " of seed " + std::to_string(seed) +
                       " (replay: QUELTA_SEED=" + std::to_string(seed) +
                       " QUELTA_ACTIONS=" + std::to_string(action + 1) + ")\n";
    for (const std::string& fault : faults)
        text += "  " + fault + "\n";
    const auto& log = player.log();
    text += "last actions:\n";
    for (std::size_t i = log.size() > kLogLinesShown ? log.size() - kLogLinesShown : 0; i < log.size(); ++i)
        text += "  " + log[i] + "\n";
    text += "whole log: " + saveLog(log, seed) + "\n";
    return text;
}
} // namespace

TEST(RandomPlay, noMoneyIsLostAndTheTableStaysConsistentWhateverThePlayerClicks) {
    const auto seed = static_cast<std::uint64_t>(fromEnvironment("QUELTA_SEED", kDefaultSeed));
    const long long actions = fromEnvironment("QUELTA_ACTIONS", kDefaultActions);
    std::cout << "seed " << seed << ", " << actions << " actions\n";

    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerReading), std::make_unique<RandomGenerator>(seed));
    TableLedger ledger(window);
    RandomPlayer player(window, seed, RandomPlayer::Limits{});
    player.setAfterEachAction([&] {
        if (!window.game().state().stats.loaded)
            ledger.historyDiscarded();
    });
    window.start();
    QApplication::processEvents();

    std::vector<std::string> faults = checkTableAtRest(window, ledger);
    ASSERT_TRUE(faults.empty()) << report(faults, player, seed, -1);
    for (long long action = 0; action < actions; ++action) {
        player.playOne();
        faults = checkTableAtRest(window, ledger);
        ASSERT_TRUE(faults.empty()) << report(faults, player, seed, action);
    }
    std::cout << player.actionsPlayed() << " actions (" << player.nestedPlayed() << " inside running operations), "
              << ledger.settledSpins() << " settled spins, " << player.systemSpins() << " of them by "
              << player.systemsPlayed() << " systems played on the table\n";
    for (const auto& [moment, count] : player.nestedByMoment())
        std::cout << "  " << count << " at a " << moment << '\n';
    // A game in which nothing was ever settled would prove nothing about money.
    EXPECT_GT(ledger.settledSpins(), 0);
    EXPECT_GT(player.nestedPlayed(), 0);
    EXPECT_GT(player.systemsPlayed(), 0);
}
