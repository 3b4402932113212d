#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/FPSegment.h"
#include "fpgeom/values/FPSize.h"
#include "fpgeom/values/Tolerance.h"
#include "values/ArchiveRecord.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

// Points, sizes, rectangles and segments all compare each coordinate on its
// own: equal when at most 2^-23 apart (absolute, not relative), and a NaN
// difference is not greater than that.
TEST(Values, EqualityAllowsTwoToTheMinus23InEveryCoordinateInclusiveAndAbsolute) {
  const double eps = fpgeom::kPointEpsilon;
  const std::tuple<double, double, bool> cases[] = {
      {0, eps, true}, {0, -eps, true}, {0, std::nextafter(eps, 1.0), false}, {0, -std::nextafter(eps, 1.0), false},
      {1e10, std::nextafter(1e10, 2e10), false},  // one unit in the last place is 2^-19 there
      {kNaN, 5, true},
  };
  for (const auto& [first, second, equal] : cases) {
    SCOPED_TRACE(::testing::Message() << first << " against " << second);
    for (int field = 0; field < 4; ++field) {
      double a[4] = {1, 2, 3, 4};
      double b[4] = {1, 2, 3, 4};
      a[field] = first;
      b[field] = second;
      const CFPPoint a1(a[0], a[1]), a2(a[2], a[3]), b1(b[0], b[1]), b2(b[2], b[3]);
      EXPECT_EQ(CFPRect(a[0], a[1], a[2], a[3]) == CFPRect(b[0], b[1], b[2], b[3]), equal) << field;
      EXPECT_EQ(CFPRect(a[0], a[1], a[2], a[3]) != CFPRect(b[0], b[1], b[2], b[3]), !equal) << field;
      EXPECT_EQ(CFPSegment(a1, a2) == CFPSegment(b1, b2), equal) << field;
      EXPECT_EQ(CFPSegment(a1, a2) |= CFPSegment(b2, b1), equal) << field;
      if (field >= 2) continue;
      EXPECT_EQ(a1 == b1, equal) << field;
      EXPECT_EQ(a1 != b1, !equal) << field;
      EXPECT_EQ(CFPSize(a[0], a[1]) == CFPSize(b[0], b[1]), equal) << field;
      EXPECT_EQ(CFPSize(a[0], a[1]) != CFPSize(b[0], b[1]), !equal) << field;
    }
  }
  // Direction-free equality of segments takes either order, but not a
  // segment that merely shares one end.
  const CFPSegment forward(CFPPoint(0, 0), CFPPoint(1, 0));
  EXPECT_FALSE(forward == CFPSegment(CFPPoint(1, 0), CFPPoint(0, 0)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(1, 0), CFPPoint(0, 1)));
  EXPECT_FALSE(forward |= CFPSegment(CFPPoint(0, 0), CFPPoint(0, 0)));
}

// Sizes and rectangles convert through the same rounding.
TEST(Point, ConvertsToIntegerPointRoundingHalvesAwayFromZero) {
  const std::tuple<double, double, std::int32_t, std::int32_t> cases[] = {
      {2.5, -2.5, 3, -3},
      {2.4999, -0.5, 2, -1},
      {0.49999999999999994, -0.49999999999999994, 0, 0},
      {2147483647.4, -2147483648.4, 2147483647, kIntMin},
      {2147483647.5, -2147483648.5, kIntMin, kIntMin},
      {kNaN, std::numeric_limits<double>::infinity(), kIntMin, kIntMin},
  };
  for (const auto& [x, y, expectedX, expectedY] : cases) {
    const CPoint converted = CFPPoint(x, y);
    EXPECT_EQ(std::pair(converted.x, converted.y), std::pair(expectedX, expectedY)) << x << ", " << y;
  }
}

// An object reference names the class with schema 1; the record follows: x
// then y, or left, bottom, right, top as stored (not normalised), as
// little-endian doubles, and nothing for a segment. A loaded object stores the
// same bytes again.
TEST(Values, RecordsFollowTheClassReferenceAsLittleEndianDoublesAndLoadBack) {
  using namespace fpgeom::test;
  CFPPoint point(2.0, -0.5);
  CFPRect rect(1.0, 3.0, 2.0, -0.5);
  CFPSegment segment(CFPPoint(1, 2), CFPPoint(3, 4));
  const std::tuple<CObject*, const char*, Bytes> cases[] = {
      {&point, "CFPPoint", ArchiveBytes().Double(2).Double(-0.5).bytes()},
      {&rect, "CFPRect", ArchiveBytes().Double(1).Double(2).Double(3).Double(-0.5).bytes()},
      {&segment, "CFPSegment", {}},
  };
  for (const auto& [object, name, record] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(StoreRecord(*object), record);
    const Bytes stored = ArchiveBytes().NewClass(1, name).Append(record).bytes();
    EXPECT_EQ(StoreObject(*object), stored);
    const auto loaded = LoadObject(stored, object->GetRuntimeClass());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), object->GetRuntimeClass());
    EXPECT_EQ(StoreObject(*loaded), stored);
  }
}

TEST(Point, DistanceAvoidsOverflowAndRotationTurnsClockwiseAddingTheCentreLast) {
  // The squares would overflow; powers of two keep the answer exact.
  EXPECT_EQ(CFPPoint(0.0, 0.0).distance(CFPPoint(std::ldexp(3.0, 600), std::ldexp(-4.0, 600))), std::ldexp(5.0, 600));
  // cos(pi/2) is 6.1e-17: it vanishes when the centre's 1 is added last,
  // and survives about the origin.
  const double quarter = std::acos(-1.0) / 2;
  // point, angle, centre, result
  const std::tuple<CFPPoint, double, CFPPoint, CFPPoint> cases[] = {
      {{1.0, 2.0}, quarter, {1.0, 1.0}, {2.0, 1.0}},
      {{2.0, 1.0}, -quarter, {1.0, 1.0}, {1.0, 2.0}},
      {{1.0, 0.0}, quarter, {0.0, 0.0}, {std::cos(quarter), -1.0}},
  };
  for (const auto& [start, angle, center, expected] : cases) {
    CFPPoint point = start;
    point.rotate(angle, center);
    EXPECT_EQ(std::pair(point.x, point.y), std::pair(expected.x, expected.y)) << start.x << ", " << start.y;
  }
}

}  // namespace
