#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace {

using namespace fpgeom;
using namespace fpgeom::testing;

std::vector<Coordinates> LoopsOf(const CFPPolygon& polygon) {
  std::vector<Coordinates> loops;
  for (const auto& loop : BreakdownLoops(polygon)) {
    EXPECT_EQ(loop->isPosValid(), 0);
    loops.push_back(PointsOf(*loop));
  }
  return loops;
}

// The loops, ScalarArea and verdict of each ring; the cursor, first put on
// the second point, ends at the end, but for fewer than three points, which
// are not looked at.
TEST(Breakdown, CutsTheRingIntoLoopsAtEveryPointWhereItMeetsItself) {
  const struct {
    const char* what;
    Coordinates ring;
    std::vector<Coordinates> loops;
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
    EXPECT_EQ(LoopsOf(polygon), c.loops);
    EXPECT_EQ(PointsFromCursor(polygon), c.ring.size() < 3 ? Coordinates(c.ring.begin() + 1, c.ring.end()) : Coordinates{});
    EXPECT_EQ(polygon.ScalarArea(), c.scalarArea);
    const fpgeom::BreakdownVerdict verdict = fpgeom::BreakDownRing(polygon);
    const SelfMeeting meeting =
        c.pointsReached > 0 ? SelfMeeting::kGaveUp : c.loops.empty() ? SelfMeeting::kNowhere : SelfMeeting::kLoops;
    EXPECT_EQ(verdict.meeting, meeting);
    EXPECT_EQ(verdict.loops.size(), c.loops.size());
    EXPECT_EQ(verdict.pointsReached, c.pointsReached);
  }
}

}  // namespace

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
