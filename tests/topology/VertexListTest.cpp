#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::AppendRing;
using topology_test::CountedVertex;
using topology_test::LinksOf;
using topology_test::NeighborsOf;
using topology_test::PointsOf;
using topology_test::Ring;
using topology_test::Topology;
using topology_test::VerticesOf;

namespace {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;

}  // namespace

TEST(VertexList, AddVertexMergesPositionsWithinTheToleranceIntoTheFirstVertex) {
  Topology topology;
  CFPPolygon p1, p2, p3;

  CVertex* origin = topology.vertices.AddVertex(CFPPoint(0, 0), &p1);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(1e-7, -1e-7), &p2), origin);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(fpgeom::kPointEpsilon, 0), &p3), origin);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(0, 0), &p1), origin);
  EXPECT_EQ(origin->m_point.x, 0.0) << "the vertex keeps its own position";
  EXPECT_EQ(origin->m_point.y, 0.0);
  EXPECT_EQ(LinksOf(*origin), (Links{&p1, &p2, &p3, &p1}));

  CVertex* beside = topology.vertices.AddVertex(CFPPoint(2e-7, 0), &p2);
  EXPECT_NE(beside, origin);
  EXPECT_EQ(beside->m_point.x, 2e-7);
  EXPECT_EQ(LinksOf(*beside), (Links{&p2}));
  EXPECT_EQ(NeighborsOf(*beside), Vertices{});
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{origin, beside}));
}

TEST(VertexList, AddVertexGivesAPointMatchingTwoVerticesToTheEarlierEvenWhenTheLaterIsNearer) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* first = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* second = topology.vertices.AddVertex(CFPPoint(2e-7, 0), &polygon);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(1.1e-7, 0), &polygon), first);
  EXPECT_EQ(LinksOf(*second), (Links{&polygon}));
}

TEST(VertexList, AddVertexLeavesTheCursorAfterTheVertexFoundOrAtTheEnd) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(1, 0), &polygon);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);

  topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  EXPECT_EQ(topology.vertices.GetCurrentVertex(), b);
  topology.vertices.AddVertex(CFPPoint(1, 0), &polygon);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);

  topology.vertices.BeginIteration();
  EXPECT_EQ(topology.vertices.GetNextVertex(), a);
  EXPECT_EQ(topology.vertices.GetNextVertex(), b);
  EXPECT_THROW(topology.vertices.GetNextVertex(), CInvalidArgException);
  EXPECT_THROW(topology.vertices.GetCurrentVertex(), CInvalidArgException);
}

TEST(VertexList, GetNearestTakesTheFirstStrictlyNearestVertexAndEndsTheCursor) {
  Topology topology;
  CFPPolygon polygon;
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(0, 0), 100), nullptr);

  topology.vertices.AddVertex(CFPPoint(5, 0), &polygon);
  topology.vertices.AddVertex(CFPPoint(0, 7), &polygon);
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(0, 0), 5), nullptr) << "5 is not nearer than 5";

  CVertex* firstAtTwo = topology.vertices.AddVertex(CFPPoint(0, 2), &polygon);
  topology.vertices.AddVertex(CFPPoint(-2, 0), &polygon);
  topology.vertices.BeginIteration();
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(0, 0), 5), firstAtTwo);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);
}

TEST(VertexList, DeleteVertexUnlinksItsNeighboursAndLeavesThePolygonsTheirPoints) {
  Topology topology;
  CFPPolygon square;
  AppendRing(square, Ring{{0, 0}, {10, 0}, {10, 10}});
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &square);
  CVertex* doomed = topology.vertices.AddVertex(CFPPoint(10, 0), &square);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(10, 10), &square);
  for (CVertex* end : {a, b}) {
    doomed->AddNeighbor(end);
    end->AddNeighbor(doomed);
  }
  a->AddNeighbor(b);

  topology.vertices.DeleteVertex(doomed);
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{a, b}));
  EXPECT_EQ(NeighborsOf(*a), (Vertices{b}));
  EXPECT_EQ(NeighborsOf(*b), Vertices{});
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {10, 0}, {10, 10}}));
}

TEST(VertexList, DeleteVertexDestroysTheVertexAndMovesOnlyACursorThatWasOnIt) {
  Topology topology;
  int destroyed = 0;
  auto* first = new CountedVertex(CFPPoint(0, 0), destroyed);
  auto* second = new CountedVertex(CFPPoint(1, 0), destroyed);
  auto* third = new CountedVertex(CFPPoint(2, 0), destroyed);
  for (CVertex* vertex : {first, second, third}) topology.vertices.AddVertex(vertex);

  topology.vertices.BeginIteration();
  topology.vertices.GetNextVertex();
  topology.vertices.DeleteVertex(first);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(topology.vertices.GetCurrentVertex(), second);

  topology.vertices.DeleteVertex(second);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{third}));
}

TEST(VertexList, DeleteVertexOfAnUnlistedVertexThrowsAfterItsNeighboursDroppedIt) {
  Topology topology;
  CFPPolygon polygon;
  int destroyed = 0;
  CVertex* listed = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CountedVertex stranger(CFPPoint(5, 5), destroyed);
  stranger.AddNeighbor(listed);
  listed->AddNeighbor(&stranger);

  EXPECT_THROW(topology.vertices.DeleteVertex(&stranger), CInvalidArgException);
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(NeighborsOf(*listed), Vertices{});
  EXPECT_EQ(NeighborsOf(stranger), (Vertices{listed}));
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{listed}));
}

TEST(VertexList, DeleteVertexStopsAtANeighbourThatDoesNotListItBack) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* v = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* before = topology.vertices.AddVertex(CFPPoint(1, 0), &polygon);
  CVertex* oneSided = topology.vertices.AddVertex(CFPPoint(2, 0), &polygon);
  CVertex* after = topology.vertices.AddVertex(CFPPoint(3, 0), &polygon);
  for (CVertex* neighbor : {before, oneSided, after}) v->AddNeighbor(neighbor);
  before->AddNeighbor(v);
  after->AddNeighbor(v);

  EXPECT_THROW(topology.vertices.DeleteVertex(v), CInvalidArgException);
  EXPECT_EQ(NeighborsOf(*before), Vertices{});
  EXPECT_EQ(NeighborsOf(*after), (Vertices{v}));
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{v, before, oneSided, after}));
  EXPECT_EQ(LinksOf(*v), (Links{&polygon})) << "the vertex is still alive";
}

TEST(VertexList, OnlyEmptyAndDeleteVertexDestroyVertices) {
  int destroyed = 0;
  auto kept = std::make_unique<CountedVertex>(CFPPoint(0, 0), destroyed);
  {
    CVertexList list;
    list.AddVertex(kept.get());
  }
  EXPECT_EQ(destroyed, 0) << "destroying the list destroys no vertex";

  CVertexList list;
  list.AddVertex(new CountedVertex(CFPPoint(1, 0), destroyed));
  list.AddVertex(new CountedVertex(CFPPoint(2, 0), destroyed));
  list.BeginIteration();
  list.Empty();
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(VerticesOf(list), Vertices{});
}
