#include <gtest/gtest.h>

#include <cstddef>

#include "fpgeom/values/FPRect.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

struct Case {
  const char* description;
  CFPRect first, second;
  int expected;
  double left, bottom, right, top;
};

const CFPRect kSquare = RectFromCorners(0, 0, 10, 10);
const CFPRect kZero = RectFromCorners(0, 0, 0, 0);

template <std::size_t N, class Operation>
void ExpectCases(const Case (&cases)[N], Operation operation) {
  for (const Case& c : cases) {
    CFPRect result(1, 2, 3, 4);
    EXPECT_EQ(operation(result, c.first, c.second), c.expected) << c.description;
    ExpectRect(result, c.left, c.bottom, c.right, c.top);
  }
}

TEST(RectSetOperations, IntersectionNeedsPositiveAreaOfNormalisedCopiesAndIsEmptiedOtherwise) {
  const Case cases[] = {
      {"overlap", kSquare, RectFromCorners(5, 5, 20, 20), 1, 5, 5, 10, 10},
      {"shared edge", kSquare, RectFromCorners(10, 0, 20, 10), 0, 0, 0, 0, 0},
      {"apart", kSquare, RectFromCorners(11, 0, 20, 10), 0, 0, 0, 0, 0},
      {"sliver empty by tolerance", RectFromCorners(0, 0, 1e-16, 1), RectFromCorners(0, 0, 1, 1), 1, 0, 0, 1e-16, 1},
      {"inverted operands", RectFromCorners(10, 10, 0, 0), RectFromCorners(5, 20, 20, 5), 1, 5, 5, 10, 10},
      {"zero operand", kZero, kSquare, 0, 0, 0, 0, 0},
  };
  ExpectCases(cases, [](CFPRect& r, const CFPRect& a, const CFPRect& b) { return r.IntersectRect(a, b); });
  CFPRect rect = kSquare;  // the result may be an operand
  EXPECT_EQ(rect.IntersectRect(RectFromCorners(5, -5, 15, 5), rect), 1);
  ExpectRect(rect, 5, 0, 10, 5);
}

TEST(RectSetOperations, UnionSkipsEmptyOperandsAndReportsAnEmptyResult) {
  const Case cases[] = {
      {"both count", kSquare, RectFromCorners(5, -5, 20, 5), 0, 0, -5, 20, 10},
      {"second empty", kSquare, kZero, 0, 0, 0, 10, 10},
      {"first empty", RectFromCorners(50, 50, 50, 60), kSquare, 0, 0, 0, 10, 10},
      {"sliver empty by tolerance", RectFromCorners(-9, 0, -9 + 1e-16, 1), RectFromCorners(3, 3, 4, 4), 0, 3, 3, 4, 4},
      {"inverted alone", RectFromCorners(4, 3, 2, 1), kZero, 0, 2, 1, 4, 3},
      {"both empty", RectFromCorners(5, 5, 5, 9), RectFromCorners(1, 1, 2, 1), 1, 0, 0, 0, 0},
  };
  ExpectCases(cases, [](CFPRect& r, const CFPRect& a, const CFPRect& b) { return r.UnionRect(a, b); });
  CFPRect rect = RectFromCorners(10, 10, 0, 0);
  EXPECT_EQ(rect.UnionRect(rect, RectFromCorners(-5, 2, -1, 1)), 0);
  ExpectRect(rect, -5, 0, 10, 10);
}

}  // namespace
