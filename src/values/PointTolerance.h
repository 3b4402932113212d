// The inclusive per-coordinate tolerance behind the equality of points,
// sizes, rectangles and segments.
#pragma once

#include <cmath>

#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {

// Written as "not farther apart than" rather than "at most": a NaN
// difference is not greater than the bound, so NaN coordinates compare equal.
inline bool WithinPointTolerance(double first, double second) { return !(std::fabs(first - second) > kPointEpsilon); }

}  // namespace fpgeom::detail
