#include <gtest/gtest.h>

#include <limits>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "fpgeom/values/FPRect.h"

namespace {

using fpgeom::testing::Coordinates;
using fpgeom::testing::PolygonOf;
using fpgeom::testing::PointsOf;

struct ClipCase {
  const char* what;
  Coordinates ring;
  CFPRect rect;  // left, right, bottom, top
  Coordinates expected;  // empty when the polygon is emptied and 0 returned
};

TEST(RectangleClipping, KeepsThePartInsideAsOneRingAndCleansIt) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const CFPRect box(0, 4, 0, 4);
  const ClipCase cases[] = {
      {"square around the rectangle",
       {{0, 0}, {4, 0}, {4, 4}, {0, 4}},
       CFPRect(1, 3, 1, 3),
       {{3, 3}, {1, 3}, {1, 1}, {3, 1}}},
      {"inverted rectangle clips like its normal form",
       {{0, 0}, {4, 0}, {4, 4}, {0, 4}},
       CFPRect(3, 1, 3, 1),
       {{3, 3}, {1, 3}, {1, 1}, {3, 1}}},
      {"wholly inside, cleaned", {{1, 1}, {1.5, 1}, {2, 1}, {2, 2}, {1, 2}}, box, {{1, 1}, {2, 1}, {2, 2}, {1, 2}}},
      {"collinear point inside", {{0, 0}, {4, 0}, {4, 4}, {2, 2}}, box, {{0, 0}, {4, 0}, {4, 4}}},
      {"overlapping a corner", {{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}, box, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}},
      {"wholly outside", {{10, 10}, {12, 10}, {12, 12}}, box, {}},
      {"touching the border from outside", {{0, -2}, {4, -2}, {4, 0}, {0, 0}}, box, {}},
      {"three points left on the border", {{0, -2}, {4, -2}, {4, 0}, {2, 0}, {0, 0}}, box, {}},
      // Both legs reach into the rectangle; the stretch (2,3)-(4,3) is run
      // along once in each direction.
      {"pieces joined along the border",
       {{0, 0}, {2, 0}, {2, 4}, {4, 4}, {4, 0}, {6, 0}, {6, 6}, {0, 6}},
       CFPRect(1, 5, 1, 3),
       {{5, 3}, {1, 3}, {1, 1}, {2, 1}, {2, 3}, {4, 3}, {4, 1}, {5, 1}}},
      {"rectangle of zero width", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, CFPRect(2, 2, 0, 4), {}},
      {"crossing points from the formula",
       {{0, 3}, {9, 0}, {0, 0}},
       CFPRect(1, 8, 1, 8),
       {{1, 1}, {1, 2.6666666666666665}, {6, 1}}},
      // Fewer than three points: the rectangle is not even looked at.
      {"two points, NaN rectangle", {{0, 0}, {1, 1}}, CFPRect(nan, nan, nan, nan), {}},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(polygon.IntersectRect(c.rect), c.expected.empty() ? 0 : 1);
    EXPECT_EQ(polygon.isPosValid(), 0);
    EXPECT_EQ(PointsOf(polygon), c.expected);
  }
}

}  // namespace
