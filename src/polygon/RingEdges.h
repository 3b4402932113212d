// The edge walk that point location and proximity share.
#pragma once

#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

// Visits the edges of the ring as (start, end) with the polygon's cursor as
// the walking position: the closing edge tail->head first (unless left out,
// which walks the ring as the open chain head ... tail), then head->second
// and on. The cursor steps past an edge's end before the edge is visited, so
// during a visit it designates the point after the end (null after the
// tail). Stops at the first visit that returns true and says whether one
// did; otherwise the cursor ends at the end. An empty ring throws
// CInvalidArgException when the closing edge is asked for.
template <class PointList, class Visit>
bool WalkEdges(const PointList& points, POSITION& cursor, bool withClosingEdge, Visit&& visit) {
  cursor = points.GetHeadPosition();
  const CFPPoint* start = withClosingEdge ? &points.GetTail() : &points.GetNext(cursor);
  while (cursor != nullptr) {
    const CFPPoint& end = points.GetNext(cursor);
    if (visit(*start, end)) return true;
    start = &end;
  }
  return false;
}

}  // namespace fpgeom::detail
