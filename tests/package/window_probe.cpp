// Loaded into the installed program with LD_PRELOAD, so the program is
// tested exactly as packaged. When the main window is first shown it checks
// that the table picture is on it, reports, and ends the process: status 0
// for a table drawn from its picture file, 1 for a message box (a picture
// file not found) or a window without its picture.
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

const QColor kTableBackground(173, 201, 167);

// The table picture is the background colour everywhere but the table, so
// most of a window that shows it has that colour; a white window has none.
double backgroundShare(const QImage& shot) {
    qint64 matching = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            matching += shot.pixelColor(x, y) == kTableBackground;
    return shot.isNull() ? 0.0 : double(matching) / (double(shot.width()) * shot.height());
}

void reportShown(QWidget* window) {
    const double share = backgroundShare(window->grab().toImage());
    std::printf("frmQuelta shown at %dx%d, %.0f%% table background\n", window->width(), window->height(), share * 100);
    std::fflush(stdout);
    std::_Exit(share > 0.3 ? 0 : 1);
}

class ShowWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            std::printf("message box: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            std::_Exit(1);
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && widget->objectName() == QLatin1String("frmQuelta"))
            QTimer::singleShot(0, widget, [widget] { reportShown(widget); });
        return false;
    }
};

void watchWindows() { QCoreApplication::instance()->installEventFilter(new ShowWatcher); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchWindows)
