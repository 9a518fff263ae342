// Feeds arbitrary text to the numbers-file reader on both wheels. Besides a
// crash, a hang or a sanitizer report, a fault is a number the wheel does not
// have, or more numbers than the reader allows, let through.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "systems/files/NumbersFile.h"
#include "systems/files/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace systems::files;
    for (const Wheel wheel : {Wheel::European, Wheel::American}) {
        try {
            const auto numbers = parseNumbers(text, wheel, "fuzz.txt");
            if (numbers.empty() || numbers.size() > kMaxRecordedNumbers)
                std::abort();
            for (PocketCode pocket : numbers)
                if (pocket < 0 || pocket >= pocketsOn(wheel))
                    std::abort();
        } catch (const FileProblem&) {
        }
    }
    return 0;
}
