#include "Probing.h"

#include <cmath>
#include <limits>
#include <optional>

#include "Formatting.h"
#include "ToolErrors.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/prepared/PreparedRegion.h"

namespace fpgeom::tool {
namespace {

// Beyond this many probes the map is prepared once: preparing a ring costs
// about as much as a dozen or two queries on it, and each prepared query far
// less.
constexpr std::size_t kMostUnpreparedProbes = 16;

}  // namespace

std::vector<ProbeResult> Probe(const CFPPolyRgn& map, const std::vector<CFPPoint>& probes) {
  if (map.isEmpty() != 0) throw UsageError("there are no rings to probe");
  CFPPolyRgn searched(map);  // GetNearestVertex is not const
  std::optional<PreparedRegion> prepared;
  std::vector<CFPPolygon> rings;
  if (probes.size() > kMostUnpreparedProbes) {
    prepared.emplace(map);
  } else {
    rings = io::RingsOf(map);
  }
  std::vector<ProbeResult> results;
  for (const CFPPoint& point : probes) {
    ProbeResult result{point, false, std::nullopt, 0.0, std::nullopt};
    if (prepared) {
      result.inside = prepared->PtInRgn(point) != 0;
      result.signedDistance = prepared->DistanceFromPoint(point);
      for (std::size_t i = 0; i < prepared->PolygonCount() && !result.ring; ++i) {
        if (prepared->Polygon(i).PtInPolygon(point) != 0) result.ring = static_cast<int>(i);
      }
    } else {
      result.inside = map.PtInRgn(point) != 0;
      result.signedDistance = map.DistanceFromPoint(point);
      for (std::size_t i = 0; i < rings.size() && !result.ring; ++i) {
        if (rings[i].PtInPolygon(point) != 0) result.ring = static_cast<int>(i);
      }
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
