#pragma once

#include <cstdint>

// A colour as the windows show it: red, green and blue from 0 to 255.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The colours the game logic paints with; the windows' own design colours
// live with their geometry.
namespace colours {
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb yellow{255, 255, 0};
} // namespace colours
