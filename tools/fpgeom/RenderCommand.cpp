#include <iostream>
#include <memory>

#include "Commands.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "PointArguments.h"
#include "SceneBuilding.h"
#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

struct RenderOptions {
  InputOptions input;
  OutputOptions output;
  std::string svgPath;
  std::string clip;
  bool loops = false;
  std::vector<std::string> probes;
  bool topology = false;
  std::string title = "fpgeom";
};

int RunRender(const RenderOptions& options) {
  Overlays overlays;
  if (!options.clip.empty()) overlays.clipRect = ParseRect("--clip", options.clip);
  overlays.probes = ParsePoints("--probe", options.probes);
  overlays.loops = options.loops;
  overlays.topology = options.topology;
  const io::Document document = options.input.Load();
  overlays.probes.insert(overlays.probes.end(), document.points.begin(), document.points.end());
  std::vector<GaveUpRing> gaveUp;
  const io::SvgScene scene = BuildScene(options.title, document.rings, overlays, &gaveUp);
  WriteOutput(options.svgPath, io::WriteSvg(scene));
  Report report;
  report.Line("wrote " + options.svgPath + ": " + SceneText(scene, gaveUp));
  report.data = SceneJson(scene, gaveUp);
  report.data["output"] = options.svgPath;
  // With -o - the picture has standard output to itself.
  options.output.Print(report, options.svgPath == "-" ? std::cerr : std::cout);
  return kExitSuccess;
}

}  // namespace

Command AddRenderCommand(CLI::App& tool) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* command = tool.add_subcommand("render", "Draw the rings as an SVG picture, with optional overlays");
  options->input.AddTo(*command);
  command->add_option("-o,--output", options->svgPath, "The SVG file to write")->required();
  command->add_option("--clip", options->clip, "Draw the clipping rectangle L,B,R,T");
  command->add_flag("--breakdown", options->loops, "Draw the loops of rings that meet themselves");
  command->add_option("--probe", options->probes, "A probe point X,Y, coloured inside/outside (repeatable)")
      ->allow_extra_args(false);
  command->add_flag("--topology", options->topology, "Draw the shared vertices and edges");
  command->add_option("--title", options->title, "The picture's title")->capture_default_str();
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunRender(*options); }};
}

}  // namespace fpgeom::tool
