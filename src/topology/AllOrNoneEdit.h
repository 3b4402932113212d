// The scheme behind every move of shared geometry: one edit made in all the
// polygons linked to an element, or in none of them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/topology/PolygonList.h"

namespace fpgeom::detail {

// edit(polygon) makes the edit in one polygon and returns false when the
// polygon offers no place for it. The edit is tried, in list order, on a
// copy of each linked polygon, and the copy is cleaned up; the first copy
// that offers no place or keeps fewer than three points refuses the move
// (0) before any polygon has changed. A polygon listed twice is edited a
// second time on its edited ring, which no trial saw, and is cleaned up again
// only if that ring still offers a place.
//
// Everything that allocates happens while the polygons are untouched, on
// rings built aside; the polygons then take their new rings by exchange,
// which cannot fail. So a failed allocation, like a refusal, leaves every
// polygon as it was. Walks the element's polygon cursor to the end.
template <class Edit>
int EditAllOrNone(const CPolygonList& linked, Edit edit) {
  std::vector<CFPPolygon*> polygons;
  std::vector<std::unique_ptr<CFPPolygon>> rings;
  for (linked.BeginIteration(); !linked.isIterationFinished();) {
    CFPPolygon* polygon = linked.GetNextPoly();
    CFPPolygon trial(*polygon);
    if (!edit(trial) || trial.OptimizeAndCheck() == 0) return 0;
    const auto earlier = std::find(polygons.begin(), polygons.end(), polygon);
    if (earlier == polygons.end()) {
      rings.push_back(std::make_unique<CFPPolygon>());
      polygons.push_back(polygon);
      ExchangeRings(*rings.back(), trial);
    } else if (CFPPolygon& ring = *rings[static_cast<std::size_t>(earlier - polygons.begin())]; edit(ring)) {
      ring.OptimizeAndCheck();
    }
  }
  for (std::size_t i = 0; i < polygons.size(); ++i) ExchangeRings(*polygons[i], *rings[i]);
  return 1;
}

}  // namespace fpgeom::detail
