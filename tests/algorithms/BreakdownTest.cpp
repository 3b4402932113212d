// The breakdown of rings whose loops are known exactly; then the
// self-meeting screen against testing every pair, and the breakdown's
// faster roads (screened, over the index of the working copy's edges, and
// the one it chooses) against the plain one: the same outcome, loops to the
// bit, count where the bound stopped it, and cursor. FPGEOM_SCREEN_CASES=1000000
// runs a long check on generated rings, FPGEOM_BREAKDOWN_RANDOM=400 random
// rings of up to that many points (the plain breakdown is slow on them).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "BenchRings.h"
#include "algorithms/PlainBreakdown.h"
#include "algorithms/ScreenCases.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "support/Shapes.h"

namespace fpgeom::detail {

// For the messages of failed expectations.
void PrintTo(const EdgePair& pair, std::ostream* out) { *out << "(" << pair.earlier << ", " << pair.later << ")"; }

}  // namespace fpgeom::detail

namespace {

using fpgeom::BreakdownVerdict;
using fpgeom::SelfMeeting;
using namespace fpgeom::detail;
using namespace fpgeom::test;

// The loops, ScalarArea and verdict of each ring; the cursor, first put on
// the second point, ends at the end, but for fewer than three points, which
// are not looked at.
TEST(Breakdown, CutsTheRingIntoLoopsAtEveryPointWhereItMeetsItself) {
  const struct {
    const char* what;
    Ring ring;
    std::vector<Ring> loops;
    double scalarArea;
    std::uint64_t pointsReached;  // where the bound stopped the working copy
  } cases[] = {
      {"two points", {{0, 0}, {1, 1}}, {}, 0, 0},
      {"triangle", {{0, 0}, {0, 3}, {2, 0}}, {}, 3, 0},
      {"anticlockwise square", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {}, 4, 0},
      {"bow-tie", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, {{{0, 0}, {1, 1}, {0, 2}}, {{2, 2}, {2, 0}, {1, 1}}}, 2, 0},
      {"vertex touching an edge", {{0, 0}, {4, 0}, {4, 4}, {2, 0}, {0, 4}},
       {{{0, 0}, {2, 0}, {0, 4}}, {{4, 0}, {4, 4}, {2, 0}}}, 8, 0},
      {"vertex visited twice, nothing inserted", {{0, 0}, {2, 0}, {2, 2}, {0, 0}, {-2, 0}, {-2, -2}},
       {{{0, 0}, {-2, 0}, {-2, -2}}, {{2, 0}, {2, 2}, {0, 0}}}, 4, 0},
      // The first sweep shortens its edge twice, at (3,0) and then at (2,0);
      // the edge (3,0)-(2,0) overlaps it at what is by then its end.
      {"edge running back along the first edge", {{0, 0}, {4, 0}, {4, 2}, {3, 2}, {3, 0}, {2, 0}, {2, 2}, {0, 2}},
       {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {{3, 0}, {2, 0}}, {{4, 0}, {4, 2}, {3, 2}, {3, 0}}}, 6, 0},
      // Crossings at (1,1) and (3,1), each inserted into both edges; the
      // middle loop jumps past the first loop's stretch at (3,1).
      {"chain of three lobes", {{0, 0}, {2, 2}, {4, 0}, {4, 2}, {2, 0}, {0, 2}},
       {{{0, 0}, {1, 1}, {0, 2}}, {{2, 2}, {3, 1}, {2, 0}, {1, 1}}, {{4, 0}, {4, 2}, {3, 1}}}, 4, 0},
      // Two nearly collinear edges whose cross product rounds to 4.4e-16, just
      // above the parallel threshold: every node inserted for the far meeting
      // point they report makes the next sweep report it again, until the
      // copy passes 2n^2 + 4n + 16 = 86 points. Taken as meeting itself nowhere.
      {"runaway", {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}}, {}, 3, 87},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(1);
    std::vector<Ring> loops;
    for (const auto& loop : fpgeom::BreakdownLoops(polygon)) {
      EXPECT_EQ(loop->isPosValid(), 0);
      loops.push_back(WalkedRing(*loop));
    }
    EXPECT_EQ(loops, c.loops);
    EXPECT_EQ(PointsFromCursor(polygon), c.ring.size() < 3 ? Ring(c.ring.begin() + 1, c.ring.end()) : Ring{});
    EXPECT_EQ(polygon.ScalarArea(), c.scalarArea);
    const BreakdownVerdict verdict = fpgeom::BreakDownRing(polygon);
    const SelfMeeting meeting =
        c.pointsReached > 0 ? SelfMeeting::kGaveUp : c.loops.empty() ? SelfMeeting::kNowhere : SelfMeeting::kLoops;
    EXPECT_EQ(verdict.meeting, meeting);
    EXPECT_EQ(verdict.loops.size(), c.loops.size());
    EXPECT_EQ(verdict.pointsReached, c.pointsReached);
  }
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

// The screen's answer on a list of the points.
template <class Screen>
auto Screened(const Points& points, Screen screen) {
  PointRing ring;
  for (const CFPPoint& point : points) ring.AddTail(point);
  return screen(ring);
}

// Scaled by 2^exponent (exactly), with x and y exchanged when transposed.
Points Moved(Points ring, int exponent, bool transposed = false) {
  for (CFPPoint& point : ring) {
    const CFPPoint scaled(std::ldexp(point.x, exponent), std::ldexp(point.y, exponent));
    point = transposed ? CFPPoint(scaled.y, scaled.x) : scaled;
  }
  return ring;
}

// A road taken on its own copy with the cursor put on the node at start:
// outcome, count, each loop's bits and the cursor's place, in one list.
std::vector<std::uint64_t> Summary(BreakdownVerdict (*breakDown)(const CFPPolygon&), const Points& points, int start) {
  const CFPPolygon polygon = PolygonOf(points);
  polygon.BeginIteration(start);
  const BreakdownVerdict verdict = breakDown(polygon);
  std::vector<std::uint64_t> summary = BitsFromCursor(polygon);
  summary.insert(summary.begin(), {static_cast<std::uint64_t>(verdict.meeting), verdict.pointsReached, ~0ull});
  for (const auto& loop : verdict.loops) {
    const std::vector<std::uint64_t> bits = BitsOf(*loop);
    summary.push_back(bits.size());
    summary.insert(summary.end(), bits.begin(), bits.end());
  }
  return summary;
}

::testing::AssertionResult BreaksDownAsThePlainPath(const Points& points, int start) {
  const std::vector<std::uint64_t> expected = Summary(fpgeom::detail::PlainBreakDownRing, points, start);
  const std::pair<const char*, BreakdownVerdict (*)(const CFPPolygon&)> roads[] = {
      {"indexed", fpgeom::detail::IndexedBreakDownRing}, {"chosen", fpgeom::BreakDownRing}};
  for (const auto& [name, breakDown] : roads) {
    if (Summary(breakDown, points, start) != expected) return ::testing::AssertionFailure() << name << " differs";
  }
  return ::testing::AssertionSuccess();
}

// Unless the screen declines a ring, it finds exactly the pairs that testing
// every pair finds; it must clear most simple rings, or it would be no faster.
TEST(SelfMeetingScreen, FindsThePairsThatTestingEveryPairFindsAndBreaksDownAlike) {
  fpgeom::test::ScreenCases cases(20240601);
  const std::uint64_t count = RequestedCases("FPGEOM_SCREEN_CASES", 10000);
  std::uint64_t simple = 0;
  std::uint64_t cleared = 0;
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points ring = cases.Next();
    const std::vector<EdgePair> meeting = MeetingPairsOfEveryPair(ring);
    const std::optional<std::vector<EdgePair>> screened = Screened(ring, MeetingEdgePairs);
    if (screened) {
      ASSERT_EQ(*screened, meeting) << "case " << index;
    }
    simple += meeting.empty() ? 1 : 0;
    cleared += screened && screened->empty() ? 1 : 0;
    if (index % 10 == 0) {
      ASSERT_TRUE(BreaksDownAsThePlainPath(ring, static_cast<int>(index % (ring.size() + 1)))) << "case " << index;
    }
  }
  EXPECT_GT(cleared * 10, simple * 9) << "cleared " << cleared << " of " << simple << " simple rings";
}

