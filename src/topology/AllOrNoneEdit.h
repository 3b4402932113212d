// The scheme behind every move of shared geometry: one edit made in all the
// polygons linked to an element, or in none of them.
#pragma once

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/PolygonList.h"

namespace fpgeom::detail {

// edit(polygon) makes the edit in one polygon and returns false when the
// polygon offers no place for it. The edit is first tried, in list order, on
// a copy of each linked polygon, and the copy is cleaned up; the first copy
// that offers no place or keeps fewer than three points refuses the move
// (0) before any polygon has changed. Only then is the edit made on the
// polygons themselves, each cleaned up with its result not examined: a
// polygon listed twice is edited a second time on its edited ring, which no
// trial saw, and is passed over if that ring no longer offers a place.
// Walks the element's polygon cursor in both passes.
template <class Edit>
int EditAllOrNone(const CPolygonList& linked, Edit edit) {
  for (linked.BeginIteration(); !linked.isIterationFinished();) {
    CFPPolygon trial(*linked.GetNextPoly());
    if (!edit(trial) || trial.OptimizeAndCheck() == 0) return 0;
  }
  for (linked.BeginIteration(); !linked.isIterationFinished();) {
    CFPPolygon& polygon = *linked.GetNextPoly();
    if (edit(polygon)) polygon.OptimizeAndCheck();
  }
  return 1;
}

}  // namespace fpgeom::detail
