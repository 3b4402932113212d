#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(Rect, ConstructorTakesLeftRightBottomTopWithoutNormalising) {
  ExpectRect(CFPRect(0.0, 10.0, 0.0, 5.0), 0.0, 0.0, 10.0, 5.0);
  ExpectRect(CFPRect(10.0, 0.0, 5.0, -5.0), 10.0, 5.0, 0.0, -5.0);
}

TEST(Rect, FieldsAreTheStoredCorners) {
  CFPRect rect(1.0, 3.0, 2.0, 4.0);
  EXPECT_EQ(&rect.left, &rect.LeftBottom().x);
  EXPECT_EQ(&rect.bottom, &rect.LeftBottom().y);
  EXPECT_EQ(&rect.right, &rect.RightTop().x);
  EXPECT_EQ(&rect.top, &rect.RightTop().y);

  rect.LeftBottom() = CFPPoint(-1.0, -2.0);
  rect.RightTop().y = 8.0;
  ExpectRect(rect, -1.0, -2.0, 3.0, 8.0);

  const CFPRect& constRect = rect;
  EXPECT_EQ(constRect.RightTop().x, 3.0);
  EXPECT_EQ(&constRect.LeftBottom(), &rect.LeftBottom());
}

TEST(Rect, CopiesBindTheirFieldsToTheirOwnCorners) {
  const CFPRect original(1.0, 3.0, 2.0, 4.0);
  CFPRect copy(original);
  EXPECT_EQ(&copy.left, &copy.LeftBottom().x);
  EXPECT_EQ(&copy.top, &copy.RightTop().y);
  copy.left = 0.0;
  copy.top = 9.0;
  ExpectRect(original, 1.0, 2.0, 3.0, 4.0);

  CFPRect assigned(0.0, 0.0, 0.0, 0.0);
  EXPECT_EQ(&(assigned = original), &assigned);
  ExpectRect(assigned, 1.0, 2.0, 3.0, 4.0);
  EXPECT_EQ(&assigned.right, &assigned.RightTop().x);
  assigned.right = 7.0;
  ExpectRect(original, 1.0, 2.0, 3.0, 4.0);

  assigned = assigned;
  ExpectRect(assigned, 1.0, 2.0, 7.0, 4.0);
}

TEST(Rect, IntegerRectangleIsTakenByNameThenNormalised) {
  const CRect integer(10, 0, 0, 20);  // left 10, top 0, right 0, bottom 20
  const CFPRect rect(&integer);
  ExpectRect(rect, 0.0, 0.0, 10.0, 20.0);
  const CRect back = rect;
  EXPECT_EQ(back, CRect(0, 20, 10, 0));

  CFPRect assigned(0.5, 0.5, 0.5, 0.5);
  EXPECT_EQ(&(assigned = CRect(-3, 7, 4, -1)), &assigned);
  ExpectRect(assigned, -3.0, -1.0, 4.0, 7.0);
}

TEST(Rect, ConvertsToIntegerRectangleRoundingEachField) {
  const CRect rounded = CFPRect(-0.5, 2.5, 1.4999, 7.5);
  EXPECT_EQ(rounded, CRect(-1, 8, 3, 1));
  const CRect outOfRange = CFPRect(kNaN, 2147483647.0, -2147483648.6, 3e10);
  EXPECT_EQ(outOfRange, CRect(kIntMin, kIntMin, 2147483647, kIntMin));
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
  EXPECT_FALSE(rect == CFPRect(0.0, 1.0, 2.0 + 2 * eps, 3.0));
  EXPECT_FALSE(rect == CFPRect(-justOver, 1.0, 2.0, 3.0));
  EXPECT_TRUE(rect != CFPRect(0.0, 1.0, 2.0, 3.0 + 4 * eps));
  EXPECT_FALSE(rect != CFPRect(0.0, 1.0, kNaN, 3.0));
}

