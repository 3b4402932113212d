// Runs a ring decoded from the input through the polygon algorithms and checks
// what each promises whatever the points: the ring stays walkable, the
// clean-up leaves a subsequence that is a fixed point, clipping stays inside
// the rectangle, the integer entry points agree and write only when the
// caller's array holds the whole result.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "ByteReader.h"
#include "Invariant.h"
#include "algorithms/PlainBreakdown.h"
#include "algorithms/RingClipping.h"
#include "polygon/PointLocation.h"
#include "fpgeom/algorithms/IntegerClipping.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::fuzz {
namespace {

constexpr int kMaxRingPoints = 24;
constexpr int kMaxIntegerRingPoints = 16;
// Canary points around and behind the caller's array show any write that
// should not happen.
constexpr tagPOINT kCanary{0x5A5A5A5A, -0x5A5A5A5A};
constexpr std::size_t kGuard = 4;

// The points from head to tail by a forward walk, which must visit exactly
// getCount() points; a backward walk must visit as many.
std::vector<CFPPoint> WalkedPoints(const CFPPolygon& polygon) {
  std::vector<CFPPoint> points;
  polygon.BeginIteration(DIR_FORWARD);
  while (polygon.isIterationFinished() == 0) points.push_back(polygon.getNextNode());
  Require(static_cast<int>(points.size()) == polygon.getCount(), "a forward walk visits getCount() points");
  int backward = 0;
  polygon.BeginIteration(DIR_BACKWARD);
  while (polygon.isIterationFinished() == 0) {
    polygon.getPrevNode();
    ++backward;
  }
  Require(backward == polygon.getCount(), "a backward walk visits getCount() points");
  return points;
}

bool SameBits(const CFPPoint& a, const CFPPoint& b) {
  return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 && std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

// The same double to the bit, except that any NaN matches any NaN: which
// operand's payload a sum of two NaNs carries depends on the order in which
// the compiler puts the operands, and gcc's unoptimised build puts them
// otherwise than its optimised one.
bool SameNumber(double a, double b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

bool SameBits(const std::vector<CFPPoint>& a, const std::vector<CFPPoint>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const CFPPoint& p, const CFPPoint& q) {
           return SameBits(p, q);
         });
}

// Whether every point of part appears in whole, in the same order.
bool IsSubsequence(const std::vector<CFPPoint>& part, const std::vector<CFPPoint>& whole) {
  auto next = whole.begin();
  for (const CFPPoint& point : part) {
    next = std::find_if(next, whole.end(), [&point](const CFPPoint& candidate) { return SameBits(point, candidate); });
    if (next == whole.end()) return false;
    ++next;
  }
  return true;
}

bool IsFinite(const CFPPoint& point) { return std::isfinite(point.x) && std::isfinite(point.y); }

bool IsFinite(const CFPRect& rect) {
  return std::isfinite(rect.left) && std::isfinite(rect.right) && std::isfinite(rect.bottom) && std::isfinite(rect.top);
}

// The edges of the ring that join a point matching p1 to one matching p2, in
// either direction, matched by the points' own equality; a ring of two points
// has two edges between its points.
int QualifyingEdges(const std::vector<CFPPoint>& ring, const CFPPoint& p1, const CFPPoint& p2) {
  const std::size_t n = ring.size();
  int edges = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const CFPPoint& a = ring[i];
    const CFPPoint& b = ring[(i + 1) % n];
    if ((a == p1 && b == p2) || (a == p2 && b == p1)) ++edges;
  }
  return edges;
}

bool SameVerdict(const BreakdownVerdict& first, const BreakdownVerdict& second) {
  if (first.meeting != second.meeting || first.pointsReached != second.pointsReached ||
      first.loops.size() != second.loops.size()) {
    return false;
  }
  for (std::size_t loop = 0; loop < first.loops.size(); ++loop) {
    if (!SameBits(WalkedPoints(*first.loops[loop]), WalkedPoints(*second.loops[loop]))) return false;
  }
  return true;
}

