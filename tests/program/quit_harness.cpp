// A child process for the Quit and Exit tests: it starts the real table
// window on the offscreen platform, sets up a moment (a 400-spin run, the
// wheel sweep of a normal spin, the statistics window open, a 400-spin run
// while the analysis window analyses on its own threads) and, from a timer,
// quits there with the Quit button or File > Exit.
//
//   quit_harness run|sweep|stats|analysis quit|exit
//
// It prints "quitting" just before it asks; an exit status of 0 after that
// is the program ending itself. If the program carries on instead, the
// harness reports what it saw and exits with kCarriedOn.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/SteppingClock.h"
#include "ui/qt/TableSurface.h"

namespace {
constexpr int kUsage = 2;
constexpr int kCarriedOn = 3;
constexpr double kSecondsPerReading = 0.01;
constexpr std::uint64_t kSeed = 7;
// Deep enough into the run that it is surely under way, far from its end.
constexpr int kQuitAtSpin = 37;
// Sweep steps shown before quitting: the sweep is then surely running.
constexpr int kQuitAfterSweepSteps = 5;
constexpr int kDaySpins = 400;
constexpr int kLeftButton = 1;

void quit(FrmQuelta& window, bool useMenu) {
    std::printf("quitting at spin %d\n", window.game().state().SpinCount);
    std::fflush(stdout);
    if (useMenu)
        window.menus().action(MenuItem::mnuExit)->trigger();
    else
        window.table()->findChild<QPushButton*>(QStringLiteral("cmdQuit"))->click();
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return kUsage;
    const std::string scenario = argv[1];
    const bool useMenu = std::string(argv[2]) == "exit";
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();

    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerReading), std::make_unique<RandomGenerator>(kSeed));
    window.start();
    QueltaGame& game = window.game();

    int sweepSteps = 0;
    window.screen().setCaptionHook([&](ControlRef control, std::string_view) {
        if (control == ctl::lblWinningNumber)
            ++sweepSteps;
    });

    // Checked at every turn of the event loop, the game's yields included.
    QTimer trigger;
    trigger.setInterval(0);
    if (scenario == "run") {
        game.menuClicked(MenuItem::mnuDaySpins);
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (game.state().SpinCount >= kQuitAtSpin)
                quit(window, useMenu);
        });
    } else if (scenario == "sweep") {
        game.menuClicked(MenuItem::mnuNormalSpin);
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (sweepSteps >= kQuitAfterSweepSteps)
                quit(window, useMenu);
        });
    } else if (scenario == "stats") {
        game.menuClicked(MenuItem::mnuLastResults);
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (window.screen().statsWindow() != nullptr && window.screen().statsWindow()->isVisible())
                quit(window, useMenu);
        });
    } else if (scenario == "analysis") {
        game.BetSpotMouseUp(slot::lblRed, kLeftButton);
        game.menuClicked(MenuItem::mnuDaySpins);
        window.menus().action(MenuItem::mnuSystemAnalysis)->trigger();
        FrmAnalysis* analysis = window.analysisWindow();
        // Far too long to end on its own before the quit.
        analysis->findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("100000"));
        analysis->findChild<QLineEdit*>(QStringLiteral("txtSessions"))->setText(QStringLiteral("100000000"));
        analysis->run();
        if (!analysis->running())
            return kUsage;
        QObject::connect(&trigger, &QTimer::timeout, [&, analysis] {
            if (game.state().SpinCount >= kQuitAtSpin && analysis->running())
                quit(window, useMenu);
        });
    } else {
        return kUsage;
    }

    sweepSteps = 0;
    trigger.start();
    if (scenario != "stats")
        window.table()->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    else
        QApplication::processEvents();
    // Only reached when quitting did not end the process.
    std::printf("carried on: %d spins, run of %d\n", game.state().SpinCount, kDaySpins);
    return kCarriedOn;
}
