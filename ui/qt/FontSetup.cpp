#include "ui/qt/FontSetup.h"

#include <array>

#include "ui/ControlStyle.h"
#include "ui/qt/ControlLook.h"

namespace {
struct Substitution {
    std::string_view design;
    const char* installed;
};

constexpr std::array kSubstitutions = {
    Substitution{fonts::timesNewRoman, "Liberation Serif"},
    Substitution{fonts::arial, "Liberation Sans"},
    Substitution{fonts::arialNarrow, "Liberation Sans Narrow"},
    Substitution{fonts::msSansSerif, "Liberation Sans"},
};
} // namespace

void installFontSubstitutions() {
    for (const Substitution& s : kSubstitutions)
        QFont::insertSubstitution(toQString(s.design), QString::fromLatin1(s.installed));
}

QFont designFont(const FontDesign& design) {
    QFont font(toQString(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setUnderline(design.underline);
    // Whole-pixel glyph advances, as the design's captions were measured with.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
