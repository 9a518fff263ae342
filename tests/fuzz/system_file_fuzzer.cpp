// Feeds arbitrary text to the system-file reader. Besides a crash, a hang or
// a sanitizer report, a fault is a system the reader accepts that does not
// come back the same after writing and reading it again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "systems/files/SystemFile.h"
#include "systems/files/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace systems::files;
    try {
        const systems::System system = parseSystem(text, "fuzz.toml", "fuzz");
        if (parseSystem(writeSystem(system), "written.toml", "") != system)
            std::abort();
    } catch (const FileProblem&) {
    }
    return 0;
}
