#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "results/ResultHistory.h"
#include "ui/Screen.h"

// Thrown by FakeScreen::endProcess so a test can see the process end.
struct ProcessEnded {};

// A clock that moves only when told to.
class FakeClock : public Clock {
public:
    double now() override { return seconds; }
    double seconds = 1000.0;
};

// Draws a scripted sequence of fractions, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> fractions = {0.0}) : fractions_(std::move(fractions)) {}
    void seed(double value) override { seeds.push_back(value); }
    double fraction() override {
        const double r = fractions_[std::min(next_, fractions_.size() - 1)];
        ++next_;
        return r;
    }
    void script(std::vector<double> fractions) {
        fractions_ = std::move(fractions);
        next_ = 0;
    }
    std::vector<double> seeds;

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
};

// A Screen that records what the game shows and can fire user events at the
// yields, the way the real event loop runs clicks inside a running spin.
class FakeScreen : public Screen {
public:
    struct ControlState {
        std::string caption;
        bool hasMoney = false;
        Money money;
        Rgb textColour{};
        Rgb backColour{};
        bool visible = true;
        bool enabled = true;
        int repaints = 0;
    };
    struct Message {
        std::string prompt;
        std::string title;
        MessageIcon icon;
    };
    enum class StatsWindow { NotLoaded, Hidden, Shown, Minimised };

    explicit FakeScreen(FakeClock* clock = nullptr, double secondsPerYield = 0.01)
        : clock_(clock), secondsPerYield_(secondsPerYield) {}

    // --- what the game showed -----------------------------------------------
    const ControlState& control(ControlRef ref) const {
        static const ControlState untouched{};
        auto it = controls_.find(key(ref));
        return it == controls_.end() ? untouched : it->second;
    }
    const std::string& caption(ControlRef ref) const { return control(ref).caption; }
    bool menuChecked(MenuItem item) const { return menuChecked_.at(static_cast<int>(item)); }
    bool menuEnabled(MenuItem item) const { return menuEnabled_.at(static_cast<int>(item)); }

    std::vector<Message> messages;
    std::vector<std::string> statusLines;
    std::vector<std::string> log; // filled while recordLog is set
    bool recordLog = false;
    StatsWindow stats = StatsWindow::NotLoaded;
    std::vector<PocketCode> historyShown; // entries 0 to 399 as last shown
    NumberHitCounts historyHits{};
    int historyUpdates = 0;
    int yields = 0;
    bool aboutSplashShown = false;
    bool aboutSplashOpen = false;
    int aboutModalShown = 0;
    int windowCentred = 0;
    bool backgroundLoaded = false;
    std::string background;
    std::vector<std::string> helpOpened;
    std::vector<std::string> missingFiles; // loads of these names fail
    std::map<int, std::string> images;     // image control -> file name

    // --- events fired at yields ---------------------------------------------
    // Queued events run one per yield, in order, each to completion.
    std::deque<std::function<void()>> pendingEvents;
    // Runs at every yield before the queued events (may queue more).
    std::function<void(int yieldNumber)> onYield;
    // Runs when a message box opens, as if the user acted before pressing OK.
    std::function<void(const Message&)> onMessage;

    // --- Screen ---------------------------------------------------------------
    void setCaption(ControlRef c, std::string_view text) override {
        auto& s = slot(c);
        s.caption = text;
        s.hasMoney = false;
        note("caption " + objectName(c) + "=" + std::string(text));
    }
    void setMoneyCaption(ControlRef c, Money amount) override {
        auto& s = slot(c);
        s.caption = formatCurrencyUs(amount);
        s.hasMoney = true;
        s.money = amount;
        note("money " + objectName(c) + "=" + s.caption);
    }
    void setTextColour(ControlRef c, Rgb colour) override { slot(c).textColour = colour; }
    void setBackColour(ControlRef c, Rgb colour) override { slot(c).backColour = colour; }
    void setVisible(ControlRef c, bool visible) override { slot(c).visible = visible; }
    void setEnabled(ControlRef c, bool enabled) override {
        slot(c).enabled = enabled;
        note("enabled " + objectName(c) + "=" + (enabled ? "1" : "0"));
    }
    void repaintNow(ControlRef c) override { ++slot(c).repaints; }
    void setMenuChecked(MenuItem item, bool checked) override { menuChecked_.at(static_cast<int>(item)) = checked; }
    void setMenuEnabled(MenuItem item, bool enabled) override { menuEnabled_.at(static_cast<int>(item)) = enabled; }

