#include "fpgeom/values/FPPoint.h"

CFPPoint CFPPoint::operator+(CFPPoint point) const { return CFPPoint(x + point.x, y + point.y); }

CFPPoint CFPPoint::operator+(CFPSize size) const { return CFPPoint(x + size.cx, y + size.cy); }

CFPPoint CFPPoint::operator+(double d) const { return CFPPoint(x + d, y + d); }

CFPPoint CFPPoint::operator-(CFPSize size) const { return CFPPoint(x - size.cx, y - size.cy); }

CFPSize CFPPoint::operator-(CFPPoint point) const { return CFPSize(x - point.x, y - point.y); }

CFPPoint CFPPoint::operator-(double d) const { return CFPPoint(x - d, y - d); }

CFPPoint CFPPoint::operator*(double factor) const { return CFPPoint(x * factor, y * factor); }

CFPPoint CFPPoint::operator/(double factor) const { return CFPPoint(x / factor, y / factor); }

CFPPoint& CFPPoint::operator+=(CFPPoint point) { return *this = *this + point; }

CFPPoint& CFPPoint::operator+=(CFPSize size) { return *this = *this + size; }

CFPPoint& CFPPoint::operator+=(double d) { return *this = *this + d; }

CFPPoint& CFPPoint::operator-=(CFPSize size) { return *this = *this - size; }

CFPPoint& CFPPoint::operator-=(double d) { return *this = *this - d; }

CFPPoint& CFPPoint::operator*=(double factor) { return *this = *this * factor; }

CFPPoint& CFPPoint::operator/=(double factor) { return *this = *this / factor; }
