#include "ui/qt/FrmAnalysis.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <new>
#include <random>
#include <thread>

#include "analysis/FairnessJob.h"
#include "analysis/SessionReplay.h"
#include "analysis/SpinAnalysis.h"
#include "analysis/WheelFairness.h"
#include "game/QueltaGame.h"
#include "systems/LayoutSystem.h"
#include "systems/files/NumbersFile.h"
#include "ui/SessionInputs.h"
#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/BesideTable.h"
#include "ui/qt/ComparePanel.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FigureRow.h"
#include "ui/qt/RecordedPanel.h"
#include "ui/qt/ScrollingContent.h"
#include "ui/qt/SessionPanel.h"
#include "ui/qt/SpinFigures.h"
#include "ui/qt/SystemArea.h"
#include "ui/qt/SystemFigures.h"
#include "ui/qt/WheelPanel.h"

namespace {
// Small enough for a magnified laptop screen; the rest scrolls.
constexpr int kMinimumWidth = 360;
constexpr int kMinimumHeight = 240;
// Where the screen has room, wide enough for two charts side by side that
// read at a glance.
constexpr int kRoomyWidth = 960;

// One core stays with the table, so its spins and yields keep their pace
// while an analysis runs.
unsigned analysisThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? cores - 1 : 1;
}

std::uint64_t freshSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) | device();
}

QString wheelName(Wheel wheel) {
    return wheel == Wheel::European ? FrmAnalysis::tr("European") : FrmAnalysis::tr("American");
}

Wheel tableWheel(const QueltaGame& game) {
    return game.checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American;
}
} // namespace

FrmAnalysis::FrmAnalysis(const QueltaGame& game) : QWidget(nullptr), game_(game) {
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(tr("System Analysis"));
    // A view beside the table: closing the table ends the program even while
    // this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("fraAnalysisContent"));
    auto* whole = new QVBoxLayout(content);
    systemArea_ = new SystemArea(content, installedSystems(),
                                 {.changed = [this] { systemChanged(); },
                                  .fromTable = [this]() -> std::optional<systems::System> {
                                      const std::optional<BettingSystem> layout = readSystem();
                                      if (!layout)
                                          return std::nullopt;
                                      systems::System system = systems::systemOfLayout(*layout);
                                      system.name = tr("From the table").toStdString();
                                      return system;
                                  },
                                  .playRecorded = [this](const QString& file) { playRecorded(file); }});
    whole->addWidget(systemArea_);
    spin_ = new SpinFigures(content);
    whole->addWidget(spin_);
    tabs_ = new QTabWidget(content);
    tabs_->setObjectName(QStringLiteral("tabAnalysis"));
    sessions_ = new SessionPanel(tabs_, {.run = [this] { run(); },
                                         .cancel = [this] { cancel(); },
                                         .copy = [this] { copyResults(); },
                                         .edited = [this] { inputsChanged(); },
                                         .left = [this](std::size_t slot) { fieldLeft(slot); }});
    compare_ = new ComparePanel(
        tabs_, {.keep = [this] { keepAsA(); }, .forget = [this] { forgetA(); }, .run = [this] { run(); }});
    wheel_ = new WheelPanel(tabs_);
    tabs_->addTab(sessions_, tr("&Sessions"));
    tabs_->addTab(compare_, tr("C&ompare"));
    tabs_->addTab(wheel_, tr("&Wheel"));
    systemFigures_ = new SystemFigures(tabs_);
    tabs_->addTab(systemFigures_, tr("System &figures"));
    recorded_ = new RecordedPanel(tabs_);
    tabs_->addTab(recorded_, tr("Recorded &numbers"));
    whole->addWidget(tabs_, 1);
    scroll_ = makeScrollingContent(*this, content);
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    refreshNow();
}

FrmAnalysis::~FrmAnalysis() = default;

void FrmAnalysis::open(const QWidget& table) {
    if (!placed_)
        setWindowIcon(table.windowIcon());
    if (isMinimized())
        showNormal();
    placeOnScreen(table);
    show();
    raise();
    activateWindow();
}

