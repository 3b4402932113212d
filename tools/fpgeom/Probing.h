// Where probe points lie with respect to a map of rings: inside or not (and
// in which ring first), the signed distance to the boundary (negative
// inside) and the nearest vertex.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct ProbeResult {
  CFPPoint point;
  bool inside;
  std::optional<int> ring;  // the first ring that holds the point
  double signedDistance;
  std::optional<CFPPoint> nearestVertex;
};

// Throws UsageError when there are no rings to probe.
std::vector<ProbeResult> Probe(const CFPPolyRgn& map, const std::vector<CFPPoint>& probes);
std::string ProbeText(const ProbeResult& probe);
nlohmann::json ProbeJson(const ProbeResult& probe);

}  // namespace fpgeom::tool
