#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisJob.h"
#include "analysis/BettingSystem.h"
#include "systems/SystemJob.h"
#include "ui/Screen.h"

class ComparePanel;
class FairnessJob;
class QScrollArea;
class QTabWidget;
class QueltaGame;
class SessionPanel;
class SpinFigures;
class RecordedPanel;
class SystemArea;
class SystemFigures;
class WheelPanel;

// The System Analysis window: what the layout on the table does in one spin
// and over many sessions, how it compares with a system kept as A, and
// whether the wheel looks fair. It only reads the game's state, on the
// window thread, and never changes it; the sessions are analysed on the
// analysis job's own threads from a snapshot of the table.
//
// A re-initialisation of the table (Reset, a wheel or unit change) cancels a
// running analysis and clears the figures shown, which belonged to the table
// as it was: figures of two tables never stand side by side. A system kept as
// A stays, since the player froze it on purpose.
class FrmAnalysis : public QWidget {
public:
    explicit FrmAnalysis(const QueltaGame& game);
    ~FrmAnalysis() override;

    // Brings the window up beside the table, or to the front when it is open.
    void open(const QWidget& table);

    void run();
    void cancel();
    void keepAsA();
    void forgetA();
    // Puts every figure on show on the clipboard as text.
    void copyResults();
    bool running() const;
    // How the window starts an analysis's threads; a test makes it fail.
    void setThreadStarter(ThreadStarter start) { startThread_ = std::move(start); }
    // The chosen system: the layout with the session rules as the window
    // shows them, or a named or edited one; nothing (with the reasons beside
    // the fields) when they are wrong.
    std::optional<systems::System> systemToPlay();
    // Reads the table now rather than at the next turn of the live timer.
    void refreshNow();

    // How often the window looks at the table and at a running analysis.
    static constexpr int kRefreshMs = 100;
    static constexpr int kFirstFiguresPollMs = 5;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What the figures on show were computed from, to tell when they are stale.
    struct TableSeen {
        Wheel wheel = Wheel::European;
        BettingUnit unit = BettingUnit::OneDollar;
        std::array<ChipCount, kSpotCount> stakes{};
        NumberHitCounts hits{};
        std::size_t ledgerSpins = 0;
        std::uint32_t reinitialisations = 0;
        bool operator==(const TableSeen&) const = default;
    };
    TableSeen seeTable() const;
    void tick();
    void tableReinitialised();
    void pollJob();
    void pollFairness(const TableSeen& now);
    void pollStopping();
    // Runs the chosen system, or the layout against a system kept as A,
    // through the system analyser.
    void runSystem();
    void pollSystemJob();
    void showSystemResult(const systems::SystemJob::Result& result);
    void dropUnfinishedFigures();
    bool endedWithoutFigures(const std::string& error, bool hasResult);
    void systemChanged();
    void playRecorded(const QString& numbersFile);
    // Hands the running job over to stop on its own threads; never waits.
    void letJobStop();
    void showRunning(bool running);
    void showOwnSession();
    std::optional<BettingSystem> readSystem();
    // A field or the table changed: the figures no longer match, a field
    // put right loses its message, and the Sessions field shows whether the
    // exact method will answer.
    void inputsChanged();
    void fieldLeft(std::size_t slot);
    void showExactAnswers();
    void placeOnScreen(const QWidget& table);
    // The system kept as A when it can be compared with `b`; says on Compare
    // why not when it cannot.
    std::optional<BettingSystem> comparableA(const BettingSystem& b);

    const QueltaGame& game_;
    QTimer timer_;
    SpinFigures* spin_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    SessionPanel* sessions_ = nullptr;
    ComparePanel* compare_ = nullptr;
    WheelPanel* wheel_ = nullptr;
    std::optional<TableSeen> seen_;
    std::unique_ptr<AnalysisJob> job_;
    std::unique_ptr<FairnessJob> fairness_;
    bool fairnessWanted_ = false;
    // A cancelled job until its threads have stopped, for "Stopping...".
    std::unique_ptr<AnalysisJob> stopping_;
    ThreadStarter startThread_ = startPlainThread;
    bool stoppingShown_ = false;
    BettingSystem jobSystem_;
    std::optional<BettingSystem> jobA_;
    bool outcomeShown_ = false;
    std::optional<BettingSystem> keptA_;
    SystemArea* systemArea_ = nullptr;
    SystemFigures* systemFigures_ = nullptr;
    RecordedPanel* recorded_ = nullptr;
    std::unique_ptr<systems::SystemJob> systemJob_;
    bool exactFiguresShown_ = false; // of the running system job
    QElapsedTimer systemJobStarted_;
    bool systemJobUsesTable_ = false;            // the layout on the table is one of its systems
    std::optional<systems::System> keptSystemA_; // a system other than the layout kept as A
    QString jobSystemName_, jobSystemAName_;
    systems::SystemRules jobSystemRules_, jobSystemARules_;
    bool placed_ = false;
    // The fields the player has left at least once: their problems show.
    std::vector<std::size_t> visited_;
    // An input changed while the figures on show (or on their way) were computed.
    bool changedSinceRun_ = false;
};
