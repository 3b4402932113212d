// Phase 1 of the breakdown for large working copies: the sweeps of
// MarkMeetingPoints, with the edges that a sweep tests found in an index
// instead of by walking the whole ring.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

// The working copy after the sweeps, head to tail.
struct SweptRing {
  std::vector<CFPPoint> points;
  // Some pair of edges met.
  bool met = false;
  // The copy outgrew the point limit and the sweeps stopped there.
  bool ranAway = false;
};

// The same insertions in the same order as MarkMeetingPoints, so the same
// working copy and the same answer. Nothing when a coordinate is not finite
// or so large that the rounding bounds behind the index do not hold.
std::optional<SweptRing> MarkMeetingPointsIndexed(const std::vector<CFPPoint>& ring, std::uint64_t pointLimit);

}  // namespace fpgeom::detail
