#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;

TEST(Polygon, MirrorReflectsInTheAxesItsModeNames) {
  const struct {
    int mode;
    double x0, y0;
    Coordinates expected;
  } cases[] = {{1, 1.0, 0.0, {{-1, 5}}}, {0, 0.0, 1.0, {{3, -3}}}, {-1, 1.0, 1.0, {{-1, -3}}}, {2, 1.0, 1.0, {{3, 5}}}};
  for (const auto& c : cases) {
    CFPPolygon polygon = PolygonOf({{3, 5}});
    polygon.BeginIteration(0);
    polygon.mirror(c.mode, c.x0, c.y0);
    EXPECT_EQ(polygon.isIterationFinished(), 1) << "mode " << c.mode;
    EXPECT_EQ(PointsOf(polygon), c.expected) << "mode " << c.mode;
  }
}

// An origin that is a point of the ring itself still counts as it was on entry.
TEST(Polygon, ResizeScalesAboutTheOriginItWasGivenOnEntry) {
  CFPPolygon triangle = PolygonOf({{1, 1}, {2, 3}, {5, 1}});
  triangle.BeginIteration(0);
  triangle.resize(triangle.getHeadNode(), 2, 3);
  EXPECT_EQ(triangle.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(triangle), (Coordinates{{1, 1}, {3, 7}, {9, 1}}));
}

TEST(Polygon, RotateTurnsEveryPointAsAPointTurnsItselfAndShiftsMoveEveryPoint) {
  const Coordinates ring = {{0.3, -1.7}, {4.1, 2.9}, {-2.2, 0.6}};
  const CFPPoint center(0.7, -0.4);
  CFPPolygon polygon = PolygonOf(ring);
  polygon.rotate(0.83, center);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  Coordinates expected;
  for (const auto& [x, y] : ring) {
    CFPPoint point(x, y);
    point.rotate(0.83, center);
    expected.emplace_back(point.x, point.y);
  }
  EXPECT_EQ(PointsOf(polygon), expected);

  CFPPolygon triangle = PolygonOf({{0, 0}, {0, 2}, {3, 1}});
  triangle.BeginIteration(0);
  triangle += CFPSize(1, -1);
  EXPECT_EQ(triangle.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(triangle), (Coordinates{{1, -1}, {1, 1}, {4, 0}}));
  triangle -= CFPSize(2, 1);
  EXPECT_EQ(PointsOf(triangle), (Coordinates{{-1, -2}, {-1, 0}, {2, -1}}));
}
