// The breakdown of every ring of a map into the loops where it meets
// itself. The result holds each ring's loops in its place, or the ring
// itself when it meets itself nowhere or the breakdown gave up on it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct RingLoops {
  int index;
  std::vector<CFPPolygon> loops;  // empty when the ring meets itself nowhere
  // The working copy's points when the breakdown gave up (the ring meets
  // itself, but rounding made the copy outgrow its bound); 0 otherwise.
  std::uint64_t gaveUpAfter = 0;
};

std::string GaveUpText(std::uint64_t points);

struct BreakdownOutcome {
  std::vector<RingLoops> rings;
  CFPPolyRgn result;
  std::vector<CFPPolygon> AllLoops() const;
};

BreakdownOutcome BreakDown(const CFPPolyRgn& map);
std::string RingLoopsText(const RingLoops& ring);
nlohmann::json RingLoopsJson(const RingLoops& ring);

}  // namespace fpgeom::tool
