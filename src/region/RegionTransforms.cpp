#include <memory>

#include "fpgeom/region/FPPolyRgn.h"

int CFPPolyRgn::IntersectRect(const CFPRect& rect) {
  int result = 0;
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    result |= m_polygons.GetNext(m_pos)->IntersectRect(rect);
  }
  // Clipping empties a polygon that keeps fewer than three points; such a
  // polygon is no part of the region any more.
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    const POSITION here = m_pos;
    if (m_polygons.GetNext(m_pos)->isEmpty() == 0) continue;
    std::unique_ptr<CFPPolygon> clippedAway(m_polygons.GetAt(here));
    m_polygons.RemoveAt(here);
  }
  return result;
}

void CFPPolyRgn::mirror(int axis, double cx, double cy) {
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) m_polygons.GetNext(m_pos)->mirror(axis, cx, cy);
}

void CFPPolyRgn::resize(const CFPPoint& origin, double kx, double ky) {
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) m_polygons.GetNext(m_pos)->resize(origin, kx, ky);
}

void CFPPolyRgn::rotate(double angle, CFPPoint center) {
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) m_polygons.GetNext(m_pos)->rotate(angle, center);
}

void CFPPolyRgn::operator+=(CFPSize size) {
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) *m_polygons.GetNext(m_pos) += size;
}

void CFPPolyRgn::operator-=(CFPSize size) {
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) *m_polygons.GetNext(m_pos) -= size;
}
