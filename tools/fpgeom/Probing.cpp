#include "Probing.h"

#include <cmath>
#include <limits>

#include "Formatting.h"
#include "ToolErrors.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

std::vector<ProbeResult> Probe(const CFPPolyRgn& map, const std::vector<CFPPoint>& probes) {
  if (map.isEmpty() != 0) throw UsageError("there are no rings to probe");
  CFPPolyRgn searched(map);  // GetNearestVertex is not const
  const std::vector<CFPPolygon> rings = io::RingsOf(map);
  std::vector<ProbeResult> results;
  for (const CFPPoint& point : probes) {
    ProbeResult result{point, map.PtInRgn(point) != 0, std::nullopt, map.DistanceFromPoint(point), std::nullopt};
    for (std::size_t i = 0; i < rings.size() && !result.ring; ++i) {
      if (rings[i].PtInPolygon(point) != 0) result.ring = static_cast<int>(i);
    }
    CFPPoint vertex;
    if (searched.GetNearestVertex(point, std::numeric_limits<double>::infinity(), vertex) != 0) {
      result.nearestVertex = vertex;
    }
    results.push_back(result);
  }
  return results;
}

std::string ProbeText(const ProbeResult& probe) {
  std::string text = PointText(probe.point) + ": " +
                     (probe.ring ? "inside ring " + std::to_string(*probe.ring) : std::string("outside")) +
                     ", signed distance " + Number(probe.signedDistance);
  if (probe.nearestVertex) {
    const double away = std::hypot(probe.nearestVertex->x - probe.point.x, probe.nearestVertex->y - probe.point.y);
    text += ", nearest vertex " + PointText(*probe.nearestVertex) + " at " + Number(away);
  }
  return text;
}

nlohmann::json ProbeJson(const ProbeResult& probe) {
  return {{"point", PointJson(probe.point)},
          {"inside", probe.inside},
          {"ring", probe.ring ? nlohmann::json(*probe.ring) : nlohmann::json()},
          {"signedDistance", probe.signedDistance},
          {"nearestVertex", probe.nearestVertex ? PointJson(*probe.nearestVertex) : nlohmann::json()}};
}

}  // namespace fpgeom::tool
