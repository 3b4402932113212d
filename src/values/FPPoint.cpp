#include "fpgeom/values/FPPoint.h"

#include "fpgeom/frame/Archive.h"
#include "values/IntegerRounding.h"
#include "values/PointTolerance.h"

IMPLEMENT_SERIAL(CFPPoint, CObject, 1)

CFPPoint::CFPPoint(double initX, double initY) : x(initX), y(initY) {}

CFPPoint::CFPPoint(const CFPPoint& point) : CObject(point), x(point.x), y(point.y) {}

CFPPoint::CFPPoint(const CPoint& point) : x(point.x), y(point.y) {}

CFPPoint& CFPPoint::operator=(const CFPPoint& point) {
  x = point.x;
  y = point.y;
  return *this;
}

bool CFPPoint::operator==(CFPPoint point) const {
  return fpgeom::detail::WithinPointTolerance(x, point.x) && fpgeom::detail::WithinPointTolerance(y, point.y);
}

bool CFPPoint::operator!=(CFPPoint point) const { return !(*this == point); }

CFPPoint::operator CPoint() const { return CPoint(fpgeom::detail::RoundToInt32(x), fpgeom::detail::RoundToInt32(y)); }

void CFPPoint::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << x << y;
  } else {
    ar >> x >> y;
  }
}
