#include <gtest/gtest.h>

#include <cmath>

#include "fpgeom/values/FPSize.h"
#include "fpgeom/values/Tolerance.h"

namespace {

TEST(Size, EqualityAllowsTwoToTheMinus23InEachExtentInclusive) {
  const CFPSize size(1.0, 1.0);
  const double justOver = std::nextafter(fpgeom::kPointEpsilon, 1.0);
  EXPECT_TRUE(size == CFPSize(1.0 + fpgeom::kPointEpsilon, 1.0 - fpgeom::kPointEpsilon));
  EXPECT_FALSE(size == CFPSize(1.0, 1.0 + 2 * justOver));
  EXPECT_TRUE(size != CFPSize(1.0 - 2 * justOver, 1.0));
}

TEST(Size, ConvertsToIntegerSizeRoundingEachExtentHalvesAwayFromZero) {
  const CSize rounded = CFPSize(-1.5, 0.5);
  EXPECT_EQ(rounded.cx, -2);
  EXPECT_EQ(rounded.cy, 1);
}

TEST(Size, HasNoRuntimeClassOfItsOwn) {
  EXPECT_EQ(CFPSize(0.0, 0.0).GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_EQ(CRuntimeClass::FromName("CFPSize"), nullptr);
}

}  // namespace
