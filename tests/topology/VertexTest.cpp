#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::NeighborsOf;

namespace {

using Neighbors = std::vector<CVertex*>;

}  // namespace

TEST(Vertex, ConstructorsTakeThePositionExactlyAndStartWithEmptyListsAndEndedCursors) {
  const CVertex fromPoint(CFPPoint(1.5, -2.25));
  EXPECT_EQ(fromPoint.m_point.x, 1.5);
  EXPECT_EQ(fromPoint.m_point.y, -2.25);

  const CVertex fromIntegers(CPoint(INT32_MIN, INT32_MAX));
  EXPECT_EQ(fromIntegers.m_point.x, -2147483648.0);
  EXPECT_EQ(fromIntegers.m_point.y, 2147483647.0);

  EXPECT_EQ(fromIntegers.IsLinked(), 1);
  EXPECT_EQ(fromIntegers.isIterationFinished(), 1);
  EXPECT_EQ(fromIntegers.isNeighborIterationFinished(), 1);
  EXPECT_THROW(fromIntegers.GetNextNeighbor(), CInvalidArgException);
}

TEST(Vertex, AddNeighborRefusesAnyVertexAtAListedNeighboursPosition) {
  CVertex center(CFPPoint(0, 0));
  CVertex east(CFPPoint(1, 0));
  CVertex alsoEast(CFPPoint(1 + 1e-7, -1e-7));
  CVertex exactlyEpsilonAway(CFPPoint(1 + fpgeom::kPointEpsilon, 0));
  CVertex furtherEast(CFPPoint(1 + 2e-7, 0));

  center.AddNeighbor(&east);
  center.AddNeighbor(&east);
  center.AddNeighbor(&alsoEast);
  center.AddNeighbor(&exactlyEpsilonAway);
  center.AddNeighbor(&furtherEast);
  EXPECT_EQ(NeighborsOf(center), (Neighbors{&east, &furtherEast}));
}

TEST(Vertex, AddNeighborLeavesTheCursorAfterTheMatchOrAtTheEndWhenItAppends) {
  CVertex center(CFPPoint(0, 0));
  CVertex east(CFPPoint(1, 0)), west(CFPPoint(-1, 0)), north(CFPPoint(0, 1));
  center.AddNeighbor(&east);
  center.AddNeighbor(&west);

  center.AddNeighbor(&east);
  EXPECT_EQ(center.GetNextNeighbor(), &west);

  center.AddNeighbor(&north);
  EXPECT_EQ(center.isNeighborIterationFinished(), 1);
}

TEST(Vertex, AddNeighborAcceptsTheVertexItselfAndPositionsThatAreNotNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CVertex vertex(CFPPoint(0, 0));
  CVertex lost1(CFPPoint(nan, 0)), lost2(CFPPoint(nan, 0));

  vertex.AddNeighbor(&vertex);
  vertex.AddNeighbor(&lost1);
  vertex.AddNeighbor(&lost2);
  vertex.AddNeighbor(&lost1);
  EXPECT_EQ(NeighborsOf(vertex), (Neighbors{&vertex, &lost1, &lost2, &lost1}));
}

TEST(Vertex, RemoveNeighborRemovesThatVertexOrThrowsWhenItIsNotListed) {
  CVertex center(CFPPoint(0, 0));
  CVertex east(CFPPoint(1, 0)), west(CFPPoint(-1, 0)), atEastsPosition(CFPPoint(1, 0));
  center.AddNeighbor(&east);
  center.AddNeighbor(&west);

  EXPECT_THROW(center.RemoveNeighbor(&atEastsPosition), CInvalidArgException);
  EXPECT_EQ(NeighborsOf(center), (Neighbors{&east, &west}));

  center.BeginNeighborIteration();
  center.RemoveNeighbor(&west);
  EXPECT_EQ(center.GetNextNeighbor(), &east) << "a cursor elsewhere stays";
  center.RemoveNeighbor(&east);
  EXPECT_EQ(center.isNeighborIterationFinished(), 1);
  EXPECT_THROW(center.RemoveNeighbor(&east), CInvalidArgException);
}

TEST(Vertex, DistanceIsTheHypotenuseWithoutOverflow) {
  const CVertex vertex(CFPPoint(1, 2));
  EXPECT_EQ(vertex.distance(CFPPoint(4, 6)), 5.0);
  EXPECT_EQ(vertex.distance(CFPPoint(1, 2)), 0.0);
  // Squaring 1e200 overflows; the hypotenuse does not.
  EXPECT_EQ(vertex.distance(CFPPoint(1e200, 0)), 1e200);
}
