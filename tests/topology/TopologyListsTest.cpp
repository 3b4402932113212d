// What the lists answer is checked against their walks by the index
// differential test; here, how LinkPolygons fills them, and what they
// destroy, unlink and remove.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <initializer_list>
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
  const struct {
    const char* what;
    std::vector<Ring> rings;
    Ring vertices;
    std::vector<std::size_t> neighbours;
    std::vector<std::size_t> edgeLinks;
  } cases[] = {
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
  for (const auto& c : cases) {
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

// Neighbours are unlinked first, then the vertex is destroyed; a vertex not
// listed is unlinked too but stays the caller's. Destroying the list destroys
// nothing: the vertices still listed here live on the stack.
TEST(VertexList, DeleteVertexUnlinksItsNeighboursThenDestroysOnlyAListedVertex) {
  int destroyed = 0;
  const auto link = [](CVertex* one, CVertex* other) {
    one->AddNeighbor(other);
    other->AddNeighbor(one);
  };
  CountedVertex a(CFPPoint(0, 0), destroyed), b(CFPPoint(10, 10), destroyed), stranger(CFPPoint(5, 5), destroyed);
  {
    CVertexList vertices;
    auto* doomed = new CountedVertex(CFPPoint(10, 0), destroyed);
    for (CVertex* vertex : std::initializer_list<CVertex*>{&a, doomed, &b}) vertices.AddVertex(vertex);
    for (CVertex* end : {&a, &b}) link(doomed, end);
    a.AddNeighbor(&b);
    vertices.DeleteVertex(doomed);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(NeighborsOf(a), Vertices{&b});
    EXPECT_EQ(NeighborsOf(b), Vertices{});

    link(&stranger, &b);
    EXPECT_THROW(vertices.DeleteVertex(&stranger), CInvalidArgException);
    EXPECT_EQ(NeighborsOf(b), Vertices{});
    EXPECT_EQ(Listed(vertices), (Vertices{&a, &b}));
  }
  EXPECT_EQ(destroyed, 1);
}

// Given itself, a list stops at the entries it had when the call began.
// RemoveLink takes the polygon's first entry and moves only a cursor on it,
// to the end; RemoveCurrentPoly takes the entry after the one just returned
// and ends the cursor.
TEST(PolygonList, AddLinkOfAListAppendsTheEntriesItHadAndRemovalsTakeTheDocumentedEntry) {
  CPolygonList target, source;
  CFPPolygon p1, p2, p3, stranger;
  target.AddLink(&p3);
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) source.AddLink(polygon);
  source.BeginIteration();
  target.AddLink(&source);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1}));
  target.AddLink(&target);
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1, &p3, &p1, &p2, &p1}));

  EXPECT_THROW(target.RemoveLink(&stranger), CInvalidArgException);
  target.BeginIteration();
  target.GetNextPoly();
  target.RemoveLink(&p2);
  EXPECT_EQ(target.GetCurrentPoly(), &p1);
  target.RemoveLink(&p1);
  EXPECT_EQ(target.isIterationFinished(), 1);
  target.BeginIteration();
  target.GetNextPoly();
  target.RemoveCurrentPoly();
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p3, &p1, &p2, &p1}));
}
