#include <iostream>
#include <memory>

#include "Commands.h"
#include "InputOptions.h"
#include "OutputOptions.h"
#include "ToolErrors.h"
#include "fpgeom/io/DocumentFiles.h"

namespace fpgeom::tool {
namespace {

struct ConvertOptions {
  InputOptions input;
  OutputOptions output;
};

// Without -o (or with -o -) the converted document itself goes to standard
// output, so that convert can sit in a pipe; with --json and no -o it goes
// under "result" of the report, as every subcommand's result does.
int RunConvert(const ConvertOptions& options) {
  const io::Document document = options.input.Load();
  const bool toPipe = !options.output.HasOutputPath() || options.output.OutputIsStandardOutput();
  if (toPipe && !options.output.Json()) {
    const io::Format format = options.output.NamedFormat().value_or(io::Format::Wkt);
    RefuseBinaryOnTerminal(format);
    std::cout << io::EncodeDocument(document, format, "standard output");
    return kExitSuccess;
  }
  if (!options.output.HasOutputPath() && options.output.NamedFormat().value_or(io::Format::GeoJson) != io::Format::GeoJson) {
    throw UsageError("with --json and no -o the result is GeoJSON under \"result\"; give -o FILE for another format");
  }
  const io::Format format = options.output.HasOutputPath() ? options.output.OutputFormat() : io::Format::GeoJson;
  Report report;
  report.Line("converted " + std::to_string(document.rings.getCount()) + " rings and " +
              std::to_string(document.points.size()) + " points to " + io::FormatName(format));
  report.data["rings"] = document.rings.getCount();
  report.data["points"] = document.points.size();
  report.data["format"] = io::FormatName(format);
  options.output.Emit(report, &document);
  return kExitSuccess;
}

}  // namespace

Command AddConvertCommand(CLI::App& tool) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* command = tool.add_subcommand(
      "convert", "Convert between WKT, GeoJSON and fpgeom archive files (to standard output without -o)");
  options->input.AddTo(*command);
  options->output.AddResultOptions(*command);
  options->output.AddJsonFlag(*command);
  return {command, [options] { return RunConvert(*options); }};
}

}  // namespace fpgeom::tool
