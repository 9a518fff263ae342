#pragma once

#include <cstdint>
#include <string>

#include "game/GameState.h"
#include "game/SystemPlayStatus.h"
#include "layout/BettingUnit.h"

class Screen;
class Clock;
class RandomSource;
namespace systems {
struct System;
class SystemPlayer;
struct PlayState;
} // namespace systems

// The main window's game: its state and every procedure and event handler of
// the table. It draws nothing itself; it tells the Screen what to show.
// Handlers may run nested inside one another at the yields, as on the real
// table, so every handler leaves the state consistent before it yields.
class QueltaGame {
public:
    QueltaGame(Screen& screen, Clock& clock, RandomSource& random);

    const GameState& state() const { return state_; }
    bool checked(MenuItem item) const { return state_.checked(item); }
    bool enabled(MenuItem item) const { return state_.enabled(item); }

    // --- start-up (the main window's load handler) -------------------------
    void Form_Load();
    void InitialSpin();
    void ClearHitCounts();
    void ShowOutsideHits();

    // --- runs of spins ------------------------------------------------------
    void cmdStart_Click();
    void CountSpin();
    void mnuOneSpins_Click();
    void mnuTenSpins_Click();
    void mnuTwentyFiveSpins_Click();
    void mnuFiftySpins_Click();
    void mnuHundredSpins_Click();
    void mnuDaySpins_Click();
    void mnuQuickSpin_Click();
    void mnuNormalSpin_Click();

    // --- one spin -----------------------------------------------------------
    void SpinWheel();
    PocketCode DrawNumber();
    void AnimateWheel();
    void ShowWinningNumber(PocketCode code);

    // --- reset and re-initialisation ----------------------------------------
    void InitialiseWheel();
    void cmdReset_Click();
    void cmdZeroSpin_Click();
    void cmdQuit_Click();
    void mnuExit_Click();

    // --- the betting layout -------------------------------------------------
    // button: 1 left, 2 right, 4 middle
    void BetSpotMouseUp(int displaySlot, int button);
    void AddChipValue();
    void CheckTableLimit();
    void mnuOn_Click();
    void mnuOff_Click();
    void mnuTwentyFive_Click();
    void mnuFifty_Click();
    void mnuOneDollar_Click();
    void mnuFiveDollar_Click();
    void mnuTenDollar_Click();
    // The money value of a count of chips under the current unit; exact.
    Money UnitsToMoney(std::int64_t chips) const;
    BettingUnit currentUnit() const;
    void ClearLayout();
    void ClearStakes();
    void cmdRemChips_Click();
    void mnuRemoveChips_Click();

    // --- settlement and results ---------------------------------------------
    void SettleSpin();
    // Returns of the twelve outside spots in chips (slot 149 + i), and
    // advances OutsideHits.
    std::array<std::int64_t, 12> SettleOutsideBets();
    // The inside return in chips; advances NumberHits.
    std::int64_t SettleInsideBets();
    void RecordResult();
    std::string HitCountTip(int historyIndex) const;

    // --- statistics window --------------------------------------------------
    void mnuNumHits_Click();
    void mnuLastResults_Click();
    void frmStats_cmdClose_Click(); // "Resume Play"
    void frmStats_cmdExit_Click();  // "Close"
    void frmStats_QueryClose();     // closed through the window manager

    // --- wheels, pictures and help ------------------------------------------
    void mnuAmerican_Click();
    void mnuEuropean_Click();
    void EuropeanTableGraphic();
    void AmericanTableGraphic();
    void ChipGraphic();
    void WheelGraphic();
    void mnuIntroduction_Click();
    void mnuAbout_Click();

    // --- a system played on the table -----------------------------------------
    // Plays `system` on this table's wheel, unit and minimums: before every
    // spin the layout is moved to the system's stakes with the table's own
    // clicks, then the spin is counted, played and settled as any spin of a
    // run. Returns when the session ends, is stopped, or the table
    // is re-initialised; it yields like any run, so everything else stays
    // usable meanwhile, but the player's clicks on the layout are refused.
    // Returns false, changing nothing on the table, while a system plays or
    // when the system cannot be played (the status says why).
    bool playSystem(const systems::System& system);
    // Ends the playing system before its next spin.
    void stopSystem();
    bool systemPlaying() const { return systemPlay_.playing; }
    const SystemPlayStatus& systemPlay() const { return systemPlay_; }

    // Runs the click handler of a leaf menu item; parents and separators do nothing.
    void menuClicked(MenuItem item);

private:
    void setChecked(MenuItem item, bool checked);
    void setMenuEnabled(MenuItem item, bool enabled);
    // Waits on the clock, yielding all the while; never sleeps.
    void pause(double seconds);
    void selectRunLength(MenuItem item);
    void selectUnit(BettingUnit unit);
    void showStrip(int stripSlot, PocketCode code);
    void loadStatsHidden();
    void unloadStats();

    // The wheel a draw and settlement use: European while mnuEuropean is checked.
    Wheel playWheel() const;
    void dropStakesOffTheWheel();

    // --- spin cycle helpers ----------------------------------------------------
    // Selects a run of more than one spin, which forces quick spin.
    void selectMultiSpinRun(MenuItem item);
    // Blanks the history entries, on screen too when the window is loaded.
    void emptyHistory();

    // SpinWheel's work, returning the number it settled.
    PocketCode spinAndSettle();
    void removeAllChips();
    void placeSystemStakes(const systems::SystemPlayer& player, const systems::PlayState& play);
    void endSystemPlay(SystemPlayEnd end);

    Screen& screen_;
    Clock& clock_;
    RandomSource& random_;
    GameState state_;
    SystemPlayStatus systemPlay_;
    std::uint32_t systemRuns_ = 0; // tells a run ended at a yield from the one now playing
    bool placingForSystem_ = false;
};
