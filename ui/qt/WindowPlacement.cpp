#include "ui/qt/WindowPlacement.h"

#include <QGuiApplication>
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
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + twipsToPixels(centredTwips(area.width(), size.width())),
                 area.y() + twipsToPixels(centredTwips(area.height(), size.height())));
}
