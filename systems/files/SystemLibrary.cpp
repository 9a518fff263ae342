#include "systems/files/SystemLibrary.h"

#include <algorithm>
#include <system_error>

namespace systems::files {

std::vector<std::filesystem::path> libraryFolders(const std::filesystem::path& programFolder) {
    return {programFolder / "systems", programFolder.parent_path() / "share" / "quelta" / "systems"};
}

std::vector<LibraryEntry> librarySystems(const std::vector<std::filesystem::path>& folders) {
    std::vector<LibraryEntry> entries;
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
            if (item.path().extension() != ".toml")
                continue;
            std::string name = item.path().stem().string();
            const bool hidden = std::any_of(entries.begin(), entries.end(),
                                            [&name](const LibraryEntry& entry) { return entry.name == name; });
            if (!hidden)
                entries.push_back({std::move(name), item.path()});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const LibraryEntry& a, const LibraryEntry& b) { return a.name < b.name; });
    return entries;
}

std::optional<std::filesystem::path> findLibrarySystem(std::string_view name,
                                                       const std::vector<std::filesystem::path>& folders) {
    for (const LibraryEntry& entry : librarySystems(folders))
        if (entry.name == name)
            return entry.file;
    return std::nullopt;
}

} // namespace systems::files
