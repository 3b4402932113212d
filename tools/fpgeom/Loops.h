// The breakdown of every ring of a map into the loops where it meets
// itself. The result holds each ring's loops in its place, or the ring
// itself when it meets itself nowhere.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct RingLoops {
  int index;
  std::vector<CFPPolygon> loops;  // empty when the ring meets itself nowhere
};

struct BreakdownOutcome {
  std::vector<RingLoops> rings;
  CFPPolyRgn result;
  std::vector<CFPPolygon> AllLoops() const;
};

BreakdownOutcome BreakDown(const CFPPolyRgn& map);
std::string RingLoopsText(const RingLoops& ring);
nlohmann::json RingLoopsJson(const RingLoops& ring);

}  // namespace fpgeom::tool
