#include "TableLedger.h"

#include <algorithm>

#include "SettlementOracle.h"
#include "game/Captions.h"
#include "game/QueltaGame.h"
#include "results/ResultHistory.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/QtScreen.h"

namespace {
constexpr std::size_t kStripLength = 10;

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }
} // namespace

TableLedger::TableLedger(FrmQuelta& window) : window_(window) {
    window_.screen().setCaptionHook([this](ControlRef control, std::string_view text) { captionSet(control, text); });
}

TableLedger::~TableLedger() { window_.screen().setCaptionHook({}); }

void TableLedger::captionSet(ControlRef control, std::string_view text) {
    if (control == ctl::lblYouWon) {
        spinSettled(text);
    } else if (control == ctl::lblRes(1)) {
        numberRecorded(text);
    } else if (control == ctl::lblResultsHeading && text == captions::initialisingWheel) {
        // Written after the money is zeroed and before the wheel spins again.
        winnings_ = Money{};
    } else if (control == ctl::lblResultsHeading && text == captions::winningNumber) {
        // Written once the hit counts are cleared, just before the history is emptied.
        numberHits_.fill(0);
        outsideHits_.fill(0);
        history_.clear();
    }
}

void TableLedger::spinSettled(std::string_view payoutShown) {
    const GameState& state = window_.game().state();
    const int pocket = state.WinningNumber;
    if (pocket < 0 || pocket >= kPocketCount) {
        faults_.push_back("a spin was settled on pocket code " + std::to_string(pocket));
        return;
    }
    std::int64_t chipsOnLayout = 0;
    for (ChipCount stake : state.Stakes)
        chipsOnLayout += stake;
    const std::int64_t returned = oracle::returnInChips(state.Stakes, oracle::wheelOf(state), pocket);
    const Money unit = oracle::chipValue(state);
    winnings_ += unit * returned - unit * chipsOnLayout;
    if (payoutShown != std::to_string(returned))
        faults_.push_back("spin on " + std::string(pocketText(pocket)) + " showed payout \"" +
                          std::string(payoutShown) + "\", the rules pay " + std::to_string(returned));

    ++numberHits_[static_cast<std::size_t>(pocket)];
    const oracle::OutsideWins wins = oracle::outsideWinners(pocket);
    for (std::size_t i = 0; i < wins.size(); ++i)
        outsideHits_[i] += wins[i] ? 1 : 0;
    awaitingRecord_.push_back(pocket);
    ++settledSpins_;
}

void TableLedger::numberRecorded(std::string_view stripCaption) {
    if (isBlank(stripCaption)) {
        // Re-initialisation blanks the strip.
        strip_.clear();
        return;
    }
    const GameState& state = window_.game().state();
    const int pocket = state.WinningNumber;
    if (stripCaption != pocketText(pocket))
        faults_.push_back("the strip shows \"" + std::string(stripCaption) + "\" for pocket " +
                          std::string(pocketText(pocket)));
    const auto settled = std::find(awaitingRecord_.rbegin(), awaitingRecord_.rend(), pocket);
    if (settled != awaitingRecord_.rend()) {
        awaitingRecord_.erase(std::next(settled).base());
    } else if (!startUpSpinRecorded_) {
        // The start-up spin is shown and recorded but never settled.
        startUpSpinRecorded_ = true;
    } else {
        faults_.push_back("pocket " + std::string(pocketText(pocket)) + " was recorded but never settled");
    }
    strip_.push_front(pocket);
    if (strip_.size() > kStripLength)
        strip_.pop_back();
    if (!state.FreshWheel) {
        history_.push_front(pocket);
        if (history_.size() > static_cast<std::size_t>(ResultHistory::kCapacity))
            history_.pop_back();
    }
}
