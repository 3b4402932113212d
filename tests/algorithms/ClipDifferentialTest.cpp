// The clipping on a contiguous ring against the passes over the polygon's own
// list that it replaces: the same result, bits, order, head and cursor, for
// IntersectRect and for the integer entry points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "algorithms/ClipCases.h"
#include "algorithms/RingClipping.h"
#include "fpgeom/algorithms/IntegerClipping.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace {

using fpgeom::test::ClipCase;
using fpgeom::test::ClipCases;
using fpgeom::test::Points;

std::uint64_t CaseCount(std::uint64_t brief) { return fpgeom::test::RequestedCases("FPGEOM_CLIP_CASES", brief); }

// The points by the polygon's own cursor walk; the cursor is read first.
struct Outcome {
  int result;
  bool cursorAtEnd;
  std::vector<std::uint64_t> bits;
  bool operator==(const Outcome& other) const {
    return result == other.result && cursorAtEnd == other.cursorAtEnd && bits == other.bits;
  }
};

Outcome OutcomeOf(int result, const CFPPolygon& polygon) {
  Outcome outcome{result, polygon.isPosValid() == 0, {}};
  polygon.BeginIteration(DIR_FORWARD);
  while (polygon.isIterationFinished() == 0) {
    const CFPPoint point = polygon.getNextNode();
    for (const double value : {point.x, point.y}) {
      std::uint64_t bits;
      std::memcpy(&bits, &value, sizeof bits);
      outcome.bits.push_back(bits);
    }
  }
  return outcome;
}

CFPPolygon PolygonOf(const Points& ring) {
  CFPPolygon polygon;
  for (const CFPPoint& point : ring) polygon.AddTailNode(point);
  polygon.BeginIteration(DIR_FORWARD);  // a cursor inside the ring on entry
  return polygon;
}

TEST(ClipDifferential, IntersectRectGivesWhatThePassesOverTheListGive) {
  ClipCases cases(20261207);
  const std::uint64_t count = CaseCount(4000);
  std::uint64_t kept = 0;
  for (std::uint64_t k = 0; k < count; ++k) {
    const ClipCase c = cases.Next();
    CFPPolygon fast = PolygonOf(c.ring);
    CFPPolygon plain = PolygonOf(c.ring);
    const int result = fast.IntersectRect(c.rect);
    kept += static_cast<std::uint64_t>(result);
    ASSERT_EQ(OutcomeOf(result, fast), OutcomeOf(fpgeom::detail::PlainIntersectRect(plain, c.rect), plain))
        << "case " << k;
  }
  // The cases must reach both outcomes often, or they test little.
  EXPECT_GT(kept, count / 5);
  EXPECT_LT(kept, count - count / 5);
}

// Integer rings from the same generator, scaled onto a lattice; the plain
// path is the working polygon of the integer entry points, clipped by passes
// over its list and written by FillArray.
TEST(ClipDifferential, IntegerEntryPointsGiveWhatThePassesOverTheListGive) {
  ClipCases cases(7);
  const std::uint64_t count = CaseCount(4000) / 4;
  for (std::uint64_t k = 0; k < count; ++k) {
    const ClipCase c = cases.Next();
    const double scale = std::ldexp(1.0, static_cast<int>(k % 32));
    const auto integer = [scale](double v) {
      return static_cast<std::int32_t>(std::isfinite(v) ? std::fmax(-2e9, std::fmin(2e9, std::round(v * scale))) : 0);
    };
    std::vector<tagPOINT> ring;
    for (const CFPPoint& point : c.ring) ring.push_back({integer(point.x), integer(point.y)});
    const tagRECT rect{integer(c.rect.left), integer(c.rect.top), integer(c.rect.right), integer(c.rect.bottom)};
    const int n = static_cast<int>(ring.size());

    CFPPolygon working(ring.data(), n);
    const int plainResult = fpgeom::detail::PlainIntersectRect(working, CFPRect(&rect)) == 1 ? working.getCount() : 0;
    std::vector<tagPOINT> plainOut(ring.size() * 2 + 4, tagPOINT{-1, -1});
    if (plainResult != 0) working.FillArray(plainOut.data(), static_cast<int>(plainOut.size()));

    ASSERT_EQ(GetPolySizeAfterIntersection(ring.data(), n, &rect), plainResult) << "case " << k;
    // Too small an array, by one point, must stay untouched.
    for (const int slack : {0, -1}) {
      std::vector<tagPOINT> out(plainOut.size(), tagPOINT{-1, -1});
      const int outSize = plainResult == 0 ? static_cast<int>(out.size()) : plainResult + slack;
      ASSERT_EQ(IntersectPolyWithRect(ring.data(), n, &rect, out.data(), outSize), plainResult) << "case " << k;
      for (std::size_t i = 0; i < out.size(); ++i) {
        const bool written = slack == 0 && i < static_cast<std::size_t>(plainResult);
        const tagPOINT expected = written ? plainOut[i] : tagPOINT{-1, -1};
        ASSERT_TRUE(out[i].x == expected.x && out[i].y == expected.y) << "case " << k << ", point " << i;
      }
    }
  }
}

}  // namespace
