// The main() of the test programs that build real windows.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "ui/qt/FontSetup.h"

int main(int argc, char* argv[]) {
    // The tests never need a display; CTest sets this too, but listing the
    // tests from a bare shell must not need one either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    // Currency text follows the locale; the expected texts are American.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
