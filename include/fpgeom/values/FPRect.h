// CFPRect: an axis-aligned rectangle in double precision with y up; bottom is
// the smaller and top the larger y of a normalised rectangle. Operations keep
// whatever order the fields have unless they say they normalise. The fields
// are references into the two stored corners, so that LeftBottom() and
// RightTop() can hand out the corners themselves.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPSize.h"

class FPGEOM_API CFPRect : public CObject {
 public:
  // Construction; the default leaves the four fields unset.
  CFPRect();
  // Arguments in the order left, right, bottom, top; not normalised.
  CFPRect(double l, double r, double b, double t);
  CFPRect(const CFPRect& rect);
  // The integer rectangle's fields of the same names, then normalised.
  CFPRect(const tagRECT* lpRect);  // NOLINT: implicit, as hosts expect
  CFPRect& operator=(const CFPRect& rect);
  CFPRect& operator=(const CRect& rect);

  // Conversion: each field rounded half away from zero (INT32_MIN when out of
  // range or NaN). The pointer form points into this rectangle and stays
  // valid until the rectangle changes or dies.
  operator CRect() const;
  operator const tagRECT*() const;

  // Equal when each field differs by at most 2^-23.
  bool operator==(const CFPRect& rect) const;
  bool operator!=(const CFPRect& rect) const;

  // Moving and scaling about the origin.
  CFPRect operator+(const CFPSize& size) const;
  CFPRect operator-(const CFPSize& size) const;
  CFPRect& operator+=(const CFPSize& size);
  CFPRect& operator-=(const CFPSize& size);
  CFPRect operator*(double factor) const;
  CFPRect operator/(double factor) const;
  CFPRect& operator*=(double factor);
  CFPRect& operator/=(double factor);

  // Measures.
  double Width() const;
  double Height() const;
  CFPSize Size() const;
  CFPPoint GetCenterPoint() const;
  CFPPoint& LeftBottom();
  const CFPPoint& LeftBottom() const;
  CFPPoint& RightTop();
  const CFPPoint& RightTop() const;
  // 1 when the absolute width or height is at most 2^-52.
  int IsRectEmpty() const;
  void setRectEmpty();
  void Normalize();

  // Set operations on normalised copies; either argument may be this object.
  // IntersectRect: 1 when the intersection has area. UnionRect: 1 when the
  // result is empty (the opposite sense).
  int IntersectRect(const CFPRect& rect1, const CFPRect& rect2);
  int UnionRect(const CFPRect& rect1, const CFPRect& rect2);

  // Location: left and bottom edges belong to the rectangle, right and top do
  // not. The distance is negative strictly inside.
  int PtInRect(const CFPPoint& point) const;
  double DistanceFromPoint(const CFPPoint& point) const;

  // Transforms: axis 1 reflects x about cx, 0 reflects y about cy, -1 both.
  void mirror(int axis, double cx, double cy);
  // Keeps (left, bottom) and scales the extents.
  void resize(double fx, double fy);

  // Archive record: left, bottom, right, top as 8-byte little-endian doubles.
  void Serialize(CArchive& ar) override;

 private:
  CFPPoint m_leftBottom;
  CFPPoint m_rightTop;
  mutable tagRECT m_integerRect;

 public:
  double& left;
  double& bottom;
  double& right;
  double& top;

  DECLARE_SERIAL(CFPRect)
};
