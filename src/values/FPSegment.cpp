#include "fpgeom/values/FPSegment.h"

#include <cmath>

#include "values/SegmentNearest.h"

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

double CFPSegment::getNearestPt(const CFPPoint& point, CFPPoint& nearest) const {
  return fpgeom::detail::NearestOnSegment(pt1, pt2, point, nearest);
}

void CFPSegment::Serialize(CArchive&) {}
