#include <gtest/gtest.h>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "fpgeom/values/Tolerance.h"

namespace {

using fpgeom::kPointEpsilon;
using fpgeom::testing::Coordinates;
using fpgeom::testing::PolygonOf;
using fpgeom::testing::PointsOf;

struct CleanUpCase {
  const char* what;
  Coordinates ring;
  Coordinates expected;  // empty when the polygon is emptied and 0 returned
};

TEST(OptimizeAndCheck, RemovesRedundantPointsInWalkOrderAndKeepsTheRest) {
  const CleanUpCase cases[] = {
      {"empty ring", {}, {}},
      {"one point", {{1, 1}}, {}},
      {"two points", {{0, 0}, {1, 1}}, {}},
      {"three points on one line", {{0, 0}, {1, 1}, {2, 2}}, {}},
      {"midpoint of a horizontal side",
       {{0, 0}, {0, 2}, {2, 2}, {2, 0}, {1, 0}},
       {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},
      {"midpoint of a vertical side",
       {{0, 0}, {0, 2}, {2, 2}, {2, 1}, {2, 0}},
       {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},
      {"head repeated at the tail loses the head",
       {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}},
       {{0, 1}, {1, 1}, {1, 0}, {0, 0}}},
      {"1e-7 apart in both coordinates is coincident",
       {{0, 0}, {1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}},
       {{1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}}},
      {"exactly 2^-23 apart is not within tolerance",
       {{0, 0}, {kPointEpsilon, 0}, {1, 1}, {0, 1}},
       {{0, 0}, {kPointEpsilon, 0}, {1, 1}, {0, 1}}},
      {"two nearly vertical steps",
       {{0, 0}, {1e-8, 5}, {0, 10}, {10, 10}, {10, 0}},
       {{0, 0}, {0, 10}, {10, 10}, {10, 0}}},
      {"tip of a vertical back-and-forth", {{0, 0}, {0, 5}, {0, 2}, {10, 2}}, {{0, 0}, {0, 2}, {10, 2}}},
      {"steep steps whose slopes differ by 1 are kept",
       {{0, 0}, {0.001, 1000}, {0.002, 2000.001}},
       {{0, 0}, {0.001, 1000}, {0.002, 2000.001}}},
      // (3.9,0) is kept in the first pass, while its successor (4,1e-7) still
      // bends the line; once that point goes, the second pass removes it.
      {"a removal that makes an earlier point redundant",
       {{0, 0}, {3.9, 0}, {4, 1e-7}, {4, 0}, {4, 4}, {0, 4}},
       {{0, 0}, {4, 0}, {4, 4}, {0, 4}}},
  };
  for (const CleanUpCase& c : cases) {
    SCOPED_TRACE(c.what);
    CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(polygon.OptimizeAndCheck(), c.expected.empty() ? 0 : 1);
    EXPECT_EQ(polygon.isPosValid(), 0);
    EXPECT_EQ(PointsOf(polygon), c.expected);
  }
}

}  // namespace
