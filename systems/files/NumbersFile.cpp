#include "systems/files/NumbersFile.h"

#include <string>

#include "systems/files/TextFile.h"

namespace systems::files {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The pocket the text names, or -1: "0", "00" and "1" to "36", no sign, no
// leading zero, nothing else.
int pocketNamed(std::string_view text) {
    if (text == "00")
        return kDoubleZero;
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0'))
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= 36 ? value : -1;
}

// Enough of a bad line to recognise it, and printable.
std::string shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 40))
        out += (c >= ' ' && c < 127) ? c : '?';
    if (text.size() > 40)
        out += "...";
    return out;
}

} // namespace

std::vector<PocketCode> parseNumbers(std::string_view text, Wheel wheel, std::string_view source) {
    std::vector<PocketCode> numbers;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const std::string where = std::string(source) + ":" + std::to_string(lineNumber) + ": ";
        const int pocket = pocketNamed(line);
        if (pocket < 0)
            throw FileProblem(where + "expected one winning number, 0, 00 or 1 to 36, found \"" + shown(line) + "\"");
        if (pocket >= pocketsOn(wheel))
            throw FileProblem(where + "00 is not on the European wheel");
        if (numbers.size() == kMaxRecordedNumbers)
            throw FileProblem(where + "more than " + std::to_string(kMaxRecordedNumbers) +
                              " numbers, more than one file may hold");
        numbers.push_back(static_cast<PocketCode>(pocket));
    }
    if (numbers.empty())
        throw FileProblem(std::string(source) + ": holds no winning numbers");
    return numbers;
}

std::vector<PocketCode> readNumbersFile(const std::filesystem::path& path, Wheel wheel) {
    return parseNumbers(readTextFile(path, kMaxNumbersFileBytes), wheel, path.string());
}

} // namespace systems::files
