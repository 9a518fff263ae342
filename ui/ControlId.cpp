#include "ui/ControlId.h"

#include <array>
#include <string_view>

namespace {
constexpr std::array<std::string_view, 28> kNames = {
    "lblResultsHeading", "lblWinningNumber", "lblChip",   "lblWheelType", "lblSpins",
    "lblWinnings",       "lblWinningsHeading", "lblTotalAmountBet", "lblYouWon", "cmdStart",
    "imgChip",           "imgWheel2",        "lblLowAmt", "lblHiAmt",     "lblEveAmt",
    "lblRedAmt",         "lblBlkAmt",        "lblOdAmt",  "lblFDAmt",     "lblSDAmt",
    "lblTDAmt",          "lblFCAmt",         "lblSCAmt",  "lblTCAmt",     "lblRes",
    "lblZero",           "shpChip",          "lbl400",
};
static_assert(kNames.size() == static_cast<std::size_t>(ControlName::lbl400) + 1);
} // namespace

std::string objectName(ControlRef control) {
    std::string name(kNames[static_cast<std::size_t>(control.name)]);
    switch (control.name) {
    case ControlName::lblRes:
        return name + std::to_string(control.index);
    case ControlName::lblZero:
    case ControlName::shpChip:
    case ControlName::lbl400:
        return name + "(" + std::to_string(control.index) + ")";
    default:
        return name;
    }
}
