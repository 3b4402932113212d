#include "Breakdown.h"

namespace fpgeom::python {

BreakdownResult BreakDown(const CFPPolygon& polygon) {
  BreakdownVerdict verdict = BreakDownRing(polygon);
  BreakdownResult result{BreakdownOutcome::Simple, {}, verdict.pointsReached};
  if (verdict.meeting == SelfMeeting::kGaveUp) result.outcome = BreakdownOutcome::GaveUp;
  if (verdict.meeting == SelfMeeting::kLoops) result.outcome = BreakdownOutcome::Loops;
  for (const auto& loop : verdict.loops) result.loops.push_back(*loop);
  return result;
}

}  // namespace fpgeom::python
