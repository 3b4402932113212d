#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Rect, FieldsAreTheCornersOfTheirOwnObjectEvenAfterCopying) {
  CFPRect rect(1.0, 3.0, 2.0, 4.0);  // left, right, bottom, top
  rect.LeftBottom() = CFPPoint(-1.0, -2.0);
  rect.RightTop().y = 8.0;
  ExpectRect(rect, -1.0, -2.0, 3.0, 8.0);

  CFPRect copy(rect);
  copy.left = 0.0;
  EXPECT_EQ(copy.LeftBottom().x, 0.0);
  EXPECT_EQ(rect.left, -1.0);

  CFPRect assigned;
  assigned = rect;
  assigned.top = 9.0;
  EXPECT_EQ(assigned.RightTop().y, 9.0);
  EXPECT_EQ(rect.top, 8.0);
}

TEST(Rect, IntegerRectangleIsTakenByNameThenNormalisedAndConvertedBackRounded) {
  const CRect integer(10, 0, 0, 20);  // left 10, top 0, right 0, bottom 20
  ExpectRect(CFPRect(&integer), 0.0, 0.0, 10.0, 20.0);
  CFPRect assigned;
  assigned = CRect(-3, 7, 4, -1);
  ExpectRect(assigned, -3.0, -1.0, 4.0, 7.0);

  const CRect rounded = CFPRect(-0.5, 2.5, 1.4999, 7.5);
  EXPECT_EQ(rounded, CRect(-1, 8, 3, 1));
}

TEST(Rect, IntegerRectanglePointerStaysWithTheRectangleAndFollowsItsFields) {
  CFPRect rect(0.4, 9.6, -1.5, 3.0);
  const tagRECT* integer = rect;
  EXPECT_EQ(CRect(*integer), CRect(0, 3, 10, -2));

  rect.top = 100.2;
  const tagRECT* again = rect;
  EXPECT_EQ(again, integer);
  EXPECT_EQ(integer->top, 100);
}

TEST(Rect, EqualityAllowsTwoToTheMinus23InEachFieldInclusive) {
  const CFPRect rect(0.0, 1.0, 2.0, 3.0);
  const double eps = fpgeom::kPointEpsilon;
  const double justOver = std::nextafter(eps, 1.0);
  EXPECT_TRUE(rect == CFPRect(eps, 1.0 - eps, 2.0, 3.0));
  EXPECT_FALSE(rect == CFPRect(-justOver, 1.0, 2.0, 3.0));
  EXPECT_FALSE(rect == CFPRect(0.0, 1.0, 2.0 + 2 * eps, 3.0));
  EXPECT_TRUE(rect != CFPRect(0.0, 1.0, 2.0, 3.0 + 2 * eps));
  EXPECT_FALSE(rect != CFPRect(0.0, 1.0, kNaN, 3.0));
}

TEST(Rect, MeasuresGoNegativeWhenInverted) {
  const CFPRect inverted = RectFromCorners(4.0, 8.0, 1.0, 2.0);
  EXPECT_EQ(inverted.Size().cx, -3.0);
  EXPECT_EQ(inverted.Size().cy, -6.0);
  EXPECT_EQ(inverted.GetCenterPoint().x, 2.5);
  EXPECT_EQ(inverted.GetCenterPoint().y, 5.0);
}

TEST(Rect, EmptyWhenEitherAbsoluteExtentIsAtMostTwoToTheMinus52) {
  struct Case {
    double width, height;
    int expected;
  };
  const double eps = fpgeom::kDoubleEpsilon;
  const Case cases[] = {
      {1.0, 1.0, 0}, {eps, 1.0, 1},  {std::nextafter(eps, 1.0), 1.0, 0}, {1.0, -eps, 1},
      {-2.0, -3.0, 0}, {kNaN, 1.0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectFromCorners(0.0, 0.0, c.width, c.height).IsRectEmpty(), c.expected) << c.width << " x " << c.height;
  }
}

TEST(Rect, NormalizeOrdersEachAxisOnItsOwnAndSetRectEmptyZeroes) {
  CFPRect halfInverted(0.0, 2.0, 9.0, 3.0);
  halfInverted.Normalize();
  ExpectRect(halfInverted, 0.0, 3.0, 2.0, 9.0);
  CFPRect inverted(5.0, -5.0, 7.0, 1.0);
  inverted.Normalize();
  ExpectRect(inverted, -5.0, 1.0, 5.0, 7.0);

  inverted.setRectEmpty();
  ExpectRect(inverted, 0.0, 0.0, 0.0, 0.0);
}

TEST(Rect, RecordIsLeftBottomRightTopAsLittleEndianDoublesUnderTheClassNameWithSchemaOne) {
  CFPRect rect(1.0, 3.0, 2.0, -0.5);  // left 1, right 3, bottom 2, top -0.5: not normalised
  const std::vector<BYTE> expected = {
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // left 1
      0, 0, 0, 0, 0, 0, 0x00, 0x40,  // bottom 2
      0, 0, 0, 0, 0, 0, 0x08, 0x40,  // right 3
      0, 0, 0, 0, 0, 0, 0xE0, 0xBF,  // top -0.5
  };
  EXPECT_EQ(fpgeom::testing::StoreRecord(rect), expected);
  EXPECT_STREQ(RUNTIME_CLASS(CFPRect)->m_lpszClassName, "CFPRect");
  EXPECT_EQ(RUNTIME_CLASS(CFPRect)->m_wSchema, 1u);

  const auto loaded = fpgeom::testing::LoadObject(fpgeom::testing::StoreObject(rect), RUNTIME_CLASS(CFPRect));
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CFPRect));
  auto& loadedRect = static_cast<CFPRect&>(*loaded);
  ExpectRect(loadedRect, 1.0, 2.0, 3.0, -0.5);
  loadedRect.LeftBottom().x = 0.0;
  EXPECT_EQ(loadedRect.left, 0.0);
}

}  // namespace
