#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// The foot of the perpendicular must lie past the first end and up to the
// second, both exactly; a NaN parameter and coinciding ends are refused. The
// vertex made lists the edge's polygons and both ends, which list it back;
// the edge is not split, and its cursor ends.
TEST(EdgeSplit, CreateVertexPutsAVertexAtTheFootInsideTheEdgeAndLinksItsPolygonsAndEnds) {
  const struct {
    double px, py;
    bool made;
    double x, y;
  } cases[] = {
      {5, 100, true, 5, 0},
      {10, 3, true, 10, 0},  // t is exactly 1: accepted, at the second end
      {0, 3, false, 0, 0},   // t is 0: the first end is refused
      {11, 0, false, 0, 0},
      {std::numeric_limits<double>::quiet_NaN(), 5, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "P = (" << c.px << ", " << c.py << ")");
    CFPPolygon p1, p2;
    CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
    CEdge edge(&a, &b);
    for (CFPPolygon* polygon : {&p1, &p2, &p1}) edge.AddLink(polygon);
    edge.BeginIteration();
    const std::unique_ptr<CVertex> vertex(edge.CreateVertex(CFPPoint(c.px, c.py)));
    ASSERT_EQ(vertex != nullptr, c.made);
    EXPECT_EQ(Listed(edge), (Links{&p1, &p2, &p1})) << "the edge is not split";
    EXPECT_EQ(NeighborsOf(a), c.made ? Vertices{vertex.get()} : Vertices{});
    if (!vertex) continue;
    ExpectAt(vertex->m_point, c.x, c.y);
    EXPECT_EQ(edge.isIterationFinished(), 1);
    EXPECT_EQ(Listed(*vertex), (Links{&p1, &p2, &p1}));
    EXPECT_EQ(NeighborsOf(*vertex), (Vertices{&a, &b}));
    EXPECT_EQ(NeighborsOf(b), Vertices{vertex.get()});
  }
  CVertex a(CFPPoint(4, 4)), alsoA(CFPPoint(4, 4));
  EXPECT_EQ(CEdge(&a, &alsoA).CreateVertex(CFPPoint(5, 5)), nullptr) << "ends at one position";

  // A vertex at the second end is at the position of a neighbour that a
  // first end listing the second already has: that end refuses it.
  CVertex c(CFPPoint(0, 0)), d(CFPPoint(10, 0));
  c.AddNeighbor(&d);
  d.AddNeighbor(&c);
  const std::unique_ptr<CVertex> atD(CEdge(&c, &d).CreateVertex(CFPPoint(10, 3)));
  ASSERT_NE(atD, nullptr);
  EXPECT_EQ(NeighborsOf(c), Vertices{&d});
  EXPECT_EQ(NeighborsOf(d), (Vertices{&c, atD.get()}));
}
