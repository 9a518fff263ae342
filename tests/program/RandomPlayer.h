#pragma once

#include <QObject>

class QWidget;

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ui/MenuItem.h"

class FrmQuelta;

// Plays the real table window at random, as a player with every input at
// hand would: clicks of the three buttons on every bet spot, bursts of clicks
// up to a spot's table limit, every leaf menu item but Exit, the table's
// buttons but Quit, the statistics window's buttons and close box, the
// About box, and the analysis window's Run (with small analyses, now and then
// bad input), Cancel, Keep as A, close box, and Play on the table (opening
// the window for it) and Stop. Some actions are fired from inside running
// operations: at the game's yields (a run, a sweep, the pause of chip removal, a re-initialisation) and while a modal
// box is open; every modal box is then closed, as a player would close it.
//
// Everything follows from the seed, so a run replays exactly.
class RandomPlayer : public QObject {
public:
    struct Limits {
        int maxDepth = 2;                 // levels of actions inside actions
        int nestedPerTopLevel = 4;        // actions fired inside one top-level action
        double chancePerYield = 0.02;     // at a yield of a quick spin
        double chancePerRareYield = 0.15; // in a sweep, a pause, a re-initialisation
        double chanceInModal = 0.5;
    };

    RandomPlayer(FrmQuelta& window, std::uint64_t seed, Limits limits);
    ~RandomPlayer() override;

    // One top-level action with whatever nests inside it.
    void playOne();

    // Called after every action (nested ones too) has returned.
    void setAfterEachAction(std::function<void()> callback) { afterEach_ = std::move(callback); }
    // One line per action, indented by nesting depth.
    const std::vector<std::string>& log() const { return log_; }
    long long actionsPlayed() const { return played_; }
    long long nestedPlayed() const { return nestedPlayed_; }
    // Spins played by systems on the table, and the systems that played any.
    long long systemSpins() const { return systemSpins_; }
    long long systemsPlayed() const { return systemsPlayed_; }
    // Nested actions by what was running when they fired, for the record.
    const std::map<std::string, long long>& nestedByMoment() const { return nestedByMoment_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind {
        SpotClick,
        SpotBurst,
        Menu,
        Start,
        Reset,
        Zero,
        RemoveChips,
        ResumePlay,
        CloseStats,
        CloseStatsBox,
        About,
        AnalysisRun,
        AnalysisCancel,
        AnalysisKeepA,
        AnalysisClose,
        SystemPlay,
        SystemStop
    };
    struct Action {
        Kind kind;
        int spot = 0;
        int button = 0; // Qt::MouseButton
        MenuItem item = MenuItem::mnuFile;
        std::string describe() const;
    };

    Action pick();
    void perform(const Action& action);
    void maybeNest(double chance, const std::string& where);
    std::string runningOperation() const;
    void clickSpot(int slot, int button);
    void clickButton(const char* objectName);
    void actOnAnalysis(Kind kind);
    void fillAnalysisFields(QWidget* analysis);
    void closeModalSoon(QObject* dialog);
    bool chance(double p);

    FrmQuelta& window_;
    Limits limits_;
    std::mt19937_64 random_;
    std::vector<MenuItem> leafItems_;
    std::function<void()> afterEach_;
    std::vector<std::string> log_;
    int depth_ = 0;
    int nestedLeft_ = 0;
    long long played_ = 0;
    long long nestedPlayed_ = 0;
    long long systemSpins_ = 0;
    long long systemsPlayed_ = 0;
    std::map<std::string, long long> nestedByMoment_;
};
