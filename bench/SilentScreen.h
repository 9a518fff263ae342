#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "results/ResultHistory.h"
#include "ui/Screen.h"

// A screen that draws nothing, so a benchmark measures the game alone. It
// still receives every call the windows would need to show a spin, the
// 400-entry history included.
class SilentScreen final : public Screen {
public:
    void setCaption(ControlRef, std::string_view) override {}
    void setMoneyCaption(ControlRef, Money) override {}
    void setTextColour(ControlRef, Rgb) override {}
    void setBackColour(ControlRef, Rgb) override {}
    void setVisible(ControlRef, bool) override {}
    void setEnabled(ControlRef, bool) override {}
    void repaintNow(ControlRef) override {}
    void setMenuChecked(MenuItem, bool) override {}
    void setMenuEnabled(MenuItem, bool) override {}
    void showHistory(const ResultHistory& history, const NumberHitCounts&) override {
        benchmark::DoNotOptimize(history.revision());
    }
    void loadStats() override {}
    void showStats() override {}
    void minimiseStats() override {}
    void restoreStats() override {}
    void unloadStats() override {}
    bool statsMinimised() const override { return false; }
    void showAboutSplash() override {}
    void closeAboutSplash() override {}
    void showAboutModal() override {}
    void removeBackground() override {}
    bool loadBackground(std::string_view) override { return true; }
    bool loadImage(ControlRef, std::string_view) override { return true; }
    void openHelp(std::string_view) override {}
    void centreMainWindow() override {}
    void messageBox(std::string_view, std::string_view, MessageIcon) override {}
    void showStatus(std::string_view) override {}
    void yieldEvents() override {}
    [[noreturn]] void endProcess() override { std::abort(); }
};
