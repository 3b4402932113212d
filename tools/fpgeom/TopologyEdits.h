// Dragging a vertex or bending an edge of a map's shared topology: every
// ring that shares it changes together, or, when one of them would keep
// fewer than three points, none does and the edit is refused.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "TopologyMap.h"

namespace fpgeom::tool {

struct TopologyEdit {
  std::string what;  // "move vertex (x, y) to (x, y)", "bend edge ... through ..."
  bool accepted;
  std::vector<int> changedRings;
};

// Both throw UsageError when nothing lies within tolerance of near.
TopologyEdit MoveVertex(const TopologyMap& topology, const CFPPolyRgn& map, const CFPPoint& near,
                        const CFPPoint& to, double tolerance);
TopologyEdit BendEdge(const TopologyMap& topology, const CFPPolyRgn& map, const CFPPoint& near,
                      const CFPPoint& through, double tolerance);

std::string TopologyEditText(const TopologyEdit& edit);
nlohmann::json TopologyEditJson(const TopologyEdit& edit);

}  // namespace fpgeom::tool
