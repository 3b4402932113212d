// CFPPolygon point location and proximity: containment (self-intersecting
// rings decided on the loops of their breakdown), signed distance, nearest
// vertex and edge, and whether two polygons meet.
#include <algorithm>
#include <cmath>
#include <limits>

#include "polygon/PointLocation.h"

#include "algorithms/LoopListOwner.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/Tolerance.h"
#include "polygon/RingEdges.h"
#include "polygon/RingWalk.h"
#include "values/PointTolerance.h"

namespace {

using fpgeom::kDoubleEpsilon;
using fpgeom::kPointEpsilon;
using Ring = CList<CFPPoint, const CFPPoint&>;

enum class EdgeFinding { kMisses, kCrosses, kOnBoundary };

// The height step from b to the first point after it (after the tail comes
// the head) whose y differs from b's by 2^-52 or more. The walk ends at the
// latest at b's predecessor, whose y differs from b's by 2^-23 or more (or is
// not a number) whenever this is asked.
double NextHeightChange(const Ring& ring, POSITION afterB, const CFPPoint& b) {
  POSITION position = afterB;
  for (;;) {
    if (position == nullptr) position = ring.GetHeadPosition();
    const double change = ring.GetNext(position).y - b.y;
    if (!(std::fabs(change) < kDoubleEpsilon)) return change;
  }
}

// The edge a->b against the horizontal ray from pt towards growing x.
EdgeFinding ExamineEdge(const CFPPoint& a, const CFPPoint& b, const CFPPoint& pt, const Ring& ring, POSITION afterB) {
  if (std::fabs(a.y - b.y) < kPointEpsilon) {
    const bool onEdge =
        std::fabs(pt.y - a.y) < kPointEpsilon && ((a.x < pt.x && pt.x <= b.x) || (b.x <= pt.x && pt.x < a.x));
    return onEdge ? EdgeFinding::kOnBoundary : EdgeFinding::kMisses;
  }
  if (fpgeom::detail::IsSamePosition(pt, b)) return EdgeFinding::kOnBoundary;

  // The edge line's x at height pt.y, evaluated in exactly this order.
  const double lineX = ((b.x - a.x) * pt.y - b.x * a.y + b.y * a.x) / (b.y - a.y);
  const bool withinHeights = (a.y < pt.y && pt.y <= b.y) || (b.y <= pt.y && pt.y < a.y);
  if (std::fabs(pt.x - lineX) < kPointEpsilon && withinHeights) return EdgeFinding::kOnBoundary;

  const double nextChange = NextHeightChange(ring, afterB, b);
  if (!(pt.x - lineX < kPointEpsilon)) return EdgeFinding::kMisses;
  if ((a.y < pt.y && pt.y < b.y) || (b.y < pt.y && pt.y < a.y)) return EdgeFinding::kCrosses;
  // Through the end vertex: counted once where the ring goes on in the same
  // vertical direction, not at all where it turns back (also across a run of
  // horizontal edges).
  if (std::fabs(pt.y - b.y) < kPointEpsilon && (b.y - a.y >= 0.0) == (nextChange >= 0.0)) {
    return EdgeFinding::kCrosses;
  }
  return EdgeFinding::kMisses;
}

// Whether a->b lies wholly above or wholly below pt by more than 2^-23.
// ExamineEdge then finds that it misses in every branch: each of its
// boundary and crossing tests needs pt.y between the ends' heights or within
// 2^-23 of one of them. A NaN never passes.
bool MissesByHeight(const CFPPoint& a, const CFPPoint& b, const CFPPoint& pt) {
  return (pt.y - a.y > kPointEpsilon && pt.y - b.y > kPointEpsilon) ||
         (a.y - pt.y > kPointEpsilon && b.y - pt.y > kPointEpsilon);
}

// How far the box around start->end is from pt along x or y, whichever is
// more: the segment is at least that far away. NaN when a coordinate is.
double BoxGap(const CFPPoint& start, const CFPPoint& end, const CFPPoint& pt) {
  const double gapX = std::max(std::min(start.x, end.x) - pt.x, pt.x - std::max(start.x, end.x));
  const double gapY = std::max(std::min(start.y, end.y) - pt.y, pt.y - std::max(start.y, end.y));
  return std::max(gapX, gapY);
}

// What a box gap may exceed CFPSegment::distance by, for a ring whose points
// have |x| + |y| at most `magnitude`. The computed distance can fall short of
// the true one by rounding: in the hypot of a vector to an end by a few units
// of 2^-53 of its length; in the cross product with the unit direction by
// about 7 units of |pt - start|, and as much again when rounding takes the
// projection just past an end, where the distance to the line stands in for
// the distance to that end; the gap itself by half a unit. Every such length
// is at most 2 magnitude + |pt.x| + |pt.y|, so 64 units of 2^-52 of that
// (with an absolute floor for results in the subnormal range) leave a wide
// margin. An infinite or NaN magnitude gives a margin that passes over
// nothing.
double GapMargin(double magnitude, const CFPPoint& pt) {
  return 64 * kDoubleEpsilon * (2 * magnitude + std::fabs(pt.x) + std::fabs(pt.y)) +
         64 * std::numeric_limits<double>::min();
}

// Only an edge whose ends are exactly equal is passed over: its distance
// would be NaN.
bool HasLength(const CFPPoint& start, const CFPPoint& end) { return start.x != end.x || start.y != end.y; }

double DistanceBetween(const CFPPoint& point, const CFPPoint& pt) { return std::hypot(point.x - pt.x, point.y - pt.y); }

}  // namespace

