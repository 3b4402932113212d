#include "fpgeom/values/FPSegment.h"

#include <cmath>

#include "fpgeom/values/Tolerance.h"

IMPLEMENT_SERIAL(CFPSegment, CObject, 1)

CFPSegment::CFPSegment(const CFPPoint& point1, const CFPPoint& point2) : pt1(point1), pt2(point2) {}

CFPSegment::CFPSegment(const CFPSegment& segment) : CObject(segment), pt1(segment.pt1), pt2(segment.pt2) {}

CFPSegment& CFPSegment::operator=(const CFPSegment& segment) {
  pt1 = segment.pt1;
  pt2 = segment.pt2;
  return *this;
}

bool CFPSegment::operator==(const CFPSegment& segment) const { return pt1 == segment.pt1 && pt2 == segment.pt2; }

bool CFPSegment::operator|=(const CFPSegment& segment) const {
  return *this == segment || (pt1 == segment.pt2 && pt2 == segment.pt1);
}

double CFPSegment::GetSize() const { return std::hypot(pt2.x - pt1.x, pt2.y - pt1.y); }

double CFPSegment::distance(const CFPPoint& point) const {
  CFPPoint nearest;
  return getNearestPt(point, nearest);
}

// A segment whose ends coincide has no direction: the parameter is NaN, both
// end tests fail and the result and the nearest point are NaN. Callers that
// must not see this skip such segments themselves.
double CFPSegment::getNearestPt(const CFPPoint& point, CFPPoint& nearest) const {
  const double length = std::hypot(pt2.x - pt1.x, pt2.y - pt1.y);
  const double unitX = (pt2.x - pt1.x) / length;
  const double unitY = (pt2.y - pt1.y) / length;
  const double fromStartX = point.x - pt1.x;
  const double fromStartY = point.y - pt1.y;
  const double along = (fromStartX * unitX + fromStartY * unitY) / length;
  if (along <= fpgeom::kDoubleEpsilon) {
    nearest.x = pt1.x;
    nearest.y = pt1.y;
    return std::hypot(fromStartX, fromStartY);
  }
  // Past the far end only beyond exactly 1: no tolerance on this side.
  if (along > 1.0) {
    nearest.x = pt2.x;
    nearest.y = pt2.y;
    return std::hypot(point.x - pt2.x, point.y - pt2.y);
  }
  nearest.x = pt1.x + (pt2.x - pt1.x) * along;
  nearest.y = pt1.y + (pt2.y - pt1.y) * along;
  return std::fabs(fromStartY * unitX - fromStartX * unitY);
}

void CFPSegment::Serialize(CArchive&) {}
