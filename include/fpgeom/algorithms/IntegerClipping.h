// Clipping of integer polygons by an integer rectangle, for callers that work
// in the window system's integer geometry. The ring runs in the reverse order
// of the array (the polygon constructor puts each point in at the head).
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/WinTypes.h"

// The point count of the clipped and cleaned ring, or 0 when fewer than
// three points survive.
FPGEOM_API int GetPolySizeAfterIntersection(const tagPOINT* pts, int n, const tagRECT* rect);

// The same count; the points are written to out only when outSize holds them
// all.
FPGEOM_API int IntersectPolyWithRect(const tagPOINT* pts, int n, const tagRECT* rect, tagPOINT* out,
                                     int outSize);
