// Clipping of integer polygons by an integer rectangle through the
// floating-point rectangle clipping. The working ring is a contiguous buffer
// in the order the working polygon would hold it: the array reversed.
#include "fpgeom/algorithms/IntegerClipping.h"

#include <cstddef>

#include "algorithms/RingClipping.h"
#include "fpgeom/values/FPRect.h"
#include "values/IntegerRounding.h"

namespace {

using fpgeom::detail::PointBuffer;

// The point count of the clipped and cleaned ring, left in ring, or 0.
int ClipToRect(const tagPOINT* pts, int n, const tagRECT* rect, PointBuffer& ring) {
  const CFPRect border(rect);
  if (n < 3) return 0;
  ring.reserve(static_cast<std::size_t>(n));
  for (int i = n - 1; i >= 0; --i) ring.push_back({static_cast<double>(pts[i].x), static_cast<double>(pts[i].y)});
  PointBuffer scratch;
  return fpgeom::detail::ClipRingToRect(ring, scratch, border) == 1 ? static_cast<int>(ring.size()) : 0;
}

}  // namespace

int GetPolySizeAfterIntersection(const tagPOINT* pts, int n, const tagRECT* rect) {
  PointBuffer ring;
  return ClipToRect(pts, n, rect, ring);
}

int IntersectPolyWithRect(const tagPOINT* pts, int n, const tagRECT* rect, tagPOINT* out, int outSize) {
  PointBuffer ring;
  const int count = ClipToRect(pts, n, rect, ring);
  // Nothing is written when out is too small; the count tells the caller so.
  if (count != 0 && outSize >= count) {
    for (const fpgeom::detail::RingPoint& point : ring) {
      *out++ = tagPOINT{fpgeom::detail::RoundToInt32(point.x), fpgeom::detail::RoundToInt32(point.y)};
    }
  }
  return count;
}
