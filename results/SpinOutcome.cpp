#include <string>

#include "game/QueltaGame.h"
#include "ui/Screen.h"

namespace {
// With a dollar or more on the layout a second START during the pause would
// bet chips that are about to be taken off, so START waits out the pause.
constexpr Money kHoldStartFrom = Money::fromDollars(1);
constexpr double kRemovalPauseSeconds = 0.97;
} // namespace

void QueltaGame::SettleSpin() {
    // Every winning spot's return becomes money as soon as it is known.
    Money spinReturn;
    for (std::int64_t chips : SettleOutsideBets())
        if (chips > 0)
            spinReturn += UnitsToMoney(chips);
    spinReturn += UnitsToMoney(SettleInsideBets());

    const Money net = spinReturn - state_.TotalAmountBet;
    // The return is a whole number of chips at the unit it was converted with.
    const std::int64_t returnInUnits = spinReturn.tenThousandths() / UnitsToMoney(1).tenThousandths();
    screen_.setCaption(ctl::lblYouWon, std::to_string(returnInUnits));

    state_.Winnings += net;
    state_.ledger.record({state_.TotalAmountBet, spinReturn, state_.WinningNumber});
    const bool ahead = state_.Winnings >= Money{};
    screen_.setBackColour(ctl::lblWinnings, ahead ? colours::black : colours::red);
    screen_.setTextColour(ctl::lblWinnings, ahead ? colours::white : colours::black);
    screen_.setCaption(ctl::lblWinningsHeading, ahead ? "Winnings" : "Losses");
    screen_.setMoneyCaption(ctl::lblWinnings, state_.Winnings);

    if (!checked(MenuItem::mnuRemoveChips))
        return;

    // A spin nested in the pause stores its own winning number; this spin
    // still has its own to record once the pause is over.
    const PocketCode settled = state_.WinningNumber;
    const std::uint32_t table = state_.reinitialisations;
    if (state_.TotalAmountBet >= kHoldStartFrom)
        screen_.setEnabled(ctl::cmdStart, false);
    pause(kRemovalPauseSeconds);
    ClearLayout();
    state_.TotalAmountBet = Money{};
    ClearStakes();
    screen_.setEnabled(ctl::cmdStart, true);
    if (state_.reinitialisations == table)
        state_.WinningNumber = settled;
}
