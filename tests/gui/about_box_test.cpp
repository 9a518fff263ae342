// The About box, as the start-up splash and as the modal box of Help > About.
#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>

#include "TableWindow.h"
#include "ui/qt/FrmAbout.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

namespace {
std::vector<FrmAbout*> aboutBoxes() {
    std::vector<FrmAbout*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<FrmAbout*>(w))
            boxes.push_back(box);
    return boxes;
}

TEST(AboutSplash, isOnScreenWhileStartUpRunsAndGoneWhenTheWindowAppears) {
    MessageAnswerer messages;
    FrmQuelta window(std::make_unique<SteppingClock>(TableWindow::kSecondsPerReading));
    int yieldsWithSplashAlone = 0;
    window.screen().setYieldHook([&] {
        const auto boxes = aboutBoxes();
        if (boxes.size() == 1 && boxes.front()->isVisible() && !window.isVisible())
            ++yieldsWithSplashAlone;
    });
    window.start();
    window.screen().setYieldHook({});
    EXPECT_GT(yieldsWithSplashAlone, 0);
    EXPECT_TRUE(aboutBoxes().empty());
    EXPECT_TRUE(window.isVisible());
}

TEST(AboutCommand, showsAnApplicationModalBoxCentredEveryTime) {
    TableWindow table;
    QAction* about = table.window.menus().action(MenuItem::mnuAbout);
    for (int time = 0; time < 2; ++time) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = true;
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(box->parentWidget(), &table.window);
            EXPECT_TRUE(box->windowIcon().isNull()) << "no icon in its title bar, not even the main window's";
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            EXPECT_LE(std::abs(box->frameGeometry().center().x() - screen.center().x()), 1);
            EXPECT_LE(std::abs(box->frameGeometry().center().y() - screen.center().y()), 1);
            auto* picture = box->findChild<QLabel*>(QStringLiteral("Picture1"));
            ASSERT_NE(picture, nullptr);
            box->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        });
        about->trigger();
        EXPECT_TRUE(seen) << time;
    }
    EXPECT_TRUE(aboutBoxes().empty());
}

TEST(SpotNames, followTheWheel) {
    TableWindow table;
    const BetSpot& red = betSpot(slot::lblRed);
    EXPECT_EQ(table.window.spotLabel(red.slot)->accessibleName(),
              QString::fromStdString(accessibleSpotName(red, Wheel::European)));
    const BetSpot& firstFour = betSpot(slot::lblFirstFour);
    table.game().menuClicked(MenuItem::mnuAmerican);
    EXPECT_EQ(table.window.spotLabel(firstFour.slot)->accessibleName(),
              QString::fromStdString(accessibleSpotName(firstFour, Wheel::American)));
}
} // namespace
