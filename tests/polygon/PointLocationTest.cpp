#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "support/Shapes.h"

namespace {

using namespace fpgeom::test;

const Ring kUnitSquare = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

// Self-meeting rings weigh their loops by sign; the runaway ring, which makes
// the breakdown insert without end, is located as a whole.
TEST(PointLocation, PtInPolygonCountsTheBoundaryAsInsideAndWeighsLoopsByTheirSign) {
  struct Case {
    Ring ring;
    double x, y;
    int inside;
  };
  const Ring diamond = {{1, 0}, {2, 1}, {1, 2}, {0, 1}};
  const Ring uShape = {{0, 0}, {4, 0}, {4, 2}, {3, 2}, {3, 1}, {1, 1}, {1, 2}, {0, 2}};
  const Ring figureEight = {{0, 0}, {2, 2}, {2, 0}, {0, 2}};
  const Ring chain = {{0, 0}, {2, 2}, {4, 0}, {4, 2}, {2, 0}, {0, 2}};
  const Ring squareWithHole = {{0, 0}, {0, 3}, {3, 3}, {3, 0}, {0, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}};
  const Ring runaway = {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {kUnitSquare, 0.5, 0.5, 1},      {kUnitSquare, 0, 0.5, 1},        {kUnitSquare, 1, 1, 1},
      {kUnitSquare, 2, 0.5, 0},        {kUnitSquare, 0.5, 1.5, 0},      {kUnitSquare, 1 + 1e-7, 0.5, 1},
      {kUnitSquare, 1 + 2e-7, 0.5, 0}, {kUnitSquare, nan, nan, 0},
      // The horizontal through (0.5,1) passes through two vertices; the ring
      // goes on upwards at (2,1), which counts once.
      {diamond, 0.5, 1, 1},            {diamond, 0.2, 0.5, 0},          {uShape, 2, 0.5, 1},
      {uShape, 0.5, 1, 1},             {uShape, 2, 1.5, 0},             {uShape, 2, 1, 1},
      {uShape, 3.5, 1.5, 1},           {{{0, 0}, {2, 2}}, 1, 1, 1},     {{{0, 0}, {2, 2}}, 0.5, 0.4, 0},
      {figureEight, 1.8, 1, 1},        {figureEight, 0.2, 1, 1},        {figureEight, 1, 0.2, 0},
      {chain, 0.2, 1, 1},              {chain, 2, 1.5, 1},              {chain, 1, 1.5, 0},
      {squareWithHole, 0.5, 2.5, 1},   {squareWithHole, 1.5, 1.5, 0},   {runaway, 0, -0.5, 1},
      {runaway, 1.5, -0.5, 0},         {runaway, 1, 0, 0},
      // An infinite edge line gives a NaN abscissa, never a crossing.
      {{{0, 0}, {0, inf}, {inf, inf}, {inf, 0}}, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ") in a ring of " << c.ring.size());
    EXPECT_EQ(PolygonOf(c.ring).PtInPolygon(c.x, c.y), c.inside);
  }
}

TEST(PointLocation, DistanceFromPointIsNegativeInsideAndNeverForADegeneratePolygon) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(0.5, 0.5)), -0.5);
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);
  EXPECT_TRUE(std::signbit(square.DistanceFromPoint(CFPPoint(1, 0.5))));
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(std::nan(""), 0.5)), HUGE_VAL);
  // The zero-length closing edge is passed over.
  EXPECT_EQ(PolygonOf({{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}).DistanceFromPoint(CFPPoint(3, 0.5)), 2.0);
  const CFPSegment diagonal(CFPPoint(0, 0), CFPPoint(2, 2));
  EXPECT_EQ(PolygonOf({{0, 0}, {2, 2}}).DistanceFromPoint(CFPPoint(2, 0)), diagonal.distance(CFPPoint(2, 0)));
  EXPECT_EQ(PolygonOf({{3, 4}}).DistanceFromPoint(CFPPoint(0, 0)), 5.0);
  const double onThePoint = PolygonOf({{1, 1}, {1, 1}, {1, 1}}).DistanceFromPoint(CFPPoint(1, 1));
  EXPECT_EQ(onThePoint, 0.0);
  EXPECT_FALSE(std::signbit(onThePoint));
}

TEST(PointLocation, NearestVertexAndEdgeAreTheFirstStrictlyNearerThanTheTolerance) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  CFPPoint vertex(9, 9);
  square.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0.1, 0.1), 0.1, vertex), 0);
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0, 2), 1.0, vertex), 0);
  EXPECT_EQ(vertex, CFPPoint(9, 9));
  EXPECT_EQ(square.isPosValid(), 0);
  // (0,1) and (1,1) are equally near: the first from the head wins.
  EXPECT_EQ(square.GetNearestVertex(CFPPoint(0.5, 1), 1.0, vertex), 1);
  EXPECT_EQ(vertex, CFPPoint(0, 1));

  CFPSegment edge(CFPPoint(9, 9), CFPPoint(9, 9));
  EXPECT_EQ(square.GetNearestEdge(CFPPoint(0.5, -0.1), 0.5, edge, 0), 0);
  EXPECT_EQ(edge.pt1, CFPPoint(9, 9));
  // (0.5, 0.5) is 0.5 from all four edges: the closing edge comes first.
  square.BeginIteration(DIR_FORWARD);
  EXPECT_EQ(square.GetNearestEdge(CFPPoint(0.5, 0.5), 1.0, edge, 1), 1);
  EXPECT_TRUE(edge == CFPSegment(CFPPoint(1, 0), CFPPoint(0, 0)));
  EXPECT_EQ(square.isPosValid(), 0);
  // Two points have one edge, closed or not, and a zero-length edge is never chosen.
  EXPECT_EQ(PolygonOf({{0, 0}, {2, 0}}).GetNearestEdge(CFPPoint(1, 0.5), 1.0, edge, 0), 1);
  EXPECT_EQ(PolygonOf({{1, 1}, {1, 1}}).GetNearestEdge(CFPPoint(1, 1), 1.0, edge, 1), 0);
  EXPECT_EQ(PolygonOf({{0, 0}, {0, 0}, {3, 0}}).GetNearestEdge(CFPPoint(0, 0.1), 1.0, edge, 0), 1);
  EXPECT_TRUE(edge == CFPSegment(CFPPoint(0, 0), CFPPoint(3, 0)));
}

// A plus sign: no vertex of either lies in the other, but the edges cross.
TEST(PointLocation, IsIntersectFindsCrossingEdgesAndRejectsAnEmptyPolygon) {
  const CFPPolygon square = PolygonOf(kUnitSquare);
  EXPECT_EQ(square.isIntersect(PolygonOf({{-1, 0.4}, {-1, 0.6}, {2, 0.6}, {2, 0.4}})), 1);
  EXPECT_THROW(square.isIntersect(CFPPolygon()), CInvalidArgException);
  EXPECT_THROW(CFPPolygon().isIntersect(square), CInvalidArgException);
}

}  // namespace
