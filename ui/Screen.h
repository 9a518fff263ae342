#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/Money.h"
#include "ui/ControlId.h"
#include "ui/MenuItem.h"
#include "ui/Rgb.h"

class ResultHistory;

enum class MessageIcon : std::uint8_t { None, Exclamation };

// Hit counts per pocket, 0 to 36 and 00 (index 37).
using NumberHitCounts = std::array<std::int32_t, 38>;

// Everything the game logic asks of the windows. The Qt windows implement it;
// the tests use a recording fake. Nothing here knows a rule of the game.
class Screen {
public:
    virtual ~Screen() = default;

    // Controls of the main window and the statistics window.
    virtual void setCaption(ControlRef control, std::string_view text) = 0;
    // Currency text for the amount, in the user's locale.
    virtual void setMoneyCaption(ControlRef control, Money amount) = 0;
    virtual void setTextColour(ControlRef control, Rgb colour) = 0;
    virtual void setBackColour(ControlRef control, Rgb colour) = 0;
    virtual void setVisible(ControlRef control, bool visible) = 0;
    virtual void setEnabled(ControlRef control, bool enabled) = 0;
    virtual void repaintNow(ControlRef control) = 0;

    // Menu items mirror the flags the game keeps.
    virtual void setMenuChecked(MenuItem item, bool checked) = 0;
    virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;

    // The 400 history entries of the statistics window with their hit-count
    // tooltips, in one call per change.
    virtual void showHistory(const ResultHistory& history, const NumberHitCounts& hits) = 0;

    // The statistics window: not loaded, loaded and hidden, shown, minimised.
    virtual void loadStats() = 0;
    virtual void showStats() = 0;
    virtual void minimiseStats() = 0;
    virtual void restoreStats() = 0;
    virtual void unloadStats() = 0;
    virtual bool statsMinimised() const = 0;

    // The About box: as a splash while start-up runs, or modally on request.
    virtual void showAboutSplash() = 0;
    virtual void closeAboutSplash() = 0;
    virtual void showAboutModal() = 0;

    // Pictures, read by bare file name from the working directory. The loads
    // report failure and leave the window as the caller expects.
    virtual void removeBackground() = 0;
    virtual bool loadBackground(std::string_view fileName) = 0;
    virtual bool loadImage(ControlRef image, std::string_view fileName) = 0;
    virtual void openHelp(std::string_view fileName) = 0;

    virtual void centreMainWindow() = 0;

    // A modal box with one OK button; an empty title means the program's name.
    virtual void messageBox(std::string_view prompt, std::string_view title, MessageIcon icon) = 0;

    // A short line telling the player why an action of theirs was refused,
    // shown without covering or changing any control of the table.
    virtual void showStatus(std::string_view text) = 0;

    // Handles pending user events; they may call back into the game and nest.
    virtual void yieldEvents() = 0;

    // Ends the process at once; does not return.
    [[noreturn]] virtual void endProcess() = 0;
};

// Seconds from a monotonic clock, with fractions.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() = 0;
};

// Uniform fractions 0 <= r < 1. seed() mixes the value into the state, so
// seeding twice with the same value does not repeat earlier draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(double value) = 0;
    virtual double fraction() = 0;
};
