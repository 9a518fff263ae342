#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/ControlId.h"
#include "ui/Rgb.h"
#include "ui/Twips.h"

// The vocabulary of the window tables: what a control is and how it looks.
// Plain data, so the windows, the tests and the tools read the same rows.

enum class ControlKind : std::uint8_t { Label, Button, Image, Line, PictureBox };

// The four recurring label looks, plus an opaque label in the desktop's
// window colours (the winning number).
enum class LabelStyle : std::uint8_t {
    Transparent, // the window's picture shows through
    WhiteBox,    // opaque white, single border, black centred text
    BlackBox,    // opaque black, single border, white centred text
    ResultCell,  // opaque, colour set at run time, no border
    WindowBox,   // opaque window background, window text, no border
};

// The caption of a label that shows nothing: one space.
inline constexpr std::string_view kBlankCaption = " ";

enum class TextAlign : std::uint8_t { Left, Centre };

// A design font; the family is the design name, mapped to an installed
// metric-compatible font once at start-up.
struct FontDesign {
    std::string_view family;
    double points = 0;
    bool bold = false;
    bool underline = false;
};

namespace fonts {
inline constexpr std::string_view timesNewRoman = "Times New Roman";
inline constexpr std::string_view arial = "Arial";
inline constexpr std::string_view arialNarrow = "Arial Narrow";
inline constexpr std::string_view msSansSerif = "MS Sans Serif";
} // namespace fonts

// One control of a window. A text colour left empty means the desktop's
// window-text colour. A line runs along its rectangle's left or top edge
// (width or height 0) and is one pixel thick.
struct ControlRow {
    std::string_view name; // design name, also the widget's object name
    ControlKind kind = ControlKind::Label;
    std::string_view caption; // design caption; "&" marks the access key
    TwipRect rect;
    FontDesign font;
    LabelStyle style = LabelStyle::Transparent;
    TextAlign align = TextAlign::Centre;
    bool wordWrap = false;
    std::optional<Rgb> textColour;
    std::optional<Rgb> backColour; // design background of an opaque label
    std::string_view toolTip;
    std::optional<ControlRef> ref; // how the game addresses it, if it does
    std::string_view picture;      // built-in picture of an image control

private:
    // Defined ahead of the builders that use it: clang will not evaluate a
    // member template in a constant expression before it has seen its body.
    template <typename Change>
    constexpr ControlRow with(Change change) const {
        ControlRow copy = *this;
        change(copy);
        return copy;
    }

public:
    // Builders, so a table row names only what differs from the defaults.
    constexpr ControlRow styled(LabelStyle s) const {
        return with([&](ControlRow& r) { r.style = s; });
    }
    constexpr ControlRow leftAligned() const {
        return with([](ControlRow& r) { r.align = TextAlign::Left; });
    }
    constexpr ControlRow wrapped() const {
        return with([](ControlRow& r) { r.wordWrap = true; });
    }
    constexpr ControlRow text(Rgb c) const {
        return with([&](ControlRow& r) { r.textColour = c; });
    }
    constexpr ControlRow back(Rgb c) const {
        return with([&](ControlRow& r) { r.backColour = c; });
    }
    constexpr ControlRow tip(std::string_view t) const {
        return with([&](ControlRow& r) { r.toolTip = t; });
    }
    constexpr ControlRow addressed(ControlRef c) const {
        return with([&](ControlRow& r) { r.ref = c; });
    }
    constexpr ControlRow showing(std::string_view p) const {
        return with([&](ControlRow& r) { r.picture = p; });
    }
};

constexpr ControlRow makeControl(ControlKind kind, std::string_view name, std::string_view caption, TwipRect rect,
                                 FontDesign font) {
    ControlRow row;
    row.name = name;
    row.kind = kind;
    row.caption = caption;
    row.rect = rect;
    row.font = font;
    return row;
}
constexpr ControlRow label(std::string_view name, std::string_view caption, TwipRect rect, FontDesign font) {
    return makeControl(ControlKind::Label, name, caption, rect, font);
}
constexpr ControlRow button(std::string_view name, std::string_view caption, TwipRect rect, FontDesign font) {
    return makeControl(ControlKind::Button, name, caption, rect, font);
}
constexpr ControlRow image(std::string_view name, TwipRect rect) {
    return makeControl(ControlKind::Image, name, {}, rect, {});
}
constexpr ControlRow pictureBox(std::string_view name, TwipRect rect) {
    return makeControl(ControlKind::PictureBox, name, {}, rect, {});
}
constexpr ControlRow line(std::string_view name, TwipRect rect) {
    return makeControl(ControlKind::Line, name, {}, rect, {});
}

// A window's own properties.
struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Rgb background;
    FontDesign font;
    std::string_view icon; // built-in picture, empty for none
};
