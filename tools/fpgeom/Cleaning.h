// Clean-up of every ring of a map (coincident and collinear points); a ring
// left with fewer than three points drops out of the result.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct CleanedRing {
  int index;
  int pointsBefore;
  int pointsAfter;
  bool valid;  // OptimizeAndCheck returned 1: at least three points remain
};

struct CleanOutcome {
  std::vector<CleanedRing> rings;
  CFPPolyRgn result;
  bool AnyDegenerate() const;
};

CleanOutcome Clean(const CFPPolyRgn& map);
std::string CleanedRingText(const CleanedRing& ring);
nlohmann::json CleanedRingJson(const CleanedRing& ring);

}  // namespace fpgeom::tool
