#pragma once

#include <cstdint>
#include <string_view>

#include "ui/Rgb.h"

// A pocket of the wheel: 0 to 36 for the numbers, 37 for the double zero.
// kNoNumber marks an empty slot of the last-ten strip and the history.
using PocketCode = std::int8_t;

inline constexpr PocketCode kDoubleZero = 37;
inline constexpr PocketCode kNoNumber = 44;
inline constexpr int kPocketCount = 38; // 0 to 36 and 00

enum class Wheel : std::uint8_t { European = 0, American = 1 };

inline constexpr int pocketsOn(Wheel wheel) { return wheel == Wheel::European ? 37 : 38; }

constexpr bool isRedNumber(int code) {
    switch (code) {
    case 1: case 3: case 5: case 7: case 9: case 12: case 14: case 16: case 18:
    case 19: case 21: case 23: case 25: case 27: case 30: case 32: case 34: case 36:
        return true;
    default:
        return false;
    }
}

constexpr bool isZero(int code) { return code == 0 || code == kDoubleZero; }

// Green for 0 and 00 (and for an empty slot), red or black for 1 to 36.
constexpr Rgb pocketColour(int code) {
    if (isZero(code) || code == kNoNumber)
        return colours::green;
    return isRedNumber(code) ? colours::red : colours::black;
}

// "0" to "36", "00" for the double zero, " " for an empty slot.
std::string_view pocketText(int code);
