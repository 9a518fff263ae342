#include "ui/SessionInputs.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr std::int64_t kCentsPerDollar = 100;
constexpr std::int64_t kTenThousandthsPerDollar = 10'000;
// More digits than this cannot be a count any field takes, and cannot overflow.
constexpr std::size_t kMostDigits = 15;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Digits with optional thousands commas; nothing for anything else.
std::optional<std::int64_t> parseWholeNumber(std::string_view text) {
    if (text.empty() || text.front() == ',' || text.back() == ',')
        return std::nullopt;
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c == ',')
            continue;
        if (!std::isdigit(static_cast<unsigned char>(c)) || ++digits > kMostDigits)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool startsNegative(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    return !text.empty() && text.front() == '-';
}

// "100,000": counts in messages read as the fields show them.
std::string grouped(std::int64_t count) {
    std::string digits = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

std::string fieldName(SystemField field) {
    switch (field) {
    case SystemField::Bankroll: return "The bankroll";
    case SystemField::Spins: return "The spins per session";
    case SystemField::Sessions: return "The number of sessions";
    case SystemField::StopLoss: return "The stop-loss";
    case SystemField::Target: return "The target";
    case SystemField::Layout: break;
    }
    return "The layout";
}

enum class AmountText : std::uint8_t { Amount, NotAnAmount, TooLarge };

// Dollars with optional thousands commas and at most two decimals, after an
// optional dollar sign.
AmountText readAmount(std::string_view text, Money& amount) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if ((point != std::string_view::npos && (fraction.empty() || fraction.size() > 2)) ||
        (whole.empty() && fraction.empty()))
        return AmountText::NotAnAmount;
    std::int64_t cents = 0;
    if (!whole.empty()) {
        if (whole.find_first_not_of("0123456789,") == std::string_view::npos &&
            static_cast<std::size_t>(std::count_if(whole.begin(), whole.end(), [](char c) { return c != ','; })) >
                kMostDigits)
            return AmountText::TooLarge;
        const std::optional<std::int64_t> dollars = parseWholeNumber(whole);
        if (!dollars)
            return AmountText::NotAnAmount;
        // Refused before it is turned into money, which it might not fit.
        if (*dollars > kLargestFieldAmount.tenThousandths() / kTenThousandthsPerDollar)
            return AmountText::TooLarge;
        cents = *dollars * kCentsPerDollar;
    }
    std::int64_t fractionCents = 0;
    for (char c : fraction) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return AmountText::NotAnAmount;
        fractionCents = fractionCents * 10 + (c - '0');
    }
    if (fraction.size() == 1)
        fractionCents *= 10;
    amount = Money::fromCents(cents + fractionCents);
    return amount > kLargestFieldAmount ? AmountText::TooLarge : AmountText::Amount;
}

std::optional<Money> readMoney(std::string_view text, SystemField field, std::vector<InputProblem>& problems) {
    const std::string name = fieldName(field);
    if (startsNegative(text)) {
        problems.push_back({field, name + " cannot be negative."});
        return std::nullopt;
    }
    Money amount;
    switch (readAmount(text, amount)) {
    case AmountText::Amount: return amount;
    case AmountText::TooLarge: problems.push_back({field, name + " is too large: at most 1,000,000,000."}); break;
    case AmountText::NotAnAmount:
        problems.push_back({field, name + " must be an amount such as 100 or 1,250.50."});
        break;
    }
    return std::nullopt;
}

std::optional<std::int64_t> readCount(std::string_view text, SystemField field, std::int64_t most,
                                      std::vector<InputProblem>& problems) {
    const std::string name = fieldName(field);
    text = trimmed(text);
    if (text.empty()) {
        problems.push_back({field, name + " is empty: enter a whole number."});
        return std::nullopt;
    }
    if (startsNegative(text)) {
        problems.push_back({field, name + " cannot be negative."});
        return std::nullopt;
    }
    const std::optional<std::int64_t> count = parseWholeNumber(text);
    const bool digitsOnly = text.find_first_not_of("0123456789,") == std::string_view::npos;
    if (!count && !digitsOnly) {
        problems.push_back({field, name + " must be a whole number such as 400."});
        return std::nullopt;
    }
    if (!count || *count < 1 || *count > most) {
        problems.push_back({field, name + " must be between 1 and " + grouped(most) + "."});
        return std::nullopt;
    }
    return count;
}
} // namespace

std::optional<Money> parseMoneyText(std::string_view text) {
    Money amount;
    if (readAmount(text, amount) != AmountText::Amount)
        return std::nullopt;
    return amount;
}

SessionFieldValues readSessionFields(const SessionFieldTexts& texts) {
    SessionFieldValues values;
    std::vector<InputProblem>& problems = values.problems;
    values.rules.progression = texts.progression;
    if (trimmed(texts.bankroll).empty())
        problems.push_back({SystemField::Bankroll, "The bankroll is empty: enter an amount of money."});
    else if (const auto bankroll = readMoney(texts.bankroll, SystemField::Bankroll, problems))
        values.rules.bankroll = *bankroll;
    if (const auto spins = readCount(texts.spins, SystemField::Spins, kMaxSpinsPerSession, problems))
        values.rules.spinsPerSession = static_cast<std::int32_t>(*spins);
    if (const auto sessions = readCount(texts.sessions, SystemField::Sessions, kMaxSessions, problems))
        values.sessions = *sessions;
    // An empty stop-loss or target means the session has none.
    if (!trimmed(texts.stopLoss).empty())
        values.rules.stopLoss = readMoney(texts.stopLoss, SystemField::StopLoss, problems);
    if (!trimmed(texts.target).empty())
        values.rules.target = readMoney(texts.target, SystemField::Target, problems);
    if (const std::string_view seed = trimmed(texts.seed); !seed.empty()) {
        values.seed = parseWholeNumber(seed);
        if (!values.seed)
            values.seedProblem = "The seed must be a whole number such as 42, or empty for a fresh one.";
    }
    return values;
}

std::vector<InputProblem> wholeChipProblems(const SessionRules& rules, Money chipValue) {
    std::vector<InputProblem> problems;
    const std::int64_t chip = chipValue.tenThousandths();
    if (chip <= 0)
        return problems;
    const auto check = [&](SystemField field, Money amount) {
        const std::int64_t over = amount.tenThousandths() % chip;
        if (over == 0)
            return;
        const Money below = Money::fromTenThousandths(amount.tenThousandths() - over);
        const Money above = below + chipValue;
        std::string nearest = formatCurrencyUs(above);
        if (below > Money{} || field != SystemField::Bankroll)
            nearest = formatCurrencyUs(below) + " or " + nearest;
        problems.push_back({field, fieldName(field) + " must be a whole number of " + formatCurrencyUs(chipValue) +
                                       " chips: " + nearest + "."});
    };
    check(SystemField::Bankroll, rules.bankroll);
    if (rules.stopLoss)
        check(SystemField::StopLoss, *rules.stopLoss);
    if (rules.target)
        check(SystemField::Target, *rules.target);
    return problems;
}
