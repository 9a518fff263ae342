#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "game/Pocket.h"

namespace systems::files {

// A list of recorded winning numbers, one a line: 0, 00 or 1 to 36, with
// blank lines and comments from '#' to the end of a line allowed. Anything
// else, 00 on the European wheel, a file with no number and a file of more
// than kMaxRecordedNumbers numbers are refused with a FileProblem naming the
// file and line.
inline constexpr std::size_t kMaxRecordedNumbers = 1'000'000;
// Room for kMaxRecordedNumbers numbers with comments beside them.
inline constexpr std::size_t kMaxNumbersFileBytes = 8 * 1024 * 1024;

// `source` names the text in messages (normally the file's path).
std::vector<PocketCode> parseNumbers(std::string_view text, Wheel wheel, std::string_view source);
std::vector<PocketCode> readNumbersFile(const std::filesystem::path& path, Wheel wheel);

} // namespace systems::files
