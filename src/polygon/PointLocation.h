// Containment and signed distance, screened or plain: the polygon's own
// members take the screened way; the plain one, which examines every edge
// exactly as written, is the reference that the screened one is tested
// against. Both give the same bits and leave the cursor in the same place.
#pragma once

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::detail {

struct PointLocation {
  static int PtInPolygon(const CFPPolygon& polygon, const CFPPoint& pt, bool screened);
  static double DistanceFromPoint(const CFPPolygon& polygon, const CFPPoint& pt, bool screened);
  // The crossing count on the ring itself, as for one loop.
  static int PtInSimplePolygon(const CFPPolygon& polygon, const CFPPoint& pt, bool screened);
};

}  // namespace fpgeom::detail
