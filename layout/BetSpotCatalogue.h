#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/Pocket.h"

enum class BetKind : std::uint8_t {
    Straight,
    Split,
    Street,
    Trio,
    Corner,
    FirstFour,
    SixLine,
    EvenMoney,
    Dozen,
    Column,
};

// A set of pockets as bits: bit n for pocket n, bit 37 for the double zero.
struct PocketSet {
    std::uint64_t bits = 0;

    constexpr bool contains(int code) const { return code >= 0 && code < 64 && ((bits >> code) & 1U) != 0; }
    constexpr bool empty() const { return bits == 0; }
    constexpr int size() const { return __builtin_popcountll(bits); }
    friend constexpr bool operator==(PocketSet, PocketSet) = default;
};

constexpr PocketSet pockets(std::initializer_list<int> codes) {
    PocketSet set;
    for (int code : codes)
        set.bits |= std::uint64_t{1} << code;
    return set;
}

// Odds paid to one by a winning spot of this kind.
constexpr int oddsOf(BetKind kind) {
    switch (kind) {
    case BetKind::Straight: return 35;
    case BetKind::Split: return 17;
    case BetKind::Street:
    case BetKind::Trio: return 11;
    case BetKind::Corner:
    case BetKind::FirstFour: return 8;
    case BetKind::SixLine: return 5;
    case BetKind::Dozen:
    case BetKind::Column: return 2;
    case BetKind::EvenMoney: return 1;
    }
    return 0;
}

using ChipCount = std::int16_t;

// One bet spot of the layout. Arrays indexed by Wheel hold what differs
// between the wheels; an empty pocket set means the spot takes no chips there.
struct BetSpot {
    std::string_view name;
    int slot;
    int marker;
    std::array<BetKind, 2> kind;
    std::array<PocketSet, 2> covers;
    std::array<ChipCount, 2> limit;

    constexpr BetKind kindOn(Wheel wheel) const { return kind[static_cast<int>(wheel)]; }
    constexpr PocketSet coversOn(Wheel wheel) const { return covers[static_cast<int>(wheel)]; }
    constexpr ChipCount limitOn(Wheel wheel) const { return limit[static_cast<int>(wheel)]; }
    constexpr bool takesChipsOn(Wheel wheel) const { return !coversOn(wheel).empty(); }
    bool isOutside() const;
};

inline constexpr int kSpotCount = 161;
inline constexpr int kFirstOutsideSlot = 149;

// Named slots the rules single out.
namespace slot {
inline constexpr int lblZeroA = 0;
inline constexpr int lblZeroE = 1;
inline constexpr int lblDoubleZero = 2;
inline constexpr int lblFirstFour = 3;
inline constexpr int lblZeroTwoA = 6;
inline constexpr int lblZeroDoubleZeroTwo = 7;
inline constexpr int lblDoubleZeroTwo = 8;
inline constexpr int lblLow = 149;
inline constexpr int lblEven = 150;
inline constexpr int lblRed = 151;
inline constexpr int lblBlack = 152;
inline constexpr int lblOdd = 153;
inline constexpr int lblHigh = 154;
inline constexpr int lblFirstDoz = 155;
inline constexpr int lblSecondDoz = 156;
inline constexpr int lblThirdDoz = 157;
inline constexpr int lblFirstColumn = 158;
inline constexpr int lblSecondColumn = 159;
inline constexpr int lblThirdColumn = 160;
} // namespace slot

// All 161 spots in display-slot order.
std::span<const BetSpot, kSpotCount> betSpots();
const BetSpot& betSpot(int displaySlot);
std::optional<int> slotOfName(std::string_view controlName);
// The twelve outside spots (slots 149 to 160).
std::span<const BetSpot> outsideSpots();

// What a screen reader says for the spot: "Red", "Split 7-8", "Corner 1-2-4-5".
std::string accessibleSpotName(const BetSpot& spot, Wheel wheel);
