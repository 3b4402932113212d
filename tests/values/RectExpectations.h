// Exact field-by-field expectations for rectangles, written in the
// (left, bottom)-(right, top) order that rectangle tests read in.
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

// A rectangle from its corners (left, bottom) and (right, top).
inline CFPRect RectFromCorners(double left, double bottom, double right, double top) {
  return CFPRect(left, right, bottom, top);
}

}  // namespace fpgeom::testing
