#pragma once

#include <array>

#include "game/Pocket.h"

// The last 400 recorded winning numbers, entry 0 the newest. An entry that no
// number has reached yet holds kNoNumber. Pushing is O(1): the entries are a
// ring, so the statistics window can afford one update per spin.
class ResultHistory {
public:
    static constexpr int kCapacity = 400;

    void push(PocketCode code);
    void clear();
    // 0 <= index < kCapacity
    PocketCode at(int index) const;
    // How many entries hold a number, at most kCapacity.
    int filled() const { return filled_; }
    // Counts every push and clear, so a viewer can tell that it changed.
    unsigned long long revision() const { return revision_; }

private:
    std::array<PocketCode, kCapacity> ring_{};
    int newest_ = 0;
    int filled_ = 0;
    unsigned long long revision_ = 0;
};
