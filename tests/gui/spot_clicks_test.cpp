// Clicks on the layout reach the right bet spot through the real widgets.
#include <gtest/gtest.h>

#include "TableWindow.h"
#include "layout/BetSpotCatalogue.h"

namespace {
constexpr int kStraightLimit = 100;

// One window for the whole suite: each case leaves the layout as it found it.
TableWindow& sharedWindow() {
    static TableWindow* table = new TableWindow;
    return *table;
}

void useWheelFor(TableWindow& table, const BetSpot& spot) {
    const bool european = spot.takesChipsOn(Wheel::European);
    if (european != table.game().checked(MenuItem::mnuEuropean))
        table.game().menuClicked(european ? MenuItem::mnuEuropean : MenuItem::mnuAmerican);
}

int chipsOnLayout(const GameState& state) {
    int total = 0;
    for (ChipCount stake : state.Stakes)
        total += stake;
    return total;
}

class SpotClick : public testing::TestWithParam<int> {};

TEST_P(SpotClick, leftClickAtTheCentreAddsAChipToThatSpotAndRightClickTakesItOff) {
    TableWindow& table = sharedWindow();
    const BetSpot& spot = betSpot(GetParam());
    useWheelFor(table, spot);
    const QPoint centre = TableWindow::centreOf(spotGeometry(spot.slot).spot);
    QLabel* count = table.label(ctl::lblZero(spot.slot));
    QWidget* marker = table.named(toQString(objectName(ctl::shpChip(spot.marker))));
    ASSERT_NE(count, nullptr);
    ASSERT_NE(marker, nullptr);
    ASSERT_EQ(chipsOnLayout(table.game().state()), 0);

    table.click(centre, Qt::LeftButton);
    const auto& stakes = table.game().state().Stakes;
    EXPECT_EQ(stakes[static_cast<std::size_t>(spot.slot)], 1) << spot.name;
    EXPECT_EQ(chipsOnLayout(table.game().state()), 1) << "a chip landed on another spot too";
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    EXPECT_TRUE(marker->isVisible());
    EXPECT_TRUE(table.window.spotLabel(spot.slot)->accessibleDescription().contains(QLatin1Char('1')));

    table.click(centre, Qt::RightButton);
    EXPECT_EQ(stakes[static_cast<std::size_t>(spot.slot)], 0) << spot.name;
    EXPECT_EQ(chipsOnLayout(table.game().state()), 0);
    EXPECT_EQ(count->text().trimmed(), QString());
    EXPECT_FALSE(marker->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EverySpot, SpotClick, testing::Range(0, kSpotCount),
                         [](const testing::TestParamInfo<int>& info) { return std::string(betSpot(info.param).name); });

TEST(SpotClicks, aClickOnTheChipCountOrMarkerStillReachesTheSpot) {
    TableWindow table;
    const int seven = *slotOfName("lblSeven");
    const SpotGeometry& where = spotGeometry(seven);
    table.click(TableWindow::centreOf(where.spot), Qt::LeftButton);
    table.click(TableWindow::centreOf(where.chipLabel), Qt::LeftButton);
    table.click(toQRect(where.marker).topLeft() + QPoint(2, 2), Qt::LeftButton);
    // The marker's corner may stick out of the spot; what lies there must
    // still be a spot label, never the marker.
    EXPECT_GE(table.game().state().Stakes[static_cast<std::size_t>(seven)], 2);
    EXPECT_EQ(table.label(ctl::lblZero(seven))->text().toInt(),
              table.game().state().Stakes[static_cast<std::size_t>(seven)]);
}

TEST(SpotClicks, aMiddleClickReachesTheGameAsButtonFour) {
    TableWindow table;
    const int red = slot::lblRed;
    table.click(TableWindow::centreOf(spotGeometry(red).spot), Qt::LeftButton);
    table.click(TableWindow::centreOf(spotGeometry(red).spot), Qt::MiddleButton);
    // A middle click is neither the left nor the right button: the stake
    // is whatever the game does with button 4, never taken off as with 2.
    EXPECT_GE(table.game().state().Stakes[static_cast<std::size_t>(red)], 1);
}

TEST(SpotClicks, theHundredAndFirstChipOnAStraightSpotShowsTheTableLimitBox) {
    TableWindow table;
    const int seven = *slotOfName("lblSeven");
    ASSERT_EQ(betSpot(seven).limitOn(Wheel::European), kStraightLimit);
    const QPoint centre = TableWindow::centreOf(spotGeometry(seven).spot);
    for (int chip = 0; chip < kStraightLimit; ++chip)
        table.click(centre, Qt::LeftButton);
    ASSERT_EQ(table.game().state().Stakes[static_cast<std::size_t>(seven)], kStraightLimit);

    SeenMessage seen{};
    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->close();
        }
    });
    table.click(centre, Qt::LeftButton);

    ASSERT_TRUE(boxShown);
    EXPECT_EQ(seen.text, QStringLiteral("Sorry you have reached the table limit for this bet!"));
    EXPECT_EQ(seen.title, QStringLiteral("Table Limt Reached!"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(table.game().state().Stakes[static_cast<std::size_t>(seven)], kStraightLimit);
    EXPECT_EQ(table.label(ctl::lblZero(seven))->text(), QStringLiteral("100"));
}
} // namespace
