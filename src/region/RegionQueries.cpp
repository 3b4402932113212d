#include <cmath>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/region/FPPolyRgn.h"

double CFPPolyRgn::Area() const {
  // Signed areas add in list order, so opposite orientations cancel.
  double area = 0.0;
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) area += m_polygons.GetNext(m_pos)->Area();
  return area;
}

int CFPPolyRgn::PtInRgn(const CFPPoint& pt) const {
  if (m_polygons.IsEmpty()) return 0;
  // The cursor steps past each polygon before it is asked, so a hit leaves
  // it on the polygon after the one that contains the point.
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    if (m_polygons.GetNext(m_pos)->PtInPolygon(pt) != 0) return 1;
  }
  return 0;
}

double CFPPolyRgn::DistanceFromPoint(const CFPPoint& pt) const {
  if (m_polygons.IsEmpty()) throw CInvalidArgException("the distance from an empty region is undefined");
  m_pos = m_polygons.GetHeadPosition();
  double nearest = m_polygons.GetNext(m_pos)->DistanceFromPoint(pt);
  while (m_pos != nullptr) {
    const double distance = m_polygons.GetNext(m_pos)->DistanceFromPoint(pt);
    // Strict, so that of two polygons at the same distance the earlier wins.
    if (std::fabs(nearest) > std::fabs(distance)) nearest = distance;
  }
  return nearest;
}

int CFPPolyRgn::GetNearestVertex(CFPPoint pt, double limit, CFPPoint& vertex) {
  // Each polygon is asked for a point strictly nearer than the best so far,
  // so only points nearer than the limit count and the first of equally
  // near points wins.
  double best = limit;
  int found = 0;
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    if (m_polygons.GetNext(m_pos)->GetNearestVertex(pt, best, vertex) != 0) {
      best = std::hypot(vertex.x - pt.x, vertex.y - pt.y);
      found = 1;
    }
  }
  return found;
}

CFPRect CFPPolyRgn::getBoundsRect() const {
  // UnionRect passes over bounds without width or height, so the all-zero
  // start is replaced by the first proper bounds, not joined with the origin.
  CFPRect bounds(0.0, 0.0, 0.0, 0.0);
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    bounds.UnionRect(bounds, m_polygons.GetNext(m_pos)->getBoundsRect());
  }
  return bounds;
}

int CFPPolyRgn::GetCenterPoint(CFPPoint& center) const {
  if (m_polygons.IsEmpty()) return 0;
  center = getBoundsRect().GetCenterPoint();
  return 1;
}

int CFPPolyRgn::getMassCenter(CFPPoint& center) const {
  if (m_polygons.IsEmpty()) return 0;
  // Each polygon of three or more points weighs the same, whatever its size;
  // the others have no vertex mean of their own and are passed over.
  double sumX = 0.0;
  double sumY = 0.0;
  int contributions = 0;
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    CFPPoint polygonCenter(0.0, 0.0);
    if (m_polygons.GetNext(m_pos)->getMassCenter(polygonCenter) == 0) continue;
    sumX += polygonCenter.x;
    sumY += polygonCenter.y;
    ++contributions;
  }
  if (contributions == 0) return 0;
  center.x = sumX / contributions;
  center.y = sumY / contributions;
  return 1;
}

int CFPPolyRgn::isIntersect(const CFPPolygon& polygon) const {
  // As in PtInRgn, a hit leaves the cursor on the polygon after it.
  for (m_pos = m_polygons.GetHeadPosition(); m_pos != nullptr;) {
    if (m_polygons.GetNext(m_pos)->isIntersect(polygon) != 0) return 1;
  }
  return 0;
}

int CFPPolyRgn::isIntersect(const CFPRect& rect) const {
  // Clipping edits the polygons, so the question is put to a copy.
  CFPPolyRgn trial(*this);
  return trial.IntersectRect(rect);
}
