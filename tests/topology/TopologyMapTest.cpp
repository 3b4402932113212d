// A worked example: the topology of a small map, built from its rings as a
// host builds it, then edited through its shared corners and sides.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

namespace {

// A 2 x 2 grid of squares of side 10 with a triangle against the right side
// of the lower right square; every ring runs clockwise.
const Ring kLowerLeft{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
const Ring kLowerRight{{10, 0}, {10, 10}, {20, 10}, {20, 0}};
const Ring kUpperLeft{{0, 10}, {0, 20}, {10, 20}, {10, 10}};
const Ring kUpperRight{{10, 10}, {10, 20}, {20, 20}, {20, 10}};
const Ring kTriangle{{20, 0}, {20, 10}, {30, 0}};

class TopologyMap : public testing::Test {
 protected:
  TopologyMap() {
    AddToMap(lowerLeft, kLowerLeft);
    AddToMap(lowerRight, kLowerRight);
    AddToMap(upperLeft, kUpperLeft);
    AddToMap(upperRight, kUpperRight);
    AddToMap(triangle, kTriangle);
  }

  // Every ring point becomes a vertex, every pair of points that follow each
  // other along the ring (the closing pair too) an edge and two neighbours.
  void AddToMap(CFPPolygon& polygon, const Ring& ring) {
    AppendRing(polygon, ring);
    std::vector<CVertex*> corners;
    for (const auto& [x, y] : ring) corners.push_back(topology.vertices.AddVertex(CFPPoint(x, y), &polygon));
    for (std::size_t i = 0; i < corners.size(); ++i) {
      CVertex* from = corners[i];
      CVertex* to = corners[(i + 1) % corners.size()];
      topology.edges.AddEdge(from, to, &polygon);
      from->AddNeighbor(to);
      to->AddNeighbor(from);
    }
  }

  CFPPolygon lowerLeft, lowerRight, upperLeft, upperRight, triangle;
  topology_test::Topology topology;
};

}  // namespace

TEST_F(TopologyMap, BuildingMergesTheSharedCornersAndSides) {
  EXPECT_EQ(VerticesOf(topology.vertices).size(), 10u);
  EXPECT_EQ(EdgesOf(topology.edges).size(), 14u);

  CVertex* centre = topology.vertices.GetNearest(CFPPoint(10.4, 10.3), 1.0);
  ASSERT_NE(centre, nullptr);
  EXPECT_EQ(LinksOf(*centre), (Links{&lowerLeft, &lowerRight, &upperLeft, &upperRight}));
  EXPECT_EQ(NeighborsOf(*centre).size(), 4u);

  CEdge* side = topology.edges.GetNearest(CFPPoint(20.5, 5), 1.0);
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(LinksOf(*side), (Links{&lowerRight, &triangle}));
  EXPECT_EQ(side->m_pVertex1->m_point.y, 10.0) << "created by the square, which runs down there";
  EXPECT_EQ(side->m_pVertex2->m_point.y, 0.0);
}

TEST_F(TopologyMap, ADragThatWouldFlattenTheTriangleChangesNoPolygon) {
  // The corner at (20, 10) is shared by both right squares and, last, the
  // triangle, whose three points would then lie on the x axis.
  CVertex* corner = topology.vertices.GetNearest(CFPPoint(20, 10.2), 0.5);
  ASSERT_NE(corner, nullptr);
  ASSERT_EQ(LinksOf(*corner), (Links{&lowerRight, &upperRight, &triangle}));

  EXPECT_EQ(corner->change(CFPPoint(25, 0)), 0);
  EXPECT_EQ(PointsOf(lowerLeft), kLowerLeft);
  EXPECT_EQ(PointsOf(lowerRight), kLowerRight);
  EXPECT_EQ(PointsOf(upperLeft), kUpperLeft);
  EXPECT_EQ(PointsOf(upperRight), kUpperRight);
  EXPECT_EQ(PointsOf(triangle), kTriangle);
  EXPECT_EQ(corner->m_point.x, 20.0);
  EXPECT_EQ(corner->m_point.y, 10.0);
}

TEST_F(TopologyMap, DraggingTheCentreThenBendingTheSideSharedWithTheTriangleEditsEveryPolygonThere) {
  CVertex* centre = topology.vertices.GetNearest(CFPPoint(10.4, 10.3), 1.0);
  ASSERT_NE(centre, nullptr);
  ASSERT_EQ(centre->change(CFPPoint(12, 11)), 1);
  EXPECT_EQ(PointsOf(lowerRight), (Ring{{10, 0}, {12, 11}, {20, 10}, {20, 0}}));
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(12, 11), 0.001), centre);

  CEdge* side = topology.edges.GetNearest(CFPPoint(20.5, 5), 1.0);
  ASSERT_NE(side, nullptr);
  ASSERT_EQ(side->change(CFPPoint(22, 5)), 1);
  EXPECT_EQ(PointsOf(lowerLeft), (Ring{{0, 0}, {0, 10}, {12, 11}, {10, 0}}));
  EXPECT_EQ(PointsOf(lowerRight), (Ring{{10, 0}, {12, 11}, {20, 10}, {22, 5}, {20, 0}}));
  EXPECT_EQ(PointsOf(upperLeft), (Ring{{0, 10}, {0, 20}, {10, 20}, {12, 11}}));
  EXPECT_EQ(PointsOf(upperRight), (Ring{{12, 11}, {10, 20}, {20, 20}, {20, 10}}));
  EXPECT_EQ(PointsOf(triangle), (Ring{{20, 0}, {22, 5}, {20, 10}, {30, 0}}));
}
