// Playing the layout with the keyboard, and what assistive tools are given.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <deque>
#include <random>
#include <set>

#include "TableWindow.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/LayoutFocus.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/StatsGridFocus.h"

namespace {

constexpr std::array<Qt::Key, 4> kArrows = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};

// Every spot the arrows reach from 0, pressing keys on the real control.
std::set<int> reachedByArrows(TableWindow& table) {
    LayoutFocus* layout = table.window.layoutFocus();
    QTest::keyClick(layout, Qt::Key_Home);
    std::set<int> seen{layout->focusedSlot()};
    std::deque<int> queue{layout->focusedSlot()};
    while (!queue.empty()) {
        const int from = queue.front();
        queue.pop_front();
        for (Qt::Key key : kArrows) {
            for (Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
                layout->setFocusedSlot(from);
                QTest::keyClick(layout, key, shift);
                if (seen.insert(layout->focusedSlot()).second)
                    queue.push_back(layout->focusedSlot());
            }
        }
    }
    return seen;
}

TEST(KeyboardPlay, arrowsFromZeroReachEverySpotTheWheelTakesChipsOnAndNoOther) {
    TableWindow table;
    for (const Wheel wheel : {Wheel::European, Wheel::American}) {
        if (wheel == Wheel::American)
            table.game().menuClicked(MenuItem::mnuAmerican);
        std::set<int> takesChips;
        for (const BetSpot& spot : betSpots())
            if (spot.takesChipsOn(wheel))
                takesChips.insert(spot.slot);
        EXPECT_EQ(takesChips.size(), wheel == Wheel::European ? 157U : 160U);
        EXPECT_EQ(reachedByArrows(table), takesChips) << (wheel == Wheel::European ? "European" : "American");
    }
}

// What a player can see and read after each step.
struct Seen {
    std::array<ChipCount, kSpotCount> stakes;
    Money total;
    QString totalCaption;
    QString chipCaption;
    std::size_t messages;
    friend bool operator==(const Seen&, const Seen&) = default;
};

// The same steps with the mouse and with the keys on two tables started
// alike: a mix of presses and removals on random spots, with many presses on
// a few so the limits are met, on the 5-dollar unit so minimums apply too.
std::vector<Seen> play(bool withKeys) {
    TableWindow table;
    table.game().menuClicked(MenuItem::mnuFiveDollar);
    std::mt19937 random(TableWindow::kSeed);
    std::vector<int> spots;
    for (const BetSpot& spot : betSpots())
        if (spot.takesChipsOn(Wheel::European))
            spots.push_back(spot.slot);
    std::vector<Seen> seen;
    LayoutFocus* layout = table.window.layoutFocus();
    const std::array<Qt::Key, 4> presses = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    for (int step = 0; step < 60; ++step) {
        const int slot = spots[random() % spots.size()];
        const bool remove = random() % 5 == 0;
        const int times = random() % 6 == 0 ? 101 : 1;
        for (int i = 0; i < times; ++i) {
            if (withKeys) {
                layout->setFocusedSlot(slot);
                QTest::keyClick(layout, remove ? (step % 2 ? Qt::Key_Delete : Qt::Key_Backspace)
                                               : presses[static_cast<std::size_t>(step) % presses.size()]);
            } else {
                table.click(TableWindow::centreOf(spotGeometry(slot).spot), remove ? Qt::RightButton : Qt::LeftButton);
            }
        }
        QApplication::processEvents();
        const GameState& state = table.game().state();
        seen.push_back({state.Stakes, state.TotalAmountBet, table.label(ctl::lblTotalAmountBet)->text(),
                        table.label(ctl::lblZero(slot))->text(), table.messages.seen.size()});
    }
    return seen;
}

TEST(KeyboardPlay, spaceAndEnterPressAsALeftClickAndDeleteAndBackspaceAsARightClick) {
    const std::vector<Seen> byMouse = play(false);
    const std::vector<Seen> byKeys = play(true);
    ASSERT_EQ(byMouse.size(), byKeys.size());
    EXPECT_GT(byMouse.back().messages, 0U) << "the steps never met a table limit";
    for (std::size_t step = 0; step < byMouse.size(); ++step)
        EXPECT_TRUE(byMouse[step] == byKeys[step]) << "step " << step;
}

