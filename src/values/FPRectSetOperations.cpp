#include <algorithm>

#include "fpgeom/values/FPRect.h"
#include "values/NormalizedRect.h"

// Both operands are copied before anything is written, so either may be
// this rectangle.
int CFPRect::IntersectRect(const CFPRect& rect1, const CFPRect& rect2) {
  const CFPRect first = fpgeom::detail::NormalizedCopy(rect1);
  const CFPRect second = fpgeom::detail::NormalizedCopy(rect2);
  const double commonLeft = std::max(first.left, second.left);
  const double commonBottom = std::max(first.bottom, second.bottom);
  const double commonRight = std::min(first.right, second.right);
  const double commonTop = std::min(first.top, second.top);
  // Exact comparisons with zero: rectangles that only touch have no
  // intersection, and a sliver of any positive width still counts.
  if (commonRight - commonLeft > 0.0 && commonTop - commonBottom > 0.0) {
    *this = CFPRect(commonLeft, commonRight, commonBottom, commonTop);
    return 1;
  }
  setRectEmpty();
  return 0;
}

// Returns 1 when the union is empty, the opposite sense of IntersectRect.
int CFPRect::UnionRect(const CFPRect& rect1, const CFPRect& rect2) {
  const CFPRect first = fpgeom::detail::NormalizedCopy(rect1);
  const CFPRect second = fpgeom::detail::NormalizedCopy(rect2);
  const bool firstEmpty = first.IsRectEmpty() != 0;
  const bool secondEmpty = second.IsRectEmpty() != 0;
  if (!firstEmpty && !secondEmpty) {
    *this = CFPRect(std::min(first.left, second.left), std::max(first.right, second.right),
                    std::min(first.bottom, second.bottom), std::max(first.top, second.top));
  } else if (!firstEmpty) {
    *this = first;
  } else if (!secondEmpty) {
    *this = second;
  } else {
    setRectEmpty();
  }
  return IsRectEmpty();
}
