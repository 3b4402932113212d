// CFPSize: an extent or offset in the plane, in double precision. The default
// constructor leaves cx and cy unset.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/WinTypes.h"

class FPGEOM_API CFPSize : public CObject {
 public:
  CFPSize() {}  // extents unset, as callers expect of a value type
  CFPSize(double initCX, double initCY);
  CFPSize(const CFPSize& size);
  CFPSize(const CSize& size);  // NOLINT: implicit, as hosts expect
  CFPSize& operator=(const CFPSize& size);
  CFPSize& operator=(const CSize& size);

  // Equal when each extent differs by at most 2^-23.
  bool operator==(const CFPSize& size) const;
  bool operator!=(const CFPSize& size) const;
  // Each extent rounded half away from zero; out of range or NaN gives INT32_MIN.
  operator CSize() const;

  CFPSize operator*(double factor) const;
  CFPSize operator/(double factor) const;
  CFPSize& operator*=(double factor);
  CFPSize& operator/=(double factor);

  double cx;
  double cy;
};
