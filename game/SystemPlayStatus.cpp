#include "game/SystemPlayStatus.h"

namespace {

std::string spinsText(std::int32_t spins) { return std::to_string(spins) + (spins == 1 ? " spin" : " spins"); }

// "the bankroll is $512.00, up $12.00 on the $500.00 it started with"
std::string bankrollText(const SystemPlayStatus& s) {
    std::string text = "the bankroll is " + formatCurrencyUs(s.bankroll);
    if (s.bankroll > s.start)
        text += ", up " + formatCurrencyUs(s.bankroll - s.start);
    else if (s.bankroll < s.start)
        text += ", down " + formatCurrencyUs(s.start - s.bankroll);
    else
        text += ", even";
    return text + " on the " + formatCurrencyUs(s.start) + " it started with.";
}

} // namespace

std::string describeSystemPlay(const SystemPlayStatus& s) {
    if (s.name.empty() && !s.playing && s.end == SystemPlayEnd::Playing)
        return {};
    const std::string who = s.name + ": ";
    const std::string after = " after " + spinsText(s.spins) + "; ";
    switch (s.end) {
    case SystemPlayEnd::Playing:
        return who + (s.stopAsked ? "stopping after this spin; " : "playing on the table, ") + std::to_string(s.spins) +
               " of " + spinsText(s.spinsPlanned) + " played; " + bankrollText(s);
    case SystemPlayEnd::SpinsDone: return who + "played all " + spinsText(s.spins) + "; " + bankrollText(s);
    case SystemPlayEnd::Target: return who + "reached its target" + after + bankrollText(s);
    case SystemPlayEnd::StopLoss: return who + "reached its stop-loss" + after + bankrollText(s);
    case SystemPlayEnd::NotCovered:
        return who + "stopped" + after + "its next stake, " + formatCurrencyUs(s.nextStake) +
               ", is more than the bankroll of " + formatCurrencyUs(s.bankroll) + ", which started at " +
               formatCurrencyUs(s.start) + ".";
    case SystemPlayEnd::OwnRule: return who + "stopped by its own rule" + after + bankrollText(s);
    case SystemPlayEnd::Stopped: return who + "stopped by the player" + after + bankrollText(s);
    case SystemPlayEnd::TableReset:
        return who + "stopped" + after.substr(0, after.size() - 2) +
               " because the table was re-initialised, which clears its winnings.";
    case SystemPlayEnd::Refused: return who + "cannot be played: " + s.problem;
    }
    return {};
}
