#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "Commands.h"
#include "Formatting.h"
#include "OutputOptions.h"
#include "ToolErrors.h"
#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/io/DocumentFiles.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Wkt.h"
#include "fpgeom/overlay/Overlay.h"

namespace fpgeom::tool {
namespace {

struct OverlayOptions {
  std::string operation;
  std::string first;
  std::string second;
  std::string fill = "evenodd";
  std::string format;
  OutputOptions output;
};

using Operation = CFPPolyRgn (*)(const CFPPolyRgn&, const CFPPolyRgn&, FillRule);

Operation OperationNamed(const std::string& name) {
  if (name == "union") return &Union;
  if (name == "intersection") return &Intersection;
  if (name == "difference") return &Difference;
  if (name == "xor") return &SymmetricDifference;
  throw UsageError("the operation is union, intersection, difference or xor, got '" + name + "'");
}

FillRule FillNamed(const std::string& name) {
  if (name == "evenodd") return FillRule::kEvenOdd;
  if (name == "nonzero") return FillRule::kNonZero;
  throw UsageError("--fill expects evenodd or nonzero, got '" + name + "'");
}

int RunOverlay(const OverlayOptions& options) {
  const Operation operation = OperationNamed(options.operation);
  const FillRule rule = FillNamed(options.fill);
  if (options.first == "-" && options.second == "-") throw UsageError("only one input can be standard input");
  std::optional<io::Format> format;
  if (!options.format.empty()) {
    format = io::FormatFromName(options.format);
    if (!format) throw UsageError("--from expects wkt, geojson or archive, got '" + options.format + "'");
  }
  const io::Document a = io::ReadDocumentFile(options.first, format);
  const io::Document b = io::ReadDocumentFile(options.second, format);
  io::Document result;
  try {
    result.rings = operation(a.rings, b.rings, rule);
  } catch (const CException& error) {
    // Non-finite coordinates, or the engine refusing the input.
    throw UsageError(error.what());
  }

  int outer = 0;
  int holes = 0;
  for (result.rings.BeginIteration(); result.rings.isIterationFinished() == 0;) {
    (result.rings.getNextPolygon()->Area() < 0 ? holes : outer) += 1;
  }
  const double area = result.rings.Area();
  Report report;
  report.Line(options.operation + " under the " + options.fill + " rule: " + std::to_string(outer) +
              " outer rings, " + std::to_string(holes) + " holes, area " + Number(area));
  report.data["operation"] = options.operation;
  report.data["fill"] = options.fill;
  report.data["outerRings"] = outer;
  report.data["holes"] = holes;
  report.data["area"] = area;
  // The result is written polygon by polygon with its holes, not ring by
  // ring; archives hold rings in order, which keeps the normal form too.
  const OutputOptions& output = options.output;
  if (output.HasOutputPath()) {
    WriteOutput(output.OutputPath(), io::EncodeDocument(result, output.OutputFormat(), output.OutputPath()));
    report.Line("wrote " + output.OutputPath());
    report.data["output"] = output.OutputPath();
    // With -o - the geometry has standard output to itself.
    if (output.OutputIsStandardOutput()) {
      output.Print(report, std::cerr);
      return kExitSuccess;
    }
  } else if (output.Json()) {
    report.data["result"] = nlohmann::json::parse(io::WriteGeoJson(result));
  } else {
    report.text += io::WriteWkt(result);
  }
  output.Print(report);
  return kExitSuccess;
}

}  // namespace

Command AddOverlayCommand(CLI::App& tool) {
  auto options = std::make_shared<OverlayOptions>();
  CLI::App* command = tool.add_subcommand(
      "overlay", "Union, intersection, difference or xor of the areas of two maps, in normal form (outer rings "
                 "clockwise, each followed by its holes)");
  command->add_option("operation", options->operation, "union, intersection, difference or xor")->required();
  command->add_option("a", options->first, "First geometry file (WKT, GeoJSON or fpgeom archive); - for standard input")
      ->required();
  command->add_option("b", options->second, "Second geometry file")->required();
  command->add_option("--fill", options->fill, "How the rings of each input make an area: evenodd (default) or nonzero");
  command->add_option("--from", options->format, "Format of both inputs: wkt, geojson or archive (default: by name, then content)");
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunOverlay(*options); }};
}

}  // namespace fpgeom::tool