    void showHistory(const ResultHistory& history, const NumberHitCounts& hits) override {
        historyShown.assign(ResultHistory::kCapacity, kNoNumber);
        for (int i = 0; i < ResultHistory::kCapacity; ++i)
            historyShown[static_cast<std::size_t>(i)] = history.at(i);
        historyHits = hits;
        ++historyUpdates;
    }

    void loadStats() override {
        if (stats == StatsWindow::NotLoaded)
            stats = StatsWindow::Hidden;
        note("stats load");
    }
    void showStats() override {
        stats = StatsWindow::Shown;
        note("stats show");
    }
    void minimiseStats() override {
        stats = StatsWindow::Minimised;
        note("stats minimise");
    }
    void restoreStats() override {
        stats = StatsWindow::Shown;
        note("stats restore");
    }
    void unloadStats() override {
        stats = StatsWindow::NotLoaded;
        historyShown.clear();
        note("stats unload");
    }
    bool statsMinimised() const override { return stats == StatsWindow::Minimised; }

    void showAboutSplash() override {
        aboutSplashShown = aboutSplashOpen = true;
        note("about splash");
    }
    void closeAboutSplash() override {
        aboutSplashOpen = false;
        note("about close");
    }
    void showAboutModal() override { ++aboutModalShown; }

    void removeBackground() override {
        backgroundLoaded = false;
        background.clear();
    }
    bool loadBackground(std::string_view fileName) override {
        if (isMissing(fileName))
            return false;
        backgroundLoaded = true;
        background = fileName;
        return true;
    }
    bool loadImage(ControlRef image, std::string_view fileName) override {
        if (isMissing(fileName))
            return false;
        images[static_cast<int>(image.name)] = fileName;
        return true;
    }
    void openHelp(std::string_view fileName) override { helpOpened.emplace_back(fileName); }
    void centreMainWindow() override { ++windowCentred; }

    void messageBox(std::string_view prompt, std::string_view title, MessageIcon icon) override {
        messages.push_back({std::string(prompt), std::string(title), icon});
        note("message " + std::string(prompt));
        if (onMessage)
            onMessage(messages.back());
    }

    void showStatus(std::string_view text) override {
        statusLines.emplace_back(text);
        note("status " + std::string(text));
    }

    void yieldEvents() override {
        ++yields;
        if (clock_)
            clock_->seconds += secondsPerYield_;
        note("yield");
        if (onYield)
            onYield(yields);
        if (!pendingEvents.empty()) {
            auto event = std::move(pendingEvents.front());
            pendingEvents.pop_front();
            event();
        }
    }

    [[noreturn]] void endProcess() override { throw ProcessEnded{}; }

private:
    static std::pair<int, int> key(ControlRef ref) { return {static_cast<int>(ref.name), ref.index}; }
    ControlState& slot(ControlRef ref) { return controls_[key(ref)]; }
    void note(std::string line) {
        if (recordLog)
            log.push_back(std::move(line));
    }
    bool isMissing(std::string_view fileName) const {
        for (const auto& name : missingFiles)
            if (name == fileName)
                return true;
        return false;
    }

    FakeClock* clock_;
    double secondsPerYield_;
    std::map<std::pair<int, int>, ControlState> controls_;
    std::array<bool, kMenuItemCount> menuChecked_ = designChecked();
    std::array<bool, kMenuItemCount> menuEnabled_ = allTrue();

    static std::array<bool, kMenuItemCount> designChecked() {
        std::array<bool, kMenuItemCount> flags{};
        for (const MenuRow& row : menuTree())
            flags[static_cast<std::size_t>(row.item)] = row.checkedAtDesign;
        return flags;
    }
    static std::array<bool, kMenuItemCount> allTrue() {
        std::array<bool, kMenuItemCount> flags{};
        flags.fill(true);
        return flags;
    }
};
