#include <memory>

#include "Clipping.h"
#include "Commands.h"
#include "Formatting.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "PointArguments.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct ClipOptions {
  InputOptions input;
  OutputOptions output;
  std::string rect;
};

int RunClip(const ClipOptions& options) {
  const CFPRect rect = ParseRect("--rect", options.rect);
  io::Document document = options.input.Load();
  const ClipOutcome outcome = Clip(document.rings, rect);
  Report report;
  report.Line("clipping by " + RectText(rect));
  report.data["rect"] = RectJson(rect);
  report.Each("rings", outcome.rings, ClippedRingText, ClippedRingJson);
  document.rings = outcome.result;
  options.output.Emit(report, &document);
  return kExitSuccess;
}

}  // namespace

Command AddClipCommand(CLI::App& tool) {
  auto options = std::make_shared<ClipOptions>();
  CLI::App* command = tool.add_subcommand("clip", "Clip every ring by a rectangle");
  options->input.AddTo(*command);
  command->add_option("--rect", options->rect, "The rectangle L,B,R,T (left, bottom, right, top)")->required();
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunClip(*options); }};
}

}  // namespace fpgeom::tool
