#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "ui/LayoutGeometry.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/SpotLabel.h"
#include "ui/qt/SteppingClock.h"
#include "ui/qt/TableSurface.h"

// A message box as the player saw it.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Answers every modal message box as soon as it opens, noting what it said.
// The windows read their pictures from the working directory; a test run
// without them must not wait for a person to press OK.
class MessageAnswerer {
public:
    MessageAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(kPollMs);
    }
    std::vector<SeenMessage> seen;

private:
    void answer() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.push_back({box->windowTitle(), box->text(), box->icon()});
            box->close();
        }
    }
    static constexpr int kPollMs = 5;
    QTimer timer_;
};

// The real table window, started as the program starts it, on a clock that
// runs the sweeps and pauses in a few yields and a generator with a fixed
// start, so a failure can be replayed.
class TableWindow {
public:
    static constexpr double kSecondsPerReading = 0.05;
    static constexpr std::uint64_t kSeed = 20'261'209;

    TableWindow()
        : window(std::make_unique<SteppingClock>(kSecondsPerReading), std::make_unique<RandomGenerator>(kSeed)) {
        window.start();
        QApplication::processEvents();
    }

    QueltaGame& game() { return window.game(); }
    QWidget* client() const { return window.table(); }

    template <typename T = QWidget>
    T* named(const QString& objectName) const {
        return window.findChild<T*>(objectName);
    }
    QLabel* label(ControlRef ref) const { return named<QLabel>(toQString(objectName(ref))); }

    // Clicks at a point of the client area, on whatever widget lies there,
    // as the player's mouse would.
    void click(QPoint clientPoint, Qt::MouseButton button) {
        QWidget* target = client()->childAt(clientPoint);
        if (target == nullptr)
            target = client();
        const QPoint local = target->mapFrom(client(), clientPoint);
        QTest::mouseClick(target, button, Qt::NoModifier, local);
    }

    static QPoint centreOf(TwipRect rect) { return toQRect(rect).center(); }

    MessageAnswerer messages; // before the window: start-up may already ask
    FrmQuelta window;
};
