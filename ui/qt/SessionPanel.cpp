#include "ui/qt/SessionPanel.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FigureRow.h"

namespace {
constexpr int kBankrollTimesBet = 100;
constexpr const char* kDefaultSpins = "400";
constexpr const char* kDefaultSessions = "100,000";
constexpr int kProgressSteps = 1000;
const QColor kProblemText(192, 0, 0);

// The choices of the progression box, in the order they are listed.
constexpr std::array kProgressions = {Progression::Flat, Progression::Martingale, Progression::DAlembert,
                                      Progression::Fibonacci, Progression::Paroli};

QString plainAmount(Money amount) { return QString::fromStdString(amount.toPlainString()); }
} // namespace

SessionPanel::SessionPanel(QWidget* parent, std::function<void()> run, std::function<void()> cancel) : QWidget(parent) {
    setObjectName(QStringLiteral("fraSessions"));
    auto* whole = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    whole->addLayout(top);

    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);
    fields_ = new QGridLayout;
    left->addLayout(fields_);
    bankroll_ = addField(SystemField::Bankroll, "txtBankroll", "lblBankrollError", tr("Bankroll ($)"), QString());
    connect(bankroll_, &QLineEdit::textEdited, this, [this] { bankrollTyped_ = true; });
    spins_ = addField(SystemField::Spins, "txtSpins", "lblSpinsError", tr("Spins per session"),
                      QString::fromLatin1(kDefaultSpins));
    sessions_ = addField(SystemField::Sessions, "txtSessions", "lblSessionsError", tr("Sessions"),
                         QString::fromLatin1(kDefaultSessions));
    stopLoss_ = addField(SystemField::StopLoss, "txtStopLoss", "lblStopLossError", tr("Stop-loss at ($)"), QString());
    stopLoss_->setPlaceholderText(tr("none: play until broke"));
    target_ = addField(SystemField::Target, "txtTarget", "lblTargetError", tr("Target ($)"), QString());
    target_->setPlaceholderText(tr("none"));
    progression_ = new QComboBox(this);
    progression_->setObjectName(QStringLiteral("cboProgression"));
    for (Progression p : kProgressions)
        progression_->addItem(progressionName(p));
    const int row = fields_->rowCount();
    fields_->addWidget(new QLabel(tr("Progression"), this), row, 0);
    fields_->addWidget(progression_, row, 1);

    auto* buttons = new QHBoxLayout;
    left->addLayout(buttons);
    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdRun"));
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgAnalysis"));
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    progress_->setVisible(false);
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    buttons->addWidget(progress_, 1);
    connect(run_, &QPushButton::clicked, this, std::move(run));
    connect(cancel_, &QPushButton::clicked, this, std::move(cancel));
    status_ = new QLabel(QStringLiteral(" "), this);
    status_->setObjectName(QStringLiteral("lblAnalysisStatus"));
    status_->setWordWrap(true);
    left->addWidget(status_);
    left->addStretch();

    results_ = new QGridLayout;
    top->addLayout(results_, 1);
    method_ = addResult("lblMethod", tr("Method"));
    method_->setWordWrap(true);
    ruin_ = addResult("lblRuin", tr("Chance of going broke"));
    targetReached_ = addResult("lblTargetReached", tr("Chance of reaching the target"));
    ahead_ = addResult("lblAhead", tr("Chance of ending ahead"));
    meanEnd_ = addResult("lblMeanEnd", tr("Expected end bankroll"));
    medianEnd_ = addResult("lblMedianEnd", tr("Median end bankroll"));
    spinsPlayed_ = addResult("lblSpinsPlayed", tr("Spins played on average"));
    results_->setRowStretch(results_->rowCount(), 1);
    results_->setColumnStretch(1, 1);

    auto* charts = new QHBoxLayout;
    whole->addLayout(charts, 1);
    ends_ = makeChartView(QStringLiteral("chrSessionEnds"), tr("How sessions end"));
    bankrollChart_ = makeChartView(QStringLiteral("chrBankroll"), tr("Bankroll over the session"));
    charts->addWidget(ends_);
    charts->addWidget(bankrollChart_);
}

QLineEdit* SessionPanel::addField(SystemField field, const char* objectName, const char* errorName,
                                  const QString& caption, const QString& text) {
    const int row = fields_->rowCount();
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QString::fromLatin1(objectName));
    auto* name = new QLabel(caption, this);
    name->setBuddy(edit);
    auto* error = new QLabel(this);
    error->setObjectName(QString::fromLatin1(errorName));
    QPalette palette = error->palette();
    palette.setColor(QPalette::WindowText, kProblemText);
    error->setPalette(palette);
    error->setVisible(false);
    fields_->addWidget(name, row, 0);
    fields_->addWidget(edit, row, 1);
    fields_->addWidget(error, row + 1, 0, 1, 2);
    errors_[static_cast<std::size_t>(field)] = error;
    return edit;
}

