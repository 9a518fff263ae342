#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The named systems that come with the program: one .toml file each, named
// after the system, in a folder beside the program (systems/ in the build
// tree) or in the installed data folder (share/quelta/systems).
namespace systems::files {

struct LibraryEntry {
    std::string name; // the file's name without .toml
    std::filesystem::path file;
};

// The folders to look in for a program in `programFolder`, nearest first.
std::vector<std::filesystem::path> libraryFolders(const std::filesystem::path& programFolder);

// Every system file in the folders, by name; a name in an earlier folder
// hides the same name in a later one.
std::vector<LibraryEntry> librarySystems(const std::vector<std::filesystem::path>& folders);

std::optional<std::filesystem::path> findLibrarySystem(std::string_view name,
                                                       const std::vector<std::filesystem::path>& folders);

} // namespace systems::files
