#include <memory>

#include "Commands.h"
#include "Formatting.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "RingFacts.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct InfoOptions {
  InputOptions input;
  OutputOptions output;
};

int RunInfo(const InfoOptions& options) {
  const io::Document document = options.input.Load();
  const std::vector<CFPPolygon> rings = io::RingsOf(document.rings);
  const std::vector<int> outer = io::OuterRingsOf(rings);
  Report report;
  report.Line(std::to_string(rings.size()) + " rings, " + std::to_string(document.points.size()) + " loose points");
  report.data["rings"] = nlohmann::json::array();
  for (std::size_t i = 0; i < rings.size(); ++i) {
    const RingFacts facts = FactsOf(rings[i], static_cast<int>(i), outer[i]);
    report.Line(RingFactsText(facts));
    report.data["rings"].push_back(RingFactsJson(facts));
  }
  report.Each(
      "points", document.points, [](const CFPPoint& point) { return "point " + PointText(point); }, PointJson);
  options.output.Emit(report);
  return kExitSuccess;
}

}  // namespace

Command AddInfoCommand(CLI::App& tool) {
  auto options = std::make_shared<InfoOptions>();
  CLI::App* command = tool.add_subcommand(
      "info", "Per ring: points, area, unsigned area, filled, outer ring or hole, bounds, mass centre, whether it meets\n"
                "itself");
  options->input.AddTo(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunInfo(*options); }};
}

}  // namespace fpgeom::tool
