// Building documents and reading rings back as point lists in the I/O tests.
#pragma once

#include <string>
#include <vector>

#include "fpgeom/io/Document.h"
#include "region/RegionTestSupport.h"

namespace fpgeom::io::testing {

using test::Ring;

inline Document DocumentOf(const std::vector<Ring>& rings, const Ring& points = {}) {
  Document document;
  document.rings = test::RegionOf(rings);
  for (const auto& [x, y] : points) document.points.emplace_back(x, y);
  return document;
}

inline std::vector<Ring> RingsAsPairs(const Document& document) { return test::WalkedRegion(document.rings); }

inline Ring PointsAsPairs(const Document& document) {
  Ring points;
  for (const CFPPoint& point : document.points) points.emplace_back(point.x, point.y);
  return points;
}

}  // namespace fpgeom::io::testing
