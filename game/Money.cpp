#include "game/Money.h"

#include <stdexcept>

void Money::tooLarge() { throw std::overflow_error("An amount of money went beyond what the program can hold."); }

namespace {
// The size of a count of ten-thousandths, the most negative one included.
std::uint64_t magnitudeOf(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}
} // namespace

std::string Money::toPlainString() const {
    const std::uint64_t magnitude = magnitudeOf(value_);
    std::string text = (value_ < 0 ? "-" : "") + std::to_string(magnitude / 10'000);
    std::uint64_t fraction = magnitude % 10'000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + 10'000).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

std::string formatCurrencyUs(Money amount) {
    const std::int64_t value = amount.tenThousandths();
    const std::uint64_t magnitude = magnitudeOf(value);
    // Every game amount is a multiple of 0.25; round half away from zero for
    // anything finer so the text never shows a third decimal.
    const std::uint64_t cents = (magnitude + 50) / 100;
    std::string whole = std::to_string(cents / 100);
    for (int pos = static_cast<int>(whole.size()) - 3; pos > 0; pos -= 3)
        whole.insert(static_cast<std::size_t>(pos), ",");
    std::string fraction = std::to_string(cents % 100 + 100).substr(1);
    return (value < 0 ? "-$" : "$") + whole + "." + fraction;
}
