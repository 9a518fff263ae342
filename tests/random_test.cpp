#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "tests/FakeScreen.h"

// Statistical checks of the real generator as the game uses it. The clock
// never moves, so every reseed feeds the same value: the case where a
// generator that replaced its state on seeding would repeat itself.
//
// Every bound is set so a correct generator fails less than once in a
// million runs (p = 1e-6). The chi-square critical values solve
// Q(df/2, x/2) = 1e-6 for the regularised upper incomplete gamma function Q,
// found by bisection on its series expansion; for 2 degrees of freedom the
// closed form is x = 2 ln(1e6). The binomial bound uses the normal
// approximation with the two-sided z for 1e-6.

namespace {

constexpr double kChiSquare2Df = 27.631;  // 2 ln(1e6)
constexpr double kChiSquare36Df = 91.502; // European wheel, 37 pockets
constexpr double kChiSquare37Df = 93.051; // American wheel, 38 pockets
constexpr double kTwoSidedZ = 4.8916;     // P(|Z| > z) = 1e-6

// Records every number the spin puts on lblWinningNumber; in quick-spin mode
// that is exactly one caption per draw. Time passes at the yields only until
// the clock is frozen, so start-up's sweep can end.
class DrawRecorder : public FakeScreen {
public:
    explicit DrawRecorder(FakeClock& clock) : clock_(clock) {}
    void yieldEvents() override {
        if (!frozen)
            clock_.seconds += 0.01;
        FakeScreen::yieldEvents();
    }
    void setCaption(ControlRef c, std::string_view text) override {
        if (c == ctl::lblWinningNumber)
            draws.push_back(std::stoi(std::string(text)));
        FakeScreen::setCaption(c, text);
    }
    std::vector<int> draws;
    bool frozen = false;

private:
    FakeClock& clock_;
};

struct Table {
    explicit Table(bool european) {
        if (european)
            game.Form_Load();
        screen.draws.clear();
        screen.frozen = true;
    }
    std::uint64_t initial = std::random_device{}() | (std::uint64_t{std::random_device{}()} << 32);
    FakeClock clock; // stands still once the table is loaded
    DrawRecorder screen{clock};
    RandomGenerator random{initial};
    QueltaGame game{screen, clock, random};
};

double chiSquare(const std::vector<long>& observed, const std::vector<double>& expected) {
    double sum = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        const double d = static_cast<double>(observed[i]) - expected[i];
        sum += d * d / expected[i];
    }
    return sum;
}

} // namespace

TEST(RandomGenerator, reseedingWithTheSameValueNeverReplaysDraws) {
    RandomGenerator generator(12345);
    std::vector<double> firsts;
    for (int i = 0; i < 1000; ++i) {
        generator.seed(1000.0);
        firsts.push_back(generator.fraction());
    }
    std::sort(firsts.begin(), firsts.end());
    EXPECT_EQ(std::adjacent_find(firsts.begin(), firsts.end()), firsts.end());
}

TEST(RandomGenerator, sameStartAndSeedsGiveTheSameDraws) {
    RandomGenerator a(7);
    RandomGenerator b(7);
    RandomGenerator other(8);
    for (double seed : {0.0, 1000.5, 1000.5, 86399.99}) {
        a.seed(seed);
        b.seed(seed);
        other.seed(seed);
        const double r = a.fraction();
        EXPECT_EQ(r, b.fraction());
        EXPECT_NE(r, other.fraction());
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

TEST(RandomUniformity, everyPocketOfEachWheelIsEquallyLikely) {
    struct Case {
        bool european;
        int pockets;
        double critical;
    };
    constexpr int kPerPocket = 2000;
    for (const Case c : {Case{true, 37, kChiSquare36Df}, Case{false, 38, kChiSquare37Df}}) {
        Table t(c.european);
        SCOPED_TRACE(testing::Message() << "pockets " << c.pockets << ", initial state " << t.initial);
        std::vector<long> counts(static_cast<std::size_t>(c.pockets), 0);
        const int draws = kPerPocket * c.pockets;
        for (int i = 0; i < draws; ++i) {
            const int code = t.game.DrawNumber();
            ASSERT_GE(code, 0);
            ASSERT_LT(code, c.pockets);
            ++counts[static_cast<std::size_t>(code)];
        }
        const std::vector<double> expected(counts.size(), kPerPocket);
        EXPECT_LT(chiSquare(counts, expected), c.critical);
    }
}

TEST(RandomUniformity, drawsOfOneSpinAreIndependentAndNumberOneToThree) {
    constexpr int kSpins = 20000;
    Table t(true);
    SCOPED_TRACE(testing::Message() << "initial state " << t.initial);
    std::vector<long> drawsPerSpin(3, 0);
    long pairs = 0;
    long coincidences = 0;
    for (int spin = 0; spin < kSpins; ++spin) {
        t.screen.draws.clear();
        t.game.SpinWheel();
        const auto& d = t.screen.draws;
        ASSERT_GE(d.size(), 1u);
        ASSERT_LE(d.size(), 3u);
        ++drawsPerSpin[d.size() - 1];
        for (std::size_t i = 1; i < d.size(); ++i) {
            ++pairs;
            coincidences += d[i] == d[i - 1] ? 1 : 0;
        }
    }
    // 1, 2 or 3 draws with probabilities 1/4, 1/2, 1/4.
    const std::vector<double> expected = {kSpins / 4.0, kSpins / 2.0, kSpins / 4.0};
    EXPECT_LT(chiSquare(drawsPerSpin, expected), kChiSquare2Df);

    // Independent draws coincide one time in 37.
    const double p = 1.0 / 37;
    const double mean = static_cast<double>(pairs) * p;
    const double sd = std::sqrt(static_cast<double>(pairs) * p * (1 - p));
    EXPECT_NEAR(static_cast<double>(coincidences), mean, kTwoSidedZ * sd) << pairs << " pairs";
}
