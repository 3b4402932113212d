// A fast, exact answer to the breakdown's first question: does any pair of
// non-adjacent edges of the ring meet by IntersectSegments? The screen finds
// the few pairs that could meet, tests each with IntersectSegments and
// answers "nowhere" only when none does, so a ring it clears gets exactly the
// breakdown's own answer: no meeting point, no list.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

using PointRing = CList<CFPPoint, const CFPPoint&>;

// True only when no two non-adjacent edges of the ring meet, IntersectSegments
// called as the breakdown calls it (the earlier edge first). False when some
// pair meets, and also when the screen declines the ring: non-finite or huge
// coordinates, all points at one place, or more candidate pairs than testing
// all pairs would cost. Touches no cursor.
FPGEOM_API bool MeetsItselfNowhere(const PointRing& ring);

}  // namespace fpgeom::detail
