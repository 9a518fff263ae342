#pragma once

#include <QSize>

// The size of every picture the program shows; the windows' controls were
// laid out around them.
namespace picturesizes {
inline constexpr QSize table{655, 400};
inline constexpr QSize chip{50, 53};
inline constexpr QSize wheel{150, 92};
inline constexpr QSize icon{32, 32};
inline constexpr QSize about{84, 109};
} // namespace picturesizes
