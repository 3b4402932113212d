// The breakdown of a ring that meets itself into loops: every point where two
// edges meet is inserted into both edges of a working copy, and the copy is
// then cut into loops at its repeated points. Also ScalarArea, which adds up
// the loops' unsigned areas.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "algorithms/IndexedSweeps.h"
#include "algorithms/LoopCutting.h"
#include "algorithms/LoopListOwner.h"
#include "algorithms/MeetingPoints.h"
#include "algorithms/PlainBreakdown.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace {

using Ring = CList<CFPPoint, const CFPPoint&>;
using fpgeom::detail::EdgePair;
using fpgeom::detail::LoopList;
using fpgeom::detail::OwnedLoopList;

// Rounding can make the sweeps insert without end: two nearly collinear
// edges whose cross product rounds just above the parallel threshold report a
// far end point as a meeting point, and each node inserted for it repeats the
// report further on. A ring whose working copy outgrows this many points is
// treated as one that meets itself nowhere.
std::uint64_t RunawayLimit(INT_PTR pointsOnEntry) {
  const auto n = static_cast<std::uint64_t>(pointsOnEntry);
  return 2 * n * n + 4 * n + 16;
}

// How a breakdown ended: loops, or none; gaveUpAt counts the working copy's
// points when the bound stopped it, and is 0 otherwise.
struct Outcome {
  OwnedLoopList loops;
  std::uint64_t gaveUpAt = 0;
};

// No loops: the sweeps found no meeting, or the copy outgrew the limit.
Outcome WithoutLoops(std::uint64_t points, std::uint64_t pointLimit) {
  Outcome outcome;
  if (points > pointLimit) outcome.gaveUpAt = points;
  return outcome;
}

// A working copy of the ring, edited in place by both phases.
class WorkingRing : public CFPPolygon {
 public:
  // Copying walks the source with its cursor, which ends at the end.
  explicit WorkingRing(const CFPPolygon& source) : CFPPolygon(source) {}
  Ring& Points() { return m_points; }
};

// Both phases of the plain algorithm on a copy of a ring of at least three
// points.
Outcome BreakDownPlainly(const CFPPolygon& polygon) {
  WorkingRing working(polygon);
  Ring& ring = working.Points();
  const std::uint64_t pointLimit = RunawayLimit(ring.GetCount());
  if (!fpgeom::detail::MarkMeetingPoints(ring, pointLimit)) {
    return WithoutLoops(static_cast<std::uint64_t>(ring.GetCount()), pointLimit);
  }
  return {fpgeom::detail::CutIntoLoops(ring)};
}

// The same loops for a ring that the screen has looked at: phase 1 tests only
// the screen's pairs of the ring's own edges when it found them, and phase 2
// looks up repeated points in an index.
Outcome BreakDownScreened(const CFPPolygon& polygon, const std::optional<std::vector<EdgePair>>& meetingPairs) {
  WorkingRing working(polygon);
  Ring& ring = working.Points();
  const std::uint64_t pointLimit = RunawayLimit(ring.GetCount());
  const bool met = meetingPairs ? fpgeom::detail::MarkMeetingPoints(ring, pointLimit, *meetingPairs)
                                : fpgeom::detail::MarkMeetingPoints(ring, pointLimit);
  if (!met) return WithoutLoops(static_cast<std::uint64_t>(ring.GetCount()), pointLimit);
  return {fpgeom::detail::CutIntoLoopsByIndex(ring)};
}

// The same loops again, phase 1 through the index of the working copy's
// edges; the plain sweeps for coordinates the index declines.
Outcome BreakDownIndexed(const CFPPolygon& polygon) {
  WorkingRing working(polygon);
  Ring& ring = working.Points();
  const std::uint64_t pointLimit = RunawayLimit(ring.GetCount());
  std::vector<CFPPoint> points;
  points.reserve(static_cast<std::size_t>(ring.GetCount()));
  for (POSITION position = ring.GetHeadPosition(); position != nullptr;) points.push_back(ring.GetNext(position));
  std::optional<fpgeom::detail::SweptRing> swept = fpgeom::detail::MarkMeetingPointsIndexed(points, pointLimit);
  if (!swept) {
    if (!fpgeom::detail::MarkMeetingPoints(ring, pointLimit)) {
      return WithoutLoops(static_cast<std::uint64_t>(ring.GetCount()), pointLimit);
    }
    return {fpgeom::detail::CutIntoLoopsByIndex(ring)};
  }
  if (!swept->met || swept->ranAway) return WithoutLoops(swept->points.size(), pointLimit);
  return {fpgeom::detail::CutIntoLoopsByIndex(swept->points)};
}

std::vector<std::unique_ptr<CFPPolygon>> TakeLoops(OwnedLoopList list) {
  std::vector<std::unique_ptr<CFPPolygon>> loops;
  if (!list) return loops;
  // Reserved first, so that no loop is out of both owners when memory runs out.
  loops.reserve(static_cast<std::size_t>(list->GetCount()));
  while (!list->IsEmpty()) loops.emplace_back(list->RemoveHead());
  return loops;
}

// Below this many points testing every pair costs less than screening.
constexpr INT_PTR kFewestScreenedPoints = 16;
// From this many meeting pairs of the ring's own edges on, phase 1 runs on
// the index of the working copy's edges.
constexpr std::size_t kFewestIndexedPairs = 16;
// Below this many points the index costs more than it saves (random rings
// of 50 points take half as long again).
constexpr INT_PTR kFewestIndexedPoints = 64;
// From this many points on, a ring found to meet itself nowhere is kept, so
// that asking again costs a comparison instead of a screen.
constexpr INT_PTR kFewestRememberedPoints = 64;

