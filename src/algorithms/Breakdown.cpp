// The breakdown of a ring that meets itself into loops: every point where two
// edges meet is inserted into both edges of a working copy, and the copy is
// then cut into loops at its repeated points. Also ScalarArea, which adds up
// the loops' unsigned areas.
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "algorithms/LoopListOwner.h"
#include "algorithms/PlainBreakdown.h"
#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace {

using Ring = CList<CFPPoint, const CFPPoint&>;
using fpgeom::detail::LoopList;
using fpgeom::detail::OwnedLoopList;

POSITION After(const Ring& ring, POSITION position) {
  ring.GetNext(position);
  return position;
}

// Rounding can make the sweeps insert without end: two nearly collinear
// edges whose cross product rounds just above the parallel threshold report a
// far end point as a meeting point, and each node inserted for it repeats the
// report further on. A ring whose working copy outgrows this many points is
// treated as one that meets itself nowhere.
std::uint64_t RunawayLimit(INT_PTR pointsOnEntry) {
  const auto n = static_cast<std::uint64_t>(pointsOnEntry);
  return 2 * n * n + 4 * n + 16;
}

// Phase 1: inserts every meeting point of two non-adjacent edges into both
// edges. Points are the same by the inclusive equality of CFPPoint; whether
// two edges meet is left to IntersectSegments.
class MeetingPointMarker {
 public:
  MeetingPointMarker(Ring& ring, std::uint64_t pointLimit) : m_ring(ring), m_pointLimit(pointLimit) {}

  // Whether the ring meets itself; false too when it ran away.
  bool Mark() {
    const POSITION head = m_ring.GetHeadPosition();
    POSITION start = head;
    for (POSITION end = After(m_ring, start); end != nullptr && end != m_ring.GetTailPosition();
         end = After(m_ring, start)) {
      // The edge from end to its successor shares a node with the current
      // edge and is skipped; so is the closing edge when start is the head.
      const POSITION tail = m_ring.GetTailPosition();
      for (POSITION u = After(m_ring, end); u != tail && !m_ranAway;) {
        // Read before the test, so that a node inserted after u is not
        // visited as a u itself.
        const POSITION v = After(m_ring, u);
        TestEdge(start, end, u, v);
        u = v;
      }
      if (start != head && !m_ranAway) TestEdge(start, end, tail, head);
      if (m_ranAway) return false;
      // The next current edge starts where this one ended, at the node
      // inserted last on it if any.
      start = end;
    }
    return m_met;
  }

 private:
  // The current edge runs from start to end; a meeting point inside it
  // shortens it, so the rest of the sweep tests the shortened edge.
  void TestEdge(POSITION start, POSITION& end, POSITION u, POSITION v) {
    CFPPoint meeting;
    const INTERSECT_TYPE type =
        IntersectSegments(m_ring.GetAt(start), m_ring.GetAt(end), m_ring.GetAt(u), m_ring.GetAt(v), meeting);
    if (type != INTERSECT_POINT && type != INTERSECT_OVERLAP) return;
    m_met = true;
    if (meeting != m_ring.GetAt(start) && meeting != m_ring.GetAt(end)) end = Insert(start, meeting);
    if (meeting != m_ring.GetAt(u) && meeting != m_ring.GetAt(v)) Insert(u, meeting);
  }

  POSITION Insert(POSITION after, const CFPPoint& point) {
    const POSITION inserted = m_ring.InsertAfter(after, point);
    if (static_cast<std::uint64_t>(m_ring.GetCount()) > m_pointLimit) m_ranAway = true;
    return inserted;
  }

  Ring& m_ring;
  const std::uint64_t m_pointLimit;
  bool m_met = false;
  bool m_ranAway = false;
};

// The last node, searching back from the tail, whose point is the same as
// point. A point is always the same as itself (even a NaN coordinate is not
// "greater than the tolerance"), so the search stops at the node holding it.
POSITION LastOccurrence(const Ring& ring, const CFPPoint& point) {
  POSITION position = ring.GetTailPosition();
  while (ring.GetAt(position) != point) ring.GetPrev(position);
  return position;
}

// Phase 2: each loop starts at the head of what is left and jumps, at every
// repeated point, past the stretch that leads back to it; the stretches stay
// in the ring and become the later loops. Empties the ring.
OwnedLoopList CutIntoLoops(Ring& ring) {
  OwnedLoopList loops(new LoopList(10));
  while (!ring.IsEmpty()) {
    auto loop = std::make_unique<CFPPolygon>();
    for (POSITION node = ring.GetHeadPosition(); node != nullptr;) {
      const CFPPoint point = ring.GetAt(node);
      loop->AddTailNode(point);
      const POSITION next = After(ring, LastOccurrence(ring, point));
      ring.RemoveAt(node);
      node = next;
    }
    loops->AddTail(loop.get());
    loop.release();
  }
  return loops;
}

// A working copy of the ring, edited in place by both phases.
class WorkingRing : public CFPPolygon {
 public:
  // Copying walks the source with its cursor, which ends at the end.
  explicit WorkingRing(const CFPPolygon& source) : CFPPolygon(source) {}
  Ring& Points() { return m_points; }
};

// Both phases on a copy of a ring of at least three points.
OwnedLoopList BreakDownPlainly(const CFPPolygon& polygon) {
  WorkingRing working(polygon);
  MeetingPointMarker marker(working.Points(), RunawayLimit(working.Points().GetCount()));
  if (!marker.Mark()) return nullptr;
  return CutIntoLoops(working.Points());
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
  // A ring that the screen clears would give the plain path no meeting point:
  // it would copy the ring, which leaves the cursor at the end, and return
  // null.
  if (pointsOnEntry >= kFewestScreenedPoints && fpgeom::detail::MeetsItselfNowhere(m_points)) {
    m_pos = nullptr;
    return nullptr;
  }
  return BreakDownPlainly(*this).release();
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
