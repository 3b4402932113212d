// A worked example: the topology of a small map, built from its rings as a
// host builds it, then edited through its shared corners and sides.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// A 2 x 2 grid of squares of side 10 with a triangle against the right side
// of the lower right square; every ring runs clockwise. Every ring point
// becomes a vertex, every pair of points that follow each other along the
// ring an edge and two neighbours.
TEST(TopologyMap, DraggingTheSharedCentreThenBendingTheSideSharedWithTheTriangleEditsEveryPolygonThere) {
  CFPPolygon lowerLeft, lowerRight, upperLeft, upperRight, triangle;
  Topology topology;
  const auto addToMap = [&topology](CFPPolygon& polygon, const Ring& ring) {
    AppendRing(polygon, ring);
    std::vector<CVertex*> corners;
    for (const auto& [x, y] : ring) corners.push_back(topology.vertices.AddVertex(CFPPoint(x, y), &polygon));
    for (std::size_t i = 0; i < corners.size(); ++i) {
      CVertex* to = corners[(i + 1) % corners.size()];
      topology.edges.AddEdge(corners[i], to, &polygon);
      corners[i]->AddNeighbor(to);
      to->AddNeighbor(corners[i]);
    }
  };
  addToMap(lowerLeft, {{0, 0}, {0, 10}, {10, 10}, {10, 0}});
  addToMap(lowerRight, {{10, 0}, {10, 10}, {20, 10}, {20, 0}});
  addToMap(upperLeft, {{0, 10}, {0, 20}, {10, 20}, {10, 10}});
  addToMap(upperRight, {{10, 10}, {10, 20}, {20, 20}, {20, 10}});
  addToMap(triangle, {{20, 0}, {20, 10}, {30, 0}});
  EXPECT_EQ(VerticesOf(topology.vertices).size(), 10u);
  EXPECT_EQ(EdgesOf(topology.edges).size(), 14u);

  CVertex* centre = topology.vertices.GetNearest(CFPPoint(10.4, 10.3), 1.0);
  ASSERT_NE(centre, nullptr);
  EXPECT_EQ(LinksOf(*centre), (Links{&lowerLeft, &lowerRight, &upperLeft, &upperRight}));
  EXPECT_EQ(NeighborsOf(*centre).size(), 4u);
  ASSERT_EQ(centre->change(CFPPoint(12, 11)), 1);
  EXPECT_EQ(PointsOf(lowerRight), (Ring{{10, 0}, {12, 11}, {20, 10}, {20, 0}}));
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(12, 11), 0.001), centre);

  CEdge* side = topology.edges.GetNearest(CFPPoint(20.5, 5), 1.0);
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(LinksOf(*side), (Links{&lowerRight, &triangle}));
  EXPECT_EQ(side->m_pVertex1->m_point.y, 10.0) << "created by the square, which runs down there";
  ASSERT_EQ(side->change(CFPPoint(22, 5)), 1);
  EXPECT_EQ(PointsOf(lowerLeft), (Ring{{0, 0}, {0, 10}, {12, 11}, {10, 0}}));
  EXPECT_EQ(PointsOf(lowerRight), (Ring{{10, 0}, {12, 11}, {20, 10}, {22, 5}, {20, 0}}));
  EXPECT_EQ(PointsOf(upperLeft), (Ring{{0, 10}, {0, 20}, {10, 20}, {12, 11}}));
  EXPECT_EQ(PointsOf(upperRight), (Ring{{12, 11}, {10, 20}, {20, 20}, {20, 10}}));
  EXPECT_EQ(PointsOf(triangle), (Ring{{20, 0}, {22, 5}, {20, 10}, {30, 0}}));
}
