#pragma once

#include <QWidget>

#include <array>

#include "results/ResultHistory.h"
#include "ui/Screen.h"
#include "ui/StatsWindowControls.h"

class QLabel;
class QueltaGame;
class StatsGridFocus;

// The statistics window: the last 400 winning numbers in a 20 x 20 grid,
// each with its number's hit count as tooltip. Its buttons and a close
// through the window manager go to the game's handlers.
//
// The grid is only painted while the window is on screen: a new history
// that arrives while it is hidden or minimised is kept and painted on the
// next show or restore, and then only the entries that changed.
class FrmStats : public QWidget {
public:
    explicit FrmStats(QueltaGame& game);

    void setHistory(const ResultHistory& history, const NumberHitCounts& hits);
    // lbl400(0) to lbl400(2); nullptr for any other index.
    QLabel* lbl400(int index) const;
    QLabel* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    // Entries painted since the window was built, for checks that a hidden
    // window does no work.
    long long cellsPainted() const { return cellsPainted_; }
    // The grid as the keyboard's one control over the entries.
    StatsGridFocus* gridFocus() const { return grid_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Painted {
        PocketCode code = kNoNumber;
        int hits = -1; // -1: empty tooltip
    };
    bool onScreen() const;
    void refresh();

    QueltaGame& game_;
    std::array<QLabel*, kStatsCellCount> cells_{};
    std::array<QLabel*, 3> lbl400_{};
    StatsGridFocus* grid_ = nullptr;
    std::array<Painted, kStatsCellCount> painted_{};
    ResultHistory history_;
    NumberHitCounts hits_{};
    bool dirty_ = false;
    bool shownBefore_ = false;
    long long cellsPainted_ = 0;
};
