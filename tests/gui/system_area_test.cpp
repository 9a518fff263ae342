// The System area of the analysis window through the real windows: named
// systems judged as the analyser judges them, the editor refusing what the
// reader refuses, systems saved and opened again, taken from the table, and
// two named systems compared.
#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>
#include <future>
#include <thread>

#include "TableWindow.h"
#include "systems/LayoutSystem.h"
#include "systems/NamedSystems.h"
#include "systems/SystemAnalysis.h"
#include "systems/files/SystemFile.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/SystemArea.h"

namespace {
constexpr int kRunWaitMs = 120'000;
constexpr std::int64_t kSessions = 2000;
constexpr std::uint64_t kSeed = 11;

FrmAnalysis* openAnalysis(TableWindow& table) {
    table.window.menus().action(MenuItem::mnuSystemAnalysis)->trigger();
    return table.window.analysisWindow();
}

template <typename T>
T* child(const FrmAnalysis* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(const FrmAnalysis* window, const char* name) { return child<QLabel>(window, name)->text(); }

void choose(FrmAnalysis* window, const std::string& name) {
    auto* choice = child<QComboBox>(window, "cboSystem");
    const int index = choice->findText(QString::fromStdString(name));
    ASSERT_GE(index, 0) << name;
    choice->setCurrentIndex(index);
}

void runAndWait(FrmAnalysis* window) {
    child<QLineEdit>(window, "txtSessions")->setText(QString::number(kSessions));
    child<QLineEdit>(window, "txtSeed")->setText(QString::number(kSeed));
    window->run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, kRunWaitMs));
    ASSERT_TRUE(text(window, "lblAnalysisStatus").startsWith(QStringLiteral("Done")))
        << text(window, "lblAnalysisStatus").toStdString();
}

systems::SystemOutcome analysed(const systems::System& system) {
    return systems::analyseSystem(system, systems::MethodChoice::Auto, kSessions, kSeed, 2);
}

// What the window says a session nets and stakes, as the analyser counts it.
void expectFigures(const FrmAnalysis* window, const systems::SystemOutcome& outcome, const char* suffix = "") {
    const auto name = [suffix](const char* base) { return (std::string(base) + suffix); };
    EXPECT_EQ(text(window, name("lblSystemMeanNet").c_str()).toStdString(),
              chipMoneyText(outcome.meanNetChips, outcome.method, outcome.chipValue).toStdString());
    EXPECT_EQ(text(window, name("lblSystemStaked").c_str()).toStdString(),
              chipMoneyText(outcome.meanTotalStakedChips, outcome.method, outcome.chipValue).toStdString());
    EXPECT_EQ(text(window, name("lblSystemMethod").c_str()).startsWith(QStringLiteral("Exact")),
              outcome.method == Method::Exact);
}

TEST(SystemArea, eachNamedSystemShowsItsDescriptionAndTheAnalysersFiguresForTheSameSeed) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    for (const systems::System& system : installedSystems()) {
        SCOPED_TRACE(system.name);
        choose(window, system.name);
        EXPECT_EQ(text(window, "lblSystemDescription").toStdString(), system.description);
        runAndWait(window);
        expectFigures(window, analysed(system));
        EXPECT_EQ(text(window, "lblSystemTarget") == QStringLiteral("no target set"), !system.rules.target);
    }
}

