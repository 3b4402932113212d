// The topology's lists as vectors, and vertices that count their destruction.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"
#include "support/CheckedTopology.h"
#include "support/Shapes.h"

namespace topology_test {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;
using namespace fpgeom::test;

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
