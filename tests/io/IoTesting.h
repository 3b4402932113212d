// Building documents and reading rings back as point lists in the I/O tests.
#pragma once

#include <string>
#include <vector>

#include "fpgeom/io/Document.h"
#include "support/Shapes.h"

namespace fpgeom::test {

inline io::Document DocumentOf(const std::vector<Ring>& rings, const Ring& points = {}) {
  io::Document document;
  document.rings = RegionOf(rings);
  for (const auto& [x, y] : points) document.points.emplace_back(x, y);
  return document;
}

inline Ring PointsAsPairs(const io::Document& document) {
  Ring points;
  for (const CFPPoint& point : document.points) points.emplace_back(point.x, point.y);
  return points;
}

}  // namespace fpgeom::test
