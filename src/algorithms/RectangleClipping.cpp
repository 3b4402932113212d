// CFPPolygon::IntersectRect: clips the ring against the rectangle's four
// border lines in turn. Where the ring runs outside, the result runs along the
// border, so separated pieces stay one ring joined by border edges.
#include <algorithm>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/RingWalk.h"

namespace {

enum class Side { kInside, kOnLine, kOutside };

// A horizontal line y = level or a vertical line x = level, with the inside
// on the greater or on the smaller side. Comparisons are exact.
struct BorderLine {
  bool horizontal;
  double level;
  bool insideIsGreater;

  // Whatever is neither inside nor on the line (NaN included) is outside.
  Side SideOf(const CFPPoint& point) const {
    const double coordinate = horizontal ? point.y : point.x;
    if (insideIsGreater ? coordinate > level : coordinate < level) return Side::kInside;
    if (coordinate == level) return Side::kOnLine;
    return Side::kOutside;
  }

  // Always from the previous point to the current one, whichever way the
  // ring crosses, and evaluated in exactly this order.
  CFPPoint Crossing(const CFPPoint& previous, const CFPPoint& current) const {
    const CFPPoint& p = previous;
    const CFPPoint& c = current;
    if (horizontal) return CFPPoint((((c.x - p.x) * level - c.x * p.y) + c.y * p.x) / (c.y - p.y), level);
    return CFPPoint(level, (((c.y - p.y) * level + c.x * p.y) - c.y * p.x) / (c.x - p.x));
  }
};

// Appends what the step from previous to current contributes to the part of
// the ring on the inside of line. A point on the line is kept as it is and
// never gets a crossing point next to it.
void ClipStep(const BorderLine& line, const CFPPoint& previous, const CFPPoint& current, CFPPolygon& clipped) {
  const Side currentSide = line.SideOf(current);
  if (currentSide == Side::kOnLine) {
    clipped.AddTailNode(current);
    return;
  }
  const Side previousSide = line.SideOf(previous);
  if (currentSide == Side::kInside) {
    if (previousSide == Side::kOutside) clipped.AddTailNode(line.Crossing(previous, current));  // entering
    clipped.AddTailNode(current);
    return;
  }
  if (previousSide == Side::kInside) clipped.AddTailNode(line.Crossing(previous, current));  // leaving
}

}  // namespace

int CFPPolygon::IntersectRect(const CFPRect& rect) {
  if (m_points.GetCount() < 3) {
    RemoveAll();
    return 0;
  }
  const double xmin = std::min(rect.left, rect.right);
  const double xmax = std::max(rect.left, rect.right);
  const double ymin = std::min(rect.bottom, rect.top);
  const double ymax = std::max(rect.bottom, rect.top);
  const BorderLine lines[] = {
      {true, ymin, true},
      {true, ymax, false},
      {false, xmin, true},
      {false, xmax, false},
  };

  CFPPolygon clipped;
  for (const BorderLine& line : lines) {
    CFPPoint previous = m_points.GetTail();
    fpgeom::detail::WalkForward(m_points, m_pos, [&](const CFPPoint& current) {
      ClipStep(line, previous, current, clipped);
      previous = current;
    });
    *this = clipped;
    if (m_points.GetCount() < 3) {
      RemoveAll();
      return 0;
    }
    clipped.RemoveAll();
  }
  // Also removes the coincident and collinear points made along the border.
  return OptimizeAndCheck();
}
