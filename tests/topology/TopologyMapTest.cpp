// A worked example: the topology of a small map, built from its rings as a
// host builds it, then edited through its shared corners and sides.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <memory>
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
  AppendRing(lowerLeft, {{0, 0}, {0, 10}, {10, 10}, {10, 0}});
  AppendRing(lowerRight, {{10, 0}, {10, 10}, {20, 10}, {20, 0}});
  AppendRing(upperLeft, {{0, 10}, {0, 20}, {10, 20}, {10, 10}});
  AppendRing(upperRight, {{10, 10}, {10, 20}, {20, 20}, {20, 10}});
  AppendRing(triangle, {{20, 0}, {20, 10}, {30, 0}});
  CFPPolygon* polygons[] = {&lowerLeft, &lowerRight, &upperLeft, &upperRight, &triangle};
  fpgeom::LinkPolygons(polygons, 5, topology.vertices, topology.edges);
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

// Each case links its rings, after a null entry that must be passed over,
// and reads back the vertex positions and, in list order, how many
// neighbours each vertex has and how many links each edge.
TEST(TopologyMap, LinkPolygonsMergesPointsWithinTheToleranceAndGivesNoEdgeToASideOfOneVertex) {
  const double nudge = std::ldexp(1.0, -24);
  struct Case {
    const char* what;
    std::vector<Ring> rings;
    Ring vertices;
    std::vector<std::size_t> neighbours;
    std::vector<std::size_t> edgeLinks;
  };
  const Case cases[] = {
      {"two squares sharing a side",
       {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, {{10, 0}, {10, 10}, {20, 10}, {20, 0}}},
       {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {20, 10}, {20, 0}},
       {2, 2, 3, 3, 2, 2},
       {1, 1, 2, 1, 1, 1, 1}},
      {"a repeated point and a point within the tolerance of the next",
       {{{0, 0}, {0, 0}, {0, 10}, {10, 10 + nudge}, {10, 10}, {10, 0}}},
       {{0, 0}, {0, 10}, {10, 10 + nudge}, {10, 0}},
       {2, 2, 2, 2},
       {1, 1, 1, 1}},
      {"a ring that comes back through a point",
       {{{0, 0}, {5, 5}, {10, 0}, {5, 5}}},
       {{0, 0}, {5, 5}, {10, 0}},
       {1, 2, 1},
       {2, 2}},
      {"one distinct point, then an empty polygon", {{{3, 3}, {3, 3}, {3, 3}}, {}}, {{3, 3}}, {0}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::unique_ptr<CFPPolygon>> polygons;
    std::vector<CFPPolygon*> entries = {nullptr};
    for (const Ring& ring : c.rings) {
      polygons.push_back(std::make_unique<CFPPolygon>());
      AppendRing(*polygons.back(), ring);
      polygons.back()->BeginIteration(0);
      entries.push_back(polygons.back().get());
    }
    Topology topology;
    fpgeom::LinkPolygons(entries.data(), static_cast<int>(entries.size()), topology.vertices, topology.edges);

    Ring positions;
    std::vector<std::size_t> neighbours;
    for (CVertex* vertex : VerticesOf(topology.vertices)) {
      positions.emplace_back(vertex->m_point.x, vertex->m_point.y);
      neighbours.push_back(NeighborsOf(*vertex).size());
    }
    std::vector<std::size_t> edgeLinks;
    for (CEdge* edge : EdgesOf(topology.edges)) edgeLinks.push_back(LinksOf(*edge).size());
    EXPECT_EQ(positions, c.vertices);
    EXPECT_EQ(neighbours, c.neighbours);
    EXPECT_EQ(edgeLinks, c.edgeLinks);
    for (const auto& polygon : polygons) EXPECT_EQ(polygon->isPosValid(), 0);
  }
}
