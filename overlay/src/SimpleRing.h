// A cheap proof that a ring meets itself nowhere, so that a lone outer ring
// can go to the engine without the engine's own, costlier validity check.
#pragma once

#include <cstddef>

#include "Rings.h"

namespace fpgeom::overlay_detail {

// True only when the ring of count points (distinct, the closing point not
// counted) is certainly simple in exact arithmetic, shown by its being star-shaped about
// the mean of its points: convex rings, circles and most parcels are. False
// for every other ring, and whenever rounding leaves the proof in doubt; the
// caller then asks the engine.
bool IsCertainlySimple(const Vertex* points, std::size_t count);
inline bool IsCertainlySimple(const Ring& ring) { return IsCertainlySimple(ring.data(), ring.size()); }

}  // namespace fpgeom::overlay_detail
