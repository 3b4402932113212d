// CFPPolygon::IntersectRect: clips the ring against the rectangle's four
// border lines in turn. Where the ring runs outside, the result runs along the
// border, so separated pieces stay one ring joined by border edges.
//
// The work is done on a contiguous copy of the ring, and the polygon's nodes
// are overwritten once at the end; the passes over the polygon's own list
// (PlainIntersectRect) are kept as the reference.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "algorithms/RingClipping.h"
#include "fpgeom/polygon/FPPolygon.h"

namespace {

using fpgeom::detail::PointBuffer;
using fpgeom::detail::RingPoint;

enum class Side { kInside, kOnLine, kOutside };

// A horizontal line y = level or a vertical line x = level, with the inside
// on the greater or on the smaller side. Comparisons are exact.
struct BorderLine {
  bool horizontal;
  double level;
  bool insideIsGreater;

  // Whatever is neither inside nor on the line (NaN included) is outside.
  template <class Point>
  Side SideOf(const Point& point) const {
    const double coordinate = horizontal ? point.y : point.x;
    if (insideIsGreater ? coordinate > level : coordinate < level) return Side::kInside;
    if (coordinate == level) return Side::kOnLine;
    return Side::kOutside;
  }

  // Always from the previous point to the current one, whichever way the
  // ring crosses, and evaluated in exactly this order.
  template <class Point>
  Point Crossing(const Point& previous, const Point& current) const {
    const Point& p = previous;
    const Point& c = current;
    if (horizontal) return Point{(((c.x - p.x) * level - c.x * p.y) + c.y * p.x) / (c.y - p.y), level};
    return Point{level, (((c.y - p.y) * level + c.x * p.y) - c.y * p.x) / (c.x - p.x)};
  }
};

// The four lines in the order in which they are applied.
struct BorderLines {
  BorderLine line[4];

  explicit BorderLines(const CFPRect& rect)
      : line{{true, std::min(rect.bottom, rect.top), true},
             {true, std::max(rect.bottom, rect.top), false},
             {false, std::min(rect.left, rect.right), true},
             {false, std::max(rect.left, rect.right), false}} {}
};

void Append(CFPPolygon& ring, const CFPPoint& point) { ring.AddTailNode(point); }
void Append(PointBuffer& ring, const RingPoint& point) { ring.push_back(point); }

// Appends what the step from previous to current contributes to the part of
// the ring on the inside of line. A point on the line is kept as it is and
// never gets a crossing point next to it.
template <class Point, class Ring>
void ClipStep(const BorderLine& line, const Point& previous, const Point& current, Ring& clipped) {
  const Side currentSide = line.SideOf(current);
  if (currentSide == Side::kOnLine) {
    Append(clipped, current);
    return;
  }
  const Side previousSide = line.SideOf(previous);
  if (currentSide == Side::kInside) {
    if (previousSide == Side::kOutside) Append(clipped, line.Crossing(previous, current));  // entering
    Append(clipped, current);
    return;
  }
  if (previousSide == Side::kInside) Append(clipped, line.Crossing(previous, current));  // leaving
}

// One border line over a ring of at least one point. Up to the first point
// outside, every point is kept as it is (only the head can get a crossing
// point before it, from the tail), so that stretch is copied whole; when no
// point is outside the ring stays as it is.
void ClipPass(const BorderLine& line, PointBuffer& ring, PointBuffer& scratch) {
  const auto isOutside = [&line](const RingPoint& point) { return line.SideOf(point) == Side::kOutside; };
  const auto firstOutside = std::find_if(ring.begin(), ring.end(), isOutside);
  if (firstOutside == ring.end()) return;
  scratch.clear();
  // Each point gives at most two; the common case is about one.
  scratch.reserve(ring.size() + ring.size() / 8 + 8);
  auto current = ring.begin();
  if (current != firstOutside) {
    ClipStep(line, ring.back(), *current, scratch);
    scratch.insert(scratch.end(), current + 1, firstOutside);
    current = firstOutside;
  }
  for (; current != ring.end(); ++current) {
    ClipStep(line, current == ring.begin() ? ring.back() : current[-1], *current, scratch);
  }
  ring.swap(scratch);
}

}  // namespace

namespace fpgeom::detail {

int ClipRingToRect(PointBuffer& ring, PointBuffer& scratch, const CFPRect& rect) {
  if (ring.size() < 3) {
    ring.clear();
    return 0;
  }
  for (const BorderLine& line : BorderLines(rect).line) {
    ClipPass(line, ring, scratch);
    if (ring.size() < 3) {
      ring.clear();
      return 0;
    }
  }
  return CleanUpRing(ring);
}

int PlainIntersectRect(CFPPolygon& polygon, const CFPRect& rect) {
  if (polygon.getCount() < 3) {
    polygon.RemoveAll();
    return 0;
  }
  CFPPolygon clipped;
  for (const BorderLine& line : BorderLines(rect).line) {
    CFPPoint previous = polygon.getTailNode();
    polygon.BeginIteration(DIR_FORWARD);
    while (polygon.isIterationFinished() == 0) {
      const CFPPoint current = polygon.getNextNode();
      ClipStep(line, previous, current, clipped);
      previous = current;
    }
    polygon = clipped;
    if (polygon.getCount() < 3) {
      polygon.RemoveAll();
      return 0;
    }
    clipped.RemoveAll();
  }
  // Also removes the coincident and collinear points made along the border.
  return polygon.OptimizeAndCheck();
}

}  // namespace fpgeom::detail

int CFPPolygon::IntersectRect(const CFPRect& rect) {
  m_pos = nullptr;
  if (m_points.GetCount() < 3) {
    RemoveAll();
    return 0;
  }
  PointBuffer ring;
  ring.reserve(static_cast<std::size_t>(m_points.GetCount()));
  for (POSITION at = m_points.GetHeadPosition(); at != nullptr;) {
    const CFPPoint& point = m_points.GetNext(at);
    ring.push_back({point.x, point.y});
  }
  PointBuffer scratch;
  if (fpgeom::detail::ClipRingToRect(ring, scratch, rect) == 0) {
    RemoveAll();
    return 0;
  }

  // The ring is written into the nodes the polygon already has. Missing
  // nodes are added first, so that a failed allocation leaves the polygon as
  // it was.
  const auto wanted = static_cast<INT_PTR>(ring.size());
  const INT_PTR had = m_points.GetCount();
  try {
    while (m_points.GetCount() < wanted) m_points.AddTail(CFPPoint(0, 0));
  } catch (...) {
    while (m_points.GetCount() > had) m_points.RemoveTail();
    throw;
  }
  while (m_points.GetCount() > wanted) m_points.RemoveTail();
  POSITION at = m_points.GetHeadPosition();
  for (const RingPoint& point : ring) {
    CFPPoint& node = m_points.GetNext(at);
    node.x = point.x;
    node.y = point.y;
  }
  return 1;
}
