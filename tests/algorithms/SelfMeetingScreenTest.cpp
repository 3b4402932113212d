#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
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
using fpgeom::detail::MeetingEdgePairs;
using fpgeom::detail::MeetsItselfNowhere;
using fpgeom::detail::PointRing;
using fpgeom::test::Points;
using fpgeom::test::ScreenCases;
using fpgeom::testing::PointsFromCursor;
using fpgeom::testing::PointsOf;

// FPGEOM_SCREEN_CASES=1000000 runs the full differential check; ctest runs a
// brief one.
std::uint64_t CaseCount(std::uint64_t brief) {
  const char* requested = std::getenv("FPGEOM_SCREEN_CASES");
  return requested != nullptr ? std::strtoull(requested, nullptr, 10) : brief;
}

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

bool AnyNonAdjacentEdgesMeet(const Points& ring) { return !MeetingPairsOfEveryPair(ring).empty(); }

std::optional<std::vector<EdgePair>> ScreenedPairs(const Points& points) {
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return MeetingEdgePairs(ring);
}

bool ScreenClears(const Points& points) {
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return MeetsItselfNowhere(ring);
}

CFPPolygon PolygonOf(const Points& points) {
  CFPPolygon polygon;
  for (const CFPPoint& point : points) polygon.AddTailNode(point);
  return polygon;
}

// The screened breakdown against the plain one on one ring, the cursor first
// put on the node at start (at the end when start is out of range): the same
// loops, bit for bit, and the cursor left on the same node.
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

Points Scaled(Points ring, int exponent) {
  for (CFPPoint& point : ring) point = CFPPoint(std::ldexp(point.x, exponent), std::ldexp(point.y, exponent));
  return ring;
}

Points Transposed(Points ring) {
  for (CFPPoint& point : ring) point = CFPPoint(point.y, point.x);
  return ring;
}

Points Regular(int count, double radius, double centreX, double centreY) {
  Points ring;
  for (int k = 0; k < count; ++k) {
    const double angle = 6.283185307179586 * k / count;
    ring.emplace_back(centreX + radius * std::cos(angle), centreY + radius * std::sin(angle));
  }
  return ring;
}

TEST(SelfMeetingScreen, ClearsLargeSimpleRingsAtAnyScaleAndPlace) {
  const Points rings[] = {Regular(1000, 1, 0, 0), Regular(1001, 1e-12, 0, 0), Regular(1000, 1e12, 0, 0),
                          Regular(1000, 1, 1e9, -1e9), Regular(4, 1, 0, 0)};
  for (const Points& ring : rings) {
    ASSERT_FALSE(AnyNonAdjacentEdgesMeet(ring));
    EXPECT_TRUE(ScreenClears(ring)) << ring.size() << " points, first " << ring[0].x;
  }
}

TEST(SelfMeetingScreen, NeverClearsARingThatMeetsItselfOrThatItCannotMeasure) {
  const double nan = std::nan("");
  const double infinity = HUGE_VAL;
  const Points rings[] = {
      {{0, 0}, {2, 2}, {2, 0}, {0, 2}},
      // Rounding makes the far end of one collinear piece a meeting point.
      {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}},
      {{0, 0}, {4, 0}, {4, 4}, {2, 0}, {0, 4}},
      {{0, 0}, {1, 0}, {nan, 1}, {0, 1}},
      {{0, 0}, {1, 0}, {1, infinity}, {0, 1}},
      {{1e300, 0}, {-1e300, 0}, {0, 1e300}, {0, 2e300}},
      {{3, 3}, {3, 3}, {3, 3}, {3, 3}},
  };
  for (const Points& ring : rings) EXPECT_FALSE(ScreenClears(ring)) << ring[0].x;
}

// The screen's promise on many generated rings: unless it declines a ring, it
// finds exactly the pairs that testing every pair finds. It must also clear
// most rings that meet themselves nowhere, or it would be no faster.
TEST(SelfMeetingScreen, FindsTheMeetingPairsThatTestingEveryPairFinds) {
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
  }
  std::printf("%llu rings, %llu meet themselves nowhere, the screen cleared %llu\n",
              static_cast<unsigned long long>(count), static_cast<unsigned long long>(simple),
              static_cast<unsigned long long>(cleared));
  EXPECT_GT(cleared * 10, simple * 9);
}

// The screened breakdown against the plain one on generated rings, the
// cursor starting on a node chosen by the case number.
TEST(SelfMeetingScreen, ScreenedBreakdownGivesThePlainLoopsAndCursor) {
  ScreenCases cases(19700101);
  const std::uint64_t count = CaseCount(1000);
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points points = cases.Next();
    const int start = static_cast<int>(index % (points.size() + 1));
    ASSERT_TRUE(SameAsPlainBreakdown(points, start)) << "case " << index;
  }
}

// A regular ring with four pairs of neighbouring points exchanged: four
// small crossings among many whole edges.
Points CrossingRing(int count, double offset) {
  Points ring = Regular(count, 1000, offset, offset);
  for (int quarter = 0; quarter < 4; ++quarter) std::swap(ring[quarter * count / 4], ring[quarter * count / 4 + 1]);
  return ring;
}

