#pragma once

#include <cstdint>
#include <string>

// Every control the game logic writes to, by its design name. Controls that
// belong to a control array carry an index; the others use index 0.
enum class ControlName : std::uint8_t {
    // frmQuelta, outside the layout
    lblResultsHeading,
    lblWinningNumber,
    lblChip,
    lblWheelType,
    lblSpins,
    lblWinnings,
    lblWinningsHeading,
    lblTotalAmountBet,
    lblYouWon,
    cmdStart,
    imgChip,
    imgWheel2,
    // outside hit counts, in the order of OutsideHits
    lblLowAmt,
    lblHiAmt,
    lblEveAmt,
    lblRedAmt,
    lblBlkAmt,
    lblOdAmt,
    lblFDAmt,
    lblSDAmt,
    lblTDAmt,
    lblFCAmt,
    lblSCAmt,
    lblTCAmt,
    // arrays of frmQuelta
    lblRes,  // index 1 to 10, named lblRes1 to lblRes10
    lblZero, // chip labels, index = display slot 0 to 160
    shpChip, // chip markers, index = marker index 0 to 160
    // frmStats
    lbl400, // index 0 to 2
};

struct ControlRef {
    ControlName name;
    int index = 0;

    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

namespace ctl {
constexpr ControlRef single(ControlName name) { return {name, 0}; }
constexpr ControlRef lblRes(int n) { return {ControlName::lblRes, n}; }
constexpr ControlRef lblZero(int slot) { return {ControlName::lblZero, slot}; }
constexpr ControlRef shpChip(int marker) { return {ControlName::shpChip, marker}; }
constexpr ControlRef lbl400(int i) { return {ControlName::lbl400, i}; }

inline constexpr ControlRef lblResultsHeading = single(ControlName::lblResultsHeading);
inline constexpr ControlRef lblWinningNumber = single(ControlName::lblWinningNumber);
inline constexpr ControlRef lblChip = single(ControlName::lblChip);
inline constexpr ControlRef lblWheelType = single(ControlName::lblWheelType);
inline constexpr ControlRef lblSpins = single(ControlName::lblSpins);
inline constexpr ControlRef lblWinnings = single(ControlName::lblWinnings);
inline constexpr ControlRef lblWinningsHeading = single(ControlName::lblWinningsHeading);
inline constexpr ControlRef lblTotalAmountBet = single(ControlName::lblTotalAmountBet);
inline constexpr ControlRef lblYouWon = single(ControlName::lblYouWon);
inline constexpr ControlRef cmdStart = single(ControlName::cmdStart);
inline constexpr ControlRef imgChip = single(ControlName::imgChip);
inline constexpr ControlRef imgWheel2 = single(ControlName::imgWheel2);

// The twelve outside hit-count labels, in the order of OutsideHits.
constexpr ControlRef outsideHitLabel(int i) {
    return single(static_cast<ControlName>(static_cast<int>(ControlName::lblLowAmt) + i));
}
} // namespace ctl

// The object name the windows give the control: "lblSpins", "lblZero(5)",
// "shpChip(152)", "lblRes1", "lbl400(1)".
std::string objectName(ControlRef control);