// The ring's verdict by the library's own dispatch (plain, screened or
// indexed sweeps), which must agree with the plain sweeps, and so must the
// indexed sweeps on any ring.
BreakdownVerdict CheckBreakdown(const CFPPolygon& ring, const std::vector<CFPPoint>& points) {
  BreakdownVerdict verdict = BreakDownRing(ring);
  Require(SameBits(WalkedPoints(ring), points), "the breakdown leaves the ring's points as they were");
  Require(points.size() >= 3 || verdict.meeting == SelfMeeting::kNowhere,
          "a ring of fewer than three points has no loops");
  const BreakdownVerdict plain = detail::PlainBreakDownRing(ring);
  Require(SameVerdict(verdict, plain), "the breakdown gives the plain sweeps' outcome and loops");
  Require(SameVerdict(detail::IndexedBreakDownRing(ring), plain),
          "the sweeps over the edge index give the plain sweeps' outcome and loops");
  return verdict;
}

void CheckScalarArea(const CFPPolygon& ring, const BreakdownVerdict& verdict) {
  double sum = verdict.meeting == SelfMeeting::kLoops ? 0.0 : std::fabs(ring.Area());
  for (const auto& loop : verdict.loops) sum = sum + std::fabs(loop->Area());
  const double area = ring.ScalarArea();
  Require(SameNumber(area, sum), "ScalarArea adds up the loops' areas in order");
}

void CheckLocation(const CFPPolygon& ring, const CFPPoint& query) {
  const int answer = ring.PtInPolygon(query);
  Require(answer == 0 || answer == 1, "PtInPolygon answers 0 or 1");
  const double distance = ring.DistanceFromPoint(query);
  // Negative means inside, and only a ring of three or more points has one.
  const bool inside = ring.getCount() >= 3 && answer == 1;
  Require(inside ? !(distance > 0) : !(distance < 0), "DistanceFromPoint is negative only inside");
  Require(ring.getCount() > 0 || distance == HUGE_VAL, "an empty ring is infinitely far");
  const double plainDistance = detail::PointLocation::DistanceFromPoint(ring, query, false);
  Require(SameNumber(distance, plainDistance) &&
              answer == detail::PointLocation::PtInPolygon(ring, query, false),
          "screened point location gives the plain walk's bits");
}

void CheckCleanUp(const CFPPolygon& ring, const std::vector<CFPPoint>& points) {
  CFPPolygon cleaned(ring);
  const int result = cleaned.OptimizeAndCheck();
  const std::vector<CFPPoint> kept = WalkedPoints(cleaned);
  Require(result == (kept.size() >= 3 ? 1 : 0), "OptimizeAndCheck gives 1 exactly when three points remain");
  Require(result == 1 || kept.empty(), "OptimizeAndCheck empties a ring it rejects");
  Require(IsSubsequence(kept, points), "the clean-up only removes points");
  Require(cleaned.OptimizeAndCheck() == result, "a second clean-up gives the same verdict");
  Require(SameBits(WalkedPoints(cleaned), kept), "the clean-up ends at a fixed point");
}

void CheckClipping(const CFPPolygon& ring, const std::vector<CFPPoint>& points, const CFPRect& rect) {
  CFPPolygon clipped(ring);
  const int result = clipped.IntersectRect(rect);
  const std::vector<CFPPoint> kept = WalkedPoints(clipped);
  Require(clipped.isPosValid() == 0, "clipping leaves the cursor at the end");
  Require(result == (kept.size() >= 3 ? 1 : 0), "IntersectRect gives 1 exactly when three points remain");
  CFPPolygon plain(ring);
  Require(fpgeom::detail::PlainIntersectRect(plain, rect) == result && SameBits(WalkedPoints(plain), kept),
          "IntersectRect clips as the passes over the polygon's list do");
  if (!IsFinite(rect) || !std::all_of(points.begin(), points.end(), [](const CFPPoint& p) { return IsFinite(p); })) {
    return;
  }
  const double xmin = std::min(rect.left, rect.right);
  const double xmax = std::max(rect.left, rect.right);
  const double ymin = std::min(rect.bottom, rect.top);
  const double ymax = std::max(rect.bottom, rect.top);
  // The horizontal borders come first: what leaves them lies between them
  // exactly, crossing points on a border. The vertical borders come last and
  // set x exactly, but their crossing points get y from a fixed formula whose
  // cancellation, on a nearly vertical edge far from the origin, can put it
  // far past a horizontal border. So y is held to the borders exactly for
  // every point that is not on a vertical border.
  for (const CFPPoint& point : kept) {
    if (!IsFinite(point)) continue;
    Require(xmin <= point.x && point.x <= xmax, "a clipped ring lies between the vertical borders");
    if (point.x == xmin || point.x == xmax) continue;
    Require(ymin <= point.y && point.y <= ymax,
            "a clipped ring lies between the horizontal borders off the vertical ones");
  }
}

