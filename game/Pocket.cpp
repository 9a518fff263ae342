#include "game/Pocket.h"

#include <array>
#include <string>

namespace {
std::array<std::string, kPocketCount> makeTexts() {
    std::array<std::string, kPocketCount> texts;
    for (int code = 0; code <= 36; ++code)
        texts[static_cast<std::size_t>(code)] = std::to_string(code);
    texts[kDoubleZero] = "00";
    return texts;
}
} // namespace

std::string_view pocketText(int code) {
    static const std::array<std::string, kPocketCount> texts = makeTexts();
    if (code < 0 || code >= kPocketCount)
        return " ";
    return texts[static_cast<std::size_t>(code)];
}
