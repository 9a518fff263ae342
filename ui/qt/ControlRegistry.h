#pragma once

#include <array>
#include <vector>

#include "ui/ControlId.h"

class QWidget;

// Finds the widget of a control the game addresses, in constant time: the
// screen looks one up for every caption, colour and visibility it sets.
class ControlRegistry {
public:
    void add(ControlRef ref, QWidget* widget);
    // Forgets every widget of that name, as when its window is unloaded.
    void removeAll(ControlName name);
    // nullptr for a control that has no widget (now).
    QWidget* find(ControlRef ref) const;

private:
    static constexpr std::size_t kNameCount = static_cast<std::size_t>(ControlName::lbl400) + 1;
    std::array<std::vector<QWidget*>, kNameCount> widgets_;
};