// The first time beside the table at a size the screen holds; every time
// wholly on the screen.
void FrmAnalysis::placeOnScreen(const QWidget& table) {
    if (!placed_) {
        placed_ = true;
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize natural = scroll_->widget()->sizeHint() + QSize(scrollBar, 0);
        placeBesideTable(*this, table, natural, natural.expandedTo(QSize(kRoomyWidth + scrollBar, 0)));
    }
    keepOnScreen(*this, table);
}

FrmAnalysis::TableSeen FrmAnalysis::seeTable() const {
    const GameState& state = game_.state();
    TableSeen seen;
    seen.wheel = tableWheel(game_);
    seen.unit = game_.currentUnit();
    seen.stakes = state.Stakes;
    seen.hits = state.NumberHits;
    seen.ledgerSpins = state.ledger.size();
    seen.reinitialisations = state.reinitialisations;
    return seen;
}

void FrmAnalysis::refreshNow() { tick(); }

// Runs on the window thread, also at the game's yields in the middle of a
// run: it reads the state and draws, and never calls into the game.
void FrmAnalysis::tick() {
    const TableSeen now = seeTable();
    if (!seen_ || *seen_ != now) {
        if (seen_ && seen_->reinitialisations != now.reinitialisations)
            tableReinitialised();
        if (!seen_ || seen_->stakes != now.stakes || seen_->wheel != now.wheel || seen_->unit != now.unit) {
            const SpinAnalysis spin = analyseSpin(snapshotOf(game_.state(), SessionRules{}));
            spin_->showSpin(spin);
            sessions_->suggestBankroll(spin.amountBet);
            if (seen_)
                inputsChanged();
            else
                showExactAnswers();
        }
        if (!seen_ || seen_->hits != now.hits || seen_->wheel != now.wheel)
            fairnessWanted_ = true;
        if (!seen_ || seen_->ledgerSpins != now.ledgerSpins || seen_->reinitialisations != now.reinitialisations)
            showOwnSession();
        seen_ = now;
    }
    pollFairness(now);
    if (job_)
        pollJob();
    if (systemJob_)
        pollSystemJob();
    if (stopping_)
        pollStopping();
}

// One fairness report is worked out at a time, off this thread; hits that
// change meanwhile are judged when it is done, so a run of quick spins costs
// one report at a time however fast the hits change.
void FrmAnalysis::pollFairness(const TableSeen& now) {
    if (fairness_ && fairness_->finished()) {
        wheel_->showReport(fairness_->report());
        fairness_.reset();
    }
    if (fairnessWanted_ && !fairness_) {
        fairnessWanted_ = false;
        fairness_ = std::make_unique<FairnessJob>(now.wheel, now.hits, startThread_);
    }
}

void FrmAnalysis::tableReinitialised() {
    // A job of systems that owe nothing to the table carries on.
    const bool wasRunning = job_ != nullptr || (systemJob_ && systemJobUsesTable_);
    letJobStop();
    if (systemJobUsesTable_ && systemJob_) {
        systemJob_.reset();
        dropUnfinishedFigures();
    }
    if (!systemJob_)
        showRunning(false);
    sessions_->clearOutcome();
    compare_->clearComparison();
    outcomeShown_ = false;
    stoppingShown_ = false;
    if (wasRunning)
        sessions_->showStatus(tr("The table was re-initialised, so the analysis was stopped. Press Run to analyse "
                                 "the table as it is now."));
}

namespace {
// Every problem the fields have, the layout's included: what the fields say,
// whole chips, and what the analyser refuses.
std::vector<InputProblem> problemsOf(const SessionFieldValues& values, const GameState& state) {
    std::vector<InputProblem> problems = values.problems;
    const BettingSystem system = snapshotOf(state, values.rules);
    if (problems.empty())
        problems = wholeChipProblems(values.rules, unitRow(system.unit).chipValue);
    if (problems.empty())
        if (const std::optional<InputProblem> problem = checkSystem(system, values.sessions))
            problems.push_back(*problem);
    return problems;
}
} // namespace

