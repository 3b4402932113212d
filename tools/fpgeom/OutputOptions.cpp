#include "OutputOptions.h"

#include <unistd.h>

#include <iostream>

#include "ToolErrors.h"
#include "fpgeom/io/AtomicFile.h"
#include "fpgeom/io/DocumentFiles.h"
#include "fpgeom/io/GeoJson.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::tool {

void OutputOptions::AddJsonFlag(CLI::App& command) {
  command.add_flag("--json", m_json, "Print the report as JSON");
}

void OutputOptions::AddResultOptions(CLI::App& command) {
  command.add_option("-o,--output", m_output, "Write the resulting geometry to this file");
  command.add_option("--format", m_format, "Format of the output file: wkt, geojson or archive (default: by extension)");
}

std::optional<io::Format> OutputOptions::NamedFormat() const {
  if (m_format.empty()) return std::nullopt;
  const auto named = io::FormatFromName(m_format);
  if (!named) throw UsageError("--format expects wkt, geojson or archive, got '" + m_format + "'");
  return named;
}

io::Format OutputOptions::OutputFormat() const {
  if (const auto named = NamedFormat()) return *named;
  if (OutputIsStandardOutput()) return io::Format::Wkt;
  const auto byExtension = io::FormatFromExtension(m_output);
  if (!byExtension) {
    throw UsageError("cannot tell the format of '" + m_output +
                     "' from its name (.wkt, .geojson, .json, .fpgeom); give --format wkt, geojson or archive");
  }
  return *byExtension;
}

void OutputOptions::Emit(Report report, const io::Document* result) const {
  if (result != nullptr && OutputIsStandardOutput()) {
    RefuseBinaryOnTerminal(OutputFormat());
    WriteOutput(m_output, io::EncodeDocument(*result, OutputFormat(), "standard output"));
    report.data["output"] = m_output;
    Print(report, std::cerr);
    return;
  }
  if (result != nullptr && HasOutputPath()) {
    WriteOutput(m_output, io::EncodeDocument(*result, OutputFormat(), m_output));
    report.Line("wrote " + m_output);
    report.data["output"] = m_output;
  } else if (result != nullptr && m_json) {
    report.data["result"] = nlohmann::json::parse(io::WriteGeoJson(*result));
  } else if (result != nullptr) {
    report.text += io::WriteWkt(*result);
  }
  Print(report);
}

void OutputOptions::Print(const Report& report) const { Print(report, std::cout); }

void OutputOptions::Print(const Report& report, std::ostream& stream) const {
  if (m_json) {
    stream << report.data.dump(2) << '\n';
  } else {
    stream << report.text;
  }
}

void RefuseBinaryOnTerminal(io::Format format) {
  if (format == io::Format::Archive && ::isatty(STDOUT_FILENO) != 0) {
    throw UsageError("an archive is binary: write it to a file with -o FILE.fpgeom, or into a pipe");
  }
}

void WriteOutput(const std::string& path, const std::string& bytes) {
  if (path == "-") {
    std::cout << bytes;
  } else {
    io::WriteOutputFile(path, bytes);
  }
}

}  // namespace fpgeom::tool
