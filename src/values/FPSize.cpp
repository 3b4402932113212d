#include "fpgeom/values/FPSize.h"

#include "values/IntegerRounding.h"
#include "values/PointTolerance.h"

CFPSize::CFPSize(double initCX, double initCY) : cx(initCX), cy(initCY) {}

CFPSize::CFPSize(const CFPSize& size) : CObject(size), cx(size.cx), cy(size.cy) {}

CFPSize::CFPSize(const CSize& size) : cx(size.cx), cy(size.cy) {}

CFPSize& CFPSize::operator=(const CFPSize& size) {
  cx = size.cx;
  cy = size.cy;
  return *this;
}

CFPSize& CFPSize::operator=(const CSize& size) { return *this = CFPSize(size); }

bool CFPSize::operator==(const CFPSize& size) const {
  return fpgeom::detail::WithinPointTolerance(cx, size.cx) && fpgeom::detail::WithinPointTolerance(cy, size.cy);
}

bool CFPSize::operator!=(const CFPSize& size) const { return !(*this == size); }

CFPSize::operator CSize() const { return CSize(fpgeom::detail::RoundToInt32(cx), fpgeom::detail::RoundToInt32(cy)); }

CFPSize CFPSize::operator*(double factor) const { return CFPSize(cx * factor, cy * factor); }

CFPSize CFPSize::operator/(double factor) const { return CFPSize(cx / factor, cy / factor); }

CFPSize& CFPSize::operator*=(double factor) { return *this = *this * factor; }

CFPSize& CFPSize::operator/=(double factor) { return *this = *this / factor; }
