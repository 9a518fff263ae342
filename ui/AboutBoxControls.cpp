#include "ui/AboutBoxControls.h"

#include <array>

namespace {
constexpr FontDesign kBoxFont{fonts::msSansSerif, 8.25, true, false};

constexpr WindowDesign kWindow{"frmAbout", "About Quelta", 6375, 3705, {128, 255, 128}, kBoxFont, {}};

constexpr std::array kControls = {
    label("Label6", "Quelta Roulette\nTry out your betting systems.\nFor entertainment only.", {1080, 1080, 2535, 735},
          kBoxFont)
        .wrapped(),
    label("Label2", "http://www.quelta-tables.example/", {1725, 2850, 4515, 240}, kBoxFont).leftAligned(),
    pictureBox("Picture1", {4800, 240, 1335, 1695}).showing(":/pictures/about.png"),
    button("cmdClose", "&Close", {360, 3120, 1095, 375}, {fonts::timesNewRoman, 9.75, true, false}),
};
} // namespace

const WindowDesign& aboutBoxDesign() { return kWindow; }

std::span<const ControlRow> aboutBoxControls() { return kControls; }
