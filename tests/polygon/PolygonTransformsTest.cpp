#include <gtest/gtest.h>

#include <cmath>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;

namespace {

constexpr double kQuarterTurn = 1.5707963267948966;  // pi / 2
const Coordinates kTriangle = {{0, 0}, {0, 2}, {3, 1}};

}  // namespace

TEST(Polygon, MirrorReflectsInTheAxesItsModeNames) {
  struct Case {
    int mode;
    double x0, y0;
    Coordinates expected;
  };
  const Case cases[] = {
      {1, 1.0, 0.0, {{-1, 5}}},
      {0, 0.0, 1.0, {{3, -3}}},
      {-1, 1.0, 1.0, {{-1, -3}}},
      {2, 1.0, 1.0, {{3, 5}}},
  };
  for (const Case& c : cases) {
    CFPPolygon polygon = PolygonOf({{3, 5}});
    polygon.BeginIteration(0);
    polygon.mirror(c.mode, c.x0, c.y0);
    EXPECT_EQ(polygon.isIterationFinished(), 1) << "mode " << c.mode;
    EXPECT_EQ(PointsOf(polygon), c.expected) << "mode " << c.mode;
  }
}

TEST(Polygon, ResizeScalesAboutTheOriginItWasGivenOnEntry) {
  CFPPolygon polygon = PolygonOf({{2, 2}, {1, 1}});
  polygon.BeginIteration(0);
  polygon.resize(CFPPoint(1, 1), 2, 3);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{3, 4}, {1, 1}}));

  // An origin that is a point of the ring itself still counts as it was on entry.
  CFPPolygon triangle = PolygonOf({{1, 1}, {2, 3}, {5, 1}});
  triangle.resize(triangle.getHeadNode(), 2, 2);
  EXPECT_EQ(PointsOf(triangle), (Coordinates{{1, 1}, {3, 5}, {9, 1}}));
}

TEST(Polygon, RotateTurnsEveryPointAsAPointTurnsItself) {
  CFPPolygon quarter = PolygonOf({{1, 0}});
  quarter.rotate(kQuarterTurn, CFPPoint(0, 0));
  EXPECT_EQ(quarter.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(quarter), (Coordinates{{std::cos(kQuarterTurn), -1.0}}));

  const Coordinates ring = {{0.3, -1.7}, {4.1, 2.9}, {-2.2, 0.6}};
  const CFPPoint center(0.7, -0.4);
  CFPPolygon polygon = PolygonOf(ring);
  polygon.rotate(0.83, center);
  Coordinates expected;
  for (const auto& [x, y] : ring) {
    CFPPoint point(x, y);
    point.rotate(0.83, center);
    expected.emplace_back(point.x, point.y);
  }
  EXPECT_EQ(PointsOf(polygon), expected);
}

TEST(Polygon, ShiftingThereAndBackRestoresTheRing) {
  CFPPolygon polygon = PolygonOf(kTriangle);
  polygon.BeginIteration(0);
  polygon += CFPSize(1, -1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{1, -1}, {1, 1}, {4, 0}}));
  polygon.BeginIteration(0);
  polygon -= CFPSize(1, -1);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), kTriangle);
}
