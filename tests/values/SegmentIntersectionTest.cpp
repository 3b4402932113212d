#include <gtest/gtest.h>

#include <limits>

#include "fpgeom/values/FPSegment.h"

namespace {

struct Case {
  const char* description;
  CFPPoint a1, a2, b1, b2;
  INTERSECT_TYPE expected;
  CFPPoint out;  // checked only for INTERSECT_POINT and INTERSECT_OVERLAP
};

// When the segments do not meet the output point must stay as it was.
void ExpectCase(const Case& c) {
  const CFPPoint untouched(-99.0, -99.0);
  CFPPoint out = untouched;
  EXPECT_EQ(IntersectSegments(c.a1, c.a2, c.b1, c.b2, out), c.expected) << c.description;
  const bool meets = c.expected == INTERSECT_POINT || c.expected == INTERSECT_OVERLAP;
  EXPECT_EQ(out.x, meets ? c.out.x : untouched.x) << c.description;
  EXPECT_EQ(out.y, meets ? c.out.y : untouched.y) << c.description;
}

TEST(SegmentIntersection, CrossingSegmentsMeetAtOnePointOnBoth) {
  const Case cases[] = {
      {"diagonals of a square", {0, 0}, {10, 10}, {0, 10}, {10, 0}, INTERSECT_POINT, {5, 5}},
      {"meeting at the end of a", {0, 0}, {10, 0}, {10, 0}, {10, 10}, INTERSECT_POINT, {10, 0}},
      {"meeting at the start of b", {0, 5}, {10, 5}, {3, 5}, {3, 9}, INTERSECT_POINT, {3, 5}},
      {"crossing point computed along a", {0, 0}, {4, 2}, {0, 2}, {4, 0}, INTERSECT_POINT, {2, 1}},
      {"lines cross outside a", {0, 0}, {1, 1}, {0, 10}, {10, 0}, INTERSECT_NONE, {}},
      {"lines cross outside b", {0, 0}, {10, 10}, {0, 10}, {4, 6}, INTERSECT_NONE, {}},
      {"just past the end of a", {0, 0}, {10, 0}, {10.000001, -1}, {10.000001, 1}, INTERSECT_NONE, {}},
  };
  for (const Case& c : cases) ExpectCase(c);
}

// Overlap tests a1, a2, then b1 against the other segment: the first on it is
// the answer. NaN fails every threshold test, so it reads as parallel.
TEST(SegmentIntersection, ParallelSegmentsOverlapOnlyWhenAnEndLiesOnTheOther) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"horizontal, different lines", {0, 0}, {10, 0}, {0, 1}, {10, 1}, INTERSECT_PARALLEL, {}},
      {"horizontal, overlap holds a2", {0, 0}, {10, 0}, {5, 0}, {20, 0}, INTERSECT_OVERLAP, {10, 0}},
      {"horizontal, touching at the origin", {-5, 0}, {0, 0}, {0, 0}, {4, 0}, INTERSECT_OVERLAP, {0, 0}},
      {"horizontal, touching away from the origin", {0, 0}, {5, 0}, {5, 0}, {9, 0}, INTERSECT_PARALLEL, {}},
      {"horizontal, degenerate a beside b", {5, 1}, {5, 1}, {0, 0}, {10, 0}, INTERSECT_PARALLEL, {}},
      {"vertical, b inside a", {7, 10}, {7, 0}, {7, 2}, {7, 3}, INTERSECT_OVERLAP, {7, 2}},
      {"vertical, touching away from the origin", {3, 0}, {3, 5}, {3, 5}, {3, 9}, INTERSECT_PARALLEL, {}},
      {"oblique, touching end to end", {0, 0}, {2, 2}, {2, 2}, {4, 4}, INTERSECT_OVERLAP, {2, 2}},
      {"oblique, overlap holds a1, b reversed", {3, 3}, {8, 8}, {6, 6}, {0, 0}, INTERSECT_OVERLAP, {3, 3}},
      {"oblique, b inside a", {0, 0}, {10, 10}, {2, 2}, {3, 3}, INTERSECT_OVERLAP, {2, 2}},
      {"oblique, apart on one line", {0, 0}, {1, 1}, {2, 2}, {3, 3}, INTERSECT_PARALLEL, {}},
      {"oblique, degenerate a on b", {1, 2}, {1, 2}, {0, 0}, {2, 4}, INTERSECT_OVERLAP, {1, 2}},
      {"NaN in a1", {nan, 0}, {1, 1}, {0, 1}, {1, 0}, INTERSECT_PARALLEL, {}},
  };
  for (const Case& c : cases) ExpectCase(c);
}

}  // namespace
