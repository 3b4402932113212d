#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

using Edges = std::vector<CEdge*>;

// Ends compare by identity, in either order; the edge found keeps the
// direction it was created with, and the cursor stops after it.
TEST(EdgeList, AddEdgeMergesTheSameTwoVerticesInEitherOrderAndLeavesTheCursorAfterTheMatch) {
  Topology topology;
  CFPPolygon p2;
  CVertex* a = topology.At(0, 0);
  CVertex* b = topology.At(1, 0);
  CVertex twinOfB(CFPPoint(1, 0));
  topology.edges.AddEdge(a, b, &topology.polygon);
  topology.edges.AddEdge(a, &twinOfB, &p2);
  EXPECT_EQ(topology.edges.isIterationFinished(), 1);
  topology.edges.AddEdge(b, a, &p2);
  const Edges edges = EdgesOf(topology.edges);
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_EQ(edges[0]->m_pVertex1, a);
  EXPECT_EQ(edges[0]->m_pVertex2, b);
  EXPECT_EQ(LinksOf(*edges[0]), (Links{&topology.polygon, &p2}));
  EXPECT_EQ(edges[1]->m_pVertex2, &twinOfB);
  EXPECT_EQ(NeighborsOf(*a), Vertices{}) << "neighbours are the host's business";

  topology.edges.AddEdge(b, a, &p2);
  EXPECT_EQ(topology.edges.GetCurrentEdge(), edges[1]);
  EXPECT_EQ(topology.edges.GetNextEdge(), edges[1]);
  EXPECT_THROW(topology.edges.GetNextEdge(), CInvalidArgException);
}

TEST(EdgeList, EmptyDestroysTheEdgesButNotTheirVerticesAndTheDestructorNeither) {
  int verticesDestroyed = 0;
  CountedVertex a(CFPPoint(0, 0), verticesDestroyed), b(CFPPoint(1, 0), verticesDestroyed);
  CFPPolygon polygon;
  std::unique_ptr<CEdge> survivor;
  {
    CEdgeList list;
    list.AddEdge(&a, &b, &polygon);
    list.BeginIteration();
    survivor.reset(list.GetNextEdge());
  }
  EXPECT_EQ(LinksOf(*survivor), (Links{&polygon}));
  CEdgeList list;
  list.AddEdge(&a, &b, &polygon);
  list.BeginIteration();
  list.Empty();
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(EdgesOf(list), Edges{});
  EXPECT_EQ(verticesDestroyed, 0);
}
