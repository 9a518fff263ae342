#pragma once

#include <string_view>

// Captions the spin cycle writes into labels of the main window.
namespace captions {
// What a label that shows nothing holds.
inline constexpr std::string_view blank = " ";
// lblResultsHeading over the winning number, and while the wheel restarts.
inline constexpr std::string_view winningNumber = "Winning Number";
inline constexpr std::string_view initialisingWheel = "Initialising Wheel";
// lblWheelType for the wheel selected at start-up.
inline constexpr std::string_view europeanWheel = "European Wheel";
// lblWheelType after the wheel is chosen from the menu.
inline constexpr std::string_view europeanWheelChosen = "European Wheel 0";
inline constexpr std::string_view americanWheelChosen = "American Wheel with 0, 00";
} // namespace captions
