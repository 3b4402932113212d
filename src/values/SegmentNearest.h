// The nearest point of a segment to a point, shared by the segment value and
// the topology's edges so that both measure to the same bit.
#pragma once

#include <cmath>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {

// The distance from p to the segment a-b, with its nearest point in nearest.
// The operations run in the order written: results are fixed to the bit. The
// first end takes every projection up to 2^-52, the second only those past
// 1, so t = 1 still measures the perpendicular. A segment whose ends
// coincide has no direction: the parameter is NaN, both end tests fail and
// the distance and the nearest point are NaN.
inline double NearestOnSegment(const CFPPoint& a, const CFPPoint& b, const CFPPoint& p, CFPPoint& nearest) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length;
  const double uy = dy / length;
  const double fromStartX = p.x - a.x;
  const double fromStartY = p.y - a.y;
  const double t = (fromStartX * ux + fromStartY * uy) / length;
  if (t <= kDoubleEpsilon) {
    nearest.x = a.x;
    nearest.y = a.y;
    return std::hypot(fromStartX, fromStartY);
  }
  if (t > 1.0) {
    nearest.x = b.x;
    nearest.y = b.y;
    return std::hypot(p.x - b.x, p.y - b.y);
  }
  nearest.x = a.x + dx * t;
  nearest.y = a.y + dy * t;
  return std::fabs(fromStartY * ux - fromStartX * uy);
}

}  // namespace fpgeom::detail
