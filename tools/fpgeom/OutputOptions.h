// Where a subcommand's report and resulting geometry go. The report goes to
// standard output as text, or as JSON with --json. A resulting document is
// written to -o FILE whole or not at all, in the format --format names or
// the file's extension implies; without -o it follows the report (as WKT in
// text, as GeoJSON under "result" in JSON). With -o - the document goes to
// standard output (WKT unless --format says otherwise) and the report to
// standard error, so that a pipe gets the geometry alone.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "Report.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

class OutputOptions {
 public:
  void AddJsonFlag(CLI::App& command);
  void AddResultOptions(CLI::App& command);

  bool Json() const { return m_json; }
  const std::string& OutputPath() const { return m_output; }
  bool HasOutputPath() const { return !m_output.empty(); }
  bool OutputIsStandardOutput() const { return m_output == "-"; }

  // The format --format names, if any; throws UsageError for an unknown name.
  std::optional<io::Format> NamedFormat() const;
  // The format for the output file; throws UsageError when it cannot tell.
  io::Format OutputFormat() const;
  // Writes the result (when one is given) first, so that a failure to write
  // prints no report; then prints the report.
  void Emit(Report report, const io::Document* result = nullptr) const;
  void Print(const Report& report) const;
  // The report (or an encoded document) into a stream; standard output
  // stays the tool's, and a failure to write it is found when it exits.
  void Print(const Report& report, std::ostream& stream) const;

 private:
  bool m_json = false;
  std::string m_output;
  std::string m_format;
};

// Throws UsageError for an archive headed for a terminal.
void RefuseBinaryOnTerminal(io::Format format);

// Bytes to where -o points: "-" is standard output; otherwise as
// io::WriteOutputFile writes them.
void WriteOutput(const std::string& path, const std::string& bytes);

}  // namespace fpgeom::tool