// Random rings cross themselves many times, and many reach the bound.
TEST(IndexedBreakdown, GivesThePlainOutcomeOnRandomRings) {
  const std::uint64_t largest = RequestedCases("FPGEOM_BREAKDOWN_RANDOM", 60);
  std::uint64_t gaveUp = 0;
  for (std::uint64_t count = 10; count <= largest; count += 10) {
    for (std::uint64_t seed = count / 10 * 3 - 2; seed <= count / 10 * 3; ++seed) {  // 1 to 3, 4 to 6, ...
      Points ring;
      for (const auto& vertex : fpgeom::bench::RandomRing(static_cast<int>(count), seed))
        ring.emplace_back(vertex.x, vertex.y);
      ASSERT_TRUE(BreaksDownAsThePlainPath(ring, 0)) << count << " points, seed " << seed;
      gaveUp += fpgeom::BreakDownRing(PolygonOf(ring)).meeting == fpgeom::SelfMeeting::kGaveUp ? 1 : 0;
    }
  }
  // Otherwise the runaway half of the comparison went untested.
  EXPECT_GT(gaveUp, 0u);
}

// Rings that meet themselves in one place only, found only through one of
// the screen's margins: too small a margin clears them.
TEST(SelfMeetingScreen, FindsMeetingsThatOnlyItsMarginsReveal) {
  // A vertex one unit in the last place above a horizontal edge: IntersectSegments
  // reports the pair as meeting, though the two never touch. The edges' mean
  // larger coordinate difference is exactly 16, so the proximity grid's cells
  // are 16 wide and the vertex lies on a row boundary with the edge just below:
  // only the proximity margin puts the two edges into one cell.
  const double below = 16 - 0x1p-49;
  const Points above = {{0, 0},      {32, 0},  {32, 32}, {21, 32}, {21, 16},  {19, 32},  {4, 32}, {4, below},
                        {28, below}, {31, 15}, {31, 2},  {2, 2},   {2, 24.5}, {1, 24.5}, {1, 1},  {0, 1}};
  // In units of 2^-20: an edge one unit's 2^-20 long standing on (5, 2), and an
  // earlier edge from exactly above it at (5, 45) to (45, 1). Against so short
  // an edge the cross product falls below the tolerance and IntersectSegments
  // reports an overlap; only the short-edge search finds the pair.
  const Points shortEdge =
      Moved({{0, 0},   {10, 0},  {20, 0},  {30, 0},  {40, 0},  {50, 0},          {50, 10}, {50, 20}, {50, 30},
             {50, 40}, {50, 45}, {40, 45}, {30, 45}, {20, 45}, {10, 45},         {5, 45},  {45, 1},  {35, 1},
             {25, 1},  {15, 1},  {3, 1},   {3, 2},   {5, 2},   {5, 2 + 0x1p-20}, {3, 3},   {2, 3},   {2, 10},
             {2, 20},  {2, 30},  {2, 40},  {1, 40},  {1, 30},  {1, 20},          {1, 10},  {1, 0.5}},
            -20);
  const Points cases[] = {above,     Moved(above, 0, true),    Moved(above, -10), Moved(above, 40, true),
                          shortEdge, Moved(shortEdge, 0, true)};
  for (std::size_t index = 0; index < std::size(cases); ++index) {
    SCOPED_TRACE(::testing::Message() << "case " << index);
    ASSERT_FALSE(MeetingPairsOfEveryPair(cases[index]).empty());
    EXPECT_FALSE(Screened(cases[index], MeetsItselfNowhere));
    for (const int start : {0, 7, static_cast<int>(cases[index].size())}) {
      EXPECT_TRUE(BreaksDownAsThePlainPath(cases[index], start));
    }
  }
}

// A long ring found to meet itself nowhere is kept and compared, not
// trusted: two neighbours swapped straight in the list, past every member
// function, twist it into a small loop that the next breakdown must see.
TEST(Breakdown, ComparesAKeptLongRingInsteadOfTrustingIt) {
  struct WritablePolygon : CFPPolygon {
    void Swap(int i, int j) { std::swap(m_points.GetAt(m_points.FindIndex(i)), m_points.GetAt(m_points.FindIndex(j))); }
  };
  WritablePolygon ring;
  for (int k = 0; k < 300; ++k) ring.AddTailNode(10 * std::cos(k * 0.02), 10 * std::sin(k * 0.02));
  for (int round = 0; round < 2; ++round) {
    ring.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(ring.ScalarArea(), std::fabs(ring.Area())) << "round " << round;
    EXPECT_EQ(ring.isIterationFinished(), 1) << "round " << round;
  }
  ring.Swap(100, 101);
  EXPECT_EQ(ring.ScalarArea(), CFPPolygon(ring).ScalarArea());
  EXPECT_NE(ring.ScalarArea(), std::fabs(ring.Area()));
}

}  // namespace
