#include <memory>

#include "Cleaning.h"
#include "Commands.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct CleanOptions {
  InputOptions input;
  OutputOptions output;
};

// The cleaned map is written even when a ring drops out; the exit code
// tells the caller that one did.
int RunClean(const CleanOptions& options) {
  io::Document document = options.input.Load();
  const CleanOutcome outcome = Clean(document.rings);
  Report report;
  report.Each("rings", outcome.rings, CleanedRingText, CleanedRingJson);
  report.data["degenerate"] = outcome.AnyDegenerate();
  document.rings = outcome.result;
  options.output.Emit(report, &document);
  return outcome.AnyDegenerate() ? kExitRefused : kExitSuccess;
}

}  // namespace

Command AddCleanCommand(CLI::App& tool) {
  auto options = std::make_shared<CleanOptions>();
  CLI::App* command = tool.add_subcommand(
      "clean", "Remove coincident and collinear points of every ring; exit 1 when a ring keeps fewer than 3 points");
  options->input.AddTo(*command);
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunClean(*options); }};
}

}  // namespace fpgeom::tool
