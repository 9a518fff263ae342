// Every window opens centred on the screen, frame and all: the main window,
// the statistics window and the About box, as splash and from the menu.
// CTest also runs these on offscreen screens of other sizes than the default.
#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>

#include "TableWindow.h"
#include "ui/qt/FrmAbout.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

namespace {
// Left = (screen - window) / 2 and likewise for the top, to within a pixel
// for the rounding of the twips the rule is worked in.
void expectCentred(const QWidget& window, const char* what) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    const QString seen = QStringLiteral("%1 at (%2, %3), %4 x %5 on %6 x %7")
                             .arg(QString::fromLatin1(what))
                             .arg(frame.x())
                             .arg(frame.y())
                             .arg(frame.width())
                             .arg(frame.height())
                             .arg(screen.width())
                             .arg(screen.height());
    EXPECT_NEAR(frame.x(), screen.x() + (screen.width() - frame.width()) / 2, 1) << seen.toStdString();
    EXPECT_NEAR(frame.y(), screen.y() + (screen.height() - frame.height()) / 2, 1) << seen.toStdString();
}

FrmAbout* shownAboutBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<FrmAbout*>(w); box != nullptr && box->isVisible())
            return box;
    return nullptr;
}

TEST(WindowPlacement, everyWindowOpensCentredOnTheScreen) {
    // A screen size CTest asked for must be the one the tests run on, or
    // they would quietly check the default screen instead.
    if (const QByteArray asked = qgetenv("QUELTA_SCREEN_SIZE"); !asked.isEmpty()) {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        ASSERT_EQ(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()), QString::fromLatin1(asked));
    }

    MessageAnswerer messages;
    FrmQuelta window(std::make_unique<SteppingClock>(TableWindow::kSecondsPerReading));
    bool splashChecked = false;
    window.screen().setYieldHook([&] {
        if (FrmAbout* splash = shownAboutBox(); splash != nullptr && !splashChecked) {
            splashChecked = true;
            expectCentred(*splash, "splash");
        }
    });
    window.start();
    window.screen().setYieldHook({});
    QApplication::processEvents();
    EXPECT_TRUE(splashChecked);
    expectCentred(window, "main window");

    window.menus().action(MenuItem::mnuLastResults)->trigger();
    QApplication::processEvents();
    ASSERT_NE(window.screen().statsWindow(), nullptr);
    expectCentred(*window.screen().statsWindow(), "statistics window");

    bool aboutChecked = false;
    QTimer::singleShot(0, [&] {
        FrmAbout* box = shownAboutBox();
        ASSERT_NE(box, nullptr);
        aboutChecked = true;
        expectCentred(*box, "About box");
        box->accept();
    });
    window.menus().action(MenuItem::mnuAbout)->trigger();
    EXPECT_TRUE(aboutChecked);
}
} // namespace