// The exact figures of a system do not wait for the simulated sessions
// behind its path figures: with those held at a gate, the window shows the
// exact figures, says the rest are being simulated, and fills them in when
// the gate opens, or takes them all away when the run is cancelled.
TEST(SystemArea, exactFiguresAreShownBeforeTheSimulatedSessionsArrive) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    int exactOnes = 0;
    for (const systems::System& system : installedSystems()) {
        if (!systems::exactMethodTakes(system))
            continue;
        SCOPED_TRACE(system.name);
        ++exactOnes;
        std::promise<void> gate;
        std::shared_future<void> open = gate.get_future().share();
        window->setThreadStarter([open](std::function<void()> body) {
            return std::thread([open, body = std::move(body)] {
                open.wait();
                body();
            });
        });
        choose(window, system.name);
        child<QLineEdit>(window, "txtSessions")->setText(QString::number(kSessions));
        child<QLineEdit>(window, "txtSeed")->setText(QString::number(kSeed));
        window->run();
        const systems::SystemOutcome expected = analysed(system);
        const QString meanNet = chipMoneyText(expected.meanNetChips, expected.method, expected.chipValue);
        EXPECT_TRUE(QTest::qWaitFor([&] { return text(window, "lblSystemMeanNet") == meanNet; }, kRunWaitMs));
        EXPECT_TRUE(window->running());
        EXPECT_EQ(text(window, "lblSystemDrawdown"), QStringLiteral("being simulated..."));
        EXPECT_FALSE(text(window, "lblSystemMethod").contains(QStringLiteral("sessions (seed")));
        if (exactOnes == 1) { // cancelled, nothing is left saying it is being simulated
            window->cancel();
            EXPECT_EQ(text(window, "lblSystemDrawdown"), QString());
            EXPECT_EQ(text(window, "lblSystemMeanNet"), QString());
            gate.set_value();
            continue;
        }
        gate.set_value();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, kRunWaitMs));
        expectFigures(window, expected);
        EXPECT_EQ(text(window, "lblSystemDrawdown"),
                  chipMoneyText(expected.meanLargestDrawdown, Method::MonteCarlo, expected.chipValue));
    }
    EXPECT_GT(exactOnes, 0);
}

TEST(SystemArea, aTextTheReaderRefusesIsToldBesideTheEditorAndRunDoesNothing) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    choose(window, "martingale-red");
    auto* editor = child<QPlainTextEdit>(window, "txtSystem");
    const QString good = editor->toPlainText();
    const struct {
        QString from, to;
    } edits[] = {
        {QStringLiteral("bankroll = "), QStringLiteral("bankrol = ")},       // misspelt key
        {QStringLiteral("spins = 400"), QStringLiteral("spins = \"many\"")}, // wrong type
        {QStringLiteral("spins = 400"), QStringLiteral("spins = 0")},        // out of range
        {QStringLiteral("lblRed"), QStringLiteral("lblPurple")},             // unknown spot
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.to.toStdString());
        ASSERT_TRUE(good.contains(edit.from));
        editor->setPlainText(QString(good).replace(edit.from, edit.to));
        EXPECT_FALSE(child<QLabel>(window, "lblSystemProblem")->isHidden());
        EXPECT_TRUE(text(window, "lblSystemProblem").startsWith(QStringLiteral("system:")))
            << text(window, "lblSystemProblem").toStdString();
        window->run();
        EXPECT_FALSE(window->running());
        EXPECT_FALSE(window->systemToPlay());
    }
    editor->setPlainText(good);
    EXPECT_TRUE(child<QLabel>(window, "lblSystemProblem")->isHidden());
}

