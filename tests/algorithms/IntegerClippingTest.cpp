#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "fpgeom/algorithms/IntegerClipping.h"

namespace {

using Points = std::vector<std::pair<std::int32_t, std::int32_t>>;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr tagPOINT kUntouched{-77, -77};

struct IntegerClipCase {
  const char* what;
  Points polygon;
  tagRECT rect;  // left, top, right, bottom
  Points expected;
};

// The output array has two spare points, which must stay untouched.
TEST(IntegerClipping, WritesTheClippedRingFromItsHeadWhichIsTheLastArrayPoint) {
  const Points square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const IntegerClipCase cases[] = {
      {"square around the rectangle", square, {2, 2, 8, 8}, {{8, 2}, {2, 2}, {2, 8}, {8, 8}}},
      {"top below bottom", square, {8, 8, 2, 2}, {{8, 2}, {2, 2}, {2, 8}, {8, 8}}},
      {"wholly inside comes back reversed",
       {{1, 1}, {2, 1}, {2, 2}, {1, 2}},
       {0, 0, 4, 4},
       {{1, 2}, {2, 2}, {2, 1}, {1, 1}}},
      {"crossing points rounded", {{0, 0}, {9, 0}, {0, 3}}, {1, 1, 8, 8}, {{1, 1}, {1, 3}, {6, 1}}},
      {"the whole integer range",
       {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}},
       {kMin, kMin, kMax, kMax},
       {{kMin, kMax}, {kMax, kMax}, {kMax, kMin}, {kMin, kMin}}},
      {"wholly outside", {{10, 10}, {12, 10}, {12, 12}}, {0, 0, 4, 4}, {}},
      {"two points", {{0, 0}, {2, 2}}, {0, 0, 4, 4}, {}},
      {"no points", {}, {0, 0, 4, 4}, {}},
  };
  for (const IntegerClipCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<tagPOINT> input;
    for (const auto& [x, y] : c.polygon) input.push_back(tagPOINT{x, y});
    const int n = static_cast<int>(input.size());
    const int expectedCount = static_cast<int>(c.expected.size());
    EXPECT_EQ(GetPolySizeAfterIntersection(input.data(), n, &c.rect), expectedCount);

    std::vector<tagPOINT> out(c.expected.size() + 2, kUntouched);
    EXPECT_EQ(IntersectPolyWithRect(input.data(), n, &c.rect, out.data(), static_cast<int>(out.size())),
              expectedCount);
    Points written;
    for (const tagPOINT& point : out) written.emplace_back(point.x, point.y);
    Points expectedOut = c.expected;
    expectedOut.resize(out.size(), {kUntouched.x, kUntouched.y});
    EXPECT_EQ(written, expectedOut);
  }
}

}  // namespace
