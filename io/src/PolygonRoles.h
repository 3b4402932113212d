// How the readers place a polygon's rings in a region: by their role, not by
// the direction a file happens to give them.
#pragma once

#include <memory>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::io::detail {

// Appends the rings of one polygon in order. The first is its outer ring and
// is turned round when its area is negative; every following one is a hole
// and is turned round when its area is positive. A ring of zero area keeps
// its direction.
void AddPolygonByRole(std::vector<std::unique_ptr<CFPPolygon>> rings, CFPPolyRgn& region);

}  // namespace fpgeom::io::detail
