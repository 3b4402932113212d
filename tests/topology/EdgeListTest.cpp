#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::CountedVertex;
using topology_test::EdgesOf;
using topology_test::LinksOf;
using topology_test::NeighborsOf;
using topology_test::Topology;

namespace {

using Edges = std::vector<CEdge*>;
using Links = std::vector<CFPPolygon*>;

}  // namespace

TEST(EdgeList, AddEdgeMergesTheSameTwoVerticesInEitherOrderKeepingTheFirstDirection) {
  Topology topology;
  CFPPolygon p1, p2;
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &p1);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(1, 0), &p1);

  topology.edges.AddEdge(a, b, &p1);
  topology.edges.AddEdge(b, a, &p2);
  topology.edges.AddEdge(a, b, &p1);
  const Edges edges = EdgesOf(topology.edges);
  ASSERT_EQ(edges.size(), 1u);
  EXPECT_EQ(edges[0]->m_pVertex1, a);
  EXPECT_EQ(edges[0]->m_pVertex2, b);
  EXPECT_EQ(LinksOf(*edges[0]), (Links{&p1, &p2, &p1}));
  EXPECT_EQ(NeighborsOf(*a), std::vector<CVertex*>{}) << "neighbours are the host's business";
}

TEST(EdgeList, AddEdgeComparesEndsByIdentityNotByPosition) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(1, 0), &polygon);
  CVertex twinOfB(CFPPoint(1, 0));

  topology.edges.AddEdge(a, b, &polygon);
  topology.edges.AddEdge(a, &twinOfB, &polygon);
  topology.edges.AddEdge(b, b, &polygon);
  const Edges edges = EdgesOf(topology.edges);
  ASSERT_EQ(edges.size(), 3u);
  EXPECT_EQ(edges[1]->m_pVertex2, &twinOfB);
  EXPECT_EQ(edges[2]->m_pVertex1, b);
  EXPECT_EQ(edges[2]->m_pVertex2, b);
}

TEST(EdgeList, AddEdgeLeavesTheCursorAfterTheEdgeFoundOrAtTheEnd) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* a = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* b = topology.vertices.AddVertex(CFPPoint(1, 0), &polygon);
  CVertex* c = topology.vertices.AddVertex(CFPPoint(1, 1), &polygon);
  topology.edges.AddEdge(a, b, &polygon);
  topology.edges.AddEdge(b, c, &polygon);
  EXPECT_EQ(topology.edges.isIterationFinished(), 1);

  topology.edges.AddEdge(b, a, &polygon);
  const CEdge* second = topology.edges.GetCurrentEdge();
  EXPECT_EQ(second->m_pVertex1, b);
  EXPECT_EQ(second->m_pVertex2, c);
  EXPECT_EQ(topology.edges.GetNextEdge(), second);
  EXPECT_THROW(topology.edges.GetNextEdge(), CInvalidArgException);
  EXPECT_THROW(topology.edges.GetCurrentEdge(), CInvalidArgException);
}

TEST(EdgeList, GetNearestTakesTheFirstStrictlyNearestEdgeAndNeverOneWithCoincidingEnds) {
  Topology topology;
  CFPPolygon polygon;
  CVertex* origin = topology.vertices.AddVertex(CFPPoint(0, 0), &polygon);
  CVertex* east = topology.vertices.AddVertex(CFPPoint(10, 0), &polygon);
  CVertex* north = topology.vertices.AddVertex(CFPPoint(0, 10), &polygon);
  CVertex* farNorth = topology.vertices.AddVertex(CFPPoint(0, 20), &polygon);
  EXPECT_EQ(topology.edges.GetNearest(CFPPoint(0, 0), 100), nullptr);

  topology.edges.AddEdge(origin, origin, &polygon);  // measures NaN from everywhere
  topology.edges.AddEdge(north, farNorth, &polygon);
  topology.edges.AddEdge(origin, east, &polygon);
  topology.edges.AddEdge(north, east, &polygon);
  const Edges edges = EdgesOf(topology.edges);
  ASSERT_EQ(edges.size(), 4u);

  EXPECT_EQ(topology.edges.GetNearest(CFPPoint(3, 1), 100), edges[2]);
  EXPECT_EQ(topology.edges.GetNearest(CFPPoint(3, 1), 1), nullptr) << "1 is not nearer than 1";
  EXPECT_EQ(topology.edges.GetNearest(CFPPoint(-3, 15), 100), edges[1]);
  // Edges 1, 2 and 3 all measure hypot(5, 5) to their nearest end; the
  // first of them wins.
  topology.edges.BeginIteration();
  EXPECT_EQ(topology.edges.GetNearest(CFPPoint(-5, 5), 100), edges[1]);
  EXPECT_EQ(topology.edges.isIterationFinished(), 1);
}

TEST(EdgeList, EmptyDestroysTheEdgesButNotTheirVertices) {
  int verticesDestroyed = 0;
  CountedVertex a(CFPPoint(0, 0), verticesDestroyed), b(CFPPoint(1, 0), verticesDestroyed);
  CFPPolygon polygon;
  CEdgeList list;
  list.AddEdge(&a, &b, &polygon);
  list.BeginIteration();

  list.Empty();
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(EdgesOf(list), Edges{});
  EXPECT_EQ(verticesDestroyed, 0);
  EXPECT_EQ(LinksOf(a), Links{}) << "the vertices are still whole";
}

TEST(EdgeList, DestroyingTheListLeavesTheEdgesAlive) {
  CVertex a(CFPPoint(0, 0)), b(CFPPoint(1, 0));
  CFPPolygon polygon;
  std::unique_ptr<CEdge> survivor;
  {
    CEdgeList list;
    list.AddEdge(&a, &b, &polygon);
    list.BeginIteration();
    survivor.reset(list.GetNextEdge());
  }
  EXPECT_EQ(LinksOf(*survivor), (Links{&polygon}));
  EXPECT_EQ(survivor->m_pVertex1, &a);
}
