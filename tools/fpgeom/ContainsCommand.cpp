#include <memory>

#include "Commands.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "PointArguments.h"
#include "Probing.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct ContainsOptions {
  InputOptions input;
  OutputOptions output;
  std::vector<std::string> points;
};

int RunContains(const ContainsOptions& options) {
  io::Document document = options.input.Load();
  std::vector<CFPPoint> probes = ParsePoints("--point", options.points);
  probes.insert(probes.end(), document.points.begin(), document.points.end());
  if (probes.empty()) throw UsageError("no probe points: give --point X,Y or points in the input");
  Report report;
  report.data["probes"] = nlohmann::json::array();
  for (const ProbeResult& probe : Probe(document.rings, probes)) {
    report.Line(ProbeText(probe));
    report.data["probes"].push_back(ProbeJson(probe));
  }
  options.output.Emit(report);
  return kExitSuccess;
}

}  // namespace

Command AddContainsCommand(CLI::App& tool) {
  auto options = std::make_shared<ContainsOptions>();
  CLI::App* command = tool.add_subcommand(
      "contains", "Probe points: inside or outside, signed distance to the boundary, nearest vertex");
  options->input.AddTo(*command);
  command->add_option("-p,--point", options->points, "A probe point X,Y (repeatable); points in the input count too")
      ->allow_extra_args(false);  // one X,Y each time, so that the input may follow
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunContains(*options); }};
}

}  // namespace fpgeom::tool
