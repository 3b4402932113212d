// What the lists answer is checked against their walks by the index
// differential test; here, what they destroy and what they unlink.
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
