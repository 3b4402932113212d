// Rings as coordinate lists, the topology's lists as vectors, and vertices
// that count their destruction.
#pragma once

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"
#include "support/TopologyLists.h"

namespace topology_test {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;
using Ring = std::vector<std::pair<double, double>>;
using fpgeom::test::EdgesOf;
using fpgeom::test::VerticesOf;

inline void AppendRing(CFPPolygon& polygon, const Ring& points) {
  for (const auto& [x, y] : points) polygon.AddTailNode(x, y);
}

inline void ExpectAt(const CFPPoint& point, double x, double y) {
  EXPECT_EQ(point.x, x);
  EXPECT_EQ(point.y, y);
}

// Walks the polygon's cursor, so read cursors before calling it.
inline Ring PointsOf(const CFPPolygon& polygon) {
  Ring points;
  for (polygon.BeginIteration(DIR_FORWARD); !polygon.isIterationFinished();) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
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
