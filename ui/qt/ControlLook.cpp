#include "ui/qt/ControlLook.h"

#include <QPalette>
#include <QWidget>

namespace {
QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

void setRoleColour(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    const QColor wanted = toQColor(colour);
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Active, role) == wanted && palette.color(QPalette::Inactive, role) == wanted)
        return;
    palette.setColor(QPalette::Active, role, wanted);
    palette.setColor(QPalette::Inactive, role, wanted);
    widget->setPalette(palette);
}
} // namespace

QRect toQRect(TwipRect rect) {
    const PixelRect p = toPixels(rect);
    return {p.x, p.y, p.width, p.height};
}

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void setWidgetTextColour(QWidget* widget, Rgb colour) { setRoleColour(widget, QPalette::WindowText, colour); }

void setWidgetBackColour(QWidget* widget, Rgb colour) {
    setRoleColour(widget, QPalette::Window, colour);
    // A disabled opaque label keeps its background; only its text greys.
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Disabled, QPalette::Window) != palette.color(QPalette::Active, QPalette::Window)) {
        palette.setColor(QPalette::Disabled, QPalette::Window, palette.color(QPalette::Active, QPalette::Window));
        widget->setPalette(palette);
    }
}