namespace fpgeom::detail {

int PointLocation::PtInPolygon(const CFPPolygon& polygon, const CFPPoint& pt, bool screened) {
  const OwnedLoopList loops(polygon.Breakdown());
  if (!loops) return PtInSimplePolygon(polygon, pt, screened);
  // A hole is a loop of negative area; a point in a filled loop and in a
  // hole is outside.
  int inFilled = 0;
  int inHole = 0;
  for (POSITION position = loops->GetHeadPosition(); position != nullptr && !(inFilled && inHole);) {
    const CFPPolygon* loop = loops->GetNext(position);
    if (PtInSimplePolygon(*loop, pt, screened) != 1) continue;
    if (loop->Area() >= 0.0) {
      inFilled = 1;
    } else {
      inHole = 1;
    }
  }
  return inFilled ^ inHole;
}

// Even-odd crossing count with the boundary counted as inside. Screened,
// edges wholly above or below pt are passed over without the arithmetic.
int PointLocation::PtInSimplePolygon(const CFPPolygon& polygon, const CFPPoint& pt, bool screened) {
  const Ring& ring = polygon.m_points;
  if (ring.GetCount() < 2) return 0;
  // Strict, so that points up to 2^-23 outside the box go on to the edges.
  const CFPRect bounds = polygon.getBoundsRect();
  if (pt.x - bounds.left < -kPointEpsilon || pt.x - bounds.right > kPointEpsilon ||
      pt.y - bounds.bottom < -kPointEpsilon || pt.y - bounds.top > kPointEpsilon) {
    return 0;
  }

  int crossings = 0;
  POSITION& cursor = polygon.m_pos;
  const bool onBoundary = WalkEdges(ring, cursor, true, [&](const CFPPoint& a, const CFPPoint& b) {
    if (screened && MissesByHeight(a, b, pt)) return false;
    const EdgeFinding finding = ExamineEdge(a, b, pt, ring, cursor);
    if (finding == EdgeFinding::kCrosses) ++crossings;
    return finding == EdgeFinding::kOnBoundary;
  });
  if (onBoundary) return 1;
  return crossings % 2 == 1 ? 1 : 0;
}

// Empty: +infinity. A polygon whose edges all have zero length is measured
// from its first point and is never negative. Screened, an edge is measured
// only when its lower bound does not already exceed the least distance so
// far (less a margin for rounding), which then is the least anyway.
double PointLocation::DistanceFromPoint(const CFPPolygon& polygon, const CFPPoint& pt, bool screened) {
  const Ring& ring = polygon.m_points;
  const INT_PTR count = ring.GetCount();
  if (count == 0) return std::numeric_limits<double>::infinity();
  const CFPPoint& first = ring.GetHead();
  if (count == 1) return DistanceBetween(first, pt);
  if (count == 2) {
    const CFPPoint& second = ring.GetTail();
    return HasLength(first, second) ? CFPSegment(first, second).distance(pt) : DistanceBetween(first, pt);
  }

  double least = std::numeric_limits<double>::infinity();
  double margin = 0;
  if (screened) {
    // The least is the same whatever order the edges are measured in, so the
    // edge with the nearest box is measured first; a first walk finds it and
    // the largest magnitude, which a NaN keeps.
    const CFPPoint* nearestStart = nullptr;
    const CFPPoint* nearestEnd = nullptr;
    double nearestGap = std::numeric_limits<double>::infinity();
    double magnitude = 0;
    const CFPPoint* start = &ring.GetTail();
    for (POSITION at = ring.GetHeadPosition(); at != nullptr;) {
      const CFPPoint& end = ring.GetNext(at);
      const double endMagnitude = std::fabs(end.x) + std::fabs(end.y);
      if (!(endMagnitude <= magnitude) && magnitude == magnitude) magnitude = endMagnitude;
      const double gap = BoxGap(*start, end, pt);
      if (HasLength(*start, end) && gap < nearestGap) {
        nearestGap = gap;
        nearestStart = start;
        nearestEnd = &end;
      }
      start = &end;
    }
    if (nearestStart != nullptr) least = std::min(least, CFPSegment(*nearestStart, *nearestEnd).distance(pt));
    margin = GapMargin(magnitude, pt);
  }
  bool anyEdgeHasLength = false;
  WalkEdges(ring, polygon.m_pos, true, [&](const CFPPoint& start, const CFPPoint& end) {
    if (HasLength(start, end)) {
      anyEdgeHasLength = true;
      if (!(screened && BoxGap(start, end, pt) - margin > least)) {
        least = std::min(least, CFPSegment(start, end).distance(pt));
      }
    }
    return false;
  });
  if (!anyEdgeHasLength) return DistanceBetween(ring.GetHead(), pt);
  return PtInPolygon(polygon, pt, screened) == 1 ? -least : least;
}

}  // namespace fpgeom::detail

