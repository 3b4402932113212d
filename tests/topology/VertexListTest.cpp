// What the lists answer is checked against their walks by the index
// differential test; here, what they destroy and what they unlink.
#include <gtest/gtest.h>

#include <memory>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// Neighbours are unlinked first, in their order, up to one that does not
// list the vertex back; a vertex not listed stays the caller's.
TEST(VertexList, DeleteVertexUnlinksItsNeighboursThenDestroysItOrThrowsAtAOneSidedNeighbour) {
  LinkedMap map;
  CFPPolygon polygon;
  const auto at = [&](double x, double y) { return map.vertices.AddVertex(CFPPoint(x, y), &polygon); };
  int destroyed = 0;
  CVertex* a = at(0, 0);
  auto* doomed = new CountedVertex(CFPPoint(10, 0), destroyed);
  map.vertices.AddVertex(doomed);
  CVertex* b = at(10, 10);
  CVertex* oneSided = at(20, 0);
  for (CVertex* end : {a, b}) {
    doomed->AddNeighbor(end);
    end->AddNeighbor(doomed);
  }
  a->AddNeighbor(b);
  map.vertices.DeleteVertex(doomed);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(NeighborsOf(*a), Vertices{b});
  EXPECT_EQ(NeighborsOf(*b), Vertices{});

  CVertex* after = at(30, 0);
  for (CVertex* neighbor : {oneSided, after}) a->AddNeighbor(neighbor);
  b->AddNeighbor(a);
  after->AddNeighbor(a);
  EXPECT_THROW(map.vertices.DeleteVertex(a), CInvalidArgException);
  EXPECT_EQ(NeighborsOf(*b), Vertices{});
  EXPECT_EQ(NeighborsOf(*after), Vertices{a});
  EXPECT_EQ(Listed(map.vertices), (Vertices{a, b, oneSided, after}));

  CountedVertex stranger(CFPPoint(5, 5), destroyed);
  stranger.AddNeighbor(after);
  after->AddNeighbor(&stranger);
  EXPECT_THROW(map.vertices.DeleteVertex(&stranger), CInvalidArgException);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(NeighborsOf(*after), Vertices{a});
}

// Destroying a list destroys nothing; emptying the vertex list destroys its
// vertices, emptying the edge list its edges but not their ends. (What the
// emptied lists list, and their cursors, the index differential test checks.)
TEST(VertexList, OnlyEmptyAndDeleteDestroy) {
  int destroyed = 0;
  CFPPolygon polygon;
  CountedVertex a(CFPPoint(0, 0), destroyed), b(CFPPoint(1, 0), destroyed);
  std::unique_ptr<CEdge> survivor;
  {
    CVertexList vertices;
    CEdgeList edges;
    vertices.AddVertex(&a);
    edges.AddEdge(&a, &b, &polygon);
    edges.BeginIteration();
    survivor.reset(edges.GetNextEdge());
  }
  EXPECT_EQ(Listed(*survivor), (Links{&polygon}));
  CVertexList vertices;
  CEdgeList edges;
  vertices.AddVertex(new CountedVertex(CFPPoint(1, 0), destroyed));
  vertices.AddVertex(new CountedVertex(CFPPoint(2, 0), destroyed));
  edges.AddEdge(&a, &b, &polygon);
  edges.Empty();
  EXPECT_EQ(destroyed, 0);
  vertices.Empty();
  EXPECT_EQ(destroyed, 2);
}
