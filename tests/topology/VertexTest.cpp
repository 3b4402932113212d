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

// Positions within 2^-23 per coordinate, the bound included, are one corner;
// a position that is not a number matches nothing.
TEST(Vertex, AddNeighborRefusesAnyVertexAtAListedNeighboursPosition) {
  CVertex center(CFPPoint(0, 0)), east(CFPPoint(1, 0)), alsoEast(CFPPoint(1 + 1e-7, -1e-7));
  CVertex exactlyEpsilonAway(CFPPoint(1 + fpgeom::kPointEpsilon, 0)), furtherEast(CFPPoint(1 + 2e-7, 0));
  CVertex lost(CFPPoint(std::numeric_limits<double>::quiet_NaN(), 0));
  for (CVertex* v : {&east, &east, &alsoEast, &exactlyEpsilonAway, &furtherEast, &center, &lost, &lost}) {
    center.AddNeighbor(v);
  }
  EXPECT_EQ(NeighborsOf(center), (Vertices{&east, &furtherEast, &center, &lost, &lost}));
}

TEST(Vertex, NeighbourEditsMoveTheCursorAsDocumentedAndRemoveThatVeryVertexOrThrow) {
  CVertex center(CFPPoint(0, 0));
  CVertex east(CFPPoint(1, 0)), west(CFPPoint(-1, 0)), north(CFPPoint(0, 1)), atEastsPosition(CFPPoint(1, 0));
  center.AddNeighbor(&east);
  center.AddNeighbor(&west);
  center.AddNeighbor(&east);
  EXPECT_EQ(center.GetNextNeighbor(), &west) << "after the match";
  center.AddNeighbor(&north);
  EXPECT_EQ(center.isNeighborIterationFinished(), 1) << "at the end after appending";
  EXPECT_THROW(center.GetNextNeighbor(), CInvalidArgException);

  EXPECT_THROW(center.RemoveNeighbor(&atEastsPosition), CInvalidArgException);
  EXPECT_EQ(NeighborsOf(center), (Vertices{&east, &west, &north}));
  center.BeginNeighborIteration();
  center.RemoveNeighbor(&west);
  EXPECT_EQ(center.GetNextNeighbor(), &east) << "a cursor elsewhere stays";
  center.RemoveNeighbor(&north);
  EXPECT_EQ(center.isNeighborIterationFinished(), 1);
  EXPECT_EQ(NeighborsOf(center), Vertices{&east});
}
