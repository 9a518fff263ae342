#pragma once

#include <compare>
#include <cstdint>
#include <string>

// An exact amount of money: a 64-bit count of ten-thousandths of a dollar.
// Every amount of the game is a whole multiple of 0.25, so sums and
// differences never round.
class Money {
public:
    constexpr Money() = default;

    static constexpr Money fromTenThousandths(std::int64_t count) { return Money(count); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * 100); }
    static constexpr Money fromDollars(std::int64_t dollars) { return Money(dollars * 10'000); }

    constexpr std::int64_t tenThousandths() const { return value_; }

    constexpr Money operator+(Money other) const { return Money(value_ + other.value_); }
    constexpr Money operator-(Money other) const { return Money(value_ - other.value_); }
    constexpr Money operator-() const { return Money(-value_); }
    constexpr Money operator*(std::int64_t factor) const { return Money(value_ * factor); }
    constexpr Money& operator+=(Money other) { return *this = *this + other; }
    constexpr Money& operator-=(Money other) { return *this = *this - other; }

    friend constexpr auto operator<=>(Money, Money) = default;

    // "1234.5" style: dollars with as many decimals as needed, for test
    // messages and logs; what the player sees is formatted by the windows.
    std::string toPlainString() const;

private:
    constexpr explicit Money(std::int64_t value) : value_(value) {}
    std::int64_t value_ = 0;
};

// Currency text in the American style: "$1,234.50", losses "-$1.00".
// The windows use the user's locale instead; this is the fallback the
// headless program and the tests show.
std::string formatCurrencyUs(Money amount);
