#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "algorithms/PlainBreakdown.h"
#include "algorithms/ScreenCases.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

namespace {

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

// Exactly the pairs that the breakdown's first phase tests on a ring it has
// not changed, in its argument order.
bool AnyNonAdjacentEdgesMeet(const Points& ring) {
  const std::size_t n = ring.size();
  for (std::size_t s = 0; s + 2 < n; ++s) {
    for (std::size_t u = s + 2; u < n; ++u) {
      if (s == 0 && u == n - 1) continue;
      CFPPoint meeting;
      const INTERSECT_TYPE type = IntersectSegments(ring[s], ring[s + 1], ring[u], ring[(u + 1) % n], meeting);
      if (type == INTERSECT_POINT || type == INTERSECT_OVERLAP) return true;
    }
  }
  return false;
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

// The screen's promise on many generated rings: whenever it clears a ring, no
// pair of non-adjacent edges meets. It must also clear most rings that meet
// themselves nowhere, or it would be no faster.
TEST(SelfMeetingScreen, AgreesWithTestingEveryPairOnGeneratedRings) {
  ScreenCases cases(20240601);
  const std::uint64_t count = CaseCount(10000);
  std::uint64_t simple = 0;
  std::uint64_t cleared = 0;
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points ring = cases.Next();
    const bool meets = AnyNonAdjacentEdgesMeet(ring);
    const bool clearedByScreen = ScreenClears(ring);
    ASSERT_FALSE(clearedByScreen && meets) << "case " << index;
    simple += meets ? 0 : 1;
    cleared += clearedByScreen ? 1 : 0;
  }
  std::printf("%llu rings, %llu meet themselves nowhere, the screen cleared %llu\n",
              static_cast<unsigned long long>(count), static_cast<unsigned long long>(simple),
              static_cast<unsigned long long>(cleared));
  EXPECT_GT(cleared * 10, simple * 9);
}

// The screened breakdown against the plain one: the same loops, bit for bit,
// and the cursor left on the same node (it starts on a node chosen at random).
TEST(SelfMeetingScreen, ScreenedBreakdownGivesThePlainLoopsAndCursor) {
  ScreenCases cases(19700101);
  const std::uint64_t count = CaseCount(1000);
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points points = cases.Next();
    const CFPPolygon screened = PolygonOf(points);
    const CFPPolygon plain = PolygonOf(points);
    const int start = static_cast<int>(index % (points.size() + 1));
    screened.BeginIteration(start);
    plain.BeginIteration(start);
    const auto screenedLoops = fpgeom::BreakdownLoops(screened);
    const auto plainLoops = fpgeom::detail::PlainBreakdownLoops(plain);
    ASSERT_EQ(PointsFromCursor(screened), PointsFromCursor(plain)) << "case " << index;
    ASSERT_EQ(screened.isPosValid(), plain.isPosValid()) << "case " << index;
    ASSERT_EQ(screenedLoops.size(), plainLoops.size()) << "case " << index;
    for (std::size_t loop = 0; loop < plainLoops.size(); ++loop) {
      ASSERT_EQ(PointsOf(*screenedLoops[loop]), PointsOf(*plainLoops[loop])) << "case " << index;
    }
  }
}

}  // namespace
