// What the table window shows once start-up has finished.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

#include "TableWindow.h"
#include "ui/MainWindowControls.h"
#include "ui/qt/MenuBarMirror.h"

namespace {
struct CaptionCase {
    const char* control;
    const char* caption;
};

class CaptionAtRest : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionAtRest, showsItsStartUpCaption) {
    TableWindow table;
    const CaptionCase c = GetParam();
    QWidget* widget = table.named(QString::fromLatin1(c.control));
    ASSERT_NE(widget, nullptr) << c.control;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        text = button->text();
    EXPECT_EQ(text, QString::fromUtf8(c.caption)) << c.control;
}

INSTANTIATE_TEST_SUITE_P(Controls, CaptionAtRest,
                         testing::Values(CaptionCase{"lblHeading", "Trevallo"}, CaptionCase{"cmdStart", "S&TART"},
                                         CaptionCase{"lblResultsHeading", "Winning Number"},
                                         CaptionCase{"lblChip", "$1"}, CaptionCase{"lblWheelType", "European Wheel"},
                                         CaptionCase{"lblSpins", " "}, CaptionCase{"lblWinnings", " "},
                                         CaptionCase{"lblTotalAmountBet", "$0.00"}, CaptionCase{"cmdReset", "R&eset"},
                                         CaptionCase{"cmdQuit", "Q&uit"}, CaptionCase{"cmdZeroSpin", "Zero"},
                                         CaptionCase{"lblPayUnits", "Win Pay Out"}),
                         [](const testing::TestParamInfo<CaptionCase>& info) { return info.param.control; });

struct MenuCase {
    MenuItem item;
    bool checked;
    bool enabled;
};

class MenuAtRest : public testing::TestWithParam<MenuCase> {};

TEST_P(MenuAtRest, mirrorsTheGamesFlags) {
    TableWindow table;
    const MenuCase c = GetParam();
    QAction* action = table.window.menus().action(c.item);
    EXPECT_EQ(action->isChecked(), c.checked) << menuRow(c.item).name;
    EXPECT_EQ(action->isEnabled(), c.enabled) << menuRow(c.item).name;
    EXPECT_EQ(table.game().checked(c.item), c.checked);
    EXPECT_EQ(table.game().enabled(c.item), c.enabled);
}

using M = MenuItem;
INSTANTIATE_TEST_SUITE_P(
    Items, MenuAtRest,
    testing::Values(MenuCase{M::mnuEuropean, true, false}, MenuCase{M::mnuAmerican, false, true},
                    MenuCase{M::mnuQuickSpin, true, false}, MenuCase{M::mnuNormalSpin, false, true},
                    MenuCase{M::mnuOneSpins, true, false}, MenuCase{M::mnuTenSpins, false, true},
                    MenuCase{M::mnuDaySpins, false, true}, MenuCase{M::mnuOneDollar, true, false},
                    MenuCase{M::mnuFiveDollar, false, true}, MenuCase{M::mnuOn, true, true},
                    MenuCase{M::mnuOff, false, true}, MenuCase{M::mnuRemoveChips, false, true},
                    MenuCase{M::mnuNumHits, false, true}, MenuCase{M::mnuLastResults, false, true}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(menuRow(info.param.item).name); });

TEST(WindowAtRest, menuBarCarriesEveryItemWithItsCaptionAndName) {
    TableWindow table;
    for (const MenuRow& row : menuTree()) {
        QAction* action = table.window.findChild<QAction*>(toQString(row.name));
        ASSERT_NE(action, nullptr) << row.name;
        if (row.caption == "-")
            EXPECT_TRUE(action->isSeparator()) << row.name;
        else
            EXPECT_EQ(action->text(), toQString(row.caption)) << row.name;
    }
    EXPECT_EQ(table.window.menuBar()->actions().size(), 6);
}

