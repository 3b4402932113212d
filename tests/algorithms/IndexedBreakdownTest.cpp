// The breakdown over the index of the working copy's edges against the plain
// breakdown: the same outcome, the same loops to the bit, the same count where
// the bound stopped it, the same cursor. FPGEOM_BREAKDOWN_CASES=20000 runs a
// long check on generated rings, FPGEOM_BREAKDOWN_RANDOM=400 adds random rings
// of up to that many points (the plain breakdown is slow on them); ctest runs
// a brief one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchRings.h"
#include "algorithms/PlainBreakdown.h"
#include "algorithms/ScreenCases.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace {

using fpgeom::BreakdownVerdict;
using fpgeom::SelfMeeting;
using fpgeom::test::Points;

std::uint64_t Requested(const char* variable, std::uint64_t brief) {
  const char* requested = std::getenv(variable);
  return requested != nullptr ? std::strtoull(requested, nullptr, 10) : brief;
}

CFPPolygon PolygonOf(const Points& points) {
  CFPPolygon polygon;
  for (const CFPPoint& point : points) polygon.AddTailNode(point);
  return polygon;
}

bool SameBits(const CFPPolygon& first, const CFPPolygon& second) {
  if (first.getCount() != second.getCount()) return false;
  first.BeginIteration(DIR_FORWARD);
  second.BeginIteration(DIR_FORWARD);
  for (int k = 0; k < first.getCount(); ++k) {
    const CFPPoint a = first.getNextNode();
    const CFPPoint b = second.getNextNode();
    if (std::memcmp(&a.x, &b.x, sizeof a.x) != 0 || std::memcmp(&a.y, &b.y, sizeof a.y) != 0) return false;
  }
  return true;
}

// How a verdict differs from the plain one, or nothing.
std::string Difference(const BreakdownVerdict& verdict, const BreakdownVerdict& plain) {
  if (verdict.meeting != plain.meeting) {
    return "outcome " + std::to_string(static_cast<int>(verdict.meeting)) + " against " +
           std::to_string(static_cast<int>(plain.meeting));
  }
  if (verdict.pointsReached != plain.pointsReached) {
    return "gave up after " + std::to_string(verdict.pointsReached) + " against " +
           std::to_string(plain.pointsReached);
  }
  if (verdict.loops.size() != plain.loops.size()) {
    return std::to_string(verdict.loops.size()) + " loops against " + std::to_string(plain.loops.size());
  }
  for (std::size_t loop = 0; loop < plain.loops.size(); ++loop) {
    if (!SameBits(*verdict.loops[loop], *plain.loops[loop])) return "loop " + std::to_string(loop) + " differs";
  }
  return {};
}

// Both faster roads against the plain one, each on its own copy with the
// cursor put on the node at start.
::testing::AssertionResult BreaksDownAsThePlainPath(const Points& points, int start) {
  const CFPPolygon plain = PolygonOf(points);
  const CFPPolygon indexed = PolygonOf(points);
  const CFPPolygon chosen = PolygonOf(points);
  for (const CFPPolygon* polygon : {&plain, &indexed, &chosen}) polygon->BeginIteration(start);
  const BreakdownVerdict reference = fpgeom::detail::PlainBreakDownRing(plain);
  const std::string differences[] = {Difference(fpgeom::detail::IndexedBreakDownRing(indexed), reference),
                                     Difference(fpgeom::BreakDownRing(chosen), reference)};
  for (const std::string& difference : differences) {
    if (!difference.empty()) return ::testing::AssertionFailure() << difference;
  }
  if (indexed.isPosValid() != plain.isPosValid() || chosen.isPosValid() != plain.isPosValid()) {
    return ::testing::AssertionFailure() << "the cursors differ";
  }
  return ::testing::AssertionSuccess();
}

TEST(IndexedBreakdown, GivesThePlainOutcomeLoopsAndCursorOnGeneratedRings) {
  fpgeom::test::ScreenCases cases(20261207);
  const std::uint64_t count = Requested("FPGEOM_BREAKDOWN_CASES", 600);
  for (std::uint64_t index = 0; index < count; ++index) {
    const Points ring = cases.Next();
    ASSERT_TRUE(BreaksDownAsThePlainPath(ring, static_cast<int>(index % (ring.size() + 1)))) << "case " << index;
  }
}

// Random rings cross themselves many times, and many reach the bound.
TEST(IndexedBreakdown, GivesThePlainOutcomeOnRandomRings) {
  const std::uint64_t largest = Requested("FPGEOM_BREAKDOWN_RANDOM", 60);
  std::uint64_t gaveUp = 0;
  std::uint64_t seed = 1;
  for (std::uint64_t count = 10; count <= largest; count += 10) {
    for (int repeat = 0; repeat < 3; ++repeat, ++seed) {
      Points ring;
      for (const auto& vertex : fpgeom::bench::RandomRing(static_cast<int>(count), seed)) {
        ring.emplace_back(vertex.x, vertex.y);
      }
      ASSERT_TRUE(BreaksDownAsThePlainPath(ring, 0)) << count << " points, seed " << seed;
      CFPPolygon polygon = PolygonOf(ring);
      gaveUp += fpgeom::BreakDownRing(polygon).meeting == SelfMeeting::kGaveUp ? 1 : 0;
    }
  }
  // Otherwise the runaway half of the comparison went untested.
  EXPECT_GT(gaveUp, 0u);
}

}  // namespace
