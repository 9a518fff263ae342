#include "ui/StatsWindowControls.h"

#include <array>

namespace {
constexpr FontDesign kRegular{fonts::msSansSerif, 8.25, false, false};
constexpr FontDesign kBold{fonts::msSansSerif, 9.75, true, false};

// The design gives the outer size; the client area takes the whole of it so
// that the buttons and lines near the bottom edge stay on screen whatever
// the window manager's frame.
constexpr WindowDesign kWindow{"frmStats",
                             "Results shown for the last 400 Spins only.",
                             11790,
                             6420,
                             {167, 201, 173},
                             kRegular,
                             ":/pictures/stats.png"};

constexpr ControlRow divider(std::string_view name, int x) { return line(name, {x, 6000, 0, 375}); }

constexpr std::array kControls = {
    label("lblResults", "R E S U L T S", {150, 75, 1515, 315}, kBold).leftAligned(),
    label("lblDisp", "Displayed from Top to Bottom, left to right", {1725, 105, 3015, 240}, kRegular).leftAligned(),
    label("Label1", "Put mouse on a number for amount of times it has come up.", {7425, 75, 4215, 240}, kRegular)
        .leftAligned(),
    label("lbl400(0)", "Spins", {675, 375, 615, 240}, kBold).leftAligned().addressed(ctl::lbl400(0)),
    label("lbl400(1)", kBlankCaption, {75, 375, 540, 240}, kBold).addressed(ctl::lbl400(1)),
    label("lbl400(2)", "Last 400 can only be displayed", {300, 750, 765, 765}, kRegular)
        .wrapped()
        .addressed(ctl::lbl400(2)),
    divider("Line1(0)", 3900),
    divider("Line1(1)", 6525),
    divider("Line1(2)", 9150),
    button("cmdClose", "Resume Play", {225, 3450, 915, 540}, kRegular),
    button("cmdExit", "Close", {375, 5925, 615, 240}, kRegular),
};
} // namespace

const WindowDesign& statsWindowDesign() { return kWindow; }

std::span<const ControlRow> statsWindowControls() { return kControls; }
