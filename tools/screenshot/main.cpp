// quelta_screenshot [pictures-folder [output-folder]]
// Runs the table window unattended and saves window-at-rest.png,
// window-with-chips.png, stats-window.png, american-with-chips.png and
// analysis-sessions.png, analysis-compare.png and analysis-wheel.png (the
// System Analysis window at the size it opens at, after an analysis, its
// comparison and its wheel test), the system editor and a system's figures,
// and table-playing-a-system.png (the table in the middle of a system's
// session). Run at a magnified scale
// (QT_SCALE_FACTOR=2), the analysis pictures are named with "-scale2".
// Message boxes (a missing picture file) are answered at once so the run
// never waits for a person.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>
#include <memory>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/SteppingClock.h"

namespace {
constexpr double kSecondsPerClockReading = 0.05;
constexpr int kModalCheckMs = 20;
constexpr int kSettleMs = 100;
constexpr int kLeftButton = 1;
// A plausible system: a few straight numbers, splits, a corner and the
// outside bets.
constexpr std::array kBetSlots = {
    10, 20, 33, 47, 60, 75, 90, 104, 120, 133, slot::lblRed, slot::lblFirstDoz, slot::lblSecondColumn, slot::lblOdd};
constexpr int kChipsPerSpot = 3;
// The sessions aim for a quarter more than they start with.
constexpr int kTargetPercent = 125;
constexpr int kAnalysisWaitMs = 60'000;
constexpr int kSpinsBeforeThePicture = 12;
// On the American wheel, the zero area's own spots as well.
constexpr std::array kAmericanBetSlots = {slot::lblZeroA, slot::lblDoubleZero, slot::lblZeroDoubleZeroTwo, 12, 50,
                                          slot::lblBlack, slot::lblThirdDoz,   slot::lblThirdColumn};

void placeChips(QueltaGame& game, auto slots) {
    for (int slot : slots)
        for (int chip = 0; chip < kChipsPerSpot; ++chip)
            game.BetSpotMouseUp(slot, kLeftButton);
}

bool save(QWidget* window, const QString& path) {
    // Layouts that grew settle over a few turns of the event loop.
    QTest::qWait(kSettleMs);
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
    return ok;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QString pictures =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUELTA_SCREENSHOT_PICTURES_DIR);
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(QUELTA_SCREENSHOT_OUTPUT_DIR);
    QDir::setCurrent(pictures);

    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    answerer.start(kModalCheckMs);

    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerClockReading));
    window.start();
    QApplication::processEvents();
    bool ok = save(&window, output + QStringLiteral("/window-at-rest.png"));

    QueltaGame& game = window.game();
    placeChips(game, kBetSlots);
    game.menuClicked(MenuItem::mnuNumHits);
    game.menuClicked(MenuItem::mnuFiftySpins);
    game.cmdStart_Click();
    QApplication::processEvents();
    ok = save(&window, output + QStringLiteral("/window-with-chips.png")) && ok;

    game.menuClicked(MenuItem::mnuLastResults);
    QApplication::processEvents();
    if (FrmStats* stats = window.screen().statsWindow())
        ok = save(stats, output + QStringLiteral("/stats-window.png")) && ok;
    else
        ok = false;

    game.menuClicked(MenuItem::mnuLastResults); // close it again
    game.menuClicked(MenuItem::mnuAmerican);
    placeChips(game, kAmericanBetSlots);
    game.cmdStart_Click();
    QApplication::processEvents();
    ok = save(&window, output + QStringLiteral("/american-with-chips.png")) && ok;

    // The analysis window after a run of the American layout, with the
    // system played on the numbers of the last run drawn over the bands.
    window.openAnalysis();
    FrmAnalysis* analysis = window.analysisWindow();
    const QString scale =
        qApp->devicePixelRatio() > 1 ? QStringLiteral("-scale%1").arg(qRound(qApp->devicePixelRatio())) : QString();
    const auto picture = [&](const char* name) {
        return output + QStringLiteral("/analysis-%1%2.png").arg(QString::fromLatin1(name), scale);
    };
    auto* bankroll = analysis->findChild<QLineEdit*>(QStringLiteral("txtBankroll"));
    const qlonglong start = bankroll->text().toLongLong();
    analysis->findChild<QLineEdit*>(QStringLiteral("txtTarget"))
        ->setText(QString::number(start * kTargetPercent / 100));
    analysis->findChild<QPushButton*>(QStringLiteral("cmdRun"))->click();
    const bool finished = QTest::qWaitFor([&] { return !analysis->running(); }, kAnalysisWaitMs);
    QApplication::processEvents();
    ok = finished && save(analysis, picture("sessions")) && ok;

    // Kept as A, then one more chip on every spot of the layout, run from the
    // Compare tab, and the wheel's test over the spins so far.
    analysis->findChild<QPushButton*>(QStringLiteral("cmdKeepA"))->click();
    placeChips(game, kAmericanBetSlots);
    auto* tabs = analysis->findChild<QTabWidget*>(QStringLiteral("tabAnalysis"));
    tabs->setCurrentIndex(1);
    // Where the window scrolls, the tabs' own figures are what the picture is of.
    auto* scroll = analysis->findChild<QScrollArea*>(QStringLiteral("scrAnalysis"));
    scroll->verticalScrollBar()->setValue(tabs->y());
    analysis->findChild<QPushButton*>(QStringLiteral("cmdCompareRun"))->click();
    const bool compared = QTest::qWaitFor([&] { return !analysis->running(); }, kAnalysisWaitMs);
    QApplication::processEvents();
    ok = compared && save(analysis, picture("compare")) && ok;
    tabs->setCurrentIndex(2);
    QApplication::processEvents();
    scroll->verticalScrollBar()->setValue(tabs->y());
    QApplication::processEvents();
    ok = save(analysis, picture("wheel")) && ok;

    // A named system chosen, A forgotten, its editor at the top; then its
    // figures, sample sessions and the chance of still playing after a run.
    analysis->forgetA();
    auto* choice = analysis->findChild<QComboBox*>(QStringLiteral("cboSystem"));
    choice->setCurrentIndex(choice->findText(QStringLiteral("labouchere-red")));
    scroll->verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    ok = save(analysis, picture("system-editor")) && ok;
    analysis->findChild<QLineEdit*>(QStringLiteral("txtSessions"))->setText(QStringLiteral("100,000"));
    analysis->run();
    const bool judged = QTest::qWaitFor([&] { return !analysis->running(); }, kAnalysisWaitMs);
    QApplication::processEvents();
    scroll->verticalScrollBar()->setValue(tabs->y());
    QApplication::processEvents();
    ok = judged && save(analysis, picture("system-figures")) && ok;

    // Martingale on Red played on the table, caught between two spins of
    // its session with the system's chips on the layout.
    choice->setCurrentIndex(choice->findText(QStringLiteral("martingale-red")));
    QApplication::processEvents();
    bool caught = false;
    QTimer midPlay;
    QObject::connect(&midPlay, &QTimer::timeout, [&] {
        if (caught || game.systemPlay().spins < kSpinsBeforeThePicture)
            return;
        caught = true;
        ok = save(&window, output + QStringLiteral("/table-playing-a-system%1.png").arg(scale)) && ok;
        game.stopSystem();
    });
    midPlay.start(kModalCheckMs);
    analysis->findChild<QPushButton*>(QStringLiteral("cmdPlayOnTable"))->click();
    const bool stopped = QTest::qWaitFor([&] { return !game.systemPlaying(); }, kAnalysisWaitMs);
    ok = caught && stopped && ok;
    return ok ? 0 : 1;
}
