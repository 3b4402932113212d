// The topology's lists as vectors, and vertices that count their destruction.
#pragma once

#include <vector>

#include "fpgeom/fpgeom.h"
#include "support/CheckedTopology.h"
#include "support/Shapes.h"

namespace topology_test {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;
using namespace fpgeom::test;

class CountedVertex : public CVertex {
 public:
  CountedVertex(const CFPPoint& point, int& destroyed) : CVertex(point), m_destroyed(destroyed) {}
  ~CountedVertex() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

}  // namespace topology_test