bool SameBits(const CFPPoint& a, const CFPPoint& b) {
  return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 && std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

bool IsRemembered(const std::vector<CFPPoint>& remembered, const Ring& ring) {
  if (remembered.size() != static_cast<std::size_t>(ring.GetCount())) return false;
  auto next = remembered.begin();
  for (POSITION position = ring.GetHeadPosition(); position != nullptr;) {
    if (!SameBits(ring.GetNext(position), *next++)) return false;
  }
  return true;
}

// Keeps a copy of the ring, or none when there is no memory for it: the copy
// only saves time.
void Remember(std::vector<CFPPoint>& remembered, const Ring& ring) noexcept {
  try {
    std::vector<CFPPoint> copy;
    copy.reserve(static_cast<std::size_t>(ring.GetCount()));
    for (POSITION position = ring.GetHeadPosition(); position != nullptr;) copy.push_back(ring.GetNext(position));
    remembered.swap(copy);
  } catch (const std::bad_alloc&) {
    // Nothing kept: the next breakdown searches again.
  }
}

}  // namespace

void fpgeom::detail::LoopListDeleter::operator()(LoopList* loops) const {
  for (POSITION position = loops->GetHeadPosition(); position != nullptr;) delete loops->GetNext(position);
  delete loops;
}

namespace {

fpgeom::BreakdownVerdict VerdictOf(Outcome outcome) {
  fpgeom::BreakdownVerdict verdict;
  if (outcome.gaveUpAt > 0) {
    verdict.meeting = fpgeom::SelfMeeting::kGaveUp;
    verdict.pointsReached = outcome.gaveUpAt;
  } else if (outcome.loops) {
    verdict.meeting = fpgeom::SelfMeeting::kLoops;
    verdict.loops = TakeLoops(std::move(outcome.loops));
  }
  return verdict;
}

// The breakdown of a polygon given its points, its cursor and its kept copy
// of a ring that meets itself nowhere: the specified member and the verdict
// share it.
Outcome BreakDown(const CFPPolygon& polygon, const Ring& points, POSITION& cursor,
                  std::vector<CFPPoint>& meetsItselfNowhere) {
  const INT_PTR pointsOnEntry = points.GetCount();
  if (pointsOnEntry < 3) return {};
  if (pointsOnEntry < kFewestScreenedPoints) return BreakDownPlainly(polygon);
  // A ring without meeting pairs would give the plain path no meeting point:
  // it would copy the ring, which leaves the cursor at the end, and return
  // null.
  if (IsRemembered(meetsItselfNowhere, points)) {
    cursor = nullptr;
    return {};
  }
  // The ring has changed since it was kept, if it was.
  std::vector<CFPPoint>().swap(meetsItselfNowhere);
  const std::optional<std::vector<EdgePair>> meetingPairs = fpgeom::detail::MeetingEdgePairs(points);
  if (meetingPairs && meetingPairs->empty()) {
    if (pointsOnEntry >= kFewestRememberedPoints) Remember(meetsItselfNowhere, points);
    cursor = nullptr;
    return {};
  }
  // The screened sweeps go plain along every edge that has received a point,
  // so they suit rings with few meetings; the index pays off with many, on
  // rings that are not small.
  const bool manyMeetings = !meetingPairs || meetingPairs->size() >= kFewestIndexedPairs;
  if (manyMeetings && pointsOnEntry >= kFewestIndexedPoints) return BreakDownIndexed(polygon);
  return BreakDownScreened(polygon, meetingPairs);
}

}  // namespace

std::vector<std::unique_ptr<CFPPolygon>> fpgeom::detail::PlainBreakdownLoops(const CFPPolygon& polygon) {
  if (polygon.getCount() < 3) return {};
  return TakeLoops(BreakDownPlainly(polygon).loops);
}

fpgeom::BreakdownVerdict fpgeom::detail::PlainBreakDownRing(const CFPPolygon& polygon) {
  if (polygon.getCount() < 3) return {};
  return VerdictOf(BreakDownPlainly(polygon));
}

fpgeom::BreakdownVerdict fpgeom::detail::IndexedBreakDownRing(const CFPPolygon& polygon) {
  if (polygon.getCount() < 3) return {};
  return VerdictOf(BreakDownIndexed(polygon));
}

CFPPolygon::LoopList* CFPPolygon::Breakdown() const {
  return BreakDown(*this, m_points, m_pos, m_meetsItselfNowhere).loops.release();
}

std::vector<std::unique_ptr<CFPPolygon>> fpgeom::BreakdownLoops(const CFPPolygon& polygon) {
  return TakeLoops(detail::OwnedLoopList(polygon.Breakdown()));
}

fpgeom::BreakdownVerdict fpgeom::BreakDownRing(const CFPPolygon& polygon) {
  return VerdictOf(BreakDown(polygon, polygon.m_points, polygon.m_pos, polygon.m_meetsItselfNowhere));
}

double CFPPolygon::ScalarArea() const {
  const fpgeom::detail::OwnedLoopList loops(Breakdown());
  if (!loops) return std::fabs(Area());
  double sum = 0.0;
  for (POSITION position = loops->GetHeadPosition(); position != nullptr;) {
    sum = sum + std::fabs(loops->GetNext(position)->Area());
  }
  return sum;
}
