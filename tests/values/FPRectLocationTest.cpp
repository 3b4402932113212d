#include <gtest/gtest.h>

#include <limits>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::RectFromCorners;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Each query is asked of the square and of its inverted twin: both answer alike.
const CFPRect kSquares[] = {RectFromCorners(0, 0, 10, 10), RectFromCorners(10, 10, 0, 0)};

TEST(RectLocation, PtInRectHoldsTheLeftAndBottomEdgesButNotTheRightAndTop) {
  const struct {
    double x, y;
    int expected;
  } cases[] = {
      {0, 0, 1},  {9.999999, 9.999999, 1}, {10, 5, 0},   {5, 10, 0},   {0, 10, 0},
      {-1e-300, 5, 0}, {5, -1e-300, 0},    {kNaN, 5, 0}, {5, kNaN, 0},
  };
  for (const CFPRect& square : kSquares) {
    for (const auto& c : cases) EXPECT_EQ(square.PtInRect(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
  }
  fpgeom::testing::ExpectRect(kSquares[1], 10, 10, 0, 0);
}

TEST(RectLocation, DistanceIsNegativeInsideAndReachesCornersOutside) {
  const double eps = fpgeom::kDoubleEpsilon;
  const struct {
    double x, y, expected;
  } cases[] = {
      {5, 1, -1}, {5, 5, -5}, {-1, 5, 1}, {13, 14, 5}, {-3, -4, 5}, {10, 5, 0}, {0, 0, 0}, {-6, 18, 10},
      // Within 2^-52 inside an edge counts as outside it; exactly 2^-52 as inside.
      {eps / 2, 5, eps / 2}, {eps, 5, -eps},
  };
  for (const CFPRect& square : kSquares) {
    for (const auto& c : cases) EXPECT_EQ(square.DistanceFromPoint(CFPPoint(c.x, c.y)), c.expected) << c.x << ", " << c.y;
  }
}

}  // namespace
