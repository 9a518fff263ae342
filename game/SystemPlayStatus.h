#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Money.h"

// Why a system playing on the table stopped, or that it still plays.
enum class SystemPlayEnd : std::uint8_t {
    Playing,
    SpinsDone,  // every spin of its session was played
    Target,     // the bankroll reached the session's target
    StopLoss,   // the bankroll fell to the session's stop-loss
    NotCovered, // the next stake is more than the bankroll
    OwnRule,    // the system's own stop: after a win, or at the end of a series
    Stopped,    // the player pressed Stop, or took the chips off with Remove Chips
    TableReset, // Reset, a wheel or a unit change re-initialised the table
    Refused,    // the system could not be played at all
};

// A system's session on the table as the player follows it. The bankroll is
// the session's own: its starting money plus what its spins won and lost.
struct SystemPlayStatus {
    bool playing = false;
    bool stopAsked = false; // Stop was pressed; the run ends before its next spin
    std::string name;
    std::int32_t spins = 0; // spins the system has played
    std::int32_t spinsPlanned = 0;
    Money start;
    Money bankroll;
    Money nextStake;
    std::vector<Money> bankrolls; // at the start, then after each spin played
    SystemPlayEnd end = SystemPlayEnd::Playing;
    std::string problem; // why it was refused
};

// One or two plain sentences on where the session stands; empty before any
// system was played.
std::string describeSystemPlay(const SystemPlayStatus& status);
