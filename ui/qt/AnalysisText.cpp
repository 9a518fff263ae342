#include "ui/qt/AnalysisText.h"

#include <QLocale>

#include <algorithm>
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
    if (probability > 0 && probability < kSmallestWorded)
        return QObject::tr("< 0.01%");
    if (probability < 1 && probability > 1 - kSmallestWorded)
        return QObject::tr("> 99.99%");
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
    return QObject::tr("%1 wheel, %2 chips, %3 (%4) a spin, %5")
        .arg(system.wheel == Wheel::European ? QObject::tr("European") : QObject::tr("American"))
        .arg(currencyText(chipValue))
        .arg(chipsText(chips))
        .arg(currencyText(chipValue * chips))
        .arg(progressionName(system.rules.progression).toLower());
}

QString chipsText(std::int64_t chips) {
    return chips == 1 ? QObject::tr("1 chip") : QObject::tr("%1 chips").arg(QLocale().toString(qlonglong{chips}));
}

QString methodText(const SessionOutcome& outcome) {
    if (outcome.method == Method::Exact)
        return QObject::tr("Exact");
    return QObject::tr("Simulated: %1 sessions (seed %2), 95% ranges")
        .arg(QLocale().toString(static_cast<qlonglong>(outcome.sessions)))
        .arg(outcome.seed);
}

QString decimalText(const Estimate& estimate, Method method) {
    QString text = QLocale().toString(estimate.value, 'f', 1);
    if (method == Method::MonteCarlo)
        text += interval(QLocale().toString(estimate.low, 'f', 1), QLocale().toString(estimate.high, 'f', 1));
    return text;
}

QString notCoveredText(const SessionOutcome& outcome) {
    QString text = chanceText(outcome.notCovered, outcome.method);
    if (outcome.notCovered.value > 0)
        text += QObject::tr("; %1 left on average")
                    .arg(chipMoneyText(outcome.meanChipsLeftWhenNotCovered, outcome.method, outcome.chipValue));
    return text;
}

QString stakedText(const SessionOutcome& outcome) {
    return chipMoneyText(outcome.meanTotalStakedChips, outcome.method, outcome.chipValue);
}

QString lossPerDollarText(const SessionOutcome& outcome, bool why) {
    const QString cents = QLocale().toString(outcome.lossPerChipStaked * kPercent, 'f', kPercentDecimals);
    return why ? QObject::tr("%1 cents of every dollar staked: the house edge, which no system changes").arg(cents)
               : QObject::tr("%1 cents, the house edge").arg(cents);
}

QString endName(SessionEnd end) {
    switch (end) {
    case SessionEnd::Target: return QObject::tr("Reached the target");
    case SessionEnd::StopLoss: return QObject::tr("Fell to the stop level");
    case SessionEnd::NotCovered: return QObject::tr("Stopped: next stake not covered");
    case SessionEnd::SpinsDone: return QObject::tr("Played all its spins");
    }
    return {};
}

QString sessionsInWords(double share, bool& one) {
    constexpr double kTenths = 10.0;
    constexpr double kHundredths = 100.0;
    one = true;
    if (share <= 0)
        return QObject::tr("No session");
    if (share >= 1)
        return QObject::tr("Every session");
    const auto tenths = static_cast<int>(std::lround(share * kTenths));
    if (tenths >= kTenths)
        return QObject::tr("Nearly every session");
    if (tenths >= 1)
        return (one = tenths == 1) ? QObject::tr("1 session in 10") : QObject::tr("%1 sessions in 10").arg(tenths);
    const auto hundredths = static_cast<int>(std::lround(share * kHundredths));
    if (hundredths >= 1)
        return (one = hundredths == 1) ? QObject::tr("1 session in 100")
                                       : QObject::tr("%1 sessions in 100").arg(hundredths);
    return QObject::tr("Fewer than 1 session in 100");
}

