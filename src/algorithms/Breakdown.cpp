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

// A working copy of the ring, edited in place by both phases.
class WorkingRing : public CFPPolygon {
 public:
  // Copying walks the source with its cursor, which ends at the end.
  explicit WorkingRing(const CFPPolygon& source) : CFPPolygon(source) {}
  Ring& Points() { return m_points; }
};

// Both phases of the plain algorithm on a copy of a ring of at least three
// points.
OwnedLoopList BreakDownPlainly(const CFPPolygon& polygon) {
  WorkingRing working(polygon);
  Ring& ring = working.Points();
  if (!fpgeom::detail::MarkMeetingPoints(ring, RunawayLimit(ring.GetCount()))) return nullptr;
  return fpgeom::detail::CutIntoLoops(ring);
}

// The same loops for a ring that the screen has looked at: phase 1 tests only
// the screen's pairs of the ring's own edges when it found them, and phase 2
// looks up repeated points in an index.
OwnedLoopList BreakDownScreened(const CFPPolygon& polygon, const std::optional<std::vector<EdgePair>>& meetingPairs) {
  WorkingRing working(polygon);
  Ring& ring = working.Points();
  const std::uint64_t pointLimit = RunawayLimit(ring.GetCount());
  const bool met = meetingPairs ? fpgeom::detail::MarkMeetingPoints(ring, pointLimit, *meetingPairs)
                                : fpgeom::detail::MarkMeetingPoints(ring, pointLimit);
  if (!met) return nullptr;
  return fpgeom::detail::CutIntoLoopsByIndex(ring);
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

std::vector<std::unique_ptr<CFPPolygon>> fpgeom::detail::PlainBreakdownLoops(const CFPPolygon& polygon) {
  if (polygon.getCount() < 3) return {};
  return TakeLoops(BreakDownPlainly(polygon));
}

CFPPolygon::LoopList* CFPPolygon::Breakdown() const {
  const INT_PTR pointsOnEntry = m_points.GetCount();
  if (pointsOnEntry < 3) return nullptr;
  if (pointsOnEntry < kFewestScreenedPoints) return BreakDownPlainly(*this).release();
  // A ring without meeting pairs would give the plain path no meeting point:
  // it would copy the ring, which leaves the cursor at the end, and return
  // null.
  if (IsRemembered(m_meetsItselfNowhere, m_points)) {
    m_pos = nullptr;
    return nullptr;
  }
  // The ring has changed since it was kept, if it was.
  std::vector<CFPPoint>().swap(m_meetsItselfNowhere);
  const std::optional<std::vector<EdgePair>> meetingPairs = fpgeom::detail::MeetingEdgePairs(m_points);
  if (meetingPairs && meetingPairs->empty()) {
    if (pointsOnEntry >= kFewestRememberedPoints) Remember(m_meetsItselfNowhere, m_points);
    m_pos = nullptr;
    return nullptr;
  }
  return BreakDownScreened(*this, meetingPairs).release();
}

std::vector<std::unique_ptr<CFPPolygon>> fpgeom::BreakdownLoops(const CFPPolygon& polygon) {
  return TakeLoops(detail::OwnedLoopList(polygon.Breakdown()));
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
