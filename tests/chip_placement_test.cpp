#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <sstream>
#include <vector>

#include "tests/TableFixture.h"

using M = MenuItem;

// --- single clicks --------------------------------------------------------

TEST(ChipPlacement, leftAndMiddleAddOneChipAndRightTakesTheWholeStakeOff) {
    Table table;
    table.startUp();
    table.game.mnuTwentyFive_Click();
    table.clickTimes("lblEleven", 2);
    for (int i = 0; i < 5; ++i)
        table.click("lblTwentyFour", i % 2 == 0 ? Table::kLeft : Table::kMiddle);
    table.click("lblTwentyFour", Table::kLeft);
    EXPECT_EQ(table.stake("lblTwentyFour"), 6);
    table.click("lblTwentyFour", Table::kMiddle);
    EXPECT_EQ(table.stake("lblTwentyFour"), 7);
    EXPECT_EQ(table.chipCaption("lblTwentyFour"), "7");
    EXPECT_TRUE(table.markerVisible("lblTwentyFour"));
    EXPECT_EQ(table.total(), cents(225)) << "7 quarters on one spot and 2 on another";
    EXPECT_EQ(table.totalLabel().caption, "$2.25");

    table.click("lblTwentyFour", Table::kRight);
    EXPECT_EQ(table.stake("lblTwentyFour"), 0);
    EXPECT_EQ(table.total(), cents(50)) << "the right click takes exactly 1.75 off";
    EXPECT_EQ(table.chipCaption("lblTwentyFour"), " ");
    EXPECT_FALSE(table.markerVisible("lblTwentyFour"));
    EXPECT_EQ(table.totalLabel().caption, "$0.50");
    EXPECT_TRUE(table.screen.messages.empty());
}

TEST(ChipPlacement, rightClickOnAnEmptySpotLeavesNothingBehind) {
    for (const char* spot : {"lblOne", "lblZeroOne", "lblTwentyFiveThirty", "lblOdd", "lblFirstColumn"}) {
        Table table;
        table.startUp();
        table.clickTimes("lblThirty", 3);
        table.click(spot, Table::kRight);
        EXPECT_EQ(table.stake(spot), 0) << spot;
        EXPECT_EQ(table.chipCaption(spot), " ") << spot;
        EXPECT_FALSE(table.markerVisible(spot)) << spot;
        EXPECT_EQ(table.total(), dollars(3)) << spot;
        EXPECT_EQ(table.totalLabel().money, dollars(3)) << spot;
    }
}

TEST(ChipPlacement, spotsOfTheOtherWheelRefuseChipsUntilTheirWheelIsChosen) {
    Table table;
    table.startUp(); // European
    table.clickTimes("lblEight", 2);
    for (const char* spot : {"lblZeroA", "lblDoubleZero", "lblZeroTwoA", "lblDoubleZeroTwo"}) {
        for (int button : {Table::kLeft, Table::kRight, Table::kMiddle})
            table.click(spot, button);
        EXPECT_EQ(table.stake(spot), 0) << spot;
        EXPECT_FALSE(table.markerVisible(spot)) << spot;
        EXPECT_FALSE(table.screen.control(ctl::lblZero(Table::slotOf(spot))).enabled) << spot << " is greyed";
    }
    EXPECT_EQ(table.total(), dollars(2));
    table.click("lblFirstFour");
    EXPECT_EQ(table.stake("lblFirstFour"), 1);

    table.game.mnuAmerican_Click();
    table.click("lblDoubleZero");
    EXPECT_EQ(table.stake("lblDoubleZero"), 1);
    EXPECT_EQ(table.chipCaption("lblDoubleZero"), "1");
    EXPECT_TRUE(table.markerVisible("lblDoubleZero"));
    EXPECT_TRUE(table.screen.control(ctl::lblZero(Table::slotOf("lblDoubleZero"))).enabled);
    table.click("lblFirstFour");
    EXPECT_EQ(table.stake("lblFirstFour"), 0);
    EXPECT_FALSE(table.markerVisible("lblFirstFour"));
    EXPECT_EQ(table.total(), dollars(1));
}