void retype(FrmAnalysis* window, const char* field, const QString& value) {
    auto* edit = child<QLineEdit>(window, field);
    edit->selectAll();
    QTest::keyClicks(edit, value);
    if (value.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
}

TEST(SystemArea, aFieldTheSystemCannotTakeIsToldBesideItAndRunDoesNothingUntilItIsPutRight) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    choose(window, "labouchere-red");
    const struct {
        const char* field;
        QString bad, good;
        const char* message;
    } cases[] = {
        {"txtSystemBankroll", QStringLiteral("lots"), QStringLiteral("321"), "lblSystemBankrollError"},
        {"txtSystemSpins", QStringLiteral("0"), QStringLiteral("250"), "lblSystemSpinsError"},
        {"txtSystemStopLoss", QStringLiteral("900"), QStringLiteral("100"), "lblSystemStopLossError"},
        {"txtMoneyNumbers", QStringLiteral("1 two 3"), QStringLiteral("2 2"), "lblMoneyNumbersError"},
        {"txtBetChips", QStringLiteral("1000"), QStringLiteral("2"), "lblBetChipsError"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        retype(window, c.field, c.bad);
        EXPECT_FALSE(child<QLabel>(window, c.message)->isHidden());
        EXPECT_FALSE(text(window, c.message).isEmpty());
        window->run();
        EXPECT_FALSE(window->running());
        EXPECT_FALSE(window->systemToPlay());
        retype(window, c.field, c.good);
        EXPECT_TRUE(child<QLabel>(window, c.message)->isHidden()) << text(window, c.message).toStdString();
    }
    // Every field that was put right is in the system, through its text.
    const std::optional<systems::System> edited = window->systemToPlay();
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->rules.bankroll, Money::fromDollars(321));
    EXPECT_EQ(edited->rules.spins, 250);
    EXPECT_EQ(edited->rules.stopLoss, Money::fromDollars(100));
    EXPECT_EQ(edited->bets.at(0).money, systems::MoneyManagement(systems::Labouchere{{2, 2}}));
    EXPECT_EQ(edited->bets.at(0).chips, 2);
    child<QComboBox>(window, "cboMoney")->setCurrentText(QStringLiteral("Fibonacci"));
    EXPECT_EQ(window->systemToPlay()->bets.at(0).money, systems::MoneyManagement(systems::Fibonacci{}));

    // Each kind of selection chosen in its field is the bet's selection.
    auto* selection = child<QComboBox>(window, "cboSelection");
    for (int kind = selection->count() - 1; kind >= 0; --kind) {
        selection->setCurrentIndex(kind);
        ASSERT_TRUE(window->systemToPlay()) << kind;
        EXPECT_EQ(window->systemToPlay()->bets.at(0).selection.index(), static_cast<std::size_t>(kind));
    }
    selection->setCurrentIndex(3);
    retype(window, "txtPattern", QStringLiteral("red, Low, third column"));
    EXPECT_EQ(window->systemToPlay()->bets.at(0).selection,
              systems::Selection(systems::Pattern{
                  {systems::OutsideBet::Red, systems::OutsideBet::Low, systems::OutsideBet::ThirdColumn}}));
    retype(window, "txtPattern", QStringLiteral("Red, Purple"));
    EXPECT_FALSE(child<QLabel>(window, "lblPatternError")->isHidden());
    window->run();
    EXPECT_FALSE(window->running());
}

TEST(SystemArea, saveThenOpenGivesTheSameSystemAndFromTheTableIsTheLayout) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    auto* area = window->findChild<SystemArea*>(QStringLiteral("fraSystem"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("mine.toml"));
    QStringList asked;
    area->setFileChooser([&](QWidget&, SystemArea::FileKind, const QString& in) {
        asked << in;
        return file;
    });
    choose(window, "labouchere-red");
    auto* editor = child<QPlainTextEdit>(window, "txtSystem");
    editor->setPlainText(
        editor->toPlainText().replace(QStringLiteral("bankroll = 500"), QStringLiteral("bankroll = 321")));
    const std::optional<systems::System> edited = window->systemToPlay();
    ASSERT_TRUE(edited);
    child<QPushButton>(window, "cmdSaveSystem")->click();
    choose(window, "flat-red");
    child<QPushButton>(window, "cmdOpenSystem")->click();
    EXPECT_EQ(window->systemToPlay(), edited);
    EXPECT_EQ(window->systemToPlay()->rules.bankroll, Money::fromDollars(321));
    // The folder is remembered for the next question, while the program runs.
    EXPECT_EQ(asked, QStringList({QString(), folder.path()}));

    for (int chips = 0; chips < 3; ++chips)
        table.click(TableWindow::centreOf(spotGeometry(slot::lblRed).spot), Qt::LeftButton);
    table.click(TableWindow::centreOf(spotGeometry(slot::lblOdd).spot), Qt::LeftButton);
    choose(window, systems::kLayoutSystemName);
    const std::optional<systems::System> layout = window->systemToPlay();
    ASSERT_TRUE(layout);
    child<QPushButton>(window, "cmdFromTable")->click();
    std::optional<systems::System> taken = window->systemToPlay();
    ASSERT_TRUE(taken);
    EXPECT_NE(child<QComboBox>(window, "cboSystem")->currentIndex(), 0);
    taken->name = layout->name;
    EXPECT_EQ(*taken, *layout);
    std::vector<systems::SpotChips> spots = std::get<systems::FixedSpots>(taken->bets.at(0).selection).spots;
    std::sort(spots.begin(), spots.end(), [](const auto& a, const auto& b) { return a.spot < b.spot; });
    EXPECT_EQ(spots, (std::vector<systems::SpotChips>{{"lblOdd", 1}, {"lblRed", 3}}));
}

