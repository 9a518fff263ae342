#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "analysis/SessionReplay.h"

TEST(SessionReplay, playsTheSystemOnThePocketsAndStopsWhereItWould) {
    // Red is 1, black 2; a Martingale from 63 chips with a target of 64.
    constexpr PocketCode kRed = 1, kBlack = 2, kZero = 0;
    struct Case {
        const char* what;
        Progression progression;
        std::int32_t spins;
        std::vector<PocketCode> pockets;
        std::vector<std::int64_t> path;
        std::optional<SessionEnd> end;
    };
    const std::vector<Case> cases = {
        {"five losses, then a win reaches the target",
         Progression::Martingale,
         400,
         {kBlack, kZero, kBlack, kBlack, kBlack, kRed, kRed},
         {63, 62, 60, 56, 48, 32, 64},
         SessionEnd::Target},
        {"six losses leave nothing to stake",
         Progression::Martingale,
         400,
         {kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kRed},
         {63, 62, 60, 56, 48, 32, 0},
         SessionEnd::NotCovered},
        {"flat play stops when its spins are done",
         Progression::Flat,
         3,
         {kBlack, kRed, kBlack, kRed},
         {63, 62, 63, 62},
         SessionEnd::SpinsDone},
        {"the pockets run out first", Progression::Martingale, 400, {kBlack, kBlack}, {63, 62, 60}, std::nullopt},
    };
    for (const Case& c : cases) {
        BettingSystem system;
        system.stakes[slot::lblRed] = 1;
        system.rules.bankroll = Money::fromDollars(63);
        system.rules.target = Money::fromDollars(64);
        system.rules.progression = c.progression;
        system.rules.spinsPerSession = c.spins;
        const ReplayedSession replay = replaySession(system, c.pockets);
        EXPECT_EQ(replay.bankrollChips, c.path) << c.what;
        EXPECT_EQ(replay.end, c.end) << c.what;
    }
}
