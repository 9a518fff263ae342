#pragma once

#include <cstddef>
#include <vector>

#include "game/Money.h"
#include "game/Pocket.h"

// The money of every spin settled since the table was last re-initialised, in
// the order the spins were settled, nested ones included. Memory only.
struct LedgerEntry {
    Money bet;
    Money returned;
    PocketCode pocket;
};

class SessionLedger {
public:
    void record(const LedgerEntry& entry) { entries_.push_back(entry); }
    void clear() { entries_.clear(); }
    const std::vector<LedgerEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }

private:
    std::vector<LedgerEntry> entries_;
};
