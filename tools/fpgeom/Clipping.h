// Clipping every ring of a map by a rectangle; rings left without points
// drop out of the result.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct ClippedRing {
  int index;
  int pointsBefore;
  int pointsAfter;
  double areaBefore;
  double areaAfter;
  bool kept;  // IntersectRect returned 1
};

struct ClipOutcome {
  std::vector<ClippedRing> rings;
  CFPPolyRgn result;
};

ClipOutcome Clip(const CFPPolyRgn& map, const CFPRect& rect);
std::string ClippedRingText(const ClippedRing& ring);
nlohmann::json ClippedRingJson(const ClippedRing& ring);

}  // namespace fpgeom::tool
