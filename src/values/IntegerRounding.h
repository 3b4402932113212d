// Conversion of doubles to the window system's 32-bit integers.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace fpgeom::detail {

// round() (halves away from zero), then the 32-bit integer. NaN and values
// outside the 32-bit range give INT32_MIN, the answer of the x86 conversion
// instruction, rather than undefined behaviour.
inline std::int32_t RoundToInt32(double value) {
  const double rounded = std::round(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace fpgeom::detail
