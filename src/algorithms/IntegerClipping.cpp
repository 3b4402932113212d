// Clipping of integer polygons by an integer rectangle through the
// floating-point rectangle clipping.
#include "fpgeom/algorithms/IntegerClipping.h"

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPRect.h"

namespace {

// The point count of the clipped and cleaned ring, or 0.
int ClipToRect(CFPPolygon& polygon, const CFPRect& border) {
  return polygon.IntersectRect(border) == 1 ? polygon.getCount() : 0;
}

}  // namespace

int GetPolySizeAfterIntersection(const tagPOINT* pts, int n, const tagRECT* rect) {
  const CFPRect border(rect);
  CFPPolygon working(pts, n);
  return ClipToRect(working, border);
}

int IntersectPolyWithRect(const tagPOINT* pts, int n, const tagRECT* rect, tagPOINT* out, int outSize) {
  const CFPRect border(rect);
  CFPPolygon working(pts, n);
  const int count = ClipToRect(working, border);
  // FillArray writes nothing when out is too small; the count tells the
  // caller so.
  if (count != 0) working.FillArray(out, outSize);
  return count;
}
