#include "fpgeom/values/FPRect.h"

#include <cmath>
#include <utility>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/values/Tolerance.h"
#include "values/IntegerRounding.h"
#include "values/PointTolerance.h"

IMPLEMENT_SERIAL(CFPRect, CObject, 1)

// Every constructor binds the four field references to this object's own
// corners; copies copy the corners' values, never the bindings.
CFPRect::CFPRect()
    : m_integerRect{}, left(m_leftBottom.x), bottom(m_leftBottom.y), right(m_rightTop.x), top(m_rightTop.y) {}

CFPRect::CFPRect(double l, double r, double b, double t)
    : m_leftBottom(l, b),
      m_rightTop(r, t),
      m_integerRect{},
      left(m_leftBottom.x),
      bottom(m_leftBottom.y),
      right(m_rightTop.x),
      top(m_rightTop.y) {}

CFPRect::CFPRect(const CFPRect& rect)
    : CObject(rect),
      m_leftBottom(rect.m_leftBottom),
      m_rightTop(rect.m_rightTop),
      m_integerRect{},
      left(m_leftBottom.x),
      bottom(m_leftBottom.y),
      right(m_rightTop.x),
      top(m_rightTop.y) {}

CFPRect::CFPRect(const tagRECT* lpRect) : CFPRect(lpRect->left, lpRect->right, lpRect->bottom, lpRect->top) {
  Normalize();
}

CFPRect& CFPRect::operator=(const CFPRect& rect) {
  m_leftBottom = rect.m_leftBottom;
  m_rightTop = rect.m_rightTop;
  return *this;
}

CFPRect& CFPRect::operator=(const CRect& rect) { return *this = CFPRect(&rect); }

CFPRect::operator CRect() const {
  using fpgeom::detail::RoundToInt32;
  return CRect(RoundToInt32(left), RoundToInt32(top), RoundToInt32(right), RoundToInt32(bottom));
}

CFPRect::operator const tagRECT*() const {
  m_integerRect = static_cast<CRect>(*this);
  return &m_integerRect;
}

bool CFPRect::operator==(const CFPRect& rect) const {
  using fpgeom::detail::WithinPointTolerance;
  return WithinPointTolerance(left, rect.left) && WithinPointTolerance(bottom, rect.bottom) &&
         WithinPointTolerance(right, rect.right) && WithinPointTolerance(top, rect.top);
}

bool CFPRect::operator!=(const CFPRect& rect) const { return !(*this == rect); }

double CFPRect::Width() const { return right - left; }

double CFPRect::Height() const { return top - bottom; }

CFPSize CFPRect::Size() const { return CFPSize(Width(), Height()); }

CFPPoint CFPRect::GetCenterPoint() const { return CFPPoint((left + right) * 0.5, (bottom + top) * 0.5); }

CFPPoint& CFPRect::LeftBottom() { return m_leftBottom; }

const CFPPoint& CFPRect::LeftBottom() const { return m_leftBottom; }

CFPPoint& CFPRect::RightTop() { return m_rightTop; }

const CFPPoint& CFPRect::RightTop() const { return m_rightTop; }

// "Not greater than" rather than "at most", as in the equality tolerance:
// a NaN extent counts as empty.
int CFPRect::IsRectEmpty() const {
  const bool hasArea = std::fabs(Width()) > fpgeom::kDoubleEpsilon && std::fabs(Height()) > fpgeom::kDoubleEpsilon;
  return hasArea ? 0 : 1;
}

void CFPRect::setRectEmpty() {
  left = 0.0;
  bottom = 0.0;
  right = 0.0;
  top = 0.0;
}

void CFPRect::Normalize() {
  if (left > right) std::swap(left, right);
  if (bottom > top) std::swap(bottom, top);
}

void CFPRect::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << left << bottom << right << top;
  } else {
    ar >> left >> bottom >> right >> top;
  }
}
