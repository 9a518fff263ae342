#include "TableInvariants.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <array>
#include <initializer_list>

#include "SettlementOracle.h"
#include "TableLedger.h"
#include "game/QueltaGame.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

namespace {
using Faults = std::vector<std::string>;
using M = MenuItem;

constexpr std::array<M, 5> kUnitItems{M::mnuTwentyFive, M::mnuFifty, M::mnuOneDollar, M::mnuFiveDollar,
                                      M::mnuTenDollar};
constexpr std::array<M, 5> kMultiSpinItems{M::mnuTenSpins, M::mnuTwentyFiveSpins, M::mnuFiftySpins, M::mnuHundredSpins,
                                           M::mnuDaySpins};
constexpr int kOutsideHitLabels = 12;

std::string text(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label == nullptr ? std::string("<no label>") : label->text().toStdString();
}

QColor colourOf(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

QColor qcolour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// What the windows show for money: the locale's currency text.
std::string currency(Money amount) {
    constexpr double kPerDollar = 10'000.0;
    constexpr int kDecimals = 2;
    return QLocale()
        .toCurrencyString(static_cast<double>(amount.tenThousandths()) / kPerDollar, {}, kDecimals)
        .toStdString();
}

std::string money(Money amount) { return amount.toPlainString(); }

void expect(Faults& faults, bool holds, const std::string& what) {
    if (!holds)
        faults.push_back(what);
}

void checkStakes(FrmQuelta& window, Faults& faults) {
    const GameState& state = window.game().state();
    const Money unit = oracle::chipValue(state);
    const Wheel wheel = oracle::wheelOf(state);
    std::int64_t chips = 0;
    for (const BetSpot& spot : betSpots()) {
        const int stake = state.Stakes[static_cast<std::size_t>(spot.slot)];
        chips += stake;
        const std::string name(spot.name);
        expect(faults, stake >= 0 && stake <= spot.limitOn(wheel),
               name + " holds " + std::to_string(stake) + " chips, limit " + std::to_string(spot.limitOn(wheel)));
        expect(faults, stake == 0 || spot.takesChipsOn(wheel), name + " holds chips on a wheel it is not on");
        const std::string shown = text(window.controls().find(ctl::lblZero(spot.slot)));
        expect(faults, shown == (stake == 0 ? std::string(" ") : std::to_string(stake)),
               name + " shows \"" + shown + "\" for a stake of " + std::to_string(stake));
        const QWidget* marker = window.controls().find(ctl::shpChip(spot.marker));
        expect(faults, marker != nullptr && !marker->isHidden() == (stake > 0),
               name + "'s chip marker is " + (stake > 0 ? "hidden" : "shown") + " for a stake of " +
                   std::to_string(stake));
    }
    expect(faults, state.TotalAmountBet == unit * chips,
           "TotalAmountBet " + money(state.TotalAmountBet) + " for " + std::to_string(chips) + " chips of " +
               money(unit));
    const std::string total = text(window.controls().find(ctl::lblTotalAmountBet));
    expect(faults, total == currency(state.TotalAmountBet),
           "lblTotalAmountBet shows \"" + total + "\" for " + money(state.TotalAmountBet));
}

void checkWinnings(FrmQuelta& window, const TableLedger& ledger, Faults& faults) {
    const GameState& state = window.game().state();
    expect(faults, state.Winnings == ledger.winnings(),
           "Winnings " + money(state.Winnings) + ", the settled spins add up to " + money(ledger.winnings()));
    Money gameLedgerNet;
    for (const LedgerEntry& entry : state.ledger.entries())
        gameLedgerNet += entry.returned - entry.bet;
    expect(faults, gameLedgerNet == state.Winnings,
           "the game's own ledger adds up to " + money(gameLedgerNet) + ", Winnings is " + money(state.Winnings));
    const QWidget* label = window.controls().find(ctl::lblWinnings);
    const std::string shown = text(label);
    // Until the first spin is settled the label is blank.
    if (ledger.settledSpins() == 0) {
        expect(faults, shown == " " || shown == currency(state.Winnings),
               "lblWinnings shows \"" + shown + "\" before any spin");
        return;
    }
    expect(faults, shown == currency(state.Winnings),
           "lblWinnings shows \"" + shown + "\" for " + money(state.Winnings));
    const bool ahead = state.Winnings >= Money{};
    expect(faults, colourOf(label, QPalette::Window) == qcolour(ahead ? colours::black : colours::red),
           "lblWinnings has the wrong background for " + money(state.Winnings));
    expect(faults, colourOf(label, QPalette::WindowText) == qcolour(ahead ? colours::white : colours::black),
           "lblWinnings has the wrong text colour for " + money(state.Winnings));
    const std::string heading = text(window.controls().find(ctl::lblWinningsHeading));
    expect(faults, heading == (ahead ? "Winnings" : "Losses"),
           "heading \"" + heading + "\" over winnings of " + money(state.Winnings));
}

void checkHits(FrmQuelta& window, const TableLedger& ledger, Faults& faults) {
    const GameState& state = window.game().state();
    for (int p = 0; p < kPocketCount; ++p)
        expect(faults,
               state.NumberHits[static_cast<std::size_t>(p)] == ledger.numberHits()[static_cast<std::size_t>(p)],
               "hits of " + std::string(pocketText(p)) + ": " +
                   std::to_string(state.NumberHits[static_cast<std::size_t>(p)]) + ", settled " +
                   std::to_string(ledger.numberHits()[static_cast<std::size_t>(p)]));
    const bool shown = state.checked(M::mnuNumHits);
    for (int i = 0; i < kOutsideHitLabels; ++i) {
        const auto index = static_cast<std::size_t>(i);
        expect(faults, state.OutsideHits[index] == ledger.outsideHits()[index],
               "outside hit count " + std::to_string(i) + ": " + std::to_string(state.OutsideHits[index]) +
                   ", settled " + std::to_string(ledger.outsideHits()[index]));
        const QWidget* label = window.controls().find(ctl::outsideHitLabel(i));
        // Shown: visible with the count. Not shown: hidden, or blank as at start-up.
        const bool showsCount = label != nullptr && !label->isHidden() && text(label) != " ";
        if (shown)
            expect(faults, showsCount && text(label) == std::to_string(state.OutsideHits[index]),
                   "outside hit label " + std::to_string(i) + " shows \"" + text(label) + "\" for " +
                       std::to_string(state.OutsideHits[index]));
        else
            expect(faults, !showsCount,
                   "outside hit label " + std::to_string(i) +
                       " shows a count while Number "
                       "of Hits is off");
    }
}

void checkStrip(FrmQuelta& window, const TableLedger& ledger, Faults& faults) {
    for (int k = 1; k <= 10; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        const int code = index < ledger.strip().size() ? ledger.strip()[index] : kNoNumber;
        const QWidget* label = window.controls().find(ctl::lblRes(k));
        expect(faults, text(label) == std::string(pocketText(code)),
               "lblRes" + std::to_string(k) + " shows \"" + text(label) + "\", recorded " +
                   std::string(pocketText(code)));
        expect(faults, colourOf(label, QPalette::Window) == qcolour(pocketColour(code)),
               "lblRes" + std::to_string(k) + " has the wrong colour for " + std::string(pocketText(code)));
    }
}

void checkHistory(FrmQuelta& window, const TableLedger& ledger, Faults& faults) {
    const GameState& state = window.game().state();
    const ResultHistory& history = state.stats.history;
    expect(faults, history.filled() == static_cast<int>(ledger.history().size()),
           "the history holds " + std::to_string(history.filled()) + " numbers, recorded " +
               std::to_string(ledger.history().size()));
    FrmStats* stats = window.screen().statsWindow();
    const bool onScreen = stats != nullptr && stats->isVisible() && !stats->isMinimized();
    for (int i = 0; i < ResultHistory::kCapacity; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int expected = index < ledger.history().size() ? ledger.history()[index] : kNoNumber;
        if (history.at(i) != expected) {
            faults.push_back("history entry " + std::to_string(i) + " holds " + std::string(pocketText(history.at(i))) +
                             ", recorded " + std::string(pocketText(expected)));
            return;
        }
        if (!onScreen)
            continue;
        const QLabel* cell = stats->cell(i);
        const bool empty = expected == kNoNumber;
        const QString tip = empty ? QString() : QString::number(state.NumberHits[static_cast<std::size_t>(expected)]);
        if (cell->text().toStdString() != std::string(pocketText(expected)) || cell->toolTip() != tip) {
            faults.push_back("history cell " + std::to_string(i) + " shows \"" + cell->text().toStdString() +
                             "\" tip \"" + cell->toolTip().toStdString() + "\" for " +
                             std::string(pocketText(expected)));
            return;
        }
    }
    const bool listed = state.checked(M::mnuLastResults);
    expect(faults, !listed || (stats != nullptr && (stats->isVisible() || stats->isMinimized())),
           "Last Results is checked but the statistics window is not open");
    expect(faults, listed || stats == nullptr || !stats->isVisible(),
           "the statistics window is open while Last Results is unchecked");
}

int checkedCount(const GameState& state, std::initializer_list<M> items) {
    int n = 0;
    for (M item : items)
        n += state.checked(item) ? 1 : 0;
    return n;
}

void checkMenus(FrmQuelta& window, Faults& faults) {
    const GameState& state = window.game().state();
    const auto name = [](M item) { return std::string(menuRow(item).name); };
    for (const MenuRow& row : menuTree()) {
        const QAction* action = window.menus().action(row.item);
        if (row.caption == "-")
            continue;
        expect(faults, action->isChecked() == state.checked(row.item) && action->isEnabled() == state.enabled(row.item),
               "the menu shows " + name(row.item) + " otherwise than the game holds it");
    }
    // Wheel and betting unit: one selected item, disabled; the others enabled.
    const auto oneSelected = [&](std::initializer_list<M> group, const char* what) {
        expect(faults, checkedCount(state, group) == 1, std::string(what) + ": not exactly one item checked");
        for (M item : group)
            expect(faults, state.checked(item) != state.enabled(item), name(item) + " is checked and enabled alike");
    };
    oneSelected({M::mnuAmerican, M::mnuEuropean}, "wheel");
    oneSelected({kUnitItems[0], kUnitItems[1], kUnitItems[2], kUnitItems[3], kUnitItems[4]}, "betting unit");
    expect(faults, checkedCount(state, {M::mnuOn, M::mnuOff}) == 1, "table minimums: not exactly one item checked");

    // Spin mode: exactly one checked; Quick Spin is disabled exactly when checked;
    // Normal Spin, when checked, is disabled.
    expect(faults, state.checked(M::mnuQuickSpin) != state.checked(M::mnuNormalSpin),
           "spin mode: not exactly one item checked");
    expect(faults, state.checked(M::mnuQuickSpin) != state.enabled(M::mnuQuickSpin),
           "Quick Spin is checked and enabled alike");
    expect(faults, !state.checked(M::mnuNormalSpin) || !state.enabled(M::mnuNormalSpin),
           "Normal Spin is checked and enabled");

    // Number of spins: "1" and at most one longer run checked; a checked item
    // is disabled, an unchecked one enabled.
    int multi = 0;
    for (M item : kMultiSpinItems)
        multi += state.checked(item) ? 1 : 0;
    expect(faults, multi <= 1, "more than one run of several spins is checked");
    expect(faults, multi + (state.checked(M::mnuOneSpins) ? 1 : 0) >= 1, "no number of spins is checked");
    for (M item :
         {M::mnuOneSpins, M::mnuTenSpins, M::mnuTwentyFiveSpins, M::mnuFiftySpins, M::mnuHundredSpins, M::mnuDaySpins})
        expect(faults, state.checked(item) != state.enabled(item), name(item) + " is checked and enabled alike");
    expect(faults, !state.checked(M::mnuRemoveChips) || multi == 0,
           "Remove Chips is checked together with a run of several spins");
}
// A system plays only while its Play click runs, so at rest none plays, and
// the window offers Play, not Stop.
void checkSystemPlay(FrmQuelta& window, Faults& faults) {
    expect(faults, !window.game().systemPlaying(), "a system still plays on the table at rest");
    const FrmAnalysis* analysis = window.analysisWindow();
    if (analysis == nullptr)
        return;
    const auto* play = analysis->findChild<QPushButton*>(QStringLiteral("cmdPlayOnTable"));
    const auto* stop = analysis->findChild<QPushButton*>(QStringLiteral("cmdStopPlaying"));
    expect(faults, play != nullptr && play->isEnabled() && stop != nullptr && !stop->isEnabled(),
           "the analysis window does not offer Play on the table alone at rest");
}
} // namespace

std::vector<std::string> checkTableAtRest(FrmQuelta& window, const TableLedger& ledger) {
    Faults faults = ledger.faults();
    checkStakes(window, faults);
    checkWinnings(window, ledger, faults);
    checkHits(window, ledger, faults);
    checkStrip(window, ledger, faults);
    checkHistory(window, ledger, faults);
    checkMenus(window, faults);
    checkSystemPlay(window, faults);
    return faults;
}
