#pragma once

#include <cstdint>
#include <string>

// What lblSpins shows for a spin count: blank (" ") before the first counted
// spin, the decimal number after it. The statistics window copies it.
inline std::string spinCountText(std::int32_t spinCount) {
    return spinCount == 0 ? std::string(" ") : std::to_string(spinCount);
}