int CFPPolygon::PtInPolygon(const CFPPoint& pt) const { return fpgeom::detail::PointLocation::PtInPolygon(*this, pt, true); }

int CFPPolygon::PtInPolygon(double x, double y) const { return PtInPolygon(CFPPoint(x, y)); }

int CFPPolygon::PtInSimplePolygon(const CFPPoint& pt) const {
  return fpgeom::detail::PointLocation::PtInSimplePolygon(*this, pt, true);
}

double CFPPolygon::DistanceFromPoint(const CFPPoint& pt) const {
  return fpgeom::detail::PointLocation::DistanceFromPoint(*this, pt, true);
}

int CFPPolygon::GetNearestVertex(const CFPPoint& pt, double tolerance, CFPPoint& vertex) const {
  double best = tolerance;
  int found = 0;
  fpgeom::detail::WalkForward(m_points, m_pos, [&](const CFPPoint& point) {
    const double distance = DistanceBetween(point, pt);
    if (distance < best) {
      vertex.x = point.x;
      vertex.y = point.y;
      best = distance;
      found = 1;
    }
  });
  return found;
}

int CFPPolygon::GetNearestEdge(const CFPPoint& pt, double tolerance, CFPSegment& edge, int closed) const {
  const INT_PTR count = m_points.GetCount();
  if (count < 2) return 0;
  double best = tolerance;
  int found = 0;
  const auto consider = [&](const CFPPoint& start, const CFPPoint& end) {
    if (!HasLength(start, end)) return false;
    const double distance = CFPSegment(start, end).distance(pt);
    if (distance < best) {
      edge.pt1.x = start.x;
      edge.pt1.y = start.y;
      edge.pt2.x = end.x;
      edge.pt2.y = end.y;
      best = distance;
      found = 1;
    }
    return false;
  };
  // Two points have one edge, whatever closed says, and the cursor stays.
  if (count == 2) {
    consider(m_points.GetHead(), m_points.GetTail());
  } else {
    fpgeom::detail::WalkEdges(m_points, m_pos, closed != 0, consider);
  }
  return found;
}

int CFPPolygon::isIntersect(const CFPPolygon& other) const {
  for (m_pos = m_points.GetHeadPosition(); m_pos != nullptr;) {
    if (other.PtInPolygon(m_points.GetNext(m_pos)) == 1) return 1;
  }
  for (other.m_pos = other.m_points.GetHeadPosition(); other.m_pos != nullptr;) {
    if (PtInPolygon(other.m_points.GetNext(other.m_pos)) == 1) return 1;
  }
  // An empty polygon throws here, at its closing edge.
  const bool edgesMeet = fpgeom::detail::WalkEdges(m_points, m_pos, true, [&](const CFPPoint& a1, const CFPPoint& a2) {
    return fpgeom::detail::WalkEdges(other.m_points, other.m_pos, true, [&](const CFPPoint& b1, const CFPPoint& b2) {
      CFPPoint common;
      const INTERSECT_TYPE type = IntersectSegments(a1, a2, b1, b2, common);
      return type == INTERSECT_POINT || type == INTERSECT_OVERLAP;
    });
  });
  return edgesMeet ? 1 : 0;
}
