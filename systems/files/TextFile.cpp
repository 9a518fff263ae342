#include "systems/files/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace systems::files {
namespace {

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kMiB = 1024 * 1024;
    return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB" : std::to_string(bytes / 1024) + " KiB";
}

} // namespace

std::string readTextFile(const std::filesystem::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileProblem(path.string() + ": cannot be read: " + std::strerror(errno));
    std::string text(maxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad())
        throw FileProblem(path.string() + ": cannot be read: " + std::strerror(errno));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > maxBytes)
        throw FileProblem(path.string() + ": is larger than " + sizeText(maxBytes) +
                          ", more than such a file can hold");
    return text;
}

} // namespace systems::files
