#include <gtest/gtest.h>

#include <QGuiApplication>

// The pictures are drawn with fonts, which need a GUI application; no window
// is ever shown, so the offscreen platform does unless another is asked for.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
