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

TEST(Rect, EqualityAllowsTwoToTheMinus23InEachFieldInclusive) {
  const CFPRect rect(0.0, 1.0, 2.0, 3.0);
  const double eps = fpgeom::kPointEpsilon;
  EXPECT_TRUE(rect == CFPRect(eps, 1.0 - eps, 2.0, 3.0));
  EXPECT_FALSE(rect == CFPRect(-std::nextafter(eps, 1.0), 1.0, 2.0, 3.0));
  EXPECT_FALSE(rect == CFPRect(0.0, 1.0, 2.0 + 2 * eps, 3.0));
  EXPECT_TRUE(rect != CFPRect(0.0, 1.0, 2.0, 3.0 + 2 * eps));
  EXPECT_FALSE(rect != CFPRect(0.0, 1.0, kNaN, 3.0));
}

TEST(Rect, EmptyWhenEitherAbsoluteExtentIsAtMostTwoToTheMinus52) {
  const double eps = fpgeom::kDoubleEpsilon;
  const struct {
    double width, height;
    int expected;
  } cases[] = {{1.0, 1.0, 0}, {eps, 1.0, 1}, {std::nextafter(eps, 1.0), 1.0, 0}, {1.0, -eps, 1}, {-2.0, -3.0, 0},
               {kNaN, 1.0, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(RectFromCorners(0.0, 0.0, c.width, c.height).IsRectEmpty(), c.expected) << c.width << " x " << c.height;
  }
}

TEST(Rect, NormalizeOrdersEachAxisOnItsOwnAndSetRectEmptyZeroes) {
  CFPRect rect(0.0, 2.0, 9.0, 3.0);
  rect.Normalize();
  ExpectRect(rect, 0.0, 3.0, 2.0, 9.0);
  rect = CFPRect(5.0, -5.0, 7.0, 1.0);
  rect.Normalize();
  ExpectRect(rect, -5.0, 1.0, 5.0, 7.0);
  rect.setRectEmpty();
  ExpectRect(rect, 0.0, 0.0, 0.0, 0.0);
}

TEST(Rect, RecordIsLeftBottomRightTopAsLittleEndianDoublesAndLoadsIntoAWorkingRectangle) {
  CFPRect rect(1.0, 3.0, 2.0, -0.5);  // not normalised, and stored as it is
  const std::vector<BYTE> expected = {
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0x00, 0x40,  // left 1, bottom 2
      0, 0, 0, 0, 0, 0, 0x08, 0x40, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF,  // right 3, top -0.5
  };
  EXPECT_EQ(fpgeom::testing::StoreRecord(rect), expected);
  const auto loaded = fpgeom::testing::LoadObject(fpgeom::testing::StoreObject(rect), RUNTIME_CLASS(CFPRect));
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CFPRect));
  auto& loadedRect = static_cast<CFPRect&>(*loaded);
  ExpectRect(loadedRect, 1.0, 2.0, 3.0, -0.5);
  loadedRect.LeftBottom().x = 0.0;  // the corners refer to the loaded object's own fields
  EXPECT_EQ(loadedRect.left, 0.0);
}

}  // namespace
