#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "fpgeom/values/FPSegment.h"

namespace {

struct Case {
  const char* description;
  CFPPoint a1, a2, b1, b2;
  INTERSECT_TYPE expected;
  CFPPoint out;  // checked only for INTERSECT_POINT and INTERSECT_OVERLAP
};

std::ostream& operator<<(std::ostream& stream, const Case& c) { return stream << c.description; }

// The output point must be left alone when the segments do not meet, so it
// starts at a value no case produces.
const CFPPoint kUntouched(-99.0, -99.0);

void ExpectCase(const Case& c) {
  CFPPoint out = kUntouched;
  EXPECT_EQ(IntersectSegments(c.a1, c.a2, c.b1, c.b2, out), c.expected) << c;
  const bool meets = c.expected == INTERSECT_POINT || c.expected == INTERSECT_OVERLAP;
  const CFPPoint& expectedOut = meets ? c.out : kUntouched;
  EXPECT_EQ(out.x, expectedOut.x) << c;
  EXPECT_EQ(out.y, expectedOut.y) << c;
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

TEST(SegmentIntersection, ParallelHorizontalSegmentsOverlapOnlyWhenAnEndLiesOnTheOther) {
  const Case cases[] = {
      {"different lines", {0, 0}, {10, 0}, {0, 1}, {10, 1}, INTERSECT_PARALLEL, {}},
      {"overlap holds a2", {0, 0}, {10, 0}, {5, 0}, {20, 0}, INTERSECT_OVERLAP, {10, 0}},
      {"operands swapped: overlap holds a1", {5, 0}, {20, 0}, {0, 0}, {10, 0}, INTERSECT_OVERLAP, {5, 0}},
      {"b inside a: b1 is the answer", {0, 0}, {10, 0}, {2, 0}, {3, 0}, INTERSECT_OVERLAP, {2, 0}},
      {"a inside b: a1 comes first", {2, 0}, {3, 0}, {10, 0}, {0, 0}, INTERSECT_OVERLAP, {2, 0}},
      {"touching at the origin", {-5, 0}, {0, 0}, {0, 0}, {4, 0}, INTERSECT_OVERLAP, {0, 0}},
      {"touching away from the origin", {0, 0}, {5, 0}, {5, 0}, {9, 0}, INTERSECT_PARALLEL, {}},
      {"apart on one line", {0, 0}, {4, 0}, {5, 0}, {9, 0}, INTERSECT_PARALLEL, {}},
      {"degenerate a on b", {5, 0}, {5, 0}, {0, 0}, {10, 0}, INTERSECT_OVERLAP, {5, 0}},
      {"degenerate a beside b", {5, 1}, {5, 1}, {0, 0}, {10, 0}, INTERSECT_PARALLEL, {}},
  };
  for (const Case& c : cases) ExpectCase(c);
}

TEST(SegmentIntersection, ParallelVerticalSegmentsUseTheSameTestsAcross) {
  const Case cases[] = {
      {"different lines", {0, 0}, {0, 10}, {1, 0}, {1, 10}, INTERSECT_PARALLEL, {}},
      {"overlap holds a2", {0, 0}, {0, 10}, {0, 5}, {0, 20}, INTERSECT_OVERLAP, {0, 10}},
      {"overlap holds a1", {0, 5}, {0, 20}, {0, 10}, {0, 0}, INTERSECT_OVERLAP, {0, 5}},
      {"b inside a", {7, 10}, {7, 0}, {7, 2}, {7, 3}, INTERSECT_OVERLAP, {7, 2}},
      {"touching at the origin", {0, -5}, {0, 0}, {0, 0}, {0, 4}, INTERSECT_OVERLAP, {0, 0}},
      {"touching away from the origin", {3, 0}, {3, 5}, {3, 5}, {3, 9}, INTERSECT_PARALLEL, {}},
      {"apart on one line", {0, 0}, {0, 4}, {0, 5}, {0, 9}, INTERSECT_PARALLEL, {}},
      {"degenerate b on a", {0, 0}, {0, 10}, {0, 4}, {0, 4}, INTERSECT_OVERLAP, {0, 4}},
  };
  for (const Case& c : cases) ExpectCase(c);
}

TEST(SegmentIntersection, ParallelObliqueSegmentsCompareParametersAlongTheOther) {
  const Case cases[] = {
      {"different lines", {0, 0}, {2, 2}, {0, 1}, {2, 3}, INTERSECT_PARALLEL, {}},
      {"touching end to end", {0, 0}, {2, 2}, {2, 2}, {4, 4}, INTERSECT_OVERLAP, {2, 2}},
      {"overlap holds a2", {0, 0}, {4, 4}, {2, 2}, {6, 6}, INTERSECT_OVERLAP, {4, 4}},
      {"overlap holds a1, b reversed", {3, 3}, {8, 8}, {6, 6}, {0, 0}, INTERSECT_OVERLAP, {3, 3}},
      {"b inside a", {0, 0}, {10, 10}, {2, 2}, {3, 3}, INTERSECT_OVERLAP, {2, 2}},
      {"apart on one line", {0, 0}, {1, 1}, {2, 2}, {3, 3}, INTERSECT_PARALLEL, {}},
      {"opposite directions, different lines", {0, 0}, {3, -1}, {6, 0}, {0, 2}, INTERSECT_PARALLEL, {}},
      {"degenerate a on b", {1, 2}, {1, 2}, {0, 0}, {2, 4}, INTERSECT_OVERLAP, {1, 2}},
  };
  for (const Case& c : cases) ExpectCase(c);
}

TEST(SegmentIntersection, NaNCoordinateNeverMakesSegmentsMeet) {
  // NaN makes the cross product fail both threshold tests, so the pair falls
  // through to the oblique parallel tests, which all fail as well.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ExpectCase({"NaN in a1", {nan, 0}, {1, 1}, {0, 1}, {1, 0}, INTERSECT_PARALLEL, {}});
}

}  // namespace
