#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

#include "layout/BetSpotCatalogue.h"
#include "ui/MenuItem.h"
#include "ui/Screen.h"
#include "ui/qt/ControlRegistry.h"

class QueltaGame;
class QtScreen;
class TableSurface;
class SpotLabel;
class MenuBarMirror;
class FrmAnalysis;
class LayoutFocus;

// The main window: the table, its controls, the menu bar and the game they
// show. It holds no rule of the game: clicks and menu choices go to the
// game's handlers, and the game answers through the window's QtScreen.
class FrmQuelta : public QMainWindow {
public:
    // A missing clock or random source is replaced by the real one.
    explicit FrmQuelta(std::unique_ptr<Clock> clock = {}, std::unique_ptr<RandomSource> random = {});
    ~FrmQuelta() override;

    // Runs the load handler (the splash, the initial spin), then shows the
    // window, as the program does once at start.
    void start();

    QueltaGame& game() { return *game_; }
    QtScreen& screen() { return *screen_; }
    TableSurface* table() const { return table_; }
    // The layout as the keyboard's one control over all the spots.
    LayoutFocus* layoutFocus() const { return layoutFocus_; }
    MenuBarMirror& menus() { return *menus_; }
    const ControlRegistry& controls() const { return controls_; }
    SpotLabel* spotLabel(int displaySlot) const { return spots_[static_cast<std::size_t>(displaySlot)]; }

    // The wheel the table plays now.
    Wheel playWheel() const;
    // Keeps the spot labels' spoken names and the focus mark in step with the wheel.
    void updateSpotNames();
    // The System Analysis window: opened from the View menu, or brought to
    // the front when it is open already. It is a view of the windows, not
    // part of the game.
    void openAnalysis();
    // The analysis window once it has been opened, else nullptr.
    FrmAnalysis* analysisWindow() const { return analysis_.get(); }
    // Tells assistive tools how many chips lie on the spot, from its count.
    void describeSpotChips(int displaySlot, const QString& chipCaption);
    // Tells assistive tools the winning number, the pay out and the winnings
    // in words, from what the labels show, as a change of the labels' names.
    void announceResults();

protected:
    // Centred again on first showing, frame and all.
    void showEvent(QShowEvent* event) override;
    // A close through the window manager ends the program as Exit does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildOverlay();
    void buildMenus();
    void buildKeyboardLayout();
    void describeDisplays();
    void menuChosen(MenuItem item);

    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<QtScreen> screen_;
    std::unique_ptr<QueltaGame> game_;
    std::unique_ptr<MenuBarMirror> menus_;
    // Reads the game, so it goes before the game does.
    std::unique_ptr<FrmAnalysis> analysis_;
    TableSurface* table_ = nullptr;
    LayoutFocus* layoutFocus_ = nullptr;
    ControlRegistry controls_;
    std::array<SpotLabel*, kSpotCount> spots_{};
    bool shownBefore_ = false;
};
