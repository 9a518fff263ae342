// The program's start-up time and resident memory, measured on the real
// windows (offscreen platform):
//   - from main() until the table window is shown, and from the process's
//     start (coarse: the kernel counts it in clock ticks), with the initial
//     spin's wheel sweep left out: the clock jumps a whole second at every
//     reading, so each sweep step's pause ends at once;
//   - peak resident memory (VmHWM) at rest after start-up, and after a run of
//     400 quick spins with a chip on every spot and the statistics window
//     loaded, with that run's time and longest stretch between yields.
//
//   QT_QPA_PLATFORM=offscreen program_footprint
#include <QApplication>
#include <QDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/SteppingClock.h"

namespace {
using Steady = std::chrono::steady_clock;
constexpr double kSecondPerReading = 1.0;
constexpr std::uint64_t kSeed = 400;
constexpr int kLeftButton = 1;
constexpr double kKibPerMib = 1024.0;
constexpr double kMsPerSecond = 1000.0;
constexpr int kStartTimeField = 22; // of /proc/self/stat

// A line "Name:   1234 kB" of /proc/self/status, in MiB.
double statusMib(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ":", 0) == 0) {
            std::istringstream fields(line.substr(name.size() + 1));
            double kib = 0;
            fields >> kib;
            return kib / kKibPerMib;
        }
    return -1;
}

// Seconds since this process was started, to a clock tick.
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields count from after its ')'.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= kStartTimeField; ++i)
        fields >> field;
    const double startTicks = std::stod(field);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double now = static_cast<double>(boot.tv_sec) + static_cast<double>(boot.tv_nsec) / 1e9;
    return now - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double msSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}
} // namespace

int main(int argc, char* argv[]) {
    const auto mainEntered = Steady::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    // The table reads its pictures from the folder it runs in; measured from
    // anywhere else it would stop at a missing-picture box.
    QDir::setCurrent(QStringLiteral(QUELTA_BENCH_PICTURES_DIR));

    FrmQuelta window(std::make_unique<SteppingClock>(kSecondPerReading), std::make_unique<RandomGenerator>(kSeed));
    window.start();
    QApplication::processEvents();
    const double shownMs = msSince(mainEntered);
    const double sinceExecMs = secondsSinceProcessStart() * kMsPerSecond;
    std::printf("start-up: window shown %.1f ms after main(), %.0f ms after the process started (sweep left out)\n",
                shownMs, sinceExecMs);
    std::printf("at rest:  resident %.1f MiB, peak %.1f MiB\n", statusMib("VmRSS"), statusMib("VmHWM"));

    QueltaGame& game = window.game();
    for (const BetSpot& spot : betSpots())
        if (spot.takesChipsOn(Wheel::European))
            game.BetSpotMouseUp(spot.slot, kLeftButton);
    window.screen().loadStats();
    game.menuClicked(MenuItem::mnuDaySpins);

    std::optional<Steady::time_point> lastYield;
    Steady::duration longestGap{};
    window.screen().setYieldHook([&] {
        const auto now = Steady::now();
        if (lastYield)
            longestGap = std::max(longestGap, now - *lastYield);
        lastYield = now;
    });
    const auto runStart = Steady::now();
    lastYield = runStart;
    game.cmdStart_Click();
    longestGap = std::max(longestGap, Steady::now() - *lastYield);
    const double runMs = msSince(runStart);
    window.screen().setYieldHook({});
    std::printf("400 quick spins: %.1f ms, longest stretch between yields %.2f ms, %d spins counted\n", runMs,
                std::chrono::duration<double, std::milli>(longestGap).count(), game.state().SpinCount);
    std::printf("after:    resident %.1f MiB, peak %.1f MiB\n", statusMib("VmRSS"), statusMib("VmHWM"));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("getrusage max resident %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / kKibPerMib);
    return 0;
}