TEST(SystemArea, compareOfTwoNamedSystemsShowsEachAsTheAnalyserJudgesIt) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    const std::vector<systems::System> named = installedSystems();
    const auto find = [&](const std::string& name) {
        return *std::find_if(named.begin(), named.end(), [&](const systems::System& s) { return s.name == name; });
    };
    choose(window, "martingale-red");
    child<QPushButton>(window, "cmdKeepA")->click();
    choose(window, "two-dozens-martingale");
    runAndWait(window);
    EXPECT_EQ(text(window, "lblSystemNameA"), QStringLiteral("A: martingale-red"));
    EXPECT_EQ(text(window, "lblSystemNameB"), QStringLiteral("B: two-dozens-martingale"));
    expectFigures(window, analysed(find("two-dozens-martingale")));
    expectFigures(window, analysed(find("martingale-red")), "A");

    // A Reset of the table stops a run of the layout on the table, here
    // against the named system kept as A, and leaves one of two named
    // systems running: they owe the table nothing.
    child<QLineEdit>(window, "txtSessions")->setText(QStringLiteral("100,000,000"));
    const struct {
        const char* b;
        bool runsOn;
    } resets[] = {{"two-dozens-martingale", true}, {systems::kLayoutSystemName, false}};
    for (const auto& reset : resets) {
        SCOPED_TRACE(reset.b);
        table.click(TableWindow::centreOf(spotGeometry(slot::lblRed).spot), Qt::LeftButton);
        choose(window, reset.b);
        window->run();
        ASSERT_TRUE(window->running());
        table.named<QPushButton>(QStringLiteral("cmdReset"))->click();
        window->refreshNow();
        EXPECT_EQ(window->running(), reset.runsOn);
        window->cancel();
        EXPECT_FALSE(window->running());
    }
}
} // namespace

namespace {
// Martingale on Red over five numbers written down at a wheel, worked by hand:
// lose 1, lose 2, win 4, lose 1 on the zero, win 2.
TEST(SystemArea, playOnRecordedNumbersShowsTheHandWorkedSessionAndTheFairWheelTest) {
    TableWindow table;
    FrmAnalysis* window = openAnalysis(table);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("evening.txt"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("# an evening at the wheel\n2\n4\n\n1\n0\n3  # red again\n");
    }
    window->findChild<SystemArea*>(QStringLiteral("fraSystem"))
        ->setFileChooser([&](QWidget&, SystemArea::FileKind kind, const QString&) {
            EXPECT_EQ(kind, SystemArea::FileKind::OpenNumbers);
            return file;
        });
    choose(window, "martingale-red");
    child<QPushButton>(window, "cmdPlayRecorded")->click();
    const QStringList worked[] = {
        {"1", "2", "1 chip on Red", "$1.00", "($1.00)", "$499.00"},
        {"2", "4", "2 chips on Red", "$2.00", "($2.00)", "$497.00"},
        {"3", "1", "4 chips on Red", "$4.00", "+$4.00", "$501.00"},
        {"4", "0", "1 chip on Red", "$1.00", "($1.00)", "$500.00"},
        {"5", "3", "2 chips on Red", "$2.00", "+$2.00", "$502.00"},
    };
    auto* spins = child<QTableWidget>(window, "tblRecordedSpins");
    ASSERT_EQ(spins->rowCount(), 5);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(spins->item(row, column)->text(), worked[row][column]) << row << "," << column;
    EXPECT_TRUE(text(window, "lblRecordedSummary").contains(QStringLiteral("from $500.00 to $502.00")))
        << text(window, "lblRecordedSummary").toStdString();
    EXPECT_TRUE(text(window, "lblRecordedFairness").startsWith(QStringLiteral("5 numbers")));
    EXPECT_TRUE(text(window, "lblRecordedFairness").contains(QStringLiteral("too few numbers")));
    EXPECT_EQ(child<QChartView>(window, "chtRecordedPath")->chart()->series().size(), 1);

    // A line the reader refuses is told with its line, and nothing is shown as played.
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write("2\n37\n");
    }
    child<QPushButton>(window, "cmdPlayRecorded")->click();
    EXPECT_TRUE(text(window, "lblRecordedSummary").contains(QStringLiteral(":2")))
        << text(window, "lblRecordedSummary").toStdString();
    EXPECT_EQ(spins->rowCount(), 0);
}
} // namespace
