// The System Analysis window through the real windows: opened from the View
// menu, live as the player lays out chips, running, cancelled and stopped by
// a re-initialisation, refusing bad input, comparing with a kept system.
#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>

#include "TableWindow.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/MenuBarMirror.h"

namespace {
using M = MenuItem;
constexpr int kRunWaitMs = 60'000;
// An analysis that would take minutes: it is surely still running when the
// test acts on it.
constexpr const char* kLongSpins = "100000";
constexpr const char* kLongSessions = "100,000,000";

FrmAnalysis* openAnalysis(TableWindow& table) {
    table.window.menus().action(M::mnuSystemAnalysis)->trigger();
    return table.window.analysisWindow();
}

void placeChip(TableWindow& table, int slot) {
    table.click(TableWindow::centreOf(spotGeometry(slot).spot), Qt::LeftButton);
}

QString text(const FrmAnalysis* window, const char* name) {
    const auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

void type(FrmAnalysis* window, const char* field, const QString& value) {
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->clear();
    QTest::keyClicks(edit, value);
}

void press(FrmAnalysis* window, const char* button) {
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

int seriesIn(const FrmAnalysis* window, const char* chart) {
    return static_cast<int>(window->findChild<QChartView*>(QString::fromLatin1(chart))->chart()->series().size());
}

TEST(AnalysisWindow, viewMenuOpensItBesideTheTableAndOpeningItAgainBringsTheSameWindowBack) {
    TableWindow table;
    const QList<QAction*> view = table.window.menus().action(M::mnuView)->menu()->actions();
    ASSERT_EQ(view.size(), 3);
    EXPECT_EQ(view[2]->objectName(), QStringLiteral("mnuSystemAnalysis"));
    EXPECT_EQ(view[2]->text(), QStringLiteral("System Analysis"));

    FrmAnalysis* window = openAnalysis(table);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("frmAnalysis"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    window->close();
    EXPECT_EQ(openAnalysis(table), window);
    EXPECT_TRUE(window->isVisible());
    // Opening a view changes nothing the game holds.
    EXPECT_FALSE(table.game().checked(M::mnuSystemAnalysis));
    EXPECT_FALSE(table.window.menus().action(M::mnuSystemAnalysis)->isChecked());
}

TEST(AnalysisWindow, thisSpinFollowsEveryChipWheelAndUnitWithoutARun) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lblEmptyLayout"))->isVisible());

    placeChip(table, slot::lblRed);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$1.00"));
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("lblEmptyLayout"))->isVisible());
    EXPECT_EQ(text(window, "lblHouseEdge"), QStringLiteral("2.70%"));
    EXPECT_EQ(text(window, "lblWinChance"), QStringLiteral("18 in 37 (48.65%)"));
    EXPECT_EQ(text(window, "lblLoseChance"), QStringLiteral("19 in 37 (51.35%)"));
    EXPECT_EQ(text(window, "lblEvenChance"), QStringLiteral("0 in 37 (0.00%)"));
    EXPECT_TRUE(text(window, "lblBest").startsWith(QStringLiteral("+$1.00"))) << text(window, "lblBest").toStdString();

    placeChip(table, slot::lblRed);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$2.00"));
    EXPECT_EQ(text(window, "lblHouseEdge"), QStringLiteral("2.70%"));

    table.window.menus().action(M::mnuAmerican)->trigger();
    QTRY_VERIFY(window->findChild<QLabel*>(QStringLiteral("lblEmptyLayout"))->isVisible());
    placeChip(table, slot::lblRed);
    QTRY_COMPARE(text(window, "lblHouseEdge"), QStringLiteral("5.26%"));
    EXPECT_EQ(text(window, "lblWinChance"), QStringLiteral("18 in 38 (47.37%)"));

    table.window.menus().action(M::mnuFiveDollar)->trigger();
    placeChip(table, slot::lblRed); // a table minimum of several chips
    const int chips = table.game().state().Stakes[slot::lblRed];
    ASSERT_GT(chips, 1);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$%1.00").arg(5 * chips));
}

TEST(AnalysisWindow, aRunEndsWithItsFiguresAndChartsAndTheSessionsItWasAskedFor) {
    TableWindow table;
    placeChip(table, slot::lblRed);
    FrmAnalysis* window = openAnalysis(table);
    QTRY_COMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtBankroll"))->text(), QStringLiteral("100"));
    type(window, "txtSessions", QStringLiteral("3000"));
    type(window, "txtTarget", QStringLiteral("120"));
    press(window, "cmdRun");
    EXPECT_TRUE(window->running());
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), kRunWaitMs);

    EXPECT_EQ(text(window, "lblAnalysisStatus"), QStringLiteral("Done."));
    const QString method = text(window, "lblMethod");
    EXPECT_TRUE(method.startsWith(QStringLiteral("Exact")) || method.contains(QStringLiteral("3,000 sessions")))
        << method.toStdString();
    for (const char* figure : {"lblRuin", "lblTargetReached", "lblAhead", "lblMeanEnd", "lblMedianEnd"})
        EXPECT_TRUE(text(window, figure).contains(QLatin1Char('%')) || text(window, figure).contains(QLatin1Char('$')))
            << figure << ": " << text(window, figure).toStdString();
    EXPECT_GT(seriesIn(window, "chrSessionEnds"), 0);
    EXPECT_EQ(seriesIn(window, "chrBankroll"), 4) << "two bands, the median and the player's own session";
    EXPECT_FALSE(window->findChild<QProgressBar*>(QStringLiteral("prgAnalysis"))->isVisible());
}

