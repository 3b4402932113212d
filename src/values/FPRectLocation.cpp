#include <algorithm>
#include <cmath>

#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"
#include "values/NormalizedRect.h"

using fpgeom::kDoubleEpsilon;

// Half-open in both directions and without tolerance, so that rectangles
// tiling the plane never both claim a point; NaN fails every comparison.
int CFPRect::PtInRect(const CFPPoint& point) const {
  const CFPRect rect = fpgeom::detail::NormalizedCopy(*this);
  const bool insideX = rect.left <= point.x && point.x < rect.right;
  const bool insideY = rect.bottom <= point.y && point.y < rect.top;
  return insideX && insideY ? 1 : 0;
}

// The distance to the nearest edge, or to the nearest corner from outside
// both spans; negative only for points at least 2^-52 inside the border.
double CFPRect::DistanceFromPoint(const CFPPoint& point) const {
  const CFPRect rect = fpgeom::detail::NormalizedCopy(*this);
  const double fromLeft = point.x - rect.left;
  const double fromRight = point.x - rect.right;
  const double fromBottom = point.y - rect.bottom;
  const double fromTop = point.y - rect.top;
  const bool insideX = fromLeft >= kDoubleEpsilon && fromRight <= -kDoubleEpsilon;
  const bool insideY = fromBottom >= kDoubleEpsilon && fromTop <= -kDoubleEpsilon;

  double toTop = 0.0;
  double toBottom = 0.0;
  if (insideX) {
    toTop = std::fabs(fromTop);
    toBottom = std::fabs(fromBottom);
  } else {
    const double dx = fromLeft < kDoubleEpsilon ? fromLeft : fromRight;
    toTop = std::hypot(dx, fromTop);
    toBottom = std::hypot(dx, fromBottom);
  }

  double toLeft = 0.0;
  double toRight = 0.0;
  if (insideY) {
    toLeft = std::fabs(fromLeft);
    toRight = std::fabs(fromRight);
  } else {
    const double dy = fromBottom < kDoubleEpsilon ? fromBottom : fromTop;
    toLeft = std::hypot(fromLeft, dy);
    toRight = std::hypot(fromRight, dy);
  }

  const double nearest = std::min({toTop, toBottom, toLeft, toRight});
  return insideX && insideY ? -nearest : nearest;
}
