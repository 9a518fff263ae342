#pragma once

#include <QString>

#include "game/Money.h"

// An amount in dollars, for charts and figures that are not exact amounts.
double dollarsOf(Money amount);

// Money as the table's labels show it: the locale's currency format with two
// decimals, in dollars when the locale has no currency of its own.
QString currencyText(Money amount);
// The same for a figure that is not an exact amount, such as an expected
// result or a standard deviation, given in dollars.
QString currencyText(double dollars);
