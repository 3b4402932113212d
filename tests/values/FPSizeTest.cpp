#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "fpgeom/values/FPSize.h"
#include "fpgeom/values/Tolerance.h"

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(Size, ConstructsAndAssignsFromIntegerSizesExactly) {
  const CFPSize fromInteger(CSize(-7, 2147483647));
  EXPECT_EQ(fromInteger.cx, -7.0);
  EXPECT_EQ(fromInteger.cy, 2147483647.0);

  CFPSize assigned(0.5, 0.5);
  EXPECT_EQ(&(assigned = CSize(3, -4)), &assigned);
  EXPECT_EQ(assigned.cx, 3.0);
  EXPECT_EQ(assigned.cy, -4.0);

  const CFPSize copy(assigned);
  EXPECT_EQ(copy.cx, 3.0);
  EXPECT_EQ(copy.cy, -4.0);
}

TEST(Size, EqualityAllowsTwoToTheMinus23InEachExtentInclusive) {
  const CFPSize size(1.0, 1.0);
  const double justOver = std::nextafter(fpgeom::kPointEpsilon, 1.0);
  EXPECT_TRUE(size == CFPSize(1.0 + fpgeom::kPointEpsilon, 1.0 - fpgeom::kPointEpsilon));
  EXPECT_FALSE(size == CFPSize(1.0, 1.0 + 2 * justOver));
  EXPECT_TRUE(size != CFPSize(1.0 - 2 * justOver, 1.0));
  EXPECT_TRUE(size == CFPSize(std::numeric_limits<double>::quiet_NaN(), 1.0));
}

TEST(Size, ConvertsToIntegerSizeRoundingHalvesAwayFromZero) {
  const CSize rounded = CFPSize(-1.5, 0.5);
  EXPECT_EQ(rounded.cx, -2);
  EXPECT_EQ(rounded.cy, 1);
  const CSize outOfRange = CFPSize(2147483648.0, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(outOfRange.cx, kIntMin);
  EXPECT_EQ(outOfRange.cy, kIntMin);
}

TEST(Size, ScalingMultipliesOrDividesBothExtents) {
  const CFPSize size(3.0, -1.0);
  const CFPSize doubled = size * 2.0;
  EXPECT_EQ(doubled.cx, 6.0);
  EXPECT_EQ(doubled.cy, -2.0);
  const CFPSize halved = size / 2.0;
  EXPECT_EQ(halved.cx, 1.5);
  EXPECT_EQ(halved.cy, -0.5);

  CFPSize inPlace(size);
  EXPECT_EQ(&(inPlace *= -1.0), &inPlace);
  EXPECT_EQ(inPlace.cx, -3.0);
  inPlace /= 0.0;
  EXPECT_EQ(inPlace.cx, -HUGE_VAL);
  EXPECT_EQ(inPlace.cy, HUGE_VAL);
}

TEST(Size, HasNoRuntimeClassOfItsOwn) {
  const CFPSize size(0.0, 0.0);
  EXPECT_EQ(size.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_FALSE(size.IsSerializable());
  EXPECT_EQ(CRuntimeClass::FromName("CFPSize"), nullptr);
}

}  // namespace
