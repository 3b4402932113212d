// Rings built from coordinate lists in one expression, on top of the polygon
// tests' helpers.
#pragma once

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace fpgeom::test {

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsOf;

inline CFPPolygon MakeRing(const Coordinates& points) {
  CFPPolygon polygon;
  fpgeom::testing::AppendAll(polygon, points);
  return polygon;
}

}  // namespace fpgeom::test
