// Quit and Exit end the program at once, wherever it is: each case runs the
// real window in a child process that quits at that moment.
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

INSTANTIATE_TEST_SUITE_P(Moments, QuitAnywhere,
                         testing::Combine(testing::Values("run", "sweep", "stats", "analysis"),
                                          testing::Values("quit", "exit")),
                         [](const testing::TestParamInfo<std::tuple<const char*, const char*>>& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
                         });
} // namespace
