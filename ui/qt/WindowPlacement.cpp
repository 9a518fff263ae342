#include "ui/qt/WindowPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "ui/Twips.h"

namespace {
int centredTwips(int screenPixels, int windowPixels) {
    // Truncating division, towards zero, as the design's div does.
    return (screenPixels * kTwipsPerPixel - windowPixels * kTwipsPerPixel) / 2;
}
} // namespace

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // Until it is first shown a window keeps Qt's default size: the fixed
    // size its layout asks for takes effect only when the layout is activated.
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + twipsToPixels(centredTwips(area.width(), size.width())),
                 area.y() + twipsToPixels(centredTwips(area.height(), size.height())));
}