QString summarySentence(const SessionOutcome& outcome, const BettingSystem& system) {
    bool one = false;
    QString first;
    if (system.rules.target) {
        first = sessionsInWords(outcome.target.value, one);
        first += (one ? QObject::tr(" reaches %1") : QObject::tr(" reach %1")).arg(currencyText(*system.rules.target));
    } else {
        first = sessionsInWords(outcome.ahead.value, one);
        first += one ? QObject::tr(" ends ahead") : QObject::tr(" end ahead");
    }
    const QString spins = QLocale().toString(outcome.meanSpinsPlayed.value, 'f', 0);
    constexpr double kWorthSaying = 0.005;
    if (outcome.notCovered.value >= kWorthSaying) {
        QString second = sessionsInWords(outcome.notCovered.value, one);
        second[0] = second[0].toLower();
        const Money chip = outcome.chipValue;
        const QString fewest = chipMoneyText(outcome.fewestChipsLeftWhenNotCovered, chip);
        const QString most = chipMoneyText(outcome.mostChipsLeftWhenNotCovered, chip);
        const QString left = fewest == most ? fewest : QObject::tr("%1 to %2").arg(fewest, most);
        const double notCoveredSpins = outcome.meanSpinsByEnd[static_cast<std::size_t>(SessionEnd::NotCovered)];
        return QObject::tr("%1; %2 %3 after about %4 spins, the next stake not covered, with %5 left.")
            .arg(first, second, one ? QObject::tr("stops") : QObject::tr("stop"))
            .arg(QLocale().toString(notCoveredSpins, 'f', 0))
            .arg(left);
    }
    return QObject::tr("%1; on average a session ends with %2 of its %3, after %4 spins.")
        .arg(first)
        .arg(chipMoneyText(outcome.meanEndChips.value, outcome.chipValue))
        .arg(currencyText(outcome.chipValue * outcome.startChips))
        .arg(spins);
}

std::vector<RuleRow> ruleRows(const BettingSystem& system) {
    std::int64_t chips = 0;
    int spots = 0;
    for (ChipCount stake : system.stakes) {
        chips += stake;
        spots += stake > 0 ? 1 : 0;
    }
    const Money chipValue = unitRow(system.unit).chipValue;
    const SessionRules& rules = system.rules;
    const QString none = QObject::tr("none");
    return {
        {QObject::tr("Wheel"), system.wheel == Wheel::European ? QObject::tr("European") : QObject::tr("American")},
        {QObject::tr("Chip"), currencyText(chipValue)},
        {QObject::tr("Layout"), QObject::tr("%1 on %2 (%3 a spin)")
                                    .arg(chipsText(chips))
                                    .arg(spots == 1 ? QObject::tr("1 spot") : QObject::tr("%1 spots").arg(spots))
                                    .arg(currencyText(chipValue * chips))},
        {QObject::tr("Bankroll"), currencyText(rules.bankroll)},
        {QObject::tr("Spins"), QLocale().toString(rules.spinsPerSession)},
        {QObject::tr("Stop level"), rules.stopLoss ? currencyText(*rules.stopLoss) : none},
        {QObject::tr("Target"), rules.target ? currencyText(*rules.target) : none},
        {QObject::tr("Progression"), progressionName(rules.progression)},
    };
}

std::vector<QString> figureCaptions() {
    return {endName(SessionEnd::Target),
            endName(SessionEnd::StopLoss),
            endName(SessionEnd::NotCovered),
            endName(SessionEnd::SpinsDone),
            QObject::tr("Ended ahead"),
            QObject::tr("Average net"),
            QObject::tr("Median net"),
            QObject::tr("Spins played on average"),
            QObject::tr("Staked over a session on average"),
            QObject::tr("Loss per dollar staked")};
}

std::vector<RuleRow> figureRows(const SessionOutcome& outcome, const BettingSystem& system) {
    const Method m = outcome.method;
    const auto start = static_cast<double>(outcome.startChips);
    const Estimate meanNet{outcome.meanEndChips.value - start, outcome.meanEndChips.low - start,
                           outcome.meanEndChips.high - start};
    const std::vector<QString> captions = figureCaptions();
    const std::vector<QString> values = {
        system.rules.target ? chanceText(outcome.target, m) : QObject::tr("no target set"),
        system.rules.stopLoss ? chanceText(outcome.stopLoss, m) : QObject::tr("no stop level set"),
        notCoveredText(outcome),
        chanceText(outcome.spinsDone, m),
        chanceText(outcome.ahead, m),
        chipMoneyText(meanNet, m, outcome.chipValue),
        chipMoneyText(outcome.medianEndChips - start, outcome.chipValue),
        decimalText(outcome.meanSpinsPlayed, m),
        stakedText(outcome),
        lossPerDollarText(outcome, false)};
    std::vector<RuleRow> rows;
    for (std::size_t i = 0; i < captions.size(); ++i)
        rows.push_back({captions[i], values[i]});
    return rows;
}
