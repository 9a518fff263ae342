#pragma once

#include <QString>

#include "analysis/SessionAnalysis.h"
#include "analysis/SpinAnalysis.h"

// How the analysis window words its figures. Percentages have two decimals;
// money is the table's currency text.

// 0.027027 -> "2.70%".
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
