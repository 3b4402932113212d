#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "support/Shapes.h"

namespace {

using namespace fpgeom::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const CFPRect kSquare = RectFromCorners(0, 0, 10, 10);
const CFPRect kZero = RectFromCorners(0, 0, 0, 0);
// Each location query is asked of the square and of its inverted twin: both answer alike.
const CFPRect kSquares[] = {kSquare, RectFromCorners(10, 10, 0, 0)};

TEST(Rect, IntegerRectangleIsNormalisedOnTheWayInAndRoundedOnTheWayOut) {
  const CRect integer(10, 0, 0, 20);  // left 10, top 0, right 0, bottom 20
  ExpectRect(CFPRect(&integer), 0.0, 0.0, 10.0, 20.0);
  CFPRect assigned;
  assigned = CRect(-3, 7, 4, -1);
  ExpectRect(assigned, -3.0, -1.0, 4.0, 7.0);
  EXPECT_EQ(CRect(CFPRect(-0.5, 2.5, 1.4999, 7.5)), CRect(-1, 8, 3, 1));

  // The integer view lives in the rectangle and follows later changes.
  CFPRect rect(0.4, 9.6, -1.5, 3.0);
  const tagRECT* view = rect;
  EXPECT_EQ(CRect(*view), CRect(0, 3, 10, -2));
  rect.top = 100.2;
  EXPECT_EQ(static_cast<const tagRECT*>(rect), view);
  EXPECT_EQ(view->top, 100);
}

TEST(Rect, EmptyWhenEitherAbsoluteExtentIsAtMostTwoToTheMinus52) {
  const double eps = fpgeom::kDoubleEpsilon;
  const std::tuple<double, double, int> cases[] = {
      {1.0, 1.0, 0}, {eps, 1.0, 1}, {std::nextafter(eps, 1.0), 1.0, 0}, {1.0, -eps, 1}, {-2.0, -3.0, 0}, {kNaN, 1.0, 1}};
  for (const auto& [width, height, expected] : cases) {
    EXPECT_EQ(RectFromCorners(0.0, 0.0, width, height).IsRectEmpty(), expected) << width << " x " << height;
  }
}

// PtInRect holds the left and bottom edges but not the right and top.
TEST(Rect, LocationIsHalfOpen) {
  const std::tuple<double, double, int> inside[] = {
      {0, 0, 1},  {9.999999, 9.999999, 1}, {10, 5, 0},   {5, 10, 0},   {0, 10, 0},
      {-1e-300, 5, 0}, {5, -1e-300, 0},    {kNaN, 5, 0}, {5, kNaN, 0},
  };
  for (const CFPRect& square : kSquares) {
    for (const auto& [x, y, expected] : inside) EXPECT_EQ(square.PtInRect(CFPPoint(x, y)), expected) << x << ", " << y;
  }
}

// Both work on normalised copies, so either operand may be the result.
// Intersection needs a positive area and empties the result otherwise; union
// passes over empty operands and returns 1 when the union is empty.
TEST(Rect, SetOperationsTakeNormalisedCopiesOfTheOperandsThatCount) {
  const auto corners = RectFromCorners;
  const std::tuple<const char*, bool, CFPRect, CFPRect, int, CFPRect> cases[] = {
      {"overlap", true, kSquare, corners(5, 5, 20, 20), 1, corners(5, 5, 10, 10)},
      {"shared edge", true, kSquare, corners(10, 0, 20, 10), 0, kZero},
      {"apart", true, kSquare, corners(11, 0, 20, 10), 0, kZero},
      {"sliver empty by tolerance", true, corners(0, 0, 1e-16, 1), corners(0, 0, 1, 1), 1, corners(0, 0, 1e-16, 1)},
      {"inverted operands", true, corners(10, 10, 0, 0), corners(5, 20, 20, 5), 1, corners(5, 5, 10, 10)},
      {"zero operand", true, kZero, kSquare, 0, kZero},
      {"union, both count", false, kSquare, corners(5, -5, 20, 5), 0, corners(0, -5, 20, 10)},
      {"union, second empty", false, kSquare, kZero, 0, kSquare},
      {"union, first empty", false, corners(50, 50, 50, 60), kSquare, 0, kSquare},
      {"union, sliver empty by tolerance", false, corners(-9, 0, -9 + 1e-16, 1), corners(3, 3, 4, 4), 0,
       corners(3, 3, 4, 4)},
      {"union, inverted alone", false, corners(4, 3, 2, 1), kZero, 0, corners(2, 1, 4, 3)},
      {"union, both empty", false, corners(5, 5, 5, 9), corners(1, 1, 2, 1), 1, kZero},
  };
  for (const auto& [what, intersect, first, second, expected, e] : cases) {
    SCOPED_TRACE(what);
    CFPRect result(1, 2, 3, 4);
    EXPECT_EQ(intersect ? result.IntersectRect(first, second) : result.UnionRect(first, second), expected);
    ExpectRect(result, e.left, e.bottom, e.right, e.top);
  }
  CFPRect rect = kSquare;
  EXPECT_EQ(rect.IntersectRect(corners(5, -5, 15, 5), rect), 1);
  ExpectRect(rect, 5, 0, 10, 5);
  rect = corners(10, 10, 0, 0);
  EXPECT_EQ(rect.UnionRect(rect, corners(-5, 2, -1, 1)), 0);
  ExpectRect(rect, -5, 0, 10, 10);
}

}  // namespace
