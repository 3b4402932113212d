#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

TEST(Vertex, TakesItsPositionExactlyAndMeasuresWithoutOverflow) {
  ExpectAt(CVertex(CPoint(INT32_MIN, INT32_MAX)).m_point, -2147483648.0, 2147483647.0);
  const CVertex vertex(CFPPoint(1, 2));
  EXPECT_EQ(vertex.distance(CFPPoint(4, 6)), 5.0);
  EXPECT_EQ(vertex.distance(CFPPoint(1e200, 0)), 1e200) << "squaring 1e200 overflows";
}

// Positions within 2^-23 per coordinate, the bound included, are one corner
// and a NaN position matches nothing; then the neighbour cursor: after the
// match, at the end after appending, and moved by a removal only when it
// designated the removed vertex, which must be that very vertex.
TEST(Vertex, AddNeighborRefusesAListedPositionAndNeighbourEditsMoveTheCursorAsDocumented) {
  CVertex center(CFPPoint(0, 0)), east(CFPPoint(1, 0)), alsoEast(CFPPoint(1 + 1e-7, -1e-7));
  CVertex exactlyEpsilonAway(CFPPoint(1 + fpgeom::kPointEpsilon, 0)), furtherEast(CFPPoint(1 + 2e-7, 0));
  CVertex lost(CFPPoint(std::numeric_limits<double>::quiet_NaN(), 0));
  for (CVertex* v : {&east, &east, &alsoEast, &exactlyEpsilonAway, &furtherEast, &center, &lost, &lost}) {
    center.AddNeighbor(v);
  }
  EXPECT_EQ(NeighborsOf(center), (Vertices{&east, &furtherEast, &center, &lost, &lost}));

  CVertex hub(CFPPoint(0, 0)), west(CFPPoint(-1, 0)), north(CFPPoint(0, 1));
  for (CVertex* v : {&east, &west, &east}) hub.AddNeighbor(v);
  EXPECT_EQ(hub.GetNextNeighbor(), &west);
  hub.AddNeighbor(&north);
  EXPECT_EQ(hub.isNeighborIterationFinished(), 1);
  EXPECT_THROW(hub.GetNextNeighbor(), CInvalidArgException);
  EXPECT_THROW(hub.RemoveNeighbor(&alsoEast), CInvalidArgException);
  hub.BeginNeighborIteration();
  hub.RemoveNeighbor(&west);
  EXPECT_EQ(hub.GetNextNeighbor(), &east);
  hub.RemoveNeighbor(&north);
  EXPECT_EQ(hub.isNeighborIterationFinished(), 1);
  EXPECT_EQ(NeighborsOf(hub), Vertices{&east});
}
