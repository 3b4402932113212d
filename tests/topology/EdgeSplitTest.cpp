#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::LinksOf;
using topology_test::NeighborsOf;
using topology_test::VerticesOf;

namespace {

using Links = std::vector<CFPPolygon*>;
using Vertices = std::vector<CVertex*>;

struct SplitCase {
  double px, py;
  bool made;
  double x, y;
};

}  // namespace

TEST(EdgeSplit, CreateVertexPutsTheVertexAtTheFootOfThePerpendicularInsideTheEdgeOnly) {
  const SplitCase cases[] = {
      {5, 3, true, 5, 0},
      {5, 100, true, 5, 0},
      {10, 3, true, 10, 0},  // t is exactly 1: accepted, at the second end
      {0, 3, false, 0, 0},   // t is 0: the first end is refused
      {-1, 0, false, 0, 0},
      {11, 0, false, 0, 0},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "P = (" << c.px << ", " << c.py << ")");
    CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
    const CEdge edge(&a, &b);
    const std::unique_ptr<CVertex> vertex(edge.CreateVertex(CFPPoint(c.px, c.py)));
    ASSERT_EQ(vertex != nullptr, c.made);
    if (!vertex) {
      EXPECT_EQ(NeighborsOf(a), Vertices{});
      continue;
    }
    EXPECT_EQ(vertex->m_point.x, c.x);
    EXPECT_EQ(vertex->m_point.y, c.y);
  }
}

TEST(EdgeSplit, CreateVertexLinksTheEdgesPolygonsAndBothEndsAsNeighbours) {
  CFPPolygon p1, p2;
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
  CEdge edge(&a, &b);
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) edge.AddLink(polygon);
  edge.BeginIteration();

  const std::unique_ptr<CVertex> vertex(edge.CreateVertex(CFPPoint(5, 3)));
  ASSERT_NE(vertex, nullptr);
  EXPECT_EQ(edge.isIterationFinished(), 1);
  EXPECT_EQ(a.isNeighborIterationFinished(), 1);
  EXPECT_EQ(b.isNeighborIterationFinished(), 1);
  EXPECT_EQ(vertex->isNeighborIterationFinished(), 1);
  EXPECT_EQ(LinksOf(*vertex), (Links{&p1, &p2, &p1}));
  EXPECT_EQ(NeighborsOf(*vertex), (Vertices{&a, &b}));
  EXPECT_EQ(NeighborsOf(a), (Vertices{vertex.get()}));
  EXPECT_EQ(NeighborsOf(b), (Vertices{vertex.get()}));
  EXPECT_EQ(LinksOf(edge), (Links{&p1, &p2, &p1})) << "the edge is not split";
}

TEST(EdgeSplit, AVertexAtTheSecondEndIsRefusedByAFirstEndThatListsTheSecond) {
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(10, 0));
  a.AddNeighbor(&b);
  b.AddNeighbor(&a);
  const CEdge edge(&a, &b);

  const std::unique_ptr<CVertex> vertex(edge.CreateVertex(CFPPoint(10, 3)));
  ASSERT_NE(vertex, nullptr);
  EXPECT_EQ(NeighborsOf(*vertex), (Vertices{&a, &b}));
  EXPECT_EQ(NeighborsOf(a), (Vertices{&b}));
  EXPECT_EQ(NeighborsOf(b), (Vertices{&a, vertex.get()}));
}

TEST(EdgeSplit, CreateVertexRefusesAnEdgeWithCoincidingEndsOrAPointThatIsNotANumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CFPPolygon polygon;
  CVertex a(CFPPoint(4, 4)), alsoA(CFPPoint(4, 4)), b(CFPPoint(8, 4));
  CEdge collapsed(&a, &alsoA);
  CEdge edge(&a, &b);
  for (CEdge* e : {&collapsed, &edge}) {
    e->AddLink(&polygon);
    e->BeginIteration();
  }

  EXPECT_EQ(collapsed.CreateVertex(CFPPoint(5, 5)), nullptr);
  EXPECT_EQ(edge.CreateVertex(CFPPoint(nan, 5)), nullptr);
  EXPECT_EQ(collapsed.GetCurrentPoly(), &polygon) << "a refusal moves no cursor";
  EXPECT_EQ(edge.GetCurrentPoly(), &polygon);
  EXPECT_EQ(NeighborsOf(a), Vertices{});
}

TEST(EdgeSplit, TheHostHandsTheNewVertexToItsVertexList) {
  topology_test::Topology topology;
  CFPPolygon polygon;
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(0, 10), &polygon);
  topology.edges.AddEdge(a, b, &polygon);
  topology.edges.BeginIteration();

  CVertex* middle = topology.edges.GetCurrentEdge()->CreateVertex(CFPPoint(-2, 4));
  ASSERT_NE(middle, nullptr);
  topology.vertices.AddVertex(middle);
  EXPECT_EQ(VerticesOf(topology.vertices), (Vertices{a, b, middle}));
  EXPECT_EQ(middle->m_point.x, 0.0);
  EXPECT_EQ(middle->m_point.y, 4.0);

  topology.vertices.DeleteVertex(middle);
  EXPECT_EQ(NeighborsOf(*a), Vertices{});
  EXPECT_EQ(NeighborsOf(*b), Vertices{});
}
