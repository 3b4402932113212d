// The breakdown of a ring with its three outcomes kept apart: loops, a ring
// that meets itself nowhere, and a ring on which the search gave up.
#pragma once

#include <cstdint>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::python {

enum class BreakdownOutcome { Loops, Simple, GaveUp };

struct BreakdownResult {
  BreakdownOutcome outcome;
  std::vector<CFPPolygon> loops;
  // For GaveUp, the working copy's point count when the search was abandoned.
  std::uint64_t pointsReached = 0;
};

BreakdownResult BreakDown(const CFPPolygon& polygon);

}  // namespace fpgeom::python
