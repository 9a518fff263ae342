#pragma once

#include <string_view>
#include <vector>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

// A started table whose spins land where the test says: SpinWheel draws two
// fractions for the number of draws, then one per draw; {0, 0, r} gives a
// single draw whose pocket is r times the wheel's pocket count.
struct ResultsTable : FakeTable {
    static constexpr int kLeftButton = 1;

    explicit ResultsTable(PocketCode startUpNumber = 0) {
        random.script({fractionFor(startUpNumber, Wheel::European)});
        game.Form_Load();
    }

    Wheel wheel() const { return game.checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American; }

    static double fractionFor(PocketCode pocket, Wheel wheel) { return (pocket + 0.5) / pocketsOn(wheel); }

    // The next SpinWheel makes one draw, of `pocket`.
    void landOn(PocketCode pocket) { random.script({0.0, 0.0, fractionFor(pocket, wheel())}); }

    // A one-spin START that lands on `pocket`.
    void spin(PocketCode pocket) {
        landOn(pocket);
        game.cmdStart_Click();
    }

    void useAmericanWheel() {
        random.script({0.0, 0.0, 0.0});
        game.mnuAmerican_Click();
    }

    // Menu choices that re-initialise the wheel land their spin on 0.
    void choose(MenuItem item) {
        random.script({0.0, 0.0, 0.0});
        game.menuClicked(item);
    }

    void bet(std::string_view spot, int chips) {
        const int slot = slotOfName(spot).value();
        for (int i = 0; i < chips; ++i)
            game.BetSpotMouseUp(slot, kLeftButton);
    }

    const GameState& state() const { return game.state(); }
    const std::string& caption(ControlRef control) const { return screen.caption(control); }
};
