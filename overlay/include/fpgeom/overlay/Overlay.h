// Areas and boolean operations on regions. A region is read here as the area
// its rings enclose under a fill rule, not by the first-polygon containment of
// CFPPolyRgn::PtInRgn. Every region these functions return is in normal form:
// each outer ring has non-negative Area() (clockwise with y up) and is
// followed directly by its holes, which have negative Area(); no ring meets
// itself, rings meet each other at most in isolated points, and no ring has
// fewer than three points or repeated consecutive points. So Area() of a
// result is the area of its point set, and AreaContains answers the same on
// it under either rule.
//
// Non-finite coordinates raise CInvalidArgException. The functions keep no
// state between calls and may run on several threads at once, each on its own
// regions; reading a region moves none of its cursors.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom {

// kEvenOdd: a point is inside when an odd number of the region's rings contain
// it. kNonZero: when the winding numbers of the rings around it, each taken
// by its own direction, add up to a value other than zero.
enum class FillRule { kEvenOdd, kNonZero };

// The area of the region under the rule, in normal form.
FPGEOM_API CFPPolyRgn Normalize(const CFPPolyRgn& region, FillRule rule = FillRule::kEvenOdd);

// The area of a and the area of b, each read under the rule, combined.
FPGEOM_API CFPPolyRgn Union(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule = FillRule::kEvenOdd);
FPGEOM_API CFPPolyRgn Intersection(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule = FillRule::kEvenOdd);
FPGEOM_API CFPPolyRgn Difference(const CFPPolyRgn& a, const CFPPolyRgn& b, FillRule rule = FillRule::kEvenOdd);
FPGEOM_API CFPPolyRgn SymmetricDifference(const CFPPolyRgn& a, const CFPPolyRgn& b,
                                          FillRule rule = FillRule::kEvenOdd);

// 1 when the point lies in the region's area under the rule or on its
// boundary, else 0.
FPGEOM_API int AreaContains(const CFPPolyRgn& region, const CFPPoint& pt, FillRule rule = FillRule::kEvenOdd);

}  // namespace fpgeom
