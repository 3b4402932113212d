// Phase 1 of the breakdown: the sweeps that insert every point where two
// non-adjacent edges of the working copy meet into both edges.
#pragma once

#include <cstdint>
#include <vector>

#include "algorithms/SelfMeetingScreen.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

// The node after position, null after the tail.
inline POSITION After(const PointRing& ring, POSITION position) {
  ring.GetNext(position);
  return position;
}

// Each sweep tests one edge against every later edge that shares no node
// with it, in list order; a meeting point found on the current edge shortens
// it for the rest of the sweep. True when some pair met; false also when the
// ring outgrew pointLimit points.
bool MarkMeetingPoints(PointRing& ring, std::uint64_t pointLimit);

// The same insertions in the same order, for a ring whose meeting pairs of
// its own edges the screen found: a pair of edges that are both still whole
// is tested only if it is one of those.
bool MarkMeetingPoints(PointRing& ring, std::uint64_t pointLimit, const std::vector<EdgePair>& meetingPairs);

}  // namespace fpgeom::detail
