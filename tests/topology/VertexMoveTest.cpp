#include <gtest/gtest.h>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::AppendRing;
using topology_test::PointsOf;
using topology_test::Ring;

namespace {

const Ring kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Ring kTriangle{{0, 0}, {10, 0}, {0, 10}};

struct VertexMoveCase {
  const char* what;
  Ring ring;
  CFPPoint from, to;
  int result;
  Ring after;
};

}  // namespace

TEST(VertexMove, MovesThePointInTheRingOrRefusesAndChangesNothing) {
  const VertexMoveCase cases[] = {
      {"inwards", kSquare, {10, 10}, {8, 8}, 1, {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"onto the diagonal: the moved point goes", kSquare, {10, 10}, {5, 5}, 1, {{0, 0}, {10, 0}, {0, 10}}},
      {"another corner goes", kSquare, {10, 10}, {20, 0}, 1, {{0, 0}, {20, 0}, {0, 10}}},
      {"to its own position", kSquare, {10, 10}, {10, 10}, 1, kSquare},
      {"point found within the tolerance", {{0, 0}, {10, 0}, {10 + 1e-7, 10}, {0, 10}}, {10, 10}, {8, 8}, 1,
       {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"three points on a line", kTriangle, {0, 10}, {5, 0}, 0, kTriangle},
      {"onto another corner", kTriangle, {0, 10}, {10, 0}, 0, kTriangle},
      {"a polygon of two points", {{0, 0}, {10, 0}}, {10, 0}, {5, 5}, 0, {{0, 0}, {10, 0}}},
      {"no point at the vertex", kSquare, {3, 3}, {4, 4}, 0, kSquare},
  };
  for (const VertexMoveCase& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon;
    AppendRing(polygon, c.ring);
    CVertex vertex(c.from);
    vertex.AddLink(&polygon);

    EXPECT_EQ(vertex.change(c.to), c.result);
    EXPECT_EQ(PointsOf(polygon), c.after);
    const CFPPoint& expectedPosition = c.result == 1 ? c.to : c.from;
    EXPECT_EQ(vertex.m_point.x, expectedPosition.x);
    EXPECT_EQ(vertex.m_point.y, expectedPosition.y);
  }
}

TEST(VertexMove, AVertexWithoutPolygonsJustMoves) {
  CVertex vertex(CFPPoint(1, 1));
  EXPECT_EQ(vertex.change(CFPPoint(-3, 7)), 1);
  EXPECT_EQ(vertex.m_point.x, -3.0);
  EXPECT_EQ(vertex.m_point.y, 7.0);
}

TEST(VertexMove, AMadeMoveLeavesEveryCursorAtTheEnd) {
  CFPPolygon first, second;
  AppendRing(first, kSquare);
  AppendRing(second, {{10, 10}, {20, 10}, {20, 0}, {10, 0}});
  CVertex vertex(CFPPoint(10, 10));
  vertex.AddLink(&first);
  vertex.AddLink(&second);
  first.BeginIteration(DIR_FORWARD);
  second.BeginIteration(DIR_FORWARD);

  ASSERT_EQ(vertex.change(CFPPoint(11, 12)), 1);
  EXPECT_EQ(vertex.isIterationFinished(), 1);
  EXPECT_EQ(first.isPosValid(), 0);
  EXPECT_EQ(second.isPosValid(), 0);
  EXPECT_EQ(PointsOf(first), (Ring{{0, 0}, {10, 0}, {11, 12}, {0, 10}}));
  EXPECT_EQ(PointsOf(second), (Ring{{11, 12}, {20, 10}, {20, 0}, {10, 0}}));
}

TEST(VertexMove, OnlyALaterPolygonDegeneratingRefusesTheMoveForAll) {
  CFPPolygon square, triangle, untried;
  AppendRing(square, kSquare);
  AppendRing(triangle, kTriangle);
  AppendRing(untried, {{0, 10}, {-10, 10}, {-10, 0}});
  CVertex vertex(CFPPoint(0, 10));
  for (CFPPolygon* polygon : {&square, &triangle, &untried}) {
    vertex.AddLink(polygon);
    polygon->BeginIteration(DIR_FORWARD);
  }

  // The square alone would take (5, 0); the triangle would be three points
  // on a line.
  EXPECT_EQ(vertex.change(CFPPoint(5, 0)), 0);
  EXPECT_EQ(vertex.GetCurrentPoly(), &untried) << "the cursor is after the polygon that failed";
  EXPECT_EQ(square.isPosValid(), 0) << "left at the end by its copy";
  EXPECT_EQ(triangle.isPosValid(), 0);
  EXPECT_EQ(untried.getCurrentNode().y, 10.0) << "a polygon never tried keeps its cursor";
  EXPECT_EQ(PointsOf(square), kSquare);
  EXPECT_EQ(PointsOf(triangle), kTriangle);
  EXPECT_EQ(vertex.m_point.x, 0.0);
  EXPECT_EQ(vertex.m_point.y, 10.0);
}

TEST(VertexMove, APolygonThatLostItsPointToAnEarlierCleanUpRefusesTheMove) {
  // Moving (10, 10) to (20, 0) takes (10, 0) out of the square as collinear,
  // while the vertex at (10, 0) still lists the square.
  CFPPolygon square, neighbour;
  AppendRing(square, kSquare);
  AppendRing(neighbour, {{10, 0}, {20, -10}, {10, -10}});
  CVertex corner(CFPPoint(10, 10));
  CVertex bottomRight(CFPPoint(10, 0));
  corner.AddLink(&square);
  bottomRight.AddLink(&neighbour);
  bottomRight.AddLink(&square);

  ASSERT_EQ(corner.change(CFPPoint(20, 0)), 1);
  ASSERT_EQ(PointsOf(square), (Ring{{0, 0}, {20, 0}, {0, 10}}));

  EXPECT_EQ(bottomRight.change(CFPPoint(12, 1)), 0);
  EXPECT_EQ(PointsOf(neighbour), (Ring{{10, 0}, {20, -10}, {10, -10}}));
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {20, 0}, {0, 10}}));
  EXPECT_EQ(bottomRight.m_point.x, 10.0);
}

