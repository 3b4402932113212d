#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace {

using fpgeom::BreakdownLoops;
using fpgeom::testing::Coordinates;
using fpgeom::testing::PolygonOf;
using fpgeom::testing::PointsOf;

std::vector<Coordinates> LoopsOf(const CFPPolygon& polygon) {
  std::vector<Coordinates> loops;
  for (const auto& loop : BreakdownLoops(polygon)) {
    EXPECT_EQ(loop->isPosValid(), 0);
    loops.push_back(PointsOf(*loop));
  }
  return loops;
}

struct BreakdownCase {
  const char* what;
  Coordinates ring;
  std::vector<Coordinates> loops;
  double scalarArea;
};

TEST(Breakdown, CutsTheRingIntoLoopsAtEveryPointWhereItMeetsItself) {
  const BreakdownCase cases[] = {
      {"triangle", {{0, 0}, {0, 3}, {2, 0}}, {}, 3},
      {"anticlockwise square", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {}, 4},
      {"bow-tie", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, {{{0, 0}, {1, 1}, {0, 2}}, {{2, 2}, {2, 0}, {1, 1}}}, 2},
      {"vertex touching an edge",
       {{0, 0}, {4, 0}, {4, 4}, {2, 0}, {0, 4}},
       {{{0, 0}, {2, 0}, {0, 4}}, {{4, 0}, {4, 4}, {2, 0}}},
       8},
      {"vertex visited twice, nothing inserted",
       {{0, 0}, {2, 0}, {2, 2}, {0, 0}, {-2, 0}, {-2, -2}},
       {{{0, 0}, {-2, 0}, {-2, -2}}, {{2, 0}, {2, 2}, {0, 0}}},
       4},
      // The first sweep shortens its edge twice, at (3,0) and then at (2,0);
      // the edge (3,0)-(2,0) overlaps it at what is by then its end.
      {"edge running back along the first edge",
       {{0, 0}, {4, 0}, {4, 2}, {3, 2}, {3, 0}, {2, 0}, {2, 2}, {0, 2}},
       {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, {{3, 0}, {2, 0}}, {{4, 0}, {4, 2}, {3, 2}, {3, 0}}},
       6},
      // Crossings at (1,1) and (3,1), each inserted into both edges; the
      // middle loop jumps past the first loop's stretch at (3,1).
      {"chain of three lobes",
       {{0, 0}, {2, 2}, {4, 0}, {4, 2}, {2, 0}, {0, 2}},
       {{{0, 0}, {1, 1}, {0, 2}}, {{2, 2}, {3, 1}, {2, 0}, {1, 1}}, {{4, 0}, {4, 2}, {3, 1}}},
       4},
  };
  for (const BreakdownCase& c : cases) {
    SCOPED_TRACE(c.what);
    const CFPPolygon polygon = PolygonOf(c.ring);
    polygon.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(LoopsOf(polygon), c.loops);
    EXPECT_EQ(polygon.isPosValid(), 0);
    EXPECT_EQ(polygon.ScalarArea(), c.scalarArea);
    EXPECT_EQ(PointsOf(polygon), c.ring);
  }
}

TEST(Breakdown, LeavesTheCursorOfARingOfFewerThanThreePointsAlone) {
  const CFPPolygon segment = PolygonOf({{0, 0}, {1, 1}});
  segment.BeginIteration(DIR_BACKWARD);
  EXPECT_TRUE(BreakdownLoops(segment).empty());
  EXPECT_EQ(segment.getCurrentNode().x, 1.0);
}

// Two nearly collinear edges whose cross product rounds to 4.4e-16, just
// above the parallel threshold: every node inserted for the far meeting
// point they report makes the next sweep report it again.
TEST(Breakdown, TreatsARingThatOutgrowsItsPointLimitAsMeetingItselfNowhere) {
  const Coordinates runaway = {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}};
  const CFPPolygon polygon = PolygonOf(runaway);
  polygon.BeginIteration(DIR_FORWARD);
  EXPECT_TRUE(BreakdownLoops(polygon).empty());
  EXPECT_EQ(polygon.isPosValid(), 0);
  EXPECT_EQ(polygon.ScalarArea(), std::fabs(polygon.Area()));
  EXPECT_EQ(PointsOf(polygon), runaway);
}

// The verdict tells the three endings apart; the runaway ring above meets
// itself, and its working copy stopped just past 2n^2 + 4n + 16 = 86 points.
TEST(Breakdown, VerdictTellsARingThatGaveUpFromOneThatMeetsItselfNowhere) {
  struct VerdictCase {
    const char* what;
    Coordinates ring;
    fpgeom::SelfMeeting meeting;
    std::size_t loops;
    std::uint64_t pointsReached;
  };
  const VerdictCase cases[] = {
      {"two points", {{0, 0}, {1, 1}}, fpgeom::SelfMeeting::kNowhere, 0, 0},
      {"square", {{0, 0}, {0, 2}, {2, 2}, {2, 0}}, fpgeom::SelfMeeting::kNowhere, 0, 0},
      {"bow-tie", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, fpgeom::SelfMeeting::kLoops, 2, 0},
      {"runaway", {{2, 2}, {-1, -1}, {-1, 0}, {2, -1}, {-2, -1}}, fpgeom::SelfMeeting::kGaveUp, 0, 87},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(c.what);
    const fpgeom::BreakdownVerdict verdict = fpgeom::BreakDownRing(PolygonOf(c.ring));
    EXPECT_EQ(verdict.meeting, c.meeting);
    EXPECT_EQ(verdict.loops.size(), c.loops);
    EXPECT_EQ(verdict.pointsReached, c.pointsReached);
  }
}

}  // namespace

// A long ring found to meet itself nowhere is kept and compared, not
// trusted: a point written straight into the list, past every member
// function, is seen by the next breakdown.
TEST(Breakdown, ComparesAKeptLongRingInsteadOfTrustingIt) {
  struct WritablePolygon : CFPPolygon {
    void Swap(int i, int j) {
      CFPPoint& a = m_points.GetAt(m_points.FindIndex(i));
      CFPPoint& b = m_points.GetAt(m_points.FindIndex(j));
      std::swap(a, b);
    }
  };
  WritablePolygon ring;
  for (int k = 0; k < 300; ++k) ring.AddTailNode(10 * std::cos(k * 0.02), 10 * std::sin(k * 0.02));
  for (int round = 0; round < 2; ++round) {
    ring.BeginIteration(DIR_FORWARD);
    EXPECT_EQ(ring.ScalarArea(), std::fabs(ring.Area())) << "round " << round;
    EXPECT_EQ(ring.isIterationFinished(), 1) << "round " << round;
  }
  // Two neighbours swapped twist the ring into a small loop of the other
  // direction, which the breakdown counts positive.
  ring.Swap(100, 101);
  const CFPPolygon fresh(ring);
  EXPECT_NE(ring.ScalarArea(), std::fabs(ring.Area()));
  EXPECT_EQ(ring.ScalarArea(), fresh.ScalarArea());
  EXPECT_EQ(LoopsOf(ring), LoopsOf(fresh));
}
