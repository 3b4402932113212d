// What a PreparedPolygon holds: the containment index of the ring itself or
// of each loop of its breakdown, and the nearest-edge tree.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "prepared/CrossingIndex.h"
#include "prepared/NearestEdgeTree.h"

namespace fpgeom::detail {

struct PreparedLoop {
  CrossingIndex index;
  bool filled;  // area >= 0; a loop of negative area is a hole
};

struct PreparedRing {
  explicit PreparedRing(const CFPPolygon& polygon);

  int Contains(double x, double y) const;

  int count = 0;
  CFPPoint head{0, 0};
  CFPPoint second{0, 0};
  // Empty when the ring is tested as a whole.
  std::vector<PreparedLoop> loops;
  std::optional<CrossingIndex> whole;
  std::optional<NearestEdgeTree> edges;
};

}  // namespace fpgeom::detail
