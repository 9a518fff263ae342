#include "ui/qt/RecordedPanel.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include "layout/BetSpotCatalogue.h"
#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/SystemCharts.h"

namespace {
// Below this the numbers are rarer than one wheel in a hundred would give.
constexpr double kDoubtfulPValue = 0.01;
constexpr int kTableHeight = 240;

QString money(std::int64_t chips, Money chipValue) { return chipMoneyText(static_cast<double>(chips), chipValue); }

QString stakesText(const std::vector<systems::SpotStake>& stakes, Wheel wheel) {
    QStringList parts;
    for (const systems::SpotStake& stake : stakes)
        parts << RecordedPanel::tr("%1 on %2")
                     .arg(chipsText(stake.chips), QString::fromStdString(accessibleSpotName(
                                                      betSpots()[static_cast<std::size_t>(stake.slot)], wheel)));
    return parts.isEmpty() ? RecordedPanel::tr("no bet") : parts.join(QStringLiteral(", "));
}

QString endText(systems::EndReason end) {
    switch (end) {
    case systems::EndReason::Target: return RecordedPanel::tr("it reached its target");
    case systems::EndReason::StopLoss: return RecordedPanel::tr("it reached its stop-loss");
    case systems::EndReason::NotCovered: return RecordedPanel::tr("its next stake was more than the bankroll");
    case systems::EndReason::SystemStop: return RecordedPanel::tr("its own rule stopped it");
    case systems::EndReason::SpinsDone: return RecordedPanel::tr("its spins or the numbers ran out");
    }
    return {};
}

QString fairnessText(const FairnessReport& report) {
    QString words = chanceInHistoriesText(report.pValue);
    if (report.pValueMethod == Method::MonteCarlo)
        words += RecordedPanel::tr(" (simulated, 95%: %1 to %2)")
                     .arg(percentText(report.pValueRange.low), percentText(report.pValueRange.high));
    const QString chi = RecordedPanel::tr("%1 numbers, chi-square %2 with %3 degrees of freedom: ")
                            .arg(report.spins)
                            .arg(QLocale().toString(report.chiSquare, 'f', 2))
                            .arg(report.degreesOfFreedom);
    if (report.tooFewSpins)
        return chi + RecordedPanel::tr("too few numbers to tell anything; with fewer numbers than pockets a fair "
                                       "wheel and a biased one look alike (%1).")
                         .arg(words);
    return chi + words +
           (report.pValue < kDoubtfulPValue ? RecordedPanel::tr(": rare enough to doubt the wheel.")
                                            : RecordedPanel::tr(": nothing unusual for a fair wheel."));
}
} // namespace

RecordedPanel::RecordedPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraRecorded"));
    auto* whole = new QVBoxLayout(this);
    summary_ = new QLabel(tr("Press Play on recorded numbers... above to play the chosen system over numbers written "
                             "down at a wheel, one a line."),
                          this);
    summary_->setObjectName(QStringLiteral("lblRecordedSummary"));
    summary_->setWordWrap(true);
    fairness_ = new QLabel(this);
    fairness_->setObjectName(QStringLiteral("lblRecordedFairness"));
    fairness_->setWordWrap(true);
    spins_ = new QTableWidget(0, 6, this);
    spins_->setObjectName(QStringLiteral("tblRecordedSpins"));
    spins_->setHorizontalHeaderLabels(
        {tr("Spin"), tr("Number"), tr("Stakes"), tr("Staked"), tr("Won or lost"), tr("Bankroll after")});
    spins_->verticalHeader()->setVisible(false);
    spins_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spins_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    spins_->setMinimumHeight(kTableHeight);
    path_ = makeChartView(QStringLiteral("chtRecordedPath"), tr("The bankroll over the recorded numbers"));
    whole->addWidget(summary_);
    whole->addWidget(fairness_);
    whole->addWidget(spins_, 1);
    whole->addWidget(path_, 1);
}

void RecordedPanel::showBacktest(const QString& source, const QString& systemName, const systems::Backtest& backtest,
                                 Money chipValue, Wheel wheel) {
    const systems::RecordedSession& session = backtest.session;
    const std::int64_t end = session.spins.empty() ? session.startChips : session.spins.back().bankrollChips;
    summary_->setText(
        tr("%1 played %2 spins of %3 from %4 to %5; it stopped because %6.")
            .arg(systemName)
            .arg(session.spins.size())
            .arg(source, money(session.startChips, chipValue), money(end, chipValue), endText(session.end)));
    fairness_->setText(fairnessText(backtest.fairness));
    spins_->setRowCount(static_cast<int>(session.spins.size()));
    for (std::size_t i = 0; i < session.spins.size(); ++i) {
        const systems::RecordedSpin& spin = session.spins[i];
        const std::string_view number = pocketText(spin.pocket);
        const QString cells[] = {QString::number(i + 1),
                                 QString::fromLatin1(number.data(), static_cast<qsizetype>(number.size())),
                                 stakesText(spin.stakes, wheel),
                                 money(spin.stakedChips, chipValue),
                                 signedMoneyText(Money::fromTenThousandths(spin.netChips * chipValue.tenThousandths())),
                                 money(spin.bankrollChips, chipValue)};
        for (int column = 0; column < 6; ++column)
            spins_->setItem(static_cast<int>(i), column, new QTableWidgetItem(cells[column]));
    }
    systems::SamplePath path;
    path.chips.push_back(session.startChips);
    for (const systems::RecordedSpin& spin : session.spins)
        path.chips.push_back(spin.bankrollChips);
    showSamplePaths(path_->chart(), {path}, {}, chipValue);
}

void RecordedPanel::showProblem(const QString& problem) {
    summary_->setText(problem);
    fairness_->clear();
    spins_->setRowCount(0);
    clearChart(path_->chart());
}