TEST(Rect, MeasuresFollowTheFieldOrderAndGoNegativeWhenInverted) {
  const CFPRect rect(1.0, 4.0, 2.0, 8.0);
  EXPECT_EQ(rect.Width(), 3.0);
  EXPECT_EQ(rect.Height(), 6.0);
  const CFPSize size = rect.Size();
  EXPECT_EQ(size.cx, 3.0);
  EXPECT_EQ(size.cy, 6.0);
  const CFPPoint center = rect.GetCenterPoint();
  EXPECT_EQ(center.x, 2.5);
  EXPECT_EQ(center.y, 5.0);

  const CFPRect inverted(4.0, 1.0, 8.0, 2.0);
  EXPECT_EQ(inverted.Width(), -3.0);
  EXPECT_EQ(inverted.Height(), -6.0);
  EXPECT_EQ(inverted.GetCenterPoint().x, 2.5);
}

TEST(Rect, EmptyWhenEitherAbsoluteExtentIsAtMostTwoToTheMinus52) {
  struct Case {
    double width, height;
    int expected;
  };
  const double eps = fpgeom::kDoubleEpsilon;
  const Case cases[] = {
      {1.0, 1.0, 0},  {eps, 1.0, 1},    {std::nextafter(eps, 1.0), 1.0, 0},
      {1.0, -eps, 1}, {-1e-16, 5.0, 1}, {-2.0, -3.0, 0},
      {0.0, 0.0, 1},  {kNaN, 1.0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectFromCorners(0.0, 0.0, c.width, c.height).IsRectEmpty(), c.expected) << c.width << " x " << c.height;
  }
}

TEST(Rect, SetRectEmptyZeroesAndNormalizeOrdersEachAxis) {
  CFPRect rect(5.0, -5.0, 7.0, 1.0);
  rect.Normalize();
  ExpectRect(rect, -5.0, 1.0, 5.0, 7.0);
  rect.Normalize();
  ExpectRect(rect, -5.0, 1.0, 5.0, 7.0);

  CFPRect halfInverted(0.0, 2.0, 9.0, 3.0);
  halfInverted.Normalize();
  ExpectRect(halfInverted, 0.0, 3.0, 2.0, 9.0);

  rect.setRectEmpty();
  ExpectRect(rect, 0.0, 0.0, 0.0, 0.0);
}

TEST(Rect, RecordIsLeftBottomRightTopAsLittleEndianDoubles) {
  CFPRect rect(1.0, 3.0, 2.0, -0.5);  // left 1, right 3, bottom 2, top -0.5: not normalised
  const std::vector<BYTE> expected = {
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // left 1
      0, 0, 0, 0, 0, 0, 0x00, 0x40,  // bottom 2
      0, 0, 0, 0, 0, 0, 0x08, 0x40,  // right 3
      0, 0, 0, 0, 0, 0, 0xE0, 0xBF,  // top -0.5
  };
  EXPECT_EQ(fpgeom::testing::StoreRecord(rect), expected);

  CFPRect loaded(0.0, 0.0, 0.0, 0.0);
  fpgeom::testing::LoadRecord(loaded, expected);
  ExpectRect(loaded, 1.0, 2.0, 3.0, -0.5);
}

TEST(Rect, RuntimeClassIsRegisteredByNameWithSchemaOne) {
  const CFPRect rect(0.0, 0.0, 0.0, 0.0);
  EXPECT_EQ(rect.GetRuntimeClass(), RUNTIME_CLASS(CFPRect));
  EXPECT_STREQ(RUNTIME_CLASS(CFPRect)->m_lpszClassName, "CFPRect");
  EXPECT_EQ(RUNTIME_CLASS(CFPRect)->m_wSchema, 1u);
  EXPECT_EQ(CRuntimeClass::FromName("CFPRect"), RUNTIME_CLASS(CFPRect));

  const std::unique_ptr<CObject> created(CRuntimeClass::CreateObject("CFPRect"));
  ASSERT_NE(created, nullptr);
  ASSERT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CFPRect));
  auto& createdRect = static_cast<CFPRect&>(*created);
  createdRect.LeftBottom() = CFPPoint(1.0, 2.0);
  EXPECT_EQ(createdRect.left, 1.0);
  EXPECT_EQ(createdRect.bottom, 2.0);
}

}  // namespace
