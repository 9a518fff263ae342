#include "ui/qt/ComparePanel.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FigureRow.h"

ComparePanel::ComparePanel(QWidget* parent, std::function<void()> keep, std::function<void()> forget)
    : QWidget(parent) {
    setObjectName(QStringLiteral("fraCompare"));
    auto* whole = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Keep the system on the table as A, change the layout or the session rules, then "
                                "press Run: the current system B is played on the very same spins as A, and the "
                                "two end bankrolls are set side by side."),
                             this);
    intro->setWordWrap(true);
    whole->addWidget(intro);
    auto* buttons = new QHBoxLayout;
    whole->addLayout(buttons);
    keep_ = new QPushButton(tr("&Keep as A"), this);
    keep_->setObjectName(QStringLiteral("cmdKeepA"));
    forget_ = new QPushButton(tr("&Forget A"), this);
    forget_->setObjectName(QStringLiteral("cmdForgetA"));
    forget_->setEnabled(false);
    buttons->addWidget(keep_);
    buttons->addWidget(forget_);
    buttons->addStretch();
    connect(keep_, &QPushButton::clicked, this, std::move(keep));
    connect(forget_, &QPushButton::clicked, this, std::move(forget));

    results_ = new QGridLayout;
    whole->addLayout(results_);
    systemA_ = addResult("lblSystemA", tr("System A"));
    systemB_ = addResult("lblSystemB", tr("System B"));
    method_ = addResult("lblCompareMethod", tr("Sessions"));
    bAhead_ = addResult("lblBAhead", tr("Chance that B ends with more than A"));
    tie_ = addResult("lblTie", tr("Chance that both end level"));
    meanDifference_ = addResult("lblMeanDifference", tr("B minus A on average"));
    results_->setColumnStretch(1, 1);
    difference_ = makeChartView(QStringLiteral("chrDifference"), tr("B's end bankroll minus A's"));
    whole->addWidget(difference_, 1);
    showKept(nullptr);
}

QLabel* ComparePanel::addResult(const char* objectName, const QString& caption) {
    QLabel* value = addFigureRow(*results_, *this, objectName, caption, results_->rowCount(), 0, Qt::AlignTop);
    value->setWordWrap(true);
    return value;
}

void ComparePanel::showKept(const BettingSystem* kept) {
    forget_->setEnabled(kept != nullptr);
    systemA_->setText(kept != nullptr ? systemSummary(*kept) : tr("none kept yet"));
    clearComparison();
}

void ComparePanel::showComparison(const Comparison& comparison, const BettingSystem& b) {
    systemB_->setText(systemSummary(b));
    method_->setText(tr("%1 sessions on the same pockets, seed %2, 95% intervals")
                         .arg(QLocale().toString(static_cast<qlonglong>(comparison.sessions)))
                         .arg(comparison.seed));
    bAhead_->setText(chanceText(comparison.bNetsMore, Method::MonteCarlo));
    tie_->setText(chanceText(comparison.level, Method::MonteCarlo));
    meanDifference_->setText(dollarText(comparison.meanNetDifference, Method::MonteCarlo));
    showHistogram(difference_->chart(), comparison.netDifference, 1.0, tr("B minus A ($)"));
}

void ComparePanel::clearComparison() {
    for (QLabel* label : {systemB_, method_, bAhead_, tie_, meanDifference_})
        label->setText(QStringLiteral(" "));
    clearChart(difference_->chart());
}
