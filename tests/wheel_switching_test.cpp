#include <gtest/gtest.h>

#include "tests/TableFixture.h"
#include "ui/PictureFiles.h"

namespace {
using M = MenuItem;

// A fraction that gives 36 on the European wheel and 00 on the American one.
constexpr double kTopOfTheWheel = 0.9999;

struct Started : Table {
    Started() {
        random.script({kTopOfTheWheel});
        startUp();
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : screen.messages)
            texts.push_back(m.prompt);
        return texts;
    }
};
} // namespace

TEST(WheelSwitching, americanThenEuropeanThenAmericanEndsOnAnEmptyAmericanTable) {
    Started t;
    t.click("lblRed");
    t.game.mnuAmerican_Click();
    t.clickTimes("lblSeven", 3);
    t.game.mnuEuropean_Click();
    EXPECT_EQ(t.screen.caption(ctl::lblWheelType), "European Wheel 0");
    EXPECT_EQ(t.screen.background, "euroback.dib");
    t.click("lblFirstFour");
    t.game.mnuAmerican_Click();

    EXPECT_EQ(t.screen.background, "amerback.dib");
    EXPECT_EQ(t.screen.caption(ctl::lblWheelType), "American Wheel with 0, 00");
    EXPECT_TRUE(t.game.checked(M::mnuAmerican));
    EXPECT_FALSE(t.game.enabled(M::mnuAmerican));
    EXPECT_FALSE(t.game.checked(M::mnuEuropean));
    EXPECT_TRUE(t.game.enabled(M::mnuEuropean));
    EXPECT_TRUE(t.screen.menuChecked(M::mnuAmerican));
    EXPECT_FALSE(t.screen.menuEnabled(M::mnuAmerican));
    for (int slot = 0; slot < kSpotCount; ++slot)
        EXPECT_EQ(t.game.state().Stakes[static_cast<std::size_t>(slot)], 0) << betSpot(slot).name;
    EXPECT_EQ(t.total(), Money{});
    EXPECT_EQ(t.screen.caption(ctl::lblSpins), " ");
}

TEST(WheelSwitching, theSwitchToAmericanReinitialisesOnTheEuropeanWheelSoItNeverShowsDoubleZero) {
    Started t;
    bool sawAmericanDuringReinitialisation = false;
    t.screen.onYield = [&](int) { sawAmericanDuringReinitialisation |= t.game.checked(M::mnuAmerican); };
    t.game.mnuAmerican_Click();
    EXPECT_FALSE(sawAmericanDuringReinitialisation);
    EXPECT_EQ(t.game.state().WinningNumber, 36);
    // Once switched, the same fraction does draw 00.
    t.screen.onYield = nullptr;
    t.game.cmdStart_Click();
    EXPECT_EQ(t.game.state().WinningNumber, kDoubleZero);
}

TEST(WheelSwitching, theSwitchToEuropeanChecksBothWheelsWhileItReinitialises) {
    Started t;
    t.game.mnuAmerican_Click();
    t.game.mnuNormalSpin_Click();
    bool bothChecked = false;
    t.screen.onYield = [&](int) {
        bothChecked |= t.game.checked(M::mnuAmerican) && t.game.checked(M::mnuEuropean);
    };
    t.game.mnuEuropean_Click();
    EXPECT_TRUE(bothChecked);
    // The draw already used the European pockets.
    EXPECT_EQ(t.game.state().WinningNumber, 36);
    EXPECT_TRUE(t.game.checked(M::mnuEuropean));
    EXPECT_FALSE(t.game.checked(M::mnuAmerican));
    EXPECT_FALSE(t.game.enabled(M::mnuEuropean));
    EXPECT_TRUE(t.game.enabled(M::mnuAmerican));
}

