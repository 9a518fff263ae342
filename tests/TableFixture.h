#pragma once

#include <string>
#include <string_view>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

// A table wired to the recording fakes, with the shorthand the layout tests
// share: clicks by control name, and the stake and chip display of a spot.
// The menus start in their design state (American wheel, no unit checked,
// so chips are worth $1, minimums on); startUp() runs the real start-up.
struct Table : FakeTable {
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kMiddle = 4;

    void startUp() { game.Form_Load(); }

    static int slotOf(std::string_view name) { return slotOfName(name).value(); }

    void click(std::string_view name, int button = kLeft) { game.BetSpotMouseUp(slotOf(name), button); }
    void clickTimes(std::string_view name, int times) {
        for (int i = 0; i < times; ++i)
            click(name);
    }

    int stake(std::string_view name) const { return game.state().Stakes[static_cast<std::size_t>(slotOf(name))]; }
    Money total() const { return game.state().TotalAmountBet; }
    const std::string& chipCaption(std::string_view name) const { return screen.caption(ctl::lblZero(slotOf(name))); }
    bool markerVisible(std::string_view name) const {
        return screen.control(ctl::shpChip(betSpot(slotOf(name)).marker)).visible;
    }
    const FakeScreen::ControlState& totalLabel() const { return screen.control(ctl::lblTotalAmountBet); }
};

inline Money dollars(std::int64_t amount) { return Money::fromDollars(amount); }
inline Money cents(std::int64_t amount) { return Money::fromCents(amount); }
