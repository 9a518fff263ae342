#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "analysis/SpinAnalysis.h"

// How the analysis window words its figures. Percentages have two decimals;
// money is the table's currency text.

// 0.027027 -> "2.70%"; a chance that is not nil but rounds to nil (or to
// certainty) reads "< 0.01%" ("> 99.99%").
QString percentText(double probability);
// "18 in 37 (48.65%)".
QString fractionText(const PocketFraction& fraction);
// A probability with its 95% interval when it has one.
QString chanceText(const Estimate& estimate, Method method);
// A figure in chips of the unit, as money, with its interval when it has one.
QString chipMoneyText(const Estimate& chips, Method method, Money chipValue);
QString chipMoneyText(double chips, Money chipValue);
// A figure in dollars with its interval when it has one.
QString dollarText(const Estimate& dollars, Method method);
// A p-value in plain words: "a result like this comes up by chance in 37% of histories".
QString chanceInHistoriesText(double pValue);
// "+$35.00" for a gain, the currency text otherwise.
QString signedMoneyText(Money amount);
// The progression's name as the choice shows it.
QString progressionName(Progression progression);
// "European wheel, $1.00 chips, 5 chips ($5.00) a spin, flat", for labelling results.
QString systemSummary(const BettingSystem& system);
// "1 chip", "5 chips".
QString chipsText(std::int64_t chips);
// "Exact", or "Simulated: 100,000 sessions (seed 42), 95% ranges".
QString methodText(const SessionOutcome& outcome);
// A mean with its 95% range when it has one, one decimal: spins played.
QString decimalText(const Estimate& estimate, Method method);

// "Stopped: next stake not covered": its chance and the money those
// sessions are left with on average.
QString notCoveredText(const SessionOutcome& outcome);
// What a session stakes in all on average, as money.
QString stakedText(const SessionOutcome& outcome);
// "2.70 cents of every dollar staked", the house edge, and with `why` that
// no system changes it.
QString lossPerDollarText(const SessionOutcome& outcome, bool why = true);
// How a session ended, as the legend and the replay say it.
QString endName(SessionEnd end);

// One plain sentence that sums up the sessions, for the top of the figures:
// "7 sessions in 10 reach $250.00; 3 sessions in 10 stop after about 17 spins,
// the next stake not covered, with $45.00 to $90.00 left."
QString summarySentence(const SessionOutcome& outcome, const BettingSystem& system);
// A share of sessions in words: "7 sessions in 10", "1 session in 100",
// "Fewer than 1 session in 100", "No session"; `one` is set when the verb
// that follows takes the singular.
QString sessionsInWords(double share, bool& one);

// The rules of a system, one (caption, value) row each: wheel, chip, layout,
// bankroll, spins, stop level, target, progression.
struct RuleRow {
    QString caption;
    QString value;
};
std::vector<RuleRow> ruleRows(const BettingSystem& system);
// What the sessions of a system came to, one row each, in the order the
// comparison sets them side by side; nets are end minus start.
std::vector<RuleRow> figureRows(const SessionOutcome& outcome, const BettingSystem& system);
// The captions of figureRows, for a column with nothing in it yet.
std::vector<QString> figureCaptions();
