#include "ui/qt/AnalysisText.h"

#include <QLocale>

#include <cmath>

#include "ui/qt/CurrencyText.h"

namespace {
constexpr int kPercentDecimals = 2;
constexpr double kPercent = 100.0;
// Below this a p-value is worded with decimals rather than as a whole percentage.
constexpr double kWholePercentFrom = 0.1;
constexpr double kSmallestWorded = 0.0001;

double chipsToDollars(double chips, Money chipValue) { return chips * dollarsOf(chipValue); }

QString interval(const QString& low, const QString& high) { return QObject::tr(" (95%: %1 to %2)").arg(low, high); }
} // namespace

QString percentText(double probability) {
    return QLocale().toString(probability * kPercent, 'f', kPercentDecimals) + QLatin1Char('%');
}

QString fractionText(const PocketFraction& fraction) {
    return QObject::tr("%1 in %2 (%3)").arg(fraction.pockets).arg(fraction.of).arg(percentText(fraction.value()));
}

QString chanceText(const Estimate& estimate, Method method) {
    QString text = percentText(estimate.value);
    if (method == Method::MonteCarlo)
        text += interval(percentText(estimate.low), percentText(estimate.high));
    return text;
}

QString chipMoneyText(double chips, Money chipValue) { return currencyText(chipsToDollars(chips, chipValue)); }

QString chipMoneyText(const Estimate& chips, Method method, Money chipValue) {
    QString text = chipMoneyText(chips.value, chipValue);
    if (method == Method::MonteCarlo)
        text += interval(chipMoneyText(chips.low, chipValue), chipMoneyText(chips.high, chipValue));
    return text;
}

QString dollarText(const Estimate& dollars, Method method) {
    QString text = currencyText(dollars.value);
    if (method == Method::MonteCarlo)
        text += interval(currencyText(dollars.low), currencyText(dollars.high));
    return text;
}

QString chanceInHistoriesText(double pValue) {
    QString share;
    if (pValue >= kWholePercentFrom)
        share = QLocale().toString(std::round(pValue * kPercent), 'f', 0) + QLatin1Char('%');
    else if (pValue >= kSmallestWorded)
        share = percentText(pValue);
    else
        return QObject::tr("a result like this comes up by chance in fewer than 0.01% of histories");
    return QObject::tr("a result like this comes up by chance in %1 of histories").arg(share);
}

QString signedMoneyText(Money amount) {
    const QString text = currencyText(amount);
    return amount > Money{} ? QLatin1Char('+') + text : text;
}

QString progressionName(Progression progression) {
    switch (progression) {
    case Progression::Flat: return QObject::tr("Flat");
    case Progression::Martingale: return QObject::tr("Martingale");
    case Progression::DAlembert: return QObject::tr("D'Alembert");
    case Progression::Fibonacci: return QObject::tr("Fibonacci");
    case Progression::Paroli: return QObject::tr("Paroli");
    }
    return {};
}

QString systemSummary(const BettingSystem& system) {
    std::int64_t chips = 0;
    for (ChipCount stake : system.stakes)
        chips += stake;
    const Money chipValue = unitRow(system.unit).chipValue;
    return QObject::tr("%1 wheel, %2 chips, %3 chips (%4) a spin, %5")
        .arg(system.wheel == Wheel::European ? QObject::tr("European") : QObject::tr("American"))
        .arg(currencyText(chipValue))
        .arg(chips)
        .arg(currencyText(chipValue * chips))
        .arg(progressionName(system.rules.progression).toLower());
}
