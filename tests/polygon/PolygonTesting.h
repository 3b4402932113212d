// Building polygons from coordinate lists and reading them back, for the
// polygon tests.
#pragma once

#include <utility>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::testing {

using Coordinates = std::vector<std::pair<double, double>>;

inline CFPPolygon PolygonOf(const Coordinates& points) {
  CFPPolygon polygon;
  for (const auto& [x, y] : points) polygon.AddTailNode(x, y);
  return polygon;
}

// Walks the whole ring, so the cursor ends at the end: check the cursor first.
inline Coordinates PointsOf(const CFPPolygon& polygon) {
  Coordinates points;
  polygon.BeginIteration(DIR_FORWARD);
  while (polygon.isIterationFinished() == 0) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

// The points from the one the cursor designates to the tail: pins down which
// node the cursor is on, not only its value.
inline Coordinates PointsFromCursor(const CFPPolygon& polygon) {
  Coordinates points;
  while (polygon.isPosValid() != 0) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

}  // namespace fpgeom::testing
