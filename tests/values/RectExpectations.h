// Rectangles written and checked in (left, bottom)-(right, top) order.
#pragma once

#include <gtest/gtest.h>

#include "fpgeom/values/FPRect.h"

namespace fpgeom::testing {

inline void ExpectRect(const CFPRect& rect, double left, double bottom, double right, double top) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.bottom, bottom);
  EXPECT_EQ(rect.right, right);
  EXPECT_EQ(rect.top, top);
}

inline CFPRect RectFromCorners(double left, double bottom, double right, double top) {
  return CFPRect(left, right, bottom, top);
}

}  // namespace fpgeom::testing
