// Helpers shared by the topology tests: rings written as coordinate lists,
// the contents of the topology's lists as vectors, and elements that count
// their destruction.
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

inline std::vector<CFPPolygon*> LinksOf(const CPolygonList& list) {
  std::vector<CFPPolygon*> links;
  for (list.BeginIteration(); !list.isIterationFinished();) links.push_back(list.GetNextPoly());
  return links;
}

inline std::vector<CVertex*> NeighborsOf(const CVertex& vertex) {
  std::vector<CVertex*> neighbors;
  for (vertex.BeginNeighborIteration(); !vertex.isNeighborIterationFinished();) {
    neighbors.push_back(vertex.GetNextNeighbor());
  }
  return neighbors;
}

using fpgeom::test::EdgesOf;
using fpgeom::test::VerticesOf;

// A vertex that counts how often it is destroyed, through the virtual
// destructor the collections use.
class CountedVertex : public CVertex {
 public:
  CountedVertex(const CFPPoint& point, int& destroyed) : CVertex(point), m_destroyed(destroyed) {}
  ~CountedVertex() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

// A topology torn down as a host tears it down, so that no test leaks.
struct Topology {
  CFPPolygon polygon;
  CVertexList vertices;
  CEdgeList edges;

  // The vertex at (x, y), linked to `polygon`.
  CVertex* At(double x, double y) { return vertices.AddVertex(CFPPoint(x, y), &polygon); }

  ~Topology() {
    edges.Empty();
    vertices.Empty();
  }
};

}  // namespace topology_test
