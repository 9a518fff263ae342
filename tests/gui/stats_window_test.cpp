// The statistics window as the player sees it: the grid, its tooltips, and
// its buttons and close box.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "TableWindow.h"
#include "ui/StatsWindowControls.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

namespace {
using M = MenuItem;
constexpr int kDaySpins = 400;

QColor asQColor(Rgb c) { return {c.red, c.green, c.blue}; }

void choose(TableWindow& table, MenuItem item) { table.window.menus().action(item)->trigger(); }

void pressStart(TableWindow& table) { table.named<QPushButton>(QStringLiteral("cmdStart"))->click(); }

// Every entry shows its number in its pocket colour, with the number's hit
// count as tooltip; an empty entry is a blank on white without tooltip.
void expectGridShows(const FrmStats& stats, const GameState& state) {
    for (int i = 0; i < kStatsCellCount; ++i) {
        const PocketCode code = state.stats.history.at(i);
        const QLabel* cell = stats.cell(i);
        if (code == kNoNumber) {
            EXPECT_EQ(cell->text(), QStringLiteral(" ")) << i;
            EXPECT_EQ(cell->toolTip(), QString()) << i;
            EXPECT_EQ(cell->palette().color(QPalette::Window), asQColor(colours::white)) << i;
        } else {
            EXPECT_EQ(cell->text(), toQString(pocketText(code))) << i;
            EXPECT_EQ(cell->toolTip(), QString::number(state.NumberHits[static_cast<std::size_t>(code)])) << i;
            const int hits = state.NumberHits[static_cast<std::size_t>(code)];
            EXPECT_EQ(cell->accessibleDescription(),
                      hits == 1 ? QStringLiteral("Come up once") : QStringLiteral("Come up %1 times").arg(hits))
                << i;
            EXPECT_EQ(cell->palette().color(QPalette::Window), asQColor(pocketColour(code))) << i;
        }
        EXPECT_EQ(cell->palette().color(QPalette::WindowText), asQColor(colours::yellow)) << i;
    }
}

TEST(StatsWindow, aDayOfQuickSpinsWithTheWindowShownEndsWithTheLatest400InTheGrid) {
    TableWindow table;
    choose(table, M::mnuLastResults);
    FrmStats* stats = table.window.screen().statsWindow();
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->isVisible());
    choose(table, M::mnuDaySpins);

    pressStart(table);

    ASSERT_EQ(table.game().state().SpinCount, kDaySpins);
    // START put the window aside; Last Results brings it back.
    EXPECT_TRUE(stats->isMinimized());
    choose(table, M::mnuLastResults);
    ASSERT_EQ(table.window.screen().statsWindow(), stats);
    EXPECT_FALSE(stats->isMinimized());
    EXPECT_TRUE(table.game().checked(M::mnuLastResults));

    expectGridShows(*stats, table.game().state());
    EXPECT_EQ(table.game().state().stats.history.filled(), kDaySpins);
    // The newest entries agree with the last-ten strip of the main window.
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(stats->cell(n - 1)->text(), table.label(ctl::lblRes(n))->text()) << n;
    EXPECT_EQ(stats->lbl400(1)->text(), QStringLiteral("400"));
    EXPECT_FALSE(stats->lbl400(2)->isVisible());
}

TEST(StatsWindow, paintsNothingWhileMinimisedAndCatchesUpOnRestore) {
    TableWindow table;
    choose(table, M::mnuLastResults);
    FrmStats* stats = table.window.screen().statsWindow();
    choose(table, M::mnuFiftySpins);
    pressStart(table);
    ASSERT_TRUE(stats->isMinimized());
    EXPECT_EQ(stats->cellsPainted(), 0);

    choose(table, M::mnuLastResults);
    // Fifty entries were empty and now hold a number.
    EXPECT_EQ(stats->cellsPainted(), 50);
    expectGridShows(*stats, table.game().state());
}

TEST(StatsWindow, recordsIntoAHiddenWindowAndShowsItOnLastResults) {
    TableWindow table;
    choose(table, M::mnuTenSpins);
    pressStart(table);
    FrmStats* stats = table.window.screen().statsWindow();
    ASSERT_NE(stats, nullptr) << "the first recorded spin loads the window";
    EXPECT_FALSE(stats->isVisible());
    EXPECT_EQ(stats->cellsPainted(), 0);

    choose(table, M::mnuLastResults);
    EXPECT_TRUE(stats->isVisible());
    expectGridShows(*stats, table.game().state());
    EXPECT_EQ(stats->lbl400(1)->text(), QStringLiteral("10"));
}

TEST(StatsWindow, resumePlayMinimisesAndCloseUnloads) {
    TableWindow table;
    choose(table, M::mnuLastResults);
    FrmStats* stats = table.window.screen().statsWindow();
    stats->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    EXPECT_TRUE(stats->isMinimized());
    EXPECT_TRUE(table.window.menus().action(M::mnuLastResults)->isChecked());

    choose(table, M::mnuLastResults);
    EXPECT_FALSE(stats->isMinimized());
    stats->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    EXPECT_EQ(table.window.screen().statsWindow(), nullptr);
    EXPECT_FALSE(table.window.menus().action(M::mnuLastResults)->isChecked());
}

TEST(StatsWindow, closingThroughTheWindowManagerActsAsClose) {
    TableWindow table;
    choose(table, M::mnuLastResults);
    FrmStats* stats = table.window.screen().statsWindow();
    stats->close();
    EXPECT_EQ(table.window.screen().statsWindow(), nullptr);
    EXPECT_FALSE(table.game().checked(M::mnuLastResults));
    EXPECT_FALSE(table.window.menus().action(M::mnuLastResults)->isChecked());
}

TEST(StatsWindow, gridStandsAtItsDesignedPlaces) {
    TableWindow table;
    choose(table, M::mnuLastResults);
    const FrmStats* stats = table.window.screen().statsWindow();
    for (int i : {0, 19, 20, 399})
        EXPECT_EQ(stats->cell(i)->geometry(), toQRect(statsCellRect(i))) << i;
    EXPECT_EQ(stats->cell(21)->objectName(), QStringLiteral("lblStats(21)"));
    EXPECT_EQ(stats->windowTitle(), QStringLiteral("Results shown for the last 400 Spins only."));
}
} // namespace
