#include <gtest/gtest.h>

#include <cmath>

#include "fpgeom/values/FPSize.h"
#include "fpgeom/values/Tolerance.h"

namespace {

TEST(Size, EqualsWithinTwoToTheMinus23RoundsHalvesAwayFromZeroAndHasNoRuntimeClassOfItsOwn) {
  const CFPSize size(1.0, 1.0);
  const double eps = fpgeom::kPointEpsilon;
  EXPECT_TRUE(size == CFPSize(1.0 + eps, 1.0 - eps));
  EXPECT_FALSE(size == CFPSize(1.0, 1.0 + 2 * std::nextafter(eps, 1.0)));
  EXPECT_TRUE(size != CFPSize(1.0 - 2 * std::nextafter(eps, 1.0), 1.0));

  const CSize rounded = CFPSize(-1.5, 0.5);
  EXPECT_EQ(rounded.cx, -2);
  EXPECT_EQ(rounded.cy, 1);

  EXPECT_EQ(size.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_EQ(CRuntimeClass::FromName("CFPSize"), nullptr);
}

}  // namespace
