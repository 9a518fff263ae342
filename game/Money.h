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

    // Every operation that could leave the 64-bit range throws
    // std::overflow_error instead; no amount a field or a game can hold comes
    // near it, so a throw means an input was not checked first.
    static constexpr Money fromTenThousandths(std::int64_t count) { return Money(count); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(times(cents, 100)); }
    static constexpr Money fromDollars(std::int64_t dollars) { return Money(times(dollars, 10'000)); }

    constexpr std::int64_t tenThousandths() const { return value_; }

    constexpr Money operator+(Money other) const {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(value_, other.value_, &sum))
            tooLarge();
        return Money(sum);
    }
    constexpr Money operator-(Money other) const {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(value_, other.value_, &difference))
            tooLarge();
        return Money(difference);
    }
    constexpr Money operator-() const { return Money() - *this; }
    constexpr Money operator*(std::int64_t factor) const { return Money(times(value_, factor)); }
    constexpr Money& operator+=(Money other) { return *this = *this + other; }
    constexpr Money& operator-=(Money other) { return *this = *this - other; }

    friend constexpr auto operator<=>(Money, Money) = default;

    // "1234.5" style: dollars with as many decimals as needed, for test
    // messages and logs; what the player sees is formatted by the windows.
    std::string toPlainString() const;

private:
    constexpr explicit Money(std::int64_t value) : value_(value) {}
    [[noreturn]] static void tooLarge();
    static constexpr std::int64_t times(std::int64_t a, std::int64_t b) {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(a, b, &product))
            tooLarge();
        return product;
    }
    std::int64_t value_ = 0;
};

// Currency text in the American style: "$1,234.50", losses "-$1.00".
// The windows use the user's locale instead; this is the fallback the
// headless program and the tests show.
std::string formatCurrencyUs(Money amount);
