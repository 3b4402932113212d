#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "algorithms/PlainBreakdown.h"
#include "algorithms/ScreenCases.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace fpgeom::detail {

// For the messages of failed expectations.
void PrintTo(const EdgePair& pair, std::ostream* out) { *out << "(" << pair.earlier << ", " << pair.later << ")"; }

}  // namespace fpgeom::detail

namespace {

using fpgeom::detail::EdgePair;
using fpgeom::detail::PointRing;
using fpgeom::test::Points;
using fpgeom::test::ScreenCases;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PointsOf;

std::uint64_t CaseCount(std::uint64_t brief) { return fpgeom::test::RequestedCases("FPGEOM_SCREEN_CASES", brief); }

// The pairs that meet among exactly those that the breakdown's first phase
// tests on a ring it has not changed, in its order and argument order.
std::vector<EdgePair> MeetingPairsOfEveryPair(const Points& ring) {
  std::vector<EdgePair> meeting;
  const std::size_t n = ring.size();
  for (std::size_t s = 0; s + 2 < n; ++s) {
    for (std::size_t u = s + 2; u < n; ++u) {
      if (s == 0 && u == n - 1) continue;
      CFPPoint point;
      const INTERSECT_TYPE type = IntersectSegments(ring[s], ring[s + 1], ring[u], ring[(u + 1) % n], point);
      if (type == INTERSECT_POINT || type == INTERSECT_OVERLAP) meeting.push_back({s, u});
    }
  }
  return meeting;
}

std::optional<std::vector<EdgePair>> ScreenedPairs(const Points& points) {
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return fpgeom::detail::MeetingEdgePairs(ring);
}

bool ScreenClears(const Points& points) {
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return fpgeom::detail::MeetsItselfNowhere(ring);
}

CFPPolygon PolygonOf(const Points& points) {
  CFPPolygon polygon;
  for (const CFPPoint& point : points) polygon.AddTailNode(point);
  return polygon;
}

// The screened breakdown against the plain one, the cursor first put on the
// node at start: the same loops, bit for bit, and the cursor on the same node.
::testing::AssertionResult SameAsPlainBreakdown(const Points& points, int start) {
  const CFPPolygon screened = PolygonOf(points);
  const CFPPolygon plain = PolygonOf(points);
  screened.BeginIteration(start);
  plain.BeginIteration(start);
  const auto screenedLoops = fpgeom::BreakdownLoops(screened);
  const auto plainLoops = fpgeom::detail::PlainBreakdownLoops(plain);
  if (PointsFromCursor(screened) != PointsFromCursor(plain) || screened.isPosValid() != plain.isPosValid()) {
    return ::testing::AssertionFailure() << "the cursors differ";
  }
  if (screenedLoops.size() != plainLoops.size()) {
    return ::testing::AssertionFailure() << screenedLoops.size() << " loops against " << plainLoops.size();
  }
  for (std::size_t loop = 0; loop < plainLoops.size(); ++loop) {
    if (PointsOf(*screenedLoops[loop]) != PointsOf(*plainLoops[loop])) {
      return ::testing::AssertionFailure() << "loop " << loop << " differs";
    }
  }
  return ::testing::AssertionSuccess();
}

// Scaled by 2^exponent (exactly), with x and y exchanged when transposed.
Points Moved(Points ring, int exponent, bool transposed = false) {
  for (CFPPoint& point : ring) {
    const CFPPoint scaled(std::ldexp(point.x, exponent), std::ldexp(point.y, exponent));
    point = transposed ? CFPPoint(scaled.y, scaled.x) : scaled;
  }
  return ring;
}

Points Regular(int count, double radius, double centre) {
  Points ring;
  for (int k = 0; k < count; ++k) {
    const double angle = 6.283185307179586 * k / count;
    ring.emplace_back(centre + radius * std::cos(angle), centre + radius * std::sin(angle));
  }
  return ring;
}

TEST(SelfMeetingScreen, ClearsLargeSimpleRingsAndNeverOneItCannotMeasureOrThatMeetsItself) {
  for (const Points& ring : {Regular(1001, 1e-12, 0), Regular(1000, 1e12, 0), Regular(1000, 1, 1e9)}) {
    EXPECT_TRUE(ScreenClears(ring)) << ring.size() << " points, first " << ring[0].x;
  }
  const double nan = std::nan("");
  const Points meetingOrUnmeasurable[] = {
      {{0, 0}, {2, 2}, {2, 0}, {0, 2}},
      // Rounding makes the far end of one collinear piece a meeting point.
      {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}},
      {{0, 0}, {1, 0}, {nan, 1}, {0, 1}},
      {{0, 0}, {1, 0}, {1, HUGE_VAL}, {0, 1}},
      {{1e300, 0}, {-1e300, 0}, {0, 1e300}, {0, 2e300}},
      {{3, 3}, {3, 3}, {3, 3}, {3, 3}},
  };
  for (const Points& ring : meetingOrUnmeasurable) EXPECT_FALSE(ScreenClears(ring)) << ring[0].x;
}

