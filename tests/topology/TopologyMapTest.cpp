#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

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
