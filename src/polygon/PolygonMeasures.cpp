#include <algorithm>

#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/RingWalk.h"

namespace {

// Only a value below the least can lower it; every other value may raise
// the greatest.
void Widen(double value, double& least, double& greatest) {
  if (value < least) {
    least = value;
  } else {
    greatest = std::max(greatest, value);
  }
}

}  // namespace

// Each point's y times the x difference of its ring neighbours, summed from
// the head and then the tail's term added last. Results are fixed to the bit,
// so keep this order of additions.
double CFPPolygon::Area() const {
  if (m_points.GetCount() < 3) return 0.0;
  const double tailX = m_points.GetTail().x;
  m_pos = m_points.GetHeadPosition();
  const CFPPoint& head = m_points.GetNext(m_pos);
  const CFPPoint* current = &head;
  double previousX = tailX;
  double sum = 0.0;
  while (m_pos != nullptr) {
    const CFPPoint& next = m_points.GetNext(m_pos);
    sum = sum + (next.x - previousX) * current->y;
    previousX = current->x;
    current = &next;
  }
  return ((head.x - previousX) * current->y + sum) * 0.5;
}

int CFPPolygon::isFilled() const { return Area() >= 0.0 ? 1 : 0; }

CFPRect CFPPolygon::getBoundsRect() const {
  if (m_points.IsEmpty()) return CFPRect(0.0, 0.0, 0.0, 0.0);
  m_pos = m_points.GetHeadPosition();
  const CFPPoint& head = m_points.GetNext(m_pos);
  double left = head.x;
  double right = head.x;
  double bottom = head.y;
  double top = head.y;
  while (m_pos != nullptr) {
    const CFPPoint& point = m_points.GetNext(m_pos);
    Widen(point.x, left, right);
    Widen(point.y, bottom, top);
  }
  return CFPRect(left, right, bottom, top);
}

// The mean of the vertices, not the centroid of the area: a repeated point
// weighs as often as it occurs.
int CFPPolygon::getMassCenter(CFPPoint& center) const {
  const INT_PTR count = m_points.GetCount();
  if (count < 3) return 0;
  double sumX = 0.0;
  double sumY = 0.0;
  fpgeom::detail::WalkForward(m_points, m_pos, [&](const CFPPoint& point) {
    sumX = sumX + point.x;
    sumY = sumY + point.y;
  });
  center.x = sumX / static_cast<double>(count);
  center.y = sumY / static_cast<double>(count);
  return 1;
}

int CFPPolygon::GetCenterPoint(CFPPoint& center) const {
  if (m_points.GetCount() < 2) return 0;
  center = getBoundsRect().GetCenterPoint();
  return 1;
}
