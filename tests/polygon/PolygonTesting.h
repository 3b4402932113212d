// Building polygons from points and reading them back, for the polygon and
// algorithms tests: as coordinates (exact comparison, unlike CFPPoint's
// equality, which allows 2^-23) or as the bits of every coordinate.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "robustness/RobustnessSupport.h"

namespace fpgeom::testing {

using Coordinates = test::Ring;

inline CFPPolygon PolygonOf(const Coordinates& points) {
  CFPPolygon polygon;
  test::AppendRing(polygon, points);
  return polygon;
}

// Of CFPPoints; a template, so that a braced list takes the overload above.
template <class Point>
CFPPolygon PolygonOf(const std::vector<Point>& points) {
  CFPPolygon polygon;
  for (const Point& point : points) polygon.AddTailNode(point);
  return polygon;
}

// The points from the one the cursor designates to the tail: pins down which
// node the cursor is on, not only its value. Leaves the cursor at the end.
inline Coordinates PointsFromCursor(const CFPPolygon& polygon) {
  Coordinates points;
  while (polygon.isPosValid() != 0) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

// The whole ring; the cursor ends at the end, so check the cursor first.
inline Coordinates PointsOf(const CFPPolygon& polygon) { return test::WalkedRing(polygon); }

// The bits of x and y of every point from the cursor on, so that -0.0 and
// NaNs compare too.
inline std::vector<std::uint64_t> BitsFromCursor(const CFPPolygon& polygon) {
  std::vector<std::uint64_t> bits;
  for (const auto& [x, y] : PointsFromCursor(polygon)) {
    for (const double value : {x, y}) {
      std::uint64_t word;
      std::memcpy(&word, &value, sizeof word);
      bits.push_back(word);
    }
  }
  return bits;
}

inline std::vector<std::uint64_t> BitsOf(const CFPPolygon& polygon) {
  polygon.BeginIteration(DIR_FORWARD);
  return BitsFromCursor(polygon);
}

}  // namespace fpgeom::testing
