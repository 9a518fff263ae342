// A child process for the Quit and Exit tests: it starts the real table
// window on the offscreen platform, sets up a moment (a 400-spin run, the
// wheel sweep of a normal spin, the statistics window open or minimised, a
// table-limit box open, a 400-spin run while the analysis window analyses on
// its own threads, a system playing on the table) and, from a timer, quits there with the Quit button,
// File > Exit or a close of the main window through the window system.
//
//   quit_harness run|sweep|stats|minimised|limit|analysis|system quit|exit|close
//
// It prints "quitting" just before it asks; an exit status of 0 after that
// is the program ending itself. If the program carries on instead, the
// harness reports what it saw and exits with kCarriedOn.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

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
constexpr int kStraightLimit = 100;

enum class Command { Quit, Exit, Close };

void quit(FrmQuelta& window, Command command, QTimer& trigger) {
    trigger.stop();
    std::printf("quitting at spin %d\n", window.game().state().SpinCount);
    std::fflush(stdout);
    switch (command) {
    case Command::Exit: window.menus().action(MenuItem::mnuExit)->trigger(); break;
    case Command::Quit: window.table()->findChild<QPushButton*>(QStringLiteral("cmdQuit"))->click(); break;
    case Command::Close:
        // Through the platform window, the way a close box or Alt+F4 arrives.
        window.windowHandle()->close();
        break;
    }
    // Still here: answer an open box so the harness can say it carried on.
    if (QWidget* box = QApplication::activeModalWidget())
        box->close();
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return kUsage;
    const std::string scenario = argv[1];
    const std::string verb = argv[2];
    const Command command = verb == "exit" ? Command::Exit : verb == "close" ? Command::Close : Command::Quit;
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
                quit(window, command, trigger);
        });
    } else if (scenario == "sweep") {
        game.menuClicked(MenuItem::mnuNormalSpin);
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (sweepSteps >= kQuitAfterSweepSteps)
                quit(window, command, trigger);
        });
    } else if (scenario == "stats") {
        game.menuClicked(MenuItem::mnuLastResults);
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (window.screen().statsWindow() != nullptr && window.screen().statsWindow()->isVisible())
                quit(window, command, trigger);
        });
    } else if (scenario == "minimised") {
        game.menuClicked(MenuItem::mnuLastResults);
        game.frmStats_cmdClose_Click(); // Resume Play
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (window.screen().statsMinimised())
                quit(window, command, trigger);
        });
    } else if (scenario == "limit") {
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr)
                quit(window, command, trigger);
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
                quit(window, command, trigger);
        });
    } else if (scenario == "system") {
        // The chips on the table played from the analysis window, flat on Red.
        game.BetSpotMouseUp(slot::lblRed, kLeftButton);
        window.menus().action(MenuItem::mnuSystemAnalysis)->trigger();
        window.analysisWindow()->findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("400"));
        QObject::connect(&trigger, &QTimer::timeout, [&] {
            if (game.systemPlaying() && game.systemPlay().spins >= kQuitAtSpin)
                quit(window, command, trigger);
        });
    } else {
        return kUsage;
    }

    sweepSteps = 0;
    trigger.start();
    if (scenario == "limit") {
        // One chip past the straight limit opens the limit box.
        const int spot = slotOfName("lblSeventeen").value();
        for (int chip = 0; chip <= kStraightLimit; ++chip)
            game.BetSpotMouseUp(spot, kLeftButton);
    } else if (scenario == "stats" || scenario == "minimised") {
        QApplication::processEvents();
    } else if (scenario == "system") {
        window.analysisWindow()->findChild<QPushButton*>(QStringLiteral("cmdPlayOnTable"))->click();
        std::printf("%s\n", describeSystemPlay(game.systemPlay()).c_str());
    } else {
        window.table()->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    }
    // Only reached when quitting did not end the process.
    std::printf("carried on: %d spins, run of %d\n", game.state().SpinCount, kDaySpins);
    return kCarriedOn;
}