std::optional<BettingSystem> FrmAnalysis::readSystem() {
    // The suggested bankroll follows the layout as it is at this moment, and
    // whether the number of sessions counts follows the fields as they are,
    // however they were filled in.
    refreshNow();
    showExactAnswers();
    sessions_->clearProblems();
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    const std::vector<InputProblem> problems = problemsOf(values, game_.state());
    if (!problems.empty() || !values.seedProblem.empty()) {
        sessions_->showProblems(problems);
        return std::nullopt;
    }
    return snapshotOf(game_.state(), values.rules);
}

void FrmAnalysis::inputsChanged() {
    changedSinceRun_ = true;
    if (outcomeShown_) {
        sessions_->showStale(true);
        compare_->showStale(true);
    }
    // A message goes as soon as its field is put right; new ones wait until
    // the player leaves the field.
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    sessions_->showProblems(problemsOf(values, game_.state()), values.seedProblem, sessions_->shownSlots());
    showExactAnswers();
}

void FrmAnalysis::fieldLeft(std::size_t slot) {
    if (std::find(visited_.begin(), visited_.end(), slot) == visited_.end())
        visited_.push_back(slot);
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    sessions_->showProblems(problemsOf(values, game_.state()), values.seedProblem, visited_);
}

void FrmAnalysis::showExactAnswers() {
    // A system's path figures come from the sessions asked for, even when
    // the exact method answers the rest.
    if (!systemArea_->tableChosen() || keptSystemA_) {
        sessions_->showExactAnswers(false);
        return;
    }
    SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    // The number of sessions is what is being decided, so its own problems
    // do not count; while another field is half typed the answer stays.
    std::erase_if(values.problems, [](const InputProblem& p) { return p.field == SystemField::Sessions; });
    values.sessions = 1;
    if (!values.problems.empty())
        return;
    // A comparison is always simulated, so with A kept the field counts.
    sessions_->showExactAnswers(!keptA_ && problemsOf(values, game_.state()).empty() &&
                                exactMethodFits(snapshotOf(game_.state(), values.rules)));
}

std::optional<BettingSystem> FrmAnalysis::comparableA(const BettingSystem& b) {
    if (!keptA_)
        return std::nullopt;
    if (checkComparable(*keptA_, b)) {
        compare_->showStatus(tr("A was kept on the %1 wheel and the table now has the %2 wheel: a comparison needs "
                                "both on the same wheel. Switch the wheel back, or Forget A and keep a new one.")
                                 .arg(wheelName(keptA_->wheel), wheelName(b.wheel)));
        return std::nullopt;
    }
    compare_->showStatus(QStringLiteral(" "));
    return keptA_;
}

void FrmAnalysis::copyResults() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(figuresText(*this));
}

void FrmAnalysis::run() {
    if (running())
        return;
    if (!systemArea_->tableChosen() || keptSystemA_) {
        runSystem();
        return;
    }
    const std::optional<BettingSystem> system = readSystem();
    if (!system) {
        // The messages stand beside the fields.
        tabs_->setCurrentWidget(sessions_);
        return;
    }
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    sessions_->clearOutcome();
    compare_->clearComparison();
    outcomeShown_ = false;
    changedSinceRun_ = false;
    jobSystem_ = *system;
    jobA_ = comparableA(*system);
    try {
        job_ = std::make_unique<AnalysisJob>(*system, jobA_, values.sessions, values.seed.value_or(freshSeed()),
                                             analysisThreads(), startThread_);
    } catch (const std::bad_alloc&) {
        sessions_->showStatus(QString::fromLatin1(AnalysisJob::kNoMemory));
        return;
    }
    showRunning(true);
    sessions_->showStatus(tr("Analysing..."));
    stoppingShown_ = false;
    timer_.start();
    pollJob(); // a job that could not start says so at once
}

void FrmAnalysis::showRunning(bool running) {
    sessions_->showRunning(running);
    compare_->holdKept(running);
}

