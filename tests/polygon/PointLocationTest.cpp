#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace {

using fpgeom::testing::Coordinates;
using fpgeom::testing::PolygonOf;

const Coordinates kUnitSquare = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

TEST(PointLocation, PtInPolygonCountsTheBoundaryAndVerticesAlongAHorizontalAsInside) {
  struct Case {
    Coordinates ring;
    double x, y;
    int inside;
  };
  const Coordinates diamond = {{1, 0}, {2, 1}, {1, 2}, {0, 1}};
  const Coordinates uShape = {{0, 0}, {4, 0}, {4, 2}, {3, 2}, {3, 1}, {1, 1}, {1, 2}, {0, 2}};
  const Coordinates segment = {{0, 0}, {2, 2}};
  const Case cases[] = {
      {kUnitSquare, 0.5, 0.5, 1},      {kUnitSquare, 0, 0.5, 1},        {kUnitSquare, 0.5, 1, 1},
      {kUnitSquare, 1, 1, 1},          {kUnitSquare, 2, 0.5, 0},        {kUnitSquare, 0.5, 1.5, 0},
      {kUnitSquare, 1 + 1e-7, 0.5, 1}, {kUnitSquare, 1 + 2e-7, 0.5, 0},
      // The horizontal through (0.5,1) passes through two vertices; the ring
      // goes on upwards at (2,1), which counts once.
      {diamond, 0.5, 1, 1},            {diamond, 0.2, 0.5, 0},          {diamond, 1.5, 1, 1},
      {uShape, 2, 0.5, 1},             {uShape, 0.5, 1, 1},             {uShape, 2, 1.5, 0},
      {uShape, 2, 1, 1},               {uShape, 3.5, 1.5, 1},           {uShape, 5, 1, 0},
      {segment, 1, 1, 1},              {segment, 0.5, 0.4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") in a ring of " << c.ring.size());
    const CFPPolygon polygon = PolygonOf(c.ring);
    EXPECT_EQ(polygon.PtInPolygon(CFPPoint(c.x, c.y)), c.inside);
    EXPECT_EQ(polygon.PtInPolygon(c.x, c.y), c.inside);
  }
}

TEST(PointLocation, PtInPolygonWeighsTheLoopsOfASelfIntersectingRingByTheirSign) {
  // Lobes of opposite orientation: each counts on its own.
  const CFPPolygon figureEight = PolygonOf({{0, 0}, {2, 2}, {2, 0}, {0, 2}});
  EXPECT_EQ(figureEight.PtInPolygon(1.8, 1), 1);
  EXPECT_EQ(figureEight.PtInPolygon(0.2, 1), 1);
  EXPECT_EQ(figureEight.PtInPolygon(1, 0.2), 0);

  // Loops (0,0),(1,1),(0,2) and (4,0),(4,2),(3,1) are holes by their sign,
  // the diamond between them is filled.
  const CFPPolygon chain = PolygonOf({{0, 0}, {2, 2}, {4, 0}, {4, 2}, {2, 0}, {0, 2}});
  EXPECT_EQ(chain.PtInPolygon(0.2, 1), 1);
  EXPECT_EQ(chain.PtInPolygon(2, 1.5), 1);
  EXPECT_EQ(chain.PtInPolygon(1, 1.5), 0);

  // A filled square run twice: a point in both a filled and a hole loop is
  // outside. The inner square (1,1)..(2,2) is walked anticlockwise.
  const CFPPolygon squareWithHole =
      PolygonOf({{0, 0}, {0, 3}, {3, 3}, {3, 0}, {0, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}});
  EXPECT_EQ(squareWithHole.PtInPolygon(0.5, 2.5), 1);
  EXPECT_EQ(squareWithHole.PtInPolygon(1.5, 1.5), 0);
}

// The ring that makes the breakdown insert without end is located as a whole.
TEST(PointLocation, PtInPolygonFallsBackToTheWholeRingWhenTheBreakdownRunsAway) {
  const CFPPolygon runaway = PolygonOf({{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}});
  EXPECT_EQ(runaway.PtInPolygon(0, -0.5), 1);
  EXPECT_EQ(runaway.PtInPolygon(1.5, -0.5), 0);
  EXPECT_EQ(runaway.PtInPolygon(1, 0), 0);
}

TEST(PointLocation, DistanceFromPointIsNegativeInsideAndPassesOverZeroLengthEdges) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(0.5, 0.5)), -0.5);
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);
  const double onBoundary = square.DistanceFromPoint(CFPPoint(1, 0.5));
  EXPECT_EQ(onBoundary, 0.0);
  EXPECT_TRUE(std::signbit(onBoundary));

  const CFPPolygon closedTwice = PolygonOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}});
  EXPECT_EQ(closedTwice.DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);

  const CFPSegment diagonal(CFPPoint(0, 0), CFPPoint(2, 2));
  EXPECT_EQ(PolygonOf({{0, 0}, {2, 2}}).DistanceFromPoint(CFPPoint(2, 0)), diagonal.distance(CFPPoint(2, 0)));
  EXPECT_EQ(PolygonOf({{3, 4}}).DistanceFromPoint(CFPPoint(0, 0)), 5.0);
}

TEST(PointLocation, DistanceFromPointOfDegeneratePolygonsIsNeverNegative) {
  EXPECT_EQ(CFPPolygon().DistanceFromPoint(CFPPoint(1, 2)), std::numeric_limits<double>::infinity());
  for (const Coordinates& ring : {Coordinates{{1, 1}, {1, 1}}, Coordinates{{1, 1}, {1, 1}, {1, 1}}}) {
    const double onThePoint = PolygonOf(ring).DistanceFromPoint(CFPPoint(1, 1));
    EXPECT_EQ(onThePoint, 0.0);
    EXPECT_FALSE(std::signbit(onThePoint));
    EXPECT_EQ(PolygonOf(ring).DistanceFromPoint(CFPPoint(4, 5)), 5.0);
  }
}

