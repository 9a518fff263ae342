#include <string>

#include "game/QueltaGame.h"
#include "results/SpinCountText.h"
#include "ui/Screen.h"

namespace {
constexpr int kStripLength = 10;
}

void QueltaGame::RecordResult() {
    if (!state_.FreshWheel) {
        if (!state_.stats.loaded)
            loadStatsHidden();
        // The history takes the number this spin settled rather than whatever
        // lblWinningNumber shows: a spin nested at one of this spin's yields
        // may have drawn onto the label since.
        state_.stats.history.push(state_.WinningNumber);
        screen_.setCaption(ctl::lbl400(1), spinCountText(state_.SpinCount));
        screen_.showHistory(state_.stats.history, state_.NumberHits);
    }

    // The strip is painted from the old end, then the slots move along.
    for (int k = kStripLength; k >= 2; --k)
        showStrip(k, state_.RecentNumbers[static_cast<std::size_t>(k - 2)]);
    showStrip(1, state_.WinningNumber);
    for (std::size_t k = state_.RecentNumbers.size() - 1; k > 0; --k)
        state_.RecentNumbers[k] = state_.RecentNumbers[k - 1];
    state_.RecentNumbers[0] = state_.WinningNumber;
}

std::string QueltaGame::HitCountTip(int historyIndex) const {
    if (!state_.stats.loaded || historyIndex < 0 || historyIndex >= ResultHistory::kCapacity)
        return {};
    const PocketCode code = state_.stats.history.at(historyIndex);
    if (code < 0 || code >= kPocketCount)
        return {}; // an empty entry has no tooltip
    return std::to_string(state_.NumberHits[static_cast<std::size_t>(code)]);
}

void QueltaGame::showStrip(int stripSlot, PocketCode code) {
    const ControlRef label = ctl::lblRes(stripSlot);
    screen_.setBackColour(label, pocketColour(code));
    screen_.setCaption(label, pocketText(code));
}
