#include "TopologyEdits.h"

#include <functional>

#include "Formatting.h"
#include "ToolErrors.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"

namespace fpgeom::tool {
namespace {

std::vector<int> ChangedRings(const std::vector<CFPPolygon>& before, const CFPPolyRgn& map) {
  std::vector<int> changed;
  const std::vector<CFPPolygon> after = io::RingsOf(map);
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (!io::SameRing(before[i], after[i])) changed.push_back(static_cast<int>(i));
  }
  return changed;
}

TopologyEdit Edit(const CFPPolyRgn& map, std::string what, const std::function<int()>& change) {
  const std::vector<CFPPolygon> before = io::RingsOf(map);
  const bool accepted = change() != 0;
  return {std::move(what), accepted, ChangedRings(before, map)};
}

std::string Within(double tolerance, const CFPPoint& near) {
  return "within " + Number(tolerance) + " of " + PointText(near) + " (see --tolerance)";
}

}  // namespace

TopologyEdit MoveVertex(const TopologyMap& topology, const CFPPolyRgn& map, const CFPPoint& near,
                        const CFPPoint& to, double tolerance) {
  CVertex* vertex = topology.VertexNear(near, tolerance);
  if (vertex == nullptr) throw UsageError("no vertex lies " + Within(tolerance, near));
  return Edit(map, "move vertex " + PointText(vertex->m_point) + " to " + PointText(to),
              [&] { return vertex->change(to); });
}

TopologyEdit BendEdge(const TopologyMap& topology, const CFPPolyRgn& map, const CFPPoint& near,
                      const CFPPoint& through, double tolerance) {
  CEdge* edge = topology.EdgeNear(near, tolerance);
  if (edge == nullptr) throw UsageError("no edge lies " + Within(tolerance, near));
  return Edit(map,
              "bend edge " + PointText(edge->m_pVertex1->m_point) + "-" + PointText(edge->m_pVertex2->m_point) +
                  " through " + PointText(through),
              [&] { return edge->change(through); });
}

std::string TopologyEditText(const TopologyEdit& edit) {
  if (!edit.accepted) return edit.what + ": refused, a ring would keep fewer than 3 points; nothing changed";
  return edit.what + ": done; rings changed: " + IndexList(edit.changedRings);
}

nlohmann::json TopologyEditJson(const TopologyEdit& edit) {
  return {{"edit", edit.what}, {"accepted", edit.accepted}, {"changedRings", edit.changedRings}};
}

}  // namespace fpgeom::tool
