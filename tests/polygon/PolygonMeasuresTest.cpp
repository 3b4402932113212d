#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "values/RectExpectations.h"

using fpgeom::testing::ExpectRect;
using fpgeom::testing::PolygonOf;

TEST(Polygon, AreaIsPositiveForAClockwiseRingAndZeroForTooFewPoints) {
  CFPPolygon rectangle = PolygonOf({{0, 0}, {0, 1}, {2, 1}, {2, 0}});
  EXPECT_EQ(rectangle.Area(), 2.0);
  EXPECT_EQ(rectangle.isFilled(), 1);
  EXPECT_EQ(rectangle.isIterationFinished(), 1);
  rectangle.Revert();
  EXPECT_EQ(rectangle.Area(), -2.0);
  EXPECT_EQ(rectangle.isFilled(), 0);

  CFPPolygon pair = PolygonOf({{0, 0}, {5, 5}});
  pair.BeginIteration(1);
  EXPECT_EQ(pair.Area(), 0.0);
  EXPECT_EQ(pair.isFilled(), 1);
  EXPECT_EQ(pair.getCurrentNode(), CFPPoint(5, 5));
}

TEST(Polygon, AreaAddsItsTermsInTheWrittenOrder) {
  // Coordinates whose products round, so that another formula or another
  // order of additions gives other bits.
  const double x0 = 0.1, y0 = 0.7, x1 = 1e8 + 0.3, y1 = 0.2, x2 = -3.3, y2 = 1e-3;
  const CFPPolygon triangle = PolygonOf({{x0, y0}, {x1, y1}, {x2, y2}});
  const double expected = ((x0 - x1) * y2 + ((x1 - x2) * y0 + (x2 - x0) * y1)) * 0.5;
  EXPECT_EQ(triangle.Area(), expected);
}

TEST(Polygon, BoundsRectangleHoldsEveryPointAndIsZeroForNone) {
  CFPPolygon polygon = PolygonOf({{1, 5}, {-2, 3}, {4, 7}, {0, -6}});
  polygon.BeginIteration(0);
  ExpectRect(polygon.getBoundsRect(), -2, -6, 4, 7);
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  ExpectRect(CFPPolygon().getBoundsRect(), 0, 0, 0, 0);
}

// The mass center averages the vertices and needs three; the center point
// takes the bounds' center and needs two.
TEST(Polygon, MassCenterAndCenterPointNeedEnoughPointsAndOtherwiseLeaveEverythingAlone) {
  CFPPolygon closed = PolygonOf({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}});
  CFPPoint mass(-1, -1);
  CFPPoint center(-1, -1);
  closed.BeginIteration(0);
  EXPECT_EQ(closed.getMassCenter(mass), 1);
  EXPECT_EQ(closed.isIterationFinished(), 1);
  EXPECT_EQ(closed.GetCenterPoint(center), 1);
  EXPECT_EQ(mass.x, 1.6);
  EXPECT_EQ(mass.y, 1.6);
  EXPECT_EQ(center.x, 2.0);
  EXPECT_EQ(center.y, 2.0);

  CFPPolygon pair = PolygonOf({{1, 2}, {3, 6}});
  CFPPoint untouched(-1, -1);
  pair.BeginIteration(1);
  EXPECT_EQ(pair.getMassCenter(untouched), 0);
  EXPECT_EQ(untouched.x, -1.0);
  EXPECT_EQ(pair.isPosValid(), 1);
  EXPECT_EQ(PolygonOf({{1, 2}}).GetCenterPoint(untouched), 0);
  EXPECT_EQ(untouched.x, -1.0);
}
