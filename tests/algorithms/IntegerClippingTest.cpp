#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "fpgeom/algorithms/IntegerClipping.h"

namespace {

using Points = std::vector<std::pair<std::int32_t, std::int32_t>>;

std::vector<tagPOINT> ToArray(const Points& points) {
  std::vector<tagPOINT> array;
  for (const auto& [x, y] : points) array.push_back(tagPOINT{x, y});
  return array;
}

Points FromArray(const std::vector<tagPOINT>& array) {
  Points points;
  for (const tagPOINT& point : array) points.emplace_back(point.x, point.y);
  return points;
}

constexpr tagPOINT kUntouched{-77, -77};

struct IntegerClipCase {
  const char* what;
  Points polygon;
  tagRECT rect;  // left, top, right, bottom
  Points expected;
};

TEST(IntegerClipping, WritesTheClippedRingFromItsHeadWhichIsTheLastArrayPoint) {
  const IntegerClipCase cases[] = {
      {"square around the rectangle",
       {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
       {2, 2, 8, 8},
       {{8, 2}, {2, 2}, {2, 8}, {8, 8}}},
      {"wholly inside comes back reversed",
       {{1, 1}, {2, 1}, {2, 2}, {1, 2}},
       {0, 0, 4, 4},
       {{1, 2}, {2, 2}, {2, 1}, {1, 1}}},
      {"crossing points rounded", {{0, 0}, {9, 0}, {0, 3}}, {1, 1, 8, 8}, {{1, 1}, {1, 3}, {6, 1}}},
      {"wholly outside", {{10, 10}, {12, 10}, {12, 12}}, {0, 0, 4, 4}, {}},
      {"two points", {{0, 0}, {2, 2}}, {0, 0, 4, 4}, {}},
      {"no points", {}, {0, 0, 4, 4}, {}},
  };
  for (const IntegerClipCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<tagPOINT> input = ToArray(c.polygon);
    const int n = static_cast<int>(input.size());
    const int expectedCount = static_cast<int>(c.expected.size());
    EXPECT_EQ(GetPolySizeAfterIntersection(input.data(), n, &c.rect), expectedCount);

    std::vector<tagPOINT> out(c.expected.size() + 2, kUntouched);
    EXPECT_EQ(IntersectPolyWithRect(input.data(), n, &c.rect, out.data(), static_cast<int>(out.size())),
              expectedCount);
    Points expectedOut = c.expected;
    expectedOut.resize(out.size(), {kUntouched.x, kUntouched.y});
    EXPECT_EQ(FromArray(out), expectedOut);
  }
}

TEST(IntegerClipping, WritesNothingWhenTheArrayIsTooSmallButStillReturnsTheCount) {
  const std::vector<tagPOINT> triangle = ToArray({{0, 0}, {9, 0}, {0, 3}});
  const tagRECT rect{1, 1, 8, 8};
  std::vector<tagPOINT> out(3, kUntouched);
  EXPECT_EQ(IntersectPolyWithRect(triangle.data(), 3, &rect, out.data(), 2), 3);
  EXPECT_EQ(FromArray(out), Points(3, {kUntouched.x, kUntouched.y}));

  EXPECT_EQ(IntersectPolyWithRect(triangle.data(), 3, &rect, out.data(), 3), 3);
  EXPECT_EQ(FromArray(out), (Points{{1, 1}, {1, 3}, {6, 1}}));
}

// Bottom and top of the window rectangle are put in order.
TEST(IntegerClipping, AcceptsEitherOrderOfTopAndBottomAndTheWholeIntegerRange) {
  const std::vector<tagPOINT> square = ToArray({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  const tagRECT flipped{8, 8, 2, 2};
  std::vector<tagPOINT> out(4, kUntouched);
  EXPECT_EQ(IntersectPolyWithRect(square.data(), 4, &flipped, out.data(), 4), 4);
  EXPECT_EQ(FromArray(out), (Points{{8, 2}, {2, 2}, {2, 8}, {8, 8}}));

  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::vector<tagPOINT> huge = ToArray({{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}});
  const tagRECT everything{kMin, kMin, kMax, kMax};
  EXPECT_EQ(IntersectPolyWithRect(huge.data(), 4, &everything, out.data(), 4), 4);
  EXPECT_EQ(FromArray(out), (Points{{kMin, kMax}, {kMax, kMax}, {kMax, kMin}, {kMin, kMin}}));
}

}  // namespace
