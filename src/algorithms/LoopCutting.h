// Phase 2 of the breakdown: cutting the working copy, with every meeting
// point inserted, into loops at its repeated points.
#pragma once

#include <vector>

#include "algorithms/LoopListOwner.h"
#include "algorithms/SelfMeetingScreen.h"

namespace fpgeom::detail {

// Each loop starts at the head of what is left and jumps, at every repeated
// point, past the stretch that leads back to it; the stretches stay in the
// ring and become the later loops. Points are the same by the inclusive
// equality of CFPPoint. Empties the ring.
OwnedLoopList CutIntoLoops(PointRing& ring);

// The same loops, with the last occurrence of each point looked up in an
// index of the points by place instead of searched for from the tail, which
// makes the cutting about n log n rather than quadratic. Leaves the ring as it
// is, unless its coordinates are too large to index or its points crowd into
// a few places, when it cuts as above.
OwnedLoopList CutIntoLoopsByIndex(PointRing& ring);
// The same for a ring held head to tail in an array.
OwnedLoopList CutIntoLoopsByIndex(const std::vector<CFPPoint>& points);

}  // namespace fpgeom::detail
