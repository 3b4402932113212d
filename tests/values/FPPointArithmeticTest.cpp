#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

#include "fpgeom/values/FPPoint.h"

namespace {

void ExpectPoint(const CFPPoint& point, double x, double y) {
  EXPECT_EQ(point.x, x);
  EXPECT_EQ(point.y, y);
}

TEST(PointArithmetic, TwoOperandFormsLeaveTheOperandsAndGiveNewValues) {
  const CFPPoint point(1.5, -2.0);
  ExpectPoint(point + CFPPoint(0.25, 4.0), 1.75, 2.0);
  ExpectPoint(point + CFPSize(-1.0, 0.5), 0.5, -1.5);
  ExpectPoint(point + 2.0, 3.5, 0.0);
  ExpectPoint(point - CFPSize(1.0, 1.0), 0.5, -3.0);
  ExpectPoint(point - 0.5, 1.0, -2.5);
  ExpectPoint(point * -2.0, -3.0, 4.0);
  ExpectPoint(point / 4.0, 0.375, -0.5);
  ExpectPoint(point, 1.5, -2.0);
}

TEST(PointArithmetic, DifferenceOfTwoPointsIsASize) {
  static_assert(std::is_same<decltype(CFPPoint() - CFPPoint()), CFPSize>::value, "point - point is a size");
  const CFPSize difference = CFPPoint(5.0, 1.0) - CFPPoint(2.0, 4.0);
  EXPECT_EQ(difference.cx, 3.0);
  EXPECT_EQ(difference.cy, -3.0);
}

TEST(PointArithmetic, CompoundFormsChangeThePointAndReturnIt) {
  CFPPoint point(1.0, 2.0);
  EXPECT_EQ(&(point += CFPPoint(1.0, 1.0)), &point);
  ExpectPoint(point, 2.0, 3.0);
  point += CFPSize(0.5, -0.5);
  ExpectPoint(point, 2.5, 2.5);
  point += 1.0;
  ExpectPoint(point, 3.5, 3.5);
  point -= CFPSize(3.5, 0.5);
  ExpectPoint(point, 0.0, 3.0);
  point -= 1.0;
  ExpectPoint(point, -1.0, 2.0);
  EXPECT_EQ(&(point *= 3.0), &point);
  ExpectPoint(point, -3.0, 6.0);
  EXPECT_EQ(&(point /= 2.0), &point);
  ExpectPoint(point, -1.5, 3.0);
}

TEST(PointArithmetic, DivisionByZeroFollowsFloatingPointRules) {
  const CFPPoint quotient = CFPPoint(1.0, 0.0) / 0.0;
  EXPECT_EQ(quotient.x, HUGE_VAL);
  EXPECT_TRUE(std::isnan(quotient.y));
}

}  // namespace
