// "The same point", answered once for each of the library's two questions,
// with the same inclusive tolerance of 2^-23 per coordinate.
#pragma once

#include <cmath>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {

// Whether two values are equal, behind the equality of points, sizes,
// rectangles and segments. Written as "not farther apart than" rather than
// "at most": a NaN difference is not greater than the bound, so NaN
// coordinates compare equal.
inline bool WithinPointTolerance(double first, double second) { return !(std::fabs(first - second) > kPointEpsilon); }

// Whether a point lies at a position: the merging of the topology's
// vertices and neighbours, and a ring's corners in point location. Written
// as "at most", so that a position that is not a number matches nothing and
// cannot swallow every vertex.
inline bool IsSamePosition(const CFPPoint& a, const CFPPoint& b) {
  return std::fabs(a.x - b.x) <= kPointEpsilon && std::fabs(a.y - b.y) <= kPointEpsilon;
}

}  // namespace fpgeom::detail
