// Quit, Exit and a close of the main window end the program at once,
// wherever it is: each case runs the real window in a child process that
// quits at that moment.
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {
// A hang guard, not a speed target: a child that has not ended by then never will.
constexpr int kHangGuardMs = 20'000;

class QuitAnywhere : public testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(QuitAnywhere, endsTheProcessAtOnceWithStatusZero) {
    const auto [moment, command] = GetParam();
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QStringLiteral(QUELTA_QUIT_HARNESS), {QString::fromLatin1(moment), QString::fromLatin1(command)});
    ASSERT_TRUE(child.waitForStarted(kHangGuardMs));
    const bool ended = child.waitForFinished(kHangGuardMs);
    if (!ended) {
        child.kill();
        child.waitForFinished();
    }
    const std::string out = child.readAllStandardOutput().toStdString();
    ASSERT_TRUE(ended) << "still running after " << kHangGuardMs << " ms; said: " << out;
    EXPECT_NE(out.find("quitting"), std::string::npos) << "never reached the moment to quit; said: " << out;
    EXPECT_EQ(out.find("carried on"), std::string::npos) << out;
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << out << child.readAllStandardError().toStdString();
}

std::string caseName(const testing::TestParamInfo<std::tuple<const char*, const char*>>& info) {
    return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
}

INSTANTIATE_TEST_SUITE_P(Moments, QuitAnywhere,
                         testing::Combine(testing::Values("run", "sweep", "stats", "analysis", "system"),
                                          testing::Values("quit", "exit", "close")),
                         caseName);
// A close of the main window also with the statistics window minimised, and
// with a table-limit box waiting for its OK. (Qt holds back a close from the
// window system while a modal box blocks the window; the harness closes
// through QWindow::close(), which reaches the window past the box.)
INSTANTIATE_TEST_SUITE_P(ClosedWindow, QuitAnywhere,
                         testing::Combine(testing::Values("minimised", "limit"), testing::Values("close")), caseName);
} // namespace
