// CFPPoint: a position in the plane (y up), in double precision. The default
// constructor leaves x and y unset; equality allows 2^-23 in each coordinate.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPSize.h"

namespace fpgeom {
// Tells whether the platform clamps graphics coordinates to 16 bits.
using PlatformQuery = bool (*)();
// Linux is never such a platform.
FPGEOM_API bool IsSixteenBitGraphicsPlatform();
}  // namespace fpgeom

class FPGEOM_API CFPPoint : public CObject {
 public:
  // Construction.
  CFPPoint() {}  // coordinates unset, as callers expect of a value type
  CFPPoint(double initX, double initY);
  CFPPoint(const CFPPoint& point);
  CFPPoint(const CPoint& point);  // NOLINT: implicit, as hosts expect
  CFPPoint& operator=(const CFPPoint& point);

  // Comparison and conversion.
  bool operator==(CFPPoint point) const;
  bool operator!=(CFPPoint point) const;
  // Each coordinate rounded half away from zero; out of range or NaN gives INT32_MIN.
  operator CPoint() const;

  // Arithmetic; the right operand is taken by value.
  CFPPoint operator+(CFPPoint point) const;
  CFPPoint operator+(CFPSize size) const;
  CFPPoint operator+(double d) const;
  CFPPoint operator-(CFPSize size) const;
  CFPSize operator-(CFPPoint point) const;
  CFPPoint operator-(double d) const;
  CFPPoint operator*(double factor) const;
  CFPPoint operator/(double factor) const;
  CFPPoint& operator+=(CFPPoint point);
  CFPPoint& operator+=(CFPSize size);
  CFPPoint& operator+=(double d);
  CFPPoint& operator-=(CFPSize size);
  CFPPoint& operator-=(double d);
  CFPPoint& operator*=(double factor);
  CFPPoint& operator/=(double factor);

  // Measures and transforms.
  double distance(const CFPPoint& point) const;
  // Turns clockwise (y up) by a positive angle in radians about center.
  void rotate(double angle, CFPPoint center);
  // On a platform with 16-bit graphics coordinates, clamps x then y into
  // [-32768, 32767]; elsewhere leaves the point as it is.
  void truncate(fpgeom::PlatformQuery isSixteenBitPlatform = &fpgeom::IsSixteenBitGraphicsPlatform);

  // Archive record: x then y, 8-byte little-endian doubles.
  void Serialize(CArchive& ar) override;

  double x;
  double y;

  DECLARE_SERIAL(CFPPoint)
};
