#pragma once

#include <QPointer>
#include <QString>

#include <functional>

#include "ui/Screen.h"

class FrmQuelta;
class FrmStats;
class FrmAbout;
class QWidget;

// The Screen the game draws on: the main window's controls, its menu bar,
// the statistics window and the About box. Everything runs on the window
// thread; yieldEvents() lets the event loop run clicks and menu choices,
// which may call back into the game and nest.
class QtScreen final : public Screen {
public:
    explicit QtScreen(FrmQuelta& window);
    ~QtScreen() override;

    void setCaption(ControlRef control, std::string_view text) override;
    void setMoneyCaption(ControlRef control, Money amount) override;
    void setTextColour(ControlRef control, Rgb colour) override;
    void setBackColour(ControlRef control, Rgb colour) override;
    void setVisible(ControlRef control, bool visible) override;
    void setEnabled(ControlRef control, bool enabled) override;
    void repaintNow(ControlRef control) override;

    void setMenuChecked(MenuItem item, bool checked) override;
    void setMenuEnabled(MenuItem item, bool enabled) override;

    void showHistory(const ResultHistory& history, const NumberHitCounts& hits) override;

    void loadStats() override;
    void showStats() override;
    void minimiseStats() override;
    void restoreStats() override;
    void unloadStats() override;
    bool statsMinimised() const override;

    void showAboutSplash() override;
    void closeAboutSplash() override;
    void showAboutModal() override;

    void removeBackground() override;
    bool loadBackground(std::string_view fileName) override;
    bool loadImage(ControlRef image, std::string_view fileName) override;
    void openHelp(std::string_view fileName) override;

    void centreMainWindow() override;

    void messageBox(std::string_view prompt, std::string_view title, MessageIcon icon) override;
    void showStatus(std::string_view text) override;
    void yieldEvents() override;
    [[noreturn]] void endProcess() override;

    // The statistics window while it is loaded, else nullptr.
    FrmStats* statsWindow() const;
    // Called at every yield before the events run; for measuring a run.
    void setYieldHook(std::function<void()> hook) { yieldHook_ = std::move(hook); }
    // Called after every caption the game sets, with the text it asked for;
    // lets an observer see each spin's outcome at the moment it is shown.
    using CaptionHook = std::function<void(ControlRef, std::string_view)>;
    void setCaptionHook(CaptionHook hook) { captionHook_ = std::move(hook); }

    // The last status line shown, for whoever watches the window.
    const QString& lastStatus() const { return lastStatus_; }

private:
    QWidget* widget(ControlRef control) const;

    FrmQuelta& window_;
    QPointer<FrmStats> stats_;
    QPointer<FrmAbout> splash_;
    std::function<void()> yieldHook_;
    CaptionHook captionHook_;
    // Set by the pay out a settling spin shows; its winnings follow at once.
    bool payOutShown_ = false;
    QString lastStatus_;
};
