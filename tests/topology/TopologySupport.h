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
using fpgeom::test::EdgesOf;
using fpgeom::test::Ring;
using fpgeom::test::VerticesOf;
// Walks the polygon's cursor, so read cursors before calling it.
inline Ring PointsOf(const CFPPolygon& polygon) { return fpgeom::test::WalkedRing(polygon); }

inline void ExpectAt(const CFPPoint& point, double x, double y) {
  EXPECT_EQ(point.x, x);
  EXPECT_EQ(point.y, y);
}

inline Links LinksOf(const CPolygonList& list) {
  Links links;
  for (list.BeginIteration(); !list.isIterationFinished();) links.push_back(list.GetNextPoly());
  return links;
}

inline Vertices NeighborsOf(const CVertex& vertex) {
  Vertices neighbors;
  for (vertex.BeginNeighborIteration(); !vertex.isNeighborIterationFinished();) {
    neighbors.push_back(vertex.GetNextNeighbor());
  }
  return neighbors;
}

class CountedVertex : public CVertex {
 public:
  CountedVertex(const CFPPoint& point, int& destroyed) : CVertex(point), m_destroyed(destroyed) {}
  ~CountedVertex() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

// Torn down as a host tears it down, so that no test leaks.
struct Topology {
  CFPPolygon polygon;
  CVertexList vertices;
  CEdgeList edges;

  CVertex* At(double x, double y) { return vertices.AddVertex(CFPPoint(x, y), &polygon); }
  ~Topology() {
    edges.Empty();
    vertices.Empty();
  }
};

}  // namespace topology_test
