#include "ui/qt/SessionPanel.h"

#include <QApplication>
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

#include <numeric>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FieldMarks.h"
#include "ui/qt/FigureRow.h"

namespace {
constexpr int kBankrollTimesBet = 100;
constexpr const char* kDefaultSpins = "400";
constexpr const char* kDefaultSessions = "100,000";
constexpr int kProgressSteps = 1000;
constexpr std::size_t kSeedError = SessionPanel::kSeedSlot;

constexpr std::size_t slotOf(SystemField field) { return static_cast<std::size_t>(field); }

// The choices of the progression box, in the order they are listed.
constexpr std::array kProgressions = {Progression::Flat, Progression::Martingale, Progression::DAlembert,
                                      Progression::Fibonacci, Progression::Paroli};

QString plainAmount(Money amount) { return QString::fromStdString(amount.toPlainString()); }
} // namespace

SessionPanel::SessionPanel(QWidget* parent, Actions actions) : QWidget(parent), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("fraSessions"));
    auto* whole = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    whole->addLayout(top);

    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);
    fields_ = new QGridLayout;
    left->addLayout(fields_);
    bankroll_ =
        addField(slotOf(SystemField::Bankroll), "txtBankroll", "lblBankrollError", tr("&Bankroll ($)"), QString());
    connect(bankroll_, &QLineEdit::textEdited, this, [this] { bankrollTyped_ = true; });
    spins_ = addField(slotOf(SystemField::Spins), "txtSpins", "lblSpinsError", tr("S&pins per session"),
                      QString::fromLatin1(kDefaultSpins));
    sessions_ = addField(slotOf(SystemField::Sessions), "txtSessions", "lblSessionsError", tr("Sessio&ns"),
                         QString::fromLatin1(kDefaultSessions));
    sessionsCaption_ = qobject_cast<QLabel*>(fields_->itemAtPosition(fields_->rowCount() - 2, 0)->widget());
    stopLoss_ = addField(slotOf(SystemField::StopLoss), "txtStopLoss", "lblStopLossError",
                         tr("Stop when the bankroll falls &to ($)"), QString());
    stopLoss_->setPlaceholderText(tr("none: play on while the stakes are covered"));
    target_ = addField(slotOf(SystemField::Target), "txtTarget", "lblTargetError",
                       tr("Stop when the bankroll reac&hes ($)"), QString());
    target_->setPlaceholderText(tr("none"));
    progression_ = new QComboBox(this);
    progression_->setObjectName(QStringLiteral("cboProgression"));
    for (Progression p : kProgressions)
        progression_->addItem(progressionName(p));
    const int row = fields_->rowCount();
    auto* progressionCaption = new QLabel(tr("Pro&gression"), this);
    progressionCaption->setBuddy(progression_);
    fields_->addWidget(progressionCaption, row, 0);
    fields_->addWidget(progression_, row, 1);
    connect(progression_, &QComboBox::currentIndexChanged, this, [this] { actions_.edited(); });
    seed_ = addField(kSeedError, "txtSeed", "lblSeedError", tr("S&eed"), QString());
    seed_->setPlaceholderText(tr("empty: a fresh one every run"));

    auto* buttons = new QHBoxLayout;
    left->addLayout(buttons);
    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdRun"));
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setEnabled(false);
    copy_ = new QPushButton(tr("Cop&y results"), this);
    copy_->setObjectName(QStringLiteral("cmdCopyResults"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgAnalysis"));
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    progress_->setVisible(false);
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    buttons->addWidget(copy_);
    buttons->addWidget(progress_, 1);
    connect(run_, &QPushButton::clicked, this, [this] { actions_.run(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { actions_.cancel(); });
    connect(copy_, &QPushButton::clicked, this, [this] { actions_.copy(); });
    status_ = new QLabel(QStringLiteral(" "), this);
    status_->setObjectName(QStringLiteral("lblAnalysisStatus"));
    status_->setWordWrap(true);
    left->addWidget(status_);
    left->addStretch();

    auto* right = new QVBoxLayout;
    top->addLayout(right, 1);
    summary_ = new QLabel(QStringLiteral(" "), this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setProperty(kFigureCaptionProperty, tr("Summary"));
    right->addWidget(summary_);
    stale_ = makeStaleMark(*this, "lblStale");
    right->addWidget(stale_);
    results_ = new QGridLayout;
    right->addLayout(results_);
    right->addStretch();
    method_ = addResult("lblMethod", tr("Method"));
    system_ = addResult("lblAnalysedSystem", tr("System"));
    targetReached_ = addResult("lblTargetReached", endName(SessionEnd::Target));
    stopLossReached_ = addResult("lblStopLossReached", endName(SessionEnd::StopLoss));
    ruin_ = addResult("lblRuin", endName(SessionEnd::NotCovered));
    spinsDone_ = addResult("lblSpinsDone", endName(SessionEnd::SpinsDone));
    broke_ = addResult("lblBroke", tr("Broke (less than the smallest stake left)"));
    ahead_ = addResult("lblAhead", tr("Ended ahead"));
    meanEnd_ = addResult("lblMeanEnd", tr("Average end bankroll"));
    medianEnd_ = addResult("lblMedianEnd", tr("Median end bankroll"));
    spinsPlayed_ = addResult("lblSpinsPlayed", tr("Spins played on average"));
    staked_ = addResult("lblTotalStaked", tr("Staked over a session on average"));
    lossPerDollar_ = addResult("lblLossPerDollar", tr("Loss per dollar staked"));
    results_->setColumnStretch(1, 1);

    auto* charts = new QHBoxLayout;
    whole->addLayout(charts, 1);
    ends_ = makeChartView(QStringLiteral("chrSessionEnds"), tr("How sessions end"));
    bankrollChart_ = makeChartView(QStringLiteral("chrBankroll"), tr("Bankroll over the session"));
    charts->addWidget(withLegend(ends_));
    charts->addWidget(withLegend(bankrollChart_));
    ownNote_ = new QLabel(this);
    ownNote_->setObjectName(QStringLiteral("lblOwnSessionNote"));
    ownNote_->setWordWrap(true);
    ownNote_->setVisible(false);
    whole->addWidget(ownNote_);
}

QLineEdit* SessionPanel::addField(std::size_t errorSlot, const char* objectName, const char* errorName,
                                  const QString& caption, const QString& text) {
    const int row = fields_->rowCount();
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QString::fromLatin1(objectName));
    auto* name = new QLabel(caption, this);
    name->setBuddy(edit);
    QLabel* error = makeProblemLabel(*this, errorName);
    fields_->addWidget(name, row, 0);
    fields_->addWidget(edit, row, 1);
    fields_->addWidget(error, row + 1, 0, 1, 2);
    errors_[errorSlot] = error;
    connect(edit, &QLineEdit::textEdited, this, [this] { actions_.edited(); });
    connect(edit, &QLineEdit::returnPressed, this, [this] { actions_.run(); });
    connect(edit, &QLineEdit::editingFinished, this, [this, errorSlot] { actions_.left(errorSlot); });
    return edit;
}

QLabel* SessionPanel::addResult(const char* objectName, const QString& caption) {
    QLabel* value = addFigureRow(*results_, *this, objectName, caption, results_->rowCount(), 0, Qt::AlignTop);
    value->setWordWrap(true);
    return value;
}

QLabel* SessionPanel::errorLabel(SystemField field) const {
    // A problem with the layout itself is told beside the Run button.
    return field == SystemField::Layout ? status_ : errors_[slotOf(field)];
}

SessionFieldTexts SessionPanel::fieldTexts() const {
    SessionFieldTexts texts;
    texts.bankroll = bankroll_->text().toStdString();
    texts.spins = spins_->text().toStdString();
    // The exact method counts every session: the number typed has no say.
    texts.sessions = sessions_->isEnabled() ? sessions_->text().toStdString() : std::string("1");
    texts.stopLoss = stopLoss_->text().toStdString();
    texts.target = target_->text().toStdString();
    texts.progression = kProgressions[static_cast<std::size_t>(std::max(0, progression_->currentIndex()))];
    texts.seed = seed_->text().toStdString();
    return texts;
}

void SessionPanel::suggestBankroll(Money amountBet) {
    if (bankrollTyped_)
        return;
    bankroll_->setText(amountBet > Money{} ? plainAmount(amountBet * kBankrollTimesBet) : QString());
}

void SessionPanel::showExactAnswers(bool exact) {
    sessions_->setEnabled(!exact);
    sessionsCaption_->setText(exact ? tr("Sessio&ns (every one counted)") : tr("Sessio&ns"));
}

std::vector<std::size_t> SessionPanel::shownSlots() const {
    std::vector<std::size_t> shown;
    for (std::size_t slot = 0; slot < errors_.size(); ++slot)
        if (errors_[slot] != nullptr && !errors_[slot]->isHidden())
            shown.push_back(slot);
    return shown;
}

void SessionPanel::showProblems(const std::vector<InputProblem>& problems, const std::string& seedProblem,
                                const std::vector<std::size_t>& shown) {
    for (QLabel* label : errors_)
        if (label != nullptr) {
            label->clear();
            label->setVisible(false);
        }
    const auto isShown = [&](std::size_t slot) { return std::find(shown.begin(), shown.end(), slot) != shown.end(); };
    for (const InputProblem& problem : problems) {
        // What the layout lacks is told beside Run, and only when Run is pressed.
        if (problem.field == SystemField::Layout || !isShown(slotOf(problem.field)))
            continue;
        QLabel* label = errorLabel(problem.field);
        // Two problems with one field: the first is enough to act on.
        if (label != status_ && !label->isHidden())
            continue;
        label->setText(QString::fromStdString(problem.message));
        label->setVisible(true);
    }
    if (!seedProblem.empty() && isShown(kSeedError)) {
        errors_[kSeedError]->setText(QString::fromStdString(seedProblem));
        errors_[kSeedError]->setVisible(true);
    }
}

void SessionPanel::showProblems(const std::vector<InputProblem>& problems) {
    std::vector<std::size_t> every(errors_.size());
    std::iota(every.begin(), every.end(), 0);
    showProblems(problems, readSessionFields(fieldTexts()).seedProblem, every);
    status_->setText(QStringLiteral(" "));
    for (const InputProblem& problem : problems)
        if (problem.field == SystemField::Layout) {
            status_->setText(QString::fromStdString(problem.message));
            break;
        }
}

void SessionPanel::clearProblems() {
    showProblems({}, {}, {});
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
    summary_->setText(summarySentence(outcome, system));
    method_->setText(methodText(outcome));
    system_->setText(systemSummary(system));
    targetReached_->setText(system.rules.target ? chanceText(outcome.target, m) : tr("no target set"));
    stopLossReached_->setText(system.rules.stopLoss ? chanceText(outcome.stopLoss, m) : tr("no stop level set"));
    ruin_->setText(notCoveredText(outcome));
    spinsDone_->setText(chanceText(outcome.spinsDone, m));
    broke_->setText(chanceText(outcome.broke, m));
    ahead_->setText(chanceText(outcome.ahead, m));
    meanEnd_->setText(chipMoneyText(outcome.meanEndChips, m, chip));
    medianEnd_->setText(chipMoneyText(outcome.medianEndChips, chip));
    spinsPlayed_->setText(decimalText(outcome.meanSpinsPlayed, m));
    staked_->setText(stakedText(outcome));
    lossPerDollar_->setText(lossPerDollarText(outcome));

    showEndHistogram(ends_->chart(), outcome);
    ownSession_ = showBankrollBands(bankrollChart_->chart(), outcome.bands, chip);
    showStale(false);
}

void SessionPanel::clearOutcome() {
    for (QLabel* label : {summary_, method_, system_, targetReached_, stopLossReached_, ruin_, spinsDone_, broke_,
                          ahead_, meanEnd_, medianEnd_, spinsPlayed_, staked_, lossPerDollar_})
        label->setText(QStringLiteral(" "));
    clearChart(ends_->chart());
    clearChart(bankrollChart_->chart());
    ownSession_ = nullptr;
    ownNote_->setVisible(false);
    showStale(false);
}

void SessionPanel::showStale(bool stale) {
    stale_->setVisible(stale);
    markChartStale(ends_->chart(), stale);
    markChartStale(bankrollChart_->chart(), stale);
}

void SessionPanel::showOwnSession(const QList<QPointF>& points, const QString& note) {
    if (ownSession_ == nullptr)
        return;
    ownSession_->replace(points);
    ownNote_->setText(note);
    ownNote_->setVisible(!note.isEmpty());
}