TEST(VertexMove, APolygonListedTwiceHasEachOfItsPointsAtTheVertexMoved) {
  const Ring figureEight{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}};
  CFPPolygon polygon;
  AppendRing(polygon, figureEight);
  CVertex crossing(CFPPoint(5, 5));
  crossing.AddLink(&polygon);
  crossing.AddLink(&polygon);

  ASSERT_EQ(crossing.change(CFPPoint(4, 5)), 1);
  EXPECT_EQ(PointsOf(polygon), (Ring{{0, 0}, {10, 0}, {4, 5}, {10, 10}, {0, 10}, {4, 5}}));
}

TEST(VertexMove, AMoveWithinTheToleranceReplacesTheSamePointTwiceForAPolygonListedTwice) {
  // The second search finds the first point again, now at the new position.
  const double nudged = 5 + 1e-7;
  CFPPolygon polygon;
  AppendRing(polygon, {{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}});
  CVertex crossing(CFPPoint(5, 5));
  crossing.AddLink(&polygon);
  crossing.AddLink(&polygon);

  ASSERT_EQ(crossing.change(CFPPoint(nudged, 5)), 1);
  EXPECT_EQ(PointsOf(polygon), (Ring{{0, 0}, {10, 0}, {nudged, 5}, {10, 10}, {0, 10}, {5, 5}}));
}

TEST(VertexMove, APolygonListedTwiceButPassingOnceIsMovedOnce) {
  CFPPolygon square;
  AppendRing(square, kSquare);
  CVertex corner(CFPPoint(10, 10));
  corner.AddLink(&square);
  corner.AddLink(&square);

  EXPECT_EQ(corner.change(CFPPoint(8, 8)), 1);
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {10, 0}, {8, 8}, {0, 10}}));
  EXPECT_EQ(corner.m_point.x, 8.0);
}
