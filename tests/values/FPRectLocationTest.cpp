#include <gtest/gtest.h>

#include <limits>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RectLocation, PtInRectHoldsTheLeftAndBottomEdgesButNotTheRightAndTop) {
  struct Case {
    double x, y;
    int expected;
  };
  const Case cases[] = {
      {0, 0, 1},  {5, 5, 1},       {9.999999, 9.999999, 1}, {10, 5, 0},   {5, 10, 0},
      {0, 10, 0}, {-1e-300, 5, 0}, {5, -1e-300, 0},         {kNaN, 5, 0}, {5, kNaN, 0},
  };
  const CFPRect square = RectFromCorners(0, 0, 10, 10);
  const CFPRect inverted = RectFromCorners(10, 10, 0, 0);
  for (const Case& c : cases) {
    EXPECT_EQ(square.PtInRect(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
    EXPECT_EQ(inverted.PtInRect(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
  }
  ExpectRect(inverted, 10, 10, 0, 0);
}

TEST(RectLocation, DistanceIsNegativeInsideAndReachesCornersOutside) {
  struct Case {
    double x, y, expected;
  };
  const Case cases[] = {
      {5, 1, -1},  {9, 5, -1}, {5, 5, -5}, {-1, 5, 1}, {5, 12, 2}, {13, 14, 5},
      {-3, -4, 5}, {10, 5, 0}, {0, 0, 0},  {5, 0, 0},  {12, 5, 2}, {-6, 18, 10},
  };
  const CFPRect square = RectFromCorners(0, 0, 10, 10);
  const CFPRect inverted = RectFromCorners(10, 0, 0, 10);
  for (const Case& c : cases) {
    EXPECT_EQ(square.DistanceFromPoint(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
    EXPECT_EQ(inverted.DistanceFromPoint(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
  }
}

TEST(RectLocation, DistanceCountsPointsWithinTwoToTheMinus52OfTheBorderAsOnIt) {
  const CFPRect square = RectFromCorners(0, 0, 10, 10);
  const double eps = fpgeom::kDoubleEpsilon;
  // Less than eps inside the left edge: not inside across x, so the result
  // is the (non-negative) distance measured from outside.
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(eps / 2, 5)), eps / 2);
  // Exactly eps inside counts as inside.
  EXPECT_EQ(square.DistanceFromPoint(CFPPoint(eps, 5)), -eps);
}

}  // namespace