// The polygram that joins every step-th of count points on a circle: each
// edge crosses many others.
Points Polygram(int count, int step) {
  const Points circle = Regular(count, 1, 0, 0);
  Points ring;
  for (int k = 0; k < count; ++k) ring.push_back(circle[static_cast<std::size_t>(k * step % count)]);
  return ring;
}

// Petals that all pass through the centre, whose copies are moved by less
// than the point tolerance, so that they are the same point from
// neighbouring places.
Points Flower(int petals) {
  Points ring;
  for (int petal = 0; petal < petals; ++petal) {
    const double nudge = std::ldexp(petal % 2 == 0 ? 1.0 : -1.0, -25 - petal % 3);
    ring.emplace_back(nudge, -nudge);
    const double angle = 6.283185307179586 * petal / petals;
    for (int k = 1; k <= 4; ++k) {
      const double spread = angle + 0.3 * (k - 2.5);
      ring.emplace_back(std::cos(spread) * (1 + k % 2), std::sin(spread) * (1 + k % 2));
    }
  }
  return ring;
}

Points LatticeRing(int count, int size, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<int> coordinate(0, size);
  Points ring;
  for (int k = 0; k < count; ++k) ring.emplace_back(coordinate(random), coordinate(random));
  return ring;
}

// Larger rings than the generated ones, whose breakdowns sweep many whole
// edges past regions that received points and cut loops at many repeated
// points.
TEST(SelfMeetingScreen, ScreenedBreakdownGivesThePlainLoopsOfLargeRings) {
  const struct {
    const char* what;
    Points ring;
  } cases[] = {
      {"crossing ring", CrossingRing(1000, 500)},
      {"crossing ring beyond the indexed coordinates", CrossingRing(200, 0x1p45)},
      {"polygram", Polygram(89, 35)},
      {"flower", Flower(12)},
      {"lattice ring", LatticeRing(150, 12, 7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const int start : {0, static_cast<int>(c.ring.size() / 2)}) EXPECT_TRUE(SameAsPlainBreakdown(c.ring, start));
  }
}

// A vertex one unit in the last place above a horizontal edge: IntersectSegments
// reports the pair as meeting, though the two never touch. Every edge's
// larger coordinate difference adds up to a mean of exactly 16, so the
// proximity grid's cells are 16 wide and the vertex lies exactly on a row
// boundary, with the edge just below it. Only the proximity margin puts the
// two edges into one cell; the other searches never see them.
Points VertexJustAboveAnEdgeOnACellBoundary() {
  const double below = 16 - 0x1p-49;
  return {{0, 0},      {32, 0},  {32, 32}, {21, 32}, {21, 16},  {19, 32},  {4, 32}, {4, below},
          {28, below}, {31, 15}, {31, 2},  {2, 2},   {2, 24.5}, {1, 24.5}, {1, 1},  {0, 1}};
}

// In units of 2^-20: an edge of one unit's 2^-20 standing on (5, 2), and an
// earlier edge that starts exactly above it at (5, 45) and ends at (45, 1),
// some 29 units away from it. Against so short an edge the cross product falls
// below the tolerance, and IntersectSegments' axis test reports the pair as
// overlapping. The edges are far apart on the proximity grid and in
// direction, so only the short-edge search finds them.
Points ShortEdgeBelowTheStartOfAFarEdge() {
  const Points ring = {{0, 0},   {10, 0},  {20, 0},  {30, 0},  {40, 0},  {50, 0},          {50, 10}, {50, 20}, {50, 30},
                       {50, 40}, {50, 45}, {40, 45}, {30, 45}, {20, 45}, {10, 45},         {5, 45},  {45, 1},  {35, 1},
                       {25, 1},  {15, 1},  {3, 1},   {3, 2},   {5, 2},   {5, 2 + 0x1p-20}, {3, 3},   {2, 3},   {2, 10},
                       {2, 20},  {2, 30},  {2, 40},  {1, 40},  {1, 30},  {1, 20},          {1, 10},  {1, 0.5}};
  return Scaled(ring, -20);
}

// Rings that meet themselves in one place only, found by one of the screen's
// searches only through its margin: a screen with too small a margin clears
// them, and the screened breakdown then differs from the plain one.
TEST(SelfMeetingScreen, FindsMeetingsThatOnlyItsMarginsReveal) {
  const struct {
    const char* what;
    Points ring;
  } cases[] = {
      {"vertex above an edge", VertexJustAboveAnEdgeOnACellBoundary()},
      {"vertex beside an edge", Transposed(VertexJustAboveAnEdgeOnACellBoundary())},
      {"vertex above an edge, small", Scaled(VertexJustAboveAnEdgeOnACellBoundary(), -10)},
      {"vertex beside an edge, large", Scaled(Transposed(VertexJustAboveAnEdgeOnACellBoundary()), 40)},
      {"short edge below a far edge", ShortEdgeBelowTheStartOfAFarEdge()},
      {"short edge beside a far edge", Transposed(ShortEdgeBelowTheStartOfAFarEdge())},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(AnyNonAdjacentEdgesMeet(c.ring));
    EXPECT_FALSE(ScreenClears(c.ring));
    for (const int start : {0, 7, static_cast<int>(c.ring.size())}) EXPECT_TRUE(SameAsPlainBreakdown(c.ring, start));
  }
}

}  // namespace
