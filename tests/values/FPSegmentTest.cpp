#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/Tolerance.h"

namespace {

TEST(Segment, NearestPointIsAnEndOrTheFootOfThePerpendicular) {
  const double eps = fpgeom::kDoubleEpsilon;
  // segment, point, distance, nearest point
  const std::tuple<CFPSegment, CFPPoint, double, CFPPoint> cases[] = {
      {{{0, 0}, {10, 0}}, {5, -3}, 3, {5, 0}},   // foot inside, either side
      {{{0, 0}, {10, 0}}, {-3, 4}, 5, {0, 0}},   // before the start
      {{{0, 0}, {10, 0}}, {14, 3}, 5, {10, 0}},  // past the end
      {{{0, 0}, {10, 0}}, {10, 2}, 2, {10, 0}},  // exactly at the far parameter 1: still the foot
      // Along (0,0)-(1,0) the parameter is x: up to 2^-52 snaps to the start.
      {{{0, 0}, {1, 0}}, {eps, 1}, std::hypot(eps, 1.0), {0, 0}},
      {{{0, 0}, {1, 0}}, {2 * eps, 1}, 1, {2 * eps, 0}},
  };
  for (const auto& [segment, pt, distance, expected] : cases) {
    CFPPoint nearest(-99, -99);
    EXPECT_EQ(segment.getNearestPt(pt, nearest), distance) << pt.x << ", " << pt.y;
    EXPECT_EQ(std::pair(nearest.x, nearest.y), std::pair(expected.x, expected.y)) << pt.x << ", " << pt.y;
  }
  CFPPoint nearest(1, 1);
  EXPECT_TRUE(std::isnan(CFPSegment(CFPPoint(5, 0), CFPPoint(5, 0)).getNearestPt(CFPPoint(0, 0), nearest)));
  EXPECT_TRUE(std::isnan(nearest.x) && std::isnan(nearest.y)) << "a degenerate segment has no nearest point";
}

// Crossing lines meet where the crossing lies on both segments, ends
// included. Parallel ones overlap when a1, a2, then b1 lies on the other
// segment: the first that does is the answer. NaN fails every threshold test,
// so it reads as parallel. When the segments do not meet the output point
// stays as it was.
TEST(Segment, IntersectionIsACrossingPointOrTheFirstEndOnTheOtherSegment) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::tuple<const char*, CFPPoint, CFPPoint, CFPPoint, CFPPoint, INTERSECT_TYPE, CFPPoint> cases[] = {
      {"diagonals of a square", {0, 0}, {10, 10}, {0, 10}, {10, 0}, INTERSECT_POINT, {5, 5}},
      {"meeting at the end of a", {0, 0}, {10, 0}, {10, 0}, {10, 10}, INTERSECT_POINT, {10, 0}},
      {"meeting at the start of b", {0, 5}, {10, 5}, {3, 5}, {3, 9}, INTERSECT_POINT, {3, 5}},
      {"crossing point computed along a", {0, 0}, {4, 2}, {0, 2}, {4, 0}, INTERSECT_POINT, {2, 1}},
      {"lines cross outside a", {0, 0}, {1, 1}, {0, 10}, {10, 0}, INTERSECT_NONE, {-99, -99}},
      {"lines cross outside b", {0, 0}, {10, 10}, {0, 10}, {4, 6}, INTERSECT_NONE, {-99, -99}},
      {"just past the end of a", {0, 0}, {10, 0}, {10.000001, -1}, {10.000001, 1}, INTERSECT_NONE, {-99, -99}},
      {"horizontal, different lines", {0, 0}, {10, 0}, {0, 1}, {10, 1}, INTERSECT_PARALLEL, {-99, -99}},
      {"horizontal, overlap holds a2", {0, 0}, {10, 0}, {5, 0}, {20, 0}, INTERSECT_OVERLAP, {10, 0}},
      {"horizontal, touching at the origin", {-5, 0}, {0, 0}, {0, 0}, {4, 0}, INTERSECT_OVERLAP, {0, 0}},
      {"horizontal, touching away from the origin", {0, 0}, {5, 0}, {5, 0}, {9, 0}, INTERSECT_PARALLEL, {-99, -99}},
      {"horizontal, degenerate a beside b", {5, 1}, {5, 1}, {0, 0}, {10, 0}, INTERSECT_PARALLEL, {-99, -99}},
      {"vertical, b inside a", {7, 10}, {7, 0}, {7, 2}, {7, 3}, INTERSECT_OVERLAP, {7, 2}},
      {"vertical, touching away from the origin", {3, 0}, {3, 5}, {3, 5}, {3, 9}, INTERSECT_PARALLEL, {-99, -99}},
      {"oblique, touching end to end", {0, 0}, {2, 2}, {2, 2}, {4, 4}, INTERSECT_OVERLAP, {2, 2}},
      {"oblique, overlap holds a1, b reversed", {3, 3}, {8, 8}, {6, 6}, {0, 0}, INTERSECT_OVERLAP, {3, 3}},
      {"oblique, b inside a", {0, 0}, {10, 10}, {2, 2}, {3, 3}, INTERSECT_OVERLAP, {2, 2}},
      {"oblique, apart on one line", {0, 0}, {1, 1}, {2, 2}, {3, 3}, INTERSECT_PARALLEL, {-99, -99}},
      {"oblique, degenerate a on b", {1, 2}, {1, 2}, {0, 0}, {2, 4}, INTERSECT_OVERLAP, {1, 2}},
      {"NaN in a1", {nan, 0}, {1, 1}, {0, 1}, {1, 0}, INTERSECT_PARALLEL, {-99, -99}},
  };
  for (const auto& [what, a1, a2, b1, b2, expected, expectedOut] : cases) {
    CFPPoint out(-99, -99);
    EXPECT_EQ(IntersectSegments(a1, a2, b1, b2, out), expected) << what;
    EXPECT_EQ(std::pair(out.x, out.y), std::pair(expectedOut.x, expectedOut.y)) << what;
  }
}

}  // namespace