QLabel* SessionPanel::addResult(const char* objectName, const QString& caption) {
    return addFigureRow(*results_, *this, objectName, caption, results_->rowCount(), 0, Qt::AlignTop);
}

QLabel* SessionPanel::errorLabel(SystemField field) const {
    // A problem with the layout itself is told beside the Run button.
    return field == SystemField::Layout ? status_ : errors_[static_cast<std::size_t>(field)];
}

SessionFieldTexts SessionPanel::fieldTexts() const {
    SessionFieldTexts texts;
    texts.bankroll = bankroll_->text().toStdString();
    texts.spins = spins_->text().toStdString();
    texts.sessions = sessions_->text().toStdString();
    texts.stopLoss = stopLoss_->text().toStdString();
    texts.target = target_->text().toStdString();
    texts.progression = kProgressions[static_cast<std::size_t>(std::max(0, progression_->currentIndex()))];
    return texts;
}

void SessionPanel::suggestBankroll(Money amountBet) {
    if (bankrollTyped_)
        return;
    bankroll_->setText(amountBet > Money{} ? plainAmount(amountBet * kBankrollTimesBet) : QString());
}

void SessionPanel::showProblems(const std::vector<InputProblem>& problems) {
    clearProblems();
    for (const InputProblem& problem : problems) {
        QLabel* label = errorLabel(problem.field);
        // Two problems with one field: the first is enough to act on.
        if (label != status_ && label->isVisible())
            continue;
        label->setText(QString::fromStdString(problem.message));
        label->setVisible(true);
    }
}

void SessionPanel::clearProblems() {
    for (QLabel* label : errors_)
        if (label != nullptr) {
            label->clear();
            label->setVisible(false);
        }
    status_->setText(QStringLiteral(" "));
}

void SessionPanel::showRunning(bool running) {
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    progress_->setVisible(running);
    if (running)
        progress_->setValue(0);
}

void SessionPanel::showProgress(double share) {
    progress_->setValue(static_cast<int>(std::clamp(share, 0.0, 1.0) * kProgressSteps));
}

void SessionPanel::showStatus(const QString& text) { status_->setText(text); }

void SessionPanel::showOutcome(const SessionOutcome& outcome, const BettingSystem& system) {
    const Method m = outcome.method;
    const Money chip = outcome.chipValue;
    if (m == Method::Exact)
        method_->setText(tr("Exact, for %1").arg(systemSummary(system)));
    else
        method_->setText(tr("Monte Carlo: %1 sessions, seed %2, 95% intervals; for %3")
                             .arg(QLocale().toString(static_cast<qlonglong>(outcome.sessions)))
                             .arg(outcome.seed)
                             .arg(systemSummary(system)));
    ruin_->setText(chanceText(outcome.notCovered, m));
    targetReached_->setText(system.rules.target ? chanceText(outcome.target, m) : tr("no target set"));
    ahead_->setText(chanceText(outcome.ahead, m));
    meanEnd_->setText(chipMoneyText(outcome.meanEndChips, m, chip));
    medianEnd_->setText(chipMoneyText(outcome.medianEndChips, chip));
    QString spins = QLocale().toString(outcome.meanSpinsPlayed.value, 'f', 1);
    if (m == Method::MonteCarlo)
        spins += tr(" (95%: %1 to %2)")
                     .arg(QLocale().toString(outcome.meanSpinsPlayed.low, 'f', 1))
                     .arg(QLocale().toString(outcome.meanSpinsPlayed.high, 'f', 1));
    spinsPlayed_->setText(spins);

    showHistogram(ends_->chart(), outcome.endHistogram, dollarsOf(chip), tr("Bankroll at the end ($)"));
    ownSession_ = showBankrollBands(bankrollChart_->chart(), outcome.bands, chip);
    analysedBankroll_ = chip * outcome.startChips;
    analysedSpins_ = outcome.bands.empty() ? 0 : outcome.bands.size() - 1;
}

void SessionPanel::clearOutcome() {
    for (QLabel* label : {method_, ruin_, targetReached_, ahead_, meanEnd_, medianEnd_, spinsPlayed_})
        label->setText(QStringLiteral(" "));
    clearChart(ends_->chart());
    clearChart(bankrollChart_->chart());
    ownSession_ = nullptr;
}

void SessionPanel::showOwnSession(const std::vector<Money>& netPerSpin) {
    if (ownSession_ != nullptr)
        ownSession_->replace(ownSessionPoints(analysedBankroll_, netPerSpin, analysedSpins_));
}
