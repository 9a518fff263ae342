#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/Money.h"
#include "ui/MenuItem.h"

enum class BettingUnit : std::uint8_t { TwentyFiveCents, FiftyCents, OneDollar, FiveDollars, TenDollars };

struct BettingUnitRow {
    BettingUnit unit;
    MenuItem item;
    Money chipValue;
    std::string_view chipCaption; // what lblChip shows
};

inline constexpr std::array<BettingUnitRow, 5> kBettingUnits = {{
    {BettingUnit::TwentyFiveCents, MenuItem::mnuTwentyFive, Money::fromCents(25), "25"},
    {BettingUnit::FiftyCents, MenuItem::mnuFifty, Money::fromCents(50), "50"},
    {BettingUnit::OneDollar, MenuItem::mnuOneDollar, Money::fromDollars(1), "$1"},
    {BettingUnit::FiveDollars, MenuItem::mnuFiveDollar, Money::fromDollars(5), "$5"},
    {BettingUnit::TenDollars, MenuItem::mnuTenDollar, Money::fromDollars(10), "$10"},
}};

constexpr const BettingUnitRow& unitRow(BettingUnit unit) { return kBettingUnits[static_cast<std::size_t>(unit)]; }
