#include "ui/qt/FrmAnalysis.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <new>
#include <random>
#include <thread>

#include "analysis/SpinAnalysis.h"
#include "analysis/WheelFairness.h"
#include "game/QueltaGame.h"
#include "ui/SessionInputs.h"
#include "ui/qt/ComparePanel.h"
#include "ui/qt/SessionPanel.h"
#include "ui/qt/SpinFigures.h"
#include "ui/qt/WheelPanel.h"

namespace {
constexpr int kGapBesideTable = 8;

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
    auto* whole = new QVBoxLayout(this);
    spin_ = new SpinFigures(this);
    whole->addWidget(spin_);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabAnalysis"));
    sessions_ = new SessionPanel(
        tabs_, [this] { run(); }, [this] { cancel(); });
    compare_ = new ComparePanel(
        tabs_, [this] { keepAsA(); }, [this] { forgetA(); });
    wheel_ = new WheelPanel(tabs_);
    tabs_->addTab(sessions_, tr("&Sessions"));
    tabs_->addTab(compare_, tr("C&ompare"));
    tabs_->addTab(wheel_, tr("&Wheel"));
    whole->addWidget(tabs_, 1);

    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    refreshNow();
}

FrmAnalysis::~FrmAnalysis() = default;

void FrmAnalysis::open(const QWidget& table) {
    if (!placed_) {
        placed_ = true;
        setWindowIcon(table.windowIcon());
        adjustSize();
        // Beside the table where the screen has room, else where the window
        // system puts it.
        const QRect frame = table.frameGeometry();
        const QScreen* screen = table.screen() != nullptr ? table.screen() : QGuiApplication::primaryScreen();
        const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
        const QPoint right(frame.right() + kGapBesideTable, frame.top());
        if (room.isNull() || right.x() + width() <= room.right())
            move(right);
        else if (frame.left() - kGapBesideTable - width() >= room.left())
            move(frame.left() - kGapBesideTable - width(), frame.top());
    }
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
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
        }
        if (!seen_ || seen_->hits != now.hits || seen_->wheel != now.wheel)
            wheel_->showReport(testFairness(now.wheel, now.hits));
        if (!seen_ || seen_->ledgerSpins != now.ledgerSpins || seen_->reinitialisations != now.reinitialisations)
            showOwnSession();
        seen_ = now;
    }
    if (job_)
        pollJob();
    if (stopping_)
        pollStopping();
}

void FrmAnalysis::tableReinitialised() {
    const bool wasRunning = running();
    letJobStop();
    showRunning(false);
    sessions_->clearOutcome();
    compare_->clearComparison();
    outcomeShown_ = false;
    stoppingShown_ = false;
    if (wasRunning)
        sessions_->showStatus(tr("The table was re-initialised, so the analysis was stopped. Press Run to analyse "
                                 "the table as it is now."));
}

std::optional<BettingSystem> FrmAnalysis::readSystem() {
    // The suggested bankroll follows the layout as it is at this moment.
    refreshNow();
    sessions_->clearProblems();
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    if (!values.problems.empty()) {
        sessions_->showProblems(values.problems);
        return std::nullopt;
    }
    BettingSystem system = snapshotOf(game_.state(), values.rules);
    if (const std::optional<InputProblem> problem = checkSystem(system, values.sessions)) {
        sessions_->showProblems({*problem});
        return std::nullopt;
    }
    return system;
}

void FrmAnalysis::run() {
    if (running())
        return;
    const std::optional<BettingSystem> system = readSystem();
    if (!system)
        return;
    const SessionFieldValues values = readSessionFields(sessions_->fieldTexts());
    sessions_->clearOutcome();
    compare_->clearComparison();
    outcomeShown_ = false;
    jobSystem_ = *system;
    try {
        job_ = std::make_unique<AnalysisJob>(*system, keptA_, values.sessions, freshSeed(), analysisThreads(),
                                             startThread_);
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

void FrmAnalysis::pollJob() {
    sessions_->showProgress(job_->progress());
    if (!job_->finished())
        return;
    const std::unique_ptr<AnalysisJob> done = std::move(job_);
    showRunning(false);
    if (!done->error().empty()) {
        sessions_->showStatus(QString::fromStdString(done->error()));
        return;
    }
    if (!done->result()) {
        sessions_->showStatus(tr("Cancelled."));
        return;
    }
    const AnalysisJob::Result& result = *done->result();
    sessions_->showOutcome(result.sessions, jobSystem_);
    if (result.comparison)
        compare_->showComparison(*result.comparison, jobSystem_);
    outcomeShown_ = true;
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
    std::vector<Money> net;
    net.reserve(game_.state().ledger.size());
    for (const LedgerEntry& entry : game_.state().ledger.entries())
        net.push_back(entry.returned - entry.bet);
    sessions_->showOwnSession(net);
}

void FrmAnalysis::keepAsA() {
    if (running())
        return; // the running comparison belongs to the A it started with
    const std::optional<BettingSystem> system = readSystem();
    if (!system) {
        tabs_->setCurrentWidget(sessions_);
        return;
    }
    keptA_ = system;
    sessions_->holdBankroll();
    compare_->showKept(&*keptA_);
}

void FrmAnalysis::forgetA() {
    if (running())
        return;
    keptA_.reset();
    compare_->showKept(nullptr);
}

// Closing the window stops its analysis; the window itself stays, hidden,
// with the player's fields, until the table's window goes.
void FrmAnalysis::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
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