TEST(AnalysisWindow, cancelAndClosingTheWindowStopARunningAnalysis) {
    TableWindow table;
    placeChip(table, slot::lblRed);
    FrmAnalysis* window = openAnalysis(table);
    type(window, "txtSpins", QString::fromLatin1(kLongSpins));
    type(window, "txtSessions", QString::fromLatin1(kLongSessions));
    press(window, "cmdRun");
    ASSERT_TRUE(window->running());
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->isEnabled());
    press(window, "cmdCancel");
    EXPECT_FALSE(window->running());
    EXPECT_EQ(text(window, "lblAnalysisStatus"), QStringLiteral("Cancelled."));
    EXPECT_EQ(text(window, "lblRuin"), QStringLiteral(" "));
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("cmdRun"))->isEnabled());

    press(window, "cmdRun");
    ASSERT_TRUE(window->running());
    window->close();
    EXPECT_FALSE(window->running());
}

TEST(AnalysisWindow, aReinitialisationDuringARunStopsItAndLeavesNoFiguresOfTheOldTable) {
    TableWindow table;
    placeChip(table, slot::lblRed);
    FrmAnalysis* window = openAnalysis(table);
    type(window, "txtSessions", QStringLiteral("2000"));
    type(window, "txtSpins", QStringLiteral("50"));
    press(window, "cmdRun");
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), kRunWaitMs);
    ASSERT_NE(text(window, "lblRuin"), QStringLiteral(" "));

    type(window, "txtSpins", QString::fromLatin1(kLongSpins));
    type(window, "txtSessions", QString::fromLatin1(kLongSessions));
    press(window, "cmdRun");
    ASSERT_TRUE(window->running());
    table.named<QPushButton>(QStringLiteral("cmdReset"))->click();
    QTRY_VERIFY(!window->running());
    EXPECT_TRUE(text(window, "lblAnalysisStatus").contains(QStringLiteral("re-initialised")));
    EXPECT_EQ(text(window, "lblRuin"), QStringLiteral(" "));
    EXPECT_EQ(seriesIn(window, "chrBankroll"), 0);

    // A wheel change with finished figures on show clears them too.
    placeChip(table, slot::lblRed);
    type(window, "txtSpins", QStringLiteral("50"));
    type(window, "txtSessions", QStringLiteral("2000"));
    press(window, "cmdRun");
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), kRunWaitMs);
    ASSERT_TRUE(text(window, "lblAnalysedSystem").contains(QStringLiteral("European")));
    table.window.menus().action(M::mnuAmerican)->trigger();
    QTRY_COMPARE(text(window, "lblMethod"), QStringLiteral(" "));
}

struct BadInput {
    const char* field;
    const char* typed;
    const char* errorLabel;
    const char* says; // part of the message
};

class AnalysisInput : public testing::TestWithParam<BadInput> {};