void FrmAnalysis::letJobStop() {
    if (!job_)
        return;
    job_->cancel();
    // The job's threads hold what they use, so the one it replaces (if any)
    // may go at once, still stopping; only the latest is watched.
    stopping_ = std::move(job_);
}

void FrmAnalysis::cancel() {
    if (!running())
        return;
    if (systemJob_) {
        // Its threads hold what they use and stop on their own.
        systemJob_.reset();
        dropUnfinishedFigures();
        showRunning(false);
        sessions_->showStatus(tr("Cancelled."));
        return;
    }
    letJobStop();
    showRunning(false);
    sessions_->showStatus(tr("Stopping..."));
    stoppingShown_ = true;
    pollStopping();
}

// "Stopping..." stays until the cancelled job's threads have let go of the
// processor, or a new run takes over the status.
void FrmAnalysis::pollStopping() {
    if (!stopping_->finished())
        return;
    stopping_.reset();
    if (stoppingShown_)
        sessions_->showStatus(tr("Cancelled."));
    stoppingShown_ = false;
}

// A finished job of either kind: the window stops showing it running, and
// when it failed or was cancelled says so and drops any early figures.
// Returns true when there are no figures to show.
bool FrmAnalysis::endedWithoutFigures(const std::string& error, bool hasResult) {
    showRunning(false);
    if (!error.empty() || !hasResult)
        dropUnfinishedFigures();
    if (!error.empty()) {
        sessions_->showStatus(QString::fromStdString(error));
        return true;
    }
    if (!hasResult) {
        sessions_->showStatus(tr("Cancelled."));
        return true;
    }
    return false;
}

void FrmAnalysis::pollJob() {
    sessions_->showProgress(job_->progress());
    if (!job_->finished())
        return;
    const std::unique_ptr<AnalysisJob> done = std::move(job_);
    if (endedWithoutFigures(done->error(), done->result().has_value()))
        return;
    const AnalysisJob::Result& result = *done->result();
    sessions_->showOutcome(result.sessions, jobSystem_);
    if (result.comparison && jobA_)
        compare_->showComparison(*result.comparison, *jobA_, jobSystem_);
    outcomeShown_ = true;
    if (changedSinceRun_) {
        sessions_->showStale(true);
        compare_->showStale(true);
    }
    QString status = result.comparison ? tr("Done; the comparison with A is under Compare.") : tr("Done.");
    if (result.threadsStarted < result.threadsWanted)
        status += tr(" It ran on %1 of %2 threads: the system had no more to spare.")
                      .arg(result.threadsStarted)
                      .arg(result.threadsWanted);
    sessions_->showStatus(status);
    showOwnSession();
}

void FrmAnalysis::showOwnSession() {
    if (!outcomeShown_)
        return;
    // A system that has played on the table since it was last re-initialised
    // is the session the player follows, spin by spin as it plays.
    const SystemPlayStatus& play = game_.systemPlay();
    if (play.bankrolls.size() > 1 && play.end != SystemPlayEnd::TableReset) {
        std::vector<std::int64_t> tenThousandths;
        tenThousandths.reserve(play.bankrolls.size());
        for (const Money m : play.bankrolls)
            tenThousandths.push_back(m.tenThousandths());
        sessions_->showOwnSession(ownSessionPoints(tenThousandths, Money::fromTenThousandths(1)),
                                  tr("The red line is the system played on your table. %1")
                                      .arg(QString::fromStdString(describeSystemPlay(play))));
        return;
    }
    const std::vector<LedgerEntry>& ledger = game_.state().ledger.entries();
    std::vector<PocketCode> pockets;
    pockets.reserve(ledger.size());
    // The line is the analysed system on the player's numbers; when the
    // player's own bets were not that system's, the line is not their money.
    const Money layout = analyseSpin(jobSystem_).amountBet;
    bool ownBetsDiffer = jobSystem_.rules.progression != Progression::Flat;
    for (const LedgerEntry& entry : ledger) {
        // A spin with nothing on the layout (the fresh wheel's own) was not played.
        if (entry.bet == Money{})
            continue;
        pockets.push_back(entry.pocket);
        ownBetsDiffer = ownBetsDiffer || entry.bet != layout;
    }
    ReplayedSession replay;
    try {
        replay = replaySession(jobSystem_, pockets);
    } catch (const std::invalid_argument&) {
        return; // numbers of another wheel: the figures are about to be cleared
    }
    const QList<QPointF> points = ownSessionPoints(replay.bankrollChips, unitRow(jobSystem_.unit).chipValue);
    QString note;
    if (!pockets.empty()) {
        note = ownBetsDiffer ? tr("The red line is this system played on the %1 numbers of your table since it was "
                                  "last re-initialised; your own bets differed, so your money went another way.")
                                   .arg(pockets.size())
                             : tr("The red line is your own session since the table was last re-initialised.");
        if (replay.end && *replay.end != SessionEnd::SpinsDone)
            note += tr(" It stops after spin %1, where this system stops: %2.")
                        .arg(replay.bankrollChips.size() - 1)
                        .arg(endName(*replay.end).toLower());
    }
    sessions_->showOwnSession(points, note);
}

