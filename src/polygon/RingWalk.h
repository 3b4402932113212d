// The forward walk that the polygon's whole-ring operations share.
#pragma once

#include "fpgeom/frame/WinTypes.h"

namespace fpgeom::detail {

// Visits every point head to tail with the polygon's cursor as the walking
// position. The cursor steps on before the point is visited, so a visit may
// edit or even remove that point; the cursor ends at the end.
template <class PointList, class Visit>
void WalkForward(PointList& points, POSITION& cursor, Visit&& visit) {
  cursor = points.GetHeadPosition();
  while (cursor != nullptr) visit(points.GetNext(cursor));
}

}  // namespace fpgeom::detail
