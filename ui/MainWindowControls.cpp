#include "ui/MainWindowControls.h"

#include <array>

namespace {
using S = LabelStyle;

constexpr Rgb kResultCellDesignBack{192, 255, 192};

constexpr FontDesign tnr(double points) { return {fonts::timesNewRoman, points, true, false}; }
constexpr FontDesign kDefaultFont{fonts::timesNewRoman, 8.25, false, false};
constexpr FontDesign kSmallButtonFont{fonts::arial, 6.75, true, false};

constexpr ControlRow resultCell(std::string_view name, int n) {
    return label(name, kBlankCaption, {4680 + 300 * (n - 1), 5640, 285, 255}, tnr(9.75))
        .styled(S::ResultCell)
        .text(colours::yellow)
        .back(kResultCellDesignBack)
        .addressed(ctl::lblRes(n));
}

constexpr WindowDesign kWindow{"frmQuelta", "Quelta", 9840, 5985, colours::white, kDefaultFont, ":/pictures/quelta.png"};

// Bottom of the stack first: imgChip below lblChip, lblBehindRes1 below the
// result cells.
constexpr std::array kControls = {
    label("lblHeading", "Trevallo", {120, 120, 3135, 330}, {fonts::timesNewRoman, 14.25, true, true}),
    button("cmdStart", "S&TART", {3960, 240, 1095, 375}, tnr(12)).addressed(ctl::cmdStart),
    label("lblResultsHeading", "Initialising Wheel", {5280, 120, 1095, 495}, tnr(9))
        .wrapped()
        .text(colours::black)
        .addressed(ctl::lblResultsHeading),
    label("lblWinningNumber", kBlankCaption, {6480, 120, 615, 495}, tnr(17.25))
        .styled(S::WindowBox)
        .addressed(ctl::lblWinningNumber),
    line("Line1", {7080, 150, 0, 450}),
    line("Line2", {6495, 600, 600, 0}),
    image("imgWheel2", {360, 600, 2250, 1380}).addressed(ctl::imgWheel2).showing(":/pictures/wheel.png"),
    image("imgChip", {2640, 1080, 750, 795}).addressed(ctl::imgChip).showing(":/pictures/chip.png"),
    label("lblChip", "$1", {2820, 1320, 375, 270}, tnr(12)).text(colours::black).addressed(ctl::lblChip),
    label("lblWheelType", kBlankCaption, {240, 2040, 3495, 330}, tnr(14.25)).addressed(ctl::lblWheelType),
    label("lblSpinsHeading", "Spin Number", {240, 3120, 1095, 255}, tnr(9.75)).leftAligned(),
    label("lblSpins", kBlankCaption, {525, 3375, 495, 285}, tnr(9.75)).styled(S::WhiteBox).addressed(ctl::lblSpins),
    button("cmdZeroSpin", "Zero", {1200, 3390, 465, 240}, kSmallButtonFont).tip("Reset Spin Number to Zero"),
    label("lblWinnings", kBlankCaption, {240, 3840, 1095, 300}, tnr(9.75))
        .styled(S::BlackBox)
        .addressed(ctl::lblWinnings),
    label("lblWinningsHeading", "Winnings", {1440, 3840, 975, 300}, tnr(12))
        .leftAligned()
        .addressed(ctl::lblWinningsHeading),
    label("lblTotalAmountBet", kBlankCaption, {240, 4560, 1095, 270}, tnr(9.75))
        .styled(S::WhiteBox)
        .addressed(ctl::lblTotalAmountBet),
    label("lblTotalAmountBetHeading", "Amount Bet", {1440, 4560, 1215, 255}, tnr(12)).leftAligned(),
    label("lblYouWon", kBlankCaption, {240, 5280, 1095, 300}, tnr(9.75)).styled(S::WhiteBox).addressed(ctl::lblYouWon),
    label("lblPayUnits", "Win Pay Out", {1440, 5280, 1275, 285}, tnr(12)).leftAligned(),
    button("cmdRemChips", "Remove Chips", {5325, 5100, 840, 390}, kSmallButtonFont)
        .tip("Remove Chips from layout after each spin"),
    label("lblLastNumberHeading", "Last Number", {3150, 5610, 1575, 255}, tnr(12)),
    label("lblBehindRes1", kBlankCaption, {4650, 5610, 330, 315}, kDefaultFont).styled(S::WhiteBox),
    resultCell("lblRes1", 1),
    resultCell("lblRes2", 2),
    resultCell("lblRes3", 3),
    resultCell("lblRes4", 4),
    resultCell("lblRes5", 5),
    resultCell("lblRes6", 6),
    resultCell("lblRes7", 7),
    resultCell("lblRes8", 8),
    resultCell("lblRes9", 9),
    resultCell("lblRes10", 10),
    button("cmdReset", "R&eset", {7800, 5640, 735, 255}, tnr(9.75)).tip("Clear All Values"),
    button("cmdQuit", "Q&uit", {8760, 5640, 855, 255}, tnr(8.25)).tip("Exit Vuzivadi!"),
};
} // namespace

const WindowDesign& mainWindowDesign() { return kWindow; }

std::span<const ControlRow> mainWindowControls() { return kControls; }
