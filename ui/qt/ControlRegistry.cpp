#include "ui/qt/ControlRegistry.h"

void ControlRegistry::add(ControlRef ref, QWidget* widget) {
    if (ref.index < 0)
        return;
    auto& row = widgets_[static_cast<std::size_t>(ref.name)];
    const auto index = static_cast<std::size_t>(ref.index);
    if (row.size() <= index)
        row.resize(index + 1, nullptr);
    row[index] = widget;
}

void ControlRegistry::removeAll(ControlName name) { widgets_[static_cast<std::size_t>(name)].clear(); }

QWidget* ControlRegistry::find(ControlRef ref) const {
    const auto& row = widgets_[static_cast<std::size_t>(ref.name)];
    if (ref.index < 0 || static_cast<std::size_t>(ref.index) >= row.size())
        return nullptr;
    return row[static_cast<std::size_t>(ref.index)];
}
