#include "SceneBuilding.h"

#include <algorithm>

#include "Formatting.h"
#include "Loops.h"
#include "Probing.h"
#include "TopologyMap.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {
namespace {

int FilledRings(const io::SvgScene& scene) {
  return static_cast<int>(
      std::count_if(scene.rings.begin(), scene.rings.end(), [](const CFPPolygon& ring) { return ring.Area() >= 0; }));
}

int ProbesInside(const io::SvgScene& scene) {
  return static_cast<int>(
      std::count_if(scene.probes.begin(), scene.probes.end(), [](const io::SvgProbe& probe) { return probe.inside; }));
}

}  // namespace

io::SvgScene BuildScene(const std::string& title, const CFPPolyRgn& map, const Overlays& overlays,
                        std::vector<GaveUpRing>* gaveUp) {
  io::SvgScene scene;
  scene.title = title;
  scene.rings = io::RingsOf(map);
  scene.clipRect = overlays.clipRect;
  if (overlays.loops) {
    const BreakdownOutcome outcome = BreakDown(map);
    scene.loops = outcome.AllLoops();
    for (const RingLoops& ring : outcome.rings) {
      if (gaveUp != nullptr && ring.gaveUpAfter > 0) gaveUp->push_back({ring.index, ring.gaveUpAfter});
    }
  }
  if (!overlays.probes.empty()) {
    for (const ProbeResult& probe : Probe(map, overlays.probes)) scene.probes.push_back({probe.point, probe.inside});
  }
  if (overlays.topology) {
    CFPPolyRgn linked(map);  // the topology links the rings it is built from
    const TopologyMap topology(linked);
    scene.sharedVertices = topology.SharedVertices();
    scene.sharedEdges = topology.SharedEdges();
  }
  return scene;
}

std::string SceneText(const io::SvgScene& scene, const std::vector<GaveUpRing>& gaveUp) {
  const int filled = FilledRings(scene);
  const int inside = ProbesInside(scene);
  std::string text = std::to_string(scene.rings.size()) + " rings (" + std::to_string(filled) + " filled, " +
                     std::to_string(scene.rings.size() - static_cast<std::size_t>(filled)) + " of negative area)";
  if (scene.clipRect) text += ", clipping rectangle " + RectText(*scene.clipRect);
  if (!scene.loops.empty()) text += ", " + std::to_string(scene.loops.size()) + " breakdown loops";
  for (const GaveUpRing& ring : gaveUp) text += ", ring " + std::to_string(ring.index) + " " + GaveUpText(ring.points);
  if (!scene.probes.empty()) {
    text += ", " + std::to_string(scene.probes.size()) + " probes (" + std::to_string(inside) + " inside, " +
            std::to_string(scene.probes.size() - static_cast<std::size_t>(inside)) + " outside)";
  }
  if (!scene.sharedVertices.empty() || !scene.sharedEdges.empty()) {
    text += ", " + std::to_string(scene.sharedVertices.size()) + " shared vertices, " +
            std::to_string(scene.sharedEdges.size()) + " shared edges";
  }
  return text;
}

nlohmann::json SceneJson(const io::SvgScene& scene, const std::vector<GaveUpRing>& gaveUp) {
  const int filled = FilledRings(scene);
  const int inside = ProbesInside(scene);
  nlohmann::json gaveUpJson = nlohmann::json::array();
  for (const GaveUpRing& ring : gaveUp) gaveUpJson.push_back({{"index", ring.index}, {"points", ring.points}});
  return {{"rings", scene.rings.size()},
          {"filledRings", filled},
          {"negativeRings", static_cast<int>(scene.rings.size()) - filled},
          {"clipRect", scene.clipRect ? RectJson(*scene.clipRect) : nlohmann::json()},
          {"loops", scene.loops.size()},
          {"gaveUp", std::move(gaveUpJson)},
          {"probesInside", inside},
          {"probesOutside", static_cast<int>(scene.probes.size()) - inside},
          {"sharedVertices", scene.sharedVertices.size()},
          {"sharedEdges", scene.sharedEdges.size()}};
}

}  // namespace fpgeom::tool
