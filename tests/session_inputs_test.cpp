// Amounts the player types into the analysis window's money fields.
#include <gtest/gtest.h>

#include <optional>

#include "ui/SessionInputs.h"

namespace {
struct Typed {
    const char* text;
    std::optional<std::int64_t> cents; // nothing: refused
};

TEST(SessionInputs, moneyFieldsReadDollarsAndCentsExactlyAndRefuseAnythingElse) {
    const Typed cases[] = {
        {"100", 10'000},
        {" $1,250.50 ", 125'050},
        {"0.5", 50},
        {".25", 25},
        {"7.05", 705},
        {"1,000,000,000", 100'000'000'000},
        {"1,000,000,000.01", std::nullopt},
        {"1.", std::nullopt},
        {"1.234", std::nullopt},
        {".", std::nullopt},
        {"", std::nullopt},
        {"$", std::nullopt},
        {"12a", std::nullopt},
        {"-5", std::nullopt},
        {",100", std::nullopt},
        {"1e3", std::nullopt},
        {"99999999999999999999", std::nullopt},
        // Around the largest whole dollars a 64-bit count of ten-thousandths holds.
        {"922,337,203,685,477", std::nullopt},
        {"922,337,203,685,478", std::nullopt},
        {"999,999,999,999,999.99", std::nullopt},
        {"999,999,999.99", 99'999'999'999},
    };
    for (const Typed& c : cases) {
        const std::optional<Money> read = parseMoneyText(c.text);
        if (c.cents)
            EXPECT_EQ(read, Money::fromCents(*c.cents)) << '"' << c.text << '"';
        else
            EXPECT_EQ(read, std::nullopt) << '"' << c.text << '"';
    }
}

TEST(SessionInputs, emptyStopLossAndTargetMeanNoneWhileEveryProblemNamesItsField) {
    SessionFieldTexts texts{"200", "400", "1,000", "", "  ", Progression::Martingale};
    SessionFieldValues read = readSessionFields(texts);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.rules.bankroll, Money::fromDollars(200));
    EXPECT_EQ(read.rules.spinsPerSession, 400);
    EXPECT_EQ(read.sessions, 1000);
    EXPECT_FALSE(read.rules.stopLoss);
    EXPECT_FALSE(read.rules.target);
    EXPECT_EQ(read.rules.progression, Progression::Martingale);

    texts = {"", "0", "-1", "x", "2,000,000,000", Progression::Flat};
    read = readSessionFields(texts);
    ASSERT_EQ(read.problems.size(), 5U);
    const SystemField fields[] = {SystemField::Bankroll, SystemField::Spins, SystemField::Sessions,
                                  SystemField::StopLoss, SystemField::Target};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(read.problems[i].field, fields[i]) << read.problems[i].message;

    // A number too large for its field is told as such, not as a typing error.
    texts = {"5,000,000,000", "400", "99999999999999999999", "", "", Progression::Flat};
    read = readSessionFields(texts);
    ASSERT_EQ(read.problems.size(), 2U);
    EXPECT_NE(read.problems[0].message.find("too large"), std::string::npos) << read.problems[0].message;
    EXPECT_NE(read.problems[1].message.find("between 1 and 100,000,000"), std::string::npos)
        << read.problems[1].message;

    // Beyond what money can hold, every money field still says too large.
    texts = {"922,337,203,685,478", "400", "1", "922,337,203,685,478", "999,999,999,999,999", Progression::Flat};
    read = readSessionFields(texts);
    ASSERT_EQ(read.problems.size(), 3U);
    for (const InputProblem& problem : read.problems)
        EXPECT_NE(problem.message.find("too large"), std::string::npos) << problem.message;
}
} // namespace
