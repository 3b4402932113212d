// The breakdown without the self-meeting screen and without the index: the
// reference that the faster paths are tested against.
#pragma once

#include <memory>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::detail {

// The loops as BreakdownLoops gives them, always by both phases of the plain
// algorithm, with the same effect on the polygon's cursor.
std::vector<std::unique_ptr<CFPPolygon>> PlainBreakdownLoops(const CFPPolygon& polygon);

// BreakDownRing's verdict, always by the plain sweeps.
BreakdownVerdict PlainBreakDownRing(const CFPPolygon& polygon);

// BreakDownRing's verdict, always by the sweeps over the index of the working
// copy's edges (the plain ones where that declines).
BreakdownVerdict IndexedBreakDownRing(const CFPPolygon& polygon);

}  // namespace fpgeom::detail