TEST(WheelSwitching, missingPictureFilesAreReportedAndTheGameGoesOn) {
    Table t;
    t.screen.missingFiles = {"euroback.dib", "amerback.dib", "chip.dib", "wheel2.dib"};
    t.random.script({0.5});
    t.startUp();
    ASSERT_EQ(t.screen.messages.size(), 1u);
    EXPECT_EQ(t.screen.messages[0].prompt, "Couldn't find the .dib file.");
    EXPECT_EQ(t.screen.messages[0].title, "");
    EXPECT_EQ(t.screen.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(t.screen.backgroundLoaded);
    t.click("lblRed");
    EXPECT_EQ(t.stake("lblRed"), 1);

    t.screen.messages.clear();
    t.game.mnuAmerican_Click();
    ASSERT_EQ(t.screen.messages.size(), 1u);
    EXPECT_EQ(t.screen.messages[0].prompt, "Couldn't find the .DIB file.");
    EXPECT_TRUE(t.screen.images.empty()) << "the American switch leaves the chip and wheel alone";

    t.screen.messages.clear();
    t.game.mnuEuropean_Click();
    // The table, then the chip and the wheel.
    ASSERT_EQ(t.screen.messages.size(), 3u);
    EXPECT_EQ(t.screen.messages[0].prompt, "Couldn't find the .dib file.");
    EXPECT_EQ(t.screen.messages[1].prompt, "Couldn't find the .DIB file.");
    EXPECT_EQ(t.screen.messages[2].prompt, "Couldn't find the .DIB file.");
}

TEST(WheelSwitching, aFailedTableLoadLeavesTheTableWhiteNotTheOldWheel) {
    Started t;
    ASSERT_EQ(t.screen.background, "euroback.dib");
    t.screen.missingFiles = {"amerback.dib"};
    t.game.mnuAmerican_Click();
    EXPECT_FALSE(t.screen.backgroundLoaded);
    EXPECT_EQ(t.screen.messages.size(), 1u);
}

TEST(WheelSwitching, onlyTheSwitchToEuropeanReloadsTheChipAndTheWheel) {
    Started t;
    t.game.mnuAmerican_Click();
    EXPECT_TRUE(t.screen.images.empty());
    t.game.mnuEuropean_Click();
    EXPECT_EQ(t.screen.images[static_cast<int>(ControlName::imgChip)], "chip.dib");
    EXPECT_EQ(t.screen.images[static_cast<int>(ControlName::imgWheel2)], "wheel2.dib");
}

TEST(WheelSwitching, chipsPlacedOnTheOldWheelDuringTheSwitchAreGivenBack) {
    Started t;
    // While the switch to American re-initialises, the European wheel is
    // still checked and the first four still takes chips.
    bool placed = false;
    t.screen.onYield = [&](int) {
        if (!placed && t.screen.caption(ctl::lblResultsHeading) == "Initialising Wheel") {
            placed = true;
            t.clickTimes("lblFirstFour", 2);
            t.click("lblRed");
            EXPECT_EQ(t.stake("lblFirstFour"), 2);
        }
    };
    t.game.mnuAmerican_Click();
    t.screen.onYield = nullptr;
    EXPECT_EQ(t.stake("lblFirstFour"), 0);
    EXPECT_EQ(t.stake("lblRed"), 1);
    EXPECT_EQ(t.total(), dollars(1));
    EXPECT_EQ(t.chipCaption("lblFirstFour"), " ");
    EXPECT_FALSE(t.markerVisible("lblFirstFour"));
    EXPECT_EQ(t.totalLabel().money, dollars(1));
}

TEST(HelpAndAbout, introductionOpensTheHelpFileAndAboutIsModal) {
    Started t;
    t.game.menuClicked(M::mnuIntroduction);
    ASSERT_EQ(t.screen.helpOpened.size(), 1u);
    EXPECT_EQ(t.screen.helpOpened[0], "Vuzivadi.hlp");
    EXPECT_TRUE(t.screen.messages.empty());
    t.game.menuClicked(M::mnuAbout);
    EXPECT_EQ(t.screen.aboutModalShown, 1);
}
