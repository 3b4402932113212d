// Pairs whose later edge is shorter than the rounding scale. Against such an
// edge b, IntersectSegments may take its parallel branch for any edge a, and
// that branch checks a's first point across b's line but compares ranges
// along it for a's other point: a meeting can be reported with the segments
// far apart, but never unless a1 passes IntersectSegments' own test of lying
// within eps of b1 across the axis that b runs along, and a's range along
// that axis comes within 6 eps of b's. The edges are sorted by their first
// point on each axis, so that those within eps are found by bisection.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "algorithms/ScreenedRing.h"
#include "fpgeom/values/Tolerance.h"

namespace fpgeom::detail {

namespace {

bool IsShort(const ScreenedRing& ring, std::size_t edge, double shortLength) {
  const CFPPoint& start = ring.Start(edge);
  const CFPPoint& end = ring.End(edge);
  return std::fabs(end.x - start.x) <= shortLength && std::fabs(end.y - start.y) <= shortLength;
}

// Rounding is monotonic, so ranges within 6 eps of each other give computed
// differences of at most 6 eps too.
bool RangesWithinReach(double a1, double a2, double b1, double b2) {
  const double reach = 6 * kDoubleEpsilon;
  return std::min(b1, b2) - std::max(a1, a2) <= reach && std::min(a1, a2) - std::max(b1, b2) <= reach;
}

// The edges before each short edge whose first points pass the test across
// the axis, tested when their ranges along it are within reach.
bool TestAlongAxis(const ScreenedRing& ring, const std::vector<std::size_t>& shortEdges, double CFPPoint::*across,
                    double CFPPoint::*along, CandidateTester& tester) {
  std::vector<std::size_t> byStart(ring.EdgeCount());
  std::iota(byStart.begin(), byStart.end(), std::size_t{0});
  std::sort(byStart.begin(), byStart.end(),
            [&](std::size_t first, std::size_t second) { return ring.Start(first).*across < ring.Start(second).*across; });
  for (const std::size_t later : shortEdges) {
    const CFPPoint& b1 = ring.Start(later);
    const CFPPoint& b2 = ring.End(later);
    // a1 - b1 grows with a1, rounded or not, so the edges that pass form one
    // run of byStart.
    const auto first = std::partition_point(byStart.begin(), byStart.end(), [&](std::size_t edge) {
      return ring.Start(edge).*across - b1.*across <= -kDoubleEpsilon;
    });
    for (auto edge = first; edge != byStart.end() && ring.Start(*edge).*across - b1.*across < kDoubleEpsilon; ++edge) {
      if (*edge >= later) continue;
      const CFPPoint& a1 = ring.Start(*edge);
      const CFPPoint& a2 = ring.End(*edge);
      if (RangesWithinReach(a1.*along, a2.*along, b1.*along, b2.*along) && !tester.Test(*edge, later)) return false;
    }
  }
  return true;
}

}  // namespace

bool TestShortEdgePairs(const ScreenedRing& ring, CandidateTester& tester) {
  const double shortLength = ShortEdgeLength(ring.Extent());
  std::vector<std::size_t> shortEdges;
  for (std::size_t edge = 0; edge < ring.EdgeCount(); ++edge) {
    if (IsShort(ring, edge, shortLength)) shortEdges.push_back(edge);
  }
  if (shortEdges.empty()) return true;
  return TestAlongAxis(ring, shortEdges, &CFPPoint::x, &CFPPoint::y, tester) &&
         TestAlongAxis(ring, shortEdges, &CFPPoint::y, &CFPPoint::x, tester);
}

}  // namespace fpgeom::detail
