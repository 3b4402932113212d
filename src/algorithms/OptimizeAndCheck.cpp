// CFPPolygon::OptimizeAndCheck: removes points that coincide with a neighbour
// or lie on the line through both neighbours, and empties a ring that is left
// with fewer than three points.
#include <cmath>
#include <cstddef>

#include "algorithms/RingClipping.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/Tolerance.h"

namespace {

using fpgeom::kPointEpsilon;

// Every test is strict: a difference of exactly 2^-23 is not within tolerance.
bool IsNegligible(double difference) { return std::fabs(difference) < kPointEpsilon; }

// Whether `point`, between `previous` and `next`, adds nothing to the ring.
// The first rule that applies decides.
template <class Point>
bool IsRedundant(const Point& previous, const Point& point, const Point& next) {
  const double inX = point.x - previous.x;
  const double inY = point.y - previous.y;
  const double outX = next.x - point.x;
  const double outY = next.y - point.y;

  if (IsNegligible(inX) && IsNegligible(inY)) return true;    // same as the predecessor
  if (IsNegligible(outX) && IsNegligible(outY)) return true;  // same as the successor
  const bool inVertical = IsNegligible(inX);
  const bool outVertical = IsNegligible(outX);
  if (inVertical && outVertical) return true;
  if (inVertical != outVertical) return false;
  // The slopes themselves are compared, unscaled, so steep steps must agree
  // far more closely in position than flat ones.
  return IsNegligible(inY / inX - outY / outX);
}

}  // namespace

int CFPPolygon::OptimizeAndCheck() {
  if (m_points.GetCount() < 3) {
    RemoveAll();  // the cursor goes to the end with the points
    return 0;
  }

  bool removedAny = true;
  while (removedAny) {
    removedAny = false;
    // A removed point is never a neighbour: the next one is compared with the
    // last point that was kept.
    CFPPoint lastKept = m_points.GetTail();
    m_pos = m_points.GetHeadPosition();
    while (m_pos != nullptr) {
      // The cursor moves past the node first, so removing the node leaves the
      // walk intact.
      const POSITION node = m_pos;
      const CFPPoint point = m_points.GetNext(m_pos);
      // The tail's successor is the head as it is now, after earlier removals.
      const CFPPoint& next = m_pos != nullptr ? m_points.GetAt(m_pos) : m_points.GetHead();

      if (!IsRedundant(lastKept, point, next)) {
        lastKept = point;
        continue;
      }
      m_points.RemoveAt(node);
      removedAny = true;
      if (m_points.GetCount() < 3) {
        RemoveAll();
        return 0;
      }
    }
  }
  return 1;
}

namespace fpgeom::detail {

// The same passes as OptimizeAndCheck, with the kept points moved down over
// the removed ones: ring[kept] is written only after ring[kept + 1], the
// next point, has been read.
int CleanUpRing(PointBuffer& ring) {
  if (ring.size() < 3) {
    ring.clear();
    return 0;
  }
  bool removedAny = true;
  while (removedAny) {
    removedAny = false;
    const std::size_t count = ring.size();
    RingPoint lastKept = ring[count - 1];
    std::size_t kept = 0;
    for (std::size_t read = 0; read < count; ++read) {
      const RingPoint point = ring[read];
      // The tail's successor is the head as it is now, ring[0]: with three
      // points left, something was kept before the tail.
      const RingPoint& next = read + 1 < count ? ring[read + 1] : ring[0];
      if (!IsRedundant(lastKept, point, next)) {
        lastKept = point;
        ring[kept++] = point;
        continue;
      }
      removedAny = true;
      if (count - (read + 1 - kept) < 3) {
        ring.clear();
        return 0;
      }
    }
    ring.resize(kept);
  }
  return 1;
}

}  // namespace fpgeom::detail
