#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>
#include <vector>

#include "tests/TableFixture.h"

TEST(Money, unitsToMoneyIsExactForEveryUnit) {
    struct Case {
        void (QueltaGame::*choose)();
        BettingUnit unit;
        Money threeChips;
    };
    const std::vector<Case> cases = {
        {&QueltaGame::mnuTwentyFive_Click, BettingUnit::TwentyFiveCents, cents(75)},
        {&QueltaGame::mnuFifty_Click, BettingUnit::FiftyCents, cents(150)},
        {&QueltaGame::mnuOneDollar_Click, BettingUnit::OneDollar, dollars(3)},
        {&QueltaGame::mnuFiveDollar_Click, BettingUnit::FiveDollars, dollars(15)},
        {&QueltaGame::mnuTenDollar_Click, BettingUnit::TenDollars, dollars(30)},
    };
    for (const Case& c : cases) {
        Table table;
        std::invoke(c.choose, table.game);
        EXPECT_EQ(table.game.currentUnit(), c.unit);
        EXPECT_EQ(table.game.UnitsToMoney(3), c.threeChips) << table.game.UnitsToMoney(3).toPlainString();
        EXPECT_EQ(table.game.UnitsToMoney(0), Money{});
    }

    Table quarters;
    quarters.game.mnuTwentyFive_Click();
    EXPECT_EQ(quarters.game.UnitsToMoney(35), cents(875));
    // The largest return a spin can bring (below 100000 chips) under the
    // largest unit, and its quarter-dollar value, stay exact.
    Table tens;
    tens.game.mnuTenDollar_Click();
    EXPECT_EQ(tens.game.UnitsToMoney(99'999), dollars(999'990));
    EXPECT_EQ(quarters.game.UnitsToMoney(99'999), cents(2'499'975));
}

TEST(Money, designStateWithNoUnitCheckedCountsOneDollar) {
    Table table;
    EXPECT_EQ(table.game.currentUnit(), BettingUnit::OneDollar);
    EXPECT_EQ(table.game.UnitsToMoney(7), dollars(7));
}

TEST(Money, quartersAddUpWithoutDrift) {
    Money sum;
    for (int i = 0; i < 400'000; ++i)
        sum += cents(25);
    EXPECT_EQ(sum, dollars(100'000));
    for (int i = 0; i < 400'001; ++i)
        sum -= cents(25);
    EXPECT_EQ(sum, -cents(25));
}

TEST(Money, currencyTextAndPlainText) {
    struct Case {
        Money amount;
        const char* currency;
        const char* plain;
    };
    const std::vector<Case> cases = {
        {Money{}, "$0.00", "0"},
        {cents(25), "$0.25", "0.25"},
        {cents(875), "$8.75", "8.75"},
        {cents(150), "$1.50", "1.5"},
        {dollars(999), "$999.00", "999"},
        {dollars(1000), "$1,000.00", "1000"},
        {cents(123'450), "$1,234.50", "1234.5"},
        {dollars(1'000'000), "$1,000,000.00", "1000000"},
        {-dollars(1), "-$1.00", "-1"},
        {-cents(123'456'725), "-$1,234,567.25", "-1234567.25"},
        {Money::fromTenThousandths(1), "$0.00", "0.0001"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatCurrencyUs(c.amount), c.currency) << c.plain;
        EXPECT_EQ(c.amount.toPlainString(), c.plain);
    }
}

TEST(Money, arithmeticThatWouldLeaveTheRangeThrowsAndEverythingElseIsExact) {
    __extension__ using Int128 = __int128;
    const std::int64_t edges[] = {INT64_MIN, INT64_MIN + 1,       -922'337'203'685'478, -1,       0, 1,
                                  10'000,    922'337'203'685'477, INT64_MAX - 1,        INT64_MAX};
    const auto fits = [](Int128 v) { return v >= INT64_MIN && v <= INT64_MAX; };
    for (std::int64_t a : edges) {
        for (std::int64_t b : edges) {
            const Money x = Money::fromTenThousandths(a), y = Money::fromTenThousandths(b);
            const Int128 sum = Int128{a} + b, difference = Int128{a} - b, product = Int128{a} * b;
            if (fits(sum))
                EXPECT_EQ((x + y).tenThousandths(), sum);
            else
                EXPECT_THROW(x + y, std::overflow_error) << a << " + " << b;
            if (fits(difference))
                EXPECT_EQ((x - y).tenThousandths(), difference);
            else
                EXPECT_THROW(x - y, std::overflow_error) << a << " - " << b;
            if (fits(product))
                EXPECT_EQ((x * b).tenThousandths(), product);
            else
                EXPECT_THROW(x * b, std::overflow_error) << a << " * " << b;
        }
        if (fits(Int128{a} * 100))
            EXPECT_EQ(Money::fromCents(a).tenThousandths(), Int128{a} * 100);
        else
            EXPECT_THROW(Money::fromCents(a), std::overflow_error) << a;
        if (fits(Int128{a} * 10'000))
            EXPECT_EQ(Money::fromDollars(a).tenThousandths(), Int128{a} * 10'000);
        else
            EXPECT_THROW(Money::fromDollars(a), std::overflow_error) << a;
    }
    // The most negative amount still reads as text.
    EXPECT_EQ(formatCurrencyUs(Money::fromTenThousandths(INT64_MIN)), "-$922,337,203,685,477.58");
    EXPECT_EQ(Money::fromTenThousandths(INT64_MIN).toPlainString(), "-922337203685477.5808");
}
