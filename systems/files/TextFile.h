#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace systems::files {

// A file the player gave that cannot be used. what() is one line that names
// the file (and the line and column where there is one) and says what was
// expected, ready to print as it is.
class FileProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole of a text file of at most maxBytes bytes. A larger file is
// refused before more than maxBytes + 1 bytes are read, so a huge or endless
// file (a device, a pipe) costs no more than a small one.
// Throws FileProblem when the file cannot be opened or is too large.
std::string readTextFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace systems::files
