// The pictures the tool draws: a map with the overlays asked for, and a
// one-line account of what the picture shows.
#pragma once

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

io::SvgScene BuildScene(const std::string& title, const CFPPolyRgn& map, const Overlays& overlays);
std::string SceneText(const io::SvgScene& scene);
nlohmann::json SceneJson(const io::SvgScene& scene);

}  // namespace fpgeom::tool
