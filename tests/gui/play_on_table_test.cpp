// Play on the table from the System Analysis window: the chips on the table
// with the window's session rules, played spin by spin on the real table.
#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QTest>

#include "TableWindow.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

TEST(PlayOnTable, playsTheLayoutWithTheWindowsRulesAndRefusesTheMouseMeanwhile) {
    TableWindow table;
    const auto chipOn = [&](int slot) { table.click(TableWindow::centreOf(spotGeometry(slot).spot), Qt::LeftButton); };
    chipOn(slot::lblRed);
    chipOn(slot::lblRed);
    chipOn(slot::lblFirstDoz);
    table.window.menus().action(MenuItem::mnuSystemAnalysis)->trigger();
    FrmAnalysis* window = table.window.analysisWindow();
    window->findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("6"));
    window->findChild<QLineEdit*>(QStringLiteral("txtBankroll"))->setText(QStringLiteral("100"));
    // With the table's sessions analysed, the window has a line for the
    // player's own session.
    window->run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 60'000));
    auto* play = window->findChild<QPushButton*>(QStringLiteral("cmdPlayOnTable"));
    auto* stop = window->findChild<QPushButton*>(QStringLiteral("cmdStopPlaying"));
    ASSERT_NE(play, nullptr);
    ASSERT_NE(stop, nullptr);

    const GameState& state = table.game().state();
    const Money winningsBefore = state.Winnings;
    const int spinsBefore = state.SpinCount;
    bool stopOffered = false;
    bool clicked = false;
    table.window.screen().setYieldHook([&] {
        stopOffered |= stop->isEnabled() && !play->isEnabled();
        if (!clicked && table.game().systemPlaying()) {
            clicked = true;
            chipOn(slot::lblBlack);
        }
    });
    play->click();
    table.window.screen().setYieldHook({});

    const SystemPlayStatus& played = table.game().systemPlay();
    EXPECT_EQ(played.end, SystemPlayEnd::SpinsDone) << describeSystemPlay(played);
    EXPECT_EQ(played.spins, 6);
    EXPECT_EQ(state.SpinCount - spinsBefore, 6);
    // The session's bankroll is what the table settled on its spins.
    EXPECT_EQ(played.bankroll, Money::fromDollars(100) + state.Winnings - winningsBefore);
    EXPECT_EQ(state.Stakes[slot::lblRed], 2);
    EXPECT_EQ(state.Stakes[slot::lblFirstDoz], 1);
    EXPECT_EQ(state.Stakes[slot::lblBlack], 0) << "the click during play placed a chip";
    EXPECT_FALSE(table.window.screen().lastStatus().isEmpty());
    EXPECT_TRUE(stopOffered);
    EXPECT_TRUE(play->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblPlayOnTable"))->text().toStdString(),
              describeSystemPlay(played));

    // The player's own line is the system's session on the table, from its
    // start to the bankroll the table settled.
    window->refreshNow();
    const auto expectOwnLineIsThePlayedSession = [&] {
        QLineSeries* own = nullptr;
        for (QChartView* view : window->findChildren<QChartView*>())
            for (QAbstractSeries* series : view->chart()->series())
                if (series->name() == QStringLiteral("Your session"))
                    own = qobject_cast<QLineSeries*>(series);
        ASSERT_NE(own, nullptr);
        ASSERT_GT(own->count(), 1);
        // Long sessions are thinned, but the last spin is always drawn.
        EXPECT_EQ(own->at(own->count() - 1).x(), static_cast<double>(played.spins));
        EXPECT_EQ(own->at(0).y(), static_cast<double>(played.start.tenThousandths()) / 10'000.0);
        EXPECT_EQ(own->at(own->count() - 1).y(), static_cast<double>(played.bankroll.tenThousandths()) / 10'000.0);
        EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lblOwnSessionNote"))
                        ->text()
                        .contains(QString::fromStdString(describeSystemPlay(played))));
    };
    expectOwnLineIsThePlayedSession();

    // A named system is not the layout the table's sessions were analysed
    // for, and the line is still the session it played.
    auto* choice = window->findChild<QComboBox*>(QStringLiteral("cboSystem"));
    const int martingale = choice->findText(QStringLiteral("Martingale"), Qt::MatchContains);
    ASSERT_GE(martingale, 0);
    choice->setCurrentIndex(martingale);
    play->click();
    ASSERT_GT(played.spins, 0) << describeSystemPlay(played);
    window->refreshNow();
    expectOwnLineIsThePlayedSession();
}