TEST(KeyboardPlay, theMarkMovesOffASpotTheNewWheelLacksAndStaysOnOneItHas) {
    TableWindow table;
    LayoutFocus* layout = table.window.layoutFocus();
    const auto markedSpots = [&] {
        std::vector<int> marked;
        for (int slot = 0; slot < kSpotCount; ++slot)
            if (table.window.spotLabel(slot)->hasFocusMark())
                marked.push_back(slot);
        return marked;
    };
    // Tab reaches the layout after the last of the buttons.
    QApplication::setActiveWindow(&table.window);
    table.named(QStringLiteral("cmdQuit"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(layout->hasFocus());
    struct Case {
        const char* from;
        MenuItem wheel;
        const char* to;
    };
    for (const Case& c : {Case{"lblFirstFour", MenuItem::mnuAmerican, "lblZeroOne"},
                          Case{"lblDoubleZero", MenuItem::mnuEuropean, "lblZeroE"},
                          Case{"lblZeroTwoA", MenuItem::mnuEuropean, "lblZeroOneTwo"},
                          Case{"lblSeven", MenuItem::mnuAmerican, "lblSeven"}}) {
        layout->setFocusedSlot(*slotOfName(c.from));
        if (layout->focusedSlot() != *slotOfName(c.from))
            table.game().menuClicked(c.wheel == MenuItem::mnuAmerican ? MenuItem::mnuEuropean : MenuItem::mnuAmerican);
        layout->setFocusedSlot(*slotOfName(c.from));
        ASSERT_EQ(layout->focusedSlot(), *slotOfName(c.from));
        table.game().menuClicked(c.wheel);
        EXPECT_EQ(betSpot(layout->focusedSlot()).name, c.to) << c.from;
        // A message box about a missing picture may have taken the focus.
        QApplication::setActiveWindow(&table.window);
        layout->setFocus();
        ASSERT_TRUE(layout->hasFocus());
        EXPECT_EQ(markedSpots(), std::vector<int>{layout->focusedSlot()}) << c.from;
    }
}

TEST(ScreenReader, aSpotIsAButtonThatPressesAndRemovesAndAButtonNameHasNoLineBreak) {
    TableWindow table;
    SpotLabel* red = table.window.spotLabel(slot::lblRed);
    QAccessibleInterface* spot = QAccessible::queryAccessibleInterface(red);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->role(), QAccessible::Button);
    EXPECT_EQ(spot->text(QAccessible::Name), QStringLiteral("Red"));
    ASSERT_NE(spot->actionInterface(), nullptr);
    ASSERT_NE(spot->valueInterface(), nullptr);
    spot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    spot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_EQ(table.game().state().Stakes[slot::lblRed], 2);
    EXPECT_EQ(spot->valueInterface()->currentValue().toInt(), 2);
    spot->actionInterface()->doAction(spot->actionInterface()->actionNames().at(1));
    QApplication::processEvents();
    EXPECT_EQ(table.game().state().Stakes[slot::lblRed], 0);
    EXPECT_EQ(spot->valueInterface()->currentValue().toInt(), 0);

    auto* removeChips = table.named<QPushButton>(QStringLiteral("cmdRemChips"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(removeChips);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Remove Chips"));
}

TEST(ScreenReader, aSettledSpinNamesItsNumberColourPayOutAndWinningsInWords) {
    TableWindow table;
    table.click(TableWindow::centreOf(spotGeometry(slot::lblRed).spot), Qt::LeftButton);
    for (int spin = 0; spin < 5; ++spin) {
        table.named<QPushButton>(QStringLiteral("cmdStart"))->click();
        const QString number = table.label(ctl::lblRes(1))->text();
        const int code = number == u"00" ? kDoubleZero : number.toInt();
        static const std::set<int> reds = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
        const QString colour = code == 0 || code == kDoubleZero ? "green" : reds.count(code) ? "red" : "black";
        EXPECT_EQ(table.label(ctl::lblWinningNumber)->accessibleName(), "Winning number " + number + " " + colour);
        // One chip on red: two back on a red number, nothing otherwise.
        const QString payOut = colour == u"red" ? "2 chips" : "0 chips";
        EXPECT_EQ(table.label(ctl::lblYouWon)->accessibleName(), "Win pay out " + payOut);
        const QString winnings = table.label(ctl::lblWinnings)->text();
        const QString heading = table.label(ctl::lblWinningsHeading)->text();
        EXPECT_TRUE(table.label(ctl::lblWinnings)->accessibleName().startsWith(heading)) << heading.toStdString();
        EXPECT_TRUE(winnings.contains(table.label(ctl::lblWinnings)->accessibleName().section(' ', 1)));
    }
}
TEST(KeyboardPlay, theStatisticsWindowIsTabbedIntoReadByArrowsAndClosedByEscape) {
    TableWindow table;
    table.game().menuClicked(MenuItem::mnuLastResults);
    FrmStats* stats = table.window.screen().statsWindow();
    ASSERT_NE(stats, nullptr);
    QApplication::setActiveWindow(stats);
    stats->findChild<QPushButton*>(QStringLiteral("cmdClose"))->setFocus();
    for (int tab = 0; tab < 2; ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    StatsGridFocus* grid = stats->gridFocus();
    ASSERT_EQ(QApplication::focusWidget(), grid);
    struct Step {
        Qt::Key key;
        int cell;
    };
    for (const Step& step :
         {Step{Qt::Key_Up, 0}, Step{Qt::Key_Right, 20}, Step{Qt::Key_Down, 21}, Step{Qt::Key_End, 399},
          Step{Qt::Key_Right, 399}, Step{Qt::Key_Down, 399}, Step{Qt::Key_Left, 379}, Step{Qt::Key_Home, 0}}) {
        QTest::keyClick(grid, step.key);
        EXPECT_EQ(grid->focusedCell(), step.cell) << step.key;
    }
    QTest::keyClick(grid, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(table.window.screen().statsWindow(), nullptr) << "Esc is the Close button";
    EXPECT_FALSE(table.game().checked(MenuItem::mnuLastResults));
}
} // namespace
