#include <unistd.h>

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

// Without -o the converted document itself goes to standard output, so that
// convert can sit in a pipe.
int RunConvert(const ConvertOptions& options) {
  const io::Document document = options.input.Load();
  if (!options.output.HasOutputPath()) {
    const io::Format format = options.output.NamedFormat().value_or(io::Format::Wkt);
    if (format == io::Format::Archive && ::isatty(STDOUT_FILENO) != 0) {
      throw UsageError("an archive is binary: write it to a file with -o FILE.fpgeom, or into a pipe");
    }
    std::cout << io::EncodeDocument(document, format, "standard output");
    return kExitSuccess;
  }
  const io::Format format = options.output.OutputFormat();
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