// Unless the screen declines a ring, it finds exactly the pairs that testing
// every pair finds; it must clear most simple rings, or it would be no faster.
// The screened breakdown then gives the plain loops and cursor.
TEST(SelfMeetingScreen, FindsThePairsThatTestingEveryPairFindsAndBreaksDownAlike) {
  ScreenCases cases(20240601);
  const std::uint64_t count = CaseCount(10000);
  std::uint64_t simple = 0;
  std::uint64_t cleared = 0;
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points ring = cases.Next();
    const std::vector<EdgePair> meeting = MeetingPairsOfEveryPair(ring);
    const std::optional<std::vector<EdgePair>> screened = ScreenedPairs(ring);
    if (screened) {
      ASSERT_EQ(*screened, meeting) << "case " << index;
    }
    simple += meeting.empty() ? 1 : 0;
    cleared += screened && screened->empty() ? 1 : 0;
    if (index % 10 == 0) {
      ASSERT_TRUE(SameAsPlainBreakdown(ring, static_cast<int>(index % (ring.size() + 1)))) << "case " << index;
    }
  }
  std::printf("%llu rings, %llu meet themselves nowhere, the screen cleared %llu\n",
              static_cast<unsigned long long>(count), static_cast<unsigned long long>(simple),
              static_cast<unsigned long long>(cleared));
  EXPECT_GT(cleared * 10, simple * 9);
}

// A regular ring with four pairs of neighbours exchanged: four small
// crossings among many whole edges, beyond the indexed coordinates.
TEST(SelfMeetingScreen, ScreenedBreakdownGivesThePlainLoopsOfALargeRing) {
  Points ring = Regular(200, 1000, 0x1p45);
  for (int quarter = 0; quarter < 4; ++quarter) std::swap(ring[quarter * 50], ring[quarter * 50 + 1]);
  for (const int start : {0, 100}) EXPECT_TRUE(SameAsPlainBreakdown(ring, start));
}

// A vertex one unit in the last place above a horizontal edge: IntersectSegments
// reports the pair as meeting, though the two never touch. The edges' mean
// larger coordinate difference is exactly 16, so the proximity grid's cells
// are 16 wide and the vertex lies on a row boundary with the edge just below:
// only the proximity margin puts the two edges into one cell.
Points VertexJustAboveAnEdgeOnACellBoundary() {
  const double below = 16 - 0x1p-49;
  return {{0, 0},      {32, 0},  {32, 32}, {21, 32}, {21, 16},  {19, 32},  {4, 32}, {4, below},
          {28, below}, {31, 15}, {31, 2},  {2, 2},   {2, 24.5}, {1, 24.5}, {1, 1},  {0, 1}};
}

// In units of 2^-20: an edge one unit's 2^-20 long standing on (5, 2), and an
// earlier edge from exactly above it at (5, 45) to (45, 1). Against so short
// an edge the cross product falls below the tolerance and IntersectSegments
// reports an overlap; only the short-edge search finds the pair.
Points ShortEdgeBelowTheStartOfAFarEdge() {
  const Points ring = {{0, 0},   {10, 0},  {20, 0},  {30, 0},  {40, 0},  {50, 0},          {50, 10}, {50, 20}, {50, 30},
                       {50, 40}, {50, 45}, {40, 45}, {30, 45}, {20, 45}, {10, 45},         {5, 45},  {45, 1},  {35, 1},
                       {25, 1},  {15, 1},  {3, 1},   {3, 2},   {5, 2},   {5, 2 + 0x1p-20}, {3, 3},   {2, 3},   {2, 10},
                       {2, 20},  {2, 30},  {2, 40},  {1, 40},  {1, 30},  {1, 20},          {1, 10},  {1, 0.5}};
  return Moved(ring, -20);
}

// Rings that meet themselves in one place only, found only through one of
// the screen's margins: too small a margin clears them.
TEST(SelfMeetingScreen, FindsMeetingsThatOnlyItsMarginsReveal) {
  const Points cases[] = {
      VertexJustAboveAnEdgeOnACellBoundary(),           Moved(VertexJustAboveAnEdgeOnACellBoundary(), 0, true),
      Moved(VertexJustAboveAnEdgeOnACellBoundary(), -10), Moved(VertexJustAboveAnEdgeOnACellBoundary(), 40, true),
      ShortEdgeBelowTheStartOfAFarEdge(),               Moved(ShortEdgeBelowTheStartOfAFarEdge(), 0, true),
  };
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    SCOPED_TRACE(::testing::Message() << "case " << index);
    ASSERT_FALSE(MeetingPairsOfEveryPair(cases[index]).empty());
    EXPECT_FALSE(ScreenClears(cases[index]));
    for (const int start : {0, 7, static_cast<int>(cases[index].size())}) {
      EXPECT_TRUE(SameAsPlainBreakdown(cases[index], start));
    }
  }
}

}  // namespace
