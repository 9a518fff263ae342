// Quit and Exit end the process at once, even in the middle of a run.
#include <gtest/gtest.h>

#include <QAction>

#include "TableWindow.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"

namespace {
class QuitDeathTest : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(QuitDeathTest, quitButtonEndsTheProcessWithSuccess) {
    EXPECT_EXIT(
        {
            TableWindow table;
            table.named<QPushButton>(QStringLiteral("cmdQuit"))->click();
            std::abort();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(QuitDeathTest, exitChosenInsideARunEndsTheProcessThere) {
    EXPECT_EXIT(
        {
            TableWindow table;
            table.window.menus().action(MenuItem::mnuDaySpins)->trigger();
            int yields = 0;
            // Chosen from the menu while the run yields, as the player would.
            table.window.screen().setYieldHook([&] {
                if (++yields == 10)
                    QTimer::singleShot(0, [&] { table.window.menus().action(MenuItem::mnuExit)->trigger(); });
            });
            table.named<QPushButton>(QStringLiteral("cmdStart"))->click();
            std::abort();
        },
        testing::ExitedWithCode(0), "");
}
} // namespace
