// Building rings from coordinate lists and reading them back, for tests that
// compare whole rings exactly.
#pragma once

#include <utility>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::test {

using Coordinates = std::vector<std::pair<double, double>>;

inline void AppendPoints(CFPPolygon& polygon, const Coordinates& points) {
  for (const auto& [x, y] : points) polygon.AddTailNode(x, y);
}

inline CFPPolygon MakeRing(const Coordinates& points) {
  CFPPolygon polygon;
  AppendPoints(polygon, points);
  return polygon;
}

// Walks with the polygon's cursor, which ends at the end.
inline Coordinates PointsOf(const CFPPolygon& polygon) {
  Coordinates points;
  polygon.BeginIteration(DIR_FORWARD);
  while (!polygon.isIterationFinished()) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

}  // namespace fpgeom::test