void FrmAnalysis::keepAsA() {
    if (running())
        return; // the running comparison belongs to the A it started with
    if (!systemArea_->tableChosen()) {
        keptSystemA_ = systemArea_->system();
        if (!keptSystemA_)
            return; // the reader's message stands beside the system
        keptA_.reset();
        compare_->showKept(nullptr);
        compare_->showStatus(tr("A is the system %1. Choose B above and press Run: both systems' figures show side "
                                "by side under System figures.")
                                 .arg(QString::fromStdString(keptSystemA_->name)));
        return;
    }
    const std::optional<BettingSystem> system = readSystem();
    if (!system) {
        tabs_->setCurrentWidget(sessions_);
        return;
    }
    keptA_ = system;
    keptSystemA_.reset();
    sessions_->holdBankroll();
    compare_->showKept(&*keptA_);
    compare_->showStatus(QStringLiteral(" "));
    showExactAnswers();
}

void FrmAnalysis::forgetA() {
    if (running())
        return;
    keptA_.reset();
    keptSystemA_.reset();
    compare_->showKept(nullptr);
    compare_->showStatus(QStringLiteral(" "));
    showExactAnswers();
}

// Closing the window stops its analysis; the window itself stays, hidden,
// with the player's fields, until the table's window goes.
void FrmAnalysis::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
}

// Esc closes the window as it closes a dialog: a field passes the key on.
void FrmAnalysis::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmAnalysis::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshNow();
    timer_.start();
}

void FrmAnalysis::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Minimised, the window still polls a running analysis; hidden, it has none.
    if (!isMinimized()) {
        cancel();
        timer_.stop();
    }
}

std::optional<systems::System> FrmAnalysis::systemToPlay() {
    if (!systemArea_->tableChosen())
        return systemArea_->system();
    const std::optional<BettingSystem> layout = readSystem();
    return layout ? std::optional(systems::systemOfLayout(*layout)) : std::nullopt;
}

void FrmAnalysis::systemChanged() {
    if (systemFigures_ == nullptr)
        return; // the window is still being built
    if (running())
        cancel();
    systemFigures_->clearOutcome();
    inputsChanged();
}

