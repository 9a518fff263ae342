#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "game/Money.h"
#include "ui/ControlId.h"
#include "ui/Screen.h"

class FrmQuelta;

// The test's own account of a game, kept beside it by watching what the
// game shows: every spin is settled again by the rules at the moment its
// payout appears, and every recorded number is noted when it reaches the
// strip. Re-initialisation and the clearing of hit counts are taken from the
// headings the game writes at those moments.
//
// Attach before FrmQuelta::start(); the window must outlive the ledger's use.
class TableLedger {
public:
    explicit TableLedger(FrmQuelta& window);
    ~TableLedger();
    TableLedger(const TableLedger&) = delete;
    TableLedger& operator=(const TableLedger&) = delete;

    // Winnings every settled spin since the last re-initialisation adds up to.
    Money winnings() const { return winnings_; }
    const NumberHitCounts& numberHits() const { return numberHits_; }
    const std::array<std::int32_t, 12>& outsideHits() const { return outsideHits_; }
    // Newest first; the last-ten strip holds at most ten.
    const std::deque<int>& strip() const { return strip_; }
    // Newest first; what the 400-entry history must hold.
    const std::deque<int>& history() const { return history_; }
    long long settledSpins() const { return settledSpins_; }
    // Everything the ledger saw that broke a rule at the moment it happened.
    const std::vector<std::string>& faults() const { return faults_; }

    // The statistics window was unloaded, and its history with it.
    void historyDiscarded() { history_.clear(); }

private:
    void captionSet(ControlRef control, std::string_view text);
    void spinSettled(std::string_view payoutShown);
    void numberRecorded(std::string_view stripCaption);

    FrmQuelta& window_;
    Money winnings_;
    NumberHitCounts numberHits_{};
    std::array<std::int32_t, 12> outsideHits_{};
    std::deque<int> strip_;
    std::deque<int> history_;
    // Settled numbers not yet recorded: a spin nested in the pause of chip
    // removal is recorded before the spin it interrupted.
    std::vector<int> awaitingRecord_;
    long long settledSpins_ = 0;
    bool startUpSpinRecorded_ = false;
    std::vector<std::string> faults_;
};
