// Rings as coordinate lists, the topology's lists as vectors, and vertices
// that count their destruction.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"
#include "robustness/RobustnessSupport.h"
#include "support/CheckedTopology.h"

namespace topology_test {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;
using fpgeom::test::AppendRing;
using fpgeom::test::LinkedMap;
using fpgeom::test::Listed;
using fpgeom::test::NeighborsOf;
using fpgeom::test::PositionsOf;
using fpgeom::test::Ring;
// Walks the polygon's cursor, so read cursors before calling it.
inline Ring PointsOf(const CFPPolygon& polygon) { return fpgeom::test::WalkedRing(polygon); }

inline void ExpectAt(const CFPPoint& point, double x, double y) {
  EXPECT_EQ(point.x, x);
  EXPECT_EQ(point.y, y);
}

class CountedVertex : public CVertex {
 public:
  CountedVertex(const CFPPoint& point, int& destroyed) : CVertex(point), m_destroyed(destroyed) {}
  ~CountedVertex() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

}  // namespace topology_test
