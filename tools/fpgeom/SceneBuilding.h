// The pictures the tool draws: a map with the overlays asked for, and a
// one-line account of what the picture shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/io/Svg.h"
#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::tool {

struct Overlays {
  std::optional<CFPRect> clipRect;
  bool loops = false;            // the breakdown loops of rings that meet themselves
  std::vector<CFPPoint> probes;  // coloured by whether the map holds them
  bool topology = false;         // shared vertices and edges
};

// A ring that the breakdown gave up on: its index and the working copy's
// points when it did.
struct GaveUpRing {
  int index;
  std::uint64_t points;
};

// With loops drawn, the rings whose breakdown gave up go to gaveUp when given.
io::SvgScene BuildScene(const std::string& title, const CFPPolyRgn& map, const Overlays& overlays,
                        std::vector<GaveUpRing>* gaveUp = nullptr);
std::string SceneText(const io::SvgScene& scene, const std::vector<GaveUpRing>& gaveUp = {});
nlohmann::json SceneJson(const io::SvgScene& scene, const std::vector<GaveUpRing>& gaveUp = {});

}  // namespace fpgeom::tool
