#include "SettlementOracle.h"

#include <utility>

#include "layout/BetSpotCatalogue.h"

namespace oracle {
namespace {
constexpr int kNumbersOnTheLayout = 36;
constexpr int kEvenMoneyReturn = 2;
constexpr int kDozenOrColumnReturn = 3;
constexpr int kDozenSize = 12;
constexpr int kColumns = 3;
constexpr int kLowTop = 18;

bool isRed(int n) {
    constexpr std::array<int, 18> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int red : reds)
        if (red == n)
            return true;
    return false;
}

// Which outside spot (by its slot on the layout) wins on which number, and
// what it returns per chip; none of them wins on 0 or 00.
struct OutsideRule {
    int slot;
    int hitIndex;
    int returnPerChip;
    bool (*wins)(int);
};

constexpr std::array<OutsideRule, 12> kOutsideRules{{
    {slot::lblLow, 0, kEvenMoneyReturn, [](int n) { return n <= kLowTop; }},
    {slot::lblHigh, 1, kEvenMoneyReturn, [](int n) { return n > kLowTop; }},
    {slot::lblEven, 2, kEvenMoneyReturn, [](int n) { return n % 2 == 0; }},
    {slot::lblRed, 3, kEvenMoneyReturn, [](int n) { return isRed(n); }},
    {slot::lblBlack, 4, kEvenMoneyReturn, [](int n) { return !isRed(n); }},
    {slot::lblOdd, 5, kEvenMoneyReturn, [](int n) { return n % 2 == 1; }},
    {slot::lblFirstDoz, 6, kDozenOrColumnReturn, [](int n) { return (n - 1) / kDozenSize == 0; }},
    {slot::lblSecondDoz, 7, kDozenOrColumnReturn, [](int n) { return (n - 1) / kDozenSize == 1; }},
    {slot::lblThirdDoz, 8, kDozenOrColumnReturn, [](int n) { return (n - 1) / kDozenSize == 2; }},
    {slot::lblFirstColumn, 9, kDozenOrColumnReturn, [](int n) { return n % kColumns == 1; }},
    {slot::lblSecondColumn, 10, kDozenOrColumnReturn, [](int n) { return n % kColumns == 2; }},
    {slot::lblThirdColumn, 11, kDozenOrColumnReturn, [](int n) { return n % kColumns == 0; }},
}};

bool isNumber(int pocket) { return pocket >= 1 && pocket <= kNumbersOnTheLayout; }
} // namespace

OutsideWins outsideWinners(int pocket) {
    OutsideWins wins{};
    if (!isNumber(pocket))
        return wins;
    for (const OutsideRule& rule : kOutsideRules)
        wins[static_cast<std::size_t>(rule.hitIndex)] = rule.wins(pocket);
    return wins;
}

std::int64_t returnInChips(const std::array<ChipCount, kSpotCount>& stakes, Wheel wheel, int pocket) {
    std::int64_t chips = 0;
    for (int s = 0; s < kFirstOutsideSlot; ++s) {
        const PocketSet covers = betSpot(s).coversOn(wheel);
        if (covers.contains(pocket))
            chips += std::int64_t{stakes[static_cast<std::size_t>(s)]} * (kNumbersOnTheLayout / covers.size());
    }
    if (isNumber(pocket))
        for (const OutsideRule& rule : kOutsideRules)
            if (rule.wins(pocket))
                chips += std::int64_t{stakes[static_cast<std::size_t>(rule.slot)]} * rule.returnPerChip;
    return chips;
}

Money chipValue(const GameState& state) {
    constexpr std::array<std::pair<MenuItem, Money>, 4> kUnits{{
        {MenuItem::mnuTwentyFive, Money::fromCents(25)},
        {MenuItem::mnuFifty, Money::fromCents(50)},
        {MenuItem::mnuFiveDollar, Money::fromDollars(5)},
        {MenuItem::mnuTenDollar, Money::fromDollars(10)},
    }};
    for (const auto& [item, value] : kUnits)
        if (state.checked(item))
            return value;
    return Money::fromDollars(1);
}

Wheel wheelOf(const GameState& state) {
    return state.checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American;
}

} // namespace oracle
