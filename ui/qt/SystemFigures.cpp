#include "ui/qt/SystemFigures.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <functional>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FigureRow.h"
#include "ui/qt/SystemCharts.h"

namespace {
using systems::EndReason;
using systems::SystemOutcome;

// Exact figures are shown before the simulated sessions behind the path
// figures are done; until then the outcome has no sessions.
bool pathsPending(const SystemOutcome& o) { return o.sessions == 0; }

QString methodOf(const SystemOutcome& o) {
    const QLocale locale;
    if (o.method == Method::Exact && pathsPending(o))
        return SystemFigures::tr("Exact; drawdown, streak, stake and stop figures still being simulated");
    if (o.method == Method::Exact)
        return SystemFigures::tr(
                   "Exact; drawdown, streak, stake and stop figures from %1 simulated sessions (seed %2), "
                   "95% ranges")
            .arg(locale.toString(static_cast<qlonglong>(o.sessions)), QString::number(o.seed));
    return SystemFigures::tr("Simulated: %1 sessions (seed %2), 95% ranges")
        .arg(locale.toString(static_cast<qlonglong>(o.sessions)), QString::number(o.seed));
}

QString spinsText(const Estimate& e, Method m) { return decimalText(e, m); }

struct Row {
    const char* name; // the label's name; the A column's adds "A"
    const char* caption;
    std::function<QString(const SystemOutcome&, const systems::SystemRules&)> text;
    bool path = false; // from the simulated sessions
};

// The path figures always come from simulated sessions, so they carry ranges.
const std::vector<Row>& rows() {
    static const std::vector<Row> all{
        {"lblSystemMethod", QT_TRANSLATE_NOOP("SystemFigures", "Method"),
         [](const SystemOutcome& o, const systems::SystemRules&) { return methodOf(o); }},
        {"lblSystemTarget", QT_TRANSLATE_NOOP("SystemFigures", "Sessions that reach the target"),
         [](const SystemOutcome& o, const systems::SystemRules& r) {
             return r.target ? chanceText(o.end(EndReason::Target), o.method) : SystemFigures::tr("no target set");
         }},
        {"lblSystemStopLoss", QT_TRANSLATE_NOOP("SystemFigures", "Sessions that reach the stop-loss"),
         [](const SystemOutcome& o, const systems::SystemRules& r) {
             return r.stopLoss ? chanceText(o.end(EndReason::StopLoss), o.method)
                               : SystemFigures::tr("no stop-loss set");
         }},
        {"lblSystemNotCovered", QT_TRANSLATE_NOOP("SystemFigures", "Sessions stopped: next stake not covered"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chanceText(o.end(EndReason::NotCovered), o.method);
         }},
        {"lblSystemOwnStop", QT_TRANSLATE_NOOP("SystemFigures", "Sessions the system's own rule stops"),
         [](const SystemOutcome& o, const systems::SystemRules& r) {
             return r.stopAfterWin || r.stopAtSeriesEnd ? chanceText(o.end(EndReason::SystemStop), o.method)
                                                        : SystemFigures::tr("it has no such rule");
         }},
        {"lblSystemSpinsDone", QT_TRANSLATE_NOOP("SystemFigures", "Sessions that play every spin"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chanceText(o.end(EndReason::SpinsDone), o.method);
         }},
        {"lblSystemAhead", QT_TRANSLATE_NOOP("SystemFigures", "Sessions that end ahead"),
         [](const SystemOutcome& o, const systems::SystemRules&) { return chanceText(o.ahead, o.method); }},
        {"lblSystemMeanNet", QT_TRANSLATE_NOOP("SystemFigures", "Won or lost in a session, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chipMoneyText(o.meanNetChips, o.method, o.chipValue);
         }},
        {"lblSystemStaked", QT_TRANSLATE_NOOP("SystemFigures", "Staked in all in a session, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chipMoneyText(o.meanTotalStakedChips, o.method, o.chipValue);
         }},
        {"lblSystemSpinsPlayed", QT_TRANSLATE_NOOP("SystemFigures", "Spins a session lasts, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) { return spinsText(o.meanSpinsPlayed, o.method); }},
        {"lblSystemLossPerDollar", QT_TRANSLATE_NOOP("SystemFigures", "Share of every dollar staked that is lost"),
         [](const SystemOutcome& o, const systems::SystemRules&) { return chanceText(o.lossPerChipStaked, o.method); }},
        {"lblSystemDrawdown",
         QT_TRANSLATE_NOOP("SystemFigures", "Largest fall from a high point within a session, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chipMoneyText(o.meanLargestDrawdown, Method::MonteCarlo, o.chipValue);
         },
         true},
        {"lblSystemLosingStreak",
         QT_TRANSLATE_NOOP("SystemFigures", "Longest run of losing spins in a session, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return spinsText(o.meanLongestLosingStreak, Method::MonteCarlo);
         },
         true},
        {"lblSystemLargestStake",
         QT_TRANSLATE_NOOP("SystemFigures", "Largest stake on one spin: in any session; a session's, on average"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chipMoneyText(static_cast<double>(o.largestStake), o.chipValue) + QStringLiteral("; ") +
                    chipMoneyText(o.meanLargestStake, Method::MonteCarlo, o.chipValue);
         },
         true},
        {"lblSystemLimitStopped",
         QT_TRANSLATE_NOOP("SystemFigures", "Sessions in which a table limit stopped the progression"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chanceText(o.limitStopped, Method::MonteCarlo);
         },
         true},
        {"lblSystemBankrollStopped",
         QT_TRANSLATE_NOOP("SystemFigures", "Sessions in which the bankroll stopped the progression"),
         [](const SystemOutcome& o, const systems::SystemRules&) {
             return chanceText(o.bankrollStopped, Method::MonteCarlo);
         },
         true},
    };
    return all;
}

QString figureText(const Row& row, const SystemOutcome& o, const systems::SystemRules& rules) {
    return row.path && pathsPending(o) ? SystemFigures::tr("being simulated...") : row.text(o, rules);
}

QLabel* figureLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

SystemFigures::SystemFigures(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraSystemFigures"));
    auto* whole = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    headingB_ = figureLabel(this, QStringLiteral("lblSystemNameB"));
    headingA_ = figureLabel(this, QStringLiteral("lblSystemNameA"));
    grid_->addWidget(headingB_, 0, 1);
    grid_->addWidget(headingA_, 0, 2);
    int row = 1;
    for (const Row& r : rows()) {
        auto* caption = new QLabel(tr(r.caption), this);
        caption->setWordWrap(true);
        grid_->addWidget(caption, row, 0);
        figuresB_.push_back(figureLabel(this, QString::fromLatin1(r.name)));
        figuresA_.push_back(figureLabel(this, QString::fromLatin1(r.name) + QLatin1Char('A')));
        // Copy results takes them with the window's other figures.
        figuresB_.back()->setProperty(kFigureCaptionProperty, tr("System: %1").arg(tr(r.caption)));
        figuresA_.back()->setProperty(kFigureCaptionProperty, tr("System A: %1").arg(tr(r.caption)));
        caption->setBuddy(figuresB_.back());
        grid_->addWidget(figuresB_.back(), row, 1);
        grid_->addWidget(figuresA_.back(), row, 2);
        ++row;
    }
    grid_->setColumnStretch(0, 2);
    grid_->setColumnStretch(1, 3);
    grid_->setColumnStretch(2, 3);
    whole->addLayout(grid_);
    paths_ = makeChartView(QStringLiteral("chtSamplePaths"), tr("The bankroll of 20 sample sessions"));
    stillPlaying_ = makeChartView(QStringLiteral("chtStillPlaying"), tr("The chance of still playing at spin n"));
    whole->addWidget(paths_, 1);
    whole->addWidget(stillPlaying_, 1);
    clearOutcome();
}

void SystemFigures::showOutcome(const Judged& b, const std::optional<Judged>& a) {
    const bool kept = a.has_value();
    const systems::SystemOutcome& outcome = b.outcome;
    const QString& name = b.name;
    const QString keptName = a ? a->name : QString();
    headingB_->setText(kept ? tr("B: %1").arg(name) : name);
    headingA_->setText(kept ? tr("A: %1").arg(keptName) : QString());
    headingA_->setVisible(kept);
    for (std::size_t i = 0; i < rows().size(); ++i) {
        figuresB_[i]->setText(figureText(rows()[i], outcome, b.rules));
        figuresA_[i]->setText(a ? figureText(rows()[i], a->outcome, a->rules) : QString());
        figuresA_[i]->setVisible(kept);
    }
    showSamplePaths(paths_->chart(), outcome.samplePaths, outcome.bands, outcome.chipValue);
    showStillPlaying(stillPlaying_->chart(), outcome.stillPlaying);
}

void SystemFigures::clearOutcome() {
    headingB_->clear();
    headingA_->hide();
    for (std::size_t i = 0; i < figuresB_.size(); ++i) {
        figuresB_[i]->clear(); // nothing to copy until a run
        figuresA_[i]->clear();
        figuresA_[i]->hide();
    }
    clearChart(paths_->chart());
    clearChart(stillPlaying_->chart());
}