TEST(ChipPlacement, choosingAUnitClearsTheLayoutAndSetsTheChipValue) {
    struct Case {
        void (QueltaGame::*choose)();
        M item;
        const char* chipCaption;
        Money oneChip;
    };
    const std::vector<Case> cases = {
        {&QueltaGame::mnuTwentyFive_Click, M::mnuTwentyFive, "25", cents(25)},
        {&QueltaGame::mnuFifty_Click, M::mnuFifty, "50", cents(50)},
        {&QueltaGame::mnuFiveDollar_Click, M::mnuFiveDollar, "$5", dollars(5)},
        {&QueltaGame::mnuTenDollar_Click, M::mnuTenDollar, "$10", dollars(10)},
        {&QueltaGame::mnuOneDollar_Click, M::mnuOneDollar, "$1", dollars(1)},
    };
    Table table;
    table.startUp();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chipCaption);
        table.clickTimes("lblSeventeen", 3);
        std::invoke(c.choose, table.game);
        EXPECT_EQ(table.stake("lblSeventeen"), 0);
        EXPECT_EQ(table.chipCaption("lblSeventeen"), " ");
        EXPECT_EQ(table.total(), Money{});
        EXPECT_EQ(table.screen.caption(ctl::lblChip), c.chipCaption);
        for (const Case& other : cases) {
            EXPECT_EQ(table.game.checked(other.item), other.item == c.item) << menuRow(other.item).name;
            EXPECT_EQ(table.game.enabled(other.item), other.item != c.item) << menuRow(other.item).name;
        }
        table.click("lblSeventeen");
        EXPECT_EQ(table.total(), c.oneChip);
    }
}

// --- long random sequences ---------------------------------------------------

namespace {
struct UnitChoice {
    void (QueltaGame::*choose)();
    M item;
    Money chipValue;
};
const std::array<UnitChoice, 5> kUnitChoices = {{
    {&QueltaGame::mnuTwentyFive_Click, M::mnuTwentyFive, Money::fromCents(25)},
    {&QueltaGame::mnuFifty_Click, M::mnuFifty, Money::fromCents(50)},
    {&QueltaGame::mnuOneDollar_Click, M::mnuOneDollar, Money::fromDollars(1)},
    {&QueltaGame::mnuFiveDollar_Click, M::mnuFiveDollar, Money::fromDollars(5)},
    {&QueltaGame::mnuTenDollar_Click, M::mnuTenDollar, Money::fromDollars(10)},
}};

// The chip value as the menus select it: the first checked of the four
// other units, else one dollar.
Money selectedChipValue(const QueltaGame& game) {
    for (const UnitChoice& unit : kUnitChoices)
        if (unit.item != M::mnuOneDollar && game.checked(unit.item))
            return unit.chipValue;
    return Money::fromDollars(1);
}

Wheel selectedWheel(const QueltaGame& game) { return game.checked(M::mnuEuropean) ? Wheel::European : Wheel::American; }

struct Mix {
    const char* name;
    bool unitChanges;
    bool wheelChanges;
    bool clicksAtYields; // clicks that arrive while a re-initialisation yields
    unsigned seed;
    bool startUp;
};

void PrintTo(const Mix& mix, std::ostream* out) { *out << mix.name << " (seed " << mix.seed << ")"; }

class RandomClicks : public ::testing::TestWithParam<Mix> {
protected:
    static constexpr int kOperations = 4000;

