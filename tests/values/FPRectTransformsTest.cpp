#include <gtest/gtest.h>

#include "fpgeom/values/FPRect.h"
#include "values/RectExpectations.h"

namespace {

using fpgeom::testing::ExpectRect;
using fpgeom::testing::RectFromCorners;

TEST(RectTransforms, MirrorReflectsAboutTheGivenLinesAndKeepsNormalisation) {
  const struct {
    int axis;
    double left, bottom, right, top;
  } cases[] = {
      {1, 8, 0, 10, 1}, {0, 0, 9, 2, 10}, {-1, 8, 9, 10, 10},  // about x = 5, y = 5, both
      {2, 0, 0, 2, 1},  {-2, 0, 0, 2, 1},                      // any other code: unchanged
  };
  for (const auto& c : cases) {
    CFPRect rect = RectFromCorners(0, 0, 2, 1);
    rect.mirror(c.axis, 5, 5);
    ExpectRect(rect, c.left, c.bottom, c.right, c.top);
  }
  CFPRect inverted = RectFromCorners(2, 1, 0, 0);
  inverted.mirror(-1, 0, 0);
  ExpectRect(inverted, 0, 0, -2, -1);
}

TEST(RectTransforms, ResizeKeepsTheLeftBottomCornerAndScalesAboutTheOrigin) {
  CFPRect rect = RectFromCorners(1, 2, 3, 6);
  rect.resize(2, 0.5);
  ExpectRect(rect, 1, 2, 5, 4);
  rect.resize(-1, 0);
  ExpectRect(rect, 1, 2, -3, 2);
  ExpectRect(rect * -2, -2, -4, 6, -4);
}

}  // namespace
