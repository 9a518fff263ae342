#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "systems/System.h"

// A system as a TOML text file: docs/systems.md describes every key. Reading
// refuses a syntax error, an unknown key, a value of the wrong type or out of
// range, and a spot the table or the wheel does not have, with a FileProblem
// whose message starts "file:line:column:" and says what was expected.
// Writing then reading gives back the same system.
namespace systems::files {

// Far more than the longest system the limits allow written out by hand.
inline constexpr std::size_t kMaxSystemFileBytes = 1024 * 1024;

// `source` names the text in messages; a file without a name key takes `defaultName`.
System parseSystem(std::string_view text, std::string_view source, std::string_view defaultName);
// The name defaults to the file's name without its extension.
System readSystemFile(const std::filesystem::path& path);

std::string writeSystem(const System& system);

} // namespace systems::files
