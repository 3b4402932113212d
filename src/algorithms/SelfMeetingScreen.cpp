// The self-meeting screen: which pairs of edges can IntersectSegments report
// as meeting, as it rounds?
//
// Let u = 2^-53 be the unit roundoff, eps = 2^-52 the tolerance of
// IntersectSegments, E the larger side of the ring's bounding box, and a, b
// the two edges of a call (a the earlier one). Every coordinate difference
// that IntersectSegments forms is at most E(1 + u). Its three branches:
//
// 1. Not parallel, |D| >= eps. Let da, db, w = b1 - a1 be the rounded
//    differences, D and Na = w x db the exact cross products of them and
//    eD, eNa the errors of their rounded values; each is at most
//    2.0001u (|product 1| + |product 2|). A reported meeting means
//    (Na + eNa)/(D + eD) = t with t in [-4u, 1 + 4u] (the quotient's own
//    rounding widens the range by 2u), so the point P = a1 + t da satisfies
//    (P - b1) x db = eNa - t eD: P lies on a and within
//    d = sqrt2 * 2.0001u (|w| + 1.0001|da|) <= 6uE of b's line. In the same
//    way a point Q of b lies within 6uE of a's line. If the lines meet at an
//    angle theta, P and Q both lie within 6uE / sin(theta) of the crossing, so
//    the segments come within 12uE / sin(theta) of each other (plus 12uE
//    for the rounding of da, db and the parameter range).
//    - Lines at least w = pi / floor(pi 2^26) (about 2^-26) apart in
//      direction: the segments come within about 0.42 * 2^-22 E of each other.
//    - Lines less than 2w apart (neighbouring direction bins): P lies on a
//      within 6uE of b's line, so measured along the normal of the bins'
//      common reference direction, a's offsets and b's come within
//      6uE + 4w * 1.42E + 4uE <= 0.36 * 2^-22 E of each other, however far
//      apart the segments are. Pairs that are both exactly horizontal, both
//      exactly vertical, or that hold a zero-length edge have D = 0 exactly
//      and never take this branch.
// 2. Parallel, b nearly vertical (|db.x| < eps). Rounded bounds such as
//    min - eps stay within 3 eps of the exact ones. The reported end point
//    puts a1.x within 2 eps of b1.x and a's y-range within 6 eps of b's. If b
//    is longer than the short-edge length s = 2^-28 (1 + E)/E, then
//    |D| < eps forces |da.x| < eps (1 + 1.001E) / (0.999 s) <= 1.002 * 2^-24 E,
//    so the segments come within 1.002 * 2^-24 E + 4 eps of each other. A
//    shorter b is left to the short-edge search, which tests exactly this
//    condition. The nearly horizontal b is the same with x and y exchanged.
// 3. Parallel, b oblique: the reported end point lies within 16uE of the
//    other segment.
//
// So a meeting pair is within ProximityMargin of each other (branches 1, 2,
// 3), or has nearly parallel lines whose offsets are within LineOffsetMargin
// (branch 1), or has a short later edge that passes the short-edge test
// (branch 2). The margins below exceed the bounds at least twofold, which
// also covers the rounding of the searches' own arithmetic (a few uE).
// Non-finite or huge coordinates are declined, so no difference overflows.
#include "algorithms/SelfMeetingScreen.h"

#include <algorithm>
#include <cmath>

#include "algorithms/ScreenedRing.h"
#include "fpgeom/values/FPSegment.h"

namespace fpgeom::detail {

namespace {

// Coordinates beyond this are declined: no difference or product of
// differences that IntersectSegments forms can overflow.
constexpr double kLargestCoordinate = 0x1p500;

// Twice the largest cost of testing all pairs that the screen may spend
// before it gives up on a crowded ring, plus room for small rings.
std::uint64_t TestBudget(std::size_t edges) {
  const auto n = static_cast<std::uint64_t>(edges);
  return n * n / 16 + 64 * n;
}

}  // namespace

double ProximityMargin(double extent) { return 0x1p-21 * extent + 0x1p-47; }

double LineOffsetMargin(double extent) { return 0x1p-21 * extent; }

double ShortEdgeLength(double extent) { return 0x1p-28 * (1.0 + extent) / extent; }

std::optional<ScreenedRing> ScreenedRing::From(const CList<CFPPoint, const CFPPoint&>& ring) {
  ScratchVector<CFPPoint> points;
  points->reserve(static_cast<std::size_t>(ring.GetCount()));
  for (POSITION position = ring.GetHeadPosition(); position != nullptr;) {
    const CFPPoint& point = ring.GetNext(position);
    if (!(std::fabs(point.x) <= kLargestCoordinate && std::fabs(point.y) <= kLargestCoordinate)) return std::nullopt;
    points->push_back(point);
  }
  if (points->empty()) return std::nullopt;
  double left = points->front().x, right = left, bottom = points->front().y, top = bottom;
  for (const CFPPoint& point : *points) {
    left = std::min(left, point.x);
    right = std::max(right, point.x);
    bottom = std::min(bottom, point.y);
    top = std::max(top, point.y);
  }
  const double extent = std::max(right - left, top - bottom);
  if (!(extent > 0.0)) return std::nullopt;
  return ScreenedRing(std::move(points), left, bottom, extent);
}

ScreenedRing::ScreenedRing(ScratchVector<CFPPoint> points, double left, double bottom, double extent)
    : m_points(std::move(points)), m_left(left), m_bottom(bottom), m_extent(extent) {}

bool ScreenedRing::Adjacent(std::size_t first, std::size_t second) const {
  const std::size_t low = std::min(first, second);
  const std::size_t high = std::max(first, second);
  return high == low || high == low + 1 || (low == 0 && high + 1 == m_points->size());
}

bool CandidateTester::Test(std::size_t first, std::size_t second) {
  if (m_ring.Adjacent(first, second)) return true;
  if (m_budget == 0) return false;
  --m_budget;
  // As the breakdown calls it: the earlier edge first.
  const std::size_t earlier = std::min(first, second);
  const std::size_t later = std::max(first, second);
  const INTERSECT_TYPE type =
      IntersectSegments(m_ring.Start(earlier), m_ring.End(earlier), m_ring.Start(later), m_ring.End(later), m_meeting);
  if (type == INTERSECT_POINT || type == INTERSECT_OVERLAP) m_meetingPairs.push_back({earlier, later});
  return true;
}

std::vector<EdgePair> CandidateTester::TakeMeetingPairs() {
  // Pairs that share several cells or searches were tested more than once.
  std::sort(m_meetingPairs.begin(), m_meetingPairs.end());
  m_meetingPairs.erase(std::unique(m_meetingPairs.begin(), m_meetingPairs.end()), m_meetingPairs.end());
  return std::move(m_meetingPairs);
}

std::optional<std::vector<EdgePair>> MeetingEdgePairs(const PointRing& ring) {
  const std::optional<ScreenedRing> screened = ScreenedRing::From(ring);
  if (!screened) return std::nullopt;
  CandidateTester tester(*screened, TestBudget(screened->EdgeCount()));
  if (!TestShortEdgePairs(*screened, tester) || !TestNearlyCollinearPairs(*screened, tester) ||
      !TestNearbyPairs(*screened, tester)) {
    return std::nullopt;
  }
  return tester.TakeMeetingPairs();
}

bool MeetsItselfNowhere(const PointRing& ring) {
  const std::optional<std::vector<EdgePair>> pairs = MeetingEdgePairs(ring);
  return pairs && pairs->empty();
}

}  // namespace fpgeom::detail
