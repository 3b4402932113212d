// The breakdown of a ring with its three outcomes kept apart: loops, a ring
// that meets itself nowhere, and a ring on which the search gave up.
#pragma once

#include <vector>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::python {

enum class BreakdownOutcome { Loops, Simple, GaveUp, SimpleOrGaveUp };

struct BreakdownResult {
  BreakdownOutcome outcome;
  std::vector<CFPPolygon> loops;
};

BreakdownResult BreakDown(const CFPPolygon& polygon);

}  // namespace fpgeom::python