TEST(PointLocation, GetNearestVertexTakesTheFirstStrictlyNearerThanTheTolerance) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  CFPPoint vertex(9, 9);
  square.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0.1, 0.1), 0.5, vertex), 1);
  EXPECT_EQ(vertex.x, 0.0);
  EXPECT_EQ(vertex.y, 0.0);
  EXPECT_EQ(square.isPosValid(), 0);

  vertex = CFPPoint(9, 9);
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0.1, 0.1), 0.1, vertex), 0);
  EXPECT_EQ(vertex.x, 9.0);
  // Exactly at the tolerance is not near enough.
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0, 2), 1.0, vertex), 0);
  // (0,1) and (1,1) are equally near: the first from the head wins.
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0.5, 1), 1.0, vertex), 1);
  EXPECT_EQ(vertex.x, 0.0);
  EXPECT_EQ(vertex.y, 1.0);
}

TEST(PointLocation, GetNearestEdgeVisitsTheClosingEdgeFirstUnlessTheRingIsOpen) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  CFPSegment edge(CFPPoint(9, 9), CFPPoint(9, 9));
  square.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(square.GetNearestEdge(CFPPoint(0.5, -0.1), 0.5, edge, 1), 1);
  EXPECT_EQ(edge.pt1.x, 1.0);
  EXPECT_EQ(edge.pt1.y, 0.0);
  EXPECT_EQ(edge.pt2.x, 0.0);
  EXPECT_EQ(edge.pt2.y, 0.0);
  EXPECT_EQ(square.isPosValid(), 0);

  edge = CFPSegment(CFPPoint(9, 9), CFPPoint(9, 9));
  EXPECT_EQ(square.GetNearestEdge(CFPPoint(0.5, -0.1), 0.5, edge, 0), 0);
  EXPECT_EQ(edge.pt1.x, 9.0);

  // (0.5, 0.5) is 0.5 from all four edges: the closing edge comes first.
  EXPECT_EQ(square.GetNearestEdge(CFPPoint(0.5, 0.5), 1.0, edge, 1), 1);
  EXPECT_EQ(edge.pt1.x, 1.0);
  EXPECT_EQ(edge.pt2.x, 0.0);
  EXPECT_EQ(edge.pt2.y, 0.0);
}

TEST(PointLocation, GetNearestEdgeOfTwoPointsIgnoresClosedAndNeverChoosesAZeroLengthEdge) {
  const CFPPolygon segment = PolygonOf({{0, 0}, {2, 0}});
  CFPSegment edge(CFPPoint(9, 9), CFPPoint(9, 9));
  segment.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(segment.GetNearestEdge(CFPPoint(1, 0.5), 1.0, edge, 0), 1);
  EXPECT_EQ(edge.pt1.x, 0.0);
  EXPECT_EQ(edge.pt2.x, 2.0);
  EXPECT_EQ(segment.isPosValid(), 1);

  EXPECT_EQ(PolygonOf({{1, 1}, {1, 1}}).GetNearestEdge(CFPPoint(1, 1), 1.0, edge, 1), 0);
  EXPECT_EQ(PolygonOf({{1, 1}}).GetNearestEdge(CFPPoint(1, 1), 1.0, edge, 1), 0);
  EXPECT_EQ(PolygonOf({{0, 0}, {0, 0}, {3, 0}}).GetNearestEdge(CFPPoint(0, 0.1), 1.0, edge, 0), 1);
  EXPECT_EQ(edge.pt1.x, 0.0);
  EXPECT_EQ(edge.pt2.x, 3.0);
}

TEST(PointLocation, IsIntersectFindsContainedVerticesAndCrossingEdgesAndRejectsAnEmptyPolygon) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  EXPECT_EQ(square.isIntersect(PolygonOf({{0.5, 0.5}, {0.5, 3}, {3, 3}})), 1);
  EXPECT_EQ(PolygonOf({{0.5, 0.5}, {0.5, 3}, {3, 3}}).isIntersect(square), 1);
  // A plus sign: no vertex of either lies in the other.
  EXPECT_EQ(square.isIntersect(PolygonOf({{-1, 0.4}, {-1, 0.6}, {2, 0.6}, {2, 0.4}})), 1);
  EXPECT_EQ(square.isIntersect(PolygonOf({{5, 5}, {5, 6}, {6, 6}, {6, 5}})), 0);

  const CFPPolygon empty;
  EXPECT_THROW(square.isIntersect(empty), CInvalidArgException);
  EXPECT_THROW(empty.isIntersect(square), CInvalidArgException);
}

TEST(PointLocation, QueriesEndOnNonFiniteCoordinates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const CFPPolygon withNaN = PolygonOf({{0, 0}, {nan, 1}, {1, 1}, {1, 0}});
  const CFPPolygon square = PolygonOf(kUnitSquare);
  // NaN bounds make the box test pass every point on; an infinite edge line
  // gives a NaN abscissa, which never counts as a crossing.
  EXPECT_EQ(square.PtInPolygon(nan, nan), 0);
  EXPECT_EQ(PolygonOf({{0, 0}, {0, inf}, {inf, inf}, {inf, 0}}).PtInPolygon(1, 1), 0);
  EXPECT_EQ(withNaN.PtInPolygon(5, 5), 0);
  // Every edge distance is NaN and none is less than the start value.
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(nan, 0.5)), inf);
  CFPPoint vertex(7, 7);
  EXPECT_EQ(withNaN.GetNearestVertex(CFPPoint(nan, 0), 1e300, vertex), 0);
  EXPECT_EQ(vertex.x, 7.0);
}

}  // namespace
