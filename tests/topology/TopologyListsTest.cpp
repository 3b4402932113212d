// What the lists answer is checked against their walks by the index
// differential test; here, what they destroy, unlink and remove.
#include <gtest/gtest.h>

#include <initializer_list>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// Neighbours are unlinked first, then the vertex is destroyed; a vertex not
// listed is unlinked too but stays the caller's. Destroying the list destroys
// nothing: the vertices still listed here live on the stack.
TEST(VertexList, DeleteVertexUnlinksItsNeighboursThenDestroysOnlyAListedVertex) {
  int destroyed = 0;
  CountedVertex a(CFPPoint(0, 0), destroyed), b(CFPPoint(10, 10), destroyed), stranger(CFPPoint(5, 5), destroyed);
  {
    CVertexList vertices;
    auto* doomed = new CountedVertex(CFPPoint(10, 0), destroyed);
    for (CVertex* vertex : std::initializer_list<CVertex*>{&a, doomed, &b}) vertices.AddVertex(vertex);
    for (CVertex* end : {&a, &b}) {
      doomed->AddNeighbor(end);
      end->AddNeighbor(doomed);
    }
    a.AddNeighbor(&b);
    vertices.DeleteVertex(doomed);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(NeighborsOf(a), Vertices{&b});
    EXPECT_EQ(NeighborsOf(b), Vertices{});

    stranger.AddNeighbor(&b);
    b.AddNeighbor(&stranger);
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