    void SetUp() override {
        rng_.seed(GetParam().seed);
        std::uniform_real_distribution<double> fraction(0.0, 0.999);
        std::vector<double> script;
        for (int i = 0; i < 64; ++i)
            script.push_back(fraction(rng_));
        table_.random.script(script);
        if (GetParam().startUp)
            table_.startUp();
        else
            table_.game.cmdRemChips_Click(); // a known display on the design-state menus
        if (GetParam().clicksAtYields)
            table_.screen.onYield = [this](int) {
                if (pick(8) == 0) {
                    ++nestedClicks_;
                    table_.game.BetSpotMouseUp(randomSpot(), randomButton());
                }
            };
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    // Biased towards the zero area and the outside, where the special rules are.
    int randomSpot() {
        const int area = pick(4);
        return area == 0 ? pick(11) : area == 1 ? kFirstOutsideSlot + pick(12) : pick(kSpotCount);
    }
    int randomButton() {
        const int r = pick(10);
        return r < 7 ? Table::kLeft : r < 9 ? Table::kRight : Table::kMiddle;
    }
    const GameState& state() const { return table_.game.state(); }
    int stakeAt(int k) const { return state().Stakes[static_cast<std::size_t>(k)]; }

    // Everything that must hold whenever no handler is running.
    void checkLayout() {
        const Money chip = selectedChipValue(table_.game);
        const Wheel wheel = selectedWheel(table_.game);
        Money sum;
        for (const BetSpot& spot : betSpots()) {
            const int stake = stakeAt(spot.slot);
            sum += chip * stake;
            ASSERT_GE(stake, 0) << spot.name;
            ASSERT_LE(stake, spot.limitOn(wheel)) << spot.name;
            if (!spot.takesChipsOn(wheel)) {
                ASSERT_EQ(stake, 0) << spot.name << " holds chips on a wheel where it takes none";
            }
            ASSERT_EQ(table_.screen.caption(ctl::lblZero(spot.slot)), stake > 0 ? std::to_string(stake) : " ")
                << spot.name;
            ASSERT_EQ(table_.screen.control(ctl::shpChip(spot.marker)).visible, stake > 0) << spot.name;
        }
        ASSERT_EQ(state().TotalAmountBet, sum)
            << state().TotalAmountBet.toPlainString() << " on the layout worth " << sum.toPlainString();
    }

    void clickAndCheck(int k, int button) {
        const BetSpot& spot = betSpot(k);
        const Wheel wheel = selectedWheel(table_.game);
        const Money chip = selectedChipValue(table_.game);
        const int before = stakeAt(k);
        const Money totalBefore = state().TotalAmountBet;
        const std::size_t messagesBefore = table_.screen.messages.size();
        const bool atLimit = before == spot.limitOn(wheel);

        table_.game.BetSpotMouseUp(k, button);

        const int after = stakeAt(k);
        if (!spot.takesChipsOn(wheel)) {
            ASSERT_EQ(after, before);
            ASSERT_EQ(state().TotalAmountBet, totalBefore);
            ASSERT_FALSE(table_.screen.control(ctl::lblZero(k)).enabled);
            return;
        }
        ASSERT_EQ(table_.screen.messages.size(), messagesBefore + (atLimit ? 1 : 0));
        if (atLimit) {
            ASSERT_EQ(table_.screen.messages.back().title, "Table Limt Reached!");
        }
        if (button == Table::kRight) {
            ASSERT_EQ(after, 0);
            ASSERT_EQ(state().TotalAmountBet, totalBefore - chip * before) << "a right click takes the stake off";
        } else if (atLimit) {
            ASSERT_EQ(after, before);
            ASSERT_EQ(state().TotalAmountBet, totalBefore);
        } else {
            const bool minimum =
                spot.isOutside() && before == 0 && table_.game.checked(M::mnuOn) && chip == Money::fromDollars(5);
            const int added = !minimum ? 1 : spot.kindOn(wheel) == BetKind::EvenMoney ? 5 : 2;
            ASSERT_EQ(after, before + added);
            ASSERT_EQ(state().TotalAmountBet, totalBefore + chip * added);
        }
        ASSERT_TRUE(table_.totalLabel().hasMoney);
        ASSERT_EQ(table_.totalLabel().money, state().TotalAmountBet);
    }

    // A menu choice that re-initialises the table; without clicks at its
    // yields it leaves an empty layout.
    void reinitialiseAndCheck(void (QueltaGame::*handler)(), M chosen, std::initializer_list<M> group) {
        const int nestedBefore = nestedClicks_;
        std::invoke(handler, table_.game);
        for (M item : group)
            ASSERT_EQ(table_.game.checked(item), item == chosen) << menuRow(item).name;
        if (nestedClicks_ == nestedBefore) {
            for (int k = 0; k < kSpotCount; ++k)
                ASSERT_EQ(stakeAt(k), 0) << betSpot(k).name;
            ASSERT_EQ(state().TotalAmountBet, Money{});
        }
    }

    void operate(std::ostringstream& what) {
        const Mix& mix = GetParam();
        const int r = pick(100);
        if (r < 3) {
            const int k = pick(kSpotCount);
            const int times = 1 + pick(650);
            what << "burst of " << times << " on " << betSpot(k).name;
            for (int i = 0; i < times; ++i)
                ASSERT_NO_FATAL_FAILURE(clickAndCheck(k, Table::kLeft));
        } else if (r < 6 && mix.unitChanges) {
            const UnitChoice& unit = kUnitChoices[static_cast<std::size_t>(pick(5))];
            what << menuRow(unit.item).name;
            if (table_.game.enabled(unit.item)) {
                ASSERT_NO_FATAL_FAILURE(reinitialiseAndCheck(
                    unit.choose, unit.item,
                    {M::mnuTwentyFive, M::mnuFifty, M::mnuOneDollar, M::mnuFiveDollar, M::mnuTenDollar}));
            }
        } else if (r < 8 && mix.wheelChanges) {
            const bool european = pick(2) == 0;
            const M item = european ? M::mnuEuropean : M::mnuAmerican;
            what << menuRow(item).name;
            if (table_.game.enabled(item)) {
                ASSERT_NO_FATAL_FAILURE(
                    reinitialiseAndCheck(european ? &QueltaGame::mnuEuropean_Click : &QueltaGame::mnuAmerican_Click,
                                         item, {M::mnuAmerican, M::mnuEuropean}));
            }
        } else if (r < 11) {
            const bool on = pick(2) == 0;
            what << (on ? "mnuOn" : "mnuOff");
            on ? table_.game.mnuOn_Click() : table_.game.mnuOff_Click();
            ASSERT_EQ(table_.game.checked(M::mnuOn), on);
            ASSERT_NE(table_.game.checked(M::mnuOff), on);
        } else if (r < 12) {
            what << "cmdRemChips";
            table_.game.cmdRemChips_Click();
            for (int k = 0; k < kSpotCount; ++k)
                ASSERT_EQ(stakeAt(k), 0);
        } else {
            const int k = randomSpot();
            const int button = randomButton();
            what << "button " << button << " on " << betSpot(k).name;
            ASSERT_NO_FATAL_FAILURE(clickAndCheck(k, button));
        }
    }

    Table table_;
    std::mt19937 rng_;
    int nestedClicks_ = 0;
};

TEST_P(RandomClicks, totalsStakesAndChipDisplayStayInStep) {
    for (int op = 0; op < kOperations; ++op) {
        std::ostringstream what;
        what << "operation " << op << ": ";
        operate(what);
        ASSERT_FALSE(HasFatalFailure()) << what.str();
        checkLayout();
        ASSERT_FALSE(HasFatalFailure()) << "after " << what.str();
    }
    // The run must have reached the situations the rules single out.
    EXPECT_GT(table_.screen.messages.size(), 0U) << "no table limit was reached";
    if (GetParam().clicksAtYields && (GetParam().unitChanges || GetParam().wheelChanges)) {
        EXPECT_GT(nestedClicks_, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Mixes, RandomClicks,
                         ::testing::Values(Mix{"clicksAndMinimums", false, false, false, 11, true},
                                           Mix{"designState", false, false, false, 12, false},
                                           Mix{"unitChanges", true, false, false, 13, true},
                                           Mix{"wheelChanges", false, true, false, 14, false},
                                           Mix{"everything", true, true, false, 15, true},
                                           Mix{"everythingWithClicksAtYields", true, true, true, 16, true},
                                           Mix{"normalSpinsWithClicksAtYields", true, true, true, 17, false}),
                         [](const ::testing::TestParamInfo<Mix>& info) { return std::string(info.param.name); });
} // namespace
