#include "ui/qt/CurrencyText.h"

#include <QLocale>

namespace {
constexpr int kCurrencyDecimals = 2;
constexpr double kTenThousandthsPerDollar = 10'000.0;
} // namespace

QString currencyText(double dollars) {
    const QLocale locale;
    // A locale without a currency of its own (the "C" locale of a bare
    // session) would show no symbol at all; the table's currency is dollars.
    if (locale.currencySymbol().isEmpty())
        return QLocale(QLocale::English, QLocale::UnitedStates).toCurrencyString(dollars, {}, kCurrencyDecimals);
    return locale.toCurrencyString(dollars, {}, kCurrencyDecimals);
}

// Only for display: the amount itself stays exact in the game.
double dollarsOf(Money amount) { return static_cast<double>(amount.tenThousandths()) / kTenThousandthsPerDollar; }

QString currencyText(Money amount) { return currencyText(dollarsOf(amount)); }
