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
    LinkedMap map;
    map.polygons.emplace_back();
    for (const Ring& ring : c.rings) {
      AppendRing(*map.polygons.emplace_back(std::make_unique<CFPPolygon>()), ring);
      map.polygons.back()->BeginIteration(0);
    }
    map.Link();

    const std::vector<CVertex*> vertices = Listed(map.vertices);
    std::vector<std::size_t> neighbours, edgeLinks;
    for (CVertex* vertex : vertices) neighbours.push_back(NeighborsOf(*vertex).size());
    for (CEdge* edge : Listed(map.edges)) edgeLinks.push_back(Listed(*edge).size());
    EXPECT_EQ(PositionsOf(vertices), c.vertices);
    EXPECT_EQ(neighbours, c.neighbours);
    EXPECT_EQ(edgeLinks, c.edgeLinks);
    for (const auto& polygon : map.polygons) EXPECT_TRUE(!polygon || polygon->isPosValid() == 0);
  }
}
