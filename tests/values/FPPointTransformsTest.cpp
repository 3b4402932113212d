#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fpgeom/values/FPPoint.h"

namespace {

const double kPi = std::acos(-1.0);

bool SixteenBitPlatform() { return true; }

TEST(PointTransforms, DistanceIsTheHypotenuseWithoutOverflow) {
  EXPECT_EQ(CFPPoint(1.0, 2.0).distance(CFPPoint(4.0, 6.0)), 5.0);
  EXPECT_EQ(CFPPoint(4.0, 6.0).distance(CFPPoint(1.0, 2.0)), 5.0);
  // The squares of these would overflow; powers of two keep the answer exact.
  EXPECT_EQ(CFPPoint(0.0, 0.0).distance(CFPPoint(std::ldexp(3.0, 600), std::ldexp(-4.0, 600))), std::ldexp(5.0, 600));
}

TEST(PointTransforms, PositiveAngleTurnsClockwiseAboutTheCentre) {
  // cos(pi/2) is 6.1e-17, which vanishes when added to the centre's 1.
  CFPPoint above(1.0, 2.0);
  above.rotate(kPi / 2, CFPPoint(1.0, 1.0));
  EXPECT_EQ(above.x, 2.0);
  EXPECT_EQ(above.y, 1.0);

  CFPPoint right(2.0, 1.0);
  right.rotate(kPi / 2, CFPPoint(1.0, 1.0));
  EXPECT_EQ(right.x, 1.0);
  EXPECT_EQ(right.y, 0.0);

  CFPPoint back(2.0, 1.0);
  back.rotate(-kPi / 2, CFPPoint(1.0, 1.0));
  EXPECT_EQ(back.x, 1.0);
  EXPECT_EQ(back.y, 2.0);
}

TEST(PointTransforms, QuarterTurnAboutTheOriginLeavesOnlyCosineRoundingInX) {
  CFPPoint point(1.0, 0.0);
  point.rotate(kPi / 2, CFPPoint(0.0, 0.0));
  // cos of the double nearest pi/2 is not zero; it is below 1e-16.
  EXPECT_NEAR(point.x, 0.0, 1e-16);
  EXPECT_NE(point.x, 0.0);
  EXPECT_EQ(point.y, -1.0);
}

TEST(PointTransforms, TruncateLeavesPointsAloneOffTheSixteenBitPlatform) {
  EXPECT_FALSE(fpgeom::IsSixteenBitGraphicsPlatform());
  CFPPoint point(40000.0, -40000.0);
  point.truncate();
  EXPECT_EQ(point.x, 40000.0);
  EXPECT_EQ(point.y, -40000.0);
}

TEST(PointTransforms, TruncateClampsEachCoordinateOnTheSixteenBitPlatform) {
  struct Case {
    double x, y, expectedX, expectedY;
  };
  const Case cases[] = {
      {40000.0, -40000.0, 32767.0, -32768.0},
      {-32768.5, 32767.5, -32768.0, 32767.0},
      {-32768.0, 32767.0, -32768.0, 32767.0},
      {12.75, -0.5, 12.75, -0.5},
  };
  for (const Case& c : cases) {
    CFPPoint point(c.x, c.y);
    point.truncate(&SixteenBitPlatform);
    EXPECT_EQ(point.x, c.expectedX);
    EXPECT_EQ(point.y, c.expectedY);
  }
  CFPPoint undefined(std::numeric_limits<double>::quiet_NaN(), 1e300);
  undefined.truncate(&SixteenBitPlatform);
  EXPECT_TRUE(std::isnan(undefined.x));
  EXPECT_EQ(undefined.y, 32767.0);
}

}  // namespace
