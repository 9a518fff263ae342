#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "layout/BettingUnit.h"
#include "systems/System.h"

// The words a system file uses for the model's choices, shared by the reader
// and the writer so that what one writes the other reads.
namespace systems::files {

template <typename T>
struct Word {
    std::string_view text;
    T value;
};

inline constexpr std::array<Word<Wheel>, 2> kWheelWords{{{"european", Wheel::European}, {"american", Wheel::American}}};

inline constexpr std::array<Word<OutsideGroup>, 5> kGroupWords{{
    {"colour", OutsideGroup::Colour},
    {"parity", OutsideGroup::Parity},
    {"high_low", OutsideGroup::HighLow},
    {"dozen", OutsideGroup::Dozen},
    {"column", OutsideGroup::Column},
}};

inline constexpr std::array<Word<Side>, 2> kSideWords{{{"follow", Side::Follow}, {"against", Side::Against}}};

inline constexpr std::array<Word<AtCap>, 2> kAtCapWords{{{"stay", AtCap::Stay}, {"restart", AtCap::Restart}}};

inline constexpr std::array<Word<MoveKind>, 4> kMoveWords{
    {{"next", MoveKind::Next}, {"start", MoveKind::Start}, {"stay", MoveKind::Stay}, {"back", MoveKind::Back}}};

// The outside bets by the control names of their spots, as the table names them.
inline constexpr std::array<Word<OutsideBet>, 12> kOutsideBetWords{{
    {"lblRed", OutsideBet::Red},
    {"lblBlack", OutsideBet::Black},
    {"lblEven", OutsideBet::Even},
    {"lblOdd", OutsideBet::Odd},
    {"lblLow", OutsideBet::Low},
    {"lblHigh", OutsideBet::High},
    {"lblFirstDoz", OutsideBet::FirstDozen},
    {"lblSecondDoz", OutsideBet::SecondDozen},
    {"lblThirdDoz", OutsideBet::ThirdDozen},
    {"lblFirstColumn", OutsideBet::FirstColumn},
    {"lblSecondColumn", OutsideBet::SecondColumn},
    {"lblThirdColumn", OutsideBet::ThirdColumn},
}};

// The kinds of selection and of money management, in the order of their
// variants' alternatives.
inline constexpr std::array<std::string_view, std::variant_size_v<Selection>> kSelectionKinds{
    "spots", "last", "sleepers", "pattern", "after_misses"};
inline constexpr std::array<std::string_view, std::variant_size_v<MoneyManagement>> kMoneyKinds{
    "flat",       "martingale",         "reverse_martingale", "dalembert",         "fibonacci", "paroli",
    "labouchere", "reverse_labouchere", "oscars_grind",       "one_three_two_six", "stakes"};

template <typename T, std::size_t N>
constexpr std::optional<T> valueOf(const std::array<Word<T>, N>& words, std::string_view text) {
    for (const Word<T>& word : words)
        if (word.text == text)
            return word.value;
    return std::nullopt;
}

template <typename T, std::size_t N>
constexpr std::string_view wordFor(const std::array<Word<T>, N>& words, T value) {
    for (const Word<T>& word : words)
        if (word.value == value)
            return word.text;
    return {};
}

} // namespace systems::files
