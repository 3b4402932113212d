#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fpgeom/values/FPPoint.h"

namespace {

const double kPi = std::acos(-1.0);

bool SixteenBitPlatform() { return true; }

TEST(PointTransforms, DistanceIsTheHypotenuseWithoutOverflow) {
  EXPECT_EQ(CFPPoint(1.0, 2.0).distance(CFPPoint(4.0, 6.0)), 5.0);
  // The squares would overflow; powers of two keep the answer exact.
  EXPECT_EQ(CFPPoint(0.0, 0.0).distance(CFPPoint(std::ldexp(3.0, 600), std::ldexp(-4.0, 600))), std::ldexp(5.0, 600));
}

TEST(PointTransforms, PositiveAngleTurnsClockwiseAboutTheCentreAddedLast) {
  // cos(pi/2) is 6.1e-17: it vanishes when the centre's 1 is added last,
  // and survives about the origin.
  const struct {
    double x, y, angle, centerX, centerY, expectedX, expectedY;
  } cases[] = {
      {1.0, 2.0, kPi / 2, 1.0, 1.0, 2.0, 1.0},
      {2.0, 1.0, -kPi / 2, 1.0, 1.0, 1.0, 2.0},
      {1.0, 0.0, kPi / 2, 0.0, 0.0, std::cos(kPi / 2), -1.0},
  };
  for (const auto& c : cases) {
    CFPPoint point(c.x, c.y);
    point.rotate(c.angle, CFPPoint(c.centerX, c.centerY));
    EXPECT_EQ(point.x, c.expectedX) << c.x << ", " << c.y;
    EXPECT_EQ(point.y, c.expectedY) << c.x << ", " << c.y;
  }
}

TEST(PointTransforms, TruncateClampsEachCoordinateOnlyOnTheSixteenBitPlatform) {
  CFPPoint untouched(40000.0, -40000.0);
  untouched.truncate();
  EXPECT_EQ(untouched.x, 40000.0);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double x, y, expectedX, expectedY;
  } cases[] = {
      {40000.0, -40000.0, 32767.0, -32768.0},
      {-32768.5, 32767.5, -32768.0, 32767.0},
      {-32768.0, 32767.0, -32768.0, 32767.0},
      {12.75, 1e300, 12.75, 32767.0},
      {nan, 0.0, nan, 0.0},
  };
  for (const auto& c : cases) {
    CFPPoint point(c.x, c.y);
    point.truncate(&SixteenBitPlatform);
    EXPECT_TRUE(point.x == c.expectedX || (std::isnan(c.expectedX) && std::isnan(point.x))) << c.x;
    EXPECT_EQ(point.y, c.expectedY) << c.y;
  }
}

}  // namespace
