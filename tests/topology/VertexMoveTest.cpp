#include <gtest/gtest.h>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

namespace {

const Ring kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Ring kTriangle{{0, 0}, {10, 0}, {0, 10}};
const Ring kFigureEight{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}};
const double kNudged = 5 + 1e-7;

}  // namespace

TEST(VertexMove, MovesThePointInTheRingOrRefusesAndChangesNothing) {
  const struct {
    const char* what;
    Ring ring;
    int links;  // how often the vertex lists the polygon
    CFPPoint from, to;
    int result;
    Ring after;
  } cases[] = {
      {"inwards", kSquare, 1, {10, 10}, {8, 8}, 1, {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"onto the diagonal: the moved point goes", kSquare, 1, {10, 10}, {5, 5}, 1, {{0, 0}, {10, 0}, {0, 10}}},
      {"another corner goes", kSquare, 1, {10, 10}, {20, 0}, 1, {{0, 0}, {20, 0}, {0, 10}}},
      {"point found within the tolerance", {{0, 0}, {10, 0}, {10 + 1e-7, 10}, {0, 10}}, 1, {10, 10}, {8, 8}, 1,
       {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"three points on a line", kTriangle, 1, {0, 10}, {5, 0}, 0, kTriangle},
      {"onto another corner", kTriangle, 1, {0, 10}, {10, 0}, 0, kTriangle},
      {"no point at the vertex", kSquare, 1, {3, 3}, {4, 4}, 0, kSquare},
      {"listed twice, passing twice", kFigureEight, 2, {5, 5}, {4, 5}, 1,
       {{0, 0}, {10, 0}, {4, 5}, {10, 10}, {0, 10}, {4, 5}}},
      // The second search finds the first point again, now at the new position.
      {"listed twice, moved within the tolerance", kFigureEight, 2, {5, 5}, {kNudged, 5}, 1,
       {{0, 0}, {10, 0}, {kNudged, 5}, {10, 10}, {0, 10}, {5, 5}}},
      {"listed twice, passing once", kSquare, 2, {10, 10}, {8, 8}, 1, {{0, 0}, {10, 0}, {8, 8}, {0, 10}}},
      {"no polygon at all", kSquare, 0, {1, 1}, {-3, 7}, 1, kSquare},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon;
    AppendRing(polygon, c.ring);
    CVertex vertex(c.from);
    for (int i = 0; i < c.links; ++i) vertex.AddLink(&polygon);
    EXPECT_EQ(vertex.change(c.to), c.result);
    EXPECT_EQ(PointsOf(polygon), c.after);
    const CFPPoint& expectedPosition = c.result == 1 ? c.to : c.from;
    ExpectAt(vertex.m_point, expectedPosition.x, expectedPosition.y);
  }
}

// Every copy is tried before any polygon changes: the square alone would take
// (5, 0), but the triangle would be three points on a line.
TEST(VertexMove, ALaterPolygonThatWouldDegenerateRefusesTheMoveForAll) {
  CFPPolygon square, triangle, untried;
  AppendRing(square, kSquare);
  AppendRing(triangle, kTriangle);
  AppendRing(untried, {{0, 10}, {-10, 10}, {-10, 0}});
  CVertex vertex(CFPPoint(0, 10));
  for (CFPPolygon* polygon : {&square, &triangle, &untried}) {
    vertex.AddLink(polygon);
    polygon->BeginIteration(DIR_FORWARD);
  }
  EXPECT_EQ(vertex.change(CFPPoint(5, 0)), 0);
  EXPECT_EQ(vertex.GetCurrentPoly(), &untried) << "the cursor is after the polygon that failed";
  EXPECT_EQ(square.isPosValid(), 0) << "left at the end by its copy";
  EXPECT_EQ(untried.getCurrentNode().y, 10.0) << "a polygon never tried keeps its cursor";
  EXPECT_EQ(PointsOf(square), kSquare);
  EXPECT_EQ(PointsOf(triangle), kTriangle);
  ExpectAt(vertex.m_point, 0.0, 10.0);
  ASSERT_EQ(vertex.change(CFPPoint(-1, 11)), 1);
  EXPECT_EQ(vertex.isIterationFinished(), 1);
  EXPECT_EQ(untried.isPosValid(), 0);
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {10, 0}, {10, 10}, {-1, 11}}));
  EXPECT_EQ(PointsOf(untried), (Ring{{-1, 11}, {-10, 10}, {-10, 0}}));
}

TEST(VertexMove, APolygonThatLostItsPointToAnEarlierCleanUpRefusesTheMove) {
  // Moving (10, 10) to (20, 0) takes (10, 0) out of the square as collinear,
  // while the vertex at (10, 0) still lists the square.
  CFPPolygon square, neighbour;
  AppendRing(square, kSquare);
  AppendRing(neighbour, {{10, 0}, {20, -10}, {10, -10}});
  CVertex corner(CFPPoint(10, 10)), bottomRight(CFPPoint(10, 0));
  corner.AddLink(&square);
  bottomRight.AddLink(&neighbour);
  bottomRight.AddLink(&square);
  ASSERT_EQ(corner.change(CFPPoint(20, 0)), 1);
  EXPECT_EQ(bottomRight.change(CFPPoint(12, 1)), 0);
  EXPECT_EQ(PointsOf(neighbour), (Ring{{10, 0}, {20, -10}, {10, -10}}));
  EXPECT_EQ(PointsOf(square), (Ring{{0, 0}, {20, 0}, {0, 10}}));
  ExpectAt(bottomRight.m_point, 10.0, 0.0);
}