TEST_P(AnalysisInput, isRefusedBesideItsFieldAndNothingRuns) {
    const BadInput c = GetParam();
    TableWindow table;
    placeChip(table, slot::lblRed);
    FrmAnalysis* window = openAnalysis(table);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$1.00"));
    // Sessions that only a simulation can answer, so the number of them counts.
    if (std::string_view(c.field) == "txtSessions")
        type(window, "txtSpins", QString::fromLatin1(kLongSpins));
    type(window, c.field, QString::fromUtf8(c.typed));
    press(window, "cmdRun");
    EXPECT_FALSE(window->running());
    const auto* error = window->findChild<QLabel*>(QString::fromLatin1(c.errorLabel));
    EXPECT_TRUE(error->isVisible()) << c.errorLabel;
    EXPECT_TRUE(error->text().contains(QString::fromLatin1(c.says), Qt::CaseInsensitive))
        << error->text().toStdString();
    EXPECT_EQ(text(window, "lblMethod"), QStringLiteral(" "));

    // Put right, the field's message goes and the analysis runs.
    window->findChild<QLineEdit*>(QString::fromLatin1(c.field))->clear();
    if (std::string_view(c.field) != "txtStopLoss" && std::string_view(c.field) != "txtTarget")
        type(window, c.field, QStringLiteral("100"));
    type(window, "txtSessions", QStringLiteral("1000"));
    type(window, "txtSpins", QStringLiteral("20"));
    press(window, "cmdRun");
    EXPECT_FALSE(error->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), kRunWaitMs);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AnalysisInput,
    testing::Values(BadInput{"txtBankroll", "", "lblBankrollError", "bankroll"},
                    BadInput{"txtBankroll", "-50", "lblBankrollError", "negative"},
                    BadInput{"txtBankroll", "lots", "lblBankrollError", "bankroll"},
                    BadInput{"txtBankroll", "99999999999999999999", "lblBankrollError", "bankroll"},
                    BadInput{"txtBankroll", "0.50", "lblBankrollError", "bankroll"},
                    BadInput{"txtSpins", "", "lblSpinsError", "spins"},
                    BadInput{"txtSpins", "0", "lblSpinsError", "spins"},
                    BadInput{"txtSpins", "four hundred", "lblSpinsError", "spins"},
                    BadInput{"txtSpins", "100001", "lblSpinsError", "spins"},
                    BadInput{"txtSessions", "-3", "lblSessionsError", "negative"},
                    BadInput{"txtSessions", "1e6", "lblSessionsError", "sessions"},
                    BadInput{"txtSessions", "100000001", "lblSessionsError", "sessions"},
                    BadInput{"txtStopLoss", "abc", "lblStopLossError", "stop-loss"},
                    BadInput{"txtStopLoss", "500", "lblStopLossError", "stop-loss"},
                    BadInput{"txtTarget", "50", "lblTargetError", "target"},
                    BadInput{"txtTarget", "1,000,000,000,000", "lblTargetError", "target"}),
    [](const testing::TestParamInfo<BadInput>& info) { return "case" + std::to_string(info.index); });

TEST(AnalysisWindow, anEmptyLayoutIsToldBesideRunAndNothingRuns) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    type(window, "txtBankroll", QStringLiteral("100"));
    press(window, "cmdRun");
    EXPECT_FALSE(window->running());
    EXPECT_NE(text(window, "lblAnalysisStatus").trimmed(), QString());
}

TEST(AnalysisWindow, keepAsAThenRunOnCompareSetsBothSystemsSideBySideOnTheSameSpins) {
    TableWindow table;
    placeChip(table, slot::lblRed);
    FrmAnalysis* window = openAnalysis(table);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$1.00"));
    type(window, "txtSpins", QStringLiteral("50"));
    auto* sessions = window->findChild<QLineEdit*>(QStringLiteral("txtSessions"));
    EXPECT_FALSE(sessions->isEnabled()) << "the exact method counts every session";
    press(window, "cmdKeepA");
    EXPECT_EQ(text(window, "lblALayout"), QStringLiteral("1 chip on 1 spot ($1.00 a spin)"));
    ASSERT_TRUE(sessions->isEnabled()) << "a comparison is simulated";
    type(window, "txtSessions", QStringLiteral("2000"));

    placeChip(table, slot::lblBlack);
    QTRY_COMPARE(text(window, "lblAmountBet"), QStringLiteral("$2.00"));
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("txtBankroll"))->text(), QStringLiteral("100"))
        << "with A kept, B starts from the same bankroll";
    press(window, "cmdCompareRun");
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("cmdKeepA"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), kRunWaitMs);
    EXPECT_EQ(text(window, "lblBLayout"), QStringLiteral("2 chips on 2 spots ($2.00 a spin)"));
    EXPECT_EQ(text(window, "lblABankroll"), text(window, "lblBBankroll"));
    EXPECT_TRUE(text(window, "lblBAhead").contains(QStringLiteral("95%"))) << text(window, "lblBAhead").toStdString();
    EXPECT_NE(text(window, "lblBPlayedAllItsSpins"), QStringLiteral(" "));
    EXPECT_GT(seriesIn(window, "chrDifference"), 0);

    press(window, "cmdForgetA");
    EXPECT_EQ(text(window, "lblBAhead"), QStringLiteral(" "));
}

TEST(AnalysisWindow, wheelTabJudgesTheHitsOfTheTable) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    EXPECT_TRUE(text(window, "lblPValue").startsWith(QStringLiteral("No spins")));
    table.window.menus().action(M::mnuHundredSpins)->trigger();
    table.named<QPushButton>(QStringLiteral("cmdStart"))->click();
    QTRY_VERIFY(text(window, "lblWheelSpins").startsWith(QStringLiteral("100 ")));
    EXPECT_TRUE(text(window, "lblPValue").contains(QStringLiteral("of histories")));
    EXPECT_TRUE(text(window, "lblChiSquare").contains(QStringLiteral("36 degrees of freedom")));
    window->findChild<QTabWidget*>(QStringLiteral("tabAnalysis"))->setCurrentIndex(2);
    EXPECT_EQ(seriesIn(window, "chrWheelHits"), 2) << "the bars and the expected count";
}
} // namespace
