#include <gtest/gtest.h>

#include "fpgeom/values/FPRect.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

TEST(RectSetOperations, IntersectionNeedsPositiveAreaAndIsEmptiedOtherwise) {
  const CFPRect square = RectFromCorners(0, 0, 10, 10);
  CFPRect result(1, 2, 3, 4);

  EXPECT_EQ(result.IntersectRect(square, RectFromCorners(5, 5, 20, 20)), 1);
  ExpectRect(result, 5, 5, 10, 10);

  EXPECT_EQ(result.IntersectRect(square, RectFromCorners(10, 0, 20, 10)), 0);  // shares an edge
  ExpectRect(result, 0, 0, 0, 0);

  result = RectFromCorners(1, 2, 3, 4);
  EXPECT_EQ(result.IntersectRect(square, RectFromCorners(10, 10, 20, 20)), 0);  // shares a corner
  ExpectRect(result, 0, 0, 0, 0);

  result = RectFromCorners(1, 2, 3, 4);
  EXPECT_EQ(result.IntersectRect(square, RectFromCorners(11, 0, 20, 10)), 0);  // apart
  ExpectRect(result, 0, 0, 0, 0);
}

TEST(RectSetOperations, IntersectionAcceptsASliverThatIsEmptyByTolerance) {
  const CFPRect sliver = RectFromCorners(0, 0, 1e-16, 1);
  EXPECT_EQ(sliver.IsRectEmpty(), 1);
  CFPRect result;
  EXPECT_EQ(result.IntersectRect(sliver, RectFromCorners(0, 0, 1, 1)), 1);
  ExpectRect(result, 0, 0, 1e-16, 1);
}

TEST(RectSetOperations, IntersectionNormalisesCopiesOfInvertedOperands) {
  const CFPRect inverted = RectFromCorners(10, 10, 0, 0);
  const CFPRect halfInverted = RectFromCorners(5, 20, 20, 5);
  CFPRect result;
  EXPECT_EQ(result.IntersectRect(inverted, halfInverted), 1);
  ExpectRect(result, 5, 5, 10, 10);
  ExpectRect(inverted, 10, 10, 0, 0);
  ExpectRect(halfInverted, 5, 20, 20, 5);
}

TEST(RectSetOperations, IntersectionMayUseTheResultAsAnOperand) {
  CFPRect rect = RectFromCorners(0, 0, 10, 10);
  EXPECT_EQ(rect.IntersectRect(RectFromCorners(5, -5, 15, 5), rect), 1);
  ExpectRect(rect, 5, 0, 10, 5);
  EXPECT_EQ(rect.IntersectRect(rect, rect), 1);
  ExpectRect(rect, 5, 0, 10, 5);
}

TEST(RectSetOperations, UnionSkipsEmptyOperandsAndReportsAnEmptyResult) {
  const CFPRect square = RectFromCorners(0, 0, 10, 10);
  const CFPRect zero = RectFromCorners(0, 0, 0, 0);
  CFPRect result(1, 2, 3, 4);

  EXPECT_EQ(result.UnionRect(square, RectFromCorners(5, -5, 20, 5)), 0);
  ExpectRect(result, 0, -5, 20, 10);

  EXPECT_EQ(result.UnionRect(square, zero), 0);
  ExpectRect(result, 0, 0, 10, 10);
  EXPECT_EQ(result.UnionRect(RectFromCorners(50, 50, 50, 60), square), 0);
  ExpectRect(result, 0, 0, 10, 10);

  // The sliver is empty by tolerance, so the far-away operand does not widen it.
  EXPECT_EQ(result.UnionRect(RectFromCorners(-9, 0, -9 + 1e-16, 1), RectFromCorners(3, 3, 4, 4)), 0);
  ExpectRect(result, 3, 3, 4, 4);

  EXPECT_EQ(result.UnionRect(zero, zero), 1);
  ExpectRect(result, 0, 0, 0, 0);
  result = RectFromCorners(1, 2, 3, 4);
  EXPECT_EQ(result.UnionRect(RectFromCorners(5, 5, 5, 9), RectFromCorners(1, 1, 2, 1)), 1);
  ExpectRect(result, 0, 0, 0, 0);
}

TEST(RectSetOperations, UnionNormalisesAndMayUseTheResultAsAnOperand) {
  CFPRect rect = RectFromCorners(10, 10, 0, 0);
  EXPECT_EQ(rect.UnionRect(rect, RectFromCorners(-5, 2, -1, 1)), 0);
  ExpectRect(rect, -5, 0, 10, 10);

  CFPRect invertedAlone = RectFromCorners(4, 3, 2, 1);
  EXPECT_EQ(invertedAlone.UnionRect(invertedAlone, RectFromCorners(0, 0, 0, 0)), 0);
  ExpectRect(invertedAlone, 2, 1, 4, 3);
}

}  // namespace
