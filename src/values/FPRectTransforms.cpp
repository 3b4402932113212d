#include "fpgeom/values/FPRect.h"

CFPRect CFPRect::operator+(const CFPSize& size) const {
  return CFPRect(left + size.cx, right + size.cx, bottom + size.cy, top + size.cy);
}

CFPRect CFPRect::operator-(const CFPSize& size) const {
  return CFPRect(left - size.cx, right - size.cx, bottom - size.cy, top - size.cy);
}

CFPRect& CFPRect::operator+=(const CFPSize& size) { return *this = *this + size; }

CFPRect& CFPRect::operator-=(const CFPSize& size) { return *this = *this - size; }

CFPRect CFPRect::operator*(double factor) const {
  return CFPRect(left * factor, right * factor, bottom * factor, top * factor);
}

CFPRect CFPRect::operator/(double factor) const {
  return CFPRect(left / factor, right / factor, bottom / factor, top / factor);
}

CFPRect& CFPRect::operator*=(double factor) { return *this = *this * factor; }

CFPRect& CFPRect::operator/=(double factor) { return *this = *this / factor; }

// Each new edge is the reflection of the opposite old edge, so a normalised
// rectangle stays normalised. The written order of the operations is kept.
void CFPRect::mirror(int axis, double cx, double cy) {
  const bool reflectsX = axis == 1 || axis == -1;
  const bool reflectsY = axis == 0 || axis == -1;
  if (reflectsX) {
    const double oldLeft = left;
    left = cx - (right - cx);
    right = (cx - oldLeft) + cx;
  }
  if (reflectsY) {
    const double oldBottom = bottom;
    bottom = cy - (top - cy);
    top = (cy - oldBottom) + cy;
  }
}

void CFPRect::resize(double fx, double fy) {
  right = left + (right - left) * fx;
  top = bottom + (top - bottom) * fy;
}
