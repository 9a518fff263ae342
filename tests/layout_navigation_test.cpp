// The keys' moves over the layout, read from the catalogue alone: every move
// the manual describes, and the lattice the arrows walk.
#include <gtest/gtest.h>

#include <string_view>

#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutNavigation.h"

namespace {
using enum LayoutKey;

std::string_view nameOf(int slot) { return betSpot(slot).name; }

int slotNamed(std::string_view name) { return *slotOfName(name); }

// The spot whose pockets on the European wheel are exactly these numbers.
int covering(PocketSet numbers) {
    for (const BetSpot& spot : betSpots())
        if (spot.coversOn(Wheel::European) == numbers)
            return spot.slot;
    return -1;
}

TEST(LayoutNavigation, movesTheManualDescribes) {
    struct Move {
        const char* from;
        LayoutKey key;
        LayoutStep step;
        Wheel wheel;
        const char* to;
    };
    constexpr auto W = LayoutStep::Whole;
    constexpr auto H = LayoutStep::Half;
    constexpr auto E = Wheel::European;
    constexpr auto A = Wheel::American;
    for (const Move& m : {
             Move{"lblOne", Right, W, E, "lblTwo"},
             Move{"lblOne", Down, W, E, "lblFour"},
             Move{"lblOne", Right, H, E, "lblOneTwo"},
             Move{"lblOneTwo", Down, H, E, "lblOneFive"},
             Move{"lblOneTwo", Down, W, E, "lblFourFive"},
             Move{"lblOne", Left, H, E, "lblOneThreeStreet"},
             Move{"lblOneThreeStreet", Down, H, E, "lblOneSixSixLine"},
             Move{"lblSeven", Left, W, E, "lblFirstDoz"},
             Move{"lblFirstDoz", Left, W, E, "lblLow"},
             Move{"lblFirstDoz", Down, W, E, "lblSecondDoz"},
             Move{"lblRed", Up, W, E, "lblEven"},
             Move{"lblThirtyFive", Down, W, E, "lblSecondColumn"},
             Move{"lblSecondColumn", Right, W, E, "lblThirdColumn"},
             Move{"lblOne", Up, W, E, "lblZeroE"},
             Move{"lblOne", Up, W, A, "lblZeroA"},
             Move{"lblThree", Up, W, A, "lblDoubleZero"},
             Move{"lblOne", Up, H, E, "lblZeroOne"},
             Move{"lblZeroOne", Left, W, E, "lblFirstFour"},
             Move{"lblZeroOne", Left, W, A, "lblZeroOne"},
             Move{"lblZeroOneTwo", Right, H, A, "lblZeroTwoA"},
             Move{"lblZeroOneTwo", Right, H, E, "lblZeroDoubleZeroTwo"},
             Move{"lblZeroA", Right, W, A, "lblZeroE"},
             Move{"lblThree", Right, W, E, "lblThree"},
         }) {
        EXPECT_EQ(nameOf(layoutMove(slotNamed(m.from), m.key, m.step, m.wheel)), m.to)
            << m.from << " key " << static_cast<int>(m.key) << (m.step == H ? " with Shift" : "");
    }
    EXPECT_EQ(nameOf(layoutHome(Wheel::European)), "lblZeroE");
    EXPECT_EQ(nameOf(layoutHome(Wheel::American)), "lblZeroA");
}

// On the numbers two half steps make one whole step, whichever way, and a
// half step from a number lands on the spot covering it and its neighbour.
TEST(LayoutNavigation, twoHalfStepsOnTheNumbersMakeAWholeOne) {
    for (int n = 1; n <= 36; ++n) {
        const int number = covering(pockets({n}));
        for (const auto& [key, neighbour] :
             {std::pair{Right, n + 1}, std::pair{Left, n - 1}, std::pair{Down, n + 3}, std::pair{Up, n - 3}}) {
            const bool sameRow = (key == Right || key == Left) ? (neighbour - 1) / 3 == (n - 1) / 3 : true;
            if (neighbour < 1 || neighbour > 36 || !sameRow)
                continue;
            for (Wheel wheel : {Wheel::European, Wheel::American}) {
                const int half = layoutMove(number, key, LayoutStep::Half, wheel);
                EXPECT_EQ(half, covering(pockets({n, neighbour}))) << n << " to " << neighbour;
                EXPECT_EQ(layoutMove(half, key, LayoutStep::Half, wheel),
                          layoutMove(number, key, LayoutStep::Whole, wheel));
                EXPECT_EQ(layoutMove(number, key, LayoutStep::Whole, wheel), covering(pockets({neighbour})));
            }
        }
    }
}
} // namespace
