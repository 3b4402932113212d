// A fast, exact answer to the breakdown's first question: which pairs of
// non-adjacent edges of the ring meet by IntersectSegments? The screen finds
// the few pairs that could meet and tests each with IntersectSegments, so a
// ring it clears gets exactly the breakdown's own answer (no meeting point, no
// list), and the breakdown of a ring that meets itself need test no other
// pair of the ring's own edges.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "fpgeom/frame/List.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

using PointRing = CList<CFPPoint, const CFPPoint&>;

// Edge i runs from point i to point i + 1, the last one back to point 0.
struct EdgePair {
  std::size_t earlier;
  std::size_t later;
};

inline bool operator==(const EdgePair& first, const EdgePair& second) {
  return first.earlier == second.earlier && first.later == second.later;
}

inline bool operator<(const EdgePair& first, const EdgePair& second) {
  return first.earlier < second.earlier || (first.earlier == second.earlier && first.later < second.later);
}

// Every pair of non-adjacent edges of the ring that meets, IntersectSegments
// called as the breakdown calls it (the earlier edge first), sorted and each
// once. Nothing when the screen declines the ring: non-finite or huge
// coordinates, all points at one place, or more candidate pairs than testing
// all pairs would cost. Touches no cursor.
std::optional<std::vector<EdgePair>> MeetingEdgePairs(const PointRing& ring);

// True only when the screen finds that no two non-adjacent edges meet.
bool MeetsItselfNowhere(const PointRing& ring);

}  // namespace fpgeom::detail
