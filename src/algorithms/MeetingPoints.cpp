// The breakdown's sweeps, plain and screened. Points are the same by the
// inclusive equality of CFPPoint; whether two edges meet is left to
// IntersectSegments.
#include "algorithms/MeetingPoints.h"

#include <algorithm>
#include <cstddef>
#include <set>

#include "fpgeom/values/FPSegment.h"

namespace fpgeom::detail {

namespace {

// Which edges of a tested pair received a meeting point.
struct Insertions {
  bool intoCurrent = false;
  bool intoOther = false;
};

// Tests pairs and inserts their meeting points, watching the ring's size.
class PairTester {
 public:
  PairTester(PointRing& ring, std::uint64_t pointLimit) : m_ring(ring), m_pointLimit(pointLimit) {}

  // The current edge runs from start to end; a meeting point inside it
  // shortens it, so the rest of the sweep tests the shortened edge.
  Insertions Test(POSITION start, POSITION& end, POSITION u, POSITION v) {
    const INTERSECT_TYPE type =
        IntersectSegments(m_ring.GetAt(start), m_ring.GetAt(end), m_ring.GetAt(u), m_ring.GetAt(v), m_meeting);
    if (type != INTERSECT_POINT && type != INTERSECT_OVERLAP) return {};
    return InsertMeeting(start, end, u, v);
  }

  bool Met() const { return m_met; }
  bool RanAway() const { return m_ranAway; }

 private:
  Insertions InsertMeeting(POSITION start, POSITION& end, POSITION u, POSITION v);
  POSITION Insert(POSITION after, const CFPPoint& point);

  PointRing& m_ring;
  const std::uint64_t m_pointLimit;
  // Written by IntersectSegments only when the edges meet; kept across
  // tests, since most tests find nothing.
  CFPPoint m_meeting;
  bool m_met = false;
  bool m_ranAway = false;
};

Insertions PairTester::InsertMeeting(POSITION start, POSITION& end, POSITION u, POSITION v) {
  m_met = true;
  Insertions insertions;
  if (m_meeting != m_ring.GetAt(start) && m_meeting != m_ring.GetAt(end)) {
    end = Insert(start, m_meeting);
    insertions.intoCurrent = true;
  }
  if (m_meeting != m_ring.GetAt(u) && m_meeting != m_ring.GetAt(v)) {
    Insert(u, m_meeting);
    insertions.intoOther = true;
  }
  return insertions;
}

POSITION PairTester::Insert(POSITION after, const CFPPoint& point) {
  const POSITION inserted = m_ring.InsertAfter(after, point);
  if (static_cast<std::uint64_t>(m_ring.GetCount()) > m_pointLimit) m_ranAway = true;
  return inserted;
}

// The screened sweeps. Region r of the working copy is the ring's edge r: its
// first node and every node inserted into it since, which stay between that
// node and the next region's first. While both a pair's edges are whole
// regions, the pair is a pair of the ring's own edges, and IntersectSegments
// meets it only if the screen found so. A sweep along a whole edge therefore
// tests only those pairs and the edges of the regions that have received
// points, in list order; every test it leaves out would have found nothing.
// Once its edge is shortened, a sweep goes on as the plain one.
class ScreenedSweeps {
 public:
  ScreenedSweeps(PointRing& ring, std::uint64_t pointLimit, const std::vector<EdgePair>& meetingPairs)
      : m_ring(ring), m_tester(ring, pointLimit), m_meetingPairs(meetingPairs) {
    for (POSITION position = ring.GetHeadPosition(); position != nullptr; ring.GetNext(position)) {
      m_firsts.push_back(position);
    }
    m_firsts.push_back(nullptr);
  }

  bool Mark() {
    POSITION start = m_ring.GetHeadPosition();
    std::size_t region = 0;
    for (POSITION end = After(m_ring, start); end != nullptr && end != m_ring.GetTailPosition();
         end = After(m_ring, start)) {
      if (start == m_firsts[region] && end == m_firsts[region + 1]) {
        SweepWholeEdge(region, start, end);
      } else {
        SweepFrom(region, start, end, RegionOf(After(m_ring, end), RegionOf(end, region)), After(m_ring, end));
      }
      if (m_tester.RanAway()) return false;
      start = end;
      region = RegionOf(start, region);
    }
    return m_tester.Met();
  }

 private:
  std::size_t LastRegion() const { return m_firsts.size() - 2; }

  // The region of a node that follows, at most one region on, a node of
  // region.
  std::size_t RegionOf(POSITION node, std::size_t region) const {
    return node == m_firsts[region + 1] ? region + 1 : region;
  }

  // Tests the current edge, in region current, against the edge from u (in
  // region) to v, and notes the regions that received points. True when the
  // current edge was shortened.
  bool Test(std::size_t current, POSITION start, POSITION& end, std::size_t region, POSITION u, POSITION v) {
    const Insertions insertions = m_tester.Test(start, end, u, v);
    if (insertions.intoCurrent) m_received.insert(current);
    if (insertions.intoOther) m_received.insert(region);
    return insertions.intoCurrent;
  }

