// Rectangle clipping and clean-up of a ring held in a contiguous buffer. The
// polygon's IntersectRect and the integer entry points run on it; the clipping
// on the polygon's own list stays as the reference it is tested against.
#pragma once

#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

class CFPPolygon;

namespace fpgeom::detail {

// A point without the object base: copied and destroyed for nothing.
struct RingPoint {
  double x;
  double y;
};

using PointBuffer = std::vector<RingPoint>;

// What OptimizeAndCheck does to a ring, done on ring: 1 when at least three
// points remain, else 0 with ring emptied.
int CleanUpRing(PointBuffer& ring);

// What IntersectRect does to a ring, done on ring (its head first): 1 when
// the clipped and cleaned ring has at least three points, else 0 with ring
// emptied. scratch is working space; its contents are lost.
int ClipRingToRect(PointBuffer& ring, PointBuffer& scratch, const CFPRect& rect);

// IntersectRect by passes over the polygon's own list, with the same result,
// ring and cursor.
int PlainIntersectRect(CFPPolygon& polygon, const CFPRect& rect);

}  // namespace fpgeom::detail