void FrmAnalysis::runSystem() {
    std::optional<systems::System> system = systemToPlay();
    if (!system) {
        if (systemArea_->tableChosen())
            tabs_->setCurrentWidget(sessions_);
        return; // the messages stand beside the fields
    }
    // Only the number of sessions and the seed come from the session fields:
    // a system carries its own session rules.
    sessions_->clearProblems();
    SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    std::erase_if(values.problems, [](const InputProblem& p) { return p.field != SystemField::Sessions; });
    if (!values.problems.empty() || !values.seedProblem.empty()) {
        sessions_->showProblems(values.problems, values.seedProblem,
                                {SessionPanel::kSeedSlot, static_cast<std::size_t>(SystemField::Sessions)});
        tabs_->setCurrentWidget(sessions_);
        return;
    }
    std::optional<systems::System> a = keptSystemA_;
    if (!a && keptA_)
        a = systems::systemOfLayout(*keptA_);
    // A layout kept as A is a copy the player froze; only B can be the table.
    systemJobUsesTable_ = systemArea_->tableChosen();
    jobSystemName_ = QString::fromStdString(system->name);
    jobSystemAName_ = a ? QString::fromStdString(a->name) : QString();
    jobSystemRules_ = system->rules;
    if (a)
        jobSystemARules_ = a->rules;
    systemFigures_->clearOutcome();
    exactFiguresShown_ = false;
    changedSinceRun_ = false;
    try {
        systemJob_ = std::make_unique<systems::SystemJob>(std::move(*system), std::move(a), systems::MethodChoice::Auto,
                                                          values.sessions, values.seed.value_or(freshSeed()),
                                                          analysisThreads(), startThread_);
    } catch (const std::bad_alloc&) {
        sessions_->showStatus(QString::fromLatin1(AnalysisJob::kNoMemory));
        return;
    }
    showRunning(true);
    sessions_->showStatus(tr("Analysing..."));
    timer_.start();
    systemJobStarted_.start();
    pollSystemJob();
}

void FrmAnalysis::pollSystemJob() {
    sessions_->showProgress(systemJob_->progress());
    if (!systemJob_->finished()) {
        // The exact figures are worth showing while the simulated sessions
        // behind the path figures are still being played.
        if (!exactFiguresShown_ && systemJob_->exactFigures()) {
            exactFiguresShown_ = true;
            showSystemResult(*systemJob_->exactFigures());
            tabs_->setCurrentWidget(systemFigures_);
            sessions_->showStatus(tr("The exact figures are under System figures; simulating sessions for the "
                                     "rest..."));
        } else if (!exactFiguresShown_ && systemJobStarted_.elapsed() < kRefreshMs) {
            // Exact figures are often ready in a few milliseconds: look
            // again sooner than the refresh would for the first of them.
            QTimer::singleShot(kFirstFiguresPollMs, this, [this] {
                if (systemJob_)
                    pollSystemJob();
            });
        }
        return;
    }
    const std::unique_ptr<systems::SystemJob> done = std::move(systemJob_);
    if (endedWithoutFigures(done->error(), done->result().has_value()))
        return;
    showSystemResult(*done->result());
    if (!exactFiguresShown_) // else the player may have turned elsewhere meanwhile
        tabs_->setCurrentWidget(systemFigures_);
    sessions_->showStatus(tr("Done; the figures are under System figures."));
}

// Exact figures shown ahead of a job that then ended without its path
// figures would go on saying those are being simulated.
void FrmAnalysis::dropUnfinishedFigures() {
    if (exactFiguresShown_)
        systemFigures_->clearOutcome();
    exactFiguresShown_ = false;
}

void FrmAnalysis::showSystemResult(const systems::SystemJob::Result& result) {
    std::optional<SystemFigures::Judged> kept;
    if (result.kept)
        kept = SystemFigures::Judged{jobSystemAName_, jobSystemARules_, *result.kept};
    systemFigures_->showOutcome({jobSystemName_, jobSystemRules_, result.outcome}, kept);
}

bool FrmAnalysis::running() const { return job_ != nullptr || systemJob_ != nullptr; }

// One session over numbers from a real wheel is quick to play, as is the
// test of a few thousand numbers, so it runs here.
void FrmAnalysis::playRecorded(const QString& numbersFile) {
    const std::optional<systems::System> system = systemToPlay();
    if (!system)
        return; // the messages stand beside the fields
    tabs_->setCurrentWidget(recorded_);
    try {
        const std::vector<PocketCode> pockets =
            systems::files::readNumbersFile(numbersFile.toStdString(), system->rules.wheel);
        recorded_->showBacktest(QFileInfo(numbersFile).fileName(), QString::fromStdString(system->name),
                                systems::backtest(*system, pockets), unitRow(system->rules.unit).chipValue,
                                system->rules.wheel);
    } catch (const std::exception& problem) {
        recorded_->showProblem(QString::fromUtf8(problem.what()));
    }
}