  // As the plain sweep from u, of region, on: every edge up to the tail, then
  // the closing edge unless the current edge starts at the head.
  void SweepFrom(std::size_t current, POSITION start, POSITION& end, std::size_t region, POSITION u) {
    const POSITION tail = m_ring.GetTailPosition();
    while (u != tail && !m_tester.RanAway()) {
      const POSITION v = After(m_ring, u);
      Test(current, start, end, region, u, v);
      region = RegionOf(v, region);
      u = v;
    }
    if (start != m_ring.GetHeadPosition() && !m_tester.RanAway()) {
      Test(current, start, end, LastRegion(), tail, m_ring.GetHeadPosition());
    }
  }

  // The current edge is the whole of region current.
  void SweepWholeEdge(std::size_t current, POSITION start, POSITION& end) {
    auto partner = std::lower_bound(m_meetingPairs.begin(), m_meetingPairs.end(), EdgePair{current, 0});
    auto received = m_received.upper_bound(current);
    const std::size_t beyond = m_firsts.size();
    for (;;) {
      const std::size_t nextPartner =
          partner != m_meetingPairs.end() && partner->earlier == current ? partner->later : beyond;
      const std::size_t nextReceived = received != m_received.end() ? *received : beyond;
      const std::size_t region = std::min(nextPartner, nextReceived);
      if (region == beyond) return;
      const bool shortened = region == nextReceived ? SweepReceivingRegion(current, start, end, region)
                                                    : SweepWholeRegion(current, start, end, region);
      if (shortened || m_tester.RanAway()) return;
      if (region == nextReceived) ++received;
      while (partner != m_meetingPairs.end() && partner->earlier == current && partner->later <= region) ++partner;
    }
  }

  // A partner that is still whole; the last region's edge is the closing
  // edge, which a partner of the head's edge never is. True when the current
  // edge was shortened and the sweep finished.
  bool SweepWholeRegion(std::size_t current, POSITION start, POSITION& end, std::size_t region) {
    const bool last = region == LastRegion();
    const POSITION v = last ? m_ring.GetHeadPosition() : m_firsts[region + 1];
    if (!Test(current, start, end, region, m_firsts[region], v)) return false;
    if (!last) SweepFrom(current, start, end, region + 1, v);
    return true;
  }

  // Every edge of a region that has received points, after the current
  // edge's end; in the last region, up to the tail and then the closing
  // edge. True when the current edge was shortened and the sweep finished.
  bool SweepReceivingRegion(std::size_t current, POSITION start, POSITION& end, std::size_t region) {
    const POSITION tail = m_ring.GetTailPosition();
    POSITION u = region == current + 1 ? After(m_ring, end) : m_firsts[region];
    while (u != m_firsts[region + 1] && u != tail && !m_tester.RanAway()) {
      const POSITION v = After(m_ring, u);
      if (Test(current, start, end, region, u, v)) {
        SweepFrom(current, start, end, RegionOf(v, region), v);
        return true;
      }
      u = v;
    }
    if (region == LastRegion() && start != m_ring.GetHeadPosition() && !m_tester.RanAway()) {
      return Test(current, start, end, region, tail, m_ring.GetHeadPosition());
    }
    return false;
  }

  PointRing& m_ring;
  PairTester m_tester;
  const std::vector<EdgePair>& m_meetingPairs;
  // The first node of each region, then null for the end of the list.
  std::vector<POSITION> m_firsts;
  std::set<std::size_t> m_received;
};

}  // namespace

bool MarkMeetingPoints(PointRing& ring, std::uint64_t pointLimit) {
  PairTester tester(ring, pointLimit);
  const POSITION head = ring.GetHeadPosition();
  POSITION start = head;
  for (POSITION end = After(ring, start); end != nullptr && end != ring.GetTailPosition(); end = After(ring, start)) {
    // The edge from end to its successor shares a node with the current
    // edge and is skipped; so is the closing edge when start is the head.
    const POSITION tail = ring.GetTailPosition();
    for (POSITION u = After(ring, end); u != tail && !tester.RanAway();) {
      // Read before the test, so that a node inserted after u is not
      // visited as a u itself.
      const POSITION v = After(ring, u);
      tester.Test(start, end, u, v);
      u = v;
    }
    if (start != head && !tester.RanAway()) tester.Test(start, end, tail, head);
    if (tester.RanAway()) return false;
    // The next current edge starts where this one ended, at the node
    // inserted last on it if any.
    start = end;
  }
  return tester.Met();
}

bool MarkMeetingPoints(PointRing& ring, std::uint64_t pointLimit, const std::vector<EdgePair>& meetingPairs) {
  return ScreenedSweeps(ring, pointLimit, meetingPairs).Mark();
}

}  // namespace fpgeom::detail
