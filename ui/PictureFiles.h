#pragma once

#include <string_view>

// The picture files, read by bare name from the folder the program runs in,
// and what the player is told when one cannot be read. The two wordings
// differ only in the case of the extension, as they always have.
struct PictureFile {
    std::string_view fileName;
    std::string_view missingMessage;
};

namespace picture_files {
inline constexpr PictureFile europeanTable{"euroback.dib", "Couldn't find the .dib file."};
inline constexpr PictureFile americanTable{"amerback.dib", "Couldn't find the .DIB file."};
inline constexpr PictureFile chip{"chip.dib", "Couldn't find the .DIB file."};
inline constexpr PictureFile wheel{"wheel2.dib", "Couldn't find the .DIB file."};
} // namespace picture_files

inline constexpr std::string_view kHelpFileName = "Vuzivadi.hlp";
