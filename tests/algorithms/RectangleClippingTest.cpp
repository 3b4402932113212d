// The rectangle clipping and the clean-up it ends with, on rings whose
// results are known exactly; then the clipping on a contiguous ring against
// the passes over the polygon's own list that it replaces: the same result,
// bits, order, head and cursor, for IntersectRect and for the integer entry
// points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "algorithms/ClipCases.h"
#include "algorithms/RingClipping.h"
#include "fpgeom/algorithms/IntegerClipping.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "support/Shapes.h"

namespace {

using namespace fpgeom::test;

// Without a rectangle, OptimizeAndCheck alone; with one, IntersectRect, which
// cleans up the ring it keeps. Both empty a ring of fewer than three points
// and return 0, and leave the cursor at the end.
TEST(RectangleClipping, KeepsThePartInsideAsOneRingAndRemovesRedundantPointsInWalkOrder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const CFPRect box(0, 4, 0, 4);
  const Ring square = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  const struct {
    Ring ring;
    std::optional<CFPRect> rect;  // left, right, bottom, top
    Ring expected;
  } cases[] = {
      {{}, {}, {}},
      {{{0, 0}, {1, 1}}, {}, {}},
      {{{0, 0}, {1, 1}, {2, 2}}, {}, {}},                                         // three points on one line
      {{{0, 0}, {0, 2}, {2, 2}, {2, 0}, {1, 0}}, {}, {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},  // midpoint of a horizontal side
      {{{0, 0}, {0, 2}, {2, 2}, {2, 1}, {2, 0}}, {}, {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},  // midpoint of a vertical side
      {{{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}, {}, {{0, 1}, {1, 1}, {1, 0}, {0, 0}}},  // the head repeated loses the head
      // 1e-7 apart in both coordinates is coincident; exactly 2^-23 is not.
      {{{0, 0}, {1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}}, {}, {{1e-7, 1e-7}, {0, 1}, {1, 1}, {1, 0}}},
      {{{0, 0}, {fpgeom::kPointEpsilon, 0}, {1, 1}, {0, 1}}, {}, {{0, 0}, {fpgeom::kPointEpsilon, 0}, {1, 1}, {0, 1}}},
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
    const auto& c = cases[index];
    CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(c.rect ? polygon.IntersectRect(*c.rect) : polygon.OptimizeAndCheck(), c.expected.empty() ? 0 : 1);
    EXPECT_EQ(polygon.isPosValid(), 0);
    EXPECT_EQ(WalkedRing(polygon), c.expected);
  }
}

// The cursor is read before the walk that takes the bits (a braced list is
// evaluated in order).
auto OutcomeOf(int result, const CFPPolygon& polygon) {
  return std::tuple{result, polygon.isPosValid(), BitsOf(polygon)};
}

TEST(ClipDifferential, IntersectRectGivesWhatThePassesOverTheListGive) {
  ClipCases cases(20261207);
  const std::uint64_t count = RequestedCases("FPGEOM_CLIP_CASES", 4000);
  std::uint64_t kept = 0;
  for (std::uint64_t k = 0; k < count; ++k) {
    const ClipCase c = cases.Next();
    CFPPolygon fast = PolygonOf(c.ring);
    CFPPolygon plain = PolygonOf(c.ring);
    fast.BeginIteration(DIR_FORWARD);  // a cursor inside the ring on entry
    plain.BeginIteration(DIR_FORWARD);
    const int result = fast.IntersectRect(c.rect);
    kept += static_cast<std::uint64_t>(result);
    ASSERT_EQ(OutcomeOf(result, fast), OutcomeOf(fpgeom::detail::PlainIntersectRect(plain, c.rect), plain))
        << "case " << k;
  }
  // The cases must reach both outcomes often, or they test little.
  EXPECT_GT(kept, count / 5);
  EXPECT_LT(kept, count - count / 5);
}

// The integer entry points against the working polygon they stand for (the
// array reversed), clipped by passes over its list and written by FillArray:
// the same count, the same points, and nothing written into too small an
// array, by one point.
void ExpectIntegerClippingAsThePlainPath(const std::vector<tagPOINT>& ring, const tagRECT& rect) {
  const int n = static_cast<int>(ring.size());
  CFPPolygon working(ring.data(), n);
  const int plainResult = fpgeom::detail::PlainIntersectRect(working, CFPRect(&rect)) == 1 ? working.getCount() : 0;
  std::vector<tagPOINT> plainOut(ring.size() * 2 + 4, tagPOINT{-1, -1});
  if (plainResult != 0) working.FillArray(plainOut.data(), static_cast<int>(plainOut.size()));

  ASSERT_EQ(GetPolySizeAfterIntersection(ring.data(), n, &rect), plainResult);
  for (const int slack : {0, -1}) {
    std::vector<tagPOINT> out(plainOut.size(), tagPOINT{-1, -1});
    const int outSize = plainResult == 0 ? static_cast<int>(out.size()) : plainResult + slack;
    ASSERT_EQ(IntersectPolyWithRect(ring.data(), n, &rect, out.data(), outSize), plainResult);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const tagPOINT expected = slack == 0 && static_cast<int>(i) < plainResult ? plainOut[i] : tagPOINT{-1, -1};
      ASSERT_TRUE(out[i].x == expected.x && out[i].y == expected.y) << "point " << i;
    }
  }
}

// Rings from the same generator, scaled onto a lattice, after the ends of
// the integer range and a rectangle given top below bottom.
TEST(ClipDifferential, IntegerEntryPointsGiveWhatThePassesOverTheListGive) {
  const std::int32_t low = INT32_MIN, high = INT32_MAX;
  ExpectIntegerClippingAsThePlainPath({{low, low}, {high, low}, {high, high}, {low, high}}, {low, low, high, high});
  ExpectIntegerClippingAsThePlainPath({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {8, 8, 2, 2});
  ClipCases cases(7);
  const std::uint64_t count = RequestedCases("FPGEOM_CLIP_CASES", 4000) / 4;
  for (std::uint64_t k = 0; k < count; ++k) {
    const ClipCase c = cases.Next();
    const auto integer = [scale = std::ldexp(1.0, static_cast<int>(k % 32))](double v) {
      return static_cast<std::int32_t>(std::isfinite(v) ? std::fmax(-2e9, std::fmin(2e9, std::round(v * scale))) : 0);
    };
    std::vector<tagPOINT> ring;
    for (const CFPPoint& point : c.ring) ring.push_back({integer(point.x), integer(point.y)});
    SCOPED_TRACE(::testing::Message() << "case " << k);
    ExpectIntegerClippingAsThePlainPath(ring, {integer(c.rect.left), integer(c.rect.top), integer(c.rect.right),
                                               integer(c.rect.bottom)});
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
