#include <cmath>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/RingWalk.h"

void CFPPolygon::mirror(int mode, double x0, double y0) {
  const bool reflectX = mode == 1 || mode == -1;
  const bool reflectY = mode == 0 || mode == -1;
  // Even a mode that changes nothing walks the ring, so the cursor always
  // ends at the end.
  fpgeom::detail::WalkForward(m_points, m_pos, [&](CFPPoint& point) {
    if (reflectX) point.x = (x0 - point.x) + x0;
    if (reflectY) point.y = (y0 - point.y) + y0;
  });
}

void CFPPolygon::resize(const CFPPoint& origin, double kx, double ky) {
  // origin may be one of this ring's own points, which the walk moves.
  const double originX = origin.x;
  const double originY = origin.y;
  fpgeom::detail::WalkForward(m_points, m_pos, [&](CFPPoint& point) {
    point.x = (point.x - originX) * kx + originX;
    point.y = (point.y - originY) * ky + originY;
  });
}

// Clockwise (y up) for a positive angle, the rule of CFPPoint::rotate, with
// the cosine and sine taken once for the whole ring.
void CFPPolygon::rotate(double angle, CFPPoint center) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  fpgeom::detail::WalkForward(m_points, m_pos, [&](CFPPoint& point) {
    const double dx = point.x - center.x;
    const double dy = point.y - center.y;
    point.x = (dx * c + dy * s) + center.x;
    point.y = (dy * c - dx * s) + center.y;
  });
}

void CFPPolygon::operator+=(CFPSize size) {
  fpgeom::detail::WalkForward(m_points, m_pos, [&](CFPPoint& point) {
    point.x = point.x + size.cx;
    point.y = point.y + size.cy;
  });
}

void CFPPolygon::operator-=(CFPSize size) {
  fpgeom::detail::WalkForward(m_points, m_pos, [&](CFPPoint& point) {
    point.x = point.x - size.cx;
    point.y = point.y - size.cy;
  });
}
