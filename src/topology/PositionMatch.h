// Position matching in the topology.
#pragma once

#include <cmath>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {

// Within 2^-23 in each coordinate, the bound included. Written as <= rather
// than through CFPPoint's equality, which counts a NaN difference as equal:
// here a position that is not a number matches nothing.
inline bool IsSamePosition(const CFPPoint& a, const CFPPoint& b) {
  return std::fabs(a.x - b.x) <= kPointEpsilon && std::fabs(a.y - b.y) <= kPointEpsilon;
}

}  // namespace fpgeom::detail
