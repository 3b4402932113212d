// PreparedPolygon: containment on the loops of the breakdown (or the whole
// ring), each behind a band index, and the signed distance from a tree of
// edge boxes; both give the polygon's own bits.
#include "fpgeom/prepared/PreparedPolygon.h"

#include <cmath>
#include <limits>

#include "fpgeom/values/FPSegment.h"
#include "prepared/PreparedRing.h"

namespace fpgeom {
namespace detail {
namespace {

double DistanceBetween(const CFPPoint& point, const CFPPoint& pt) { return std::hypot(point.x - pt.x, point.y - pt.y); }

bool HasLength(const CFPPoint& start, const CFPPoint& end) { return start.x != end.x || start.y != end.y; }

}  // namespace

PreparedRing::PreparedRing(const CFPPolygon& polygon) : count(polygon.getCount()) {
  // First, as containment asks: a ring of three or more points is copied by
  // the breakdown, which leaves its cursor at the end.
  for (const auto& loop : BreakdownLoops(polygon)) {
    loops.push_back(PreparedLoop{CrossingIndex(RingPointsOf(*loop), loop->getBoundsRect()), loop->Area() >= 0.0});
  }
  if (count == 0) return;
  head = polygon.getHeadNode();
  if (count == 1) return;
  // The containment test of two or more points walks the cursor to the end
  // too, in its bounding pass.
  const std::vector<RingPoint> points = RingPointsOf(polygon);
  second = CFPPoint(points[1].x, points[1].y);
  if (loops.empty()) whole.emplace(points, polygon.getBoundsRect());
  if (count >= 3) edges.emplace(points);
}

int PreparedRing::Contains(double x, double y) const {
  if (loops.empty()) return whole ? whole->Contains(x, y) : 0;
  // As on the breakdown's loops: in a filled loop exclusive-or in a hole. A
  // flag once set needs no more loops of its kind.
  int inFilled = 0;
  int inHole = 0;
  for (const PreparedLoop& loop : loops) {
    int& flag = loop.filled ? inFilled : inHole;
    if (flag == 0 && loop.index.Contains(x, y) == 1) {
      flag = 1;
      if (inFilled && inHole) break;
    }
  }
  return inFilled ^ inHole;
}

}  // namespace detail

PreparedPolygon::PreparedPolygon(const CFPPolygon& polygon)
    : m_ring(std::make_shared<const detail::PreparedRing>(polygon)) {}

int PreparedPolygon::PtInPolygon(const CFPPoint& pt) const { return m_ring->Contains(pt.x, pt.y); }

double PreparedPolygon::DistanceFromPoint(const CFPPoint& pt) const {
  const detail::PreparedRing& ring = *m_ring;
  if (ring.count == 0) return std::numeric_limits<double>::infinity();
  if (ring.count == 1) return detail::DistanceBetween(ring.head, pt);
  if (ring.count == 2) {
    return detail::HasLength(ring.head, ring.second) ? CFPSegment(ring.head, ring.second).distance(pt)
                                                     : detail::DistanceBetween(ring.head, pt);
  }
  if (ring.edges->Empty()) return detail::DistanceBetween(ring.head, pt);
  const double least = ring.edges->Least(pt);
  return ring.Contains(pt.x, pt.y) == 1 ? -least : least;
}

void PreparedPolygon::PtInPolygon(const double* xy, std::size_t count, int* results) const {
  const detail::PreparedRing& ring = *m_ring;
  for (std::size_t k = 0; k < count; ++k) results[k] = ring.Contains(xy[2 * k], xy[2 * k + 1]);
}

void PreparedPolygon::DistanceFromPoint(const double* xy, std::size_t count, double* results) const {
  for (std::size_t k = 0; k < count; ++k) results[k] = DistanceFromPoint(CFPPoint(xy[2 * k], xy[2 * k + 1]));
}

std::size_t PreparedPolygon::MemoryBytes() const {
  const detail::PreparedRing& ring = *m_ring;
  std::size_t bytes = sizeof ring + ring.loops.capacity() * sizeof(detail::PreparedLoop);
  for (const detail::PreparedLoop& loop : ring.loops) bytes += loop.index.MemoryBytes() - sizeof loop.index;
  if (ring.whole) bytes += ring.whole->MemoryBytes() - sizeof *ring.whole;
  if (ring.edges) bytes += ring.edges->MemoryBytes() - sizeof *ring.edges;
  return bytes;
}

}  // namespace fpgeom
