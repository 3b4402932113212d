#include <algorithm>
#include <memory>
#include <optional>

#include "Commands.h"
#include "Formatting.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "PointArguments.h"
#include "ToolErrors.h"
#include "TopologyEdits.h"
#include "TopologyMap.h"

namespace fpgeom::tool {
namespace {

struct TopoOptions {
  InputOptions input;
  OutputOptions output;
  std::string moveVertex;
  std::string moveTo;
  std::string bendEdge;
  std::string bendThrough;
  std::optional<double> tolerance;
};

// A hundredth of the map's larger side: near enough to pick a vertex by eye,
// far below the size of a parcel.
double DefaultTolerance(const CFPPolyRgn& map) {
  const CFPRect bounds = map.getBoundsRect();
  return std::max(bounds.right - bounds.left, bounds.top - bounds.bottom) / 100;
}

void DescribeTopology(const TopologyMap& topology, Report& report) {
  const std::vector<CFPPoint> vertices = topology.SharedVertices();
  const std::vector<CFPSegment> edges = topology.SharedEdges();
  report.Line(std::to_string(topology.VertexCount()) + " vertices (" + std::to_string(vertices.size()) +
              " shared), " + std::to_string(topology.EdgeCount()) + " edges (" + std::to_string(edges.size()) +
              " shared)");
  std::string shared;
  report.data["sharedVertices"] = nlohmann::json::array();
  for (const CFPPoint& vertex : vertices) {
    shared += (shared.empty() ? "" : " ") + PointText(vertex);
    report.data["sharedVertices"].push_back(PointJson(vertex));
  }
  if (!shared.empty()) report.Line("shared vertices: " + shared);
  report.data["vertices"] = topology.VertexCount();
  report.data["edges"] = topology.EdgeCount();
  report.data["sharedEdges"] = edges.size();
}

int RunTopo(const TopoOptions& options) {
  const std::optional<CFPPoint> vertexAt =
      options.moveVertex.empty() ? std::nullopt : std::optional(ParsePoint("--move-vertex", options.moveVertex));
  const std::optional<CFPPoint> edgeAt =
      options.bendEdge.empty() ? std::nullopt : std::optional(ParsePoint("--bend-edge", options.bendEdge));
  io::Document document = options.input.Load();
  if (document.rings.isEmpty() != 0) throw UsageError("there are no rings to build a topology from");
  const double tolerance = options.tolerance.value_or(DefaultTolerance(document.rings));
  const TopologyMap topology(document.rings);
  Report report;
  DescribeTopology(topology, report);
  std::vector<TopologyEdit> edits;
  if (vertexAt) {
    edits.push_back(MoveVertex(topology, document.rings, *vertexAt, ParsePoint("--to", options.moveTo), tolerance));
  }
  if (edgeAt) {
    edits.push_back(BendEdge(topology, document.rings, *edgeAt, ParsePoint("--through", options.bendThrough), tolerance));
  }
  report.data["edits"] = nlohmann::json::array();
  for (const TopologyEdit& edit : edits) {
    report.Line(TopologyEditText(edit));
    report.data["edits"].push_back(TopologyEditJson(edit));
  }
  options.output.Emit(report, options.output.HasOutputPath() || !edits.empty() ? &document : nullptr);
  const bool refused = std::any_of(edits.begin(), edits.end(), [](const TopologyEdit& edit) { return !edit.accepted; });
  return refused ? kExitRefused : kExitSuccess;
}

}  // namespace

Command AddTopoCommand(CLI::App& tool) {
  auto options = std::make_shared<TopoOptions>();
  CLI::App* command = tool.add_subcommand(
      "topo", "Build the shared topology of adjacent rings; move a shared vertex or bend a shared edge "
              "(exit 1 when the edit is refused)");
  options->input.AddTo(*command);
  CLI::Option* moveVertex =
      command->add_option("--move-vertex", options->moveVertex, "Move the vertex nearest to X,Y ...");
  CLI::Option* moveTo = command->add_option("--to", options->moveTo, "... to X,Y");
  moveVertex->needs(moveTo);
  moveTo->needs(moveVertex);
  CLI::Option* bendEdge = command->add_option("--bend-edge", options->bendEdge, "Bend the edge nearest to X,Y ...");
  CLI::Option* through = command->add_option("--through", options->bendThrough, "... through X,Y");
  bendEdge->needs(through);
  through->needs(bendEdge);
  command->add_option("--tolerance", options->tolerance,
                      "How near X,Y the vertex or edge must be (default: 1/100 of the map's larger side)");
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunTopo(*options); }};
}

}  // namespace fpgeom::tool
