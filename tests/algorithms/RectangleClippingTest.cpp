#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <limits>
#include <optional>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "polygon/PolygonTesting.h"

namespace {

using fpgeom::kPointEpsilon;
using namespace fpgeom::testing;

// Without a rectangle, OptimizeAndCheck alone; with one, IntersectRect, which
// cleans up the ring it keeps. Both empty a ring of fewer than three points
// and return 0, and leave the cursor at the end.
struct CleanUpCase {
  Coordinates ring;
  std::optional<CFPRect> rect;  // left, right, bottom, top
  Coordinates expected;
};

TEST(RectangleClipping, KeepsThePartInsideAsOneRingAndRemovesRedundantPointsInWalkOrder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const CFPRect box(0, 4, 0, 4);
  const Coordinates square = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  const CleanUpCase cases[] = {
      {{}, {}, {}},
      {{{0, 0}, {1, 1}}, {}, {}},
      {{{0, 0}, {1, 1}, {2, 2}}, {}, {}},                                         // three points on one line
      {{{0, 0}, {0, 2}, {2, 2}, {2, 0}, {1, 0}}, {}, {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},  // midpoint of a horizontal side
      {{{0, 0}, {0, 2}, {2, 2}, {2, 1}, {2, 0}}, {}, {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},  // midpoint of a vertical side
      {{{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}, {}, {{0, 1}, {1, 1}, {1, 0}, {0, 0}}},  // the head repeated loses the head
      // 1e-7 apart in both coordinates is coincident; exactly 2^-23 is not.
      {{{0, 0}, {1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}}, {}, {{1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}}},
      {{{0, 0}, {kPointEpsilon, 0}, {1, 1}, {0, 1}}, {}, {{0, 0}, {kPointEpsilon, 0}, {1, 1}, {0, 1}}},
      {{{0, 0}, {1e-8, 5}, {0, 10}, {10, 10}, {10, 0}}, {}, {{0, 0}, {0, 10}, {10, 10}, {10, 0}}},  // nearly vertical steps
      {{{0, 0}, {0, 5}, {0, 2}, {10, 2}}, {}, {{0, 0}, {0, 2}, {10, 2}}},  // tip of a vertical back-and-forth
      // Steep steps whose slopes differ by 1 are kept.
      {{{0, 0}, {0.001, 1000}, {0.002, 2000.001}}, {}, {{0, 0}, {0.001, 1000}, {0.002, 2000.001}}},
      // (3.9,0) is kept in the first pass, while its successor (4,1e-7) still
      // bends the line; once that point goes, the second pass removes it.
      {{{0, 0}, {3.9, 0}, {4, 1e-7}, {4, 0}, {4, 4}, {0, 4}}, {}, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}},
      // Clipping: an inverted rectangle clips like its normal form.
      {square, CFPRect(1, 3, 1, 3), {{3, 3}, {1, 3}, {1, 1}, {3, 1}}},
      {square, CFPRect(3, 1, 3, 1), {{3, 3}, {1, 3}, {1, 1}, {3, 1}}},
      {{{1, 1}, {1.5, 1}, {2, 1}, {2, 2}, {1, 2}}, box, {{1, 1}, {2, 1}, {2, 2}, {1, 2}}},  // wholly inside, cleaned
      {{{0, 0}, {4, 0}, {4, 4}, {2, 2}}, box, {{0, 0}, {4, 0}, {4, 4}}},                    // collinear point inside
      {{{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}, box, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}},        // overlapping a corner
      {{{10, 10}, {12, 10}, {12, 12}}, box, {}},                                            // wholly outside
      {{{0, -2}, {4, -2}, {4, 0}, {0, 0}}, box, {}},                      // touching the border from outside
      {{{0, -2}, {4, -2}, {4, 0}, {2, 0}, {0, 0}}, box, {}},              // three points left on the border
      // Both legs reach into the rectangle; the stretch (2,3)-(4,3) is run
      // along once in each direction.
      {{{0, 0}, {2, 0}, {2, 4}, {4, 4}, {4, 0}, {6, 0}, {6, 6}, {0, 6}}, CFPRect(1, 5, 1, 3),
       {{5, 3}, {1, 3}, {1, 1}, {2, 1}, {2, 3}, {4, 3}, {4, 1}, {5, 1}}},
      {square, CFPRect(2, 2, 0, 4), {}},                                           // zero width
      {{{0, 3}, {9, 0}, {0, 0}}, CFPRect(1, 8, 1, 8), {{1, 1}, {1, 2.6666666666666665}, {6, 1}}},  // crossing points
      // Fewer than three points: the rectangle is not even looked at.
      {{{0, 0}, {1, 1}}, CFPRect(nan, nan, nan, nan), {}},
  };
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    SCOPED_TRACE(::testing::Message() << "case " << index);
    const CleanUpCase& c = cases[index];
    CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(c.rect ? polygon.IntersectRect(*c.rect) : polygon.OptimizeAndCheck(), c.expected.empty() ? 0 : 1);
    EXPECT_EQ(polygon.isPosValid(), 0);
    EXPECT_EQ(PointsOf(polygon), c.expected);
  }
}

}  // namespace