TEST(WindowAtRest, clientAreaHasTheDesignedSizeAndNoChipIsShown) {
    TableWindow table;
    EXPECT_EQ(table.client()->size(), QSize(656, 399));
    for (const BetSpot& spot : betSpots()) {
        EXPECT_FALSE(table.named(toQString(objectName(ctl::shpChip(spot.marker))))->isVisible());
        EXPECT_EQ(table.label(ctl::lblZero(spot.slot))->text(), QStringLiteral(" "));
    }
}

TEST(WindowAtRest, everyDesignedControlStandsAtItsPlace) {
    TableWindow table;
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* widget = table.named(toQString(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        const QRect designed = toQRect(row.rect);
        if (row.kind != ControlKind::Line && row.kind != ControlKind::Image) {
            EXPECT_EQ(widget->pos(), designed.topLeft()) << row.name;
            EXPECT_EQ(widget->height(), designed.height()) << row.name;
            // Only a left-aligned caption may run on past its designed width.
            if (row.align == TextAlign::Left)
                EXPECT_GE(widget->width(), designed.width()) << row.name;
            else
                EXPECT_EQ(widget->width(), designed.width()) << row.name;
        }
        EXPECT_EQ(widget->toolTip(), toQString(row.toolTip)) << row.name;
    }
}

TEST(WindowAtRest, winningNumberShowsTheStartUpSpinInItsPocketColour) {
    TableWindow table;
    const PocketCode number = table.game().state().WinningNumber;
    ASSERT_NE(number, kNoNumber);
    QLabel* shown = table.label(ctl::lblWinningNumber);
    EXPECT_EQ(shown->text(), toQString(pocketText(number)));
    const Rgb colour = pocketColour(number);
    EXPECT_EQ(shown->palette().color(QPalette::Window), QColor(colour.red, colour.green, colour.blue));
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(255, 255, 0));
}

TEST(WindowAtRest, resultCellsStackAboveTheirFrameAndTheChipValueAboveTheChip) {
    TableWindow table;
    const QPoint res1 = table.label(ctl::lblRes(1))->geometry().center();
    EXPECT_EQ(table.client()->childAt(res1)->objectName(), QStringLiteral("lblRes1"));
    const QPoint chip = table.label(ctl::lblChip)->geometry().center();
    EXPECT_EQ(table.client()->childAt(chip)->objectName(), QStringLiteral("lblChip"));
}

TEST(MenuChoices, aTriggeredItemShowsTheGamesFlagAfterItsHandler) {
    TableWindow table;
    QAction* on = table.window.menus().action(M::mnuOn);
    // ON again changes nothing, though the action toggles itself when triggered.
    on->trigger();
    EXPECT_TRUE(on->isChecked());
    EXPECT_TRUE(table.game().checked(M::mnuOn));

    table.window.menus().action(M::mnuTenSpins)->trigger();
    EXPECT_TRUE(table.window.menus().action(M::mnuTenSpins)->isChecked());
    EXPECT_FALSE(table.window.menus().action(M::mnuTenSpins)->isEnabled());
    EXPECT_FALSE(table.window.menus().action(M::mnuOneSpins)->isChecked());
    EXPECT_TRUE(table.window.menus().action(M::mnuOneSpins)->isEnabled());
    EXPECT_FALSE(table.window.menus().action(M::mnuNormalSpin)->isEnabled());

    table.window.menus().action(M::mnuNumHits)->trigger();
    EXPECT_TRUE(table.window.menus().action(M::mnuNumHits)->isChecked());
    table.window.menus().action(M::mnuNumHits)->trigger();
    EXPECT_FALSE(table.window.menus().action(M::mnuNumHits)->isChecked());
}

TEST(MenuChoices, startButtonRunsTheChosenNumberOfSpins) {
    TableWindow table;
    table.window.menus().action(M::mnuTenSpins)->trigger();
    table.named<QPushButton>(QStringLiteral("cmdStart"))->click();
    EXPECT_EQ(table.game().state().SpinCount, 10);
    EXPECT_EQ(table.label(ctl::lblSpins)->text(), QStringLiteral("10"));
}
} // namespace