void CheckInsertBetween(const CFPPolygon& ring, const std::vector<CFPPoint>& points, ByteReader& input) {
  if (points.empty()) return;
  const CFPPoint p1 = points[input.Byte() % points.size()];
  const CFPPoint p2 = points[input.Byte() % points.size()];
  const CFPPoint inserted = input.Point();
  CFPPolygon edited(ring);
  edited.InsertBetween(p1, p2, inserted);
  Require(edited.isPosValid() == 0, "InsertBetween leaves the cursor at the end");
  const std::size_t expected = points.size() + static_cast<std::size_t>(QualifyingEdges(points, p1, p2));
  Require(WalkedPoints(edited).size() == expected, "InsertBetween puts one point into each qualifying edge");
}

void CheckIntegerClipping(ByteReader& input) {
  std::vector<tagPOINT> ring(static_cast<std::size_t>(input.UpTo(kMaxIntegerRingPoints)));
  for (tagPOINT& point : ring) point = input.IntegerPoint();
  const tagRECT rect = input.IntegerRect();
  const int outSize = input.UpTo(kMaxIntegerRingPoints + 4);
  const int n = static_cast<int>(ring.size());

  const int size = GetPolySizeAfterIntersection(ring.data(), n, &rect);
  Require(size == 0 || size >= 3, "a clipped integer ring has no points or at least three");
  CFPPolygon working(ring.data(), n);
  Require(size == (fpgeom::detail::PlainIntersectRect(working, CFPRect(&rect)) == 1 ? working.getCount() : 0),
          "the integer clipping counts the points that the working polygon keeps");

  std::vector<tagPOINT> out(kGuard + static_cast<std::size_t>(outSize) + kGuard, kCanary);
  const int written = IntersectPolyWithRect(ring.data(), n, &rect, out.data() + kGuard, outSize);
  Require(written == size, "IntersectPolyWithRect returns what GetPolySizeAfterIntersection does");
  const std::size_t firstUntouched = kGuard + (size > 0 && size <= outSize ? static_cast<std::size_t>(size) : 0);
  const auto isCanary = [](const tagPOINT& p) { return p.x == kCanary.x && p.y == kCanary.y; };
  Require(std::all_of(out.begin(), out.begin() + kGuard, isCanary), "nothing is written before the array");
  Require(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(firstUntouched), out.end(), isCanary),
          "nothing is written behind the result, nor anything when the array is too small");
}

}  // namespace
}  // namespace fpgeom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fpgeom::fuzz;
  ByteReader input(data, size);
  CFPPolygon ring;
  const int count = input.UpTo(kMaxRingPoints);
  for (int i = 0; i < count; ++i) ring.AddTailNode(input.Point());
  const std::vector<CFPPoint> points = WalkedPoints(ring);
  const CFPRect rect = input.Rect();
  const CFPPoint query = input.Point();

  const fpgeom::BreakdownVerdict verdict = CheckBreakdown(ring, points);
  // The measures break the ring down again. Past the bound they answer as for
  // a ring that meets itself nowhere, which other inputs cover at a small
  // fraction of the cost.
  if (verdict.meeting != fpgeom::SelfMeeting::kGaveUp) {
    CheckScalarArea(ring, verdict);
    CheckLocation(ring, query);
  }
  CheckCleanUp(ring, points);
  CheckClipping(ring, points, rect);
  CheckInsertBetween(ring, points, input);
  CheckIntegerClipping(input);
  return 0;
}
