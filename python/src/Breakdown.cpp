#include "Breakdown.h"

namespace fpgeom::python {

BreakdownResult BreakDown(const CFPPolygon& polygon) {
  // With fewer than three points there is nothing to search.
  if (polygon.getCount() < 3) return {BreakdownOutcome::Simple, {}};
  BreakdownResult result{BreakdownOutcome::Loops, {}};
  for (const auto& loop : BreakdownLoops(polygon)) result.loops.push_back(*loop);
  // The library's loop list is empty both for a ring that meets itself
  // nowhere and for one whose search it gave up, so an empty list is not
  // reported as either.
  if (result.loops.empty()) result.outcome = BreakdownOutcome::SimpleOrGaveUp;
  return result;
}

}  // namespace fpgeom::python
