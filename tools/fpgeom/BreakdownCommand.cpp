#include <memory>

#include "Commands.h"
#include "InputOptions.h"
#include "Loops.h"
#include "OutputOptions.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct BreakdownOptions {
  InputOptions input;
  OutputOptions output;
};

int RunBreakdown(const BreakdownOptions& options) {
  io::Document document = options.input.Load();
  const BreakdownOutcome outcome = BreakDown(document.rings);
  Report report;
  report.Each("rings", outcome.rings, RingLoopsText, RingLoopsJson);
  document.rings = outcome.result;
  options.output.Emit(report, &document);
  return kExitSuccess;
}

}  // namespace

Command AddBreakdownCommand(CLI::App& tool) {
  auto options = std::make_shared<BreakdownOptions>();
  CLI::App* command = tool.add_subcommand(
      "breakdown", "Cut every ring that meets itself into loops; the result holds the loops in its place");
  options->input.AddTo(*command);
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunBreakdown(*options); }};
}

}  // namespace fpgeom::tool
