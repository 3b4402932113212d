#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// Within 2^-23 per coordinate, the bound included, a point is the first
// vertex listed there, even when a later one is nearer; the cursor stops
// after the vertex found, or at the end.
TEST(VertexList, AddVertexMergesPositionsWithinTheToleranceIntoTheFirstVertex) {
  Topology topology;
  CFPPolygon p2;
  CVertex* origin = topology.At(0, 0);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(fpgeom::kPointEpsilon, -1e-7), &p2), origin);
  ExpectAt(origin->m_point, 0.0, 0.0);
  CVertex* beside = topology.At(2e-7, 0);
  EXPECT_NE(beside, origin);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);
  EXPECT_EQ(topology.vertices.AddVertex(CFPPoint(1.1e-7, 0), &p2), origin);
  EXPECT_EQ(topology.vertices.GetCurrentVertex(), beside);
  topology.At(2e-7, 0);
  EXPECT_THROW(topology.vertices.GetCurrentVertex(), CInvalidArgException);
  EXPECT_EQ(LinksOf(*origin), (Links{&topology.polygon, &p2, &p2}));
  EXPECT_EQ(LinksOf(*beside), (Links{&topology.polygon, &topology.polygon}));
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{origin, beside}));
}

// Long enough to be indexed, with cells sized to a cluster a millionth
// apart and one vertex so far off that the grid's rows span about 2^59
// cells: a search from far below must still end, with the walk's answer
// (the distances tie, so the first vertex listed).
TEST(VertexList, GetNearestFromFarOffAcrossAVeryWideGridEnds) {
  Topology topology;
  CVertex* origin = topology.At(0, 0);
  for (int i = 1; i < 150; ++i) topology.At(i * 1e-6, 0);
  topology.At(1e12, 0);
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(0, -1e6), HUGE_VAL), origin);
  EXPECT_EQ(topology.vertices.GetNearest(CFPPoint(0, -1e6), 1e6), nullptr) << "1e6 is not nearer than 1e6";
}

// Neighbours are unlinked first, in their order, up to one that does not
// list the vertex back; a vertex not listed stays the caller's. Only a
// cursor on the deleted vertex moves.
TEST(VertexList, DeleteVertexUnlinksItsNeighboursThenDestroysItOrThrowsAtAOneSidedNeighbour) {
  Topology topology;
  int destroyed = 0;
  auto* lonely = new CountedVertex(CFPPoint(-5, 0), destroyed);
  topology.vertices.AddVertex(lonely);
  CVertex* a = topology.At(0, 0);
  auto* doomed = new CountedVertex(CFPPoint(10, 0), destroyed);
  topology.vertices.AddVertex(doomed);
  CVertex* b = topology.At(10, 10);
  CVertex* oneSided = topology.At(20, 0);
  for (CVertex* end : {a, b}) {
    doomed->AddNeighbor(end);
    end->AddNeighbor(doomed);
  }
  a->AddNeighbor(b);
  topology.vertices.BeginIteration();
  topology.vertices.GetNextVertex();
  topology.vertices.DeleteVertex(lonely);
  EXPECT_EQ(topology.vertices.GetNextVertex(), a);
  topology.vertices.DeleteVertex(doomed);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(topology.vertices.isIterationFinished(), 1);
  EXPECT_EQ(NeighborsOf(*a), Vertices{b});
  EXPECT_EQ(NeighborsOf(*b), Vertices{});

  CVertex* after = topology.At(30, 0);
  for (CVertex* neighbor : {b, oneSided, after}) a->AddNeighbor(neighbor);
  b->AddNeighbor(a);
  after->AddNeighbor(a);
  EXPECT_THROW(topology.vertices.DeleteVertex(a), CInvalidArgException);
  EXPECT_EQ(NeighborsOf(*b), Vertices{});
  EXPECT_EQ(NeighborsOf(*after), Vertices{a});
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{a, b, oneSided, after}));

  CountedVertex stranger(CFPPoint(5, 5), destroyed);
  stranger.AddNeighbor(after);
  after->AddNeighbor(&stranger);
  EXPECT_THROW(topology.vertices.DeleteVertex(&stranger), CInvalidArgException);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(NeighborsOf(*after), Vertices{a});
}

TEST(VertexList, OnlyEmptyAndDeleteVertexDestroyVertices) {
  int destroyed = 0;
  const auto kept = std::make_unique<CountedVertex>(CFPPoint(0, 0), destroyed);
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
